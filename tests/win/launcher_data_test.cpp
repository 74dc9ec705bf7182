// A launcher built from prepared data files opens and closes as they say.
#include "launcher_fixture_win.h"
#include "launcher/data/config_store.h"
#include "launcher/data/data_store_win.h"
#include "launcher/shell/main_window_win.h"
#include "common/controls_win.h"
#include "common/folders_win.h"
#include "common/text_files_win.h"
#include "launcher/resources/resource.h"
#include "halvo_version.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

std::string fileBytes(const std::wstring& path) {
    std::string bytes;
    readFileBytes(path, bytes);
    return bytes;
}

void putFile(const std::wstring& path, const std::string& bytes) {
    ASSERT_TRUE(writeTextLines(path, linesFromBytes(bytes)));
}

} // namespace

using LauncherData = LauncherWindowTest;

TEST_F(LauncherData, OpensWhereConfigIniSaysAndWritesItsStateBackOnClose) {
    removeDataFiles();
    putFile(configFilePath(L"config.txt"), "[hotkey]\nhotkey=122\nhotkey2=7\n[color]\nlistR=300\nlistG=10\nlistB=20\n"
                                           "viewFileR=1\nviewFileG=2\nviewFileB=3\n[etc]\nstartHide=1\n");
    const std::string folderUtf8 = "Z:\\tmp";
    putFile(configFilePath(L"config.ini"), "x=120\ny=80\nh=480\nw=640\nl=" + folderUtf8 + "\nt=abc\nm=3\n");
    const std::wstring month = formatLocalTime("%Y%m") + L".txt";
    putFile(historyFilePath(L"history.txt"), "one\ntwo\n");
    putFile(historyFilePath(month), "two\n");
    putFile(configFilePath(L"bookmark.txt"), "b1\nb2\n");

    startLauncherKeepingFiles(false);
    EXPECT_TRUE(theConfig->isOn(L"startHide"));
    const HWND window = this->window();

    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 120);
    EXPECT_EQ(rect.top, 80);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 480);
    EXPECT_EQ(windowText(window), L"Halvorunde Ver" HALVO_VERSION_TEXT " 3M");
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(windowText(mw().inputLine), L"abc");
    EXPECT_EQ(SendMessageW(mw().bookmarkList, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ListView_GetBkColor(mw().itemView), RGB(1, 2, 3));

    // The candidate list is painted with the configured colour, red reduced to 8 bits.
    const HDC dc = GetDC(mw().candidateList);
    SendMessageW(window, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(mw().candidateList));
    EXPECT_EQ(GetBkColor(dc), RGB(44, 10, 20));
    ReleaseDC(mw().candidateList, dc);

    recordLaunch(*theData, L"two");
    SetWindowPos(window, nullptr, 130, 90, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(mw().inputLine, L"typed");
    theConfig->historyMonths = 12;
    closeLauncher();

    EXPECT_EQ(fileBytes(configFilePath(L"config.ini")),
              "x=130\ny=90\nh=500\nw=700\nl=" + folderUtf8 + "\nt=typed\nm=12\n");
    EXPECT_EQ(fileBytes(historyFilePath(L"history.txt")), "two\none\n");
    EXPECT_EQ(fileBytes(historyFilePath(month)), "two\n");
}

TEST_F(LauncherData, ReloadCommandRereadsSettingsAndListsButKeepsListsWhoseKeyVanished) {
    removeDataFiles();
    putFile(configFilePath(L"config.txt"), "[hotkey]\nhotkey=122\nhotkey2=7\n[task]\nautoClose=a,b\n[color]\nlistR=1\n");
    putFile(configFilePath(L"bookmark.txt"), "b1\nb2\n");
    putFile(configFilePath(L"hotkey.txt"), "calc\t123\t7\n");
    startLauncherKeepingFiles(false);
    ASSERT_EQ(theData->hotkeyRows.size(), 1u);

    putFile(configFilePath(L"config.txt"), "[hotkey]\nhotkey=122\nhotkey2=7\n[task]\nautoClose=\n[color]\nlistR=2\n");
    putFile(configFilePath(L"bookmark.txt"), "c1\nc2\nc3\n");
    putFile(configFilePath(L"menu.txt"), "label\tcmd.exe\n");
    putFile(configFilePath(L"hotkey.txt"), "");
    SendMessageW(window(), WM_COMMAND, IDM_RELOAD, 0);

    EXPECT_EQ(SendMessageW(mw().bookmarkList, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(theConfig->autoCloseList(), (TextList{L"a", L"b"}));
    EXPECT_EQ(theConfig->colourOf(L"list") & 0xFF, 2u);
    EXPECT_EQ(theData->menuRows, (Table{{L"label", L"cmd.exe"}}));
    EXPECT_EQ(theData->hotkeyRows.size(), 1u); // hotkeys change only with a restart
}
