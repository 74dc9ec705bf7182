// kanaMatch over the 100,000-line history of the candidate walks: the walk
// that matches nothing beside the same walk with kanaMatch off, the keystrokes
// that the Debian reading dictionary expands most, the first fold of the
// history, and the dictionary's load time and memory, each beside its floor.
#include "history_files.h"
#include "launcher/input/candidates.h"

#include "common/reading_dictionary.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace bench_files;

namespace {

const char* const debianDictionary = "/usr/share/cmigemo/utf-8/migemo-dict";

const std::string& dictionaryBytes() {
    static const std::string bytes = readBytes(debianDictionary);
    return bytes;
}

const ReadingDictionary& dictionary() {
    static const ReadingDictionary loaded = readReadingDictionary(dictionaryBytes());
    return loaded;
}

template <class Walk>
double bestOf(benchmark::State& state, Walk&& walk) {
    double best = 1e9;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(walk());
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

double offWalkMilliseconds(const HistoryList& history, const std::wstring& query) {
    double best = 1e9;
    for (int run = 0; run < 30; ++run) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(collectCandidates(history, query, L"", {L"recycle ^keep"}));
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

// A query that matches nothing, with kanaMatch on, beside the walk with it off.
void walkOn(benchmark::State& state, const std::wstring& query) {
    const HistoryList& history = fresh().data.historyList;
    const KanaMatching on{true, nullptr};
    if (!collectCandidates(history, query, L"", {L"recycle ^keep"}, on).empty()) state.SkipWithError("query matches");
    const double off = offWalkMilliseconds(history, query);
    const double best = bestOf(state, [&] { return collectCandidates(history, query, L"", {L"recycle ^keep"}, on); });
    state.counters["best_ms"] = best;
    state.counters["off_ms"] = off;
    state.counters["x_off"] = best / off;
    state.SetLabel("target <= 3 ms and <= 3 x off");
}

void KanaWalkMatchingNothing(benchmark::State& state) { walkOn(state, L"zzqq"); }
BENCHMARK(KanaWalkMatchingNothing)->Unit(benchmark::kMillisecond);

void KanaWalkMatchingNothingCommonUnits(benchmark::State& state) { walkOn(state, L"e.pd"); }
BENCHMARK(KanaWalkMatchingNothingCommonUnits)->Unit(benchmark::kMillisecond);

// Romaji whose reading and spelling the history holds the units of.
void KanaWalkMatchingNothingRomaji(benchmark::State& state) { walkOn(state, L"pagex"); }
BENCHMARK(KanaWalkMatchingNothingRomaji)->Unit(benchmark::kMillisecond);

// A keystroke the dictionary expands into thousands of words, beside the walk
// of the same query with kanaMatch off.
void expanding(benchmark::State& state, const std::wstring& query) {
    if (dictionary().empty()) {
        state.SkipWithError("no dictionary: scripts/install-deps installs cmigemo-common");
        return;
    }
    const HistoryList& history = fresh().data.historyList;
    const KanaMatching on{true, &dictionary()};
    const KanaQuery compiled = compileKanaQuery(query, on);
    const size_t taken = collectCandidates(history, query, L"", {L"recycle ^keep"}, on).size();
    const double off = offWalkMilliseconds(history, query);
    const double best = bestOf(state, [&] { return collectCandidates(history, query, L"", {L"recycle ^keep"}, on); });
    state.counters["best_ms"] = best;
    state.counters["off_ms"] = off;
    state.counters["words"] = static_cast<double>(compiled.required[0].words.size());
    state.counters["taken"] = static_cast<double>(taken);
    state.SetLabel("target <= 10 ms");
}

void KanaExpandingKa(benchmark::State& state) { expanding(state, L"ka"); }
BENCHMARK(KanaExpandingKa)->Unit(benchmark::kMillisecond);
void KanaExpandingShi(benchmark::State& state) { expanding(state, L"shi"); }
BENCHMARK(KanaExpandingShi)->Unit(benchmark::kMillisecond);
void KanaExpandingKi(benchmark::State& state) { expanding(state, L"ki"); }
BENCHMARK(KanaExpandingKi)->Unit(benchmark::kMillisecond);
void KanaExpandingNu(benchmark::State& state) { expanding(state, L"nu"); }
BENCHMARK(KanaExpandingNu)->Unit(benchmark::kMillisecond);
// The same with every entry excluded, so that the walk tries each place a word of "ka" stands at.
void KanaExpandingKaMatchingNothing(benchmark::State& state) { expanding(state, L"ka ^c: ^d: ^https ^exec"); }
BENCHMARK(KanaExpandingKaMatchingNothing)->Unit(benchmark::kMillisecond);

// The first kanaMatch keystroke after a load folds the whole buffer, beside a copy of it.
void KanaFoldHistory(benchmark::State& state) {
    const HistoryList& history = fresh().data.historyList;
    std::vector<HistoryUnit> folded(history.unitCount());
    double copy = 1e9;
    for (int run = 0; run < 30; ++run) {
        const auto start = Clock::now();
        std::copy(history.units(), history.units() + history.unitCount(), folded.begin());
        benchmark::DoNotOptimize(folded.data());
        copy = std::min(copy, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const double best = bestOf(state, [&] {
        foldKanaBuffer(history.units(), history.unitCount(), folded.data());
        return folded.data();
    });
    state.counters["best_ms"] = best;
    state.counters["copy_floor_ms"] = copy;
}
BENCHMARK(KanaFoldHistory)->Unit(benchmark::kMillisecond);

// The Debian dictionary read from its bytes, beside decoding them alone. Target: 150 ms, memory 1.5 x the file.
void LoadReadingDictionary(benchmark::State& state) {
    const std::string& bytes = dictionaryBytes();
    if (bytes.empty()) {
        state.SkipWithError("no dictionary: scripts/install-deps installs cmigemo-common");
        return;
    }
    std::vector<KanaUnit> decoded(bytes.size());
    double decode = 1e9;
    for (int run = 0; run < 10; ++run) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(decodeUtf8(bytes, decoded.data()));
        decode = std::min(decode, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    size_t memory = 0, readings = 0;
    const double best = bestOf(state, [&] {
        const ReadingDictionary loaded = readReadingDictionary(bytes);
        memory = loaded.memoryBytes();
        readings = loaded.readings.size();
        return readings;
    });
    state.counters["best_ms"] = best;
    state.counters["decode_floor_ms"] = decode;
    state.counters["readings"] = static_cast<double>(readings);
    state.counters["x_file_size"] = static_cast<double>(memory) / static_cast<double>(bytes.size());
    state.SetLabel("target <= 150 ms, <= 1.5 x file size");
}
BENCHMARK(LoadReadingDictionary)->Unit(benchmark::kMillisecond);

} // namespace
