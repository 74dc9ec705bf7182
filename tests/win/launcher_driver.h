#pragma once
// Drives the real launcher window in this process: one window for the whole
// test program, keys through SendInput, waits by polling with a timeout.
#include "launcher_fixture_win.h"
#include "tests/support/test_input_win.h"

#include "common/controls_win.h"
#include "common/work_queue.h"
#include "launcher/data/config_store.h"
#include "launcher/data/data_store.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/input/view_state_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/shell/main_window_win.h"
#include "launcher/shell/startup_win.h"
#include "launcher/tasks/task_view_state_win.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace driver {

// Lets everything already queued be handled: input sent with SendInput is
// in the queue when SendInput returns, and the characters that translating
// it posts are handled in the same rounds.
inline void settle() {
    constexpr UINT pending = QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE;
    const ULONGLONG deadline = GetTickCount64() + 3000;
    int quietRounds = 0;
    while (quietRounds < 2 && GetTickCount64() < deadline) {
        MSG message;
        bool handled = false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            handled = true;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        // Answers still on their way from the workers count as pending too.
        const bool quiet = !handled && HIWORD(GetQueueStatus(pending)) == 0 && workOnItsWay() == 0;
        quietRounds = quiet ? quietRounds + 1 : 0;
        if (!quiet && !handled) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// A key with modifiers held around it, handled before this returns.
inline void press(WORD key, const std::vector<WORD>& modifiers = {}) {
    pressKeys({key}, modifiers);
    settle();
}

// Characters typed and handled before this returns.
inline void type(const std::wstring& text, bool withShift = false) {
    typeText(text, withShift);
    settle();
}

using Texts = std::vector<std::wstring>;

inline MainWindow& mainWindow() {
    return *theMainWindow;
}

inline bool launcherHidden() {
    return !IsWindowVisible(theMainWindow->window);
}

inline Controller& controller() {
    return *theMainWindow->controller;
}

inline ViewState& view() {
    return *theMainWindow->controller->view;
}

// The names of the folder entries the item view lists.
inline std::vector<std::wstring> listedNames() {
    std::vector<std::wstring> names;
    for (const ItemEntry& entry : theMainWindow->controller->view->folderEntries) names.push_back(entry.name);
    return names;
}

inline std::wstring inputText() {
    return windowText(theMainWindow->inputLine);
}

inline std::vector<std::wstring> candidateRows() {
    const HWND list = theMainWindow->candidateList;
    std::vector<std::wstring> rows;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring row(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        const LRESULT length = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()));
        row.resize(static_cast<size_t>(length > 0 ? length : 0));
        rows.push_back(row);
    }
    return rows;
}

inline int candidateSelection() {
    return static_cast<int>(SendMessageW(theMainWindow->candidateList, LB_GETCURSEL, 0, 0));
}

// Top-level windows of the test, listed as the task view would list them
// (the first count of them), with one item-view row each.
std::vector<HWND> makeTaskWindows(int count);
void listTasks(const std::vector<HWND>& windows, size_t count);

// A folder of its own for a test's files, emptied first.
std::wstring scratchFolder(const std::wstring& name);

// Where Wine keeps what the shell moves to the recycle bin.
std::wstring recycleBinFolder();

inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000) {
    return pumpUntil(condition, std::chrono::milliseconds(timeoutMs));
}

// The stand-in program that launch tests open: it appends its command line to a file.
inline std::wstring recorder() {
    return exeFolder() + L"\\record_args.exe";
}

struct RecordedLaunches {
    std::wstring file;
    RecordedLaunches() {
        file = scratchFolder(L"launch") + L"\\launched.txt";
        SetEnvironmentVariableW(L"HALVO_RECORD_FILE", file.c_str());
    }
    // Waits for the stand-in program to write its command line.
    std::vector<std::wstring> waitForLines(size_t count) {
        std::vector<std::wstring> lines;
        waitFor([&] {
            lines = readTextLines(file);
            return lines.size() >= count;
        }, 15000);
        return lines;
    }
};

} // namespace driver

// The real launcher window, shown and focused, in the task view, with the
// given history and history files of its own; keepFiles starts with the
// data files the test wrote.
class InputWindowTest : public LauncherWindowTest {
protected:
    void openWith(const std::vector<std::wstring>& history, bool keepFiles = false);
};
