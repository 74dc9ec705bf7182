// kanaMatch over a corpus of names a Japanese user keeps, with the words one
// types to find them spelt in each class of spellings: the share of queries
// that list their name, per class, and how many names a query lists, beside
// the reference engine with the same dictionary and each figure's floor.
//   kana_corpus [-v] [names.txt [dictionary]]     (-v lists what is missed)
#include "reference_engine.h"
#include "spellings.h"

#include "common/kana_query.h"
#include "common/text_lines.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

struct Name {
    std::string utf8;
    KanaText folded;
    std::vector<std::u16string> words;
};

struct Query {
    SpellingClass kind;
    std::string text;
    size_t name;
};

// Figures of the engine before the long vowels, "nn" and the other spellings were
// read, measured over the same corpus on the commit that added it.
constexpr double beforeTwoLetterMedian = 29, beforeLongMedian = 1, beforeLongMean = 1.59;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::u16string utf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
KanaText kanaText(std::u16string_view text) { return KanaText(text.begin(), text.end()); }

std::vector<Name> readNames(const std::string& bytes) {
    std::vector<Name> names;
    for (const std::wstring& line : linesFromBytes(bytes)) {
        if (line.empty() || line[0] == L'#') continue;
        const std::vector<std::wstring> fields = splitFields(line, L'\t');
        if (fields.size() < 2) continue;
        Name name;
        name.utf8 = utf8FromWide(fields[0]);
        name.folded = foldWideKana(fields[0]);
        for (const std::wstring& word : splitFields(fields[1], L' ')) name.words.push_back(utf16(word));
        names.push_back(std::move(name));
    }
    return names;
}

