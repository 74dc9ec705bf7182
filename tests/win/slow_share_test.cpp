// The launcher over a share that waits at every access, as a distant or
// offline one does: the window takes keys at once whatever the share does,
// and each result shows when it is ready. One table, a row per scenario.
#include "launcher_driver.h"
#include "seam_guards_win.h"
#include "test_windows_win.h"
#include "tests/support/slow_share_win.h"
#include "tests/support/test_support_win.h"

#include "launcher/input/loading_note_win.h"

#include <gtest/gtest.h>

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

// Enter on the typed folder while every access waits 2 s: the status line
// shows it as soon as the share has said it is a folder.
void enterWhileSlow(const std::wstring& folder) {
    type(folder);
    setSlowShareWait(2.0);
    pressKeys({VK_RETURN});
    ASSERT_TRUE(waitFor([&] { return statusText() == folder; }, 30000));
}

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

class SlowShare : public InputWindowTest {
public:
    void open() { openWith({}); }
    // Starts as after an exit that left the folder browsed and the text typed.
    void startBrowsing(const std::wstring& folder, const std::wstring& input) {
        closeLauncher();
        removeDataFiles();
        writeConfigFile(L"config.ini", {L"x=10", L"y=10", L"h=400", L"w=500", L"l=" + folder, L"t=" + input, L"m=0"});
        startLauncherKeepingFiles();
    }
};

struct SlowShareScenario {
    const char* name;
    void (*run)(SlowShare& test);
};

const SlowShareScenario slowShareScenarios[] = {
    {"EnterOnAFolderShowsItAtOnceAndItsEntriesFilteredByWhatWasTypedMeanwhile",
     [](SlowShare& test) {
         const std::wstring folder = shareFolder(L"thirty", 29, {L"report.txt"});
         test.open();
         enterWhileSlow(folder);
         EXPECT_TRUE(loadingNoteShown());
         EXPECT_TRUE(itemViewTexts(mainWindow().itemView).empty());
         typeText(L"rep");
         ASSERT_TRUE(waitFor([] { return inputText() == L"rep"; }));
         EXPECT_TRUE(view().folderRequests.loading()); // 30 entries at 2 s an access are far from read
         setSlowShareWait(0);
         ASSERT_TRUE(waitFor([] { return workOnItsWay() == 0; }, 30000));
         EXPECT_EQ(itemViewTexts(mainWindow().itemView), (Texts{L"1.report.txt"}));
         EXPECT_FALSE(loadingNoteShown());
         EXPECT_EQ(GetFocus(), mainWindow().inputLine);
     }},
    {"EscapeLeavesAFolderStillLoadingAndItsLateAnswerIsDropped",
     [](SlowShare& test) {
         const std::wstring folder = shareFolder(L"left", 30);
         test.open();
         enterWhileSlow(folder);
         pressKeys({VK_ESCAPE});
         ASSERT_TRUE(waitFor([] { return view().shownFolder.empty(); }));
         setSlowShareWait(0);
         ASSERT_TRUE(waitFor([] { return workOnItsWay() == 0; }, 30000));
         EXPECT_EQ(statusText(), L"");
         EXPECT_TRUE(mainWindow().controller->taskView->taskViewActive);
         EXPECT_FALSE(loadingNoteShown());
         EXPECT_TRUE(IsWindowVisible(mainWindow().window));
     }},
    {"TheFolderBrowsedAtExitIsListedOnceTheWindowIsUp",
     [](SlowShare& test) {
         const std::wstring folder = shareFolder(L"restored", 2, {L"a.txt"});
         setSlowShareWait(2.0);
         test.startBrowsing(folder, L"a.txt");
         EXPECT_TRUE(IsWindowVisible(mainWindow().window));
         EXPECT_EQ(statusText(), folder);
         EXPECT_TRUE(loadingNoteShown());
         setSlowShareWait(0);
         ASSERT_TRUE(waitFor([] { return workOnItsWay() == 0; }, 30000));
         EXPECT_EQ(itemViewTexts(mainWindow().itemView), (Texts{L"1.a.txt"}));
     }},
    {"CtrlSpaceWhereTheBinCannotTakeAFileLetsTheShellAskAndListsAgainAfterThePause",
     [](SlowShare& test) {
         // The trash is the Unix user's: broken only where scripts/test gave this run its own.
         if (!GetEnvironmentVariableW(L"XDG_DATA_HOME", nullptr, 0)) GTEST_SKIP() << "no trash of this run's own";
         const std::wstring folder = shareFolder(L"nuke", 1);
         test.open();
         type(folder);
         press(VK_RETURN);
         ASSERT_EQ(listedNames(), (Texts{L"memo10.txt"}));
         const TrashUnusable trash;
         const DeletionAnswers yes([](const std::wstring&) { return IDYES; });
         setSlowShareWait(1.0);
         pressKeys({VK_SPACE}, {VK_CONTROL});
         HWND question = nullptr;
         ASSERT_TRUE(waitFor([&] { return (question = FindWindowW(L"#32770", nullptr)) != nullptr; }, 30000));
         EXPECT_NE(GetWindowThreadProcessId(question, nullptr), GetCurrentThreadId()); // asked on the worker
         PostMessageW(question, WM_COMMAND, IDNO, 0);
         ASSERT_TRUE(waitFor([] { return view().idle; }, 30000));
         // Listed again after the pause, with what came meanwhile.
         setSlowShareWait(0);
         EXPECT_FALSE(view().relistFolder.empty());
         writeTextLines(folder + L"\\new.tmp", {L"x"});
         ASSERT_TRUE(waitFor([] { return view().relistFolder.empty() && workOnItsWay() == 0; }, 30000));
         EXPECT_EQ(listedNames(), (Texts{L"memo10.txt", L"new.tmp"}));
     }},
};

class SlowShareTable : public SlowShare, public testing::WithParamInterface<SlowShareScenario> {
protected:
    void TearDown() override {
        setSlowShareWait(0);
        SlowShare::TearDown();
    }
};

TEST_P(SlowShareTable, WindowAnswersWhileTheShareWaits) {
    if (slowShareRoot().empty()) GTEST_SKIP() << "no slow share mounted";
    GetParam().run(*this);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SlowShareTable, testing::ValuesIn(slowShareScenarios),
                         [](const testing::TestParamInfo<SlowShareScenario>& info) { return std::string(info.param.name); });
