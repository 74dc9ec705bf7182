#include "launcher/shell/clock.h"
#include "launcher/shell/layout.h"
#include "launcher/shell/title.h"

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

TEST(Layout, OnlyRectanglesPlainlyOnScreenAreRecorded) {
    EXPECT_TRUE(isRecordableRect(-8, 10, 892, 710));
    EXPECT_TRUE(isRecordableRect(-50, -50, 1499, 1499));
    EXPECT_FALSE(isRecordableRect(0, 0, 0, 0));
    EXPECT_FALSE(isRecordableRect(-32000, -32000, -31840, -31972)); // minimised
    EXPECT_FALSE(isRecordableRect(-51, 0, 800, 600));
    EXPECT_FALSE(isRecordableRect(-8, -8, 1928, 1048)); // maximised on a wide screen
    EXPECT_FALSE(isRecordableRect(100, 60, 1500, 600));
}

TEST(Title, NamesThePeriodAfterTheVersion) {
    EXPECT_EQ(launcherTitle(0), L"Halvorunde Ver1.2.5 ALL");
    EXPECT_EQ(launcherTitle(3), L"Halvorunde Ver1.2.5 3M");
    EXPECT_EQ(launcherTitle(12), L"Halvorunde Ver1.2.5 1Y");
    EXPECT_EQ(launcherTitle(24), L"Halvorunde Ver1.2.5 2Y");
    EXPECT_EQ(launcherTitle(5), L"Halvorunde Ver1.2.5 ");
    EXPECT_EQ(launcherTitle(0).rfind(L"Halvorunde V", 0), 0u);
}

TEST(Clock, SecondsAreTruncated) {
    const SteadyTime start{};
    EXPECT_EQ(wholeSecondsBetween(start, start + std::chrono::milliseconds(2999)), 2);
    EXPECT_EQ(wholeSecondsBetween(start, start + std::chrono::seconds(3)), 3);
}
