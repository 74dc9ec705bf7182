#include "history_store.h"

#include <iterator>

namespace {

void appendLines(TextList& list, TextLines lines) {
    if (list.empty()) {
        list = std::move(lines);
        return;
    }
    list.insert(list.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
}

void rebuildHistory(DataStore& data, int months, const HistoryFolder& folder) {
    data.config->historyMonths = months;
    data.historyList.clear();
    if (months != 0) {
        // Without a current month there is nothing to count back from.
        if (const auto current = monthNumber(folder.localTime("%Y%m"))) {
            for (const std::wstring& name : periodFileNames(*current, months)) {
                appendLines(data.historyList, folder.readLines(folder.pathOf(name)));
            }
        }
    } else if (const auto entries = folder.listEntries()) {
        for (const std::wstring& name : allPeriodFileNames(*entries)) {
            appendLines(data.historyList, folder.readLines(folder.pathOf(name)));
        }
    }
    dropDuplicates(data.historyList);
}

} // namespace

void loadHistory(DataStore& data, const HistoryFolder& folder) {
    data.historyPath = folder.pathOf(L"history.txt");
    data.historyList = folder.readLines(data.historyPath);
    data.monthList.clear();
    data.monthPath.clear();
    const std::wstring month = folder.localTime("%Y%m");
    if (!monthNumber(month)) {
        // No month file can be named (and none called "err.txt" is made);
        // no rebuild is possible either, so "history.txt" stays the history.
        dropDuplicates(data.historyList);
        return;
    }
    data.monthPath = folder.pathOf(month + L".txt");
    data.monthList = folder.readLines(data.monthPath);
    if (!data.monthList.empty()) {
        dropDuplicates(data.historyList);
        dropDuplicates(data.monthList);
        return;
    }
    // First start in this month: the month files of the saved period decide.
    rebuildHistory(data, data.config->historyMonths, folder);
}

void recordLaunch(DataStore& data, const std::wstring& text, const HistoryFolder& folder) {
    if (moveToFront(data.historyList, text)) folder.writeLines(data.historyPath, data.historyList);
    if (moveToFront(data.monthList, text) && !data.monthPath.empty()) folder.writeLines(data.monthPath, data.monthList);
}

void deleteHistoryEntry(DataStore& data, const std::wstring& text, const HistoryFolder& folder) {
    removeFirst(data.historyList, text);
    removeFirst(data.monthList, text);
    saveHistoryLists(data, folder);
}

void saveHistoryLists(DataStore& data, const HistoryFolder& folder) {
    folder.writeLines(data.historyPath, data.historyList);
    if (!data.monthPath.empty()) folder.writeLines(data.monthPath, data.monthList);
}

void reloadHistory(DataStore& data, int months, const HistoryFolder& folder) {
    if (months == data.config->historyMonths) return;
    rebuildHistory(data, months, folder);
}
