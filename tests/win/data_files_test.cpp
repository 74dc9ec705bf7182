// The stores over real files in the config and history folders beside this executable.
#include "launcher/data/config_store_win.h"
#include "launcher/data/data_store_win.h"
#include "launcher/data/history_store_win.h"
#include "common/folders_win.h"
#include "common/text_files_win.h"
#include "common/work_queue.h"
#include "common/writable_folder_win.h"

#include <windows.h>

#include "tests/support/test_support_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::wstring besideExe(const std::wstring& name) { return exeFolder() + L"\\" + name; }

std::string bytesOf(const std::wstring& path) {
    std::string bytes;
    readFileBytes(path, bytes);
    return bytes;
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring currentMonth() { return formatLocalTime("%Y%m"); }

// What was handed to the writer is on disk (or refused) once this returns.
void finishWrites(FileWriter& writer) { writer.drain(writeRetryAtExit, writeWaitAtExit); }
std::wstring monthBefore() { return periodFileNames(*monthNumber(currentMonth()), 1).back(); }

class DataFiles : public testing::Test {
protected:
    void SetUp() override { clean(); }
    void TearDown() override { clean(); }
    static void clean() {
        removeTree(besideExe(L"config"));
        removeTree(besideExe(L"history"));
    }
    static void config(const std::wstring& name, const std::string& bytes) { writeBytes(configFilePath(name), bytes); }
    static void history(const std::wstring& name, const std::string& bytes) { writeBytes(historyFilePath(name), bytes); }
};

} // namespace

TEST_F(DataFiles, ConfigStoreReadsBothFilesAndKeepsListsWhoseKeyVanishes) {
    config(L"config.txt",
           "[hotkey]\r\nhotkey=65\r\nhotkey2=3\r\n[task]\r\nautoClose=\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3,b\r\n"
           "notShowTask=x\r\n[etc]\r\nstartHide=1 \r\n[color]\r\nlistR=300\r\nlistG=245\r\n");
    config(L"config.ini", "x=-30\ny=10\nh=700\nw=900\nl=C:\\data\nt=abc\nm=3\n");
    std::unique_ptr<ConfigStore> store(createConfigStore());
    EXPECT_EQ(store->windowStateFile, besideExe(L"config\\config.ini"));
    EXPECT_EQ(store->showHotkeyKey, 65u);
    EXPECT_EQ(store->showHotkeyModifiers, 3u);
    EXPECT_EQ(store->x, -30);
    EXPECT_EQ(store->height, 700);
    EXPECT_EQ(store->width, 900);
    EXPECT_EQ(store->statusText, L"C:\\data");
    EXPECT_EQ(store->historyMonths, 3);
    EXPECT_FALSE(store->isOn(L"startHide"));
    EXPECT_EQ(store->colourOf(L"list"), RGB(44, 245, 255));
    EXPECT_EQ(store->autoCloseList(), (TextList{L"メモ帳", L"b"}));

    config(L"config.txt", "[hotkey]\nhotkey=66\n[task]\nautoClose=\nnotShowTask=y\n");
    reloadSettings(*store);
    EXPECT_EQ(store->showHotkeyKey, 66u);
    EXPECT_EQ(store->autoCloseList(), (TextList{L"メモ帳", L"b"}));
    EXPECT_EQ(store->notShowTaskList(), (TextList{L"y"}));
    EXPECT_FALSE(store->hasKey(L"listR"));
    EXPECT_EQ(store->colourOf(L"list"), RGB(255, 255, 255));

    store->x = -8;
    store->historyMonths = 12;
    FileWriter writer;
    saveWindowState(*store, L"", L"\xFF41", writer); // fullwidth a
    finishWrites(writer);
    EXPECT_EQ(bytesOf(store->windowStateFile), "x=-8\ny=10\nh=700\nw=900\nl=\nt=\xEF\xBD\x81\nm=12\n");
}

TEST_F(DataFiles, MissingOrShortFilesGiveDefaults) {
    config(L"config.ini", "x=1\ny=2\nh=3\nw=4\nl=\nt=\n");
    std::unique_ptr<ConfigStore> store(createConfigStore());
    EXPECT_EQ(store->x, 100);
    EXPECT_EQ(store->y, 60);
    EXPECT_EQ(store->width, 800);
    EXPECT_EQ(store->height, 600);
    EXPECT_EQ(store->historyMonths, 0);
    EXPECT_EQ(store->showHotkeyKey, 0u);
    std::unique_ptr<DataStore> data(createDataStore(store.get()));
    EXPECT_TRUE(data->historyList.empty());
    EXPECT_TRUE(data->bookmarkLines.empty());
    EXPECT_TRUE(data->menuRows.empty());
    EXPECT_TRUE(exists(besideExe(L"history")));
}

