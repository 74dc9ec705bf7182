#pragma once
#include "tests/support/test_input_win.h"
#include "tests/support/test_support_win.h"
// Test bed for the settings tool's real window inside the test process: a
// fresh config folder per test, the files prepared as a start would, and the
// window built and torn down again.
#include "settings/settings_window_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(5));
void pumpPending();

std::string fileBytes(const std::wstring& path);
bool exists(const std::wstring& path);
void removeTree(const std::wstring& folder);
std::wstring uniqueTempFolder(const wchar_t* stem);

// Runs the action while another thread answers the first dialog with that
// caption with OK, as the user would; false when none came. A message box's
// text goes to text.
bool answerDialog(const wchar_t* caption, const std::function<void()>& action, std::wstring* text = nullptr);

class SettingsWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Prepares the files of the config folder and creates the window.
    void start();
    std::wstring file(const std::wstring& name) const { return folder_ + L"\\" + name; }
    const std::wstring& folder() const { return folder_; }

    SettingsWindow& sw() { return *theSettingsWindow; }
    HotkeyEditor& editor() { return *theSettingsWindow->editor; }
    HWND window() const { return window_; }

    void click(HWND button);
    void command(int id);
    // A key pressed and released in the key field, as its messages arrive.
    void captureKey(WORD key);
    // Text typed into the command field, ending with a key release.
    void typeCommand(const std::wstring& text);
    void selectRow(int row);
    std::wstring itemText(int row, int column) const;
    int itemCount() const;
    bool enabled(HWND control) const { return IsWindowEnabled(control) != FALSE; }
    bool checked(HWND check) const { return SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }

private:
    std::wstring folder_;
    HWND window_ = nullptr;
};
