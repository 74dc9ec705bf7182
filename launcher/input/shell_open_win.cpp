#include "shell_open_win.h"

#include <windows.h>
#include <shellapi.h>

namespace {

ShellOpenFunction& shellOpenSeam() {
    static ShellOpenFunction seam;
    return seam;
}

} // namespace

void openWithShell(const std::wstring& file, const wchar_t* parameters) {
    if (shellOpenSeam()) {
        shellOpenSeam()(file, parameters);
        return;
    }
    ShellExecuteW(nullptr, L"open", file.c_str(), parameters, nullptr, SW_SHOWNORMAL);
}

void replaceShellOpen(ShellOpenFunction function) {
    shellOpenSeam() = std::move(function);
}
