#include "writable_folder_win.h"

#include "scoped_win.h"

namespace {

constexpr int probeTries = 5;
constexpr DWORD probePauseMs = 100;

bool canCreateFileIn(const std::wstring& folder) {
    const std::wstring probe = folder + L"\\write-check." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    ScopedFile file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.valid();
}

bool canOpenForWriting(const std::wstring& path) {
    if (path.empty()) return true;
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.valid()) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool writableNow(const std::wstring& folder, const std::vector<std::wstring>& files) {
    if (!canCreateFileIn(folder)) return false;
    for (const std::wstring& path : files) {
        if (!canOpenForWriting(path)) return false;
    }
    return true;
}

} // namespace

bool folderWritable(const std::wstring& folder, const std::vector<std::wstring>& files) {
    for (int i = 0; i < probeTries; ++i) {
        if (i > 0) Sleep(probePauseMs);
        if (writableNow(folder, files)) return true;
    }
    return false;
}

void tellFolderNotWritable(HWND owner, const std::wstring& programFolder) {
    const std::wstring text = L"このフォルダーには設定と履歴を保存できません。\n" + programFolder +
                              L"\n\nフォルダーごと、ドキュメントなどユーザーのフォルダーのような"
                              L"書き込める場所へ移してください。";
    MessageBoxW(owner, text.c_str(), folderNotWritableCaption, MB_OK | MB_ICONWARNING);
}
