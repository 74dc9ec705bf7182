#include "folders_win.h"

#include <windows.h>
#include <shlwapi.h>

std::wstring exeFolder() {
    wchar_t buffer[MAX_PATH] = {};
    if (GetModuleFileNameW(nullptr, buffer, MAX_PATH) == 0) return {};
    PathRemoveFileSpecW(buffer);
    return buffer;
}

void ensureFolder(const std::wstring& path) {
    if (!PathIsDirectoryW(path.c_str())) CreateDirectoryW(path.c_str(), nullptr);
}

std::wstring configFilePath(const std::wstring& name) {
    const std::wstring folder = exeFolder() + L"\\config";
    ensureFolder(folder);
    return folder + L"\\" + name;
}

std::wstring historyFilePath(const std::wstring& name) {
    const std::wstring folder = exeFolder() + L"\\history";
    ensureFolder(folder);
    return folder + L"\\" + name;
}
