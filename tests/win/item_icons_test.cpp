// Refills reuse the images already converted; every row must still show its own icon.
#include "launcher_fixture_win.h"
#include "test_windows_win.h"

#include "common/com_apartment_win.h"
#include "common/scoped_win.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/input/text_helpers.h"
#include "launcher/input/view_state_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/tasks/task_view_state_win.h"

#include <commctrl.h>

#include <thread>
#include <vector>

namespace {

ItemEntry entry(const std::wstring& name, bool isFolder) {
    ItemEntry row;
    row.isFolder = isFolder;
    row.name = name;
    row.lowerName = name;
    row.path = L"C:\\data\\" + name;
    return row;
}

// Past the 20th row, scrolled to, with kinds not shown above it.
std::vector<ItemEntry> manyRows() {
    std::vector<ItemEntry> rows;
    for (int i = 0; i < 20; ++i) rows.push_back(entry(L"t" + std::to_wstring(i) + L".txt", false));
    for (const wchar_t* name : {L"late.exe", L"late", L"late.bat", L"late.html"})
        rows.push_back(entry(name, std::wstring(name) == L"late"));
    return rows;
}

} // namespace

using ItemIconsTest = LauncherWindowTest;

TEST_F(ItemIconsTest, ReorderedRepeatedAndFilteredRowsKeepTheirOwnIcons) {
    startLauncher();
    ItemViewHandler& itemView = *theItemViewHandler;
    ViewState& view = *mw().controller->view;
    const std::vector<std::vector<ItemEntry>> fills{
        {entry(L"a.txt", false), entry(L"sub", true), entry(L"b.exe", false)},
        {entry(L"sub", true), entry(L"c.TXT", false), entry(L"d.txt", false), entry(L"e.bat", false)},
        {entry(L"e.bat", false), entry(L"sub2", true)},
        {},
        {entry(L"f.exe", false), entry(L"g.txt", false)},
        manyRows(),
    };
    int imagesAfterFirstRound = 0;
    for (int round = 0; round < 2; ++round) {
        for (const auto& rows : fills) {
            view.allFolderEntries = rows;
            for (const wchar_t* query : {L"", L"t"}) {
                view.filterFolderEntries(query);
                std::vector<std::wstring> labels;
                for (size_t i = 0; i < view.folderEntries.size(); ++i)
                    labels.push_back(numberedLabel(view.folderEntries[i].name, static_cast<int32_t>(i)));
                ASSERT_EQ(itemViewTexts(itemView.listView), labels);
                if (!labels.empty()) ListView_EnsureVisible(itemView.listView, static_cast<int>(labels.size()) - 1, FALSE);
                for (size_t i = 0; i < view.folderEntries.size(); ++i) {
                    const int row = static_cast<int>(i);
                    EXPECT_EQ(imagePixels(itemView.display.icons.imageList, itemImage(itemView.listView, row)),
                              freshPixels(view.folderEntries[i]))
                        << "row " << i << " " << testing::PrintToString(view.folderEntries[i].name);
                }
            }
        }
        // Each distinct icon is converted once: showing the same rows again adds none.
        const int images = ImageList_GetImageCount(itemView.display.icons.imageList);
        if (round == 0) imagesAfterFirstRound = images;
        else EXPECT_EQ(images, imagesAfterFirstRound);
    }
}

TEST(ComApartmentTest, GivesTheThreadASingleThreadedApartmentForItsLifetime) {
    std::thread([] {
        {
            const ComApartment apartment;
            APTTYPE type{};
            APTTYPEQUALIFIER qualifier{};
            EXPECT_EQ(CoGetApartmentType(&type, &qualifier), S_OK);
            EXPECT_TRUE(type == APTTYPE_STA || type == APTTYPE_MAINSTA) << type;
            EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
        }
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK) << "left again at the end";
        CoUninitialize();
    }).join();
}

TEST_F(ItemIconsTest, ARefillLeavesNoPixelOfTheRowsBefore) {
    startLauncher();
    const HWND listView = theItemViewHandler->listView;
    ViewState& view = *mw().controller->view;
    const auto showRows = [&](std::vector<ItemEntry> rows) {
        view.allFolderEntries = std::move(rows);
        view.filterFolderEntries(L"");
        UpdateWindow(listView);
        GdiFlush();
    };
    showRows({entry(L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW.txt", false)});
    RECT longLabel{};
    ListView_GetItemRect(listView, 0, &longLabel, LVIR_LABEL);
    showRows({entry(L"b.txt", false)});
    RECT shortLabel{};
    ListView_GetItemRect(listView, 0, &shortLabel, LVIR_LABEL);
    ASSERT_LT(shortLabel.right + 10, longLabel.right);

    // Where the long name stood, only the view's background is left.
    const HDC dc = GetDC(listView);
    const COLORREF background = GetPixel(dc, longLabel.right - 2, longLabel.bottom + 8); // no row there
    int stale = 0;
    for (int x = shortLabel.right + 4; x < longLabel.right - 2; ++x)
        for (int y = longLabel.top + 1; y < longLabel.bottom - 1; ++y) stale += GetPixel(dc, x, y) != background;
    ReleaseDC(listView, dc);
    EXPECT_EQ(stale, 0);
}

TEST_F(ItemIconsTest, TheImageListStaysBoundedAsWindowsChangeTheirIcons) {
    startLauncher();
    ItemIcons& icons = theItemViewHandler->display.icons;
    icons.mostImages = 12;
    TestWindows windows;
    const HWND changing = windows.create(L"zqicon changing");
    std::vector<ScopedIcon> given;
    int most = 0;
    for (int i = 0; i < 40; ++i) {
        given.emplace_back(CopyIcon(LoadIconW(nullptr, i % 2 ? IDI_INFORMATION : IDI_ERROR)));
        SendMessageW(changing, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(given.back().get()));
        SetWindowTextW(mw().inputLine, L"zqicon changing");
        itemImage(mw().itemView, 0); // the row shown asks, and the answer comes
        pumpPending();
        most = std::max(most, ImageList_GetImageCount(icons.imageList));
    }
    EXPECT_LE(most, icons.mostImages + 1);
    EXPECT_EQ(imagePixels(icons.imageList, itemImage(mw().itemView, 0)), iconPixels(given.back().get()));
}
