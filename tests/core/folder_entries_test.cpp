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
}

TEST(FolderTest, OnlySymbolicLinksAndJunctionsAreFollowed) {
    EXPECT_TRUE(followsReparseTag(0xA000000C));
    EXPECT_TRUE(followsReparseTag(0xA0000003));
    EXPECT_FALSE(followsReparseTag(0x9000601A)) << "a cloud placeholder";
    EXPECT_FALSE(followsReparseTag(0x80000013)) << "a deduplicated file";
    EXPECT_FALSE(followsReparseTag(0));
}

TEST(FolderTest, FoldersFirstEachGroupInNameOrder) {
    FolderListing entries{
        makeFolderEntry(L"C:\\f", L"z.txt", false), makeFolderEntry(L"C:\\f", L"b", true),
        makeFolderEntry(L"C:\\f", L"c.txt", false), makeFolderEntry(L"C:\\f", L"a", true),
    };
    entries.order();
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

TEST(FolderTest, ListingKeepsEveryEntryAndFiltersByPosition) {
    FolderListing listing;
    listing.enterFolder(L"C:\\f");
    listing.add(L"Read.TXT", false);
    listing.add(L"sub", true);
    listing.push_back(makeFolderEntry(L"D:\\other\\", L"x.txt", false));
    ItemEntry elsewhere;
    elsewhere.name = elsewhere.lowerName = L"n";
    elsewhere.path = L"Q:\\path without the name";
    listing.push_back(elsewhere);
    listing.order();
    EXPECT_EQ(namesOf(listing), (std::vector<std::wstring>{L"sub", L"n", L"Read.TXT", L"x.txt"}));
    EXPECT_TRUE(listing[0].isFolder);
    EXPECT_EQ(listing[1].path, L"Q:\\path without the name");
    EXPECT_EQ(listing[2].path, L"C:\\f\\Read.TXT");
    EXPECT_EQ(listing[2].lowerName, L"read.txt");
    EXPECT_EQ(listing[3].path, L"D:\\other\\x.txt");

    ListedEntries listed(listing);
    filterEntries(listing, L"t", listed);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].name, L"Read.TXT");
    EXPECT_EQ(listed.name(1), L"x.txt");
    EXPECT_FALSE(listed.has(2));
    filterEntries(listing, L"ｓｕｂ", listed, KanaMatching{true, nullptr});
    EXPECT_EQ(listed.size(), 1u);
    listing = FolderListing(); // replaced under the rows
    EXPECT_FALSE(listed.has(0));
}
