#include "history_store.h"

#include <iterator>

namespace {

void appendLines(TextList& list, std::optional<TextLines> read) {
    if (!read) return;
    TextLines& lines = *read;
    if (list.empty()) {
        list = std::move(lines);
        return;
    }
    list.insert(list.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
}

// An empty path stands for a file that must not be written this run.
void writeUnlessUnset(const std::wstring& path, const TextList& list, const HistoryFolder& folder) {
    if (!path.empty()) folder.writeLines(path, list);
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
    auto history = folder.readLines(data.historyPath);
    if (!history) data.historyPath.clear();
    data.historyList = std::move(history).value_or(TextLines{});
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
    auto monthLines = folder.readLines(data.monthPath);
    if (!monthLines) data.monthPath.clear();
    data.monthList = std::move(monthLines).value_or(TextLines{});
    if (!data.monthList.empty()) {
        dropDuplicates(data.historyList);
        dropDuplicates(data.monthList);
        return;
    }
    // First start in this month: the month files of the saved period decide.
    rebuildHistory(data, data.config->historyMonths, folder);
}

void recordLaunch(DataStore& data, const std::wstring& text, const HistoryFolder& folder) {
    if (moveToFront(data.historyList, text)) writeUnlessUnset(data.historyPath, data.historyList, folder);
    if (moveToFront(data.monthList, text)) writeUnlessUnset(data.monthPath, data.monthList, folder);
}

void deleteHistoryEntry(DataStore& data, const std::wstring& text, const HistoryFolder& folder) {
    removeFirst(data.historyList, text);
    removeFirst(data.monthList, text);
    saveHistoryLists(data, folder);
}

void saveHistoryLists(DataStore& data, const HistoryFolder& folder) {
    writeUnlessUnset(data.historyPath, data.historyList, folder);
    writeUnlessUnset(data.monthPath, data.monthList, folder);
}

void reloadHistory(DataStore& data, int months, const HistoryFolder& folder) {
    if (months == data.config->historyMonths) return;
    rebuildHistory(data, months, folder);
}
