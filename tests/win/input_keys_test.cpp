// The input line, candidate list and item view driven with real key input.
#include "launcher_driver.h"
#include "seam_guards_win.h"
#include "test_windows_win.h"
#include "tests/support/accessibility_recorder_win.h"

#include "common/controls_win.h"
#include "common/text_files_win.h"
#include "launcher/input/launch_request.h"
#include "launcher/input/shell_open_win.h"
#include "launcher/shell/list_announcement_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <stdexcept>

using namespace driver;

class InputKeys : public InputWindowTest {};

namespace {

Texts pathHistory(int count) {
    Texts history;
    for (int i = 0; i < count; ++i) history.push_back(L"C:\\work\\note" + std::to_wstring(i) + L".txt");
    return history;
}

} // namespace

TEST_F(InputKeys, TypingNarrowsTheCandidatesWithNumberedLabels) {
    Texts history = pathHistory(12);
    history.insert(history.begin() + 3, L"D:\\Photos\\Cat.JPG");
    openWith(history);
    ASSERT_EQ(candidateRows().size(), 13u);
    EXPECT_EQ(candidateRows()[0], L"1.C:\\work\\note0.txt");
    EXPECT_EQ(candidateRows()[8], L"9.C:\\work\\note7.txt");
    EXPECT_EQ(candidateRows()[9], L"C:\\work\\note8.txt");

    type(L"NOTE1");
    ASSERT_TRUE(waitFor([] { return candidateRows().size() == 3; }));
    EXPECT_EQ(candidateRows(), (Texts{L"1.C:\\work\\note1.txt", L"2.C:\\work\\note10.txt", L"3.C:\\work\\note11.txt"}));
    type(L" ^11");
    ASSERT_TRUE(waitFor([] { return candidateRows().size() == 2; }));
    EXPECT_EQ(view().candidates, (Texts{L"C:\\work\\note1.txt", L"C:\\work\\note10.txt"}));
    press(VK_ESCAPE);
    EXPECT_EQ(inputText(), L"");
    type(L"cat");
    ASSERT_TRUE(waitFor([] { return candidateRows() == Texts{L"1.D:\\Photos\\Cat.JPG"}; }));
    EXPECT_FALSE(launcherHidden());
}

TEST_F(InputKeys, UpAndDownWrapInTheCandidateList) {
    openWith(pathHistory(4));
    const HWND list = mainWindow().candidateList;
    press(VK_UP);
    ASSERT_TRUE(waitFor([&] { return GetFocus() == list; }));
    EXPECT_EQ(candidateSelection(), 3);
    press(VK_DOWN);
    EXPECT_EQ(candidateSelection(), 0);
    press(VK_DOWN);
    EXPECT_EQ(candidateSelection(), 1);
    press(VK_UP);
    EXPECT_EQ(candidateSelection(), 0);
    press(VK_UP);
    EXPECT_EQ(candidateSelection(), 3);
    // Right copies the candidate; Esc released goes back to the input line.
    press(VK_RIGHT);
    EXPECT_EQ(inputText(), L"C:\\work\\note3.txt");
    press(VK_ESCAPE);
    ASSERT_TRUE(waitFor([&] { return GetFocus() == mainWindow().inputLine; }));
    EXPECT_FALSE(launcherHidden());
}

TEST_F(InputKeys, ShiftWithJapaneseLayoutDigitCharactersLaunchesCandidateN) {
    openWith(pathHistory(3));
    ShellCatcher shell;
    // Shift+4 types "$" on the Japanese layout: there is no fourth candidate.
    type(L"$", true);
    EXPECT_EQ(inputText(), L"$");
    EXPECT_TRUE(shell.opened().empty());
    press(VK_ESCAPE);
    // Without Shift, "#" is just typed.
    type(L"#");
    EXPECT_EQ(inputText(), L"#");
    press(VK_ESCAPE);
    ASSERT_EQ(view().candidates.size(), 3u);
    // Shift+2 types '"' there: the second candidate is launched.
    type(L"\"", true);
    ASSERT_TRUE(waitFor([&] { return !shell.opened().empty(); }));
    EXPECT_EQ(shell.opened(), (Texts{L"C:\\work\\note1.txt"}));
    EXPECT_TRUE(waitFor(launcherHidden));
    EXPECT_EQ(theData->historyList.front(), L"C:\\work\\note1.txt");
    EXPECT_EQ(inputText(), L"");
}

