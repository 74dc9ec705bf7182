#include "data_store_win.h"

#include "common/folders_win.h"
#include "common/text_files_win.h"

DataStore* createDataStore(ConfigStore* config) {
    auto* data = new DataStore();
    data->config = config;
    loadHistory(*data);
    data->hotkeyRows = readTable(L"hotkey.txt");
    reloadLists(*data);
    return data;
}

void reloadLists(DataStore& data) {
    data.bookmarkLines = readTextLines(configFilePath(L"bookmark.txt"));
    data.menuRows = readTable(L"menu.txt");
    data.shortcutRows = readTable(L"shortcut.txt");
}

Table readTable(const std::wstring& name) {
    return tableFromLines(readTextLines(configFilePath(name)));
}
