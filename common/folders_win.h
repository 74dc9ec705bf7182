#pragma once
// The data folders beside the executable. A folder that cannot be created
// is not an error here: reads then find nothing and writes do nothing.
#include <string>

// Empty text when the program's own path cannot be had whole.
std::wstring exeFolder();
// Tells the user when the folder beside the program cannot be found: the
// program then ends, as any other folder would be the wrong one.
bool exeFolderFound();
void ensureFolder(const std::wstring& path);
std::wstring configFilePath(const std::wstring& name);
std::wstring historyFilePath(const std::wstring& name);
