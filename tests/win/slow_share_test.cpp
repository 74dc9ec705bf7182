// The launcher over a share that waits at every access, as a distant or
// offline one does: the window takes keys at once whatever the share does,
// and each result shows when it is ready. One table, a row per scenario.
#include "launcher_driver.h"
#include "seam_guards_win.h"
#include "test_windows_win.h"
#include "tests/support/slow_share_win.h"
#include "tests/support/test_support_win.h"

#include "common/scoped_win.h"
#include "launcher/folders/folder_entries.h"
#include "launcher/input/loading_note_win.h"

#include <gtest/gtest.h>

#include <optional>

using namespace driver;

namespace {

// A folder on the share of count files and the others named, written while the share is quick.
std::wstring shareFolder(const std::wstring& name, int count, const Texts& others = {}) {
    const std::wstring folder = slowShareRoot() + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    emptyFolder(folder);
    for (int i = 0; i < count; ++i) writeTextLines(folder + L"\\memo" + std::to_wstring(10 + i) + L".txt", {L"x"});
    for (const std::wstring& file : others) writeTextLines(folder + L"\\" + file, {L"x"});
    return folder;
}

bool loadingNoteShown() {
    const HWND note = FindWindowExW(mainWindow().itemView, nullptr, L"Static", loadingNoteText);
    return note && IsWindowVisible(note);
}

std::wstring statusText() {
    return windowText(mainWindow().statusLine);
}

// The launcher as built, a program with an icon of its own.
std::wstring launcherProgram() { return exeFolder() + L"\\..\\dist\\Halvorunde.exe"; }

// The trash's files folder made a file, so that the bin cannot take
// anything; put back as it was afterwards.
struct TrashUnusable {
    std::wstring files = recycleBinFolder() + L"\\files", aside = files + L"-aside";
    TrashUnusable() {
        CreateDirectoryW(recycleBinFolder().c_str(), nullptr);
        MoveFileW(files.c_str(), aside.c_str());
        writeTextLines(files, {L"not a folder"});
    }
    ~TrashUnusable() {
        DeleteFileW(files.c_str());
        MoveFileW(aside.c_str(), files.c_str());
    }
};

} // namespace

struct SlowShareScenario;

// What a row's steps share: the path it works on and what catches its launches.
class SlowShare : public InputWindowTest, public testing::WithParamInterface<SlowShareScenario> {
public:
    std::wstring path;
    std::optional<ShellCatcher> shell;
    std::optional<RecordedLaunches> launches;
    using InputWindowTest::openWith;
    using LauncherWindowTest::startLauncherKeepingFiles;

    // The window open with the folder made by the row typed in the input line.
    void openTyping(const std::wstring& folder) {
        path = folder;
        openWith({});
        type(folder);
    }
    // Enter on the typed folder: the status line shows it as soon as the share has said it is a folder.
    void enter() {
        pressKeys({VK_RETURN});
        ASSERT_TRUE(waitFor([&] { return statusText() == path; }, 30000));
    }
};

// A row: the setup, made while the share is quick; the action, while every
// access waits the row's seconds, in which the window must answer; and what
// must be seen once the share is quick again and the work it held is done.
struct SlowShareScenario {
    const char* name;
    double wait;
    void (*setup)(SlowShare& test);
    void (*action)(SlowShare& test);
    void (*seen)(SlowShare& test);
};

