#include "data_store_win.h"

#include "common/folders_win.h"
#include "common/text_files_win.h"

DataStore* createDataStore(ConfigStore* config) {
    auto* data = new DataStore();
    data->config = config;
    // The folders exist after any start, even one that ends at once.
    historyFilePath(L"history.txt");
    for (const auto& line : readTextLines(configFilePath(L"hotkey.txt"))) {
        if (!line.empty()) data->hotkeyRows.push_back(splitFields(line, L'\t'));
    }
    return data;
}

void reloadLists(DataStore& data) {
}

void saveHistoryLists(DataStore& data) {
}
