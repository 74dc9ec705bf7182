#include "default_files_win.h"

#include "default_files.h"
#include "common/text_files_win.h"

#include <windows.h>

bool fileMissing(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

void writeDefaultFiles(const std::wstring& configFolder) {
    const struct {
        const wchar_t* name;
        TextLines (*lines)();
    } defaults[] = {
        {L"shortcut.txt", defaultShortcutLines},
        {L"bookmark.txt", defaultBookmarkLines},
        {L"menu.txt", defaultMenuLines},
        {L"config.txt", defaultConfigLines},
    };
    for (const auto& file : defaults) {
        const std::wstring path = configFolder + L"\\" + file.name;
        if (fileMissing(path)) writeTextLines(path, file.lines());
    }
}