const SlowShareScenario slowShareScenarios[] = {
    {"EnterOnAFolderShowsItAtOnceAndItsEntriesFilteredByWhatWasTypedMeanwhile", 2.0,
     [](SlowShare& test) { test.openTyping(shareFolder(L"thirty", 29, {L"report.txt"})); },
     [](SlowShare& test) {
         ASSERT_NO_FATAL_FAILURE(test.enter());
         EXPECT_TRUE(loadingNoteShown());
         EXPECT_TRUE(itemViewTexts(mainWindow().itemView).empty());
         typeText(L"rep");
         ASSERT_TRUE(waitFor([] { return inputText() == L"rep"; }));
         EXPECT_TRUE(view().folderRequests.loading()); // 30 entries at 2 s an access are far from read
     },
     [](SlowShare&) {
         EXPECT_EQ(itemViewTexts(mainWindow().itemView), (Texts{L"1.report.txt"}));
         EXPECT_FALSE(loadingNoteShown());
         EXPECT_EQ(GetFocus(), mainWindow().inputLine);
     }},
    {"EscapeLeavesAFolderStillLoadingAndItsLateAnswerIsDropped", 2.0,
     [](SlowShare& test) { test.openTyping(shareFolder(L"left", 30)); },
     [](SlowShare& test) {
         ASSERT_NO_FATAL_FAILURE(test.enter());
         pressKeys({VK_ESCAPE});
         ASSERT_TRUE(waitFor([] { return view().shownFolder.empty(); }));
     },
     [](SlowShare&) {
         EXPECT_EQ(statusText(), L"");
         EXPECT_TRUE(controller().taskView->taskViewActive);
         EXPECT_FALSE(loadingNoteShown());
         EXPECT_TRUE(IsWindowVisible(mainWindow().window));
     }},
    {"TheFolderBrowsedAtExitIsListedOnceTheWindowIsUp", 2.0,
     [](SlowShare& test) { test.path = shareFolder(L"restored", 2, {L"a.txt"}); },
     [](SlowShare& test) {
         // Started as after an exit that left the folder browsed and the text typed.
         writeConfigFile(L"config.ini", {L"x=10", L"y=10", L"h=400", L"w=500", L"l=" + test.path, L"t=a.txt", L"m=0"});
         test.startLauncherKeepingFiles();
         EXPECT_TRUE(IsWindowVisible(mainWindow().window));
         EXPECT_EQ(statusText(), test.path);
         EXPECT_TRUE(loadingNoteShown());
     },
     [](SlowShare&) { EXPECT_EQ(itemViewTexts(mainWindow().itemView), (Texts{L"1.a.txt"})); }},
    {"CtrlSpaceWhereTheBinCannotTakeAFileLetsTheShellAskAndListsAgainAfterThePause", 1.0,
     [](SlowShare& test) {
         // The trash is the Unix user's: broken only where scripts/test gave this run its own.
         if (!GetEnvironmentVariableW(L"XDG_DATA_HOME", nullptr, 0)) GTEST_SKIP() << "no trash of this run's own";
         test.openTyping(shareFolder(L"nuke", 1));
         press(VK_RETURN);
         ASSERT_EQ(listedNames(), (Texts{L"memo10.txt"}));
     },
     [](SlowShare&) {
         const TrashUnusable trash;
         const DeletionAnswers yes([](const std::wstring&) { return IDYES; });
         pressKeys({VK_SPACE}, {VK_CONTROL});
         HWND question = nullptr;
         ASSERT_TRUE(waitFor([&] { return (question = FindWindowW(L"#32770", nullptr)) != nullptr; }, 30000));
         EXPECT_NE(GetWindowThreadProcessId(question, nullptr), GetCurrentThreadId()); // asked on the worker
         PostMessageW(question, WM_COMMAND, IDNO, 0);
         ASSERT_TRUE(waitFor([] { return view().idle; }, 30000));
     },
     [](SlowShare& test) {
         // Listed again after the pause, with what came meanwhile.
         EXPECT_FALSE(view().relistFolder.empty());
         writeTextLines(test.path + L"\\new.tmp", {L"x"});
         ASSERT_TRUE(waitFor([] { return view().relistFolder.empty() && workOnItsWay() == 0; }, 30000));
         EXPECT_EQ(listedNames(), (Texts{L"memo10.txt", L"new.tmp"}));
     }},
    {"AProgramOnTheShareHidesTheWindowAtOnceAndStartsBehindIt", 1.0,
     [](SlowShare& test) {
         test.path = slowShareRoot() + L"\\zq-slow-launch.exe";
         ASSERT_TRUE(CopyFileW(recorder().c_str(), test.path.c_str(), FALSE));
         test.openWith({});
         test.launches.emplace();
     },
     [](SlowShare& test) {
         SetWindowTextW(mainWindow().inputLine, test.path.c_str());
         pressKeys({VK_RETURN});
         ASSERT_TRUE(waitFor(launcherHidden));
         EXPECT_EQ(theData->historyList.front(), test.path);
         // The show hotkey's way back, while the program is still being started.
         PostMessageW(mainWindow().window, WM_TRAYICON, 0, 0);
         EXPECT_TRUE(waitFor([] { return !launcherHidden(); }));
         EXPECT_GT(workOnItsWay(), 0) << "the shell call ran on the window's thread";
     },
     [](SlowShare& test) { EXPECT_EQ(test.launches->waitForLines(1).size(), 1u); }},
    {"TheHistorySavedIntoAProgramFolderOnTheShareLeavesTheWindowAnswering", 0.7,
     [](SlowShare& test) {
         const std::wstring folder = shareFolder(L"history-writes", 0);
         ASSERT_TRUE(writeTextLines(folder + L"\\history.txt", {L"older"}));
         test.openWith({L"older"});
         theData->historyPath = folder + L"\\history.txt";
         theData->monthPath = folder + L"\\202612.txt";
         test.shell.emplace();
     },
     [](SlowShare&) {
         type(L"new");
         pressKeys({VK_RETURN});
         ASSERT_TRUE(waitFor(launcherHidden));
         // Back, and taking keys, while the history is still on its way to the share.
         showLauncher(mainWindow());
         typeText(L"k");
         EXPECT_TRUE(waitFor([] { return inputText() == L"k"; }));
         EXPECT_GT(workOnItsWay(), 0);
     },
     [](SlowShare& test) {
         EXPECT_EQ(test.shell->opened(), (Texts{L"new"}));
         EXPECT_EQ(readTextLines(theData->historyPath), (Texts{L"new", L"older"}));
         EXPECT_EQ(readTextLines(theData->monthPath), (Texts{L"new", L"older"}));
     }},
    {"AProgramOnTheShareShowsTheGenericIconUntilItsOwnIsRead", 0.5,
     [](SlowShare& test) {
         test.path = slowShareRoot() + L"\\zqicon.exe";
         ASSERT_TRUE(CopyFileW(launcherProgram().c_str(), test.path.c_str(), FALSE));
         test.openWith({});
     },
     [](SlowShare& test) {
         HICON small = nullptr;
         ExtractIconExW(launcherProgram().c_str(), 0, nullptr, &small, 1);
         const ScopedIcon own(small);
         const ItemEntry program = makeFolderEntry(slowShareRoot(), L"zqicon.exe", false);
         ASSERT_NE(freshPixels(program), iconPixels(own.get()));
         controller().taskView->setTaskViewActive(false);
         view().allFolderEntries = std::vector<ItemEntry>{program};
         view().filterFolderEntries(L"");
         const HIMAGELIST images = controller().itemView->display.icons.imageList;
         const auto rowIcon = [&] { return imagePixels(images, itemImage(mainWindow().itemView, 0)); };
         EXPECT_EQ(rowIcon(), freshPixels(program));
         EXPECT_TRUE(waitFor([&] { return rowIcon() == iconPixels(own.get()); }, 30000));
     },
     [](SlowShare&) {}},
};

TEST_P(SlowShare, WindowAnswersWhileTheShareWaits) {
    if (slowShareRoot().empty()) GTEST_SKIP() << "no slow share mounted";
    const SlowShareScenario& row = GetParam();
    row.setup(*this);
    if (IsSkipped() || HasFatalFailure()) return;
    {
        const SlowShareWait wait(row.wait);
        row.action(*this);
    }
    if (HasFatalFailure()) return;
    ASSERT_TRUE(waitFor([] { return workOnItsWay() == 0; }, 30000));
    row.seen(*this);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SlowShare, testing::ValuesIn(slowShareScenarios),
                         [](const testing::TestParamInfo<SlowShareScenario>& info) { return std::string(info.param.name); });
