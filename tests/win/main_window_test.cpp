#include "launcher_fixture_win.h"
#include "seam_guards_win.h"
#include "tests/support/accessibility_recorder_win.h"
#include "tests/support/test_input_win.h"
#include "tests/support/test_support_win.h"

#include "launcher/data/config_store.h"
#include "launcher/tasks/task_view_state_win.h"
#include "common/display_scale_win.h"
#include "common/dpi_scale.h"
#include "common/folders_win.h"
#include "common/text_files_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/input/view_state_win.h"
#include "launcher/shell/title.h"
#include "launcher/shell/view_colours_win.h"
#include "common/controls_win.h"
#include "halvo_version.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <optional>

namespace {

RECT rectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The status and input rows and the bookmark list at their sizes for the dpi,
// the rows stacked and the item view flush with the bookmarks.
void expectRowsAtDpi(const MainWindow& m, int dpi) {
    const RECT status = rectInParent(m.statusLine);
    const RECT input = rectInParent(m.inputLine);
    const RECT bookmarks = rectInParent(m.bookmarkList);
    EXPECT_EQ(status.bottom - status.top, scaledToDpi(20, dpi));
    EXPECT_EQ(input.top, status.bottom);
    EXPECT_EQ(input.bottom - input.top, scaledToDpi(20, dpi));
    EXPECT_EQ(rectInParent(m.itemView).right, bookmarks.left);
    EXPECT_EQ(bookmarks.right - bookmarks.left, scaledToDpi(200, dpi));
}

// The styles exactly as asked for at creation: controls adjust their own
// styles afterwards (a list box drops WS_VSCROLL while it has nothing to scroll).
struct CreatedControl {
    std::wstring className;
    LONG style = 0;
    int id = 0;
};
std::vector<CreatedControl>* createdControls = nullptr;

LRESULT CALLBACK recordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && createdControls) {
        const CREATESTRUCTW* creation = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        wchar_t parentClass[32] = {};
        GetClassNameW(creation->hwndParent, parentClass, 32);
        if ((creation->style & WS_CHILD) && std::wstring(parentClass) == L"HALVORUNDE") {
            std::wstring name = IS_INTRESOURCE(creation->lpszClass) ? L"#" : creation->lpszClass;
            // Visual styles redirect the class to a versioned name such as "6.0.x!Edit".
            name = name.substr(name.find(L'!') + 1);
            CharUpperW(name.data());
            createdControls->push_back({name, creation->style,
                                        static_cast<int>(reinterpret_cast<INT_PTR>(creation->hMenu))});
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<LPARAM>* minMaxCommands = nullptr;

LRESULT CALLBACK recordMinMax(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_MINMAX && minMaxCommands) minMaxCommands->push_back(LOWORD(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<WPARAM>* uiStateChangesSent = nullptr;

LRESULT CALLBACK recordUiStateChange(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && uiStateChangesSent && message->message == WM_CHANGEUISTATE)
        uiStateChangesSent->push_back(message->wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool highContrast() { return true; }

// What the input line is painted with: background, brush and text colour.
std::vector<COLORREF> inputLineColours(HWND window, HWND inputLine) {
    const HDC dc = GetDC(inputLine);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(inputLine)));
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof logBrush, &logBrush);
    std::vector<COLORREF> colours{GetBkColor(dc), logBrush.lbColor, GetTextColor(dc)};
    ReleaseDC(inputLine, dc);
    return colours;
}

bool iconIsPresent(MainWindow& mw) {
    NOTIFYICONDATAW probe = mw.notifyIcon;
    probe.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

} // namespace

using MainWindowTest = LauncherWindowTest;

TEST_F(MainWindowTest, CreatesTheFiveControlsWithTheirClassesIdsAndStyles) {
    std::vector<CreatedControl> created;
    createdControls = &created;
    const HHOOK hook = SetWindowsHookExW(WH_CBT, recordCreation, nullptr, GetCurrentThreadId());
    startLauncher();
    UnhookWindowsHookEx(hook);
    createdControls = nullptr;
    MainWindow& m = mw();
    EXPECT_EQ(classOf(m.statusLine), L"Edit");
    EXPECT_EQ(classOf(m.inputLine), L"Edit");
    EXPECT_EQ(classOf(m.candidateList), L"ListBox");
    EXPECT_EQ(classOf(m.itemView), L"SysListView32");
    EXPECT_EQ(classOf(m.bookmarkList), L"ListBox");
    EXPECT_EQ(GetDlgCtrlID(m.inputLine), 100);
    for (HWND other : {m.statusLine, m.candidateList, m.itemView, m.bookmarkList}) EXPECT_EQ(GetDlgCtrlID(other), 1);

    // And the live region that says what the lists show: a static text of no size.
    ASSERT_EQ(created.size(), 6u);
    EXPECT_EQ(created[5].className, L"STATIC");
    RECT region{};
    GetWindowRect(m.liveRegion, &region);
    EXPECT_TRUE(IsRectEmpty(&region));
    const LONG common = WS_CHILD | WS_VISIBLE;
    const LONG listStyle = common | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_SORT;
    EXPECT_EQ(created[0].className, L"EDIT");
    EXPECT_EQ(created[0].style, common | WS_DISABLED | WS_BORDER);
    EXPECT_EQ(created[1].className, L"EDIT");
    EXPECT_EQ(created[1].style, common | WS_BORDER);
    EXPECT_EQ(created[1].id, 100);
    EXPECT_EQ(created[2].className, L"LISTBOX");
    EXPECT_EQ(created[2].style, listStyle);
    EXPECT_EQ(created[3].className, L"SYSLISTVIEW32");
    EXPECT_EQ(created[3].style, common | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA);
    EXPECT_EQ(created[4].className, L"LISTBOX");
    EXPECT_EQ(created[4].style, listStyle);
    // The subclassed controls carry our procedures.
    EXPECT_NE(GetWindowLongPtrW(m.inputLine, GWLP_WNDPROC), 0);

    const std::wstring title = windowText(window());
    EXPECT_EQ(title, launcherTitle(0));
    EXPECT_EQ(title, L"Halvorunde Ver" HALVO_VERSION_TEXT " ALL");
    const HMENU menu = GetMenu(window());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 3);
}

TEST_F(MainWindowTest, ControlsAreNamedTheItemViewAfterItsViewAndTheNamesDroppedOnClose) {
    AccessibilityRecorder recorder;
    startLauncher();
    MainWindow& m = mw();
    const auto nameOf = [&](HWND control) {
        const auto found = recorder.names.find(control);
        return found == recorder.names.end() ? std::wstring(L"(none)") : found->second;
    };
    const std::wstring folder = exeFolder();
    const struct {
        const wchar_t* shownFolder; // nullptr: as started
        HWND control;
        const wchar_t* name;
    } named[] = {
        {nullptr, m.statusLine, L"現在のフォルダー"},
        {nullptr, m.inputLine, L"入力"},
        {nullptr, m.candidateList, L"候補"},
        {nullptr, m.itemView, L"タスク"},
        {nullptr, m.bookmarkList, L"ブックマーク"},
        {folder.c_str(), m.itemView, L"フォルダーの内容"},
        {L"", m.itemView, L"タスク"},
    };
    for (const auto& [shownFolder, control, name] : named) {
        if (shownFolder) m.controller->view->changeFolder(shownFolder);
        EXPECT_EQ(nameOf(control), name) << (shownFolder ? shownFolder : L"as started");
    }
    EXPECT_EQ(recorder.liveSettings[m.liveRegion], politeLiveSetting);
    const std::vector<HWND> children{m.statusLine, m.inputLine, m.candidateList, m.itemView, m.bookmarkList};
    closeLauncher();
    for (HWND child : children)
        EXPECT_NE(std::find(recorder.cleared.begin(), recorder.cleared.end(), child), recorder.cleared.end());
}

TEST_F(MainWindowTest, LaysOutTheControlsForAn800By600ClientArea) {
    startLauncher();
    RECT frame{0, 0, 800, 600};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
    SetWindowPos(window(), nullptr, 100, 60, frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER);
    RECT client{};
    GetClientRect(window(), &client);
    ASSERT_EQ(client.right, 800);
    // A menu bar that wraps would change the height; lay out for what we have.
    const int height = client.bottom;
    const MainWindow& m = mw();

    const RECT list = rectInParent(m.candidateList);
    EXPECT_EQ(list.left, 0);
    EXPECT_EQ(list.top, 0);
    EXPECT_EQ(list.right, 800);
    EXPECT_LE(list.bottom, height / 2 - 20);
    RECT listClient{};
    GetClientRect(m.candidateList, &listClient);
    const int below = listClient.bottom;

    EXPECT_EQ(rectInParent(m.statusLine).top, below);
    EXPECT_EQ(rectInParent(m.statusLine).bottom, below + 20);
    EXPECT_EQ(rectInParent(m.inputLine).top, below + 20);
    const RECT items = rectInParent(m.itemView);
    EXPECT_EQ(items.left, 0);
    EXPECT_EQ(items.top, below + 40);
    EXPECT_EQ(items.right, 600);
    EXPECT_EQ(items.bottom, height);
    const RECT bookmarks = rectInParent(m.bookmarkList);
    EXPECT_EQ(bookmarks.left, 600);
    EXPECT_EQ(bookmarks.right, 800);
    EXPECT_EQ(bookmarks.top, below + 40);
}

// Run once more in a prefix at 144 dpi, where every size is half as large again.
TEST_F(MainWindowTest, DisplayScalingGrowsTheRowsBookmarksIconsAndDefaultSize) {
    const int dpi = testDpi();
    startLauncher(); // without config.ini: the default size
    ASSERT_EQ(windowDpi(window()), dpi);
    const auto scaled = [dpi](int pixels) { return scaledToDpi(pixels, dpi); };
    RECT frame{};
    GetWindowRect(window(), &frame);
    EXPECT_EQ(frame.right - frame.left, scaled(800));
    EXPECT_EQ(frame.bottom - frame.top, scaled(600));

    const MainWindow& m = mw();
    expectRowsAtDpi(m, dpi);
    EXPECT_EQ(iconWidth(m.notifyIcon.hIcon), scaled(16));
    EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(GetClassLongPtrW(window(), GCLP_HICONSM))), scaled(16));

    // The task view's icons come at the small-icon size too.
    SendMessageW(window(), WM_TRAYICON, 1, WM_MOUSEMOVE);
    HIMAGELIST images = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return (images = ListView_GetImageList(m.itemView, LVSIL_SMALL)) != nullptr; }));
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, scaled(16));
}

