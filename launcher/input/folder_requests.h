#pragma once
// The numbered requests behind browsing a folder. Whether a target is a
// folder, and what the folder holds, wait on its drive, which may be a share:
// a worker finds out, and the window takes only the answers still wanted.
#include "common/work_queue.h"

#include <cstdint>
#include <string>

// A decision (is the target a folder?) is wanted while it is the newest and
// the user has not pressed Esc or hidden the window. Once it says "folder",
// the folder is shown at once and the listing that follows from the same job
// is wanted until the view changes: a later decision does not drop it, as
// it may turn out to be no folder at all.
struct FolderRequests {
    RequestNumbers decisions;
    uint32_t listing = 0;
    bool listingWanted = false;

    uint32_t decide() { return decisions.next(); }
    // The decision said "folder": from now on its listing is the one wanted.
    bool takeFolderFound(uint32_t request);
    // A listing without a decision (the folder restored at start).
    uint32_t list();
    bool takeListing(uint32_t request);
    // The shown folder's entries are still on their way.
    bool loading() const { return listingWanted; }
    // Esc: the decision still coming is not wanted any more.
    void forgetDecision() { decisions.forget(); }
    // Another view, or the window hidden: nothing still coming is wanted.
    void forget() {
        decisions.forget();
        listingWanted = false;
    }
};

// What was typed after the text the input line held when the request was
// made: it becomes the query of the folder that request opens. Anything but
// typing on (the text cleared or edited) gives an empty query.
std::wstring typedSince(const std::wstring& now, const std::wstring& before);

// Where the focus goes once a folder's entries are there: the first row, or
// the input line for an empty folder, as when a folder opens at once. Keys
// typed meanwhile keep the input line, a control the user moved to keeps the
// focus, and the folder restored at start leaves it where the start put it.
enum class ListingFocus { unchanged, inputLine, itemView };
ListingFocus focusAfterListing(bool restoredAtStart, bool inputFocused, bool inputEmpty, bool entriesEmpty);
