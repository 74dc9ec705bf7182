#include "launcher/shell/activity.h"
#include "launcher/shell/clock.h"
#include "launcher/shell/layout.h"
#include "launcher/shell/list_announcement.h"
#include "launcher/shell/title.h"
#include "halvo_version.h"

#include <gtest/gtest.h>

TEST(Layout, ControlsFollowTheCandidateListsActualHeight) {
    EXPECT_EQ(candidateListRect(800, 600), (ControlRect{0, 0, 800, 280}));
    EXPECT_EQ(candidateListRect(800, 41), (ControlRect{0, 0, 800, 0}));
    const LowerControls lower = lowerControlRects(800, 600, 274);
    EXPECT_EQ(lower.statusLine, (ControlRect{0, 274, 800, 20}));
    EXPECT_EQ(lower.inputLine, (ControlRect{0, 294, 800, 20}));
    EXPECT_EQ(lower.itemView, (ControlRect{0, 314, 600, 286}));
    EXPECT_EQ(lower.bookmarkList, (ControlRect{600, 314, 200, 286}));
}

TEST(Layout, RowsAndTheBookmarkWidthGrowWithTheDpiAndStayFlush) {
    struct Row { int dpi, line, bookmark; };
    for (const Row row : {Row{96, 20, 200}, {110, 23, 229}, {120, 25, 250}, {144, 30, 300}, {192, 40, 400}}) {
        SCOPED_TRACE(row.dpi);
        EXPECT_EQ(candidateListRect(1001, 701, row.dpi), (ControlRect{0, 0, 1001, 350 - row.line}));
        const LowerControls lower = lowerControlRects(1001, 701, 333, row.dpi);
        EXPECT_EQ(lower.statusLine, (ControlRect{0, 333, 1001, row.line}));
        EXPECT_EQ(lower.inputLine, (ControlRect{0, 333 + row.line, 1001, row.line}));
        const int viewsTop = 333 + 2 * row.line;
        EXPECT_EQ(lower.itemView, (ControlRect{0, viewsTop, 1001 - row.bookmark, 701 - viewsTop}));
        EXPECT_EQ(lower.bookmarkList, (ControlRect{1001 - row.bookmark, viewsTop, row.bookmark, 701 - viewsTop}));
    }
}

TEST(DpiScale, RoundsToTheNearestPixelAndScalesEdgesSoNeighboursStillTouch) {
    EXPECT_EQ(scaledToDpi(25, 144), 38); // 37.5
    EXPECT_EQ(scaledToDpi(-25, 144), -38);
    EXPECT_EQ(scaledToDpi(1200, 120), 1500);
    EXPECT_EQ(scaledToDpi(7, 0), 7);
    EXPECT_EQ(scaledToDpi(ControlRect{100, 500, 55, 30}, 96), (ControlRect{100, 500, 55, 30}));
    EXPECT_EQ(scaledToDpi(ControlRect{100, 500, 55, 30}, 144), (ControlRect{150, 750, 83, 45}));
    // 25 + 25 scaled one by one would end at 76, past the neighbour's 75.
    const ControlRect left = scaledToDpi(ControlRect{25, 0, 25, 10}, 144);
    const ControlRect right = scaledToDpi(ControlRect{50, 0, 25, 10}, 144);
    EXPECT_EQ(left.x + left.width, right.x);
}

TEST(Layout, OnlyRectanglesPlainlyOnScreenAreRecorded) {
    EXPECT_TRUE(isRecordableRect(-8, 10, 892, 710));
    EXPECT_TRUE(isRecordableRect(-50, -50, 1499, 1499));
    EXPECT_FALSE(isRecordableRect(0, 0, 0, 0));
    EXPECT_FALSE(isRecordableRect(-32000, -32000, -31840, -31972)); // minimised
    EXPECT_FALSE(isRecordableRect(-51, 0, 800, 600));
    EXPECT_FALSE(isRecordableRect(-8, -8, 1928, 1048)); // maximised on a wide screen
    EXPECT_FALSE(isRecordableRect(100, 60, 1500, 600));
    // In pixels at 96 dpi: at 200% the limit lies at 3000 pixels, the minimised mark at -100.
    EXPECT_TRUE(isRecordableRect(2000, 120, 2998, 1318, 192));
    EXPECT_FALSE(isRecordableRect(2000, 120, 3000, 1318, 192));
    EXPECT_FALSE(isRecordableRect(-16, -16, 3856, 2176, 192)); // maximised on a 4K screen
    EXPECT_TRUE(isRecordableRect(-100, 0, 800, 600, 192));
    EXPECT_FALSE(isRecordableRect(-102, 0, 800, 600, 192));
}

TEST(Title, NamesThePeriodAfterTheVersion) {
    EXPECT_EQ(launcherTitle(0), L"Halvorunde Ver" HALVO_VERSION_TEXT " ALL");
    EXPECT_EQ(launcherTitle(3), L"Halvorunde Ver" HALVO_VERSION_TEXT " 3M");
    EXPECT_EQ(launcherTitle(12), L"Halvorunde Ver" HALVO_VERSION_TEXT " 1Y");
    EXPECT_EQ(launcherTitle(24), L"Halvorunde Ver" HALVO_VERSION_TEXT " 2Y");
    EXPECT_EQ(launcherTitle(5), L"Halvorunde Ver" HALVO_VERSION_TEXT " ");
    EXPECT_EQ(launcherTitle(0).rfind(L"Halvorunde V", 0), 0u);
}

TEST(Clock, SecondsAreTruncated) {
    const SteadyTime start{};
    EXPECT_EQ(wholeSecondsBetween(start, start + std::chrono::milliseconds(2999)), 2);
    EXPECT_EQ(wholeSecondsBetween(start, start + std::chrono::seconds(3)), 3);
}

TEST(Activity, MouseButtonsAndWheelsCountButPointerMovesDoNot) {
    struct Row { uint32_t message; bool counts; };
    for (const Row row : {Row{0x0200, false}, {0x0201, true}, {0x020A, true}, {0x020E, true}, {0x020F, false},
                          {0x00A0, false}, {0x00A1, true}, {0x00AD, true}, {0x0100, false}}) {
        SCOPED_TRACE(row.message);
        EXPECT_EQ(isMouseActivity(row.message), row.counts);
    }
}

TEST(ListAnnouncement, SaysCountsAndFirstRowsAndCutsOnlyAPlainPathToItsName) {
    struct Row { ListGlance lists; const wchar_t* said; };
    const Row rows[] = {
        {{}, L"該当なし"},
        {{2, L"C:\\data\\見積書_2026.xlsx", 0, L"", L"", false}, L"候補 2件、1 見積書_2026.xlsx"},
        {{1, L"\\\\server\\share\\", 0, L"", L"", false}, L"候補 1件、1 share"},
        {{1, L"notepad C:\\x\\y.txt", 0, L"", L"", false}, L"候補 1件、1 notepad C:\\x\\y.txt"},
        {{1, L"C:\\Windows\\notepad.exe C:\\x\\y.txt", 0, L"", L"", false},
         L"候補 1件、1 C:\\Windows\\notepad.exe C:\\x\\y.txt"},
        {{0, L"", 3, L"メモ帳", L"", false}, L"タスク 3件、1 メモ帳"},
        {{1, L"calc", 2, L"a.txt", L"C:\\資料", true}, L"フォルダー 資料、2件、1 a.txt。候補 1件、1 calc"},
        {{0, L"", 0, L"", L"C:\\資料", true}, L"フォルダー 資料、0件"},
    };
    for (const Row& row : rows) EXPECT_EQ(announcementOf(row.lists), row.said);
}