// Moving to a monitor with other scaling and back, as WM_DPICHANGED says it:
// from the prefix's dpi to the other of 96 and 144, and back.
TEST_F(MainWindowTest, DisplayScalingFollowsAMoveToAnotherMonitorAndBack) {
    const int startDpi = testDpi();
    startLauncher();
    SendMessageW(window(), WM_TRAYICON, 1, WM_MOUSEMOVE);
    const MainWindow& m = mw();
    ASSERT_TRUE(pumpUntil([&] { return ListView_GetImageList(m.itemView, LVSIL_SMALL) != nullptr; }));
    RECT frame{};
    GetWindowRect(window(), &frame);
    const int savedWidth = m.config->width;
    const int textHeight = fontHeight(m.inputLine);
    const int viewHeight = fontHeight(m.itemView);
    const LRESULT rowHeight = SendMessageW(m.candidateList, LB_GETITEMHEIGHT, 0, 0);
    ASSERT_GT(textHeight, 0);
    ASSERT_GT(viewHeight, 0);

    for (const int dpi : {startDpi == 96 ? 144 : 96, startDpi}) {
        SCOPED_TRACE(dpi);
        const auto scaled = [dpi](int pixels) { return scaledToDpi(pixels, dpi); };
        const RECT suggested{frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, dpi, startDpi),
                             frame.top + MulDiv(frame.bottom - frame.top, dpi, startDpi)};
        SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT moved{};
        GetWindowRect(window(), &moved);
        EXPECT_TRUE(EqualRect(&moved, &suggested));
        EXPECT_EQ(m.config->width, savedWidth) << "saved in the system's dpi, whatever the monitor";

        RECT client{};
        GetClientRect(window(), &client);
        expectRowsAtDpi(m, dpi);
        const RECT input = rectInParent(m.inputLine);
        const RECT items = rectInParent(m.itemView);
        const RECT bookmarks = rectInParent(m.bookmarkList);
        EXPECT_EQ(items.top, input.bottom);
        EXPECT_EQ(bookmarks.right, client.right);
        EXPECT_EQ(items.bottom, client.bottom);

        EXPECT_EQ(fontHeight(m.inputLine), MulDiv(textHeight, dpi, startDpi));
        EXPECT_EQ(fontHeight(m.statusLine), fontHeight(m.inputLine));
        EXPECT_EQ(fontHeight(m.candidateList), fontHeight(m.inputLine));
        EXPECT_EQ(fontHeight(m.itemView), MulDiv(viewHeight, dpi, startDpi));
        const LRESULT rows = SendMessageW(m.candidateList, LB_GETITEMHEIGHT, 0, 0);
        if (dpi == startDpi) {
            EXPECT_EQ(rows, rowHeight);
        } else {
            EXPECT_EQ(rows > rowHeight, dpi > startDpi) << "the list's rows follow its font";
        }

        const HIMAGELIST images = ListView_GetImageList(m.itemView, LVSIL_SMALL);
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(images, &width, &height);
        EXPECT_EQ(width, scaled(16));
        EXPECT_EQ(height, scaled(16));
        EXPECT_EQ(images, m.controller->itemView->display.icons.imageList);
    }
}

