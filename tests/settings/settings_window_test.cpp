#include "settings_fixture_win.h"
#include "tests/support/accessibility_recorder_win.h"

#include "common/controls_win.h"
#include "common/display_scale_win.h"
#include "common/dpi_scale.h"
#include "common/text_lines.h"
#include "settings/default_files_win.h"
#include "settings/key_capture.h"
#include "settings/resources/resource.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>


namespace {

const std::string defaultConfig =
    "[open]\nF6=notepad\nF7=\nF8=\nF9=\n[task]\nautoClose=\nnotShowList=\nnotShowTask=\ntaskZeroShow=0\n[etc]\n"
    "startHide=0\n[num]\ndataMonth=0\nmaxList=15\n[color]\nlistR=245\nlistG=245\nlistB=245\nviewTaskR=240\n"
    "viewTaskG=248\nviewTaskB=255\nviewFileR=255\nviewFileG=250\nviewFileB=250\nbookmarkR=220\nbookmarkG=220\n"
    "bookmarkB=220\ntextR=255\ntextG=255\ntextB=255\n";
const std::string defaultMenu = utf8FromWide(
    L"イベントビューア\teventvwr.msc\nコントロールパネル\tcontrol\nコンピューターの管理\tcompmgmt.msc\n"
    L"サービス\tservices.msc\nスタートアップ\tshell:startup\nタスクスケジューラ\ttaskschd.msc\n"
    L"ディスクの管理\tdiskmgmt.msc\nデバイスマネージャ\tdevmgmt.msc\nパフォーマンスモニタ\tperfmon.msc\n"
    L"送る\tshell:sendto\n");

struct ChildInfo {
    std::wstring className;
    std::wstring text;
    int id;
    RECT rect;
};

std::vector<ChildInfo> childrenOf(HWND window) {
    std::vector<ChildInfo> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        children.push_back({classOf(child), windowText(child), GetDlgCtrlID(child), rect});
    }
    return children;
}

// Every control of the window in creation order, as placed at 96 dpi.
const struct {
    const wchar_t* className;
    int id, x, y, width, height;
} layoutAt96[] = {
    {L"SysListView32", 1, 20, 50, 750, 300}, {L"Edit", 1, 50, 380, 1000, 30}, {L"Edit", 1, 50, 450, 1000, 30},
    {L"Button", 11, 100, 540, 60, 25},       {L"Button", 12, 200, 540, 60, 25}, {L"Button", 13, 300, 540, 60, 25},
    {L"Button", 15, 400, 540, 60, 25},       {L"Button", 14, 500, 540, 90, 25}, {L"Button", 10, 600, 540, 90, 25},
    {L"Button", 90, 100, 500, 55, 30},       {L"Button", 91, 220, 500, 55, 30}, {L"Button", 92, 340, 500, 55, 30},
    {L"Button", 93, 460, 500, 80, 30},       {L"Button", 95, 0, 0, 200, 20},    {L"Static", 1, 20, 355, 350, 20},
    {L"Static", 1, 20, 425, 350, 20},        {L"Static", 1, 0, 0, 0, 0}, // the live region draws nothing
};

