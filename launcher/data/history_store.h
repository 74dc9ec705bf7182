#pragma once
// The history of launched texts: "history.txt", the month files and the periods.
#include "launcher/history/history_lists.h"
#include "data_store.h"

#include <functional>
#include <optional>

// The history folder as the store sees it. The launcher passes the real
// folder beside the executable; tests and benchmarks pass their own.
struct HistoryFolder {
    std::function<std::wstring(const std::wstring& name)> pathOf;
    // A file's bytes: none for a missing file; nothing for one that exists but cannot be read.
    std::function<std::optional<std::string>(const std::wstring& path)> readBytes;
    // Hands a file's newest bytes to the writer, which writes them in their turn.
    std::function<void(const std::wstring& path, std::string bytes)> saveBytes;
    // Nothing when the folder cannot be listed.
    std::function<std::optional<std::vector<FolderEntry>>()> listEntries;
    std::function<std::wstring(const char* format)> localTime;
    // For a file that is not UTF-8; none reads it with replacement characters.
    LegacyDecoder decodeLegacy = nullptr;
};

// Start-up: "history.txt" and this month's file; at the first start in a
// month the history is rebuilt from the month files of the saved period.
// A file that exists but cannot be read gets an empty path: it is never
// written over during this run, so its content survives. A month file that
// cannot be read is no first start either: "history.txt" stays the history
// and, since this month's launches could not be kept, neither file is written.
void loadHistory(DataStore& data, const HistoryFolder& folder);

// The text goes first in both lists; a list to which it is new is handed to
// the writer at once.
void recordLaunch(DataStore& data, const std::wstring& text, const HistoryFolder& folder);

// Removes the text from both lists and saves them.
void deleteHistoryEntry(DataStore& data, const std::wstring& text, const HistoryFolder& folder);

// Writes "history.txt" and this month's file whole.
void saveHistoryLists(DataStore& data, const HistoryFolder& folder);

// Rebuilds historyList for a period in months (0 = all); the current period again does nothing.
void reloadHistory(DataStore& data, int months, const HistoryFolder& folder);
