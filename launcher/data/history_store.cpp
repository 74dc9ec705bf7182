#include "history_store.h"

#include <string>

namespace {

// An unreadable file adds nothing; the result says whether it could be read.
bool appendFile(HistoryList& list, const std::wstring& path, const HistoryFolder& folder) {
    const std::optional<std::string> bytes = folder.readBytes(path);
    std::string converted;
    if (bytes) list.appendFileBytes(utf8TextOf(*bytes, folder.decodeLegacy, converted));
    return bytes.has_value();
}

// An empty path stands for a file that must not be written this run.
void saveUnlessUnset(const std::wstring& path, const HistoryList& list, const HistoryFolder& folder) {
    if (!path.empty()) folder.saveBytes(path, list.fileBytes());
}

void rebuildHistory(DataStore& data, int months, const HistoryFolder& folder) {
    data.config->historyMonths = months;
    data.historyList.clear();
    if (months != 0) {
        // Without a current month there is nothing to count back from.
        if (const auto current = monthNumber(folder.localTime("%Y%m"))) {
            for (const std::wstring& name : periodFileNames(*current, months)) {
                appendFile(data.historyList, folder.pathOf(name), folder);
            }
        }
    } else if (const auto entries = folder.listEntries()) {
        for (const std::wstring& name : allPeriodFileNames(*entries)) {
            appendFile(data.historyList, folder.pathOf(name), folder);
        }
    }
    dropDuplicates(data.historyList);
}

} // namespace

void loadHistory(DataStore& data, const HistoryFolder& folder) {
    data.historyPath = folder.pathOf(L"history.txt");
    data.historyList.clear();
    if (!appendFile(data.historyList, data.historyPath, folder)) data.historyPath.clear();
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
    if (!appendFile(data.monthList, data.monthPath, folder)) {
        // Held by another program: taking it for empty would rebuild the
        // history without this month and write that over "history.txt".
        data.monthPath.clear();
        data.historyPath.clear();
        dropDuplicates(data.historyList);
        return;
    }
    if (!data.monthList.empty()) {
        dropDuplicates(data.historyList);
        dropDuplicates(data.monthList);
        return;
    }
    // First start in this month: the month files of the saved period decide.
    rebuildHistory(data, data.config->historyMonths, folder);
}

void recordLaunch(DataStore& data, const std::wstring& text, const HistoryFolder& folder) {
    if (moveToFront(data.historyList, text)) saveUnlessUnset(data.historyPath, data.historyList, folder);
    if (moveToFront(data.monthList, text)) saveUnlessUnset(data.monthPath, data.monthList, folder);
}

void deleteHistoryEntry(DataStore& data, const std::wstring& text, const HistoryFolder& folder) {
    removeFirst(data.historyList, text);
    removeFirst(data.monthList, text);
    saveHistoryLists(data, folder);
}

void saveHistoryLists(DataStore& data, const HistoryFolder& folder) {
    saveUnlessUnset(data.historyPath, data.historyList, folder);
    saveUnlessUnset(data.monthPath, data.monthList, folder);
}

void reloadHistory(DataStore& data, int months, const HistoryFolder& folder) {
    if (months == data.config->historyMonths) return;
    rebuildHistory(data, months, folder);
}
