#include "program_search_win.h"

#include <windows.h>

namespace {

constexpr wchar_t appPathsKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

std::wstring environmentValue(const wchar_t* name) {
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    if (value.empty()) return value;
    const DWORD length = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    value.resize(length < value.size() ? length : 0);
    return value;
}

std::wstring systemFolder(UINT(WINAPI* folderOf)(LPWSTR, UINT)) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = folderOf(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

// The default value of the name's App Paths key, environment strings expanded.
std::wstring appPath(HKEY root, const std::wstring& fileName) {
    const std::wstring key = appPathsKey + fileName;
    std::wstring value(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
        if (status == ERROR_SUCCESS) {
            value.resize(bytes / sizeof(wchar_t));
            while (!value.empty() && value.back() == L'\0') value.pop_back();
            return value;
        }
        if (status != ERROR_MORE_DATA) return {};
        value.assign(bytes / sizeof(wchar_t) + 1, L'\0');
    }
    return {};
}

bool isFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

ProgramPlaces systemProgramPlaces() {
    ProgramPlaces places;
    places.currentUserAppPath = [](const std::wstring& name) { return appPath(HKEY_CURRENT_USER, name); };
    places.machineAppPath = [](const std::wstring& name) { return appPath(HKEY_LOCAL_MACHINE, name); };
    places.isFile = isFile;
    places.systemFolder = systemFolder(GetSystemDirectoryW);
    places.windowsFolder = systemFolder(GetSystemWindowsDirectoryW); // not a per-user copy under terminal services
    places.path = environmentValue(L"PATH");
    places.pathExt = environmentValue(L"PATHEXT");
    return places;
}