TEST_F(DataFiles, ListsAreReadAtStartAndAllButHotkeysAgainOnReload) {
    config(L"hotkey.txt", "calc\t65\t3\n");
    config(L"bookmark.txt", "\xEF\xBB\xBF\xE3\x82\xA8\r\n\r\n.exe\r\n"); // with the mark an editor writes
    config(L"menu.txt", "label\t\tcmd.exe\n\n");
    config(L"shortcut.txt", "\n");
    ConfigStore store;
    std::unique_ptr<DataStore> data(createDataStore(&store));
    EXPECT_EQ(data->hotkeyRows, (Table{{L"calc", L"65", L"3"}}));
    EXPECT_EQ(data->bookmarkLines, (TextList{L"エ", L"", L".exe"}));
    EXPECT_EQ(data->menuRows, (Table{{L"label", L"cmd.exe"}}));
    EXPECT_TRUE(data->shortcutRows.empty());

    config(L"hotkey.txt", "");
    config(L"bookmark.txt", "one\n");
    DeleteFileW(configFilePath(L"menu.txt").c_str());
    config(L"shortcut.txt", "np\tnotepad\n");
    reloadLists(*data);
    EXPECT_EQ(data->hotkeyRows.size(), 1u);
    EXPECT_EQ(data->bookmarkLines, (TextList{L"one"}));
    EXPECT_TRUE(data->menuRows.empty());
    EXPECT_EQ(data->shortcutRows, (Table{{L"np", L"notepad"}}));
}

TEST_F(DataFiles, RecordingWritesBothHistoryFilesOnlyForNewTexts) {
    const std::wstring month = currentMonth() + L".txt";
    // Shift-JIS from an older tool: read as code page 932, written back as UTF-8.
    const std::string shiftJis = "first\nsecond\nthird\nsecond\n\x83\x81\x83\x82\x92\xA0\n";
    history(L"history.txt", shiftJis);
    history(month, "first\n");
    ConfigStore store;
    std::unique_ptr<DataStore> data(createDataStore(&store));
    EXPECT_EQ(data->historyList, (TextList{L"first", L"second", L"third", L"メモ帳"}));
    EXPECT_EQ(data->monthPath, besideExe(L"history\\" + month));

    recordLaunch(*data, L"first");
    recordLaunch(*data, L"third");
    finishWrites(data->writer);
    EXPECT_EQ(bytesOf(data->historyPath), shiftJis);         // moved in memory only
    EXPECT_EQ(bytesOf(data->monthPath), "third\nfirst\n"); // new this month

    recordLaunch(*data, L"新しい");
    finishWrites(data->writer);
    EXPECT_EQ(bytesOf(data->historyPath),
              "\xE6\x96\xB0\xE3\x81\x97\xE3\x81\x84\nthird\nfirst\nsecond\n\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3\n");
    EXPECT_EQ(bytesOf(data->monthPath), "\xE6\x96\xB0\xE3\x81\x97\xE3\x81\x84\nthird\nfirst\n");

    deleteHistoryEntry(*data, L"first");
    finishWrites(data->writer);
    EXPECT_EQ(bytesOf(data->historyPath),
              "\xE6\x96\xB0\xE3\x81\x97\xE3\x81\x84\nthird\nsecond\n\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3\n");
    EXPECT_EQ(bytesOf(data->monthPath), "\xE6\x96\xB0\xE3\x81\x97\xE3\x81\x84\nthird\n");
}

TEST_F(DataFiles, AFileHeldWhileALaunchIsRecordedGetsItOnceReleased) {
    history(L"history.txt", "a\n");
    history(currentMonth() + L".txt", "a\n");
    ConfigStore store;
    std::unique_ptr<DataStore> data(createDataStore(&store));
    const HANDLE held = holdWithoutSharing(data->historyPath);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(folderWritable(besideExe(L"history"), {data->historyPath})); // held is no unwritable folder
    recordLaunch(*data, L"b");
    EXPECT_TRUE(pumpWhileWaiting([] { return workOnItsWay() == 0; }, std::chrono::seconds(5), [] {})); // tried once
    CloseHandle(held);
    finishWrites(data->writer);
    EXPECT_EQ(bytesOf(data->historyPath), "b\na\n");
    EXPECT_EQ(bytesOf(data->monthPath), "b\na\n");
}

