#pragma once
// Listing a browsed folder.
#include "folder_entries.h"

#include <string>
#include <vector>

// Folders first, then the other entries, each group in name order. A folder
// that cannot be listed gives what could be read before the failure (often
// nothing); an entry whose type cannot be read counts as a file.
FolderListing listFolder(const std::wstring& folder);
// The same into entries; false when the folder cannot be opened at all (it
// has gone, or is no folder), which needs no look-up of its own.
bool listFolder(const std::wstring& folder, FolderListing& entries);
