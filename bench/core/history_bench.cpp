// History loading, the "all" rebuild and recording, over real files in a temporary folder.
#include "launcher/history/history_store.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path benchFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / "halvo_bench" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

fs::path pathFrom(const std::wstring& path) { return fs::path(utf8FromWide(path)); }

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    if (!in) return bytes;
    in.seekg(0, std::ios::end);
    bytes.resize(static_cast<size_t>(in.tellg()));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    // Temporary file and rename, as the launcher writes.
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    fs::rename(temporary, path);
}

HistoryFolder folderAt(const fs::path& root, const std::wstring& month) {
    HistoryFolder folder;
    const std::wstring prefix = wideFromUtf8(root.string()) + L"/";
    folder.pathOf = [prefix](const std::wstring& name) { return prefix + name; };
    folder.readLines = [](const std::wstring& path) { return linesFromBytes(readBytes(pathFrom(path))); };
    folder.writeLines = [](const std::wstring& path, const TextLines& lines) {
        writeBytes(pathFrom(path), bytesFromLines(lines));
    };
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

TextLines launchedTexts(size_t count, size_t offset) {
    TextLines lines;
    lines.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        lines.push_back(L"C:\\Users\\halvo\\Documents\\プロジェクト\\file" + std::to_wstring(offset + i) + L".txt");
    }
    return lines;
}

// 100,000 lines of which 2,000 repeat earlier ones; this month's file exists, so no rebuild.
void LoadHistory100kWith2kDuplicates(benchmark::State& state) {
    const fs::path root = benchFolder("load");
    TextLines lines = launchedTexts(98000, 0);
    for (size_t i = 0; i < 2000; ++i) lines.push_back(lines[i * 40]);
    writeBytes(root / "history.txt", bytesFromLines(lines));
    writeBytes(root / "202612.txt", bytesFromLines(launchedTexts(100, 0)));
    const HistoryFolder folder = folderAt(root, L"202612");
    for (auto _ : state) {
        ConfigStore config;
        DataStore data;
        data.config = &config;
        loadHistory(data, folder);
        if (data.historyList.size() != 98000) state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(data.historyList.data());
    }
}
BENCHMARK(LoadHistory100kWith2kDuplicates)->Unit(benchmark::kMillisecond);

void RebuildAllFrom60MonthFilesOf2kLines(benchmark::State& state) {
    const fs::path root = benchFolder("all");
    for (int m = 0; m < 60; ++m) {
        const int month = 202200 + (m / 12) * 100 + m % 12 + 1;
        writeBytes(root / (std::to_string(month) + ".txt"), bytesFromLines(launchedTexts(2000, static_cast<size_t>(m) * 1500)));
    }
    const HistoryFolder folder = folderAt(root, L"202612");
    ConfigStore config;
    DataStore data;
    data.config = &config;
    for (auto _ : state) {
        config.historyMonths = 1;
        reloadHistory(data, 0, folder);
        benchmark::DoNotOptimize(data.historyList.data());
    }
    state.counters["entries"] = static_cast<double>(data.historyList.size());
}
BENCHMARK(RebuildAllFrom60MonthFilesOf2kLines)->Unit(benchmark::kMillisecond);

// Each launch is new, so both files are rewritten: 100,000 history lines and a 2,000-line month.
void RecordNewLaunchInto100kHistory(benchmark::State& state) {
    const fs::path root = benchFolder("record");
    const HistoryFolder folder = folderAt(root, L"202612");
    ConfigStore config;
    DataStore data;
    data.config = &config;
    data.historyPath = folder.pathOf(L"history.txt");
    data.monthPath = folder.pathOf(L"202612.txt");
    data.historyList = launchedTexts(100000, 0);
    data.monthList = launchedTexts(2000, 0);
    size_t next = 1000000;
    for (auto _ : state) {
        recordLaunch(data, L"D:\\new\\launch" + std::to_wstring(next++), folder);
    }
}
BENCHMARK(RecordNewLaunchInto100kHistory)->Unit(benchmark::kMillisecond);

} // namespace