TEST_F(InputKeys, ShiftWithADigitKeyLaunchesCandidateNOnTheDisplaysUsLayout) {
    openWith(pathHistory(8));
    ShellCatcher shell;
    // Shift+7 types "&" there.
    press('7', {VK_SHIFT});
    ASSERT_TRUE(waitFor([&] { return !shell.opened().empty(); }));
    EXPECT_EQ(shell.opened(), (Texts{L"C:\\work\\note6.txt"}));
}

TEST_F(InputKeys, ADigitActivatesAnItemRowOnlyWhenTheRowExists) {
    openWith(pathHistory(2));
    const std::vector<HWND> tasks = makeTaskWindows(3);

    listTasks(tasks, 1);
    type(L"2");
    EXPECT_EQ(inputText(), L"2");
    type(L"0");
    EXPECT_EQ(inputText(), L"20");
    EXPECT_FALSE(launcherHidden());
    press(VK_ESCAPE);

    listTasks(tasks, 3);
    type(L"2");
    EXPECT_TRUE(waitFor(launcherHidden));
    EXPECT_EQ(inputText(), L"");
    EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == tasks[1]; }));
    for (HWND task : tasks) DestroyWindow(task);
}

TEST_F(InputKeys, CtrlDownAndCtrlUpWalkTheBookmarks) {
    openWith({});
    press(VK_DOWN, {VK_CONTROL});
    EXPECT_EQ(inputText(), L""); // no bookmarks
    theData->bookmarkLines = {L"first", L"", L"third"};
    theData->bookmarkIndex = -1;
    Texts seen;
    for (int i = 0; i < 5; ++i) {
        press(VK_DOWN, {VK_CONTROL});
        seen.push_back(inputText());
        DWORD start = 0, end = 0;
        SendMessageW(mainWindow().inputLine, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end, inputText().size());
        EXPECT_EQ(start, end);
    }
    EXPECT_EQ(seen, (Texts{L"first ", L" ", L"third ", L"third ", L"third "}));
    press(VK_UP, {VK_CONTROL});
    EXPECT_EQ(inputText(), L" ");
    EXPECT_EQ(GetFocus(), mainWindow().inputLine);
}

TEST_F(InputKeys, EscapeUnwindsTextThenLevelsThenFolderThenHides) {
    const std::wstring folder = scratchFolder(L"esc");
    openWith({folder + L"\\a\\x.txt", folder + L"\\b.txt", L"C:\\elsewhere.txt"});
    view().changeFolder(folder);
    ASSERT_EQ(candidateRows().size(), 2u); // only entries inside the folder
    press(VK_F12);
    press(VK_F12);
    EXPECT_EQ(view().parentLevels, 2);
    type(L"abc");
    press(VK_ESCAPE);
    EXPECT_EQ(inputText(), L"");
    EXPECT_EQ(view().parentLevels, 2);
    press(VK_ESCAPE);
    EXPECT_EQ(view().parentLevels, 0);
    EXPECT_EQ(view().shownFolder, folder);
    EXPECT_EQ(candidateRows().size(), 2u);
    press(VK_ESCAPE);
    EXPECT_EQ(view().shownFolder, L"");
    EXPECT_EQ(windowText(mainWindow().statusLine), L"");
    EXPECT_EQ(candidateRows().size(), 3u);
    EXPECT_FALSE(launcherHidden());
    press(VK_ESCAPE);
    EXPECT_TRUE(waitFor(launcherHidden));
}