void expectLayoutAt(HWND window, int dpi) {
    const std::vector<ChildInfo> children = childrenOf(window);
    ASSERT_EQ(children.size(), std::size(layoutAt96));
    for (size_t i = 0; i < children.size(); ++i) {
        const auto& at96 = layoutAt96[i];
        const RECT r = children[i].rect;
        EXPECT_EQ((ControlRect{r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  scaledToDpi(ControlRect{at96.x, at96.y, at96.width, at96.height}, dpi))
            << i;
    }
}

} // namespace

TEST_F(SettingsWindowTest, FirstStartWritesTheDefaultsAndStaysOnTheBasicPage) {
    start();
    EXPECT_EQ(fileBytes(file(L"config.txt")), defaultConfig);
    EXPECT_EQ(fileBytes(file(L"shortcut.txt")), "\n");
    EXPECT_EQ(fileBytes(file(L"bookmark.txt")),
              "\xE3\x82\xA8\xE3\x82\xAF\xE3\x82\xB9\xE3\x83\x97\xE3\x83\xAD\xE3\x83\xBC\xE3\x83\xA9\n.txt\n.exe\n");
    EXPECT_EQ(fileBytes(file(L"menu.txt")), defaultMenu);
    EXPECT_EQ(defaultMenu.size(), 359u);
    EXPECT_FALSE(exists(file(L"hotkey.txt")));

    EXPECT_EQ(windowText(window()), L"Halvotune");
    RECT frame{};
    GetWindowRect(window(), &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.right - frame.left, 1200);
    EXPECT_EQ(frame.bottom - frame.top, 700);

    const std::vector<ChildInfo> children = childrenOf(window());
    ASSERT_EQ(children.size(), std::size(layoutAt96));
    const auto& expected = layoutAt96;
    for (size_t i = 0; i < children.size(); ++i) {
        const ChildInfo& child = children[i];
        EXPECT_EQ(lstrcmpiW(child.className.c_str(), expected[i].className), 0) << i;
        EXPECT_EQ(child.id, expected[i].id) << i;
        EXPECT_EQ(child.rect.left, expected[i].x) << i;
        EXPECT_EQ(child.rect.top, expected[i].y) << i;
        EXPECT_EQ(child.rect.right - child.rect.left, expected[i].width) << i;
        EXPECT_EQ(child.rect.bottom - child.rect.top, expected[i].height) << i;
    }
    EXPECT_EQ(children[8].text, L"全終了");
    EXPECT_EQ(children[12].text, L"Windows");
    EXPECT_EQ(windowText(sw().hotkeyLabel), L"Halvorundeを表示するホットキー" + std::wstring(30, L' '));
    EXPECT_EQ(windowText(sw().pageButton), L"基本設定");

    EXPECT_TRUE(sw().onBasicPage);
    EXPECT_FALSE(IsWindowVisible(sw().hotkeyListView));
    EXPECT_FALSE(IsWindowVisible(editor().commandEdit));
    EXPECT_FALSE(IsWindowVisible(sw().commandLabel));
    EXPECT_TRUE(IsWindowVisible(editor().keyEdit));
    for (HWND disabled : {sw().pageButton, sw().updateButton, sw().quitSettingsButton, sw().saveButton, sw().addButton}) {
        EXPECT_FALSE(enabled(disabled));
    }
    EXPECT_EQ(GetFocus(), editor().keyEdit);
    EXPECT_EQ(editor().keyCode, 0);
    EXPECT_EQ(windowText(editor().keyEdit), L"");
}

// Run once more in a prefix at 144 dpi, where every size is half as large again.
TEST_F(SettingsWindowTest, DisplayScalingGrowsTheControlsColumnsWindowAndSmallIcon) {
    const int dpi = testDpi();
    start();
    ASSERT_EQ(windowDpi(window()), dpi);
    const auto scaled = [dpi](int pixels) { return scaledToDpi(pixels, dpi); };
    RECT frame{};
    GetWindowRect(window(), &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.right - frame.left, scaled(1200));
    EXPECT_EQ(frame.bottom - frame.top, scaled(700));
    expectLayoutAt(window(), dpi);
    if (dpi == 144) {
        const RECT keyField = childrenOf(window())[2].rect;
        EXPECT_EQ(keyField.right - keyField.left, 1500) << "the key field";
    }
    EXPECT_EQ(ListView_GetColumnWidth(sw().hotkeyListView, 0), scaled(600));
    EXPECT_EQ(ListView_GetColumnWidth(sw().hotkeyListView, 1), scaled(100));
    EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(GetClassLongPtrW(window(), GCLP_HICONSM))), scaled(16));
}

