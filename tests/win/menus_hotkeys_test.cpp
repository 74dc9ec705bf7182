#include "launcher_driver.h"
#include "tests/support/test_support_win.h"
#include "launcher_fixture_win.h"
#include "seam_guards_win.h"

#include "common/controls_win.h"
#include "launcher/data/data_store.h"
#include "launcher/history/history_lists.h"
#include "launcher/input/controller_win.h"
#include "launcher/shell/hotkey_manager_win.h"
#include "launcher/shell/item_rows.h"
#include "launcher/shell/menu_commands_win.h"
#include "launcher/shell/messages.h"
#include "halvo_version.h"

namespace {

std::vector<UINT> registeredModifiers;

BOOL WINAPI recordRegistration(HWND window, int id, UINT modifiers, UINT key) {
    registeredModifiers.push_back(modifiers);
    return RegisterHotKey(window, id, modifiers, key);
}

HMENU commandPopup(HWND window) { return GetSubMenu(GetMenu(window), 2); }

std::wstring itemText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

class MenusHotkeysTest : public LauncherWindowTest {};

} // namespace

TEST_F(MenusHotkeysTest, CommandMenuShowsRowsInFileOrderAndDropsThePlaceholder) {
    startLauncher();
    const HMENU popup = commandPopup(window());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetMenuItemCount(popup), 0) << "no menu.txt: the placeholder is gone and nothing replaces it";

    mw().data->menuRows = {{L"first", L"a.exe"}, {L"second", L"b.exe"}, {L"label only"}, {L"third", L"c.exe"}};
    refillBookmarks(mw());
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(itemText(popup, 0), L"first");
    EXPECT_EQ(itemText(popup, 2), L"third");
    EXPECT_EQ(GetMenuItemID(popup, 0), 1000u);
    EXPECT_EQ(GetMenuItemID(popup, 1), 1001u);
    EXPECT_EQ(GetMenuItemID(popup, 2), 1003u) << "ids stay tied to the row's position";

    mw().data->menuRows = {{L"only", L"x.exe"}};
    refillBookmarks(mw());
    EXPECT_EQ(GetMenuItemCount(popup), 1);
}

TEST_F(MenusHotkeysTest, BookmarksKeepFileOrderDespiteTheSortedList) {
    startLauncher();
    mw().data->bookmarkLines = {L"zeta", L"", L"alpha"};
    refillBookmarks(mw());
    ASSERT_EQ(SendMessageW(mw().bookmarkList, LB_GETCOUNT, 0, 0), 3);
    wchar_t text[32] = {};
    SendMessageW(mw().bookmarkList, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"zeta");
    SendMessageW(mw().bookmarkList, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"alpha");
}

TEST_F(MenusHotkeysTest, PeriodCommandsRebuildOnlyOnChangeAndRetitleTheWindow) {
    removeDataFiles();
    const std::wstring month = formatLocalTime("%Y%m");
    writeHistoryFile(L"history.txt", {L"from history"});
    writeHistoryFile(month + L".txt", {L"this month"});
    startLauncherKeepingFiles();
    const auto title = [&] { return windowText(window()); };

    SendMessageW(window(), WM_COMMAND, 32774, 0);
    EXPECT_EQ(title(), L"Halvorunde Ver" HALVO_VERSION_TEXT " 3M");
    EXPECT_EQ(mw().data->historyList, (std::vector<std::wstring>{L"this month"}));

    writeHistoryFile(month + L".txt", {L"changed", L"this month"});
    SendMessageW(window(), WM_COMMAND, 32774, 0);
    EXPECT_EQ(title(), L"Halvorunde Ver" HALVO_VERSION_TEXT " 3M");
    EXPECT_EQ(mw().data->historyList, (std::vector<std::wstring>{L"this month"})) << "the same period is not rebuilt";

    SendMessageW(window(), WM_COMMAND, 32778, 0);
    EXPECT_EQ(title(), L"Halvorunde Ver" HALVO_VERSION_TEXT " ALL");
    EXPECT_EQ(mw().data->historyList, (std::vector<std::wstring>{L"changed", L"this month"}));
    SendMessageW(window(), WM_COMMAND, 32777, 0);
    EXPECT_EQ(title(), L"Halvorunde Ver" HALVO_VERSION_TEXT " 2Y");
}

