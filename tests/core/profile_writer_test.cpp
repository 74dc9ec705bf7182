#include "common/profile_reader.h"
#include "common/profile_writer.h"
#include "common/text_lines.h"

#include <gtest/gtest.h>

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

std::string saveHotkey(std::string_view bytes, const std::string& key, const std::string& bits) {
    return withProfileValues(bytes, "hotkey", Values{{"hotkey", key}, {"hotkey2", bits}});
}

} // namespace

TEST(ProfileWriter, EmptyFileGetsTheSectionAsItsOnlyContent) {
    EXPECT_EQ(saveHotkey("", "123", "3"), "[hotkey]\nhotkey=123\nhotkey2=3\n");
}

TEST(ProfileWriter, MissingSectionIsAppendedAndJapaneseLinesStayByteForByte) {
    const std::string before = "[task]\nnotShowTask=\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3,\xE3\x81\x81\n"
                               "\xE2\x91\xA0\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88\n";
    EXPECT_EQ(saveHotkey(before, "123", "3"), before + "[hotkey]\nhotkey=123\nhotkey2=3\n");
    // A last line without a line end is ended before the section starts.
    EXPECT_EQ(saveHotkey("[etc]\nstartHide=0", "65", "2"), "[etc]\nstartHide=0\n[hotkey]\nhotkey=65\nhotkey2=2\n");
}

TEST(ProfileWriter, ExistingValuesAreReplacedInPlaceAndRepeatedSavesKeepOneSection) {
    const std::string head = "[open]\nF6=\xE3\x83\xA1\xE3\x83\xA2\n";
    const std::string tail = "[color]\nlistR=245\n\xE3\x81\x82=\xE3\x81\x84\n";
    const std::string before = head + "[hotkey]\nhotkey=112\nhotkey2=10\n" + tail;
    EXPECT_EQ(saveHotkey(before, "123", "3"), head + "[hotkey]\nhotkey=123\nhotkey2=3\n" + tail);

    std::string file = saveHotkey(head, "1", "2");
    file = saveHotkey(file, "1", "2");
    file = saveHotkey(file, "90", "12");
    EXPECT_EQ(file, head + "[hotkey]\nhotkey=90\nhotkey2=12\n");
    const TextLines lines = linesFromBytes(file);
    EXPECT_EQ(profileInt(lines, L"hotkey", L"hotkey"), 90);
    EXPECT_EQ(profileInt(lines, L"hotkey", L"hotkey2"), 12);
}

TEST(ProfileWriter, MissingKeyGoesAfterTheSectionsLastLineBeforeBlankLines) {
    const std::string before = "[HotKey]\n  HOTKEY = 5 \n\n[etc]\nstartHide=0\n";
    // The key keeps its spelling and blanks; only the text after "=" changes.
    EXPECT_EQ(saveHotkey(before, "123", "3"), "[HotKey]\n  HOTKEY =123\nhotkey2=3\n\n[etc]\nstartHide=0\n");
    // A section as the last line without a line end.
    EXPECT_EQ(withProfileValue("a=1\n[hotkey]", "hotkey", "hotkey", "7"), "a=1\n[hotkey]\nhotkey=7\n");
    // Comments are no keys; the same key in a later section is left alone.
    EXPECT_EQ(withProfileValue("[hotkey]\n;hotkey=1\n[x]\nhotkey=2\n", "hotkey", "hotkey", "9"),
              "[hotkey]\n;hotkey=1\nhotkey=9\n[x]\nhotkey=2\n");
}

TEST(ProfileWriter, CrLfFilesKeepTheirLineEnds) {
    const std::string before = "\xEF\xBB\xBF[hotkey]\r\nhotkey=1\r\n[etc]\r\n\xE3\x81\x82=1\r\n";
    EXPECT_EQ(saveHotkey(before, "123", "3"),
              "\xEF\xBB\xBF[hotkey]\r\nhotkey=123\r\nhotkey2=3\r\n[etc]\r\n\xE3\x81\x82=1\r\n");
    EXPECT_EQ(saveHotkey("[etc]\r\nstartHide=0\r\n", "8", "0"),
              "[etc]\r\nstartHide=0\r\n[hotkey]\r\nhotkey=8\r\nhotkey2=0\r\n");
}
