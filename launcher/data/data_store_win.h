#pragma once
#include "data_store.h"
#include "history_store_win.h"

// Builds the store: the history, then "hotkey.txt" (read at start only), then the other lists.
DataStore* createDataStore(ConfigStore* config);

// Reads "bookmark.txt", "menu.txt" and "shortcut.txt" again, each replaced whole.
void reloadLists(DataStore& data);

// The rows of a table file of the config folder.
Table readTable(const std::wstring& name);
