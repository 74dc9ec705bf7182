#include "launcher_driver.h"
#include "tests/support/test_support_win.h"

#include "common/folders_win.h"
#include "launcher/input/shell_open_win.h"
#include "launcher/tasks/item_view_fill_win.h"
#include "launcher/tasks/window_enumeration_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace driver {

std::vector<HWND> makeTaskWindows(int count) {
    // Real tasks, shown without taking the activation; made last to first so
    // that the first lies on top, as the task view lists them.
    std::vector<HWND> windows(static_cast<size_t>(count));
    for (int i = count - 1; i >= 0; --i) {
        windows[static_cast<size_t>(i)] =
            CreateWindowExW(0, L"STATIC", (L"task " + std::to_wstring(i)).c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 200,
                            100, nullptr, nullptr, nullptr, nullptr);
        ShowWindow(windows[static_cast<size_t>(i)], SW_SHOWNOACTIVATE);
    }
    return windows;
}

void listTasks(const std::vector<HWND>& windows, size_t count) {
    TaskViewState& taskView = *theMainWindow->controller->taskView;
    taskView.shownTasks.clear();
    for (size_t i = 0; i < count; ++i) {
        const std::wstring title = L"task " + std::to_wstring(i);
        taskView.shownTasks.push_back({title, L"STATIC", title, windows[i], {}});
    }
    // Else the refresh thread, seeing that the desktop has more windows than
    // when it last looked, refills the view with them between two keys.
    taskView.allTasks = collectTaskWindows();
    taskView.knownTaskCount = taskView.allTasks.size();
    fillItemView(theMainWindow->controller->itemView->display, theMainWindow->itemView, taskView.shownTasks);
}

std::wstring scratchFolder(const std::wstring& name) {
    const std::wstring folder = exeFolder() + L"\\scratch-" + name;
    ensureFolder(folder);
    emptyFolder(folder);
    return folder;
}

std::wstring recycleBinFolder() {
    wchar_t value[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"XDG_DATA_HOME", value, MAX_PATH)) return L"Z:" + std::wstring(value) + L"\\Trash";
    GetEnvironmentVariableW(L"WINEHOMEDIR", value, MAX_PATH); // the Unix home, as \??\Z:\root
    std::wstring home = value;
    if (home.rfind(L"\\??\\", 0) == 0) home.erase(0, 4);
    return home + L"\\.local\\share\\Trash";
}

} // namespace driver

void InputWindowTest::openWith(const std::vector<std::wstring>& history, bool keepFiles) {
    using namespace driver;
    if (keepFiles) startLauncherKeepingFiles();
    else startLauncher();
    replaceShellOpen(nullptr);
    MainWindow& mw = *theMainWindow;
    DataStore& data = *theData;
    const std::wstring folder = scratchFolder(L"history");
    data.historyPath = folder + L"\\history.txt";
    data.monthPath = folder + L"\\202612.txt";
    data.historyList = history;
    data.monthList = history;
    mw.controller->refreshCandidates(L"");
    showLauncher(mw);
    ASSERT_TRUE(waitFor([&] { return GetFocus() == mw.inputLine && GetForegroundWindow() == mw.window; }));
    settle();
}
