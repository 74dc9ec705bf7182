#include "launcher_control_win.h"

#include "launcher_control.h"
#include "common/folders_win.h"

#include <windows.h>
#include <shellapi.h>

namespace {

constexpr int classBufferSize = 256;

BOOL CALLBACK closeIfLauncher(HWND window, LPARAM) {
    wchar_t name[classBufferSize] = {};
    const int length = GetClassNameW(window, name, classBufferSize);
    if (length > 0 && isLauncherClass(std::wstring_view(name, static_cast<size_t>(length)))) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

} // namespace

void closeLauncher() {
    EnumWindows(closeIfLauncher, 0);
}

bool startLauncherFrom(const std::wstring& folder) {
    const std::wstring path = folder + L"\\Halvorunde.exe";
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return true;
}

void startLauncher() {
    startLauncherFrom(exeFolder());
}
