#include "menu_commands_win.h"

#include "main_window_win.h"
#include "launcher/data/config_store_win.h"
#include "launcher/data/data_store_win.h"

MenuAnswer handleMenuCommand(MainWindow& mw, int commandId) {
    return MenuAnswer::notMine;
}

void refillBookmarks(MainWindow& mw) {
    SendMessageW(mw.bookmarkList, LB_RESETCONTENT, 0, 0);
    const auto& lines = mw.data->bookmarkLines;
    for (size_t i = 0; i < lines.size(); ++i) {
        SendMessageW(mw.bookmarkList, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(lines[i].c_str()));
    }
}

void reloadAll(MainWindow& mw) {
    reloadSettings(*mw.config);
    reloadLists(*mw.data);
    refillBookmarks(mw);
}
