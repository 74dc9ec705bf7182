#include "clipboard_copy_win.h"

#include "commands.h"
#include "controller_win.h"
#include "common/posted_answer_win.h"
#include "common/scoped_win.h"
#include "common/text_files_win.h"
#include "launcher/shell/main_window_record_win.h"

#include <cstring>

namespace {

// Clipboard managers and remote sessions hold the clipboard for a moment.
constexpr int32_t clipboardAttempts = 25;
constexpr UINT clipboardRetryMilliseconds = 20;

// Only an ordinary file of up to 16 MB: a device or a pipe may never end,
// and a larger file would put hundreds of megabytes of text on the clipboard.
constexpr LONGLONG clipFileLimit = 16 * 1024 * 1024;

struct ClipFileRead {
    bool refused = false; // no ordinary file, or too large
    std::wstring text;
};

bool isOrdinaryFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
           !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}

// On the worker. A file that cannot be opened or read gives the empty text, and
// clipf copies that: only a file too large or not a file at all is refused.
ClipFileRead readClipFile(const std::wstring& path) {
    std::string bytes;
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return {};
    LARGE_INTEGER size{};
    if (!isOrdinaryFile(file.get()) || !GetFileSizeEx(file.get(), &size) || size.QuadPart > clipFileLimit)
        return {true, {}};
    if (!readOpenFile(file.get(), bytes, static_cast<size_t>(clipFileLimit))) return {};
    // It may have grown since its size was asked.
    if (bytes.size() > static_cast<size_t>(clipFileLimit)) return {true, {}};
    return {false, joinClipboardLines(linesFromBytes(bytes))};
}

void tellClipFileRefused() {
    // No owner, and a thread of its own: the launcher has hidden by now and
    // would take an owned box with it, and its window goes on answering. The
    // box comes to the front itself, as the launcher no longer is there.
    constexpr UINT style = MB_OK | MB_SETFOREGROUND;
    runDetached([] { MessageBoxW(nullptr, clipFileRefusedText, clipFileRefusedCaption, style); });
}

// False when the clipboard could not be opened; failures after that are silent.
bool putOnClipboard(HWND owner, const std::wstring& text) {
    // SetClipboardData fails on a clipboard emptied without an owner.
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* memory = GlobalLock(block)) {
            std::memcpy(memory, text.c_str(), bytes);
            GlobalUnlock(block);
            // From here the clipboard owns the block.
            if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return true;
}

void stopWaiting(MainWindow& mw, ClipboardCopy& copy) {
    KillTimer(mw.window, clipboardRetryTimer);
    copy.attemptsLeft = 0;
    copy.waitingText.clear();
}

ClipboardCopy* clipboardCopyOf(MainWindow* mw) {
    return mw && mw->window && mw->controller ? &mw->controller->clipboard : nullptr;
}

} // namespace

void copyToClipboard(const std::wstring& text) {
    MainWindow* mw = theMainWindow;
    ClipboardCopy* copy = clipboardCopyOf(mw);
    if (!copy) {
        putOnClipboard(nullptr, text);
        return;
    }
    stopWaiting(*mw, *copy);
    if (putOnClipboard(mw->window, text)) return;
    if (!SetTimer(mw->window, clipboardRetryTimer, clipboardRetryMilliseconds, nullptr)) return;
    copy->waitingText = text;
    copy->attemptsLeft = clipboardAttempts - 1;
}

void onClipboardRetry(MainWindow& mw) {
    ClipboardCopy* copy = clipboardCopyOf(&mw);
    if (!copy || copy->attemptsLeft <= 0) {
        KillTimer(mw.window, clipboardRetryTimer);
        return;
    }
    if (putOnClipboard(mw.window, copy->waitingText) || --copy->attemptsLeft == 0) stopWaiting(mw, *copy);
}

void copyFileToClipboard(const std::wstring& path) {
    MainWindow* mw = theMainWindow;
    ClipboardCopy* copy = clipboardCopyOf(mw);
    if (!copy) return;
    answerOnWorker<ClipFileRead>(mw->window, WM_CLIP_FILE_READ, copy->fileReads.next(),
                                 [path] { return readClipFile(path); });
}

LRESULT onClipFileRead(MainWindow& mw, LPARAM answer) {
    const auto read = takeAnswer<ClipFileRead>(answer);
    ClipboardCopy* copy = clipboardCopyOf(&mw);
    if (!read || !copy || !copy->fileReads.take(read->request)) return 0;
    if (read->value.refused) tellClipFileRefused();
    else copyToClipboard(read->value.text);
    return 0;
}