TEST_F(DataFiles, FirstStartInAMonthRebuildsFromTheMonthFiles) {
    config(L"config.ini", "x=1\ny=2\nh=3\nw=4\nl=\nt=\nm=1\n");
    history(L"history.txt", "stale\n");
    history(monthBefore(), "older\nolder\n");
    std::unique_ptr<ConfigStore> store(createConfigStore());
    std::unique_ptr<DataStore> data(createDataStore(store.get()));
    EXPECT_EQ(data->historyList, (TextList{L"older"}));
    EXPECT_TRUE(data->monthList.empty());
    EXPECT_EQ(store->historyMonths, 1);
    EXPECT_FALSE(exists(data->monthPath)); // nothing written yet

    saveHistoryLists(*data);
    finishWrites(data->writer);
    EXPECT_EQ(bytesOf(data->historyPath), "older\n");
    EXPECT_EQ(bytesOf(data->monthPath), "");
}

TEST_F(DataFiles, AllReadsEveryFileButHistoryTxtAndSubFolders) {
    history(L"history.txt", "h\n");
    history(L"notes.txt", "note\nshared\n");
    history(L"202401.txt", "jan\nshared\n");
    history(L"202512.txt", "dec\nshared\n");
    history(L"B.txt", "b\n");
    CreateDirectoryW(historyFilePath(L"sub").c_str(), nullptr);
    writeBytes(historyFilePath(L"sub\\inner.txt"), "inner\n");
    ConfigStore store;
    store.historyMonths = 6;
    DataStore data;
    data.config = &store;
    // What interrupted writes left: one of a writer long gone, one of a writer that still runs (this one).
    const std::wstring stale = historyFilePath(L"202401.txt.4000000000.tmp");
    const std::wstring running = historyFilePath(L"B.txt." + std::to_wstring(GetCurrentProcessId()) + L".tmp");
    writeBytes(stale, "stale\n");
    writeBytes(running, "partial\n");
    reloadHistory(data, 0);
    EXPECT_EQ(data.historyList, (TextList{L"dec", L"shared", L"jan", L"b", L"note"})); // newest month first
    EXPECT_EQ(store.historyMonths, 0);

    std::unique_ptr<DataStore> started(createDataStore(&store));
    EXPECT_FALSE(exists(stale));
    EXPECT_TRUE(exists(running));
}

TEST_F(DataFiles, ReadOnlyFilesAndBlockedFoldersNeitherCrashNorLoseTheLists) {
    // A file where the history folder should be: nothing can be read or written.
    writeBytes(besideExe(L"history"), "not a folder");
    ConfigStore store;
    std::unique_ptr<DataStore> data(createDataStore(&store));
    recordLaunch(*data, L"kept in memory");
    saveHistoryLists(*data);
    finishWrites(data->writer);
    reloadHistory(*data, 0);
    reloadHistory(*data, 3);
    EXPECT_EQ(bytesOf(besideExe(L"history")), "not a folder");
    removeTree(besideExe(L"history"));

    // A read-only history file is read, and a refused write keeps the list in memory.
    history(L"history.txt", "a\n");
    history(currentMonth() + L".txt", "a\n");
    SetFileAttributesW(historyFilePath(L"history.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::unique_ptr<DataStore> readOnly(createDataStore(&store));
    EXPECT_EQ(readOnly->historyList, (TextList{L"a"}));
    recordLaunch(*readOnly, L"b");
    finishWrites(readOnly->writer);
    EXPECT_EQ(readOnly->historyList, (TextList{L"b", L"a"}));
    EXPECT_EQ(bytesOf(readOnly->monthPath), "b\na\n");
    EXPECT_EQ(bytesOf(historyFilePath(L"history.txt")), "a\n");

    // A month file held open without sharing is no first start: "history.txt" is the
    // history as it stands, and neither file is written in that run, not even once released.
    SetFileAttributesW(historyFilePath(L"history.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string historyBytes = bytesOf(historyFilePath(L"history.txt"));
    const std::wstring monthFile = historyFilePath(currentMonth() + L".txt");
    const HANDLE lock = holdWithoutSharing(monthFile);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::unique_ptr<DataStore> locked(createDataStore(&store));
    EXPECT_EQ(locked->historyList, linesFromBytes(historyBytes));
    recordLaunch(*locked, L"c");
    CloseHandle(lock);
    recordLaunch(*locked, L"d");
    saveHistoryLists(*locked);
    finishWrites(locked->writer);
    EXPECT_EQ(bytesOf(monthFile), "b\na\n");
    EXPECT_EQ(bytesOf(historyFilePath(L"history.txt")), historyBytes);

    // The same for the config folder: defaults, and a silent failure to save.
    clean();
    writeBytes(besideExe(L"config"), "not a folder");
    std::unique_ptr<ConfigStore> config(createConfigStore());
    EXPECT_EQ(config->width, 800);
    FileWriter writer;
    saveWindowState(*config, L"s", L"t", writer);
    finishWrites(writer);
    reloadSettings(*config);
    EXPECT_EQ(bytesOf(besideExe(L"config")), "not a folder");
}
