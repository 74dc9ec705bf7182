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

// The work per input stays small, so that the fuzzer keeps its pace: the
// first header lines are queried, each by its first units, and one of them
// with kanaMatch too (slow to compile): the second, after a launch was added
// to the list folded at load, or the first when it is alone. The header keeps
// its first lines, each a launch that rewrites both lists; every file its
// first lines, still more than a full candidate list.
constexpr size_t queriedLines = 4;
constexpr size_t queryUnits = 64;
constexpr size_t headerLines = 8;
constexpr size_t keptLines = 3 * maxCandidates;

void requireUnique(const HistoryList& list) {
    const TextList texts = list.texts();
    std::unordered_set<std::wstring> seen(texts.begin(), texts.end());
    if (seen.size() != list.size()) std::abort();
}

// The scan of the buffer takes exactly what the plain rule takes, in order.
void requirePlainCandidates(const HistoryList& list, const std::wstring& query) {
    TextList plain;
    for (const std::wstring& text : list.texts())
        if (plain.size() < maxCandidates && matchesQuery(text, query)) plain.push_back(text);
    if (collectCandidates(list, query, L"", {}) != plain) std::abort();
}

// With kanaMatch the scan of the folded buffer takes what the widened rule
// takes, both from one compiled query.
void requireKanaCandidates(const HistoryList& list, const std::wstring& query) {
    const TypedQuery compiled = compileTypedQuery(query, {true, nullptr});
    TextList widened;
    for (const std::wstring& text : list.texts())
        if (widened.size() < maxCandidates && matchesKana(foldWideKana(text), compiled.kana)) widened.push_back(text);
    if (collectCandidates(list, compiled, L"", {}) != widened) std::abort();
}

} // namespace

// Input: files separated by form feeds; the first line of the first part
// names the current month and the saved period.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::map<std::wstring, std::string> files; // by name, the bytes last saved
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = bytes.find('\f', start);
        parts.push_back(bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    const auto kept = [](std::string_view bytes, size_t count) {
        TextLines lines = linesFromBytes(bytes);
        if (lines.size() > count) lines.resize(count);
        return lines;
    };
    const TextLines header = kept(parts[0], headerLines);
    const std::wstring month = header.empty() ? L"202612" : header[0];
    const int months = header.size() > 1 ? static_cast<int>(header[1].size()) - 1 : 0;
    const wchar_t* names[] = {L"history.txt", L"202612.txt", L"202611.txt", L"notes.txt", L"202701.txt"};
    for (size_t i = 1; i < parts.size() && i - 1 < std::size(names); ++i)
        files[names[i - 1]] = bytesFromLines(kept(parts[i], keptLines));

    HistoryFolder folder;
    folder.pathOf = [](const std::wstring& name) { return name; };
    folder.readBytes = [&](const std::wstring& path) -> std::optional<std::string> {
        const auto found = files.find(path);
        return found == files.end() ? std::string() : found->second;
    };
    folder.saveBytes = [&](const std::wstring& path, const std::string& bytes) {
        if (path.empty() || path == L"err.txt") std::abort();
        files[path] = bytes;
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
    store.historyList.foldedUnits(); // as the launcher does when kanaMatch is on
    const size_t kanaLine = header.size() > 1 ? 1 : 0;
    for (size_t line = 0; line < header.size(); ++line) {
        const std::wstring& text = header[line];
        const std::wstring query = text.substr(0, queryUnits);
        if (line < queriedLines) requirePlainCandidates(store.historyList, query);
        if (line == kanaLine) requireKanaCandidates(store.historyList, query);
        recordLaunch(store, text, folder);
        if (store.historyList.empty() || store.historyList.text(0) != text) std::abort();
    }
    requireUnique(store.historyList);
    reloadHistory(store, 0, folder);
    requireUnique(store.historyList);
    reloadHistory(store, 3, folder);
    requireUnique(store.historyList);
    if (!store.historyList.empty()) deleteHistoryEntry(store, store.historyList.text(0), folder);
    for (size_t line = 0; line < header.size() && line < queriedLines; ++line)
        requirePlainCandidates(store.historyList, header[line].substr(0, queryUnits));
    return 0;
}
