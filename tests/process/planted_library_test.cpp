#include "process_fixture_win.h"
#include "tests/support/test_support_win.h"

#include "common/folders_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

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