TEST_F(InputKeys, F12ShortensTheCandidatesToFoldersAndEscapeResetsThem) {
    openWith({L"C:\\a\\x.txt", L"D:\\y.txt", L"C:\\a\\z.txt"});
    type(L"t");
    press(VK_F12);
    EXPECT_EQ(candidateRows(), (Texts{L"1.C:\\a", L"2.D:"}));
    EXPECT_EQ(view().candidates, (Texts{L"C:\\a", L"D:"}));
    press(VK_F12);
    EXPECT_EQ(candidateRows(), (Texts{L"1.C:"}));
    press(VK_ESCAPE); // clears the text; the levels stay
    EXPECT_EQ(candidateRows(), (Texts{L"1.C:"}));
    press(VK_ESCAPE);
    EXPECT_EQ(candidateRows(), (Texts{L"1.C:\\a\\x.txt", L"2.D:\\y.txt", L"3.C:\\a\\z.txt"}));
}

TEST_F(InputKeys, DeleteOnACandidateRemovesItFromBothHistoryFiles) {
    openWith({L"keep-1", L"gone", L"keep-2"});
    theData->monthList = {L"gone", L"keep-1"};
    press(VK_UP);
    ASSERT_TRUE(waitFor([] { return GetFocus() == mainWindow().candidateList; }));
    press(VK_UP); // last row to the row above it
    press(VK_UP);
    ASSERT_EQ(candidateSelection(), 0);
    press(VK_DOWN);
    ASSERT_EQ(candidateSelection(), 1);
    press(VK_DELETE);
    EXPECT_EQ(theData->historyList, (Texts{L"keep-1", L"keep-2"}));
    EXPECT_EQ(theData->monthList, (Texts{L"keep-1"}));
    EXPECT_EQ(readTextLines(theData->historyPath), (Texts{L"keep-1", L"keep-2"}));
    EXPECT_EQ(readTextLines(theData->monthPath), (Texts{L"keep-1"}));
    EXPECT_EQ(candidateRows(), (Texts{L"1.keep-1", L"2.keep-2"}));
    // Nothing selected: Delete does nothing.
    SendMessageW(mainWindow().candidateList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    press(VK_DELETE);
    EXPECT_EQ(theData->historyList.size(), 2u);
}

TEST_F(InputKeys, BackspaceAtTheStartShowsTheParent) {
    openWith({});
    type(L"C:\\a\\b.txt");
    SendMessageW(mainWindow().inputLine, EM_SETSEL, 0, 0);
    press(VK_BACK);
    EXPECT_EQ(inputText(), L"C:\\a");
    // Elsewhere Backspace just deletes.
    SendMessageW(mainWindow().inputLine, EM_SETSEL, 4, 4);
    press(VK_BACK);
    EXPECT_EQ(inputText(), L"C:\\");
    press(VK_ESCAPE);
    const std::wstring folder = scratchFolder(L"backspace");
    view().changeFolder(folder);
    press(VK_BACK);
    EXPECT_EQ(inputText(), folder);
}

TEST_F(InputKeys, CharactersTypedInTheCandidateListStartANewQuery) {
    openWith({L"alpha", L"beta", L"gamma"});
    type(L"zz");
    press(VK_ESCAPE);
    press(VK_UP);
    ASSERT_TRUE(waitFor([] { return GetFocus() == mainWindow().candidateList; }));
    type(L"b");
    EXPECT_EQ(inputText(), L"b");
    EXPECT_EQ(GetFocus(), mainWindow().inputLine);
    EXPECT_EQ(candidateRows(), (Texts{L"1.beta"}));
}

TEST_F(InputKeys, ItemViewRowsWrapCopyToTheInputAndCloseTasks) {
    openWith({});
    const std::vector<HWND> tasks = makeTaskWindows(3);
    listTasks(tasks, 3);
    const HWND itemView = mainWindow().itemView;
    const auto focusedRow = [&] { return ListView_GetNextItem(itemView, -1, LVNI_FOCUSED); };
    const auto selectedRows = [&] {
        std::vector<int> rows;
        for (int row = ListView_GetNextItem(itemView, -1, LVNI_SELECTED); row >= 0;
             row = ListView_GetNextItem(itemView, row, LVNI_SELECTED))
            rows.push_back(row);
        return rows;
    };

    press(VK_DOWN);
    ASSERT_TRUE(waitFor([&] { return GetFocus() == itemView; }));
    EXPECT_EQ(focusedRow(), 0);
    press(VK_UP);
    EXPECT_EQ(focusedRow(), 2);
    EXPECT_EQ(selectedRows(), (std::vector<int>{2}));
    press(VK_DOWN);
    EXPECT_EQ(focusedRow(), 0);
    EXPECT_EQ(selectedRows(), (std::vector<int>{0}));
    // PageDown pages and returns to the input line; Down then selects row 0 alone.
    press(VK_NEXT);
    ASSERT_TRUE(waitFor([&] { return GetFocus() == mainWindow().inputLine; }));
    press(VK_DOWN);
    EXPECT_EQ(selectedRows(), (std::vector<int>{0}));

    // Delete closes the selected task, Backspace every other one.
    press(VK_DELETE);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(tasks[0]); }));
    EXPECT_TRUE(IsWindow(tasks[1]));
    press(VK_BACK);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(tasks[1]) && !IsWindow(tasks[2]); }));

    // Right copies the focused row's title; the refilled view keeps the focus.
    const std::vector<HWND> another = makeTaskWindows(1);
    listTasks(another, 1);
    ListView_SetItemState(itemView, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    press(VK_RIGHT);
    EXPECT_EQ(inputText(), L"task 0");
    EXPECT_TRUE(mainWindow().inputFromList);
    EXPECT_EQ(GetFocus(), itemView);

    // A letter starts a new query in the input line.
    type(L"k");
    EXPECT_EQ(inputText(), L"k");
    EXPECT_EQ(GetFocus(), mainWindow().inputLine);
    EXPECT_FALSE(launcherHidden());
}

