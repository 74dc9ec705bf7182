#include "file_saving_win.h"

#include "hotkey_list_page_win.h"
#include "hotkey_page_win.h"
#include "common/accessibility_win.h"
#include "common/file_writer_win.h"
#include "common/posted_answer_win.h"

namespace {

constexpr wchar_t saveAgainAdvice[] = L"書き込めるようになってから、もう一度保存してください。";

std::wstring fileNameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L'\\') + 1);
}

} // namespace

void saveSettingsFile(const std::wstring& path, WriteAttempt attempt) {
    theFileWriter->write(path, std::move(attempt));
}

void onSaveAnswered(SettingsWindow& sw, LPARAM answer) {
    const auto taken = takeAnswer<WriteOutcome>(answer);
    if (!taken) return;
    const WriteOutcome& outcome = taken->value;
    if (outcome.result == WriteResult::refused) {
        // The message box is read out as it opens.
        tellSaveRefused(outcome.path, saveAgainAdvice);
        return;
    }
    const bool held = outcome.result == WriteResult::held;
    announce(sw.liveRegion, fileNameOf(outcome.path) +
                                (held ? L"はほかのプログラムが使っているため、あとで保存します。" : L"を保存しました。"));
    if (outcome.path == configPath) {
        mainHotkeySaved(sw);
    } else {
        hotkeyListSaved(sw);
    }
}

void finishSettingsWrites(bool tellWhatFailed) {
    const std::vector<std::wstring> unwritten = theFileWriter->drain(writeRetryAtExit, writeWaitAtExit);
    // The window is going: the message stands on its own.
    if (tellWhatFailed) {
        for (const std::wstring& path : unwritten) tellSaveRefused(path, saveAgainAdvice);
    }
}
