#pragma once
// The launcher's lists: history and the item list files of the config folder.
#include "config_store.h"
#include "common/pending_writes.h"
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
    // The history files and "config.ini" while another program holds them.
    PendingWrites pendingWrites;

    // The bookmark at bookmarkIndex followed by one blank; the index is first
    // clamped into the list (and kept so). No bookmarks give empty text.
    std::wstring bookmarkText();
};

// One row per non-empty line, its fields split at TAB; empty fields vanish,
// so a line of TABs only gives a row without fields.
Table tableFromLines(const TextLines& lines);
