#include "folders_win.h"

#include "module_folder.h"

#include <windows.h>
#include <shlwapi.h>

std::wstring exeFolder() {
    return moduleFolder([](wchar_t* buffer, unsigned long size) {
        return static_cast<unsigned long>(GetModuleFileNameW(nullptr, buffer, size));
    });
}

bool exeFolderFound() {
    if (!exeFolder().empty()) return true;
    MessageBoxW(nullptr, L"プログラムのあるフォルダを特定できませんでした。", L"起動に失敗", MB_OK | MB_ICONERROR);
    return false;
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
