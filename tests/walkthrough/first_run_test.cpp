// A new user's first run, from the unpacked package to the second launch:
//   walkthrough_tests FOLDER   (FOLDER holds the freshly unpacked package)
#include "tests/process/process_fixture_win.h"
#include "tests/support/test_input_win.h"
#include "tests/support/test_support_win.h"

#include "common/folders_win.h"
#include "common/text_files_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <vector>

namespace {

std::wstring packageFolder;

constexpr int saveButtonId = 15;
constexpr int quitSettingsButtonId = 14;
constexpr int ctrlCheckId = 90;
constexpr int altCheckId = 91;

std::wstring file(const std::wstring& relative) { return packageFolder + L"\\" + relative; }

// Input injected right after a window came to the foreground can reach the
// window that had it before; a key whose effect does not show is pressed again.
bool pressUntil(std::initializer_list<WORD> keys, const std::function<bool()>& effect) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        pressKeys(keys);
        if (waitFor(effect, std::chrono::seconds(3))) return true;
    }
    return false;
}

HWND visibleWindowOfClass(const wchar_t* className) {
    const HWND window = FindWindowW(className, nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

std::vector<HWND> childrenInCreationOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
    return children;
}

std::wstring firstCandidate(HWND launcher) {
    for (HWND child : childrenInCreationOrder(launcher)) {
        const std::wstring name = classOf(child);
        if (name.find(L"istBox") == std::wstring::npos && name.find(L"istbox") == std::wstring::npos) {
            continue;
        }
        if (SendMessageW(child, LB_GETCOUNT, 0, 0) <= 0) return L"";
        wchar_t text[MAX_PATH + 8] = {};
        if (SendMessageW(child, LB_GETTEXTLEN, 0, 0) >= MAX_PATH + 8) return L"";
        SendMessageW(child, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    return L"";
}

// GetWindowText does not ask a control of another process for its text.
std::wstring controlText(HWND control) {
    wchar_t text[MAX_PATH + 8] = {};
    SendMessageW(control, WM_GETTEXT, MAX_PATH + 8, reinterpret_cast<LPARAM>(text));
    return text;
}

void clickOn(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

std::wstring currentMonthFile() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    wchar_t name[16] = {};
    wcsftime(name, 16, L"%Y%m.txt", &local);
    return name;
}

} // namespace

struct EndProgramsOfThePackage {
    ~EndProgramsOfThePackage() { endProcessesUnder(packageFolder); }
};

TEST(FirstRun, FromUnpackedPackageToASecondLaunchFromTheCandidates) {
    ASSERT_FALSE(packageFolder.empty());
    const EndProgramsOfThePackage cleanup;
    const std::wstring recorder = exeFolder() + L"\\record_args.exe";
    const std::wstring recordFile = file(L"launched.txt");
    SetEnvironmentVariableW(L"HALVO_RECORD_FILE", recordFile.c_str());

    // 1. The first start opens the settings tool instead.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + file(L"Halvorunde.exe") + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, packageFolder.c_str(),
                               &startup, &info));
    CloseHandle(info.hThread);
    EXPECT_EQ(waitForExit({info.hProcess, info.dwProcessId}), 1);
    CloseHandle(info.hProcess);
    HWND tool = nullptr;
    ASSERT_TRUE(waitFor([&] { return (tool = visibleWindowOfClass(L"HALVOTUNE")) != nullptr; }));

    // 2. Capture Ctrl+Alt+F12 as the show hotkey, save, and leave the settings.
    SetForegroundWindow(tool);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == tool; }));
    const std::vector<HWND> toolControls = childrenInCreationOrder(tool);
    ASSERT_GE(toolControls.size(), 3u);
    const HWND keyField = toolControls[2];
    ASSERT_TRUE(waitFor([&] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        return GetGUIThreadInfo(GetWindowThreadProcessId(tool, nullptr), &gui) && gui.hwndFocus == keyField;
    })) << "the key field has the focus on the first run";
    // A click hands the field real input focus: input sent after a program of an
    // earlier test was ended while it had the foreground can otherwise go nowhere.
    clickOn(keyField);
    for (int check : {ctrlCheckId, altCheckId}) {
        if (SendMessageW(GetDlgItem(tool, check), BM_GETCHECK, 0, 0) != BST_CHECKED) {
            SendMessageW(GetDlgItem(tool, check), BM_CLICK, 0, 0);
        }
    }
    const auto saveEnabled = [&] { return IsWindowEnabled(GetDlgItem(tool, saveButtonId)) != FALSE; };
    if (!pressUntil({VK_F12}, saveEnabled)) {
        // Wine may route injected keys to a queue left over from a program an
        // earlier test ended; the key then goes to the field as a message.
        PostMessageW(keyField, WM_KEYDOWN, VK_F12, 1);
        PostMessageW(keyField, WM_KEYUP, VK_F12, 0xC0000001);
    }
    ASSERT_TRUE(waitFor(saveEnabled))
        << "the key field took F12; foreground " << testing::PrintToString(classOf(GetForegroundWindow()))
        << ", key field text " << testing::PrintToString(controlText(keyField))
        << ", Alt " << GetAsyncKeyState(VK_MENU) << ", Ctrl " << GetAsyncKeyState(VK_CONTROL)
        << ", Shift " << GetAsyncKeyState(VK_SHIFT);
    SendMessageW(GetDlgItem(tool, saveButtonId), BM_CLICK, 0, 0);
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(GetDlgItem(tool, quitSettingsButtonId)) != FALSE; }));
    SendMessageW(GetDlgItem(tool, quitSettingsButtonId), BM_CLICK, 0, 0);

    // 3. The settings tool restarts the launcher, which now holds the hotkey.
    HWND launcher = nullptr;
    ASSERT_TRUE(waitFor([&] { return (launcher = visibleWindowOfClass(L"HALVORUNDE")) != nullptr; }));
    DWORD launcherProcess = 0;
    GetWindowThreadProcessId(launcher, &launcherProcess);
    const HWND input = GetDlgItem(launcher, 100);
    const auto launcherHasTheInput = [&] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        return GetForegroundWindow() == launcher &&
               GetGUIThreadInfo(GetWindowThreadProcessId(launcher, nullptr), &gui) && gui.hwndFocus == input;
    };

    // 4. Summon it, type the program's path, Enter: the program starts and the launcher hides.
    ASSERT_TRUE(pressUntil({VK_CONTROL, VK_MENU, VK_F12}, launcherHasTheInput)) << "the hotkey brought the launcher up";
    typeText(recorder);
    if (!waitFor([&] { return controlText(input) == recorder; }, std::chrono::seconds(3)) && controlText(input).empty()) {
        typeText(recorder);
    }
    ASSERT_TRUE(waitFor([&] { return controlText(input) == recorder; })) << testing::PrintToString(controlText(input));
    EXPECT_TRUE(pressUntil({VK_RETURN}, [&] { return !IsWindowVisible(launcher); })) << "the launcher hid itself";
    EXPECT_TRUE(waitFor([&] { return !readTextLines(recordFile).empty(); })) << "the program was started";

    // 5. Summoned again, it offers the program as candidate 1.
    ASSERT_TRUE(pressUntil({VK_CONTROL, VK_MENU, VK_F12}, launcherHasTheInput));
    EXPECT_TRUE(waitFor([&] { return firstCandidate(launcher) == L"1." + recorder; }))
        << "first candidate: " << testing::PrintToString(firstCandidate(launcher));

    // 6. Closing saves the window state and both history files.
    PostMessageW(launcher, WM_CLOSE, 0, 0);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, launcherProcess);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 15000), WAIT_OBJECT_0);
    CloseHandle(process);
    const TextLines windowState = readTextLines(file(L"config\\config.ini"));
    ASSERT_EQ(windowState.size(), 7u);
    EXPECT_EQ(windowState[0].substr(0, 2), L"x=");
    EXPECT_EQ(windowState[6], L"m=0");
    EXPECT_EQ(readTextLines(file(L"history\\history.txt")), TextLines{recorder});
    EXPECT_EQ(readTextLines(file(L"history\\" + currentMonthFile())), TextLines{recorder});
}

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1) packageFolder = argv[1];
    return RUN_ALL_TESTS();
}