TEST_F(MainWindowTest, TrayIconMessageShowsTheHiddenWindowWithTheInputFocused) {
    startLauncher();
    std::vector<LPARAM> commands;
    minMaxCommands = &commands;
    const HHOOK hook = SetWindowsHookExW(WH_CBT, recordMinMax, nullptr, GetCurrentThreadId());
    mw().controller->dismiss();
    // The minimise's turn and the hide's; the listing's is still due.
    mw().controller->onDismissed();
    mw().controller->onDismissed();
    UnhookWindowsHookEx(hook);
    minMaxCommands = nullptr;
    EXPECT_EQ(commands, std::vector<LPARAM>{SW_SHOWMINNOACTIVE}) << "minimised without activating another window";
    ASSERT_FALSE(IsWindowVisible(window()));
    std::vector<WPARAM> uiStateChanges;
    uiStateChangesSent = &uiStateChanges;
    const HHOOK sent = SetWindowsHookExW(WH_CALLWNDPROC, recordUiStateChange, nullptr, GetCurrentThreadId());
    SendMessageW(window(), WM_TRAYICON, 1, WM_MOUSEMOVE);
    UnhookWindowsHookEx(sent);
    uiStateChangesSent = nullptr;
    EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(window()) && GetFocus() == mw().inputLine; }));
    pumpPending();
    EXPECT_TRUE(mw().controller->taskView->taskViewActive) << "the dismissal's own listing, still due, came first";
    EXPECT_TRUE(iconIsPresent(mw()));
    // The lists show their focus rectangles, whatever a click had hidden. Wine
    // never hides them, so the message asking for them is what is checked.
    EXPECT_EQ(uiStateChanges, std::vector<WPARAM>{MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS)});
}

