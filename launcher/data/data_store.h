#pragma once
// The launcher's lists: history and the item list files of the config folder.
#include "config_store.h"
#include "common/file_writer.h"
#include "launcher/history/history_list.h"

#include <cstdint>
#include <string>
#include <vector>

using TableRow = std::vector<std::wstring>;
using Table = std::vector<TableRow>;

struct DataStore {
    ConfigStore* config = nullptr;
    int32_t bookmarkIndex = -1;
    std::wstring historyPath;
    std::wstring monthPath;
    HistoryList historyList;
    HistoryList monthList;
    std::vector<std::wstring> bookmarkLines;
    Table hotkeyRows;
    Table menuRows;
    Table shortcutRows;
    // Writes the history files and "config.ini" on a thread of its own.
    FileWriter writer;

    // The bookmark at bookmarkIndex followed by one blank; the index is first
    // clamped into the list (and kept so). No bookmarks give empty text.
    std::wstring bookmarkText();
};

// One row per non-empty line, its fields split at TAB; empty fields vanish,
// so a line of TABs only gives a row without fields.
Table tableFromLines(const TextLines& lines);
