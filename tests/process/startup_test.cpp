#include "process_fixture_win.h"
#include "tests/support/live_region_listener_win.h"

#include "common/text_lines.h"

#include "common/controls_win.h"
#include "halvo_version.h"

#include <gtest/gtest.h>

namespace {

const std::string hotkeyConfig = "[hotkey]\nhotkey=123\nhotkey2=7\n";

// The settings tool started by the launcher, found through its window.
DWORD findSettingsToolProcess() {
    HWND window = nullptr;
    waitFor([&] {
        window = FindWindowW(nullptr, L"Halvotune");
        return window != nullptr;
    });
    DWORD processId = 0;
    if (window) GetWindowThreadProcessId(window, &processId);
    return processId;
}

void endProcess(DWORD processId) {
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

} // namespace

TEST(Startup, WithoutShowHotkeyStartsTheSettingsToolAndExitsWithOne) {
    PortableFolder folder;
    const StartedProcess launcher = folder.start(L"Halvorunde.exe");
    EXPECT_EQ(waitForExit(launcher), 1);
    EXPECT_TRUE(isFolder(folder.file(L"config")));
    EXPECT_TRUE(isFolder(folder.file(L"history")));
    const DWORD settingsTool = findSettingsToolProcess();
    EXPECT_NE(settingsTool, 0u) << "the settings tool did not appear";
    if (settingsTool) endProcess(settingsTool);
    CloseHandle(launcher.process);
}

TEST(Startup, ConfigWithHotkeyZeroOrWithoutItsSectionDoesNotRun) {
    for (const std::string& config : {std::string("[hotkey]\nhotkey=0\nhotkey2=2\n"), std::string("[etc]\nhotkey=32\n")}) {
        PortableFolder folder;
        folder.writeFile(L"config\\config.txt", config);
        const StartedProcess launcher = folder.start(L"Halvorunde.exe");
        EXPECT_EQ(waitForExit(launcher), 1);
        EXPECT_EQ(findProcessWindow(launcher.id, L"HALVORUNDE"), nullptr);
        const DWORD settingsTool = findSettingsToolProcess();
        if (settingsTool) endProcess(settingsTool);
        CloseHandle(launcher.process);
    }
}

TEST(Startup, SecondStartHandsItsCommandLineToTheRunningLauncher) {
    PortableFolder folder;
    // A Japanese line before the section must not hide it.
    folder.writeFile(L"config\\config.txt", "[task]\nnotShowTask=\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3\n" + hotkeyConfig);
    const StartedProcess first = folder.start(L"Halvorunde.exe");
    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] { return (window = findProcessWindow(first.id, L"HALVORUNDE")) != nullptr; }));
    // The window exists a moment before it is titled.
    EXPECT_TRUE(waitFor([&] { return windowText(window) == L"Halvorunde Ver" HALVO_VERSION_TEXT " ALL"; }));

    const StartedProcess plain = folder.start(L"Halvorunde.exe");
    EXPECT_EQ(waitForExit(plain), 0);
    EXPECT_EQ(windowText(window), L"Halvorunde Ver" HALVO_VERSION_TEXT " ALL");

    const StartedProcess second = folder.start(L"Halvorunde.exe", L"hello world");
    EXPECT_EQ(waitForExit(second), 0);
    EXPECT_TRUE(waitFor([&] { return windowText(window) == L"hello world"; }));

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(first), 0);
    EXPECT_NE(GetFileAttributesW(folder.file(L"config\\config.ini").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the window state is saved on close";
    for (const StartedProcess& p : {first, plain, second}) CloseHandle(p.process);
}

TEST(Startup, ClosingWhileTheReadingDictionaryIsStillReadEndsTheLauncher) {
    PortableFolder folder;
    folder.writeFile(L"config\\config.txt", "[etc]\nkanaMatch=1\nkanaDictionary=reading.txt\n" + hotkeyConfig);
    std::string lines;
    for (int i = 0; i < 300000; ++i) lines += "\xE3\x81\xBF\xE3\x81\xA4\t\xE8\xA6\x8B" + std::to_string(i) + "\n";
    folder.writeFile(L"config\\reading.txt", lines);
    const StartedProcess launcher = folder.start(L"Halvorunde.exe");
    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] { return (window = findProcessWindow(launcher.id, L"HALVORUNDE")) != nullptr; }));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(launcher), 0);
    CloseHandle(launcher.process);
}

TEST(Startup, WhatTypingLeavesInTheListsIsHeardFromOutside) {
    PortableFolder folder;
    folder.writeFile(L"config\\config.txt", hotkeyConfig);
    // This month's file as well: without it the history is rebuilt from the month files.
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const std::wstring monthFile = std::to_wstring(now.wYear * 100 + now.wMonth) + L".txt";
    for (const std::wstring& name : {std::wstring(L"history.txt"), monthFile})
        folder.writeFile(L"history\\" + name, utf8FromWide(L"C:\\zq\\見積書_2026.xlsx\nC:\\work\\memo.txt\n"));
    const StartedProcess launcher = folder.start(L"Halvorunde.exe");
    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] { return (window = findProcessWindow(launcher.id, L"HALVORUNDE")) != nullptr; }));
    LiveRegionListener listener(launcher.id);
    ASSERT_TRUE(listener.listening());

    // Typed into the input line as a keyboard would; heard once the pause is over.
    // The window is found while it is still being created, before its controls exist.
    HWND inputLine = nullptr;
    ASSERT_TRUE(waitFor([&] { return (inputLine = GetDlgItem(window, 100)) != nullptr; }));
    for (const wchar_t character : {L'z', L'q'}) PostMessageW(inputLine, WM_CHAR, character, 1);
    EXPECT_TRUE(listener.waitFor(L"候補 1件、1 見積書_2026.xlsx"));
    ASSERT_FALSE(listener.heard().empty());
    EXPECT_EQ(GetParent(listener.heard().back().control), window);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(launcher), 0);
    CloseHandle(launcher.process);
}
