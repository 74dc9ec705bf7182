#include "file_saving_win.h"

#include "common/accessibility_win.h"

namespace {

constexpr UINT_PTR retryWritesTimer = 1;

std::wstring fileNameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L'\\') + 1);
}

void tellSaveFailed(HWND window, const std::wstring& path) {
    const std::wstring text = fileNameOf(path) + L"を保存できませんでした。\n"
                                                 L"書き込めるようになってから、もう一度保存してください。";
    MessageBoxW(window, text.c_str(), saveFailedCaption, MB_OK | MB_ICONWARNING);
}

} // namespace

bool saveSettingsFile(SettingsWindow& sw, const std::wstring& path, WriteAttempt attempt) {
    // In a folder found unwritable at start a held file is no passing moment.
    const WriteResult result = sw.configWritable ? sw.pendingWrites.write(path, std::move(attempt)) : attempt();
    if (result == WriteResult::written) {
        announce(sw.liveRegion, fileNameOf(path) + L"を保存しました。");
        return true;
    }
    if (result == WriteResult::held && sw.configWritable) {
        SetTimer(sw.window, retryWritesTimer, static_cast<UINT>(writeRetryInterval.count()), nullptr);
        announce(sw.liveRegion, fileNameOf(path) + L"はほかのプログラムが使っているため、あとで保存します。");
        return true;
    }
    // The message box is read out as it opens.
    tellSaveFailed(sw.window, path);
    return false;
}

void onRetryWritesTimer(SettingsWindow& sw) {
    if (!sw.pendingWrites.retry()) KillTimer(sw.window, retryWritesTimer);
}

void finishSettingsWrites(SettingsWindow& sw, bool tellWhatFailed) {
    KillTimer(sw.window, retryWritesTimer);
    const bool finished = finishPendingWrites(
        sw.pendingWrites, writeRetryAtExit, [] { return std::chrono::steady_clock::now(); },
        [](std::chrono::milliseconds pause) { Sleep(static_cast<DWORD>(pause.count())); });
    if (finished) return;
    // The window is going: the message stands on its own.
    if (tellWhatFailed) {
        for (const PendingWrite& write : sw.pendingWrites.waiting) tellSaveFailed(nullptr, write.path);
    }
    sw.pendingWrites.waiting.clear();
}
