#include "launcher_fixture_win.h"
#include "test_windows_win.h"

#include "common/controls_win.h"
#include "launcher/data/config_store.h"
#include "launcher/folders/folder_listing_win.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/input/launch_request.h"
#include "launcher/input/view_state_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/tasks/task_view_state_win.h"

namespace {

std::wstring testFolder() {
    return exeFolder() + L"\\zqfolder";
}

void writeFile(const std::wstring& path) {
    ASSERT_TRUE(writeTextLines(path, {L"x"}));
}

// Sub-folders b and a, files z.txt, c.txt and a hidden h.txt, made out of order.
void makeTestFolder() {
    const std::wstring folder = testFolder();
    for (const wchar_t* name : {L"\\z.txt", L"\\c.txt", L"\\h.txt"}) {
        SetFileAttributesW((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW((folder + name).c_str());
    }
    RemoveDirectoryW((folder + L"\\b").c_str());
    RemoveDirectoryW((folder + L"\\a").c_str());
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\b").c_str(), nullptr);
    writeFile(folder + L"\\z.txt");
    CreateDirectoryW((folder + L"\\a").c_str(), nullptr);
    writeFile(folder + L"\\c.txt");
    writeFile(folder + L"\\h.txt");
    SetFileAttributesW((folder + L"\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
}

template <typename Entries>
std::vector<std::wstring> namesOf(const Entries& entries) {
    std::vector<std::wstring> names;
    for (const ItemEntry& entry : entries) names.push_back(entry.name);
    return names;
}

} // namespace

TEST(FolderListingTest, FoldersFirstInNameOrderWithOneSeparator) {
    makeTestFolder();
    const std::vector<ItemEntry> entries = listFolder(testFolder());
    EXPECT_EQ(namesOf(entries), (std::vector<std::wstring>{L"a", L"b", L"c.txt", L"h.txt", L"z.txt"}));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_TRUE(entries[0].isFolder && entries[1].isFolder);
    EXPECT_FALSE(entries[2].isFolder || entries[3].isFolder || entries[4].isFolder);
    EXPECT_EQ(entries[0].path, testFolder() + L"\\a");
    EXPECT_EQ(entries[4].path, testFolder() + L"\\z.txt");

    const std::vector<ItemEntry> withSeparator = listFolder(testFolder() + L"\\");
    ASSERT_EQ(withSeparator.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(withSeparator[i].path, entries[i].path);
}

TEST(FolderListingTest, AFolderThatCannotBeListedGivesNothing) {
    EXPECT_TRUE(listFolder(exeFolder() + L"\\zq-no-such-folder").empty());
    EXPECT_TRUE(listFolder(L"Q:\\zq\\missing\\drive").empty());
    makeTestFolder();
    EXPECT_TRUE(listFolder(testFolder() + L"\\c.txt").empty()); // a file, not a folder
    EXPECT_TRUE(listFolder(testFolder() + L"\\a").empty());     // an empty folder
}

using FolderViewTest = LauncherWindowTest;

TEST_F(FolderViewTest, TypingFiltersTheEntriesByNameAndEscapeReturnsToTheTasks) {
    makeTestFolder();
    startLauncher();
    ViewState& view = *mw().controller->view;
    TaskViewState& tasks = *mw().controller->taskView;
    tasks.refreshPeriodMs = 50;
    TestWindows windows;
    windows.create(L"zqtask behind the folder");

    view.changeFolder(testFolder());
    EXPECT_FALSE(tasks.taskViewActive);
    EXPECT_EQ(windowText(mw().statusLine), testFolder());
    view.allFolderEntries = listFolder(testFolder());
    view.filterFolderEntries(L"");
    EXPECT_EQ(itemViewTexts(mw().itemView),
              (std::vector<std::wstring>{L"1.a", L"2.b", L"3.c.txt", L"4.h.txt", L"5.z.txt"}));
    view.filterFolderEntries(L"txt");
    EXPECT_EQ(itemViewTexts(mw().itemView), (std::vector<std::wstring>{L"1.c.txt", L"2.h.txt", L"3.z.txt"}));
    EXPECT_EQ(namesOf(view.folderEntries), (std::vector<std::wstring>{L"c.txt", L"h.txt", L"z.txt"}));
    view.filterFolderEntries(L"^txt");
    EXPECT_EQ(itemViewTexts(mw().itemView), (std::vector<std::wstring>{L"1.a", L"2.b"}));
    // Folder rows get the shell's folder icon, file rows a file icon.
    view.filterFolderEntries(L"");
    const HIMAGELIST images = mw().controller->itemView->display.icons.imageList;
    const auto rowPixels = [&](int row) { return imagePixels(images, itemImage(mw().itemView, row)); };
    EXPECT_EQ(rowPixels(0), rowPixels(1));
    EXPECT_NE(rowPixels(0), rowPixels(2));
    EXPECT_NE(rowPixels(2), iconPixels(LoadIconW(nullptr, IDI_QUESTION)));

    // Back to the tasks: the refresh thread fills the view again.
    view.changeFolder(L"");
    EXPECT_TRUE(tasks.taskViewActive);
    EXPECT_TRUE(view.folderEntries.empty());
    EXPECT_TRUE(windowText(mw().statusLine).empty());
    EXPECT_TRUE(pumpUntil([&] {
        for (const std::wstring& row : itemViewTexts(mw().itemView))
            if (row.find(L"zqtask behind the folder") != std::wstring::npos) return true;
        return false;
    }));
}

TEST_F(FolderViewTest, KanaMatchFindsEntriesByWidthAndReading) {
    startLauncher({L"[setting]", L"kanaMatch=1", L"[hotkey]", L"hotkey=122", L"hotkey2=7"});
    ViewState& view = *mw().controller->view;
    view.changeFolder(testFolder());
    view.allFolderEntries.enterFolder(testFolder());
    view.allFolderEntries.add(L"ダウンロード", true);
    view.allFolderEntries.add(L"ＲＥＡＤＭＥ.txt", false);
    view.allFolderEntries.add(L"ﾃﾞｰﾀ.csv", false);
    for (const auto& [query, name] : {std::pair{L"readme", L"ＲＥＡＤＭＥ.txt"}, {L"daunro-do", L"ダウンロード"}, {L"でーた", L"ﾃﾞｰﾀ.csv"}}) {
        view.filterFolderEntries(query);
        EXPECT_EQ(namesOf(view.folderEntries), (std::vector<std::wstring>{name})) << query;
    }
}

TEST_F(FolderViewTest, ChoosingAFolderBrowsesItAndEscapeReturnsToTheTasks) {
    makeTestFolder();
    startLauncher();
    Controller& controller = *mw().controller;
    TestWindows windows;
    windows.create(L"zqtask waiting");

    LaunchRequest request;
    request.owner = &controller;
    request.target = testFolder() + L"\\";
    controller.dispatchRequest(request);
    ASSERT_TRUE(pumpUntilAnswered());
    EXPECT_EQ(itemViewTexts(mw().itemView),
              (std::vector<std::wstring>{L"1.a", L"2.b", L"3.c.txt", L"4.h.txt", L"5.z.txt"}));
    EXPECT_EQ(controller.view->folderEntries[2].path, testFolder() + L"\\c.txt");
    EXPECT_EQ(GetFocus(), mw().itemView);

    // Typing narrows the entries through the input line.
    SetWindowTextW(mw().inputLine, L"TXT");
    EXPECT_EQ(itemViewTexts(mw().itemView), (std::vector<std::wstring>{L"1.c.txt", L"2.h.txt", L"3.z.txt"}));

    // An empty sub-folder shows no rows and leaves the focus in the input line.
    LaunchRequest sub;
    sub.owner = &controller;
    sub.target = testFolder() + L"\\a";
    controller.dispatchRequest(sub);
    ASSERT_TRUE(pumpUntilAnswered());
    EXPECT_EQ(windowText(mw().statusLine), testFolder() + L"\\a");
    EXPECT_TRUE(itemViewTexts(mw().itemView).empty());
    EXPECT_EQ(GetFocus(), mw().inputLine);

    // Escape on an empty input line goes back to the tasks.
    SetFocus(mw().inputLine);
    SetWindowTextW(mw().inputLine, L"");
    SendMessageW(mw().inputLine, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(controller.view->shownFolder.empty());
    EXPECT_TRUE(pumpUntil([&] {
        for (const std::wstring& row : itemViewTexts(mw().itemView))
            if (row.find(L"zqtask waiting") != std::wstring::npos) return true;
        return false;
    }));

    // Keys typed before the answer is taken become the folder's query.
    controller.dispatchRequest(request);
    SendMessageW(mw().inputLine, WM_CHAR, L'z', 0);
    ASSERT_TRUE(pumpUntilAnswered());
    EXPECT_EQ(windowText(mw().inputLine), L"z");
    EXPECT_EQ(itemViewTexts(mw().itemView), (std::vector<std::wstring>{L"1.z.txt"}));
    EXPECT_EQ(GetFocus(), mw().inputLine);
}

TEST_F(FolderViewTest, ShownAgainWhileBrowsingTheRowsStayTheFolderAndDigitsOpenThem) {
    makeTestFolder();
    startLauncher();
    Controller& controller = *mw().controller;
    TestWindows windows;
    windows.create(L"zqtask while browsing");
    LaunchRequest request;
    request.owner = &controller;
    request.target = testFolder();
    controller.dispatchRequest(request);
    ASSERT_TRUE(pumpUntilAnswered());

    // The show hotkey, the notification icon and "txt " all show the launcher
    // this way; the task refresh that follows must not paint the windows.
    showLauncher(mw());
    SendMessageW(window(), WM_TASKS_CHANGED, 0, 0);
    EXPECT_EQ(windowText(mw().statusLine), testFolder());
    EXPECT_EQ(ListView_GetBkColor(mw().itemView), mw().config->colourOf(L"viewFile"));
    EXPECT_EQ(itemViewTexts(mw().itemView),
              (std::vector<std::wstring>{L"1.a", L"2.b", L"3.c.txt", L"4.h.txt", L"5.z.txt"}));
    SetFocus(mw().inputLine);
    SendMessageW(mw().inputLine, WM_CHAR, L'2', 0);
    ASSERT_TRUE(pumpUntilAnswered());
    EXPECT_EQ(windowText(mw().statusLine), testFolder() + L"\\b");
}

TEST_F(FolderViewTest, AFolderBrowsedAtExitIsListedAtStartAndAVanishedOneGivesTheTasks) {
    makeTestFolder();
    for (const std::wstring& folder : {testFolder(), testFolder() + L"\\gone"}) {
        removeDataFiles();
        writeConfigFile(L"config.ini", {L"x=10", L"y=10", L"h=400", L"w=500", L"l=" + folder, L"t=txt", L"m=0"});
        startLauncherKeepingFiles();
        ASSERT_TRUE(pumpUntilAnswered());
        const bool exists = folder == testFolder();
        EXPECT_EQ(windowText(mw().statusLine), exists ? folder : L"");
        if (exists) {
            EXPECT_EQ(itemViewTexts(mw().itemView), (std::vector<std::wstring>{L"1.c.txt", L"2.h.txt", L"3.z.txt"}));
        }
        EXPECT_EQ(mw().controller->taskView->taskViewActive, !exists);
        EXPECT_TRUE(pumpUntil([&] { return GetFocus() == mw().inputLine; }));
        closeLauncher();
    }
}
