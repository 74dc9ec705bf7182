// The settings tool and files another program holds, or a folder it cannot write.
#include "settings_fixture_win.h"
#include "tests/support/accessibility_recorder_win.h"

#include "common/writable_folder_win.h"
#include "settings/resources/resource.h"

TEST_F(SettingsWindowTest, FilesHeldForAMomentAtSaveHoldTheSavedStateOnceReleased) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"config.txt"), "[hotkey]\nhotkey=123\nhotkey2=3\n");
    writeBytes(file(L"hotkey.txt"), "");
    AccessibilityRecorder recorder;
    start();
    typeCommand(L"calc");
    click(editor().ctrlCheck);
    captureKey('C');
    command(addCommand);
    HANDLE held = holdWithoutSharing(file(L"hotkey.txt"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    command(saveCommand); // no message: it is only a moment
    EXPECT_FALSE(enabled(sw().saveButton));
    CloseHandle(held);
    EXPECT_TRUE(pumpUntil([&] { return fileBytes(file(L"hotkey.txt")) == "calc\t67\t2\n"; }));

    // config.txt is read to be merged: held, it waits as well.
    click(sw().pageButton);
    captureKey(VK_F11);
    held = holdWithoutSharing(file(L"config.txt"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    click(sw().saveButton);
    EXPECT_FALSE(enabled(sw().saveButton));
    CloseHandle(held);
    EXPECT_TRUE(pumpUntil([&] { return fileBytes(file(L"config.txt")) == "[hotkey]\nhotkey=122\nhotkey2=3\n"; }));
}

TEST_F(SettingsWindowTest, AFolderThatRefusesWritesIsSaidOnceAndAFailedSaveIsReported) {
    writeBytes(folder(), "not a folder"); // nothing can be made where the config folder should be
    std::wstring told;
    EXPECT_TRUE(answerDialog(L"保存できないフォルダー", [&] { start(); }, &told));
    EXPECT_EQ(told.rfind(L"このフォルダーには設定と履歴を保存できません。", 0), 0u);
    captureKey(VK_F12);
    EXPECT_TRUE(answerDialog(L"保存に失敗", [&] { click(sw().saveButton); }, &told));
    EXPECT_EQ(told.rfind(L"config.txtを保存できませんでした。", 0), 0u);
    // Nothing acts as if it had been saved.
    EXPECT_TRUE(enabled(sw().saveButton));
    EXPECT_FALSE(enabled(sw().pageButton));
    EXPECT_EQ(fileBytes(folder()), "not a folder");
    EXPECT_EQ(FindWindowW(L"#32770", L"保存できないフォルダー"), nullptr); // said once
}

TEST_F(SettingsWindowTest, HotkeyListHeldByAnotherProgramAtStartIsNeverWrittenOver) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"config.txt"), "[hotkey]\nhotkey=123\nhotkey2=3\n");
    const std::string rows = "one\t112\t2\ntwo\t113\t2\n";
    writeBytes(file(L"hotkey.txt"), rows);
    // Held as a backup program would hold it: open, sharing nothing.
    const HANDLE held = holdWithoutSharing(file(L"hotkey.txt"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::wstring told;
    {
        MessageBoxAnswerer falseAlarms(folderNotWritableCaption); // held is no unwritable folder
        EXPECT_TRUE(answerDialog(L"読み込みに失敗", [&] { start(); }, &told));
        EXPECT_TRUE(falseAlarms.texts().empty());
    }
    CloseHandle(held);
    EXPECT_EQ(told.rfind(L"hotkey.txtを読み込めませんでした。", 0), 0u);
    EXPECT_EQ(itemCount(), 0);

    // Readable now, but its rows were never read: nothing is added or saved.
    typeCommand(L"calc");
    captureKey('C');
    EXPECT_FALSE(enabled(sw().addButton));
    command(addCommand);
    command(saveCommand);
    EXPECT_EQ(fileBytes(file(L"hotkey.txt")), rows);

    // Coming back to the page reads every row, and adding works again.
    click(sw().pageButton);
    click(sw().pageButton);
    EXPECT_EQ(itemCount(), 2);
    typeCommand(L"calc");
    captureKey('C');
    EXPECT_TRUE(enabled(sw().addButton));
}
