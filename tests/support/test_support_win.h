#pragma once
// Small helpers shared by the Windows test programs.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Removes a file, or a folder with everything in it, read-only files included.
void removeTree(const std::wstring& path);

// A running process and the full path of its program.
struct RunningProgram {
    DWORD id;
    std::wstring path;
};

// Every running process whose program's path can be read.
std::vector<RunningProgram> runningPrograms();

// Ends every process whose program lies in the folder, so that a failed test
// leaves nothing running (a left-over program would hold the test runner's
// output open and hang the run).
void endProcessesUnder(const std::wstring& folder);

// Empties a folder of its files (read-only ones too), leaving sub-folders.
void emptyFolder(const std::wstring& folder);

// UTF-8 text as an editor saves it in UTF-16 with a byte-order mark.
std::string utf16FileBytes(const std::string& utf8);

// Opens the file as another program that holds it does: sharing nothing.
HANDLE holdWithoutSharing(const std::wstring& path);

// Writes the bytes as the whole file, failing the test when it cannot.
void writeBytes(const std::wstring& path, const std::string& bytes);

// Answers with OK, from a thread of its own, every message box with this
// caption while it lives, as the user would, and keeps the boxes' texts.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(const wchar_t* caption);
    ~MessageBoxAnswerer();
    std::vector<std::wstring> texts();

private:
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::wstring> texts_;
    std::thread thread_;
};

// The display dpi the Wine prefix of this run was set up with: HALVO_TEST_DPI, or 96.
int testDpi();

// The name of the window's class.
std::wstring classOf(HWND window);

// The width of an icon's image in pixels.
int iconWidth(HICON icon);
// The height asked of the control's font (WM_GETFONT), as a positive number.
int fontHeight(HWND control);

// Runs the pump until the condition holds or the timeout passes, waiting for
// messages in between rather than sleeping a fixed time.
bool pumpWhileWaiting(const std::function<bool()>& condition, std::chrono::milliseconds timeout, void (*pump)());