TEST_F(InputKeys, CtrlSpaceClosesTheListedTasksAndTabLaunchesTheFirstCandidate) {
    openWith({L"C:\\first.txt", L"C:\\second.txt"});
    const std::vector<HWND> tasks = makeTaskWindows(2);
    listTasks(tasks, 2);
    type(L"task");
    press(VK_SPACE, {VK_CONTROL});
    EXPECT_TRUE(waitFor([&] { return !IsWindow(tasks[0]) && !IsWindow(tasks[1]); }));
    EXPECT_EQ(inputText(), L"");
    EXPECT_FALSE(launcherHidden());

    ShellCatcher shell;
    press(VK_TAB);
    EXPECT_EQ(shell.opened(), (Texts{L"C:\\first.txt"}));
    EXPECT_TRUE(waitFor(launcherHidden));
}

TEST_F(InputKeys, KanaMatchFindsCandidatesByReadingAndByTheDictionaryOnceItHasLoaded) {
    removeDataFiles();
    const auto configWith = [](const std::wstring& dictionary) {
        TextLines lines = testHotkeyConfig;
        lines.insert(lines.end(), {L"[etc]", L"kanaMatch=1", L"kanaDictionary=" + dictionary});
        return lines;
    };
    writeConfigFile(L"config.txt", configWith(L"reading.txt"));
    writeConfigFile(L"reading.txt", {L"; comment", L"みつもり\t見積\t三森", L"broken line"});
    openWith({L"C:\\ﾃﾞｰﾀ", L"C:\\Users\\ダウンロード", L"C:\\メモ帳.lnk", L"C:\\memo.txt", L"C:\\見積書.xlsx",
              L"C:\\議事録.txt"},
             true);
    const auto typed = [](const std::wstring& text) {
        controller().setInputText(L"");
        type(text);
    };
    typed(L"daunro-do");
    EXPECT_EQ(view().candidates, (Texts{L"C:\\Users\\ダウンロード"}));
    typed(L"memo");
    EXPECT_EQ(view().candidates, (Texts{L"C:\\メモ帳.lnk", L"C:\\memo.txt"}));
    typed(L"mitsumori");
    EXPECT_TRUE(waitFor([] { return view().candidates == Texts{L"C:\\見積書.xlsx"}; }));

    // The reload reads a dictionary whose name changed; a missing one finds nothing more.
    writeConfigFile(L"config.txt", configWith(L"other.txt"));
    writeConfigFile(L"other.txt", {L"ぎじろく\t議事録"});
    SendMessageW(mainWindow().window, WM_COMMAND, 32781, 0);
    typed(L"gijiroku");
    EXPECT_TRUE(waitFor([] { return view().candidates == Texts{L"C:\\議事録.txt"}; }));
    typed(L"mitsumori");
    EXPECT_TRUE(view().candidates.empty());
    writeConfigFile(L"config.txt", configWith(L"missing.txt"));
    SendMessageW(mainWindow().window, WM_COMMAND, 32781, 0);
    typed(L"gijiroku");
    EXPECT_TRUE(view().candidates.empty());
    writeConfigFile(L"missing.txt", {L"ぎじろく\t議事録"});
    SendMessageW(mainWindow().window, WM_COMMAND, 32781, 0);
    EXPECT_TRUE(waitFor([] { return view().candidates == Texts{L"C:\\議事録.txt"}; }));
    typed(L"de-ta");
    EXPECT_EQ(view().candidates, (Texts{L"C:\\ﾃﾞｰﾀ"}));
}

