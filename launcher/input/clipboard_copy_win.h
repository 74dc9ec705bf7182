#pragma once
// Putting text on the clipboard without waiting on the window's thread: a
// clipboard that another program holds is tried again on a timer, and the
// file of "clipf " is read on a worker. The clipboard itself is opened by the
// main window's thread, whose window then owns it.
#include "common/work_queue.h"
#include "launcher/resources/app_messages.h"

#include <windows.h>

#include <cstdint>
#include <string>

struct MainWindow;

// Ticks while a copy waits for the clipboard.
constexpr UINT_PTR clipboardRetryTimer = 11;

struct ClipboardCopy {
    std::wstring waitingText;  // still to be put on the clipboard
    int32_t attemptsLeft = 0;  // above zero while the retry timer runs
    RequestNumbers fileReads;  // only the newest "clipf " is copied
};

// Puts the text on the clipboard as Unicode text, at once or, while another
// program holds the clipboard, on the retry timer for about half a second; a
// newer copy replaces one still waiting. Failures are silent.
void copyToClipboard(const std::wstring& text);

// "clipf ": the file's lines, joined with CR LF, once a worker has read them.
// No ordinary file, or one over 16 MB, is said in a message box instead.
void copyFileToClipboard(const std::wstring& path);

LRESULT onClipFileRead(MainWindow& mainWindow, LPARAM answer);
void onClipboardRetry(MainWindow& mainWindow);
