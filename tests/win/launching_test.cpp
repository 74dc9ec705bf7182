// Launching from the real window: the shell opens a recording stand-in
// program, shortcuts and tools supply the program, Ctrl opens folders.
#include "launcher_driver.h"
#include "seam_guards_win.h"

#include "common/controls_win.h"
#include "common/file_writer_win.h"
#include "common/folders_win.h"
#include "common/text_files_win.h"
#include "launcher/input/shell_open_win.h"
#include "tests/support/test_support_win.h"

#include <gtest/gtest.h>

#include <new>
#include <thread>

using namespace driver;

class Launching : public InputWindowTest {};

namespace {

bool endsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST_F(Launching, EnterOnAProgramPathStartsItRecordsTheTextFirstAndHides) {
    openWith({L"older"});
    RecordedLaunches launches;
    type(recorder());
    press(VK_RETURN);
    const Texts lines = launches.waitForLines(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(L"record_args.exe"), std::wstring::npos);
    EXPECT_TRUE(launcherHidden());
    EXPECT_EQ(inputText(), L"");
    EXPECT_EQ(readTextLines(theData->historyPath), (Texts{recorder(), L"older"}));
    EXPECT_EQ(readTextLines(theData->monthPath), (Texts{recorder(), L"older"}));
}

TEST_F(Launching, TheWindowHidesAndRecordsAtOnceAndTheShellOpensBehindItInOrder) {
    openWith({});
    ShellCatcher shell;
    shell.holdLaunches();
    for (const std::wstring text : {L"zq-first", L"zq-second"}) {
        showLauncher(mainWindow());
        ASSERT_TRUE(waitFor([] { return GetFocus() == mainWindow().inputLine; }));
        SetWindowTextW(mainWindow().inputLine, text.c_str());
        pressKeys({VK_RETURN}); // no settle: the launch is held
        ASSERT_TRUE(waitFor(launcherHidden));
        EXPECT_EQ(inputText(), L"");
        EXPECT_EQ(theData->historyList.front(), text);
    }
    EXPECT_TRUE(shell.opened().empty());
    shell.letLaunchesGo();
    settle();
    EXPECT_EQ(shell.opened(), (Texts{L"zq-first", L"zq-second"}));
}

TEST_F(Launching, AHistoryFileHeldGetsTheTextOnceReleasedAndAReadOnlyOneIsSaidOnce) {
    openWith({L"older"});
    ASSERT_TRUE(writeTextLines(theData->historyPath, {L"older"}));
    const HANDLE held = holdWithoutSharing(theData->historyPath);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    MessageBoxAnswerer refusals(saveFailedCaption);
    RecordedLaunches launches;
    type(recorder());
    press(VK_RETURN);
    launches.waitForLines(1);
    EXPECT_EQ(readTextLines(theData->monthPath), (Texts{recorder(), L"older"}));
    EXPECT_TRUE(refusals.texts().empty()); // held is no refusal
    CloseHandle(held);
    EXPECT_TRUE(pumpUntil([&] { return readTextLines(theData->historyPath) == Texts{recorder(), L"older"}; }));

    // Read-only: said once, naming the file, however often it refuses; what it
    // should hold is written at the exit once it can be.
    SetFileAttributesW(theData->historyPath.c_str(), FILE_ATTRIBUTE_READONLY);
    ShellCatcher shell;
    for (const wchar_t* text : {L"one", L"two"}) {
        showLauncher(mainWindow());
        type(text);
        press(VK_RETURN);
    }
    EXPECT_EQ(shell.opened().size(), 2u);
    const Texts told = refusals.texts();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].rfind(L"history.txtを保存できませんでした。\n" + theData->historyPath, 0), 0u);
    EXPECT_EQ(readTextLines(theData->historyPath), (Texts{recorder(), L"older"}));
    EXPECT_EQ(readTextLines(theData->monthPath), (Texts{L"two", L"one", recorder(), L"older"}));
    SetFileAttributesW(theData->historyPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    closeLauncher();
    EXPECT_EQ(readTextLines(theData->historyPath), (Texts{L"two", L"one", recorder(), L"older"}));
}

