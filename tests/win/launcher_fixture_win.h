#pragma once
// Test bed for the launcher's real main window inside the test process:
// writes data files beside the test program, builds the objects and the
// window as a start would, and tears them down again.
#include "common/folders_win.h"
#include "common/text_files_win.h"
#include "launcher/shell/main_window_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

// Pumps this thread's messages until the condition holds or the timeout passes.
bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(5));
void pumpPending();
// Pumps until every answer the workers were asked for has been handled.
bool pumpUntilAnswered(std::chrono::milliseconds timeout = std::chrono::seconds(10));

void writeConfigFile(const std::wstring& name, const TextLines& lines);
void writeHistoryFile(const std::wstring& name, const TextLines& lines);
// Empties the config and history folders beside the test program.
void removeDataFiles();

// While set, every allocation on this thread fails, as when memory runs out.
extern thread_local bool allocationsFail;
// While positive, counts this thread's allocations down; the one that takes it
// to zero fails.
extern thread_local int failingAllocation;

// A show hotkey that nothing else on the test desktop uses.
inline const TextLines testHotkeyConfig{L"[hotkey]", L"hotkey=122", L"hotkey2=7"};

class LauncherWindowTest : public testing::Test {
protected:
    // Writes config.txt (with the test hotkey unless given) and starts the window.
    void startLauncher(const TextLines& configLines = testHotkeyConfig, bool show = true);
    // Starts with whatever data files the test wrote, adding the test hotkey config.
    void startLauncherKeepingFiles(bool show = true);
    void TearDown() override;
    void closeLauncher();
    // The hide follows the dismissal in a turn of its own.
    void dismissLauncher();

    MainWindow& mw() { return *theMainWindow; }
    HWND window() const { return window_; }

private:
    HWND window_ = nullptr;
};