// A word the dictionary cannot lead to its name fails with every spelling: it is
// reported as a fault of the corpus, not counted against the matching.
bool readable(const Name& name, std::u16string_view word, const ReadingDictionary& dictionary) {
    KanaText folded = foldKana(kanaText(word));
    folded.erase(std::remove(folded.begin(), folded.end(), KanaUnit('|')), folded.end());
    if (name.folded.find(folded) != KanaText::npos) return true;
    bool found = false;
    dictionary.forEachWord(folded, [&](KanaView w) { found = found || name.folded.find(w) != KanaText::npos; });
    return found;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double mean(const std::vector<double>& values) {
    double sum = 0;
    for (const double v : values) sum += v;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool verbose = !args.empty() && args[0] == "-v";
    if (verbose) args.erase(args.begin());
    const std::string namesPath = args.size() > 0 ? args[0] : HALVO_KANA_CORPUS;
    const std::string dictionaryPath = args.size() > 1 ? args[1] : "/usr/share/cmigemo/utf-8/migemo-dict";
    const std::vector<Name> names = readNames(readFile(namesPath));
    const ReadingDictionary dictionary = readReadingDictionary(readFile(dictionaryPath));
    if (names.empty() || dictionary.empty()) {
        std::printf("kana corpus: no names in %s or no dictionary at %s (scripts/install-deps)\n", namesPath.c_str(),
                    dictionaryPath.c_str());
        return 1;
    }

    std::vector<Query> queries;
    std::set<std::string> twoLetter;
    size_t unreadable = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        for (const std::u16string& word : names[i].words) {
            if (!readable(names[i], word, dictionary)) {
                ++unreadable;
                if (verbose) std::printf("  the dictionary does not lead to %s by %s\n", names[i].utf8.c_str(),
                                         utf8FromWide(std::wstring(word.begin(), word.end())).c_str());
                continue;
            }
            for (TypedWord& typed : spellingsOf(word)) queries.push_back({typed.kind, std::move(typed.text), i});
            const std::string usual = usualSpelling(word);
            if (usual.size() >= 2) twoLetter.insert(usual.substr(0, 2));
        }
    }
    std::vector<std::string> distinct(twoLetter.begin(), twoLetter.end());
    for (const Query& q : queries) distinct.push_back(q.text);
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::map<std::string, size_t> indexOf;
    for (size_t i = 0; i < distinct.size(); ++i) indexOf[distinct[i]] = i;

    // Ours: each query compiled once and tried on every name, as a keystroke does.
    const KanaMatching kana{true, &dictionary};
    std::vector<std::vector<bool>> ours;
    std::vector<double> microseconds;
    for (const std::string& text : distinct) {
        const auto start = std::chrono::steady_clock::now();
        const KanaQuery query = compileKanaQuery(std::wstring(text.begin(), text.end()), kana);
        std::vector<bool> listed(names.size());
        for (size_t i = 0; i < names.size(); ++i) listed[i] = matchesKana(names[i].folded, query);
        microseconds.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        ours.push_back(std::move(listed));
    }
    std::vector<std::string> utf8Names;
    for (const Name& name : names) utf8Names.push_back(name.utf8);
    const std::vector<std::vector<bool>> reference = referenceLists(dictionaryPath, distinct, utf8Names);
    const auto listedCount = [](const std::vector<bool>& listed) {
        return static_cast<double>(std::count(listed.begin(), listed.end(), true));
    };

    std::printf("kanaMatch over %zu names, %zu queries, %zu readings of %s; %zu words the dictionary cannot lead to "
                "their name left out\n",
                names.size(), queries.size(), dictionary.readings.size(), dictionaryPath.c_str(), unreadable);
    std::printf("%-28s %8s %9s %10s   %s\n", "spelling class", "queries", "ours", "reference", "floor");
    for (int k = 0; k < static_cast<int>(SpellingClass::count); ++k) {
        const auto kind = static_cast<SpellingClass>(k);
        size_t count = 0, found = 0, referenceFound = 0;
        for (const Query& q : queries) {
            if (q.kind != kind) continue;
            const size_t at = indexOf[q.text];
            ++count;
            found += ours[at][q.name];
            if (!reference.empty()) referenceFound += reference[at][q.name];
            if (verbose && !ours[at][q.name]) std::printf("  %s: %s misses %s\n", nameOf(kind), q.text.c_str(), names[q.name].utf8.c_str());
        }
        const char* floor = kind == SpellingClass::usual || kind == SpellingClass::ime ? ">= 98%"
                            : kind == SpellingClass::longVowels                       ? ">= 85%"
                                                                                       : "none";
        const double share = count ? 100.0 * static_cast<double>(found) / static_cast<double>(count) : 0;
        std::printf("%-28s %8zu %8.1f%% ", nameOf(kind), count, share);
        if (reference.empty()) std::printf("%10s", "-");
        else std::printf("%9.1f%%", count ? 100.0 * static_cast<double>(referenceFound) / static_cast<double>(count) : 0);
        std::printf("   %s\n", floor);
    }

    std::vector<double> oursTwo, referenceTwo, oursLong;
    for (const std::string& text : twoLetter) {
        oursTwo.push_back(listedCount(ours[indexOf[text]]));
        if (!reference.empty()) referenceTwo.push_back(listedCount(reference[indexOf[text]]));
        if (verbose) std::printf("  %s lists %.0f, reference %.0f\n", text.c_str(), oursTwo.back(), referenceTwo.empty() ? -1.0 : referenceTwo.back());
    }
    std::set<std::string> longUsual;
    for (const Query& q : queries)
        if (q.kind == SpellingClass::usual && q.text.size() >= 4) longUsual.insert(q.text);
    for (const std::string& text : longUsual) oursLong.push_back(listedCount(ours[indexOf[text]]));
    std::printf("two-letter queries (%zu): median names listed %.1f, before %.1f, reference ", oursTwo.size(),
                median(oursTwo), beforeTwoLetterMedian);
    if (reference.empty()) std::printf("not installed (cmigemo)");
    else std::printf("%.1f", median(referenceTwo));
    std::printf("; floor: <= reference\n");
    std::printf("usual queries of four letters or more (%zu): median names listed %.1f, mean %.2f; before %.1f and %.2f; floor: about as before\n",
                longUsual.size(), median(oursLong), mean(oursLong), beforeLongMedian, beforeLongMean);
    std::printf("time per query, compiled and tried on every name: median %.0f us\n", median(microseconds));
    return 0;
}
