#include "launcher_fixture_win.h"
#include "seam_guards_win.h"
#include "test_windows_win.h"

#include "launcher/data/data_store.h"
#include "launcher/input/clipboard_copy_win.h"
#include "launcher/input/commands_win.h"
#include "launcher/input/launch_request.h"
#include "launcher/input/controller_win.h"
#include "launcher/input/commands.h"
#include "common/controls_win.h"
#include "common/scoped_win.h"
#include "common/work_queue.h"
#include "launcher/tasks/window_enumeration_win.h"

#include <cstdio>
#include <vector>

namespace {

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<closed>";
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = units;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::vector<DWORD> openedWith;

HANDLE WINAPI recordOpening(DWORD access, BOOL inherit, DWORD processId) {
    openedWith.push_back(access);
    return OpenProcess(access, inherit, processId);
}

std::wstring today(const wchar_t* format) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t text[32] = {};
    swprintf(text, 32, format, now.wYear, now.wMonth, now.wDay);
    return text;
}

// Until the workers' answers (a file read) have been handled.
bool workDone() {
    return pumpUntil([] { return workOnItsWay() == 0; });
}

class CommandTest : public LauncherWindowTest {
protected:
    int32_t run(const std::wstring& text) {
        LaunchRequest request;
        request.owner = mw().controller;
        request.target = text;
        return runCommand(request, text);
    }
};

} // namespace

TEST_F(CommandTest, ClipCopiesTheTrimmedTextAndEmptyClipLeavesTheClipboard) {
    startLauncher();
    EXPECT_EQ(run(L"clip   Hello \x3000"), 0);
    EXPECT_EQ(clipboardText(), L"Hello");
    copyToClipboard(L"kept");
    EXPECT_EQ(run(L"clip "), 0);
    EXPECT_EQ(clipboardText(), L"kept");
    EXPECT_EQ(run(L"Clip x"), -1);
    EXPECT_EQ(run(L"clip"), -1);
    EXPECT_EQ(clipboardText(), L"kept");
}

TEST_F(CommandTest, ClipWaitsForAClipboardThatAnotherProgramHoldsAndOwnsIt) {
    startLauncher();
    std::wstring commandLine = L"\"" + exeFolder() + L"\\hold_clipboard.exe\" 300";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &started));
    const ScopedKernelHandle process(started.hProcess), thread(started.hThread);
    ASSERT_TRUE(pumpUntil([] { return GetOpenClipboardWindow() != nullptr; }));
    EXPECT_EQ(run(L"clip held"), 0); // answers at once; the copy follows on a timer
    EXPECT_TRUE(pumpUntil([] { return clipboardText() == L"held"; }));
    EXPECT_EQ(GetClipboardOwner(), window());
    WaitForSingleObject(process.get(), 5000);
}

TEST_F(CommandTest, ClipfCopiesTheFileLinesJoinedWithCrLfOfTheNewestCommandOnly) {
    startLauncher();
    const std::wstring path = exeFolder() + L"\\zqclip.txt", older = exeFolder() + L"\\zqclip-older.txt";
    ASSERT_TRUE(writeTextLines(path, {L"x", L"y"}));
    ASSERT_TRUE(writeTextLines(older, {L"older"}));
    EXPECT_EQ(run(L"clipf " + older), 0);
    EXPECT_EQ(run(L"clipf " + path), 0);
    ASSERT_TRUE(workDone());
    EXPECT_EQ(clipboardText(), L"x\r\ny");
    EXPECT_EQ(run(L"clipf " + exeFolder() + L"\\zq-missing.txt"), 0);
    ASSERT_TRUE(workDone());
    EXPECT_EQ(clipboardText(), L"");
    DeleteFileW(path.c_str());
    DeleteFileW(older.c_str());
}

