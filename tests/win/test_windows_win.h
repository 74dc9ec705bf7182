#pragma once
// Top-level windows with known titles for the task view tests, shown without
// taking the activation from the launcher, and destroyed with the holder.
#include "launcher/folders/item_entry.h"

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

// A task window on a thread of its own, which falls asleep for two seconds,
// answering nothing, when told to, as a busy program does.
struct BusyWindow {
    std::atomic<HWND> window{nullptr}; // once the thread has made it
    std::atomic<bool> asleep{false};
    std::atomic<int> wakes{0};
    // An icon the window takes on as it falls asleep, and answers with once awake.
    std::atomic<HICON> iconWhenAwake{nullptr};

    explicit BusyWindow(const std::wstring& title, DWORD extraStyle = 0);
    ~BusyWindow();
    void sleep() { PostMessageW(window, WM_USER, 0, 0); }

private:
    std::atomic<bool> ended_{false};
    std::thread thread_;
};

// The texts of the item view's rows.
std::vector<std::wstring> itemViewTexts(HWND listView);
// The image index the item view shows for a row.
int itemImage(HWND listView, int row);
// Pixels of one image of an image list, drawn on white.
std::vector<COLORREF> imagePixels(HIMAGELIST images, int index);
std::vector<COLORREF> iconPixels(HICON icon);
// The row's icon as the shell gives it by name, as a fill without reuse shows it.
std::vector<COLORREF> freshPixels(const ItemEntry& row);
