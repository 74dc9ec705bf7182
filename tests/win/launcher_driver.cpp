#include "launcher_driver.h"

#include "common/folders_win.h"
#include "launcher/input/launching_win.h"

#include <gtest/gtest.h>

namespace driver {

namespace {

void createLauncherOnce() {
    if (theMainWindow && theMainWindow->window) return;
    createLauncherObjects();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerMainWindowClass(instance);
    createMainWindow(instance);
    ShowWindow(theMainWindow->window, SW_SHOWNORMAL);
}

void removeFolderFiles(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace

std::wstring scratchFolder(const std::wstring& name) {
    const std::wstring folder = exeFolder() + L"\\scratch-" + name;
    ensureFolder(folder);
    removeFolderFiles(folder);
    return folder;
}

void showFreshLauncher(const std::vector<std::wstring>& history) {
    createLauncherOnce();
    replaceShellOpen(nullptr);
    MainWindow& mw = *theMainWindow;
    DataStore& data = *theData;
    const std::wstring folder = scratchFolder(L"history");
    data.historyPath = folder + L"\\history.txt";
    data.monthPath = folder + L"\\202612.txt";
    data.historyList = history;
    data.monthList = history;
    data.bookmarkLines.clear();
    data.shortcutRows.clear();
    theConfig->settingsMap.clear();
    theConfig->notShowListList.clear();
    ViewState& view = *mw.controller->view;
    view.allFolderEntries.clear();
    mw.controller->taskView->shownTasks.clear();
    if (!view.shownFolder.empty()) view.changeFolder(L"");
    SetWindowTextW(mw.inputLine, L"");
    view.parentLevels = 0;
    mw.controller->refreshCandidates(L"");
    showLauncher(mw);
    ASSERT_TRUE(pumpUntil([&] { return GetFocus() == mw.inputLine && GetForegroundWindow() == mw.window; }));
    settle();
}

} // namespace driver
