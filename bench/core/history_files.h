#pragma once
// Generated history files in a temporary folder, read and written the way the
// launcher does, for the benchmarks that load the history through the real loader.
#include "launcher/data/history_store.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace bench_files {

namespace fs = std::filesystem;

inline fs::path freshFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / "halvo_bench" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

inline fs::path pathFrom(const std::wstring& path) { return fs::path(utf8FromWide(path)); }

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    if (!in) return bytes;
    in.seekg(0, std::ios::end);
    bytes.resize(static_cast<size_t>(in.tellg()));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

inline void writeBytes(const fs::path& path, const std::string& bytes) {
    // Temporary file and rename, as the launcher writes.
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    fs::rename(temporary, path);
}

inline HistoryFolder folderAt(const fs::path& root, const std::wstring& month) {
    HistoryFolder folder;
    const std::wstring prefix = wideFromUtf8(root.string()) + L"/";
    folder.pathOf = [prefix](const std::wstring& name) { return prefix + name; };
    folder.readBytes = [](const std::wstring& path) -> std::optional<std::string> { return readBytes(pathFrom(path)); };
    folder.saveBytes = [](const std::wstring& path, const std::string& bytes) { writeBytes(pathFrom(path), bytes); };
    folder.listEntries = [root]() -> std::optional<std::vector<FolderEntry>> {
        std::vector<FolderEntry> entries;
        for (const auto& entry : fs::directory_iterator(root)) {
            entries.push_back({wideFromUtf8(entry.path().filename().string()), entry.is_directory()});
        }
        return entries;
    };
    folder.localTime = [month](const char*) { return month; };
    return folder;
}

// What users launch: paths, addresses, command lines and Japanese names,
// about 37 characters a line.
inline std::wstring launchedText(size_t i) {
    const std::wstring n = std::to_wstring(i);
    switch (i % 4) {
    case 0: return L"C:\\Users\\taro\\Desktop\\資料\\report" + n + L".pdf";
    case 1: return L"https://example.com/wiki/page" + n + L"?q=" + std::to_wstring(i % 31);
    case 2: return L"exec notepad.exe D:\\logs\\run" + n + L".log";
    default: return L"D:\\写真\\山田太郎の旅行アルバム" + std::to_wstring(i % 50) + L"\\IMG_" + n + L".jpg";
    }
}

inline TextLines launchedTexts(size_t count, size_t offset) {
    TextLines lines;
    lines.reserve(count);
    for (size_t i = 0; i < count; ++i) lines.push_back(launchedText(offset + i));
    return lines;
}

// The candidate walks' history: eleven older months of 9,000 lines and 1,000
// this month; "history.txt" holds all of them.
inline const fs::path& generatedFolder() {
    static const fs::path root = [] {
        const fs::path folder = freshFolder("candidates");
        TextLines all;
        for (int month = 12; month >= 1; --month) {
            const size_t count = month == 12 ? 1000 : 9000;
            const TextLines lines = launchedTexts(count, all.size());
            writeBytes(folder / ("2026" + std::string(month < 10 ? "0" : "") + std::to_string(month) + ".txt"),
                       bytesFromLines(lines));
            all.insert(all.end(), lines.begin(), lines.end());
        }
        writeBytes(folder / "history.txt", bytesFromLines(all));
        return folder;
    }();
    return root;
}

struct Loaded {
    ConfigStore config;
    DataStore data;
    Loaded() {
        config.historyMonths = 1;
        data.config = &config;
        loadHistory(data, folderAt(generatedFolder(), L"202612"));
    }
};

inline const Loaded& fresh() {
    static const Loaded loaded;
    return loaded;
}

using Clock = std::chrono::steady_clock;

// The history's text in one buffer, an LF between entries.
inline std::basic_string<HistoryUnit> singleBuffer(const HistoryList& history) {
    std::basic_string<HistoryUnit> text;
    for (const HistoryView entry : history) {
        text.append(entry);
        text.push_back(HistoryUnit('\n'));
    }
    return text;
}

// The folded search the matching rule does, once over the whole buffer.
inline size_t foldedSearch(const std::basic_string<HistoryUnit>& text, const std::wstring& word) {
    const auto upper = static_cast<HistoryUnit>(word[0] >= L'a' && word[0] <= L'z' ? word[0] - 32 : word[0]);
    const auto lower = static_cast<HistoryUnit>(word[0]);
    const auto isFirst = [&](HistoryUnit unit) { return unit == lower || unit == upper; };
    const auto fold = [](HistoryUnit unit) { return unit >= 'A' && unit <= 'Z' ? unit + 32 : unit; };
    size_t found = 0;
    const auto end = text.end() - static_cast<std::ptrdiff_t>(word.size() - 1);
    for (auto at = std::find_if(text.begin(), end, isFirst); at != end; at = std::find_if(at + 1, end, isFirst)) {
        size_t i = 1;
        while (i < word.size() && static_cast<wchar_t>(fold(at[static_cast<std::ptrdiff_t>(i)])) == word[i]) ++i;
        found += i == word.size();
    }
    return found;
}

inline double floorMilliseconds(const HistoryList& history, const std::wstring& word) {
    const auto text = singleBuffer(history);
    double best = 1e9;
    for (int run = 0; run < 30; ++run) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(foldedSearch(text, word));
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

} // namespace bench_files
