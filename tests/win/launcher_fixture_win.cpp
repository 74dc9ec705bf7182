#include "launcher_fixture_win.h"

#include "launcher/shell/startup_win.h"

#include <thread>

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        pumpPending();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void pumpPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void writeConfigFile(const std::wstring& name, const TextLines& lines) {
    ASSERT_TRUE(writeTextLines(configFilePath(name), lines));
}

void writeHistoryFile(const std::wstring& name, const TextLines& lines) {
    ASSERT_TRUE(writeTextLines(historyFilePath(name), lines));
}

namespace {
void emptyFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            const std::wstring path = folder + L"\\" + found.cFileName;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}
} // namespace

void removeDataFiles() {
    emptyFolder(exeFolder() + L"\\config");
    emptyFolder(exeFolder() + L"\\history");
}

void LauncherWindowTest::startLauncher(const TextLines& configLines, bool show) {
    removeDataFiles();
    writeConfigFile(L"config.txt", configLines);
    startLauncherKeepingFiles(show);
}

void LauncherWindowTest::startLauncherKeepingFiles(bool show) {
    if (readTextLines(configFilePath(L"config.txt")).empty()) writeConfigFile(L"config.txt", testHotkeyConfig);
    createLauncherObjects();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerMainWindowClass(instance);
    window_ = createMainWindow(instance);
    ASSERT_NE(window_, nullptr);
    if (show) {
        ShowWindow(window_, SW_SHOWNORMAL);
        UpdateWindow(window_);
        SetForegroundWindow(window_);
        pumpUntil([&] { return GetForegroundWindow() == window_; });
    }
    pumpPending();
}

void LauncherWindowTest::closeLauncher() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    pumpPending();
}

void LauncherWindowTest::TearDown() {
    closeLauncher();
    // The quit message of the destroyed window must not reach the next test.
    MSG message{};
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    removeDataFiles();
}
