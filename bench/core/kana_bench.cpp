// kanaMatch with the Debian reading dictionary over the 100,000-line history
// of the candidate walks: the walk that matches nothing beside the same walk
// with kanaMatch off, the keystrokes that the dictionary expands most, the
// first fold of the history, the filter of a 20,000-entry folder beside the
// plain one, and the dictionary's load time and memory, each beside its floor.
#include "history_files.h"
#include "launcher/folders/folder_entries.h"
#include "launcher/input/candidates.h"

#include "common/reading_dictionary.h"

#include <benchmark/benchmark.h>

#include <string>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

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

// kanaMatch on, with the dictionary when it is installed.
KanaMatching kanaOn() { return {true, dictionary().empty() ? nullptr : &dictionary()}; }

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
    const KanaMatching on = kanaOn();
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

void KanaExpandingO(benchmark::State& state) { expanding(state, L"o"); }
BENCHMARK(KanaExpandingO)->Unit(benchmark::kMillisecond);
void KanaExpandingKa(benchmark::State& state) { expanding(state, L"ka"); }
BENCHMARK(KanaExpandingKa)->Unit(benchmark::kMillisecond);
void KanaExpandingShi(benchmark::State& state) { expanding(state, L"shi"); }
BENCHMARK(KanaExpandingShi)->Unit(benchmark::kMillisecond);
void KanaExpandingTo(benchmark::State& state) { expanding(state, L"to"); }
BENCHMARK(KanaExpandingTo)->Unit(benchmark::kMillisecond);
void KanaExpandingN(benchmark::State& state) { expanding(state, L"n"); }
BENCHMARK(KanaExpandingN)->Unit(benchmark::kMillisecond);
// A word of two consonants, before its first syllable is finished.
void KanaExpandingSh(benchmark::State& state) { expanding(state, L"sh"); }
BENCHMARK(KanaExpandingSh)->Unit(benchmark::kMillisecond);
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

// Names as a large folder holds them: documents, photos, downloads, Japanese and not.
std::wstring folderEntryName(size_t i) {
    const std::wstring n = std::to_wstring(i);
    switch (i % 5) {
    case 0: return L"見積書_株式会社サンプル" + n + L".xlsx";
    case 1: return L"IMG_" + n + L".JPG";
    case 2: return L"議事録_定例会議_" + n + L".docx";
    case 3: return L"report-" + n + L"-final.pdf";
    default: return L"ダウンロード_写真" + n + L".png";
    }
}

const FolderListing& largeFolder() {
    static const FolderListing listing = [] {
        FolderListing all;
        all.enterFolder(L"C:\\Users\\taro\\Documents");
        for (size_t i = 0; i < 20000; ++i) all.add(folderEntryName(i), false);
        all.order(); // as the listing worker leaves it
        all.shrink();
        return all;
    }();
    return listing;
}

// One keystroke's filter of a 20,000-entry folder, kanaMatch on, beside the
// plain filter of the same query. The launcher compiles a keystroke's query
// once for the candidates and the item view, so the filter is timed over the
// compiled query, and the compile beside it.
void folderFilter(benchmark::State& state, const std::wstring& query) {
    const FolderListing& all = largeFolder();
    ListedEntries listed(all);
    const KanaMatching on = kanaOn();
    const TypedQuery typed = compileTypedQuery(query, on);
    // The three taken in turn, each its best, so that a busy machine weighs on them alike.
    double plain = 1e9, best = 1e9, compile = 1e9, withCompile = 1e9;
    size_t plainListed = 0;
    const auto time = [](double& fastest, auto&& run) {
        const auto start = Clock::now();
        run();
        fastest = std::min(fastest, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    };
    for (auto _ : state) {
        time(plain, [&] { filterEntries(all, compileTypedQuery(query, {}), listed); });
        plainListed = listed.size();
        time(best, [&] { filterEntries(all, typed, listed); });
        time(compile, [&] { benchmark::DoNotOptimize(compileTypedQuery(query, on)); });
        time(withCompile, [&] { filterEntries(all, compileTypedQuery(query, on), listed); });
    }
    state.counters["best_ms"] = best;
    state.counters["plain_ms"] = plain;
    state.counters["x_plain"] = best / plain;
    state.counters["compile_ms"] = compile;
    state.counters["with_compile_x_plain"] = withCompile / plain;
    state.counters["listed"] = static_cast<double>(listed.size());
    state.counters["plain_listed"] = static_cast<double>(plainListed);
    state.SetLabel("target <= 2 x plain");
}

void KanaFolderFilterRomaji(benchmark::State& state) { folderFilter(state, L"mitsumori"); }
BENCHMARK(KanaFolderFilterRomaji)->Unit(benchmark::kMillisecond);
void KanaFolderFilterExpanding(benchmark::State& state) { folderFilter(state, L"ka"); }
BENCHMARK(KanaFolderFilterExpanding)->Unit(benchmark::kMillisecond);
void KanaFolderFilterMatchingNothing(benchmark::State& state) { folderFilter(state, L"zzqq"); }
BENCHMARK(KanaFolderFilterMatchingNothing)->Unit(benchmark::kMillisecond);

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
#if defined(__GLIBC__)
    // What the heap holds once the load is over, its own buffers freed: the bytes read stay as the dictionary.
    const size_t before = mallinfo2().uordblks;
    {
        std::string copy = bytes;
        const ReadingDictionary held = readReadingDictionary(std::move(copy));
        state.counters["heap_x_file_size"] =
            static_cast<double>(mallinfo2().uordblks - before) / static_cast<double>(bytes.size());
    }
#endif
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
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    state.SetLabel("target <= 150 ms, <= 1.5 x file size");
}
BENCHMARK(LoadReadingDictionary)->Unit(benchmark::kMillisecond);

} // namespace
