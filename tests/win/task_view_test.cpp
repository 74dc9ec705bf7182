#include "launcher_fixture_win.h"
#include "test_windows_win.h"

#include "common/controls_win.h"
#include "common/scoped_win.h"
#include "launcher/data/config_store.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/tasks/task_view_state_win.h"
#include "launcher/tasks/window_enumeration_win.h"
#include "launcher/shell/main_window_record_win.h"

#include <commctrl.h>

#include <algorithm>

namespace {

class TaskViewTest : public LauncherWindowTest {
protected:
    TaskViewState& tasks() { return *mw().controller->taskView; }
    std::vector<std::wstring> rows() { return itemViewTexts(mw().itemView); }

    // The edit's change notification runs the task step of the input change.
    void typeQuery(const std::wstring& text) { SetWindowTextW(mw().inputLine, text.c_str()); }

    void startWith(std::initializer_list<const wchar_t*> settings) {
        TextLines lines = testHotkeyConfig;
        lines.insert(lines.begin(), L"[setting]");
        for (const wchar_t* line : settings) lines.insert(lines.begin() + 1, line);
        startLauncher(lines);
    }

    void pressInItemView(WPARAM key) {
        SetFocus(mw().itemView);
        SendMessageW(mw().itemView, WM_KEYDOWN, key, 0);
        SendMessageW(mw().itemView, WM_KEYUP, key, 0);
    }

    bool listed(const std::wstring& title) {
        const auto all = rows();
        return std::any_of(all.begin(), all.end(), [&](const std::wstring& row) {
            return row == title || (row.size() > title.size() && row.compare(row.size() - title.size(), title.size(), title) == 0);
        });
    }
};

std::wstring labelled(const std::wstring& title, size_t index) {
    return index < 9 ? std::to_wstring(index + 1) + L"." + title : title;
}

// The test's own windows that qualify, in the order EnumWindows reports them.
std::vector<HWND> enumerationOrder(const std::vector<HWND>& ours) {
    struct Walk {
        const std::vector<HWND>* ours;
        std::vector<HWND> found;
    } walk{&ours, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& w = *reinterpret_cast<Walk*>(context);
            if (std::find(w.ours->begin(), w.ours->end(), window) != w.ours->end() && IsWindowVisible(window) &&
                GetWindowTextLengthW(window) > 0)
                w.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    return walk.found;
}

bool allGone(const std::vector<HWND>& windows) {
    return std::none_of(windows.begin(), windows.end(), [](HWND w) { return IsWindow(w) != FALSE; });
}

} // namespace

TEST_F(TaskViewTest, ListsTheTasksInZOrderNumberedUpToNine) {
    startLauncher();
    TestWindows windows;
    for (int i = 1; i <= 11; ++i) windows.create(L"zqtask " + std::to_wstring(i));
    const HWND minimised = windows.create(L"zqtask minimised", WS_MINIMIZE);
    windows.create(L"zqtask owned", 0, windows.all()[0]);
    const HWND hidden = windows.create(L"zqtask hidden");
    ShowWindow(hidden, SW_HIDE);
    windows.create(L"");
    ASSERT_TRUE(IsIconic(minimised));

    typeQuery(L"zqtask");
    const std::vector<HWND> expected = enumerationOrder(windows.all());
    ASSERT_EQ(expected.size(), 13u);
    std::vector<std::wstring> expectedRows;
    for (size_t i = 0; i < expected.size(); ++i) expectedRows.push_back(labelled(windowText(expected[i]), i));
    EXPECT_EQ(rows(), expectedRows);
    EXPECT_EQ(rows()[9], windowText(expected[9]));
    ASSERT_EQ(tasks().shownTasks.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(tasks().shownTasks[i].window, expected[i]);
    EXPECT_FALSE(listed(L"zqtask hidden"));

    // The launcher never lists itself, whatever the query.
    typeQuery(L"");
    for (const TaskWindow& task : tasks().allTasks) EXPECT_NE(task.title.rfind(L"Halvorunde V", 0), 0u) << "own window";
    EXPECT_TRUE(isExcludedWindow(window()));
    EXPECT_TRUE(isExcludedWindow(mw().inputLine));
    SetWindowTextW(window(), L"zqtask as a second start titled it");
    EXPECT_TRUE(isExcludedWindow(window()));
}

TEST_F(TaskViewTest, TypingNarrowsAndTitlesWaitForTheNextKeystroke) {
    startLauncher();
    TestWindows windows;
    const HWND notes = windows.create(L"zqtask Notes");
    windows.create(L"zqtask Mail");
    typeQuery(L"zqtask notes");
    EXPECT_EQ(rows(), std::vector<std::wstring>{L"1.zqtask Notes"});
    typeQuery(L"zqtask ^notes");
    EXPECT_EQ(rows(), std::vector<std::wstring>{L"1.zqtask Mail"});

    // A new title alone does not redraw the view; the next keystroke does.
    typeQuery(L"zqtask");
    tasks().refreshPeriodMs = 50;
    SetWindowTextW(notes, L"zqtask Renamed");
    pumpUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_FALSE(listed(L"zqtask Renamed"));
    typeQuery(L"zqtask");
    EXPECT_TRUE(listed(L"zqtask Renamed"));
}

TEST_F(TaskViewTest, KeystrokesThatRunOutOfMemoryLeaveTheRefreshToTheNextOnes) {
    startLauncher();
    TestWindows windows;
    // The n-th allocation of a keystroke fails, for every n the keystroke reaches.
    for (int nth = 1; nth < 100000; ++nth) {
        failingAllocation = nth;
        typeQuery(nth % 2 ? L"zqtask" : L"zqtas");
        const bool failed = failingAllocation == 0;
        failingAllocation = 0;
        if (!failed) break;
    }
    windows.create(L"zqtask late");
    typeQuery(L"zqtask late");
    EXPECT_TRUE(listed(L"zqtask late"));
}

TEST_F(TaskViewTest, RefreshThreadRedrawsOnANewWindowAndDismissesWhenIdle) {
    startLauncher();
    tasks().refreshPeriodMs = 50;
    TestWindows windows;
    windows.create(L"zqtask first");
    typeQuery(L"zqtask");
    ASSERT_TRUE(listed(L"zqtask first"));
    windows.create(L"zqtask late");
    EXPECT_TRUE(pumpUntil([&] { return listed(L"zqtask late"); }));
    EXPECT_TRUE(IsWindowVisible(window()));

    tasks().idleLimit = 4;
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(window()); }));
    EXPECT_FALSE(tasks().taskViewActive);
    EXPECT_TRUE(rows().empty());
}

