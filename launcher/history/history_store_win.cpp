#include "history_store_win.h"

#include "common/folders_win.h"
#include "common/scoped_win.h"
#include "common/text_files_win.h"

namespace {

std::optional<std::vector<FolderEntry>> listHistoryFolder() {
    WIN32_FIND_DATAW found{};
    ScopedFind find(FindFirstFileW((exeFolder() + L"\\history\\*").c_str(), &found));
    if (!find.valid()) return std::nullopt;
    std::vector<FolderEntry> entries;
    do {
        entries.push_back({found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(find.get(), &found));
    return entries;
}

std::optional<TextLines> readHistoryFile(const std::wstring& path) {
    std::string bytes;
    if (readFileBytes(path, bytes)) return linesFromBytes(bytes);
    // Missing is empty; present but unreadable (locked, no access) must not be overwritten.
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return TextLines{};
    return std::nullopt;
}

} // namespace

HistoryFolder historyFolderBesideExe() {
    HistoryFolder folder;
    folder.pathOf = historyFilePath;
    folder.readLines = readHistoryFile;
    // Write failures are silent: the lists in memory stay as they are.
    folder.writeLines = [](const std::wstring& path, const TextLines& lines) { writeTextLines(path, lines); };
    folder.listEntries = listHistoryFolder;
    folder.localTime = formatLocalTime;
    return folder;
}

void loadHistory(DataStore& data) { loadHistory(data, historyFolderBesideExe()); }

void recordLaunch(DataStore& data, const std::wstring& text) { recordLaunch(data, text, historyFolderBesideExe()); }

void deleteHistoryEntry(DataStore& data, const std::wstring& text) {
    deleteHistoryEntry(data, text, historyFolderBesideExe());
}

void saveHistoryLists(DataStore& data) { saveHistoryLists(data, historyFolderBesideExe()); }

void reloadHistory(DataStore& data, int months) { reloadHistory(data, months, historyFolderBesideExe()); }
