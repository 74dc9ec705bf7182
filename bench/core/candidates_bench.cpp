// The candidate walk over a 100,000-line history loaded through the real
// loader, fresh and after many launches, deletions and period changes, each
// beside its floor measured in the same run: one folded search of the same
// text held in a single buffer.
#include "history_files.h"
#include "launcher/input/candidates.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

using namespace bench_files;

namespace {

// Launches (a third of them new texts), deletions and period changes, as a
// launcher that has run for a long time has seen them.
void churn(Loaded& l) {
        const HistoryFolder folder = folderAt(generatedFolder(), L"202612");
        reloadHistory(l.data, 3, folder);
        reloadHistory(l.data, 0, folder);
        reloadHistory(l.data, 12, folder);
        l.data.historyPath.clear(); // in memory only: the files stay as generated
        l.data.monthPath.clear();
        uint32_t seed = 12345;
        const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
        for (size_t i = 0; i < 3000; ++i) {
            const size_t size = l.data.historyList.size();
            if (i % 3 == 0) recordLaunch(l.data, launchedText(500000 + i), folder);
            else recordLaunch(l.data, l.data.historyList.text(next() % size), folder);
            if (i % 3 == 1) deleteHistoryEntry(l.data, l.data.historyList.text(next() % size), folder);
        }
}

const Loaded& churned() {
    static Loaded loaded;
    static const bool once = (churn(loaded), true);
    (void)once;
    return loaded;
}

// A query that matches nothing walks the whole history.
void walk(benchmark::State& state, const Loaded& loaded, const std::wstring& query) {
    const HistoryList& history = loaded.data.historyList;
    if (!collectCandidates(history, query, L"", {L"recycle ^keep"}).empty()) state.SkipWithError("query matches");
    const double floor = floorMilliseconds(history, query);
    // Best of the iterations, as for the floor: on a busy machine a mean mostly measures the neighbours.
    double best = 1e9;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(collectCandidates(history, query, L"", {L"recycle ^keep"}));
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    state.counters["best_ms"] = best;
    state.counters["entries"] = static_cast<double>(history.size());
    state.counters["floor_ms"] = floor;
    state.counters["x_floor"] = best / floor;
    state.SetLabel("target <= 1 ms and <= 1.5 x floor");
}

void WalkMatchingNothingFresh(benchmark::State& state) { walk(state, fresh(), L"zzqq"); }
BENCHMARK(WalkMatchingNothingFresh)->Unit(benchmark::kMillisecond);

void WalkMatchingNothingAfterChurn(benchmark::State& state) { walk(state, churned(), L"zzqq"); }
BENCHMARK(WalkMatchingNothingAfterChurn)->Unit(benchmark::kMillisecond);

// The same with a word of the commonest units, so that the scan stops often.
void WalkMatchingNothingCommonUnitsFresh(benchmark::State& state) { walk(state, fresh(), L"e.pd"); }
BENCHMARK(WalkMatchingNothingCommonUnitsFresh)->Unit(benchmark::kMillisecond);

void WalkMatchingNothingCommonUnitsAfterChurn(benchmark::State& state) { walk(state, churned(), L"e.pd"); }
BENCHMARK(WalkMatchingNothingCommonUnitsAfterChurn)->Unit(benchmark::kMillisecond);

// Target: under 50 us when the 15 matches are near the front.
void CollectFifteenNearTheFront(benchmark::State& state) {
    const HistoryList& history = fresh().data.historyList;
    for (auto _ : state) benchmark::DoNotOptimize(collectCandidates(history, L"report pdf", L"", {L"recycle ^keep"}));
    state.SetLabel("target < 50 us");
}
BENCHMARK(CollectFifteenNearTheFront)->Unit(benchmark::kMicrosecond);

} // namespace
