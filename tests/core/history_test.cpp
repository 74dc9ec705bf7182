#include "launcher/data/history_store.h"
#include "launcher/input/candidates.h"
#include "common/matching.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

// An in-memory history folder with a fixed clock.
struct FakeFolder {
    std::map<std::wstring, TextLines> files; // by name
    std::vector<std::wstring> subFolders;
    std::set<std::wstring> unreadable;       // present, but cannot be opened
    std::vector<std::wstring> writes;        // names, in order
    std::wstring month = L"202612";
    bool listable = true;

    HistoryFolder folder() {
        HistoryFolder f;
        f.pathOf = [](const std::wstring& name) { return L"H\\" + name; };
        f.readBytes = [this](const std::wstring& path) -> std::optional<std::string> {
            if (unreadable.count(path.substr(2))) return std::nullopt;
            const auto found = files.find(path.substr(2));
            return found == files.end() ? std::string() : bytesFromLines(found->second);
        };
        f.saveBytes = [this](const std::wstring& path, const std::string& bytes) {
            files[path.substr(2)] = linesFromBytes(bytes);
            writes.push_back(path.substr(2));
        };
        f.listEntries = [this]() -> std::optional<std::vector<FolderEntry>> {
            if (!listable) return std::nullopt;
            // Deliberately not in name order, as some file systems list.
            std::vector<FolderEntry> entries{{L".", true}, {L"..", true}};
            for (auto it = files.rbegin(); it != files.rend(); ++it) entries.push_back({it->first, false});
            for (const auto& name : subFolders) entries.push_back({name, true});
            return entries;
        };
        f.localTime = [this](const char*) { return month; };
        return f;
    }
};

struct Stores {
    ConfigStore config;
    DataStore data;
    Stores(int months) {
        config.historyMonths = months;
        data.config = &config;
    }
};

} // namespace

TEST(HistoryLists, MoveToFrontReportsOnlyNewTexts) {
    HistoryList list = TextList{L"a", L"b", L"c"};
    EXPECT_FALSE(moveToFront(list, L"a"));
    EXPECT_EQ(list, (TextList{L"a", L"b", L"c"}));
    EXPECT_FALSE(moveToFront(list, L"c"));
    EXPECT_EQ(list, (TextList{L"c", L"a", L"b"}));
    EXPECT_TRUE(moveToFront(list, L"C")); // case matters
    EXPECT_EQ(list, (TextList{L"C", L"c", L"a", L"b"}));
    HistoryList empty;
    EXPECT_TRUE(moveToFront(empty, L""));
    EXPECT_EQ(empty, (TextList{L""}));
}

TEST(HistoryLists, DropDuplicatesKeepsFirstOccurrencesInOrder) {
    const std::wstring longText(100, L'x'); // beyond any small-string buffer
    HistoryList list = TextList{L"a", L"b", L"a", longText, L"", L"b", longText, L"c", L""};
    dropDuplicates(list);
    EXPECT_EQ(list, (TextList{L"a", L"b", longText, L"", L"c"}));
    HistoryList none;
    dropDuplicates(none);
    EXPECT_TRUE(none.empty());
}

TEST(HistoryTime, FormatsIntoTenCharactersOrErr) {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 6;
    EXPECT_EQ(formatTime("%Y/%m/%d", time), L"2026/12/06");
    EXPECT_EQ(formatTime("%Y%m", time), L"202612");
    EXPECT_EQ(formatTime("%Y/%m/%d %H", time), L"err"); // 13 characters do not fit
    EXPECT_EQ(formatLocalTime("%Y/%m/%d").size(), 10u);
    EXPECT_TRUE(monthNumber(formatLocalTime("%Y%m")).has_value());
}

TEST(HistoryPeriods, MonthsCountBackAcrossYearEnds) {
    EXPECT_EQ(periodFileNames(202701, 1), (std::vector<std::wstring>{L"202701.txt", L"202612.txt"}));
    EXPECT_EQ(periodFileNames(202603, 3),
              (std::vector<std::wstring>{L"202603.txt", L"202602.txt", L"202601.txt", L"202512.txt"}));
    const auto twoYears = periodFileNames(202612, 24);
    ASSERT_EQ(twoYears.size(), 25u);
    EXPECT_EQ(twoYears.front(), L"202612.txt");
    EXPECT_EQ(twoYears[12], L"202512.txt");
    EXPECT_EQ(twoYears.back(), L"202412.txt");
    EXPECT_TRUE(periodFileNames(202612, -1).empty());
    EXPECT_EQ(periodFileNames(202612, 0), (std::vector<std::wstring>{L"202612.txt"}));
    // Absurd periods stop at year 1 instead of running for ever.
    const auto all = periodFileNames(202612, 2147483647);
    EXPECT_EQ(all.size(), 2026u * 12);
    EXPECT_EQ(all.back(), L"101.txt");

    EXPECT_EQ(monthNumber(L"202612"), 202612);
    EXPECT_FALSE(monthNumber(L"err").has_value());
    EXPECT_FALSE(monthNumber(L"").has_value());
    EXPECT_FALSE(monthNumber(L"-202612").has_value());
}