TEST_F(MainWindowTest, ImeOffClosesTheInputLinesImeEachTimeTheLauncherIsShown) {
    // The thread's windows share one input context: the first round leaves it open.
    for (const bool imeOff : {false, true}) {
        TextLines config = testHotkeyConfig;
        if (imeOff) config.insert(config.end(), {L"[etc]", L"imeOff=1"});
        startLauncher(config);
        const auto imeOpen = [&](std::optional<bool> open = std::nullopt) {
            const HIMC context = ImmGetContext(mw().inputLine);
            if (open) ImmSetOpenStatus(context, *open);
            const bool isOpen = ImmGetOpenStatus(context) != FALSE;
            ImmReleaseContext(mw().inputLine, context);
            return isOpen;
        };
        if (imeOff) {
            EXPECT_FALSE(imeOpen()) << "closed at the start";
        }
        ASSERT_TRUE(imeOpen(true));
        mw().controller->dismiss();
        SendMessageW(window(), WM_TRAYICON, 1, WM_MOUSEMOVE);
        EXPECT_EQ(imeOpen(), !imeOff);
        pumpPending();
        EXPECT_TRUE(IsWindowVisible(window())) << "a show drops the hide still due";
        closeLauncher();
    }
}

TEST_F(MainWindowTest, DeactivationHidesOnlyAfterThreeSecondsOfActivation) {
    startLauncher();
    mw().lastActivationSeconds = secondsSinceStart();
    SendMessageW(window(), WM_ACTIVATE, WA_INACTIVE, 0);
    pumpPending();
    EXPECT_TRUE(IsWindowVisible(window()));

    mw().lastActivationSeconds = secondsSinceStart() - 3;
    SendMessageW(window(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(window()); }));
}

TEST_F(MainWindowTest, AltDoesNotMoveTheFocusToTheMenuBar) {
    startLauncher();
    ASSERT_TRUE(pumpUntil([&] { return GetFocus() == mw().inputLine; }));
    pressKeys({VK_MENU});
    pumpUntil([] { return false; }, std::chrono::milliseconds(300));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    EXPECT_FALSE(info.flags & GUI_INMENUMODE);
    EXPECT_EQ(GetFocus(), mw().inputLine);
    // The keyboard menu request is swallowed outright.
    EXPECT_EQ(SendMessageW(window(), WM_SYSCOMMAND, SC_KEYMENU, 0), 0);
}

