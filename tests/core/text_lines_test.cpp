#include "common/numbers.h"
#include "common/profile_reader.h"
#include "common/text_lines.h"

#include <gtest/gtest.h>

TEST(TextLines, WritesEveryLineWithOneLineFeedAndReadsItBack) {
    const TextLines lines{L"a", L"", L"b"};
    const std::string bytes = bytesFromLines(lines);
    EXPECT_EQ(bytes, std::string("a\n\nb\n"));
    EXPECT_EQ(linesFromBytes(bytes), lines);
    EXPECT_EQ(bytesFromLines({}), "");
}

TEST(TextLines, ReadingDropsCrBeforeLfKeepsLoneCrAndLastLineWithoutLf) {
    EXPECT_EQ(linesFromBytes("one\r\ntwo\r\n"), (TextLines{L"one", L"two"}));
    EXPECT_EQ(linesFromBytes("a\rb\nlast"), (TextLines{L"a\rb", L"last"}));
    EXPECT_EQ(linesFromBytes("\n\n"), (TextLines{L"", L""}));
    EXPECT_TRUE(linesFromBytes("").empty());
}

TEST(TextLines, ByteOrderMarkStaysAsFirstCharacterAndNulEndsTheLine) {
    const TextLines lines = linesFromBytes("\xEF\xBB\xBFx\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::wstring(L"\xFEFFx"));
    EXPECT_EQ(linesFromBytes(std::string("ab\0cd\nz", 7)), (TextLines{L"ab", L"z"}));
}

TEST(TextLines, Utf8RoundTripsJapaneseAndSupplementaryCharacters) {
    const std::string utf8 = "\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3 \xF0\x9F\x98\x80"; // メモ帳 and an emoji
    const std::wstring wide = wideFromUtf8(utf8);
    ASSERT_EQ(wide.size(), 6u);
    EXPECT_EQ(wide[0], L'\x30E1');
    EXPECT_EQ(static_cast<unsigned>(wide[4]), 0xD83Du);
    EXPECT_EQ(utf8FromWide(wide), utf8);
}

TEST(TextLines, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(wideFromUtf8("a\xFF" "b"), std::wstring(L"a\xFFFD" L"b"));
    EXPECT_EQ(wideFromUtf8("\xE3\x83"), std::wstring(L"\xFFFD"));       // cut short
    EXPECT_EQ(wideFromUtf8("\xC0\xAF"), std::wstring(L"\xFFFD\xFFFD")); // overlong
    EXPECT_EQ(wideFromUtf8("\xED\xA0\x80"), std::wstring(L"\xFFFD\xFFFD\xFFFD")); // surrogate
}

TEST(SplitFields, DropsEmptyFieldsAndKeepsBlanks) {
    EXPECT_EQ(splitFields(L"\tx\t\ty\t", L'\t'), (std::vector<std::wstring>{L"x", L"y"}));
    EXPECT_EQ(splitFields(L"a, b,,c", L','), (std::vector<std::wstring>{L"a", L" b", L"c"}));
    EXPECT_TRUE(splitFields(L"", L'\t').empty());
    EXPECT_TRUE(splitFields(L"\t\t", L'\t').empty());
}

TEST(Numbers, LeadingIntegerStopsAtFirstNonDigit) {
    EXPECT_EQ(parseLeadingInt(L"245abc"), 245);
    EXPECT_EQ(parseLeadingInt(L"  -8"), -8);
    EXPECT_EQ(parseLeadingInt(L"+12"), 12);
    EXPECT_FALSE(parseLeadingInt(L"abc").has_value());
    EXPECT_FALSE(parseLeadingInt(L"").has_value());
    EXPECT_FALSE(parseLeadingInt(L"-").has_value());
    EXPECT_EQ(parseLeadingInt(L"99999999999999999999999"), 2147483647);
    EXPECT_EQ(leadingIntOr(L"x", 7), 7);
}

TEST(ProfileReader, FindsKeyInSectionWithoutCaseAndAfterJapaneseLines) {
    const TextLines lines{L"\xFEFF[Task]", L"notShowTask=\x30E1\x30E2\x5E33,\x3041", L"[ HotKey ]",
                          L" HOTKEY = 32 ", L"hotkey2=2", L"[other]", L"hotkey=9"};
    EXPECT_EQ(profileInt(lines, L"hotkey", L"hotkey"), 32);
    EXPECT_EQ(profileInt(lines, L"hotkey", L"hotkey2"), 2);
    EXPECT_EQ(profileInt(lines, L"hotkey", L"missing"), 0);
    EXPECT_EQ(profileInt(lines, L"nosection", L"hotkey", 5), 5);
    EXPECT_EQ(findProfileSection(lines, L"task"), 0);
}

TEST(ProfileReader, KeyOutsideItsSectionOrCommentedOutIsNotSeen) {
    const TextLines lines{L"hotkey=5", L"[hotkey]", L";hotkey=7", L"hotkey=abc"};
    EXPECT_EQ(profileInt(lines, L"hotkey", L"hotkey"), 0);
    EXPECT_EQ(profileInt({}, L"hotkey", L"hotkey"), 0);
}
