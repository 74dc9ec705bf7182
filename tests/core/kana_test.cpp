#include "common/kana_folding.h"
#include "common/reading_dictionary.h"
#include "common/romaji_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

KanaText kana(std::u16string_view text) { return KanaText(text.begin(), text.end()); }

std::u16string plain(KanaView text) { return std::u16string(text.begin(), text.end()); }

// Each piece, its forms between brackets when it has several, then each ending after a "|".
std::u16string described(std::string_view word) {
    const auto reading = readRomaji(word);
    if (!reading) return u"none";
    std::u16string text;
    for (const KanaPiece& piece : reading->pieces) {
        if (piece.forms.size() > 1) text += u'(';
        for (size_t i = 0; i < piece.forms.size(); ++i) text += (i ? u"/" : u"") + plain(piece.forms[i]);
        if (piece.forms.size() > 1) text += u')';
    }
    for (const KanaText& ending : reading->endings) {
        text += u'|';
        text += plain(ending);
    }
    return text;
}

} // namespace

TEST(KanaFolding, WidthKanaAndVoicedMarks) {
    const struct {
        std::u16string_view text, folded;
    } cases[] = {
        {u"ＲＥＡＤＭＥ.txt", u"readme.txt"}, {u"ﾃﾞｰﾀ", u"でーた"},   {u"ﾊﾟﾊﾞﾊ", u"ぱばは"},
        {u"ｳﾞｧ", u"ゔぁ"},                   {u"ヴダウンロード", u"ゔだうんろーど"}, {u"ｶﾟﾞ", u"か゜゛"},
        {u"ﾞｱ", u"゛あ"},                    {u"ァヶ\x30F7", u"ぁゖ\x30F7"}, {u"Ｚ～ａ｡", u"z~a｡"},
    };
    for (const auto& c : cases) EXPECT_EQ(plain(foldKana(kana(c.text))), c.folded) << plain(kana(c.text)).size();
    // Unit for unit over a buffer: a shorter fold is padded before its terminator.
    const KanaText buffer = kana(std::u16string_view(u"ﾃﾞA\0ｶ\0", 6));
    KanaText out(buffer.size(), KanaUnit('?'));
    foldKanaBuffer(buffer.data(), buffer.size(), out.data());
    EXPECT_EQ(plain(out), std::u16string_view(u"でa\0\0か\0", 6));
    EXPECT_EQ(plain(foldTypedKana(L"Ａ\x3000ｂ")), u"a b");
}

