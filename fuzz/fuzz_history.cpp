// History files: loading, recording and period rebuilds over an in-memory folder.
#include "launcher/data/history_store.h"
#include "launcher/input/candidates.h"
#include "common/kana_query.h"
#include "common/matching.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string_view>
#include <unordered_set>

namespace {

// The work per input stays small, so that the fuzzer keeps its pace: only the
// first header lines are queried, with kanaMatch (slow to compile, and each
// new list is folded whole) only the first two, the second after a launch was
// added to the folded list; every file keeps its first lines, still more than
// a full candidate list.
constexpr size_t queriedLines = 4;
constexpr size_t kanaQueriedLines = 2;
constexpr size_t keptLines = 3 * maxCandidates;

void requireUnique(const HistoryList& list) {
    const TextList texts = list.texts();
    std::unordered_set<std::wstring> seen(texts.begin(), texts.end());
    if (seen.size() != list.size()) std::abort();
}

// The scan of the buffer takes exactly what the plain rule takes, in order.
void requirePlainCandidates(const HistoryList& list, const std::wstring& query, size_t line) {
    if (line >= queriedLines) return;
    TextList plain;
    for (const std::wstring& text : list.texts())
        if (plain.size() < maxCandidates && matchesQuery(text, query)) plain.push_back(text);
    if (collectCandidates(list, query, L"", {}) != plain) std::abort();
    if (line >= kanaQueriedLines) return;
    // With kanaMatch the scan of the folded buffer takes what the widened rule takes.
    const KanaMatching on{true, nullptr};
    const KanaQuery compiled = compileKanaQuery(query, on);
    TextList widened;
    for (const std::wstring& text : list.texts())
        if (widened.size() < maxCandidates && matchesKana(foldWideKana(text), compiled)) widened.push_back(text);
    if (collectCandidates(list, query, L"", {}, on) != widened) std::abort();
}

} // namespace

// Input: files separated by form feeds; the first line of the first part
// names the current month and the saved period.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::map<std::wstring, TextLines> files;
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = bytes.find('\f', start);
        parts.push_back(bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    const auto kept = [](std::string_view bytes) {
        TextLines lines = linesFromBytes(bytes);
        if (lines.size() > keptLines) lines.resize(keptLines);
        return lines;
    };
    const TextLines header = kept(parts[0]);
    const std::wstring month = header.empty() ? L"202612" : header[0];
    const int months = header.size() > 1 ? static_cast<int>(header[1].size()) - 1 : 0;
    const wchar_t* names[] = {L"history.txt", L"202612.txt", L"202611.txt", L"notes.txt", L"202701.txt"};
    for (size_t i = 1; i < parts.size() && i - 1 < std::size(names); ++i) files[names[i - 1]] = kept(parts[i]);

    HistoryFolder folder;
    folder.pathOf = [](const std::wstring& name) { return name; };
    folder.readBytes = [&](const std::wstring& path) -> std::optional<std::string> {
        const auto found = files.find(path);
        return found == files.end() ? std::string() : bytesFromLines(found->second);
    };
    folder.saveBytes = [&](const std::wstring& path, const std::string& bytes) {
        if (path.empty() || path == L"err.txt") std::abort();
        files[path] = linesFromBytes(bytes);
    };
    folder.listEntries = [&]() -> std::optional<std::vector<FolderEntry>> {
        std::vector<FolderEntry> entries;
        for (const auto& file : files) entries.push_back({file.first, false});
        return entries;
    };
    folder.localTime = [&](const char*) { return month; };

    ConfigStore config;
    config.historyMonths = months;
    DataStore store;
    store.config = &config;
    loadHistory(store, folder);
    requireUnique(store.historyList);
    requireUnique(store.monthList);
    for (size_t line = 0; line < header.size(); ++line) {
        const std::wstring& text = header[line];
        requirePlainCandidates(store.historyList, text, line);
        recordLaunch(store, text, folder);
        if (store.historyList.empty() || store.historyList.text(0) != text) std::abort();
    }
    requireUnique(store.historyList);
    reloadHistory(store, 0, folder);
    requireUnique(store.historyList);
    reloadHistory(store, 3, folder);
    requireUnique(store.historyList);
    if (!store.historyList.empty()) deleteHistoryEntry(store, store.historyList.text(0), folder);
    for (size_t line = 0; line < header.size(); ++line) requirePlainCandidates(store.historyList, header[line], line);
    return 0;
}
