#include "settings/default_files.h"
#include "settings/hotkey_list.h"
#include "settings/key_capture.h"
#include "settings/key_names.h"
#include "settings/launcher_control.h"
#include "halvo_version.h"

#include <gtest/gtest.h>

#include <set>

TEST(KeyName, NamesTheTableAndGivesDecimalForTheGaps) {
    EXPECT_EQ(keyName(1), L"LBUTTON");
    EXPECT_EQ(keyName(4), L"MBUTTON");
    EXPECT_EQ(keyName(9), L"TAB");
    EXPECT_EQ(keyName(13), L"RETURN");
    EXPECT_EQ(keyName(21), L"KANA");
    EXPECT_EQ(keyName(25), L"KANJI");
    EXPECT_EQ(keyName(29), L"無変換");
    EXPECT_EQ(keyName(31), L"MODECHANGE");
    EXPECT_EQ(keyName(32), L"SPACE");
    EXPECT_EQ(keyName(47), L"HELP");
    EXPECT_EQ(keyName(48), L"0");
    EXPECT_EQ(keyName(57), L"9");
    EXPECT_EQ(keyName(65), L"A");
    EXPECT_EQ(keyName(90), L"Z");
    EXPECT_EQ(keyName(93), L"APPS");
    EXPECT_EQ(keyName(96), L"NUMPAD0");
    EXPECT_EQ(keyName(105), L"NUMPAD9");
    EXPECT_EQ(keyName(106), L"MULTIPLY");
    EXPECT_EQ(keyName(111), L"DIVIDE");
    EXPECT_EQ(keyName(112), L"F1");
    EXPECT_EQ(keyName(123), L"F12");
    EXPECT_EQ(keyName(135), L"F24");
    EXPECT_EQ(keyName(145), L"SCROLL");
    EXPECT_EQ(keyName(160), L"LSHIFT");
    EXPECT_EQ(keyName(165), L"RMENU");
    EXPECT_EQ(keyName(186), L":");
    EXPECT_EQ(keyName(192), L"@");
    EXPECT_EQ(keyName(219), L"[");
    EXPECT_EQ(keyName(220), L"\\");
    EXPECT_EQ(keyName(222), L"^");
    EXPECT_EQ(keyName(226), L"\\");
    EXPECT_EQ(keyName(229), L"PROCESSKEY");
    EXPECT_EQ(keyName(246), L"ATTN");
    EXPECT_EQ(keyName(254), L"OME_CLEAR");

    const std::set<int> gaps{0, 5, 6, 7, 10, 11, 14, 15, 22, 26, 58, 64, 94, 95, 136, 143, 146, 159, 166, 185, 193,
                             218, 223, 225, 227, 228, 230, 245, 255, 256, 1000};
    for (int code : gaps) EXPECT_EQ(keyName(code), std::to_wstring(code)) << code;
    EXPECT_EQ(keyName(-1), L"-1");
    EXPECT_EQ(keyName(-2147483647L - 1), L"-2147483648");

    // Every code below 256 has either a name of at most 10 characters or its number.
    int named = 0;
    for (int code = 0; code < 256; ++code) {
        const std::wstring name = keyName(code);
        EXPECT_LE(name.size(), 10u);
        if (name != std::to_wstring(code) || (code >= 48 && code <= 57)) ++named;
    }
    EXPECT_EQ(named, 4 + 2 + 2 + 6 + 3 + 5 + 16 + 10 + 26 + 3 + 16 + 24 + 2 + 6 + 7 + 4 + 1 + 1 + 9);
}

