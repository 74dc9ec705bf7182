#pragma once
// Folder entries as item view rows: their paths and their order.
#include "launcher/tasks/task_window.h"

#include <string>
#include <vector>

// The folder path and the entry name with one "\" between them.
std::wstring joinFolderPath(const std::wstring& folder, const std::wstring& name);

ItemEntry makeFolderEntry(const std::wstring& folder, const std::wstring& name, bool isFolder);

// The upper-case folding NTFS applies to one UTF-16 unit when it orders names.
wchar_t upcaseUnit(wchar_t unit);
// Names in NTFS order: upper-cased unit by unit, then compared as numbers.
bool precedesByName(const std::wstring& left, const std::wstring& right);

// Folders first, then the other entries, each group in NTFS name order, so
// that every file system shows the order users know.
void orderFolderEntries(std::vector<ItemEntry>& entries);
