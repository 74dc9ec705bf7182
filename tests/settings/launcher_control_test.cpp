#include "settings_fixture_win.h"

#include "settings/launcher_control_win.h"

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

HWND createDummy(const wchar_t* title) {
    static const ATOM dummyClass = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = dummyProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"HalvotuneTestDummy";
        return RegisterClassW(&windowClass);
    }();
    return CreateWindowExW(0, MAKEINTATOM(dummyClass), title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

TEST_F(SettingsWindowTest, CreatingTheWindowAsksEveryLauncherWindowToClose) {
    closeRequests.clear();
    const HWND launcher = createDummy(L"Halvorunde Ver1.2.5 ALL");
    const HWND another = createDummy(L"Halvorunde Ver1.2.5 1M");
    const HWND smallV = createDummy(L"Halvorunde ver1.2.5");
    const HWND nameOnly = createDummy(L"Halvorunde");
    start();
    EXPECT_TRUE(pumpUntil([&] { return closeRequests[launcher] == 1 && closeRequests[another] == 1; }));
    pumpPending();
    EXPECT_EQ(closeRequests[smallV], 0);
    EXPECT_EQ(closeRequests[nameOnly], 0);
    EXPECT_EQ(closeRequests[window()], 0);
    for (HWND dummy : {launcher, another, smallV, nameOnly}) DestroyWindow(dummy);
}

TEST_F(SettingsWindowTest, LauncherIsStartedOnlyFromARegularFile) {
    CreateDirectoryW(folder().c_str(), nullptr);
    EXPECT_FALSE(startLauncherFrom(folder()));
    CreateDirectoryW(file(L"Halvorunde.exe").c_str(), nullptr);
    EXPECT_FALSE(startLauncherFrom(folder()));
    EXPECT_FALSE(startLauncherFrom(folder() + L"\\missing"));
}
