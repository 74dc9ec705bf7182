#include "folder_listing_win.h"

#include "folder_entries.h"

#include "common/scoped_win.h"

#include <windows.h>

namespace {

// A link counts as what it points to; a link whose target is missing or
// cannot be opened counts as a file.
bool linkTargetIsFolder(const std::wstring& path) {
    const ScopedFile target(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!target.valid()) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(target.get(), &info)) return false;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isDotEntry(const wchar_t* name) {
    return (name[0] == L'.' && name[1] == L'\0') || (name[0] == L'.' && name[1] == L'.' && name[2] == L'\0');
}

} // namespace

bool listFolder(const std::wstring& folder, FolderListing& entries) {
    entries = FolderListing();
    entries.enterFolder(folder);
    WIN32_FIND_DATAW found{};
    const ScopedFind find(FindFirstFileExW(joinFolderPath(folder, L"*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    // Only a drive's empty root has no "." to find.
    if (!find.valid()) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (isDotEntry(found.cFileName)) continue;
        const std::wstring_view name = found.cFileName;
        bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && followsReparseTag(found.dwReserved0))
            isFolder = linkTargetIsFolder(joinFolderPath(folder, std::wstring(name)));
        entries.add(name, isFolder);
    } while (FindNextFileW(find.get(), &found));
    entries.order();
    entries.shrink();
    return true;
}

FolderListing listFolder(const std::wstring& folder) {
    FolderListing entries;
    listFolder(folder, entries);
    return entries;
}