TEST(RomajiReading, BothSystemsTheSpecialSpellingsAndTheOtherWaysToSpell) {
    const struct {
        std::string_view word;
        std::u16string_view reading;
    } cases[] = {
        {"shi", u"し"}, {"si", u"し"}, {"chi", u"ち"}, {"tsu", u"つ"}, {"tu", u"つ"}, {"fu", u"ふ"}, {"hu", u"ふ"},
        {"sha", u"しゃ"}, {"sya", u"しゃ"}, {"cha", u"ちゃ"}, {"tya", u"ちゃ"}, {"cya", u"ちゃ"}, {"ja", u"じゃ"},
        {"jya", u"じゃ"}, {"zya", u"じゃ"}, {"mitsumori", u"みつもり"}, {"mitumori", u"みつもり"}, {"matcha", u"まっちゃ"},
        {"daunro-do", u"だうんろーど"}, {"kon'nichiha", u"こんにちは"}, {"konnnichiha", u"こんにちは"},
        {"onna", u"(お/を)(んな/んあ)"}, {"kantan", u"かんた|な|に|ぬ|ね|の|ん"}, {"nn", u"ん"}, {"n'", u"ん"}, {"nn'a", u"んあ"},
        {"xtu", u"っ"}, {"ltsu", u"っ"}, {"xya", u"ゃ"}, {"la", u"ぁ"}, {"xwa", u"ゎ"}, {"vu", u"ゔ"}, {"-", u"ー"},
        // "nn" before a vowel or y both ways; m before b, m, p as ん.
        {"sennen", u"せ(んね/んえ)|な|に|ぬ|ね|の|ん"}, {"kinnyu", u"き(んにゅ/んゆ)"}, {"kinn", u"きん"},
        {"nny", u"ん|い|っ|にぃ|にぇ|にゃ|にゅ|にょ|や|ゆ|よ"}, {"shimbashi", u"しんばし"}, {"sempai", u"せんぱい"},
        {"gumma", u"ぐ(っ/ん)ま"},
        // A doubled vowel, or "oh" before a consonant, spells a long vowel every way it is written.
        {"gakkou", u"がっ(こう/こお/こー)"}, {"kinyuu", u"き(にゅう/にゅー)"}, {"kohno", u"(こう/こお/こー)の"},
        {"ohh", u"(おう/おお/おー/をう/をお/をー)|っ|は|ひ|ふ|へ|ほ"}, {"koh", u"こ|う|お|っ|は|ひ|ふ|へ|ほ|ー"},
        {"erebeetaa", u"えれ(べえ/べい/べー)(たあ/たー)"}, {"ohayou", u"(お/を)は(よう/よお/よー)"},
        // Other readings, and the rows the table lacked.
        {"ji", u"(じ/ぢ)"}, {"zi", u"(じ/ぢ)"}, {"chikazuku", u"ちか(ず/づ)く"}, {"ti-shatsu", u"(ち/てぃ)ーしゃつ"},
        {"di", u"(ぢ/でぃ)"}, {"dyu", u"(ぢゅ/でゅ)"}, {"wo", u"(を/うぉ)"}, {"xn", u"ん"}, {"kwa", u"くぁ"},
        {"gwe", u"ぐぇ"}, {"lye", u"ぇ"}, {"xye", u"ぇ"},
        // Unfinished ends: each syllable they begin that no shorter one begins.
        {"daunr", u"だうん|っ|ら|り|る|れ|ろ"}, {"ky", u"|きぃ|きぇ|きゃ|きゅ|きょ"}, {"kan", u"か|な|に|ぬ|ね|の|ん"},
        {"ts", u"|つ"}, {"gakk", u"がっ|か|き|く|け|こ|っ"}, {"x", u"|ぁ|ぃ|ぅ|ぇ|ぉ|っ|ゃ|ゅ|ょ|ゎ|ん|ゕ|ゖ"},
        {"matc", u"まっ|ち"}, {"ic", u"い|か|く|こ|し|せ|ち|っ"}, {"sum", u"す|っ|ま|み|む|め|も|んっ|んば|んぱ|んび|んぴ|んぶ|んぷ|んべ|んぺ|んぼ|んぽ|んま|んみ|んむ|んめ|んも|んん"},
        // Not romaji: no syllable is spelt so.
        {"xyz", u"none"}, {"a'b", u"none"}, {"q'", u"none"}, {"", u"none"}, {"nx'", u"none"}, {"tca", u"none"},
    };
    for (const auto& c : cases) EXPECT_EQ(described(c.word), c.reading) << c.word;
    EXPECT_FALSE(readRomaji(kana(u"memo.txt")));
    EXPECT_EQ(plain(readRomaji(kana(u"ohayou"))->usual()), u"おはよう");
    EXPECT_EQ(plain(lengtheners(KanaUnit(u'お'))), u"うおー");
    EXPECT_TRUE(lengtheners(KanaUnit(u'ん')).empty());
}

TEST(ReadingDictionary, SkipsCommentsMalformedAndHugeLines) {
    std::string bytes = "\xEF\xBB\xBF;; comment\tnot\n"
                        "みつもり\t見積\t見積もり\r\n"
                        "みつ\t密\t\t蜜\n"
                        "no word\n"
                        "\tno reading\n"
                        "よみ\t\t\n"
                        "\xE3\x81\tbroken\n"
                        "かた\t\xFF\n"
                        "ミツバ\tﾐﾂﾊﾞ\n";
    bytes += "みつかる\t" + std::string(20000, 'x') + "\n";
    bytes += "みつご\t三つ子"; // no line end
    const ReadingDictionary dictionary = readReadingDictionary(bytes);
    EXPECT_EQ(dictionary.readings.size(), 4u);
    // Held as the file's folded lines, the others dropped.
    EXPECT_EQ(dictionary.text, "みつもり\t見積\t見積もり\nみつ\t密\t蜜\nみつば\tみつば\nみつご\t三つ子\n");
    EXPECT_TRUE(dictionary.hasReadingFrom(kana(u"みつも")));
    EXPECT_FALSE(dictionary.hasReadingFrom(kana(u"みつもりx")));
    std::vector<std::u16string> found;
    dictionary.forEachWord(kana(u"みつ"), [&](KanaView word) { found.push_back(plain(word)); });
    EXPECT_EQ(found, (std::vector<std::u16string>{u"密", u"蜜", u"三つ子", u"みつば", u"見積", u"見積もり"}));
    found.clear();
    dictionary.forEachWord(kana(u"みつも"), [&](KanaView word) { found.push_back(plain(word)); });
    EXPECT_EQ(found.size(), 2u);
    dictionary.forEachWord(kana(u"ん"), [&](KanaView) { ADD_FAILURE(); });
    EXPECT_TRUE(readReadingDictionary("").empty());
    EXPECT_LE(dictionary.memoryBytes(), bytes.size() * 3 / 2);
}
