// Cost of building the candidate list over a long history, beside the floor
// of a plain case-insensitive substring scan of the same lines.
#include "launcher/input/candidates.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr size_t historyLines = 100000;

const std::vector<std::wstring>& history() {
    static const std::vector<std::wstring> lines = [] {
        std::vector<std::wstring> made;
        made.reserve(historyLines);
        for (size_t i = 0; i < historyLines; ++i) {
            made.push_back(L"C:\\Users\\Taro\\Documents\\Project" + std::to_wstring(i % 97) + L"\\Report_" +
                           std::to_wstring(i) + (i % 3 ? L".txt" : L".xlsx"));
        }
        return made;
    }();
    return lines;
}

wchar_t fold(wchar_t unit) {
    return (unit >= L'A' && unit <= L'Z') ? static_cast<wchar_t>(unit - L'A' + L'a') : unit;
}

// Shown as items_per_second; the cost per entry is its inverse.
void setPerEntry(benchmark::State& state, size_t entriesPerWalk) {
    state.SetItemsProcessed(static_cast<int64_t>(entriesPerWalk) * state.iterations());
}

// Target: under 3 ms for the whole walk.
void CollectMatchingNothing(benchmark::State& state) {
    const std::vector<std::wstring>& lines = history();
    for (auto _ : state) benchmark::DoNotOptimize(collectCandidates(lines, L"zzqq", L"", {L"recycle ^keep"}));
    setPerEntry(state, lines.size());
    state.SetLabel("target < 3 ms");
}
BENCHMARK(CollectMatchingNothing)->Unit(benchmark::kMillisecond);

// Target: under 50 us when the 15 matches are near the front.
void CollectFifteenNearTheFront(benchmark::State& state) {
    const std::vector<std::wstring>& lines = history();
    for (auto _ : state) benchmark::DoNotOptimize(collectCandidates(lines, L"report txt", L"", {L"recycle ^keep"}));
    state.SetLabel("target < 50 us");
}
BENCHMARK(CollectFifteenNearTheFront)->Unit(benchmark::kMicrosecond);

// The floor: one case-insensitive substring search per line, nothing else.
void PlainSubstringScan(benchmark::State& state) {
    const std::vector<std::wstring>& lines = history();
    const std::wstring word = L"zzqq";
    for (auto _ : state) {
        size_t found = 0;
        for (const std::wstring& line : lines) {
            const auto hit = std::search(line.begin(), line.end(), word.begin(), word.end(),
                                         [](wchar_t a, wchar_t b) { return fold(a) == b; });
            found += hit != line.end();
        }
        benchmark::DoNotOptimize(found);
    }
    setPerEntry(state, lines.size());
    state.SetLabel("floor");
}
BENCHMARK(PlainSubstringScan)->Unit(benchmark::kMillisecond);

} // namespace