TEST_F(MenusHotkeysTest, MainHotkeyBringsTheHiddenLauncherUpFromAnotherWindow) {
    startLauncher();
    mw().controller->dismiss();
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == other; }));
    ASSERT_FALSE(IsWindowVisible(window()));

    pressKeys({VK_CONTROL, VK_MENU, VK_SHIFT, VK_F11});
    EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(window()) && GetFocus() == mw().inputLine; }));
    DestroyWindow(other);
}

TEST_F(MenusHotkeysTest, TheKeyRightAfterTheHotkeyActsOnTheWindowsOfNow) {
    startLauncher();
    mw().controller->dismiss();
    const HWND other = CreateWindowExW(0, L"STATIC", L"zq just in", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200,
                                       100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == other; }));

    // Both queued before the launcher handles either: "1" chooses the window just left.
    pressKeys({VK_CONTROL, VK_MENU, VK_SHIFT, VK_F11});
    pressKeys({'1'});
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(window()) && GetForegroundWindow() == other; }));
    EXPECT_EQ(windowText(mw().inputLine), L"");
    DestroyWindow(other);
}

TEST_F(MenusHotkeysTest, TakenCombinationsAreReportedAndTheLauncherStillRuns) {
    const HWND holder = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F11));
    ASSERT_TRUE(RegisterHotKey(holder, 2, MOD_CONTROL | MOD_ALT, 'N'));
    removeDataFiles();
    writeConfigFile(L"hotkey.txt", {L"notepad\t78\t3", L"calc\t79\t3", L"broken\tx\t3", L"short\t80"});
    std::vector<std::wstring> reported;
    {
        MessageBoxAnswerer watcher(hotkeyFailureCaption);
        startLauncherKeepingFiles();
        reported = watcher.texts();
    }
    EXPECT_TRUE(IsWindow(window()));
    EXPECT_EQ(reported, (std::vector<std::wstring>{hotkeyFailureText, L"notepad", L"broken", L"short"}));
    UnregisterHotKey(holder, 1);
    UnregisterHotKey(holder, 2);
    DestroyWindow(holder);
}