TEST_F(TaskViewTest, NotShowTaskHidesAndAutoCloseWaitsForTheFirstFocus) {
    TestWindows windows;
    windows.create(L"zqtask keep");
    windows.create(L"zqtask other");
    const HWND closing = windows.create(L"zqclose me");
    const HWND hiding = windows.create(L"zqhide me");
    // The start lists them as before the launcher first took the focus,
    // though the listing follows the window's first showing.
    startWith({L"autoClose=zqclose", L"notShowTask=zqhide,zqtask ^keep"});

    EXPECT_TRUE(listed(L"zqclose me"));
    EXPECT_FALSE(listed(L"zqhide me"));
    EXPECT_FALSE(listed(L"zqtask other"));
    EXPECT_TRUE(listed(L"zqtask keep"));
    pumpPending();
    EXPECT_TRUE(IsWindow(closing));

    focusInput(mw());
    EXPECT_TRUE(tasks().autoCloseArmed);
    typeQuery(L"zq");
    EXPECT_FALSE(listed(L"zqclose me"));
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(closing); }));
    EXPECT_TRUE(IsWindow(hiding));
}

TEST_F(TaskViewTest, KanaMatchWidensTheQueryButNotTheSettingLists) {
    TestWindows windows;
    windows.create(L"メモ帳 zq");
    windows.create(L"ﾃﾞｰﾀ zq");
    startWith({L"kanaMatch=1", L"notShowTask=めも"});
    EXPECT_TRUE(listed(L"メモ帳 zq"));
    typeQuery(L"memo zq");
    EXPECT_TRUE(listed(L"メモ帳 zq"));
    EXPECT_FALSE(listed(L"ﾃﾞｰﾀ zq"));
    typeQuery(L"でーた");
    EXPECT_TRUE(listed(L"ﾃﾞｰﾀ zq"));
    EXPECT_FALSE(listed(L"メモ帳 zq"));
}