TEST(HistoryPeriods, AllTakesEveryFileButHistoryTxtInCaseFoldedNameOrder) {
    const auto names = allPeriodFileNames({
        {L"b.txt", false}, {L".", true}, {L"history.txt", false}, {L"sub", true}, {L"202601.txt", false},
        {L"A_1.txt", false}, {L"a1.txt", false}, {L"..", true}, {L"notes.txt", false}, {L"History.TXT", false},
        {L"Zeta", false}, {L"_x", false}, {L"202612.txt.4711.tmp", false}, {L"history.txt.12.tmp", false},
        {L"202512.txt", false}, {L"202602.txt", false}, {L"2026012.txt", false}, {L"20260a.txt", false},
    });
    // Month files newest first; the rest after them, upper-case folding putting
    // "_" (0x5F) after the letters, as NTFS does.
    EXPECT_EQ(names, (std::vector<std::wstring>{L"202602.txt", L"202601.txt", L"202512.txt", L"2026012.txt",
                                                L"20260a.txt", L"a1.txt", L"A_1.txt", L"b.txt", L"History.TXT",
                                                L"notes.txt", L"Zeta", L"_x"}));
    EXPECT_TRUE(precedesInFolderOrder(L"ä", L"Z") == false); // Latin-1 letters fold too and sort after ASCII
    EXPECT_TRUE(precedesInFolderOrder(L"ab", L"ABC"));
    // Only the names the atomic writer gives its temporary file are passed over.
    EXPECT_TRUE(isInterruptedWrite(L"notes.txt.1.tmp"));
    for (const wchar_t* name : {L"a.tmp", L"a.txt.tmp", L".txt.1.tmp", L"a.txt.x1.tmp", L"a.log.1.tmp", L"a.txt.1.tmp.x"})
        EXPECT_FALSE(isInterruptedWrite(name)) << name;
}

// Offsets, runs and compaction against a plain list doing the same.
TEST(HistoryLists, TheBufferAgreesWithAPlainListThroughMovesRemovalsAndGrowth) {
    TextList plain;
    for (int i = 0; i < 300; ++i) plain.push_back((i % 3 ? L"C:\\f\\" : L"写真") + std::to_wstring(i));
    HistoryList list;
    list.appendFileBytes(bytesFromLines(plain));
    const auto plainCandidates = [&plain](const std::wstring& query) {
        TextList taken;
        for (const std::wstring& entry : plain)
            if (taken.size() < maxCandidates && matchesQuery(entry, query)) taken.push_back(entry);
        return taken;
    };
    uint32_t seed = 7;
    for (int step = 0; step < 2000; ++step) {
        seed = seed * 1664525u + 1013904223u;
        const std::wstring text = step % 4 == 0 ? L"new" + std::to_wstring(step) : plain[seed % plain.size()];
        const auto found = std::find(plain.begin(), plain.end(), text);
        if (step % 3 == 1) { // removals outnumber additions, so compaction runs
            ASSERT_EQ(removeFirst(list, text), found != plain.end());
            if (found != plain.end()) plain.erase(found);
        } else if (moveToFront(list, text) != (found == plain.end())) {
            FAIL() << "moveToFront reported wrongly at step " << step;
        } else {
            plain.erase(std::remove(plain.begin(), plain.end(), text), plain.end());
            plain.insert(plain.begin(), text);
        }
        if (plain.empty()) plain.push_back(L"x"), list.push_back(L"x");
        size_t live = 0;
        for (const HistoryView entry : list) live += entry.size() + 1;
        ASSERT_LE(list.wastedUnits(), live) << "no compaction by step " << step;
        if (step % 97 != 0) continue;
        ASSERT_EQ(list, plain) << step;
        ASSERT_EQ(list.fileBytes(), bytesFromLines(plain));
        for (const wchar_t* query : {L"1", L"f 2 ^3", L"真1", L"NEW", L"zz"})
            ASSERT_EQ(collectCandidates(list, query, L"", {}), plainCandidates(query)) << query << " at step " << step;
        // The folded counts are the folded buffer's, through compactions and whichever pages the units fall in.
        std::vector<uint32_t> counts(65536);
        for (size_t i = 0; i < list.unitCount(); ++i) ++counts[static_cast<uint16_t>(list.foldedUnits()[i])];
        for (size_t unit = 0; unit < counts.size(); ++unit)
            ASSERT_EQ(list.foldedCount(static_cast<HistoryUnit>(unit)), counts[unit]) << unit << " at step " << step;
    }
}

