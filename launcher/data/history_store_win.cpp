#include "history_store_win.h"

#include "common/folders_win.h"
#include "common/scoped_win.h"
#include "common/text_files_win.h"

#include <cwchar>

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

std::optional<std::string> readHistoryFile(const std::wstring& path) {
    std::string bytes;
    if (readFileBytes(path, bytes)) return bytes;
    // Missing is empty; present but unreadable (locked, no access) must not be overwritten.
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::string();
    return std::nullopt;
}

bool processIsRunning(DWORD id) {
    ScopedKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    DWORD code = 0;
    return process.valid() && GetExitCodeProcess(process.get(), &code) && code == STILL_ACTIVE;
}

// What an interrupted write left behind. The file of a writer that still
// runs (a second start meets the first instance's) is left to it.
void removeInterruptedWrites() {
    const std::optional<std::vector<FolderEntry>> entries = listHistoryFolder();
    if (!entries) return;
    for (const FolderEntry& entry : *entries) {
        if (entry.isFolder || !isInterruptedWrite(entry.name)) continue;
        const size_t digits = entry.name.find_last_not_of(L"0123456789", entry.name.size() - 5) + 1;
        const auto writer = static_cast<DWORD>(std::wcstoul(entry.name.c_str() + digits, nullptr, 10));
        if (!processIsRunning(writer)) DeleteFileW(historyFilePath(entry.name).c_str());
    }
}

} // namespace

HistoryFolder historyFolderBesideExe(FileWriter& writer) {
    HistoryFolder folder;
    folder.pathOf = historyFilePath;
    folder.readBytes = readHistoryFile;
    // A failed write leaves the lists in memory as they are; the writer tries at the next chance.
    folder.saveBytes = [&writer](const std::wstring& path, std::string bytes) {
        writer.write(path, [path, bytes = std::move(bytes)] { return tryWriteTextFile(path, bytes); });
    };
    folder.listEntries = listHistoryFolder;
    folder.localTime = formatLocalTime;
    folder.decodeLegacy = wideFromCodePage932;
    return folder;
}

void loadHistory(DataStore& data) {
    removeInterruptedWrites();
    loadHistory(data, historyFolderBesideExe(data.writer));
}

void recordLaunch(DataStore& data, const std::wstring& text) {
    recordLaunch(data, text, historyFolderBesideExe(data.writer));
}

void deleteHistoryEntry(DataStore& data, const std::wstring& text) {
    deleteHistoryEntry(data, text, historyFolderBesideExe(data.writer));
}

void saveHistoryLists(DataStore& data) { saveHistoryLists(data, historyFolderBesideExe(data.writer)); }

void reloadHistory(DataStore& data, int months) { reloadHistory(data, months, historyFolderBesideExe(data.writer)); }