TEST_F(MenusHotkeysTest, RowsBeyondTheirIdRangeNeverTakeOverAFixedId) {
    removeDataFiles();
    TextLines rows;
    // Wine takes any key code, which gives enough distinct combinations.
    for (int i = 0; i < mainHotkeyId; ++i) rows.push_back(L"r\t" + std::to_wstring(1000 + i) + L"\t0");
    rows.push_back(L"beyond\t66\t7");
    writeConfigFile(L"hotkey.txt", rows);
    std::vector<std::wstring> reported;
    {
        MessageBoxAnswerer watcher(hotkeyFailureCaption);
        startLauncherKeepingFiles();
        reported = watcher.texts();
    }
    EXPECT_EQ(reported, (std::vector<std::wstring>{L"beyond"}));
    const HWND probe = CreateWindowExW(0, L"STATIC", L"probe", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(RegisterHotKey(probe, 1, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F11)) << "still the show hotkey";
    DestroyWindow(probe);

    // The menu row whose id would be the 3-month period's opens nothing.
    mw().data->menuRows.assign(31782, {L"row", L"zq-no-such-program.exe"});
    SendMessageW(window(), WM_COMMAND, 32774, 0);
    EXPECT_EQ(windowText(window()), L"Halvorunde Ver" HALVO_VERSION_TEXT " 3M");
}

TEST_F(MenusHotkeysTest, ReloadReadsBookmarksAndMenuAgainButKeepsTheHotkeys) {
    removeDataFiles();
    writeConfigFile(L"bookmark.txt", {L"b-one", L"b-three"});
    writeConfigFile(L"hotkey.txt", {L"first\t80\t7"});
    registeredModifiers.clear();
    {
        const HotkeyRegistrationStandIn recorded(recordRegistration);
        startLauncherKeepingFiles();
    }
    EXPECT_EQ(registeredModifiers, (std::vector<UINT>{7 | MOD_NOREPEAT, 7 | MOD_NOREPEAT})) << "show, then the row";
    EXPECT_EQ(mw().data->hotkeyRows[0][2], L"7");
    ASSERT_EQ(SendMessageW(mw().bookmarkList, LB_GETCOUNT, 0, 0), 2);

    writeConfigFile(L"bookmark.txt", {L"b-one", L"b-two", L"b-three"});
    writeConfigFile(L"menu.txt", {L"label\ttarget.exe"});
    writeConfigFile(L"hotkey.txt", {L"second\t81\t7"});
    SendMessageW(window(), WM_COMMAND, 32781, 0);

    ASSERT_EQ(SendMessageW(mw().bookmarkList, LB_GETCOUNT, 0, 0), 3);
    wchar_t text[32] = {};
    SendMessageW(mw().bookmarkList, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"b-two");
    EXPECT_EQ(GetMenuItemCount(commandPopup(window())), 1);

    const HWND probe = CreateWindowExW(0, L"STATIC", L"probe", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(RegisterHotKey(probe, 1, MOD_CONTROL | MOD_ALT | MOD_SHIFT, 80)) << "the row of the start stays registered";
    EXPECT_TRUE(RegisterHotKey(probe, 2, MOD_CONTROL | MOD_ALT | MOD_SHIFT, 81)) << "a row added later is not registered";
    UnregisterHotKey(probe, 2);
    DestroyWindow(probe);
}

TEST_F(MenusHotkeysTest, ChoosingACommandItemOpensItsTargetAndHidesTheLauncher) {
    removeDataFiles();
    driver::RecordedLaunches launches;
    writeConfigFile(L"menu.txt", {L"one\tnothing-one.exe", L"two\t" + driver::recorder(), L"three\tnothing-three.exe"});
    startLauncherKeepingFiles();
    const HMENU popup = commandPopup(window());
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(GetMenuItemID(popup, 2), 1002u);

    SendMessageW(window(), WM_COMMAND, GetMenuItemID(popup, 1), 0);
    const auto lines = launches.waitForLines(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(L"record_args.exe"), std::wstring::npos);
    EXPECT_FALSE(IsWindowVisible(window()));
}

TEST_F(MenusHotkeysTest, ExtraHotkeyOpensItsTextWithoutShowingTheLauncherAndRecordsIt) {
    removeDataFiles();
    driver::RecordedLaunches launches;
    writeConfigFile(L"hotkey.txt", {driver::recorder() + L"\t82\t7"});
    startLauncherKeepingFiles();
    dismissLauncher();

    pressKeys({VK_CONTROL, VK_MENU, VK_SHIFT, 'R'});
    EXPECT_EQ(launches.waitForLines(1).size(), 1u);
    EXPECT_FALSE(IsWindowVisible(window()));
    ASSERT_FALSE(mw().data->historyList.empty());
    EXPECT_EQ(mw().data->historyList.front(), driver::recorder());
    EXPECT_EQ(readTextLines(mw().data->historyPath).front(), driver::recorder());
}

TEST_F(MenusHotkeysTest, MenuKeysOpenTheMenusAsAPopupWhoseAccessKeysChooseAPeriod) {
    startLauncher();
    ASSERT_TRUE(pumpUntil([&] { return GetFocus() == mw().inputLine; }));
    const struct {
        HWND focus;
        std::vector<WORD> held;
        WORD menuKey;
        WORD periodKey;
        const wchar_t* title;
    } routes[] = {
        {mw().inputLine, {VK_SHIFT}, VK_F10, '1', L"Halvorunde Ver" HALVO_VERSION_TEXT " 1M"},
        {mw().itemView, {}, VK_APPS, 'Y', L"Halvorunde Ver" HALVO_VERSION_TEXT " 1Y"},
        {mw().bookmarkList, {VK_SHIFT}, VK_F10, '2', L"Halvorunde Ver" HALVO_VERSION_TEXT " 2Y"},
    };
    for (const auto& route : routes) {
        SetFocus(route.focus);
        // Queued together: the popup's own loop reads H and the period's key.
        pressKeys({route.menuKey}, route.held);
        pressKeys({'H'});
        pressKeys({route.periodKey});
        EXPECT_TRUE(pumpUntil([&] { return windowText(window()) == route.title; })) << windowText(window());
        EXPECT_EQ(GetFocus(), route.focus) << "the control's own context menu stayed shut";
    }
}