TEST_F(InputKeys, KeysTheImeTakesAsProcessKeyDoNothingInTheThreeControls) {
    openWith({L"C:\\first.txt"});
    const std::vector<HWND> tasks = makeTaskWindows(1);
    listTasks(tasks, 1);
    ShellCatcher shell;
    const std::wstring before = inputText();
    for (const HWND control : {mainWindow().inputLine, mainWindow().candidateList, mainWindow().itemView}) {
        SetFocus(control);
        for (const int key : {VK_RETURN, VK_ESCAPE, VK_TAB, VK_SPACE, int('1')}) {
            const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
            PostMessageW(control, WM_KEYDOWN, VK_PROCESSKEY, scanCode | 1);
            settle();
        }
        EXPECT_EQ(GetFocus(), control);
    }
    EXPECT_TRUE(shell.opened().empty());
    EXPECT_EQ(inputText(), before);
    EXPECT_TRUE(IsWindow(tasks[0]));
    EXPECT_FALSE(launcherHidden());
}

TEST_F(InputKeys, TextTheImeCommitsWhileAListHasTheFocusGoesWholeIntoTheInputLine) {
    openWith({L"C:\\first.txt"});
    listTasks(makeTaskWindows(1), 1);
    for (const HWND list : {mainWindow().candidateList, mainWindow().itemView}) {
        type(L"zz");
        SetFocus(list);
        // The commit: the IME's key, then one character message per character.
        PostMessageW(list, WM_KEYDOWN, VK_PROCESSKEY, 1);
        for (const wchar_t character : std::wstring(L"見積書")) PostMessageW(list, WM_IME_CHAR, character, 1);
        settle();
        EXPECT_EQ(inputText(), L"見積書");
        EXPECT_EQ(GetFocus(), mainWindow().inputLine);
        press(VK_ESCAPE);
        // The touch keyboard and the emoji panel: one VK_PACKET key-down per
        // character, the emoji as the two halves of a surrogate pair.
        type(L"zz");
        SetFocus(list);
        type(L"a見😀");
        EXPECT_EQ(controller().lastKeyDown, static_cast<WPARAM>(VK_PACKET));
        EXPECT_EQ(inputText(), L"a見😀");
        // The same run with every key-down and character still reaching the list.
        SetFocus(list);
        for (const wchar_t character : std::wstring(L"b見")) {
            SendMessageW(list, WM_KEYDOWN, VK_PACKET, 1);
            SendMessageW(list, WM_CHAR, character, 1);
        }
        settle();
        EXPECT_EQ(inputText(), L"b見") << "a new query, whole";
        press(VK_ESCAPE);
    }
}

