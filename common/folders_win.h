#pragma once
// The data folders beside the executable. A folder that cannot be created
// is not an error here: reads then find nothing and writes do nothing.
#include <string>

std::wstring exeFolder();
void ensureFolder(const std::wstring& path);
std::wstring configFilePath(const std::wstring& name);
std::wstring historyFilePath(const std::wstring& name);
