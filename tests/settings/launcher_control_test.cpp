#include "settings_fixture_win.h"

#include "settings/launcher_control_win.h"
#include "halvo_version.h"

#include <map>

namespace {

std::map<HWND, int> closeRequests;

LRESULT CALLBACK dummyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        ++closeRequests[window];
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

ATOM registerDummyClass(const wchar_t* name) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = dummyProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    return RegisterClassW(&windowClass);
}

// A window of the launcher's class, or of another program's.
HWND createDummy(const wchar_t* title, bool launcherClass = false) {
    static const ATOM launcher = registerDummyClass(L"HALVORUNDE"), other = registerDummyClass(L"HalvotuneTestDummy");
    return CreateWindowExW(0, MAKEINTATOM(launcherClass ? launcher : other), title, WS_OVERLAPPEDWINDOW, 0, 0, 100,
                           100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

} // namespace

TEST_F(SettingsWindowTest, CreatingTheWindowAsksEveryLauncherWindowToClose) {
    closeRequests.clear();
    const HWND launcher = createDummy(L"Halvorunde Ver" HALVO_VERSION_TEXT " ALL", true);
    const HWND retitled = createDummy(L"C:\\notes.txt", true);
    const HWND browser = createDummy(L"Halvorunde Ver" HALVO_VERSION_TEXT " 1M - Browser");
    const HWND nameOnly = createDummy(L"Halvorunde");
    start();
    EXPECT_TRUE(pumpUntil([&] { return closeRequests[launcher] == 1 && closeRequests[retitled] == 1; }));
    pumpPending();
    EXPECT_EQ(closeRequests[browser], 0) << "another program's window with the launcher's title";
    EXPECT_EQ(closeRequests[nameOnly], 0);
    EXPECT_EQ(closeRequests[window()], 0);
    for (HWND dummy : {launcher, retitled, browser, nameOnly}) DestroyWindow(dummy);
}

TEST_F(SettingsWindowTest, LauncherIsStartedOnlyFromARegularFile) {
    CreateDirectoryW(folder().c_str(), nullptr);
    EXPECT_FALSE(startLauncherFrom(folder()));
    CreateDirectoryW(file(L"Halvorunde.exe").c_str(), nullptr);
    EXPECT_FALSE(startLauncherFrom(folder()));
    EXPECT_FALSE(startLauncherFrom(folder() + L"\\missing"));
}