TEST(FormatHotkey, ModifierLettersCtrlFirstThenTheKeyName) {
    EXPECT_EQ(formatHotkey({L"cmd", L"116", L"6"}), L"CS+F5");
    EXPECT_EQ(formatHotkey({L"cmd", L"65", L"1"}), L"A+A");
    EXPECT_EQ(formatHotkey({L"cmd", L"96", L"0"}), L"NUMPAD0");
    EXPECT_EQ(formatHotkey({L"cmd", L"0", L"0"}), L"0");
    EXPECT_EQ(formatHotkey({L"cmd", L"123", L"15"}), L"CASW+F12");
    EXPECT_EQ(formatHotkey({L"cmd", L"220", L"8"}), L"W+\\");
    // Hand-edited rows are shown as they are.
    EXPECT_EQ(formatHotkey({L"cmd", L"F5", L"2"}), L"F5 2");
    EXPECT_EQ(formatHotkey({L"cmd", L"112"}), L"112");
    EXPECT_EQ(formatHotkey({L"cmd"}), L"");
    EXPECT_EQ(formatHotkey({}), L"");
}

TEST(ModifierBits, ChecksMapToTheStoredBitsBothWays) {
    EXPECT_EQ(modifierBits({true, true, false, false}), 3);
    EXPECT_EQ(modifierBits({false, false, true, true}), 12);
    const ModifierChecks checks = modifierChecks(6);
    EXPECT_TRUE(checks.ctrl && checks.shift);
    EXPECT_FALSE(checks.alt || checks.windows);
    for (int bits = 0; bits < 16; ++bits) EXPECT_EQ(modifierBits(modifierChecks(bits)), bits);
}

TEST(KeyCapture, HeldModifiersTickTheirBoxesButNotTheirOwnKeys) {
    const ModifierChecks all{true, true, true, true};
    EXPECT_EQ(modifierBits(heldModifierChecks(32, all)), 15);
    EXPECT_EQ(modifierBits(heldModifierChecks(32, {true, false, false, false})), ctrlBit);
    for (const long shift : {16, 160, 161}) EXPECT_EQ(modifierBits(heldModifierChecks(shift, all)), 11) << shift;
    for (const long ctrl : {17, 162, 163}) EXPECT_EQ(modifierBits(heldModifierChecks(ctrl, all)), 13) << ctrl;
    for (const long alt : {18, 164, 165}) EXPECT_EQ(modifierBits(heldModifierChecks(alt, all)), 14) << alt;
    for (const long windows : {91, 92}) EXPECT_EQ(modifierBits(heldModifierChecks(windows, all)), 7) << windows;
}

