#include "slow_share_win.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

// A Unix path from the environment, as Wine shows it on drive Z:.
std::wstring unixPathFromEnvironment(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    if (length == 0 || length >= 1024) return {};
    std::wstring path = L"Z:" + std::wstring(value, length);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

} // namespace

std::wstring slowShareRoot() {
    return unixPathFromEnvironment(L"HALVO_SLOW_SHARE");
}

void setSlowShareWait(double seconds) {
    const std::wstring path = unixPathFromEnvironment(L"HALVO_SLOW_SHARE_WAIT");
    if (path.empty()) return;
    const std::string text = std::to_string(seconds);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}