TEST_F(CommandTest, ClipfCopiesNothingFromAPipeOrAHugeFileAndSaysSo) {
    startLauncher();
    const std::wstring pipePath = L"\\\\.\\pipe\\zqclipf", huge = exeFolder() + L"\\zqhuge.txt";
    const ScopedFile pipe(CreateNamedPipeW(pipePath.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr));
    {
        const ScopedFile file(CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        SetFilePointer(file.get(), 16 * 1024 * 1024 + 1, nullptr, FILE_BEGIN); // sparse: nothing is written
        ASSERT_TRUE(SetEndOfFile(file.get()));
    }
    for (const std::wstring& path : {pipePath, huge}) {
        copyToClipboard(L"kept");
        EXPECT_EQ(run(L"clipf " + path), 0);
        // Said while the window's thread goes on pumping.
        HWND box = nullptr;
        EXPECT_TRUE(pumpUntil([&] { return (box = FindWindowW(L"#32770", clipFileRefusedCaption)) != nullptr; }));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        if (!workDone()) DisconnectNamedPipe(pipe.get()); // unblock a reader
        EXPECT_TRUE(pumpUntil([&] { return !IsWindow(box); }));
        EXPECT_EQ(clipboardText(), L"kept");
    }
    DeleteFileW(huge.c_str());
}

TEST_F(CommandTest, DateWordsCopyTodayAndNearMissesAreNoCommands) {
    startLauncher();
    EXPECT_EQ(run(L"date"), 0);
    EXPECT_EQ(clipboardText(), today(L"%04d%02d%02d"));
    EXPECT_EQ(run(L"dates"), 0);
    EXPECT_EQ(clipboardText(), today(L"%04d/%02d/%02d"));
    copyToClipboard(L"kept");
    EXPECT_EQ(run(L"dates "), -1);
    EXPECT_EQ(run(L"datex"), -1);
    EXPECT_EQ(run(L"file"), 0);
    EXPECT_EQ(clipboardText(), L"kept");
}

TEST_F(CommandTest, ShowAndExecBringAMatchingWindowUpOrStartTheProgram) {
    startLauncher();
    TestWindows windows;
    const HWND target = windows.create(L"ZQExec Target");
    windows.create(L"zqexec other");
    EXPECT_EQ(run(L"show zqexec target"), 0);
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == target; }));

    SetForegroundWindow(window());
    pumpUntil([&] { return GetForegroundWindow() == window(); });
    EXPECT_EQ(run(L"exec ZQEXEC  nothing-to-start.exe"), 0);
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == target; }));

    // Found by the program's image path, read with the limited right alone.
    openedWith.clear();
    const HWND byImage = [] {
        const ProcessOpeningStandIn recorded(recordOpening);
        return findWindowByText(L"win_tests.exe");
    }();
    DWORD owner = 0;
    GetWindowThreadProcessId(byImage, &owner);
    EXPECT_EQ(owner, GetCurrentProcessId());
    EXPECT_EQ(openedWith, std::vector<DWORD>(openedWith.size(), PROCESS_QUERY_LIMITED_INFORMATION));
    EXPECT_FALSE(openedWith.empty());

    // No window matches: the program is started.
    const std::wstring marker = exeFolder() + L"\\zqexec-marker.txt";
    const std::wstring script = exeFolder() + L"\\zqexec-start.bat";
    DeleteFileW(marker.c_str());
    ASSERT_TRUE(writeTextLines(script, {L"@echo started> \"" + marker + L"\""}));
    EXPECT_EQ(run(L"exec zq-no-such-window " + script), 0);
    EXPECT_TRUE(pumpUntil([&] { return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; },
                          std::chrono::seconds(15)));
    EXPECT_EQ(run(L"exec zq-no-such-window"), 0); // no program part: nothing happens
    DeleteFileW(marker.c_str());
    DeleteFileW(script.c_str());
}

TEST_F(CommandTest, TxtShowsTheLauncherWithTheTextAndAnswersOne) {
    startLauncher();
    dismissLauncher();
    const auto history = mw().data->historyList;
    // Launched as a chosen text is: the command answers 1, so nothing is recorded.
    LaunchRequest request;
    request.owner = mw().controller;
    request.target = L"txt abc";
    mw().controller->executeRequest(request);
    EXPECT_EQ(run(L"txt abc"), 1);
    EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(window()) != FALSE; }));
    EXPECT_EQ(windowText(mw().inputLine), L"abc");
    EXPECT_EQ(mw().data->historyList, history);
    EXPECT_EQ(run(L"txt "), 0);
    EXPECT_EQ(windowText(mw().inputLine), L"abc");
}
