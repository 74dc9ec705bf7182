#include "launcher/input/candidates.h"
#include "common/matching.h"
#include "launcher/input/text_helpers.h"
#include "launcher/folders/folder_entries.h"
#include "launcher/tasks/task_rules.h"

#include "common/reading_dictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::wstring>;

TEST(Matching, FoldsOnlyAsciiLettersAndFindsWordsAnywhere) {
    EXPECT_TRUE(matchesQuery(L"c:\\docs\\readme.md", L"README"));
    EXPECT_TRUE(matchesQuery(L"C:\\Docs\\ReadMe.md", L"docs readme"));
    EXPECT_TRUE(matchesQuery(L"C:\\Docs\\ReadMe.md", L"me.md DOCS"));
    EXPECT_FALSE(matchesQuery(L"A", L"\xFF21"));     // full-width A stays itself
    EXPECT_FALSE(matchesQuery(L"\xFF41", L"\xFF21")); // no full-width folding either
    EXPECT_TRUE(matchesQuery(L"\xFF21", L"\xFF21"));
    EXPECT_EQ(lowerText(L"AZaz@[\xC0\x3042"), std::wstring(L"azaz@[\xC0\x3042"));
    EXPECT_FALSE(matchesQuery(L"ab", L"abc")); // longer than the text
    EXPECT_TRUE(matchesQuery(L"anything", L""));
    EXPECT_TRUE(matchesQuery(L"", L""));
    EXPECT_FALSE(matchesQuery(L"", L"a"));
}

TEST(Matching, SpacesSeparateWordsAndIdeographicSpaceDoesNot) {
    EXPECT_EQ(matchesQuery(L"a-b", L"a  b"), matchesQuery(L"a-b", L"a b"));
    EXPECT_TRUE(matchesQuery(L"xa-by", L"  a  b  "));
    EXPECT_TRUE(matchesQuery(L"anything", L"   ")); // only blanks: no words at all
    EXPECT_FALSE(matchesQuery(L"a b", L"a\x3000" L"b"));
    EXPECT_TRUE(matchesQuery(L"a\x3000" L"b", L"A\x3000" L"B"));
}

TEST(Matching, CaretWordsExcludeAndALoneCaretMatchesNothing) {
    EXPECT_TRUE(matchesQuery(L"doc-new", L"doc ^old"));
    EXPECT_FALSE(matchesQuery(L"doc-OLD", L"doc ^old"));
    EXPECT_FALSE(matchesQuery(L"anything", L"^"));
    EXPECT_FALSE(matchesQuery(L"", L"^"));
    EXPECT_FALSE(matchesQuery(L"abc", L"abc ^"));
    EXPECT_TRUE(matchesQuery(L"ab", L"^abc")); // exclusion longer than the text passes
    EXPECT_FALSE(matchesQuery(L"abc", L"^ABC"));
    EXPECT_TRUE(matchesQuery(L"a^b", L"a^b")); // "^" inside a word is ordinary
}

namespace {

const ReadingDictionary& smallDictionary() {
    static const ReadingDictionary dictionary =
        readReadingDictionary("みつもり\t見積\nぎじろく\t議事録\nでんたく\t電卓\nめも\tメモ\nか\t火\t課\nかりうむ\tK\n"
                              "きんゆう\t金融\nせんえん\t千円\nとうきょう\t東京\nこうの\t河野\nしんばし\t新橋\n"
                              "ちかづく\t近付く\nせいねん\t青年\n");
    return dictionary;
}

} // namespace

