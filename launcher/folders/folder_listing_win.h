#pragma once
// Listing a browsed folder.
#include "folder_entries.h"

#include <string>
#include <vector>

// Folders first, then the other entries, each group in name order. A folder
// that cannot be listed gives what could be read before the failure (often
// nothing); an entry whose type cannot be read counts as a file.
FolderListing listFolder(const std::wstring& folder);
