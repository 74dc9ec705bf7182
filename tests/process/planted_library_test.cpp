#include "process_fixture_win.h"
#include "tests/support/test_input_win.h"
#include "tests/support/test_support_win.h"

#include "common/folders_win.h"
#include "common/text_lines.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

LRESULT itemCount(HWND itemView) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(itemView, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &count)) return 0;
    return static_cast<LRESULT>(count);
}

void pumpOwnWindows() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// Notepads running from anywhere but the given folder.
std::set<DWORD> notepadsOutside(const std::wstring& folder) {
    std::set<DWORD> found;
    for (const RunningProgram& program : runningPrograms()) {
        const std::wstring& path = program.path;
        const size_t name = path.find_last_of(L'\\') + 1;
        const int compared = static_cast<int>(std::min(path.size(), folder.size()));
        if (lstrcmpiW(path.c_str() + name, L"notepad.exe") == 0 &&
            CompareStringOrdinal(path.c_str(), compared, folder.c_str(), -1, TRUE) != CSTR_EQUAL)
            found.insert(program.id);
    }
    return found;
}

} // namespace

TEST(PlantedLibrary, ADwmapiBesideTheLauncherIsNeverLoaded) {
    PortableFolder folder;
    const std::wstring planted = folder.file(L"dwmapi.dll");
    ASSERT_TRUE(CopyFileW((exeFolder() + L"\\planted\\dwmapi.dll").c_str(), planted.c_str(), FALSE));
    folder.writeFile(L"config\\config.txt", "[hotkey]\nhotkey=123\nhotkey2=7\n");
    // Listing this task runs the cloak query, the launcher's only use of dwmapi.
    const HWND task = CreateWindowExW(0, L"STATIC", L"planted library check", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                      200, 100, nullptr, nullptr, nullptr, nullptr);
    const StartedProcess launcher = folder.start(L"Halvorunde.exe");
    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] { return (window = findProcessWindow(launcher.id, L"HALVORUNDE")) != nullptr; }));
    // The window is found while it is still being created, before its controls exist.
    HWND itemView = nullptr;
    ASSERT_TRUE(waitFor([&] { return (itemView = FindWindowExW(window, nullptr, L"SysListView32", nullptr)) != nullptr; }));
    EXPECT_TRUE(pumpWhileWaiting([&] { return itemCount(itemView) > 0; }, std::chrono::seconds(15), pumpOwnWindows));
    EXPECT_FALSE(fileExists(planted + L".loaded")) << "the launcher loaded the planted dwmapi.dll";

    // The planted copy does leave its trace when it is loaded.
    const HMODULE loaded = LoadLibraryW(planted.c_str());
    EXPECT_TRUE(fileExists(planted + L".loaded"));
    if (loaded) FreeLibrary(loaded);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(launcher), 0);
    DestroyWindow(task);
    CloseHandle(launcher.process);
}

TEST(PlantedProgram, ANotepadBesideTheLauncherNeverRunsForTheBareNameTypedOrAsTheF6Tool) {
    PortableFolder folder;
    // It would leave its command line in this file.
    ASSERT_TRUE(CopyFileW((exeFolder() + L"\\record_args.exe").c_str(), folder.file(L"notepad.exe").c_str(), FALSE));
    const std::wstring planted = folder.file(L"planted-ran.txt");
    SetEnvironmentVariableW(L"HALVO_RECORD_FILE", planted.c_str());
    const std::wstring note = folder.file(L"note.txt");
    folder.writeFile(L"note.txt", "planted program check\n");
    folder.writeFile(L"config\\config.txt", "[hotkey]\nhotkey=123\nhotkey2=7\n[open]\nF6=notepad\n");
    folder.writeFile(L"history\\history.txt", utf8FromWide(note) + "\n");
    const std::set<DWORD> before = notepadsOutside(folder.path());
    const StartedProcess launcher = folder.start(L"Halvorunde.exe");
    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] { return (window = findProcessWindow(launcher.id, L"HALVORUNDE")) != nullptr; }));
    const auto newNotepads = [&] {
        std::set<DWORD> started;
        for (DWORD id : notepadsOutside(folder.path()))
            if (!before.count(id)) started.insert(id);
        return started;
    };
    // Each is ended before the next step, so that its window takes no keys meant for the launcher.
    const auto endNewNotepads = [&] {
        const std::set<DWORD> started = newNotepads();
        for (DWORD id : started) {
            const HANDLE notepad = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
            if (notepad && TerminateProcess(notepad, 0)) WaitForSingleObject(notepad, 5000);
            if (notepad) CloseHandle(notepad);
        }
        return started.size();
    };

    // Typed into the input line, which has the focus once the window is active.
    SetForegroundWindow(window);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == window; }));
    typeText(L"notepad");
    pressKeys({VK_RETURN});
    EXPECT_TRUE(waitFor([&] { return !newNotepads().empty(); })) << "the system notepad did not start";
    EXPECT_EQ(endNewNotepads(), 1u);
    // Hidden a moment after the launch: shown again before that, the keys below could meet the hide.
    ASSERT_TRUE(waitFor([&] { return !IsWindowVisible(window); }));

    // F6 on the candidate of note.txt, the last row.
    PostMessageW(window, WM_USER + 1, 0, 0); // the notification icon's click
    SetForegroundWindow(window);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(window) && GetForegroundWindow() == window; }));
    pressKeys({VK_UP}); // to the candidate list, whose focus the next key finds
    pressKeys({VK_F6});
    EXPECT_TRUE(waitFor([&] { return !newNotepads().empty(); })) << "F6 did not start the system notepad";
    EXPECT_EQ(endNewNotepads(), 1u);

    EXPECT_EQ(GetFileAttributesW(planted.c_str()), INVALID_FILE_ATTRIBUTES) << "the planted notepad.exe ran";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(launcher), 0);
    CloseHandle(launcher.process);
}
