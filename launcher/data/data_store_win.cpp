#include "data_store_win.h"

#include "common/folders_win.h"

DataStore* createDataStore(ConfigStore* config) {
    auto* data = new DataStore();
    data->config = config;
    // The folders exist after any start, even one that ends at once.
    historyFilePath(L"history.txt");
    configFilePath(L"hotkey.txt");
    return data;
}

void reloadLists(DataStore& data) {
}

void saveHistoryLists(DataStore& data) {
}