TEST_F(MainWindowTest, CloseRemovesTheIconFreesTheHotkeyAndEndsTheLoopEvenWhenSavingFails) {
    for (const bool memoryRunsOut : {false, true}) {
        startLauncher();
        MainWindow& m = mw();
        ASSERT_TRUE(iconIsPresent(m));
        allocationsFail = memoryRunsOut;
        SendMessageW(window(), WM_CLOSE, 0, 0);
        allocationsFail = false;
        EXPECT_FALSE(IsWindow(window()));
        EXPECT_FALSE(iconIsPresent(m));
        const HWND probe = CreateWindowExW(0, L"STATIC", L"probe", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        EXPECT_TRUE(RegisterHotKey(probe, 1, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F11)) << "the show hotkey is free";
        DestroyWindow(probe);
        MSG quit{};
        EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(quit.wParam, 0u);
    }
}

TEST_F(MainWindowTest, HighContrastPaintsWithTheSystemColoursAndFollowsTheTheme) {
    TextLines lines = testHotkeyConfig;
    lines.insert(lines.end(), {L"[color]", L"textR=250", L"textG=250", L"textB=200", L"viewTaskR=240",
                               L"viewTaskG=248", L"viewTaskB=255"});
    startLauncher(lines);
    const COLORREF paleText = RGB(250, 250, 200), paleView = RGB(240, 248, 255);
    EXPECT_EQ(inputLineColours(window(), mw().inputLine)[1], paleText);
    EXPECT_EQ(ListView_GetBkColor(mw().itemView), paleView);

    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF themed[] = {RGB(0, 0, 0), RGB(255, 255, 0)};
    const COLORREF saved[] = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
    std::vector<COLORREF> contrasted;
    COLORREF viewBackground = 0, viewText = 0;
    {
        const HighContrastStandIn themeOn(highContrast);
        SetSysColors(2, elements, themed);
        SendMessageW(window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        contrasted = inputLineColours(window(), mw().inputLine);
        viewBackground = ListView_GetBkColor(mw().itemView);
        viewText = ListView_GetTextColor(mw().itemView);
    }
    SetSysColors(2, elements, saved);
    SendMessageW(window(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(contrasted, (std::vector<COLORREF>{themed[0], themed[0], themed[1]}));
    EXPECT_EQ(viewBackground, themed[0]);
    EXPECT_EQ(viewText, themed[1]);
    EXPECT_EQ(inputLineColours(window(), mw().inputLine)[1], paleText) << "back to config.txt's colours";
    EXPECT_EQ(ListView_GetBkColor(mw().itemView), paleView);
}

TEST_F(MainWindowTest, IconComesBackWhenTheTaskbarIsRecreated) {
    {
        AllowedMessages filter;
        startLauncher();
        const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
        // Explorer's two, the settings tool's close and a second start's title.
        EXPECT_EQ(filter.allowed, (std::vector<std::pair<HWND, UINT>>{{window(), WM_TRAYICON},
                                                                       {window(), taskbarCreated},
                                                                       {window(), WM_CLOSE},
                                                                       {window(), WM_SETTEXT}}))
            << "these pass to an elevated launcher from a lower integrity level";
    }
    Shell_NotifyIconW(NIM_DELETE, &mw().notifyIcon);
    ASSERT_FALSE(iconIsPresent(mw()));
    SendMessageW(window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(iconIsPresent(mw()));
}

TEST_F(MainWindowTest, ClosingLongAfterActivationStillSavesTheTexts) {
    startLauncher();
    SetWindowTextW(mw().statusLine, L"C:\\data");
    SetWindowTextW(mw().inputLine, L"abc");
    // Destroying the active window deactivates it first; that must not hide
    // the launcher and clear the texts that are about to be saved.
    mw().lastActivationSeconds = secondsSinceStart() - 10;
    const std::wstring windowState = mw().config->windowStateFile;
    SendMessageW(window(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(window()));
    const TextLines lines = readTextLines(windowState);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[4], L"l=C:\\data");
    EXPECT_EQ(lines[5], L"t=abc");
}

TEST_F(MainWindowTest, EndOfSessionSavesTheStateAsClosingWould) {
    startLauncher();
    SetWindowTextW(mw().inputLine, L"kept");
    const std::wstring windowState = mw().config->windowStateFile;
    DeleteFileW(windowState.c_str());
    SendMessageW(window(), WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(readTextLines(windowState).empty()) << "a cancelled log-off saves nothing";
    SendMessageW(window(), WM_ENDSESSION, TRUE, 0);
    const TextLines lines = readTextLines(windowState);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], L"t=kept");
    EXPECT_TRUE(IsWindow(window()));
}