TEST(Matching, KanaMatchFoldsWidthKanaAndReadsRomaji) {
    const KanaMatching off, on{true, nullptr}, withDictionary{true, &smallDictionary()};
    const struct {
        const wchar_t *text, *query;
        bool off, on, withDictionary;
    } cases[] = {
        {L"ＲＥＡＤＭＥ.txt", L"readme", false, true, true},
        {L"ﾃﾞｰﾀ.csv", L"データ", false, true, true},
        {L"ダウンロード", L"だうんろーど", false, true, true},
        {L"a b", L"a\x3000" L"b", false, true, true},
        {L"C:\\ダウンロード", L"daunro-do", false, true, true},
        {L"C:\\ダウンロード", L"daunr", false, true, true},
        {L"C:\\ダウンロード", L"daunk", false, false, false},
        {L"メモ帳", L"memo", false, true, true},
        {L"memo.txt", L"memo", true, true, true},
        {L"メモ帳", L"^memo", true, false, false},
        {L"見積書.xlsx", L"mitsumori", false, false, true},
        {L"見積書.xlsx", L"mitumo", false, false, true},
        {L"見積書.xlsx", L"mitsumor", false, false, true},
        {L"議事録", L"giji ^mitsu", false, false, true},
        {L"電卓", L"d", false, false, false}, // no complete kana: no dictionary
        {L"課題", L"ka", false, false, true},
        {L"Kit", L"kariu", false, false, false}, // a dictionary's Latin words are not its kanji
        {L"ｶﾞｲﾄﾞ", L"gaido", false, true, true},
        {L"がっこう", L"gakk", false, true, true},
        {L"", L"^", false, false, false},
        // "nn" before a vowel both ways, m before b and p, long vowels left out, doubled or as "oh".
        {L"金融.pdf", L"kinnyuu", false, false, true},
        {L"キンユウ", L"kinnyu", false, true, true},
        {L"千円札", L"sennen", false, false, true},
        {L"センネン", L"sennen", false, true, true},
        {L"新橋", L"shimbashi", false, false, true},
        {L"センパイ", L"sempai", false, true, true},
        {L"東京", L"tokyo", false, false, true},
        {L"トーキョー", L"toukyou", false, true, true},
        {L"こうの", L"kohno", false, true, true},
        {L"河野", L"kono", false, false, true},
        {L"おおさか", L"osaka", false, true, true},
        {L"エレベーター", L"erebeetaa", false, true, true},
        {L"ｴﾚﾍﾞｰﾀｰ", L"erebeta", false, true, true},
        {L"千円札", L"senen", false, false, false}, // ん is never left out
        {L"きょうと", L"kiyoto", false, false, false},
        // ぢ, づ and を as they sound, Hepburn's ti and di, the missing rows, a final "tc".
        {L"近付く", L"chikazuku", false, false, true},
        {L"はなぢ", L"hanaji", false, true, true},
        {L"をかし", L"okashi", false, true, true},
        {L"ティーシャツ", L"ti-shatsu", false, true, true},
        {L"ディスク", L"disuku", false, true, true},
        {L"デュエット", L"dyuetto", false, true, true},
        {L"ウォッチ", L"wotchi", false, true, true},
        {L"グァム", L"gwamu", false, true, true},
        {L"マッチャ", L"matc", false, true, true},
        // No finished syllable: the dictionary is asked from two letters on.
        {L"新橋", L"sh", false, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matchesQuery(c.text, c.query, off), c.off) << c.query;
        EXPECT_EQ(matchesQuery(c.text, c.query), c.off) << c.query;
        EXPECT_EQ(matchesQuery(c.text, c.query, on), c.on) << c.query;
        EXPECT_EQ(matchesQuery(c.text, c.query, withDictionary), c.withDictionary) << c.query;
    }

    // Folded once as they are listed, folder entries and task titles list what
    // folding them at each keystroke lists, in the same order.
    FolderListing listing;
    std::vector<TaskWindow> windows;
    for (const wchar_t* text : {L"\U0001F4C4ﾒﾓ.txt", L"ＫＡ課題"}) windows.push_back(makeTaskWindow(text, L"C", nullptr));
    for (const auto& c : cases) windows.push_back(makeTaskWindow(c.text, L"C", nullptr));
    for (const TaskWindow& window : windows) listing.add(window.title, false);
    listing.order();
    ListedEntries listed(listing);
    for (const KanaMatching& kana : {off, on, withDictionary}) {
        for (const auto& c : cases) {
            Texts expectedNames, names, expectedTitles;
            for (const ItemEntry& entry : listing)
                if (matchesQuery(entry.name, c.query, kana)) expectedNames.push_back(entry.name);
            filterEntries(listing, lowerText(c.query), listed, kana);
            for (const ItemEntry& entry : listed) names.push_back(entry.name);
            EXPECT_EQ(names, expectedNames) << c.query;
            for (const TaskWindow& window : windows)
                if (matchesQuery(window.title, c.query, kana)) expectedTitles.push_back(window.title);
            TaskFilterSettings settings;
            settings.kana = kana;
            Texts titles;
            for (const TaskWindow& window : filterTasks(windows, lowerText(c.query), settings).shownTasks)
                titles.push_back(window.title);
            EXPECT_EQ(titles, expectedTitles) << c.query;
        }
    }
}