TEST(HistoryStore, SameMonthStartReadsHistoryTxtWithoutItsDuplicates) {
    FakeFolder fake;
    fake.files[L"history.txt"] = {L"a", L"b", L"a", L"c"};
    fake.files[L"202612.txt"] = {L"\xFEFF" L"b", L"b"}; // a mark another editor wrote goes
    fake.files[L"202611.txt"] = {L"old"};
    Stores s(1);
    loadHistory(s.data, fake.folder());
    EXPECT_EQ(s.data.historyPath, L"H\\history.txt");
    EXPECT_EQ(s.data.monthPath, L"H\\202612.txt");
    EXPECT_EQ(s.data.historyList, (TextList{L"a", L"b", L"c"}));
    EXPECT_EQ(s.data.monthList, (TextList{L"b"}));
    EXPECT_EQ(s.config.historyMonths, 1);
    EXPECT_TRUE(fake.writes.empty());
}

TEST(HistoryStore, FirstStartInAMonthIgnoresHistoryTxtAndRebuildsTheSavedPeriod) {
    FakeFolder fake;
    fake.month = L"202701";
    fake.files[L"history.txt"] = {L"stale"};
    fake.files[L"202612.txt"] = {L"dec", L"both"};
    fake.files[L"202611.txt"] = {L"nov"};
    fake.files[L"202701.txt"] = {}; // empty month file counts as a first start
    Stores s(1);
    loadHistory(s.data, fake.folder());
    EXPECT_EQ(s.data.historyList, (TextList{L"dec", L"both"}));
    EXPECT_EQ(s.data.monthPath, L"H\\202701.txt");
    EXPECT_TRUE(s.data.monthList.empty());
    EXPECT_EQ(s.config.historyMonths, 1);

    // The same with "all": every file of the folder, newest month first, the others after.
    Stores all(0);
    fake.subFolders = {L"archive"};
    fake.files[L"notes.txt"] = {L"note", L"nov"};
    loadHistory(all.data, fake.folder());
    EXPECT_EQ(all.data.historyList, (TextList{L"dec", L"both", L"nov", L"note"}));
    EXPECT_TRUE(fake.writes.empty());
}

TEST(HistoryStore, RecordingWritesAListOnlyWhenTheTextIsNewToIt) {
    FakeFolder fake;
    Stores s(0);
    s.data.historyPath = L"H\\history.txt";
    s.data.monthPath = L"H\\202612.txt";
    s.data.historyList = {L"first", L"second", L"third"};
    s.data.monthList = {L"first", L"second"};
    const HistoryFolder folder = fake.folder();

    recordLaunch(s.data, L"first", folder); // already first: nothing at all
    EXPECT_TRUE(fake.writes.empty());

    recordLaunch(s.data, L"third", folder); // known to the history, new this month
    EXPECT_EQ(s.data.historyList, (TextList{L"third", L"first", L"second"}));
    EXPECT_EQ(fake.writes, (std::vector<std::wstring>{L"202612.txt"}));
    EXPECT_EQ(fake.files[L"202612.txt"], (TextList{L"third", L"first", L"second"}));

    recordLaunch(s.data, L"second", folder); // known to both: moved in memory only
    EXPECT_EQ(fake.writes.size(), 1u);
    EXPECT_EQ(s.data.monthList.text(0), L"second");

    recordLaunch(s.data, L"new", folder); // new to both: both files at once, with the moves above
    EXPECT_EQ(fake.writes, (std::vector<std::wstring>{L"202612.txt", L"history.txt", L"202612.txt"}));
    EXPECT_EQ(fake.files[L"history.txt"], (TextList{L"new", L"second", L"third", L"first"}));
    EXPECT_EQ(fake.files[L"202612.txt"], (TextList{L"new", L"second", L"third", L"first"}));
}