// Moving to a monitor with other scaling and back, as WM_DPICHANGED says it:
// from the prefix's dpi to the other of 96 and 144, and back.
TEST_F(SettingsWindowTest, DisplayScalingFollowsAMoveToAnotherMonitorAndBack) {
    const int startDpi = testDpi();
    start();
    const int textHeight = fontHeight(editor().keyEdit);
    const int listHeight = fontHeight(sw().hotkeyListView);
    ASSERT_GT(textHeight, 0);
    ASSERT_GT(listHeight, 0);
    for (const int dpi : {startDpi == 96 ? 144 : 96, startDpi}) {
        SCOPED_TRACE(dpi);
        // Smaller than the window at 96 dpi: Wine keeps a window within the screen.
        const RECT suggested{10, 10, 10 + scaledToDpi(700, dpi), 10 + scaledToDpi(500, dpi)};
        SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT moved{};
        GetWindowRect(window(), &moved);
        EXPECT_TRUE(EqualRect(&moved, &suggested));
        expectLayoutAt(window(), dpi);
        EXPECT_EQ(ListView_GetColumnWidth(sw().hotkeyListView, 0), scaledToDpi(600, dpi));
        EXPECT_EQ(ListView_GetColumnWidth(sw().hotkeyListView, 1), scaledToDpi(100, dpi));
        for (HWND control : {editor().keyEdit, editor().commandEdit, sw().saveButton, sw().hotkeyLabel})
            EXPECT_EQ(fontHeight(control), MulDiv(textHeight, dpi, startDpi));
        EXPECT_EQ(fontHeight(sw().hotkeyListView), MulDiv(listHeight, dpi, startDpi));
    }
}

TEST_F(SettingsWindowTest, CapturedF12WithCtrlAndAltIsSavedAndOpensThePages) {
    start();
    ASSERT_EQ(GetFocus(), editor().keyEdit);
    pressKeys({VK_F12});
    ASSERT_TRUE(pumpUntil([&] { return windowText(editor().keyEdit) == L"F12" && enabled(sw().saveButton); }));
    EXPECT_EQ(editor().keyCode, VK_F12);
    // Typing never changes the field; a modifier alone is a key of its own.
    SendMessageW(editor().keyEdit, WM_CHAR, 'x', 1);
    EXPECT_EQ(windowText(editor().keyEdit), L"F12");
    captureKey(VK_SHIFT);
    EXPECT_EQ(windowText(editor().keyEdit), L"SHIFT");
    EXPECT_FALSE(checked(editor().shiftCheck));
    captureKey(VK_F12);

    click(editor().ctrlCheck);
    click(editor().altCheck);
    EXPECT_TRUE(checked(editor().ctrlCheck));
    EXPECT_TRUE(checked(editor().altCheck));
    EXPECT_FALSE(checked(editor().shiftCheck));
    click(sw().saveButton);
    EXPECT_EQ(fileBytes(file(L"config.txt")), defaultConfig + "[hotkey]\nhotkey=123\nhotkey2=3\n");
    EXPECT_FALSE(enabled(sw().saveButton));
    EXPECT_TRUE(enabled(sw().pageButton));
    EXPECT_TRUE(enabled(sw().quitSettingsButton));

    // A check-box click flips only that box and enables saving again; the
    // second save replaces the values in place.
    click(editor().altCheck);
    EXPECT_FALSE(checked(editor().altCheck));
    EXPECT_TRUE(checked(editor().ctrlCheck));
    EXPECT_TRUE(enabled(sw().saveButton));
    click(sw().saveButton);
    EXPECT_EQ(fileBytes(file(L"config.txt")), defaultConfig + "[hotkey]\nhotkey=123\nhotkey2=2\n");

    click(sw().pageButton);
    EXPECT_FALSE(sw().onBasicPage);
    EXPECT_EQ(windowText(sw().pageButton), L"追加ホットキー設定");
    EXPECT_EQ(windowText(sw().hotkeyLabel), L"ホットキー ");
    EXPECT_TRUE(IsWindowVisible(sw().hotkeyListView));
    EXPECT_FALSE(checked(editor().ctrlCheck));
    click(sw().pageButton);
    EXPECT_TRUE(sw().onBasicPage);
    EXPECT_EQ(windowText(editor().keyEdit), L"F12");
    EXPECT_TRUE(checked(editor().ctrlCheck));
    EXPECT_EQ(windowText(sw().hotkeyLabel), L"Halvorundeを表示するホットキー ");
}