TEST_F(InputKeys, WhatTheListsShowIsSaidOnceTypingPausesAndNeverWhileHidden) {
    AccessibilityRecorder recorder;
    openWith(pathHistory(12));
    MainWindow& mw = mainWindow();
    const std::wstring folder = scratchFolder(L"announced");
    CreateDirectoryW((folder + L"\\資料").c_str(), nullptr);
    for (const wchar_t* file : {L"\\readme.txt", L"\\資料\\memo.txt", L"\\資料\\見積書_2026.xlsx"})
        ASSERT_TRUE(writeTextLines(folder + file, {L"x"}));
    TestWindows windows;
    windows.create(L"zqannounced メモ帳");
    // Shown, it says what the lists hold.
    ASSERT_TRUE(waitFor([&] {
        return !recorder.announced.empty() && recorder.announced.back().rfind(L"候補 12件、1 note0.txt", 0) == 0;
    }));

    const struct {
        const char* what;
        std::function<void()> act;
        const wchar_t* said; // nullptr: nothing, even once the pause is over
    } steps[] = {
        // "note1" alone would leave three candidates: only the last keystroke's lists are said.
        {"keys typed fast", [] { type(L"note11"); }, L"候補 1件、1 note11.txt"},
        {"nothing matches", [] { type(L"q"); }, L"該当なし"},
        {"a task matches", [] { controller().setInputText(L"zqannounced"); }, L"タスク 1件、1 zqannounced メモ帳"},
        {"a task refresh that changes nothing", [&] { SendMessageW(mw.window, WM_TASKS_REFRESH, 0, 0); }, nullptr},
        {"typed while hidden",
         [&] {
             controller().setInputText(L"note2");
             ShowWindow(mw.window, SW_HIDE);
             controller().setInputText(L"note3");
         },
         nullptr},
        {"shown again",
         [&] {
             showLauncher(mw);
             waitFor([&] { return GetForegroundWindow() == mw.window && GetFocus() == mw.inputLine; });
         },
         L"候補 1件、1 note3.txt"},
        {"a folder entered",
         [&] {
             LaunchRequest request;
             request.owner = &controller();
             request.target = folder;
             controller().dispatchRequest(request);
             settle();
         },
         L"フォルダー scratch-announced、2件、1 資料"},
        {"a sub-folder entered by its digit", [] { type(L"1"); }, L"フォルダー 資料、2件、1 memo.txt"},
        {"typed in the folder", [] { type(L"xlsx"); }, L"フォルダーの内容 1件、1 見積書_2026.xlsx"},
    };
    for (const auto& step : steps) {
        recorder.announced.clear();
        step.act();
        if (step.said) EXPECT_TRUE(waitFor([&] { return !recorder.announced.empty(); })) << step.what;
        else SendMessageW(mw.window, WM_TIMER, listAnnouncementTimer, 0); // the pause is over
        EXPECT_EQ(recorder.announced, step.said ? Texts{step.said} : Texts{}) << step.what;
        EXPECT_FALSE(KillTimer(mw.window, listAnnouncementTimer)) << step.what << ": something still to say";
    }
}

namespace {

// A control record for the template every subclassed control's procedure is made from.
struct ThrowingEdit {
    WNDPROC previousProcedure = nullptr;
};
ThrowingEdit* theThrowingEdit = nullptr;

LRESULT throwOnTextQueries(ThrowingEdit& record, HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXTLENGTH) throw std::runtime_error("thrown by the test");
    if (message == WM_GETTEXT) throw 0;
    return CallWindowProcW(record.previousProcedure, edit, message, wParam, lParam);
}

} // namespace

TEST(SubclassProcedure, WhatAHandlerThrowsIsAnsweredByTheControlsOwnProcedure) {
    ThrowingEdit record;
    theThrowingEdit = &record;
    const HWND edit = CreateWindowExW(0, L"EDIT", L"abc", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    record.previousProcedure =
        subclass(edit, subclassProcedure<theThrowingEdit, &ThrowingEdit::previousProcedure, throwOnTextQueries>);
    // WM_GETTEXTLENGTH throws a std::exception, WM_GETTEXT something else.
    EXPECT_EQ(windowText(edit), L"abc");
    DestroyWindow(edit);
    theThrowingEdit = nullptr;
}
