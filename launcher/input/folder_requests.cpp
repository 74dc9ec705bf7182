#include "folder_requests.h"

bool FolderRequests::takeFolderFound(uint32_t request) {
    if (!decisions.waiting() || request != decisions.newest) return false;
    decisions.forget();
    listing = request;
    listingWanted = true;
    return true;
}

uint32_t FolderRequests::list() {
    listing = decisions.next();
    decisions.forget();
    listingWanted = true;
    return listing;
}

bool FolderRequests::takeListing(uint32_t request) {
    if (!listingWanted || request != listing) return false;
    listingWanted = false;
    return true;
}

std::wstring typedSince(const std::wstring& now, const std::wstring& before) {
    if (now.size() <= before.size() || now.compare(0, before.size(), before) != 0) return {};
    return now.substr(before.size());
}

ListingFocus focusAfterListing(bool restoredAtStart, bool inputFocused, bool inputEmpty, bool entriesEmpty) {
    if (restoredAtStart || !inputFocused || !inputEmpty) return ListingFocus::unchanged;
    return entriesEmpty ? ListingFocus::inputLine : ListingFocus::itemView;
}