TEST_F(SettingsWindowTest, ControlsAreNamedAfterTheirLabelsAndASaveIsSaidAloud) {
    AccessibilityRecorder recorder;
    start();
    const auto nameOf = [&](HWND control) {
        const auto found = recorder.names.find(control);
        return found == recorder.names.end() ? std::wstring(L"(none)") : found->second;
    };
    const struct {
        HWND control;
        const wchar_t* name;
    } named[] = {
        {sw().hotkeyListView, L"追加ホットキー"},
        {editor().commandEdit, L"コマンド"},
        {editor().keyEdit, L"Halvorundeを表示するホットキー"},
        {editor().ctrlCheck, L"Ctrl キー"},
        {editor().altCheck, L"Alt キー"},
        {editor().shiftCheck, L"Shift キー"},
        {editor().windowsCheck, L"Windows キー"},
    };
    for (const auto& [control, name] : named) EXPECT_EQ(nameOf(control), name);
    EXPECT_EQ(recorder.liveSettings[sw().liveRegion], politeLiveSetting);

    captureKey(VK_F12);
    click(sw().saveButton);
    EXPECT_EQ(recorder.announced, std::vector<std::wstring>{L"config.txtを保存しました。"});
    // The key field's name follows its label from page to page.
    click(sw().pageButton);
    EXPECT_EQ(nameOf(editor().keyEdit), L"ホットキー");
    click(sw().pageButton);
    EXPECT_EQ(nameOf(editor().keyEdit), L"Halvorundeを表示するホットキー");

    // A hidden window says nothing, though it saves.
    ShowWindow(window(), SW_HIDE);
    captureKey(VK_F11);
    command(saveCommand);
    EXPECT_NE(fileBytes(file(L"config.txt")).find("hotkey=122"), std::string::npos);
    EXPECT_EQ(recorder.announced.size(), 1u);

    sw().quitAll = true;
    DestroyWindow(window());
    for (const auto& [control, name] : named) {
        EXPECT_NE(std::find(recorder.cleared.begin(), recorder.cleared.end(), control), recorder.cleared.end()) << name;
    }
}

TEST_F(SettingsWindowTest, KeyFieldTicksHeldModifiersRefusesTypingKeysAloneAndHasNoIme) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"hotkey.txt"), "\x83\x81\x83\x82\t67\t2\n"); // メモ, saved by an older tool in Shift-JIS
    start();
    ASSERT_EQ(GetFocus(), editor().keyEdit);
    EXPECT_EQ(ImmGetContext(editor().keyEdit), nullptr);
    captureKey(VK_F5);
    captureKey(imeProcessKey); // what an IME would send while composing
    EXPECT_EQ(editor().keyCode, VK_F5);
    EXPECT_EQ(windowText(editor().keyEdit), L"F5");

    captureKey(VK_SPACE);
    std::wstring told;
    EXPECT_TRUE(answerDialog(L"ホットキーの設定", [&] { click(sw().saveButton); }, &told));
    EXPECT_NE(told.find(L"Ctrl、Alt、Windows"), std::wstring::npos) << "says what to do";
    EXPECT_EQ(fileBytes(file(L"config.txt")), defaultConfig);

    // Held modifiers tick their boxes; ticked ones stay ticked.
    SetForegroundWindow(window());
    SetFocus(editor().keyEdit);
    ASSERT_TRUE(pumpUntil([&] { return GetFocus() == editor().keyEdit; }));
    pressKeys({VK_SPACE}, {VK_CONTROL});
    EXPECT_TRUE(pumpUntil([&] { return windowText(editor().keyEdit) == L"SPACE" && checked(editor().ctrlCheck); }));
    pressKeys({'K'}, {VK_MENU});
    EXPECT_TRUE(pumpUntil([&] { return windowText(editor().keyEdit) == L"K" && checked(editor().altCheck); }));
    pressKeys({VK_F6}, {VK_SHIFT, VK_LWIN});
    EXPECT_TRUE(pumpUntil([&] { return windowText(editor().keyEdit) == L"F6" && checked(editor().windowsCheck); }));
    EXPECT_TRUE(checked(editor().ctrlCheck) && checked(editor().altCheck) && checked(editor().shiftCheck));
    click(sw().saveButton);
    EXPECT_EQ(fileBytes(file(L"config.txt")), defaultConfig + "[hotkey]\nhotkey=117\nhotkey2=15\n");

    // The extra page refuses it too, and an update keeps the row it would replace.
    click(sw().pageButton);
    selectRow(0);
    click(editor().ctrlCheck);
    captureKey('C');
    EXPECT_TRUE(answerDialog(L"ホットキーの設定", [&] { command(addCommand); }));
    EXPECT_TRUE(answerDialog(L"ホットキーの設定", [&] { command(updateCommand); }));
    ASSERT_EQ(itemCount(), 1);
    EXPECT_EQ(itemText(0, 0), L"メモ");
    EXPECT_EQ(itemText(0, 1), L"C+C");
}