TEST_F(Launching, ShortcutRowSuppliesTheProgramAndTheRestOfTheTextAsParameters) {
    openWith({});
    theData->shortcutRows = {{L"mk", recorder()}};
    RecordedLaunches launches;
    type(L"mk hello");
    press(VK_RETURN);
    const Texts lines = launches.waitForLines(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(endsWith(lines[0], L" hello")) << std::string(lines[0].begin(), lines[0].end());
    EXPECT_EQ(theData->historyList, (Texts{L"mk hello"}));
    EXPECT_EQ(readTextLines(theData->historyPath), (Texts{L"mk hello"}));
    EXPECT_TRUE(launcherHidden());
}

TEST_F(Launching, F6PassesTheCandidateToTheConfiguredTool) {
    openWith({L"C:\\notes\\todo list.txt", L"other"});
    auto settings = std::make_shared<SettingsSnapshot>(*theConfig->settings());
    settings->settingsMap[L"F6"] = recorder();
    theConfig->replaceSettings(settings);
    RecordedLaunches launches;
    press(VK_UP);
    ASSERT_TRUE(waitFor([] { return GetFocus() == mainWindow().candidateList; }));
    press(VK_DOWN); // wraps from the last row to the first
    press(VK_F7);   // not configured: nothing
    press(VK_F6);
    const Texts lines = launches.waitForLines(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(endsWith(lines[0], L" C:\\notes\\todo list.txt"));
    EXPECT_EQ(theData->historyList.front(), L"C:\\notes\\todo list.txt");
    EXPECT_TRUE(launcherHidden());
}

TEST_F(Launching, CtrlEnterOpensTheFolderThatHoldsAFileAndIgnoresMissingFolders) {
    const std::wstring folder = scratchFolder(L"ctrl");
    openWith({});
    ShellCatcher shell;
    type(L"Q:\\no such folder\\x.txt");
    press(VK_RETURN, {VK_CONTROL});
    EXPECT_TRUE(shell.opened().empty());
    EXPECT_FALSE(launcherHidden());
    EXPECT_EQ(inputText(), L"Q:\\no such folder\\x.txt");

    SetWindowTextW(mainWindow().inputLine, (folder + L"\\file.txt").c_str());
    press(VK_RETURN, {VK_CONTROL});
    EXPECT_EQ(shell.opened(), (Texts{folder}));
    EXPECT_TRUE(launcherHidden());
    EXPECT_EQ(theData->historyList.front(), folder);
}

TEST_F(Launching, EnterOnAFolderBrowsesItAndTypedTextPicksTheFirstListedEntry) {
    const std::wstring folder = scratchFolder(L"browse");
    openWith({});
    ShellCatcher shell;
    type(folder);
    press(VK_RETURN);
    EXPECT_EQ(view().shownFolder, folder);
    EXPECT_EQ(windowText(mainWindow().statusLine), folder);
    EXPECT_EQ(inputText(), L"");
    EXPECT_TRUE(shell.opened().empty());
    EXPECT_FALSE(launcherHidden());

    // Entries as the folder listing provides them.
    for (const wchar_t* name : {L"report.txt", L"readme.md", L"zeta.txt"}) {
        ItemEntry entry;
        entry.path = folder + L"\\" + name;
        entry.name = name;
        entry.lowerName = name;
        view().allFolderEntries.push_back(entry);
    }
    view().filterFolderEntries(L"");
    type(L"re ^read");
    ASSERT_EQ(view().folderEntries.size(), 1u);
    press(VK_RETURN);
    EXPECT_EQ(shell.opened(), (Texts{folder + L"\\report.txt"}));
    EXPECT_TRUE(launcherHidden());
}

TEST_F(Launching, CtrlSpaceInAFolderMovesTheListedFilesToTheRecycleBinOnlyWhenConfirmed) {
    const std::wstring folder = scratchFolder(L"delete");
    openWith({});
    ShellCatcher shell;
    // The recycle bin is shared with every other run: names of this run only.
    const std::wstring tag = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount());
    const std::wstring a = tag + L"a.tmp", b = tag + L"b.tmp", keep = L"keep.txt", sub = L"sub.tmp";
    for (const std::wstring& name : {a, b, keep}) writeTextLines(folder + L"\\" + name, {L"x"});
    CreateDirectoryW((folder + L"\\" + sub).c_str(), nullptr);
    const auto openWithEntries = [&] {
        view().changeFolder(folder);
        view().allFolderEntries.clear();
        for (const std::wstring& name : {a, b, keep, sub}) {
            ItemEntry entry;
            entry.path = folder + L"\\" + name;
            entry.name = name;
            entry.lowerName = name;
            entry.isFolder = name == sub;
            view().allFolderEntries.push_back(entry);
        }
        view().filterFolderEntries(L"");
        SetFocus(mainWindow().inputLine);
    };
    // Answers the confirmation from another thread, as a user would; the
    // listed folder is not counted.
    const auto answerWith = [](int button) {
        return std::thread([button] {
            for (int i = 0; i < 500; ++i) {
                if (const HWND box = FindWindowW(L"#32770", L"確認")) {
                    wchar_t text[100] = {};
                    GetDlgItemTextW(box, 0xFFFF, text, 100);
                    if (wcscmp(text, L"2ファイルを削除しますか？") != 0) return;
                    PostMessageW(box, WM_COMMAND, button, 0);
                    return;
                }
                Sleep(10);
            }
        });
    };
    const auto fileExists = [](const std::wstring& path) {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    const auto listed = [&](const std::wstring& name) { return fileExists(folder + L"\\" + name); };

    openWithEntries();
    type(L"tmp");
    ASSERT_EQ(view().folderEntries.size(), 3u);
    std::thread no = answerWith(IDNO);
    press(VK_SPACE, {VK_CONTROL});
    no.join();
    EXPECT_TRUE(listed(a));
    EXPECT_TRUE(listed(b));
    EXPECT_TRUE(view().idle);
    EXPECT_FALSE(launcherHidden());

    openWithEntries();
    type(L"tmp");
    std::thread yes = answerWith(IDYES);
    press(VK_SPACE, {VK_CONTROL});
    yes.join();
    EXPECT_FALSE(listed(a));
    EXPECT_FALSE(listed(b));
    EXPECT_TRUE(listed(keep));
    EXPECT_TRUE(listed(sub)); // folders stay
    // Wine's recycle bin is the desktop trash of the Unix user.
    const std::wstring trash = recycleBinFolder();
    for (const std::wstring& name : {a, b}) {
        EXPECT_TRUE(fileExists(trash + L"\\files\\" + name)) << "in the recycle bin: " << name;
        DeleteFileW((trash + L"\\files\\" + name).c_str());
        DeleteFileW((trash + L"\\info\\" + name + L".trashinfo").c_str());
    }
    EXPECT_TRUE(view().idle);
    // Browsed again after the pause.
    ASSERT_TRUE(waitFor([] { return view().relistFolder.empty() && workOnItsWay() == 0; }));
    EXPECT_EQ(view().shownFolder, folder);
    EXPECT_EQ(listedNames(), (Texts{sub, keep}));
    EXPECT_TRUE(shell.opened().empty());

    // Ctrl+Space again while the question is open asks nothing and keeps the listing.
    openWithEntries();
    type(L"tmp");
    int asked = 0;
    std::wstring typedMeanwhile;
    DeletionAnswers answers([&](const std::wstring&) {
        if (++asked == 1) SendMessageW(mainWindow().inputLine, WM_CHAR, L' ', 0); // Ctrl is still down
        typedMeanwhile = inputText();
        return IDNO;
    });
    press(VK_SPACE, {VK_CONTROL});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(typedMeanwhile, L"tmp");
    EXPECT_TRUE(view().idle);
    openWithEntries(); // a question that fails for want of memory gives idle back too
    answers.replace([](const std::wstring&) -> int { throw std::bad_alloc(); });
    press(VK_SPACE, {VK_CONTROL});
    EXPECT_TRUE(view().idle);
}

TEST_F(Launching, ToolKeysOnFolderEntriesAndBackspaceOnACandidate) {
    const std::wstring folder = scratchFolder(L"tools");
    openWith({L"C:\\a\\b\\c.txt"});
    auto settings = std::make_shared<SettingsSnapshot>(*theConfig->settings());
    settings->settingsMap[L"F9"] = L"viewer.exe";
    theConfig->replaceSettings(settings);
    ShellCatcher shell;

    // Backspace on a candidate puts its folder into the input line.
    press(VK_UP);
    ASSERT_TRUE(waitFor([] { return GetFocus() == mainWindow().candidateList; }));
    press(VK_BACK);
    EXPECT_EQ(inputText(), L"C:\\a\\b");
    EXPECT_EQ(GetFocus(), mainWindow().inputLine);
    press(VK_ESCAPE);

    // F9 in the task view does nothing; on a folder entry it starts the tool.
    const std::vector<HWND> tasks = makeTaskWindows(1);
    listTasks(tasks, 1);
    press(VK_DOWN);
    press(VK_F9);
    EXPECT_TRUE(shell.opened().empty());
    DestroyWindow(tasks[0]);

    view().changeFolder(folder);
    ItemEntry entry;
    entry.path = folder + L"\\x.txt";
    entry.name = L"x.txt";
    entry.lowerName = L"x.txt";
    view().allFolderEntries = {entry};
    view().filterFolderEntries(L"");
    SetFocus(mainWindow().inputLine);
    press(VK_DOWN);
    ASSERT_TRUE(waitFor([] { return GetFocus() == mainWindow().itemView; }));
    press(VK_F9);
    EXPECT_EQ(shell.opened(), (Texts{L"viewer.exe | " + folder + L"\\x.txt"}));
    EXPECT_TRUE(waitFor(launcherHidden));
}
