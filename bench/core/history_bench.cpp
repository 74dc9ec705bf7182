// History loading, the "all" rebuild and recording, over real files in a temporary folder.
#include "history_files.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace bench_files;

namespace {

// Loads the lines as "history.txt" through the real loader; this month's
// file exists, so no rebuild.
void timeLoad(benchmark::State& state, const char* name, const TextLines& lines, size_t expected) {
    const fs::path root = freshFolder(name);
    writeBytes(root / "history.txt", bytesFromLines(lines));
    writeBytes(root / "202612.txt", bytesFromLines(launchedTexts(100, 0)));
    const HistoryFolder folder = folderAt(root, L"202612");
    for (auto _ : state) {
        ConfigStore config;
        DataStore data;
        data.config = &config;
        loadHistory(data, folder);
        if (data.historyList.size() != expected) state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(data.historyList.units());
    }
}

// A 100,000-line history of about 37 characters a line. Target: 10 ms.
void LoadHistory100kLines(benchmark::State& state) {
    const TextLines lines = launchedTexts(100000, 0);
    timeLoad(state, "load100k", lines, 100000);
    state.counters["chars_per_line"] =
        static_cast<double>(wideFromUtf8(bytesFromLines(lines)).size()) / 100000 - 1;
    state.SetLabel("target <= 10 ms");
}
BENCHMARK(LoadHistory100kLines)->Unit(benchmark::kMillisecond);

// The floor of a load: the same file's bytes read and decoded into one buffer.
void ReadAndDecode100kLinesFloor(benchmark::State& state) {
    const fs::path root = freshFolder("load100k-floor");
    writeBytes(root / "history.txt", bytesFromLines(launchedTexts(100000, 0)));
    for (auto _ : state) {
        const std::string bytes = readBytes(root / "history.txt");
        std::u16string units(bytes.size(), u'\0');
        units.resize(decodeUtf8(bytes, units.data()));
        benchmark::DoNotOptimize(units.data());
    }
    state.SetLabel("floor");
}
BENCHMARK(ReadAndDecode100kLinesFloor)->Unit(benchmark::kMillisecond);

// 100,000 lines of which 2,000 repeat earlier ones.
void LoadHistory100kWith2kDuplicates(benchmark::State& state) {
    TextLines lines = launchedTexts(98000, 0);
    for (size_t i = 0; i < 2000; ++i) lines.push_back(lines[i * 40]);
    timeLoad(state, "load", lines, 98000);
}
BENCHMARK(LoadHistory100kWith2kDuplicates)->Unit(benchmark::kMillisecond);

void RebuildAllFrom60MonthFilesOf2kLines(benchmark::State& state) {
    const fs::path root = freshFolder("all");
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
        benchmark::DoNotOptimize(data.historyList.units());
    }
    state.counters["entries"] = static_cast<double>(data.historyList.size());
}
BENCHMARK(RebuildAllFrom60MonthFilesOf2kLines)->Unit(benchmark::kMillisecond);

// Each launch is new, so both files are rewritten: 100,000 history lines and a 2,000-line month.
void RecordNewLaunchInto100kHistory(benchmark::State& state) {
    const fs::path root = freshFolder("record");
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