TEST_F(SettingsWindowTest, UserLinesAroundTheSectionSurviveTheSave) {
    CreateDirectoryW(folder().c_str(), nullptr);
    // UTF-8 lines the platform's profile writer would mangle under code page 932.
    const std::string head = "[task]\r\nnotShowTask=\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3,\xE3\x81\x81\r\n";
    const std::string tail = "\xE2\x91\xA0\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88\r\n";
    const std::string before = head + "[hotkey]\r\nhotkey=0\r\nhotkey2=6\r\n" + tail;
    // Saved by an editor in UTF-16, the same lines come back in UTF-8.
    for (const std::string& original : {before, utf16FileBytes(before)}) {
        writeBytes(file(L"config.txt"), original);
        start();
        // Key 0 with modifiers counts as configured: the extra page opens.
        EXPECT_FALSE(sw().onBasicPage);
        click(sw().pageButton);
        EXPECT_EQ(windowText(editor().keyEdit), L"");
        EXPECT_TRUE(checked(editor().ctrlCheck));
        EXPECT_TRUE(checked(editor().shiftCheck));
        captureKey('A');
        click(sw().saveButton);
        EXPECT_EQ(fileBytes(file(L"config.txt")), head + "[hotkey]\r\nhotkey=65\r\nhotkey2=6\r\n" + tail);
        sw().quitAll = true;
        DestroyWindow(window());
    }
}

TEST_F(SettingsWindowTest, DefaultsAreWrittenOnlyWhereNothingExists) {
    CreateDirectoryW(folder().c_str(), nullptr);
    CreateDirectoryW(file(L"bookmark.txt").c_str(), nullptr);
    writeBytes(file(L"menu.txt"), "mine\tcalc\n");
    writeBytes(file(L"config.txt"), "");
    start();
    EXPECT_EQ(fileBytes(file(L"shortcut.txt")), "\n");
    EXPECT_EQ(GetFileAttributesW(file(L"bookmark.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(fileBytes(file(L"menu.txt")), "mine\tcalc\n");
    EXPECT_EQ(fileBytes(file(L"config.txt")), "");
    // Only absence counts as missing: a name that cannot even be checked is
    // never written over.
    EXPECT_TRUE(fileMissing(file(L"hotkey.txt")));
    EXPECT_TRUE(fileMissing(file(L"no\\such.txt")));
    EXPECT_FALSE(fileMissing(file(L"bookmark.txt")));
    EXPECT_FALSE(fileMissing(file(L"bad<name>.txt")));
    // An empty config.txt gets the section as its only content.
    captureKey(VK_F5);
    click(sw().saveButton);
    EXPECT_EQ(fileBytes(file(L"config.txt")), "[hotkey]\nhotkey=116\nhotkey2=0\n");
}

TEST_F(SettingsWindowTest, StartWithHotkeyOpensTheListFromHotkeyTxt) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"config.txt"), "[hotkey]\nhotkey=112\nhotkey2=2\n");
    writeBytes(file(L"hotkey.txt"), "notepad\t112\t2\ncalc\t116\t6\n\xE3\x83\xA1\xE3\x83\xA2\t96\t0\n");
    start();
    EXPECT_FALSE(sw().onBasicPage);
    EXPECT_EQ(windowText(sw().pageButton), L"追加ホットキー設定");
    ASSERT_EQ(itemCount(), 3);
    EXPECT_EQ(itemText(0, 0), L"notepad");
    EXPECT_EQ(itemText(0, 1), L"C+F1");
    EXPECT_EQ(itemText(1, 1), L"CS+F5");
    EXPECT_EQ(itemText(2, 0), L"メモ");
    EXPECT_EQ(itemText(2, 1), L"NUMPAD0");
    for (HWND button : {sw().addButton, sw().updateButton, sw().deleteButton, sw().saveButton}) {
        EXPECT_FALSE(enabled(button));
    }
    EXPECT_TRUE(enabled(sw().pageButton));
    EXPECT_TRUE(enabled(sw().quitSettingsButton));
    EXPECT_EQ(fileBytes(file(L"config.txt")), "[hotkey]\nhotkey=112\nhotkey2=2\n");
}

