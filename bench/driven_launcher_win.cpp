#include "driven_launcher_win.h"

#include "common/folders_win.h"
#include "common/text_files_win.h"

#include <commctrl.h>

#include <algorithm>
#include <thread>

double msSince(ProbeClock::time_point start) {
    return std::chrono::duration<double, std::milli>(ProbeClock::now() - start).count();
}

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = ProbeClock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (ProbeClock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

namespace {

BOOL CALLBACK findMain(HWND window, LPARAM lParam) {
    auto* launcher = reinterpret_cast<Launcher*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (owner == launcher->process.dwProcessId && IsWindowVisible(window) && std::wstring(name) == L"HALVORUNDE") {
        launcher->window = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findControls(HWND child, LPARAM lParam) {
    auto* launcher = reinterpret_cast<Launcher*>(lParam);
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (std::wstring(name) == L"SysListView32") launcher->items = child;
    if (lstrcmpiW(name, L"Edit") == 0) (GetDlgCtrlID(child) == 100 ? launcher->input : launcher->status) = child;
    return TRUE;
}

void deleteFilesIn(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

} // namespace

void prepareLauncherFolder(const std::wstring& folder, const std::wstring& program) {
    ensureFolder(folder);
    ensureFolder(folder + L"\\config");
    ensureFolder(folder + L"\\history");
    CopyFileW(program.c_str(), (folder + L"\\Halvorunde.exe").c_str(), FALSE);
    writeTextLines(folder + L"\\config\\config.txt", {L"[hotkey]", L"hotkey=122", L"hotkey2=7"});
    DeleteFileW((folder + L"\\config\\config.ini").c_str());
    deleteFilesIn(folder + L"\\history");
}

bool startLauncher(const std::wstring& folder, Launcher& launcher) {
    launcher = Launcher{};
    std::wstring commandLine = L"\"" + folder + L"\\Halvorunde.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &launcher.process))
        return false;
    if (!waitUntil([&] { return !EnumWindows(findMain, reinterpret_cast<LPARAM>(&launcher)) && launcher.window; }))
        return false;
    WaitForInputIdle(launcher.process.hProcess, 5000);
    EnumChildWindows(launcher.window, findControls, reinterpret_cast<LPARAM>(&launcher));
    SetForegroundWindow(launcher.window);
    return launcher.input && launcher.items && launcher.status &&
           waitUntil([&] { return GetForegroundWindow() == launcher.window; }, 5000);
}

void closeLauncher(Launcher& launcher) {
    if (!launcher.process.hProcess) return;
    PostMessageW(launcher.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(launcher.process.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(launcher.process.hProcess, 1);
    CloseHandle(launcher.process.hProcess);
    CloseHandle(launcher.process.hThread);
    launcher = Launcher{};
}

size_t rowCount(const Launcher& launcher) {
    DWORD_PTR count = 0;
    SendMessageTimeoutW(launcher.items, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 30000, &count);
    return count;
}

std::wstring textOf(HWND control) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 30000, nullptr);
    return text;
}

void setText(HWND control, const std::wstring& text) {
    SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 30000, nullptr);
}

bool inputLineFocused(const Launcher& launcher) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(launcher.window, nullptr);
    return GetGUIThreadInfo(thread, &info) && info.hwndFocus == launcher.input &&
           GetForegroundWindow() == launcher.window;
}

void sendKey(WORD key) {
    INPUT inputs[2]{};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = key;
        inputs[i].ki.dwFlags = (i ? KEYEVENTF_KEYUP : 0) | (key == VK_LEFT || key == VK_RIGHT ? KEYEVENTF_EXTENDEDKEY : 0);
    }
    SendInput(2, inputs, sizeof(INPUT));
}

void pressShowHotkey() {
    const WORD keys[] = {VK_CONTROL, VK_MENU, VK_SHIFT, VK_F11};
    INPUT inputs[8]{};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = inputs[7 - i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = inputs[7 - i].ki.wVk = keys[i];
        inputs[7 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(8, inputs, sizeof(INPUT));
}
