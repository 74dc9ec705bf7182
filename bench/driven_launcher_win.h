#pragma once
// The launcher as the probes drive it from outside, as a user would: started
// in a folder of its own with the show hotkey Ctrl+Alt+Shift+F11, its windows
// found by class, keys sent to the foreground, state read with messages.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

using ProbeClock = std::chrono::steady_clock;

double msSince(ProbeClock::time_point start);
// -1 for no values.
double median(std::vector<double> values);
// Polls with a short pause: polling without one keeps the Wine server busy and slows the launcher.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 30000);

struct Launcher {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    HWND input = nullptr;
    HWND status = nullptr;
    HWND items = nullptr;
};

// A copy of the program with the probes' config.txt and no state of an
// earlier run (window state, history) in folder.
void prepareLauncherFolder(const std::wstring& folder, const std::wstring& program);
// Starts the copy in folder and waits until its window is up and in front.
bool startLauncher(const std::wstring& folder, Launcher& launcher);
// Closes it as the user would, or ends it when it does not close.
void closeLauncher(Launcher& launcher);

size_t rowCount(const Launcher& launcher);
std::wstring textOf(HWND control);
void setText(HWND control, const std::wstring& text);
bool inputLineFocused(const Launcher& launcher);

// Letters as virtual keys: Wine delivers typed characters (KEYEVENTF_UNICODE)
// tens of milliseconds later than keys.
void sendKey(WORD key);
void pressShowHotkey();