TEST_F(SettingsWindowTest, AddUpdateAndDeleteKeepCombinationsUnique) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"config.txt"), "[hotkey]\nhotkey=123\nhotkey2=3\n");
    writeBytes(file(L"hotkey.txt"), "one\t112\t2\ntwo\t112\t1\n");
    start();
    ASSERT_FALSE(sw().onBasicPage);

    // Ctrl+F1 is taken; Ctrl+Alt+F1 is free.
    typeCommand(L" notepad ");
    captureKey(VK_F1);
    click(editor().ctrlCheck);
    EXPECT_FALSE(enabled(sw().addButton));
    click(editor().altCheck);
    ASSERT_TRUE(enabled(sw().addButton));
    click(sw().addButton);
    ASSERT_EQ(itemCount(), 3);
    EXPECT_EQ(itemText(2, 0), L" notepad ");
    EXPECT_EQ(itemText(2, 1), L"CA+F1");
    EXPECT_EQ(windowText(editor().commandEdit), L"");
    EXPECT_EQ(windowText(editor().keyEdit), L"");
    EXPECT_FALSE(enabled(sw().addButton));
    EXPECT_TRUE(enabled(sw().saveButton));

    // A selected row fills the fields; only its own combination can update it.
    selectRow(0);
    EXPECT_EQ(windowText(editor().commandEdit), L"one");
    EXPECT_EQ(windowText(editor().keyEdit), L"F1");
    EXPECT_TRUE(checked(editor().ctrlCheck));
    EXPECT_FALSE(checked(editor().altCheck));
    EXPECT_TRUE(enabled(sw().updateButton));
    EXPECT_TRUE(enabled(sw().deleteButton));
    EXPECT_FALSE(enabled(sw().addButton));
    typeCommand(L"uno");
    EXPECT_TRUE(enabled(sw().updateButton));
    click(editor().shiftCheck);
    EXPECT_FALSE(enabled(sw().updateButton));
    EXPECT_TRUE(enabled(sw().addButton));
    click(editor().shiftCheck);
    ASSERT_TRUE(enabled(sw().updateButton));
    click(sw().updateButton);
    ASSERT_EQ(itemCount(), 3);
    EXPECT_EQ(itemText(0, 0), L"two");
    EXPECT_EQ(itemText(1, 0), L" notepad ");
    EXPECT_EQ(itemText(2, 0), L"uno");

    click(sw().saveButton);
    EXPECT_EQ(fileBytes(file(L"hotkey.txt")), "two\t112\t1\n notepad \t112\t3\nuno\t112\t2\n");
    EXPECT_FALSE(enabled(sw().saveButton));

    for (int left = 3; left > 0; --left) {
        selectRow(0);
        ASSERT_TRUE(enabled(sw().deleteButton));
        click(sw().deleteButton);
        EXPECT_EQ(itemCount(), left - 1);
    }
    EXPECT_TRUE(enabled(sw().saveButton));
    // Nothing selected: delete and update do nothing.
    command(deleteCommand);
    command(updateCommand);
    click(sw().saveButton);
    EXPECT_TRUE(exists(file(L"hotkey.txt")));
    EXPECT_EQ(fileBytes(file(L"hotkey.txt")), "");
}

TEST_F(SettingsWindowTest, UnsavedRowsSurviveAPageSwitchButSavingWaitsForTheNextChange) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"config.txt"), "[hotkey]\nhotkey=123\nhotkey2=3\n");
    start();
    typeCommand(L"calc");
    captureKey(VK_F3); // a letter alone would be refused
    click(sw().addButton);
    ASSERT_EQ(itemCount(), 1);
    click(sw().pageButton);
    click(sw().pageButton);
    EXPECT_EQ(itemCount(), 1);
    EXPECT_FALSE(enabled(sw().saveButton));
    EXPECT_FALSE(exists(file(L"hotkey.txt")));
}