TEST_F(TaskViewTest, ActivatingARowBringsItsWindowAndOwnerUpAndHidesTheLauncher) {
    startLauncher();
    TestWindows windows;
    windows.create(L"zqtask a");
    const HWND owner = windows.create(L"zqtask owner", WS_MINIMIZE);
    const HWND target = windows.create(L"zqtask b", WS_MINIMIZE, owner);
    typeQuery(L"zqtask b");
    ASSERT_EQ(rows(), std::vector<std::wstring>{L"1.zqtask b"});
    Controller& controller = *mw().controller;
    EXPECT_FALSE(controller.activateItem(-1));
    EXPECT_FALSE(controller.activateItem(1));
    EXPECT_TRUE(IsWindowVisible(window()));

    EXPECT_TRUE(controller.activateItem(0));
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == target; }));
    EXPECT_FALSE(IsIconic(target));
    EXPECT_FALSE(IsIconic(owner)) << "the owner comes up with its window";
    EXPECT_FALSE(IsWindowVisible(window()));
    EXPECT_TRUE(rows().empty());
    EXPECT_FALSE(controller.activateItem(0)); // the view was emptied by the dismissal

    // An owner kept hidden stays hidden.
    const HWND hiddenOwner = windows.create(L"zqtask hidden owner");
    ShowWindow(hiddenOwner, SW_HIDE);
    const HWND dialog = windows.create(L"zqtask dialog", 0, hiddenOwner);
    typeQuery(L"zqtask dialog");
    EXPECT_TRUE(controller.activateItem(0));
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == dialog; }));
    EXPECT_FALSE(IsWindowVisible(hiddenOwner));
}

// Busy for less time than a hung window takes to be called hung.
TEST_F(TaskViewTest, ABusyWindowIsListedAndChosenWithoutWaitingAndComesForwardOnceItAnswers) {
    startLauncher();
    BusyWindow busy(L"zqtask busy", WS_MINIMIZE);
    ASSERT_TRUE(pumpUntil([&] { return busy.window != nullptr; }));
    const auto makeBusy = [&] {
        busy.sleep();
        return pumpUntil([&] { return busy.asleep.load(); });
    };
    const HIMAGELIST images = mw().controller->itemView->display.icons.imageList;
    const auto rowIcon = [&] { return imagePixels(images, itemImage(mw().itemView, 0)); };
    const ScopedIcon own(CopyIcon(LoadIconW(nullptr, IDI_INFORMATION)));
    busy.iconWhenAwake = own.get();
    ASSERT_TRUE(makeBusy());
    typeQuery(L"zqtask busy");
    ASSERT_EQ(rows(), std::vector<std::wstring>{L"1.zqtask busy"});
    EXPECT_EQ(rowIcon(), iconPixels(TestWindows::classIcon())) << "until the window answers";
    EXPECT_EQ(busy.wakes, 0) << "the launcher waited for the busy window";
    EXPECT_TRUE(pumpUntil([&] { return rowIcon() == iconPixels(own.get()); }));

    ASSERT_TRUE(makeBusy());
    EXPECT_TRUE(mw().controller->activateItem(0));
    PostMessageW(window(), WM_NULL, 0, 0);
    pumpPending();
    EXPECT_EQ(busy.wakes, 1) << "the launcher waited for the busy window";
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == busy.window && !IsIconic(busy.window); }));

    // The show hotkey while the window in front is busy.
    ASSERT_TRUE(makeBusy());
    showLauncher(mw());
    pumpPending();
    EXPECT_EQ(busy.wakes, 2) << "the launcher waited for the busy window";
    EXPECT_EQ(GetForegroundWindow(), window());
}