TEST(HistoryStore, DeletingRemovesFromBothListsAndSavesBoth) {
    FakeFolder fake;
    Stores s(0);
    s.data.historyPath = L"H\\history.txt";
    s.data.monthPath = L"H\\202612.txt";
    s.data.historyList = {L"a", L"b"};
    s.data.monthList = {L"b"};
    deleteHistoryEntry(s.data, L"b", fake.folder());
    EXPECT_EQ(s.data.historyList, (TextList{L"a"}));
    EXPECT_TRUE(s.data.monthList.empty());
    EXPECT_EQ(fake.writes, (std::vector<std::wstring>{L"history.txt", L"202612.txt"}));
    deleteHistoryEntry(s.data, L"absent", fake.folder()); // still saves, harmlessly
    EXPECT_EQ(fake.files[L"history.txt"], (TextList{L"a"}));
}

TEST(HistoryStore, ReloadingAPeriodReadsNewestFirstAndTheSamePeriodTwiceOnce) {
    FakeFolder fake;
    fake.month = L"202701";
    fake.files[L"202701.txt"] = {L"jan", L"both"};
    fake.files[L"202612.txt"] = {L"both", L"dec"};
    fake.files[L"202611.txt"] = {L"nov"};
    Stores s(0);
    s.data.historyList = {L"before"};
    const HistoryFolder folder = fake.folder();

    reloadHistory(s.data, 1, folder);
    EXPECT_EQ(s.config.historyMonths, 1);
    EXPECT_EQ(s.data.historyList, (TextList{L"jan", L"both", L"dec"}));

    s.data.historyList.push_back(L"launched since");
    reloadHistory(s.data, 1, folder); // the current period again: untouched
    EXPECT_EQ(s.data.historyList.text(s.data.historyList.size() - 1), L"launched since");

    reloadHistory(s.data, 0, folder); // all: newest month first too
    EXPECT_EQ(s.data.historyList, (TextList{L"jan", L"both", L"dec", L"nov"}));
    EXPECT_TRUE(fake.writes.empty()); // nothing is written by a period change

    fake.listable = false;
    reloadHistory(s.data, 3, folder);
    reloadHistory(s.data, 0, folder);
    EXPECT_TRUE(s.data.historyList.empty());
}

TEST(HistoryStore, AMonthThatCannotBeFormattedNamesNoFileAndLosesNothing) {
    FakeFolder fake;
    fake.month = L"err";
    fake.files[L"history.txt"] = {L"a", L"a", L"b"};
    Stores s(3);
    loadHistory(s.data, fake.folder());
    EXPECT_EQ(s.data.historyList, (TextList{L"a", L"b"}));
    EXPECT_TRUE(s.data.monthPath.empty());

    recordLaunch(s.data, L"c", fake.folder());
    saveHistoryLists(s.data, fake.folder());
    EXPECT_EQ(fake.writes, (std::vector<std::wstring>{L"history.txt", L"history.txt"}));
    EXPECT_EQ(fake.files.count(L"err.txt"), 0u);

    reloadHistory(s.data, 1, fake.folder()); // no month to count back from
    EXPECT_TRUE(s.data.historyList.empty());
}

TEST(HistoryStore, AFileThatCannotBeReadIsNeverWrittenOver) {
    FakeFolder fake;
    fake.files[L"history.txt"] = {L"kept"};
    fake.files[L"202612.txt"] = {L"this month"};
    fake.files[L"202611.txt"] = {L"last month"};
    fake.unreadable = {L"202612.txt"};
    Stores s(1);
    loadHistory(s.data, fake.folder());
    // A held month file is no first start: "history.txt" stays the history, and
    // neither file is written this run.
    EXPECT_EQ(s.data.historyList, (TextList{L"kept"}));
    EXPECT_TRUE(s.data.monthPath.empty());
    EXPECT_TRUE(s.data.historyPath.empty());
    recordLaunch(s.data, L"new", fake.folder());
    deleteHistoryEntry(s.data, L"kept", fake.folder());
    saveHistoryLists(s.data, fake.folder());
    EXPECT_TRUE(fake.writes.empty());
    EXPECT_EQ(fake.files[L"202612.txt"], (TextList{L"this month"}));
    EXPECT_EQ(fake.files[L"history.txt"], (TextList{L"kept"}));
    fake.files[L"history.txt"] = {L"new", L"last month"};

    fake.unreadable = {L"history.txt"};
    fake.writes.clear();
    Stores locked(1);
    loadHistory(locked.data, fake.folder());
    EXPECT_EQ(locked.data.monthList, (TextList{L"this month"}));
    recordLaunch(locked.data, L"newer", fake.folder());
    saveHistoryLists(locked.data, fake.folder());
    EXPECT_EQ(fake.writes, (std::vector<std::wstring>{L"202612.txt", L"202612.txt"}));
    EXPECT_EQ(fake.files[L"history.txt"], (TextList{L"new", L"last month"}));
}
