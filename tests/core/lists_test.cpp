#include "launcher/data/data_store.h"

#include <gtest/gtest.h>

TEST(Tables, RowsSplitAtTabsWithoutEmptyFields) {
    const Table rows = tableFromLines({L"イベントビューア\t\teventvwr.msc", L"", L"\tlead\ttrail\t", L"\t\t", L"one"});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (TableRow{L"イベントビューア", L"eventvwr.msc"}));
    EXPECT_EQ(rows[1], (TableRow{L"lead", L"trail"}));
    EXPECT_TRUE(rows[2].empty()); // a line of TABs is a row without fields
    EXPECT_EQ(rows[3], (TableRow{L"one"}));
    EXPECT_TRUE(tableFromLines(linesFromBytes("\n")).empty()); // "shortcut.txt" of one LF
}

TEST(Bookmarks, IndexIsClampedIntoTheListAndKept) {
    DataStore data;
    EXPECT_EQ(data.bookmarkText(), L"");
    EXPECT_EQ(data.bookmarkIndex, -1); // nothing to clamp into

    data.bookmarkLines = {L"エクスプローラ", L"", L".exe"};
    EXPECT_EQ(data.bookmarkText(), L"エクスプローラ "); // -1 becomes 0
    EXPECT_EQ(data.bookmarkIndex, 0);
    data.bookmarkIndex = 1;
    EXPECT_EQ(data.bookmarkText(), L" ");
    data.bookmarkIndex = 7;
    EXPECT_EQ(data.bookmarkText(), L".exe ");
    EXPECT_EQ(data.bookmarkIndex, 2);
    data.bookmarkIndex = -5;
    EXPECT_EQ(data.bookmarkText(), L"エクスプローラ ");
    EXPECT_EQ(data.bookmarkIndex, 0);
}