namespace {

Texts numbered(const char* stem, int count) {
    Texts lines;
    for (int i = 0; i < count; ++i) {
        std::wstring line;
        for (const char* c = stem; *c; ++c) line += static_cast<wchar_t>(*c);
        line += std::to_wstring(i);
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(Candidates, TakeAtMostFifteenInHistoryOrder) {
    const Texts history = numbered("C:\\f\\file", 20);
    const Texts all = collectCandidates(history, L"", L"", {});
    ASSERT_EQ(all.size(), 15u);
    EXPECT_EQ(all.front(), L"C:\\f\\file0");
    EXPECT_EQ(all.back(), L"C:\\f\\file14");
    EXPECT_TRUE(collectCandidates(history, L"^", L"", {}).empty());
    EXPECT_TRUE(collectCandidates({}, L"", L"", {}).empty());
}

TEST(Candidates, ExclusionQueryOverTwentyLinesKeepsTheFirstFifteenOthers) {
    Texts history = numbered("x", 20);
    for (int i : {1, 5, 9}) history[static_cast<size_t>(i)] += L"-TMP";
    const Texts taken = collectCandidates(history, L"^tmp", L"", {});
    ASSERT_EQ(taken.size(), 15u);
    for (const std::wstring& entry : taken) EXPECT_EQ(entry.find(L"TMP"), std::wstring::npos);
    EXPECT_EQ(taken[0], L"x0");
    EXPECT_EQ(taken[1], L"x2");
    EXPECT_EQ(taken[14], L"x17");
}

TEST(Candidates, FolderIsASecondQueryAndNotShowListItemsAreQueries) {
    const Texts history{L"C:\\a\\recycle-keep", L"C:\\a\\recycle-bin", L"D:\\b\\x.txt", L"C:\\a\\y.txt"};
    const Texts notShow{L"recycle ^keep", L"zzz"};
    EXPECT_EQ(collectCandidates(history, L"", L"", notShow), (Texts{L"C:\\a\\recycle-keep", L"D:\\b\\x.txt",
                                                                     L"C:\\a\\y.txt"}));
    EXPECT_EQ(collectCandidates(history, L"recycle", L"", notShow), (Texts{L"C:\\a\\recycle-keep"}));
    EXPECT_EQ(collectCandidates(history, L"txt", L"C:\\A", notShow), (Texts{L"C:\\a\\y.txt"}));
    // A lone "^" matches nothing, and a blank item ("zzz, ") has no word: neither hides anything.
    EXPECT_EQ(collectCandidates(history, L"", L"", {L"^"}).size(), 4u);
    EXPECT_EQ(collectCandidates(history, L"txt", L"", {L"zzz", L" ", L"\x3000 "}).size(), 2u);
}

TEST(Candidates, ParentLevelsShortenAndMergeAfterTheLimit) {
    const Texts history{L"C:\\a\\x.txt", L"D:\\y.txt", L"C:\\a\\z.txt"};
    EXPECT_EQ(candidatesFor(history, L"", L"", {}, 1), (Texts{L"C:\\a", L"D:"}));
    EXPECT_EQ(candidatesFor(history, L"", L"", {}, 0), history);
}

TEST(Candidates, KanaMatchWalksAsTheRuleAndNotShowListStaysExact) {
    const KanaMatching on{true, &smallDictionary()};
    Texts history;
    for (int i = 0; i < 18; ++i) history.push_back(L"C:\\f\\ダウンロード" + std::to_wstring(i));
    history.insert(history.begin() + 3, {L"D:\\見積書.xlsx", L"D:\\memo.txt", L"D:\\ﾒﾓ帳.lnk", L"メモ"});
    for (const wchar_t* query : {L"daunr", L"mitsu", L"memo", L"memo ^txt", L"ﾀﾞｳﾝ 1", L"", L"^d", L"zzqq", L"ka",
                                 L"daunrodo", L"mitsumori", L"sennen"}) {
        Texts expected;
        for (const std::wstring& text : history)
            if (expected.size() < maxCandidates && matchesQuery(text, query, on) && text != L"メモ") expected.push_back(text);
        EXPECT_EQ(collectCandidates(history, query, L"", {L"メモ ^帳"}, on), expected) << query;
    }
    EXPECT_EQ(collectCandidates(history, L"daunrodo", L"", {}, on).size(), maxCandidates); // long vowels left out
    EXPECT_EQ(collectCandidates(history, L"memo", L"", {L"memo"}, on), (Texts{L"D:\\ﾒﾓ帳.lnk", L"メモ"}));
    EXPECT_EQ(collectCandidates(history, L"memo", L"", {}, KanaMatching{}), (Texts{L"D:\\memo.txt"}));
    EXPECT_EQ(candidatesFor(history, L"mitsu", L"D:", {}, 1, on), (Texts{L"D:"}));
}

TEST(TextHelpers, ReduceToParentsCutsAtTheLastBackslash) {
    const Texts twice{L"C:\\a\\b\\x.txt", L"C:\\a\\b\\y.txt", L"C:\\a\\b\\x.txt"};
    EXPECT_EQ(reduceToParents(twice, 0), twice); // level 0 keeps duplicates
    EXPECT_EQ(reduceToParents(twice, 1), (Texts{L"C:\\a\\b"}));
    EXPECT_EQ(reduceToParents({L"C:\\a\\b\\x.txt"}, 3), (Texts{L"C:"}));
    EXPECT_TRUE(reduceToParents({L"C:\\a\\b\\x.txt"}, 4).empty());
    EXPECT_TRUE(reduceToParents({L"plain", L""}, 1).empty());
    EXPECT_EQ(reduceToParents({L"C:\\A\\x", L"C:\\a\\y"}, 1), (Texts{L"C:\\A", L"C:\\a"})); // case-sensitive
}

TEST(TextHelpers, FolderOfFollowsTheBackslashRules) {
    EXPECT_EQ(folderOf(L"C:\\a\\b.txt"), L"C:\\a");
    EXPECT_EQ(folderOf(L"C:\\a"), L"C:\\");
    EXPECT_EQ(folderOf(L"C:\\"), L"C:\\");
    EXPECT_EQ(folderOf(L"\\x"), L"\\");
    EXPECT_EQ(folderOf(L"C:\\a\\b\\"), L"C:\\a");
    EXPECT_EQ(folderOf(L"C:\\a\\\\"), L"C:\\");
    EXPECT_EQ(folderOf(L"abc"), L"abc");
    EXPECT_EQ(folderOf(L"C:"), L"C:");
    EXPECT_EQ(folderOf(L""), L"");
    EXPECT_EQ(folderOf(L"C:/a/b.txt"), L"C:/a/b.txt"); // "/" is no separator
}

TEST(TextHelpers, TrimSpacesAndSplitCommand) {
    EXPECT_EQ(trimSpaces(L"\x3000 clip \x3000"), L"clip");
    EXPECT_EQ(trimSpaces(L"   "), L"   ");
    EXPECT_EQ(trimSpaces(L""), L"");
    EXPECT_EQ(trimSpaces(L"a \x3000 b"), L"a \x3000 b");
    EXPECT_EQ(trimSpaces(L"\tx\t"), L"\tx\t");
    EXPECT_EQ(splitCommand(L"exec notepad a.txt"), (Texts{L"exec", L"notepad a.txt"}));
    EXPECT_EQ(splitCommand(L"date"), (Texts{L"date"}));
    EXPECT_EQ(splitCommand(L"txt "), (Texts{L"txt", L""}));
    EXPECT_EQ(splitCommand(L"\x3000" L"a\x3000"), (Texts{L"a"}));
    EXPECT_EQ(splitCommand(L" a  b "), (Texts{L"", L"a  b"})); // only the first space splits
}

TEST(TextHelpers, ListSearchRemovalAndLabels) {
    Texts list{L"a", L"b", L"a", L"B"};
    EXPECT_EQ(indexOfText(list, L"a"), 0);
    EXPECT_EQ(indexOfText(list, L"B"), 3);
    EXPECT_EQ(indexOfText(list, L"c"), -1);
    EXPECT_EQ(indexOfText(list, L"A"), -1);
    EXPECT_TRUE(removeText(list, L"a"));
    EXPECT_EQ(list, (Texts{L"b", L"a", L"B"}));
    EXPECT_FALSE(removeText(list, L"x"));
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(numberedLabel(L"C:\\a\\b.txt", 0), L"1.C:\\a\\b.txt");
    EXPECT_EQ(numberedLabel(L"t", 8), L"9.t");
    EXPECT_EQ(numberedLabel(L"t", 9), L"t");
    EXPECT_EQ(numberedLabel(L"t", 14), L"t");
}
