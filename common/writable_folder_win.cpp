#include "writable_folder_win.h"

#include "scoped_win.h"

namespace {

bool canCreateFileIn(const std::wstring& folder) {
    const std::wstring probe = folder + L"\\write-check." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    ScopedFile file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.valid();
}

bool readOnly(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool canOpenForWriting(const std::wstring& path) {
    if (path.empty()) return true;
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.valid()) return true;
    // A file another program holds is waited for by the writer; a read-only
    // one is named when it refuses a write. Neither is the folder's doing.
    const DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED) return readOnly(path);
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

} // namespace

bool folderWritable(const std::wstring& folder, const std::vector<std::wstring>& files) {
    if (!canCreateFileIn(folder)) return false;
    for (const std::wstring& path : files) {
        if (!canOpenForWriting(path)) return false;
    }
    return true;
}

void tellFolderNotWritable(HWND owner, const std::wstring& programFolder) {
    const std::wstring text = L"このフォルダーには設定と履歴を保存できません。\n" + programFolder +
                              L"\n\nフォルダーごと、ドキュメントなどユーザーのフォルダーのような"
                              L"書き込める場所へ移してください。";
    MessageBoxW(owner, text.c_str(), folderNotWritableCaption, MB_OK | MB_ICONWARNING);
}