TEST_F(TaskViewTest, ClosesSelectedUnselectedListedAndDelayedWindows) {
    startLauncher();
    TestWindows windows;
    for (int i = 1; i <= 4; ++i) windows.create(L"zqtask close" + std::to_wstring(i));
    typeQuery(L"zqtask close");
    ASSERT_EQ(rows().size(), 4u);
    const std::vector<HWND> shown{static_cast<HWND>(tasks().shownTasks[0].window),
                                  static_cast<HWND>(tasks().shownTasks[1].window),
                                  static_cast<HWND>(tasks().shownTasks[2].window),
                                  static_cast<HWND>(tasks().shownTasks[3].window)};

    // Delete: the selected rows.
    ListView_SetItemState(mw().itemView, 0, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(mw().itemView, 2, LVIS_SELECTED, LVIS_SELECTED);
    pressInItemView(VK_DELETE);
    EXPECT_TRUE(pumpUntil([&] { return allGone({shown[0], shown[2]}); }));
    EXPECT_TRUE(IsWindow(shown[1]) && IsWindow(shown[3]));

    // Backspace: all but the selected rows.
    typeQuery(L"zqtask close");
    ASSERT_EQ(rows().size(), 2u);
    ListView_SetItemState(mw().itemView, 0, LVIS_SELECTED, LVIS_SELECTED);
    const HWND kept = static_cast<HWND>(tasks().shownTasks[0].window);
    const HWND other = static_cast<HWND>(tasks().shownTasks[1].window);
    pressInItemView(VK_BACK);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(other); }));
    EXPECT_TRUE(IsWindow(kept));

    // Backspace with nothing selected closes every shown window.
    typeQuery(L"zqtask close");
    ListView_SetItemState(mw().itemView, -1, 0, LVIS_SELECTED);
    pressInItemView(VK_BACK);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(kept); }));

    // Ctrl+Space: exactly the listed windows, at once or a second later.
    const HWND a = windows.create(L"zqtask pair a");
    const HWND b = windows.create(L"zqtask pair b");
    const HWND c = windows.create(L"zqtask single c");
    typeQuery(L"zqtask pair");
    closeListedTasks(tasks());
    EXPECT_TRUE(pumpUntil([&] { return allGone({a, b}); }));
    EXPECT_TRUE(IsWindow(c));
    typeQuery(L"zqtask single");
    const auto started = std::chrono::steady_clock::now();
    startDelayedClose(tasks());
    pumpPending();
    EXPECT_TRUE(IsWindow(c));
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(c); }));
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(900));
}

TEST_F(TaskViewTest, TaskZeroShowActivatesTheLoneMatchASecondLater) {
    startWith({L"taskZeroShow=1"});
    TestWindows windows;
    windows.create(L"zqtask alpha");
    const HWND beta = windows.create(L"zqtask beta");
    windows.create(L"zqtask gamma");
    const auto started = std::chrono::steady_clock::now();
    typeQuery(L"zqtask beta");
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(window()); }, std::chrono::seconds(4)));
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(900));
    EXPECT_EQ(GetForegroundWindow(), beta);
}

TEST_F(TaskViewTest, TaskZeroShowWaitsWhileTheUserKeepsTyping) {
    startWith({L"taskZeroShow=1"});
    TestWindows windows;
    windows.create(L"zqtask alpha");
    windows.create(L"zqtask beta");
    typeQuery(L"zqtask beta");
    // Keys pressed during the second keep the launcher up.
    pumpUntil([] { ++activityCounter; return false; }, std::chrono::milliseconds(1600));
    EXPECT_TRUE(IsWindowVisible(window()));
}

TEST_F(TaskViewTest, RowsPastTheTwentiethGetTheirOwnIconsWhenScrolledTo) {
    startLauncher();
    TestWindows windows;
    for (int i = 1; i <= 25; ++i) windows.create(L"zqtask icon" + std::to_wstring(i));
    typeQuery(L"zqtask icon");
    ASSERT_EQ(rows().size(), 25u);
    const HIMAGELIST images = mw().controller->itemView->display.icons.imageList;
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ListView_GetImageList(mw().itemView, LVSIL_SMALL), images);
    const auto question = iconPixels(LoadIconW(nullptr, IDI_QUESTION));
    const auto own = iconPixels(TestWindows::classIcon());
    ASSERT_NE(question, own);
    ListView_EnsureVisible(mw().itemView, 24, FALSE);
    pumpPending();
    for (int i = 0; i < 25; ++i) EXPECT_EQ(imagePixels(images, itemImage(mw().itemView, i)), own) << "row " << i + 1;
}
