#include "menu_commands_win.h"

#include "item_rows.h"
#include "kana_setup_win.h"
#include "main_window_win.h"
#include "launcher/data/config_store_win.h"
#include "launcher/data/data_store_win.h"
#include "launcher/input/shell_open_win.h"
#include "launcher/resources/resource.h"

namespace {

constexpr int commandPopupPosition = 2;

struct PeriodCommand {
    int id;
    int months;
};
constexpr PeriodCommand periodCommands[] = {
    {IDM_PERIOD_1M, 1}, {IDM_PERIOD_3M, 3}, {IDM_PERIOD_6M, 6},
    {IDM_PERIOD_1Y, 12}, {IDM_PERIOD_2Y, 24}, {IDM_PERIOD_ALL, 0},
};

void clearMenu(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (!DeleteMenu(menu, 0, MF_BYPOSITION)) break;
    }
}

bool openCommandRow(MainWindow& mw, int commandId) {
    const auto& rows = mw.data->menuRows;
    const int index = commandId - firstCommandId;
    if (index < 0 || index >= static_cast<int>(rows.size()) || commandRowId(static_cast<size_t>(index)) != commandId ||
        !isUsableMenuRow(rows[index]))
        return false;
    openWithShell(rows[index][1], nullptr);
    return true;
}

} // namespace

void buildCommandMenu(MainWindow& mw) {
    const HMENU popup = GetSubMenu(GetMenu(mw.window), commandPopupPosition);
    if (popup) clearMenu(popup);
    const auto& rows = mw.data->menuRows;
    UINT position = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        // Skipped silently, as unusable rows are.
        const auto id = commandRowId(i);
        if (!id || !isUsableMenuRow(rows[i])) continue;
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_ID | MIIM_FTYPE;
        item.fType = MFT_STRING;
        // The id stays tied to the row's position in the file, even when rows are skipped.
        item.wID = static_cast<UINT>(*id);
        item.dwTypeData = const_cast<wchar_t*>(rows[i][0].c_str());
        if (InsertMenuItemW(popup, position, TRUE, &item)) ++position;
    }
    // A hidden window gets its frame anew when shown; redrawing it now would
    // recompute the frame and lay the controls out once more at start-up.
    if (IsWindowVisible(mw.window)) DrawMenuBar(mw.window);
}

MenuAnswer handleMenuCommand(MainWindow& mw, int commandId) {
    if (openCommandRow(mw, commandId)) return MenuAnswer::commandOpened;
    for (const PeriodCommand& period : periodCommands) {
        if (period.id == commandId) {
            reloadHistory(*mw.data, period.months);
            return MenuAnswer::periodChanged;
        }
    }
    return MenuAnswer::notMine;
}

void refillBookmarks(MainWindow& mw) {
    SendMessageW(mw.bookmarkList, LB_RESETCONTENT, 0, 0);
    const auto& lines = mw.data->bookmarkLines;
    for (size_t i = 0; i < lines.size(); ++i) {
        // Inserting by index keeps the file's order despite the list's sort style.
        SendMessageW(mw.bookmarkList, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(lines[i].c_str()));
    }
    buildCommandMenu(mw);
}

void reloadAll(MainWindow& mw) {
    reloadSettings(*mw.config);
    reloadLists(*mw.data);
    refillBookmarks(mw);
    requestKanaDictionary(mw);
}
