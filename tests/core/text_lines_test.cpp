#include "common/module_folder.h"
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

TEST(TextLines, ByteOrderMarkIsDroppedAndNulEndsTheLine) {
    EXPECT_EQ(linesFromBytes("\xEF\xBB\xBFx\n\xEF\xBB\xBFy"), (TextLines{L"x", L"\xFEFFy"})); // only at the start
    EXPECT_EQ(linesFromBytes("\xEF\xBB\xBF"), TextLines{});
    EXPECT_EQ(linesFromBytes(std::string("ab\0cd\nz", 7)), (TextLines{L"ab", L"z"}));
}

namespace {
// Stands in for the code page: each byte as the code point of its value.
std::wstring bytesAsLatin1(std::string_view bytes) {
    std::wstring text;
    for (const char c : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return text;
}
} // namespace

TEST(TextLines, OnlyAFileThatIsNotUtf8GoesThroughTheLegacyCodePage) {
    const struct {
        std::string bytes;
        bool utf8;
    } files[] = {
        {"", true}, {"plain ascii\n", true}, {"\xE3\x83\xA1\xE3\x83\xA2 \xF0\x9F\x98\x80", true},
        {"\x83\x81\x83\x82\x92\xA0\r\n", false}, // メモ帳 in Shift-JIS
        {"abcdefgh\x83", false}, {"\xE3\x83", false}, {"\xC0\xAF", false}, {"\xED\xA0\x80", false},
        {"\xF4\x90\x80\x80", false}, {"\xE3\x83\x41", false},
    };
    for (const auto& file : files) {
        EXPECT_EQ(isValidUtf8(file.bytes), file.utf8) << file.bytes;
        std::string converted;
        const std::string expected = file.utf8 ? file.bytes : utf8FromWide(bytesAsLatin1(file.bytes));
        EXPECT_EQ(utf8TextOf(file.bytes, bytesAsLatin1, converted), expected) << file.bytes;
        EXPECT_EQ(utf8TextOf(file.bytes, nullptr, converted), file.bytes); // no code page: as it is
    }
    EXPECT_EQ(linesFromBytes("a\x83\r\nb\n", bytesAsLatin1), (TextLines{L"a\x83", L"b"}));
    // A mark or UTF-16 decides before the code page is asked.
    EXPECT_EQ(linesFromBytes("\xEF\xBB\xBF\xE3\x83\xA1", bytesAsLatin1), TextLines{L"\x30E1"});
    EXPECT_EQ(linesFromBytes(std::string("\xFF\xFE\xE1\x30", 4), bytesAsLatin1), TextLines{L"\x30E1"});
}

TEST(TextLines, Utf8RoundTripsJapaneseAndSupplementaryCharacters) {
    const std::string utf8 = "\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3 \xF0\x9F\x98\x80"; // メモ帳 and an emoji
    const std::wstring wide = wideFromUtf8(utf8);
    ASSERT_EQ(wide.size(), 6u);
    EXPECT_EQ(wide[0], L'\x30E1');
    EXPECT_EQ(static_cast<unsigned>(wide[4]), 0xD83Du);
    EXPECT_EQ(utf8FromWide(wide), utf8);
}

TEST(TextLines, Utf16FilesWithAByteOrderMarkReadAsTheirTextWithTheirLineEnds) {
    // メモ帳 CR LF, then x and an emoji, in both byte orders.
    const std::string little("\xFF\xFE\xE1\x30\xE2\x30\x33\x5E\r\0\n\0x\0\x3D\xD8\x00\xDE", 18);
    const std::string big("\xFE\xFF\x30\xE1\x30\xE2\x5E\x33\0\r\0\n\0x\xD8\x3D\xDE\x00", 18);
    const std::string utf8 = "\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3\r\nx\xF0\x9F\x98\x80";
    for (const std::string& bytes : {little, big}) {
        EXPECT_TRUE(hasUtf16ByteOrderMark(bytes));
        EXPECT_EQ(utf8FromUtf16File(bytes), utf8);
        EXPECT_EQ(linesFromBytes(bytes), (TextLines{L"\x30E1\x30E2\x5E33", wideFromUtf8("x\xF0\x9F\x98\x80")}));
    }
    EXPECT_EQ(utf8FromUtf16File(little + "y"), utf8 + "\xEF\xBF\xBD"); // half a character
    // UTF-8 with or without its mark, Shift-JIS and a lone byte are no UTF-16.
    for (const char* other : {"\xEF\xBB\xBFx", "ab", "\x83\x81\x83\x82", "", "\xFF"}) {
        EXPECT_FALSE(hasUtf16ByteOrderMark(other)) << other;
    }
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

TEST(ModuleFolder, GrowsTheBufferUntilTheWholeNameFitsAndNeverCutsIt) {
    // As GetModuleFileNameW does: a name that does not fit is cut and the size returned.
    const auto folderOf = [](const std::wstring& name, unsigned long failFrom = 1u << 20) {
        return moduleFolder([&](wchar_t* buffer, unsigned long size) -> unsigned long {
            if (size >= failFrom) return 0;
            buffer[name.copy(buffer, size - 1)] = L'\0';
            return name.size() < size ? static_cast<unsigned long>(name.size()) : size;
        });
    };
    for (const size_t length : {259u, 260u, 520u, 32767u, 32768u}) {
        const std::wstring folder = L"C:\\" + std::wstring(length - 9, L'a');
        EXPECT_EQ(folderOf(folder + L"\\x.exe").size(), length < 32768 ? folder.size() : 0) << length;
    }
    EXPECT_EQ(folderOf(L"C:\\x.exe"), L"C:");
    EXPECT_EQ(folderOf(L"x.exe"), L"");
    EXPECT_EQ(folderOf(L"C:\\" + std::wstring(400, L'a') + L"\\x.exe", 520), L"") << "failed while growing";
}