TEST(KeyCapture, TextKeysNeedCtrlAltOrWindows) {
    const struct {
        long code;
        int bits;
        bool refused;
    } cases[] = {
        {32, 0, true},    {13, 0, true},    {9, 0, true},      {'A', 0, true},  {'0', 0, true},  {'A', 4, true},
        {96, 0, true},    {111, 0, true},   {186, 0, true},    {192, 0, true},  {219, 4, true},  {226, 0, true},
        {32, 2, false},   {'A', 1, false},  {'A', 8, false},   {'Z', 6, false}, {112, 0, false}, {135, 4, false},
        {27, 0, false},   {45, 0, false},   {16, 0, false},    {229, 0, false}, {0, 0, false},   {193, 0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(takesTypingFromEveryProgram(c.code, c.bits), c.refused) << c.code << " " << c.bits;
}

TEST(HotkeyList, ClashRuleComparesKeyAndModifierTextsOfTheFirstMatchingRow) {
    const std::vector<HotkeyRow> rows{{L"a", L"112", L"2"}, {L"b", L"112", L"1"}, {L"short", L"112"},
                                      {L"c", L"112", L"1"}};
    EXPECT_EQ(findHotkeyRow(rows, L"112", L"2"), 0);
    EXPECT_EQ(findHotkeyRow(rows, L"112", L"1"), 1);
    EXPECT_EQ(findHotkeyRow(rows, L"112", L"3"), -1);
    EXPECT_EQ(findHotkeyRow(rows, L"0112", L"2"), -1);

    // Ctrl+F1 taken: no add; Ctrl+Alt+F1 free: add.
    EXPECT_FALSE(extraPageButtons(L"notepad", true, findHotkeyRow(rows, L"112", L"2"), -1).add);
    EXPECT_TRUE(extraPageButtons(L"notepad", true, findHotkeyRow(rows, L"112", L"3"), -1).add);
    // The selected row's own combination: update and delete, no add.
    ExtraPageButtons own = extraPageButtons(L"x", true, 1, 1);
    EXPECT_TRUE(own.update && own.remove);
    EXPECT_FALSE(own.add);
    // A combination another row has: neither add nor update.
    own = extraPageButtons(L"x", true, 0, 1);
    EXPECT_FALSE(own.update || own.add);
    EXPECT_TRUE(own.remove);
    // Of two identical combinations only the first can be updated.
    EXPECT_FALSE(extraPageButtons(L"x", true, findHotkeyRow(rows, L"112", L"1"), 3).update);
    // Empty fields, a TAB or an over-long command add nothing.
    EXPECT_FALSE(extraPageButtons(L"", true, -1, -1).add);
    EXPECT_FALSE(extraPageButtons(L"x", false, -1, -1).add);
    EXPECT_FALSE(extraPageButtons(L"a\tb", true, -1, -1).add);
    EXPECT_TRUE(extraPageButtons(std::wstring(511, L'x'), true, -1, -1).add);
    EXPECT_FALSE(extraPageButtons(std::wstring(512, L'x'), true, -1, -1).add);
}

TEST(HotkeyList, RowsRoundTripHandEditedLinesUnchanged) {
    const TextLines lines{L"notepad\t112\t2", L"", L"only", L"calc\tF5\tx", L" spaced \t65\t1"};
    const std::vector<HotkeyRow> rows = hotkeyRowsFromLines(lines);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_TRUE(rows[1].empty());
    EXPECT_EQ(rows[4][0], L" spaced ");
    EXPECT_EQ(linesFromHotkeyRows(rows), lines);
    EXPECT_EQ(makeHotkeyRow(L" c ", 123, 3), (HotkeyRow{L" c ", L"123", L"3"}));
    EXPECT_EQ(rowKeyCode(rows[3]), 0);
    EXPECT_EQ(rowModifierBits(rows[2]), 0);
    EXPECT_EQ(rowKeyCode(rows[0]), 112);
}

TEST(DefaultFiles, TextsAreByteForByteWhatTheLauncherExpects) {
    EXPECT_EQ(bytesFromLines(defaultShortcutLines()), "\n");
    EXPECT_EQ(bytesFromLines(defaultBookmarkLines()),
              "\xE3\x82\xA8\xE3\x82\xAF\xE3\x82\xB9\xE3\x83\x97\xE3\x83\xAD\xE3\x83\xBC\xE3\x83\xA9\n.txt\n.exe\n");
    const TextLines menu = defaultMenuLines();
    ASSERT_EQ(menu.size(), 10u);
    EXPECT_EQ(menu[0], L"イベントビューア\teventvwr.msc");
    EXPECT_EQ(menu[4], L"スタートアップ\tshell:startup");
    EXPECT_EQ(menu[9], L"送る\tshell:sendto");
    for (const std::wstring& line : menu) EXPECT_EQ(splitFields(line, L'\t').size(), 2u);
    const TextLines config = defaultConfigLines();
    ASSERT_EQ(config.size(), 31u);
    EXPECT_EQ(config[0], L"[open]");
    EXPECT_EQ(config[13], L"dataMonth=0");
    EXPECT_EQ(config[30], L"textB=255");
    EXPECT_EQ(bytesFromLines(config).find("hotkey"), std::string::npos);
}

TEST(LauncherControl, OnlyTheLauncherClassMatchesWhateverItsCase) {
    EXPECT_TRUE(isLauncherClass(L"HALVORUNDE"));
    EXPECT_TRUE(isLauncherClass(L"Halvorunde"));
    EXPECT_FALSE(isLauncherClass(L"Halvorunde Ver" HALVO_VERSION_TEXT " ALL"));
    EXPECT_FALSE(isLauncherClass(L"HALVORUND"));
    EXPECT_FALSE(isLauncherClass(L"Halvotune"));
    EXPECT_FALSE(isLauncherClass(L""));
}
