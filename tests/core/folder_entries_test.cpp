#include "launcher/folders/folder_entries.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> namesOf(const std::vector<ItemEntry>& entries) {
    std::vector<std::wstring> names;
    for (const ItemEntry& entry : entries) names.push_back(entry.name);
    return names;
}

} // namespace

TEST(FolderTest, JoinsWithOneSeparator) {
    EXPECT_EQ(joinFolderPath(L"C:\\work", L"a.txt"), L"C:\\work\\a.txt");
    EXPECT_EQ(joinFolderPath(L"C:\\work\\", L"a.txt"), L"C:\\work\\a.txt");
    EXPECT_EQ(joinFolderPath(L"C:\\", L"a.txt"), L"C:\\a.txt");
    EXPECT_EQ(joinFolderPath(L"C:/work/", L"a.txt"), L"C:/work/a.txt");
    const ItemEntry entry = makeFolderEntry(L"Z:\\tmp", L"Read ME.TXT", false);
    EXPECT_EQ(entry.path, L"Z:\\tmp\\Read ME.TXT");
    EXPECT_EQ(entry.name, L"Read ME.TXT");
    EXPECT_EQ(entry.lowerName, L"read me.txt");
    EXPECT_FALSE(entry.isWindow);
    EXPECT_EQ(entry.window, nullptr);
}

TEST(FolderTest, FoldersFirstEachGroupInNameOrder) {
    std::vector<ItemEntry> entries{
        makeFolderEntry(L"C:\\f", L"z.txt", false), makeFolderEntry(L"C:\\f", L"b", true),
        makeFolderEntry(L"C:\\f", L"c.txt", false), makeFolderEntry(L"C:\\f", L"a", true),
    };
    orderFolderEntries(entries);
    EXPECT_EQ(namesOf(entries), (std::vector<std::wstring>{L"a", L"b", L"c.txt", L"z.txt"}));
}

TEST(FolderTest, NameOrderFoldsCaseByUnitAsNtfs) {
    // Upper-casing puts "_" (0x5F) after the letters, unlike a lower-case fold.
    EXPECT_TRUE(precedesByName(L"abc", L"ABD"));
    EXPECT_TRUE(precedesByName(L"Zeta", L"_x"));
    EXPECT_TRUE(precedesByName(L"ab", L"ab0"));
    EXPECT_FALSE(precedesByName(L"ABC", L"abc"));
    EXPECT_FALSE(precedesByName(L"abc", L"ABC"));
    EXPECT_EQ(upcaseUnit(L'é'), L'É');
    EXPECT_EQ(upcaseUnit(L'ж'), L'Ж');
    EXPECT_EQ(upcaseUnit(L'ё'), L'Ё');
    EXPECT_EQ(upcaseUnit(L'ｂ'), L'Ｂ');
    EXPECT_EQ(upcaseUnit(L'ā'), L'Ā');
    EXPECT_EQ(upcaseUnit(L'ĺ'), L'Ĺ');
    EXPECT_EQ(upcaseUnit(L'÷'), L'÷');
    EXPECT_EQ(upcaseUnit(L'あ'), L'あ');
    // Japanese names keep their code unit order.
    EXPECT_TRUE(precedesByName(L"あ.txt", L"い.txt"));
}