TEST_F(SettingsWindowTest, HandEditedRowsAreShownAndWrittenBackUnchanged) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"config.txt"), "[hotkey]\nhotkey=123\nhotkey2=3\n");
    const std::string rows = "bad\tF5\n\nonly\n\t\t\nok\t65\t1\textra\n";
    writeBytes(file(L"hotkey.txt"), rows);
    start();
    ASSERT_EQ(itemCount(), 5);
    EXPECT_EQ(itemText(0, 1), L"F5");
    EXPECT_EQ(itemText(4, 1), L"A+A");
    for (int row = 0; row < 5; ++row) selectRow(row);
    selectRow(0);
    EXPECT_EQ(windowText(editor().commandEdit), L"bad");
    EXPECT_EQ(windowText(editor().keyEdit), L"");
    EXPECT_TRUE(enabled(sw().deleteButton));
    // Deleting a good row and saving writes the others back as they were.
    selectRow(4);
    click(sw().deleteButton);
    click(sw().saveButton);
    EXPECT_EQ(fileBytes(file(L"hotkey.txt")), "bad\tF5\n\nonly\n\n");
}

TEST_F(SettingsWindowTest, CommandFieldRefusesTabsAndLongTextAndHandlesEscAndTab) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"config.txt"), "[hotkey]\nhotkey=123\nhotkey2=3\n");
    start();
    EXPECT_EQ(SendMessageW(editor().commandEdit, EM_GETLIMITTEXT, 0, 0), 511);
    captureKey(VK_F2);
    typeCommand(L"a\tb");
    EXPECT_FALSE(enabled(sw().addButton));
    command(addCommand);
    EXPECT_EQ(itemCount(), 0);
    typeCommand(L"ab");
    EXPECT_TRUE(enabled(sw().addButton));

    SetFocus(editor().commandEdit);
    pressKeys({VK_TAB});
    EXPECT_TRUE(pumpUntil([&] { return GetFocus() == editor().keyEdit; }));
    EXPECT_EQ(windowText(editor().commandEdit), L"ab");
    SetFocus(editor().commandEdit);
    pressKeys({VK_ESCAPE});
    EXPECT_TRUE(pumpUntil([&] { return windowText(editor().commandEdit).empty(); }));
    pumpPending();
    EXPECT_EQ(windowText(editor().commandEdit), L"");
    EXPECT_FALSE(enabled(sw().addButton));
}

TEST_F(SettingsWindowTest, AboutDialogOpensWithAltQuestionMarkAndAltSlash) {
    start();
    for (const std::vector<WORD>& held : {std::vector<WORD>{VK_MENU, VK_SHIFT}, std::vector<WORD>{VK_MENU}}) {
        SetForegroundWindow(window());
        SetFocus(editor().keyEdit);
        EXPECT_TRUE(answerDialog(L"バージョン情報 Halvotune", [&] { pressKeys({VK_OEM_2}, held); })) << held.size();
        pumpPending();
    }
    EXPECT_EQ(FindWindowW(L"#32770", L"バージョン情報 Halvotune"), nullptr);
}

TEST_F(SettingsWindowTest, EndOfSessionQuitsWithoutDestroyingTheWindow) {
    start();
    SendMessageW(window(), WM_ENDSESSION, FALSE, 0);
    MSG message{};
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    SendMessageW(window(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_TRUE(IsWindow(window()));
}

TEST_F(SettingsWindowTest, QuitButtonsCloseTheWindowAndQuitAllIsRemembered) {
    CreateDirectoryW(folder().c_str(), nullptr);
    writeBytes(file(L"config.txt"), "[hotkey]\nhotkey=123\nhotkey2=3\n");
    start();
    click(sw().quitSettingsButton);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(window()); }));
    EXPECT_FALSE(sw().quitAll);
    start();
    command(quitAllCommand);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(window()); }));
    EXPECT_TRUE(sw().quitAll);
    start();
    command(IDM_EXIT);
    EXPECT_FALSE(IsWindow(window()));
}
