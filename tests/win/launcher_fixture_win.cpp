#include "launcher_fixture_win.h"
#include "launcher/input/controller_win.h"
#include "tests/support/test_support_win.h"

#include "common/work_queue.h"
#include "launcher/shell/startup_win.h"

#include <cstdlib>
#include <new>

thread_local bool allocationsFail = false;
thread_local int failingAllocation = 0;

// The whole test program allocates through these, the launcher's code included.
void* operator new(std::size_t size) {
    const bool fails = allocationsFail || (failingAllocation > 0 && --failingAllocation == 0);
    void* memory = fails ? nullptr : std::malloc(size ? size : 1);
    if (!memory) throw std::bad_alloc();
    return memory;
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    return pumpWhileWaiting(condition, timeout, pumpPending);
}

bool pumpUntilAnswered(std::chrono::milliseconds timeout) {
    return pumpUntil([] { return workOnItsWay() == 0; }, timeout);
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

void LauncherWindowTest::dismissLauncher() {
    mw().controller->dismiss();
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(window_); }));
}

void LauncherWindowTest::TearDown() {
    // Answers still on their way are taken while the window is there to take them.
    pumpUntil([] { return workOnItsWay() == 0; });
    closeLauncher();
    // The quit message of the destroyed window must not reach the next test.
    MSG message{};
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    removeDataFiles();
}
