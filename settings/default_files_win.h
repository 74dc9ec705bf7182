#pragma once
// Fills in the data files the launcher expects where they are missing.
#include <string>

// True only when nothing is there. A check that fails for another reason
// (access denied, say) counts as present, so no file is ever overwritten.
bool fileMissing(const std::wstring& path);

void writeDefaultFiles(const std::wstring& configFolder);
