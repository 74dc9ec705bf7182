#pragma once
// Top-level windows with known titles for the task view tests, shown without
// taking the activation from the launcher, and destroyed with the holder.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

class TestWindows {
public:
    TestWindows() = default;
    TestWindows(const TestWindows&) = delete;
    TestWindows& operator=(const TestWindows&) = delete;
    ~TestWindows();

    HWND create(const std::wstring& title, DWORD extraStyle = 0, HWND owner = nullptr);
    const std::vector<HWND>& all() const { return windows_; }

    // The small icon every test window's class carries.
    static HICON classIcon();

private:
    std::vector<HWND> windows_;
};

// A task window on a thread of its own, which can be made busy: the thread
// sleeps when it next handles a chosen message and answers nothing meanwhile,
// as a program busy with some work does.
class BusyWindow {
public:
    explicit BusyWindow(const std::wstring& title, DWORD extraStyle = 0, HICON smallIcon = nullptr);
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;
    ~BusyWindow();

    // Null until the thread created it.
    HWND window() const { return window_; }
    void sleepAt(UINT message, DWORD milliseconds);
    bool asleep() const { return asleep_; }
    int wakes() const { return wakes_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void run(const std::wstring& title, DWORD extraStyle, HICON smallIcon);

    std::atomic<HWND> window_{nullptr};
    std::atomic<DWORD> threadId_{0};
    std::atomic<UINT> sleepAt_{0};
    std::atomic<DWORD> sleepMs_{0};
    std::atomic<bool> asleep_{false};
    std::atomic<int> wakes_{0};
    std::thread thread_;
};

// The texts of the item view's rows.
std::vector<std::wstring> itemViewTexts(HWND listView);
// The image index the item view shows for a row.
int itemImage(HWND listView, int row);
// Pixels of one image of an image list, drawn on white.
std::vector<COLORREF> imagePixels(HIMAGELIST images, int index);
std::vector<COLORREF> iconPixels(HICON icon);
