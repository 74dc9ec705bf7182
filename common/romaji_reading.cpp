#include "romaji_reading.h"

#include <algorithm>
#include <string>

namespace {

struct Syllable {
    std::string_view romaji;
    std::u16string_view kana;
};

// Sorted by romaji, for a binary search of the longest spelling at a place.
constexpr Syllable table[] = {
    {"a", u"あ"}, {"ba", u"ば"}, {"be", u"べ"}, {"bi", u"び"}, {"bo", u"ぼ"}, {"bu", u"ぶ"}, {"bya", u"びゃ"},
    {"bye", u"びぇ"}, {"byi", u"びぃ"}, {"byo", u"びょ"}, {"byu", u"びゅ"}, {"ca", u"か"}, {"ce", u"せ"},
    {"cha", u"ちゃ"}, {"che", u"ちぇ"}, {"chi", u"ち"}, {"cho", u"ちょ"}, {"chu", u"ちゅ"}, {"ci", u"し"},
    {"co", u"こ"}, {"cu", u"く"}, {"cya", u"ちゃ"}, {"cye", u"ちぇ"}, {"cyi", u"ちぃ"}, {"cyo", u"ちょ"},
    {"cyu", u"ちゅ"}, {"da", u"だ"}, {"de", u"で"}, {"dha", u"でゃ"}, {"dhe", u"でぇ"}, {"dhi", u"でぃ"},
    {"dho", u"でょ"}, {"dhu", u"でゅ"}, {"di", u"ぢ"}, {"do", u"ど"}, {"du", u"づ"}, {"dwu", u"どぅ"},
    {"dya", u"ぢゃ"}, {"dye", u"ぢぇ"}, {"dyi", u"ぢぃ"}, {"dyo", u"ぢょ"}, {"dyu", u"ぢゅ"}, {"e", u"え"},
    {"fa", u"ふぁ"}, {"fe", u"ふぇ"}, {"fi", u"ふぃ"}, {"fo", u"ふぉ"}, {"fu", u"ふ"}, {"fya", u"ふゃ"},
    {"fyo", u"ふょ"}, {"fyu", u"ふゅ"}, {"ga", u"が"}, {"ge", u"げ"}, {"gi", u"ぎ"}, {"go", u"ご"}, {"gu", u"ぐ"},
    {"gya", u"ぎゃ"}, {"gye", u"ぎぇ"}, {"gyi", u"ぎぃ"}, {"gyo", u"ぎょ"}, {"gyu", u"ぎゅ"}, {"ha", u"は"},
    {"he", u"へ"}, {"hi", u"ひ"}, {"ho", u"ほ"}, {"hu", u"ふ"}, {"hya", u"ひゃ"}, {"hye", u"ひぇ"},
    {"hyi", u"ひぃ"}, {"hyo", u"ひょ"}, {"hyu", u"ひゅ"}, {"i", u"い"}, {"ja", u"じゃ"}, {"je", u"じぇ"},
    {"ji", u"じ"}, {"jo", u"じょ"}, {"ju", u"じゅ"}, {"jya", u"じゃ"}, {"jye", u"じぇ"}, {"jyi", u"じぃ"},
    {"jyo", u"じょ"}, {"jyu", u"じゅ"}, {"ka", u"か"}, {"ke", u"け"}, {"ki", u"き"}, {"ko", u"こ"}, {"ku", u"く"},
    {"kya", u"きゃ"}, {"kye", u"きぇ"}, {"kyi", u"きぃ"}, {"kyo", u"きょ"}, {"kyu", u"きゅ"}, {"la", u"ぁ"},
    {"le", u"ぇ"}, {"li", u"ぃ"}, {"lka", u"ゕ"}, {"lke", u"ゖ"}, {"lo", u"ぉ"}, {"ltsu", u"っ"}, {"ltu", u"っ"},
    {"lu", u"ぅ"}, {"lwa", u"ゎ"}, {"lya", u"ゃ"}, {"lyo", u"ょ"}, {"lyu", u"ゅ"}, {"ma", u"ま"}, {"me", u"め"},
    {"mi", u"み"}, {"mo", u"も"}, {"mu", u"む"}, {"mya", u"みゃ"}, {"mye", u"みぇ"}, {"myi", u"みぃ"},
    {"myo", u"みょ"}, {"myu", u"みゅ"}, {"na", u"な"}, {"ne", u"ね"}, {"ni", u"に"}, {"nn", u"ん"}, {"no", u"の"},
    {"nu", u"ぬ"}, {"nya", u"にゃ"}, {"nye", u"にぇ"}, {"nyi", u"にぃ"}, {"nyo", u"にょ"}, {"nyu", u"にゅ"},
    {"o", u"お"}, {"pa", u"ぱ"}, {"pe", u"ぺ"}, {"pi", u"ぴ"}, {"po", u"ぽ"}, {"pu", u"ぷ"}, {"pya", u"ぴゃ"},
    {"pye", u"ぴぇ"}, {"pyi", u"ぴぃ"}, {"pyo", u"ぴょ"}, {"pyu", u"ぴゅ"}, {"qa", u"くぁ"}, {"qe", u"くぇ"},
    {"qi", u"くぃ"}, {"qo", u"くぉ"}, {"qu", u"く"}, {"ra", u"ら"}, {"re", u"れ"}, {"ri", u"り"}, {"ro", u"ろ"},
    {"ru", u"る"}, {"rya", u"りゃ"}, {"rye", u"りぇ"}, {"ryi", u"りぃ"}, {"ryo", u"りょ"}, {"ryu", u"りゅ"},
    {"sa", u"さ"}, {"se", u"せ"}, {"sha", u"しゃ"}, {"she", u"しぇ"}, {"shi", u"し"}, {"sho", u"しょ"},
    {"shu", u"しゅ"}, {"si", u"し"}, {"so", u"そ"}, {"su", u"す"}, {"sya", u"しゃ"}, {"sye", u"しぇ"},
    {"syi", u"しぃ"}, {"syo", u"しょ"}, {"syu", u"しゅ"}, {"ta", u"た"}, {"te", u"て"}, {"tha", u"てゃ"},
    {"the", u"てぇ"}, {"thi", u"てぃ"}, {"tho", u"てょ"}, {"thu", u"てゅ"}, {"ti", u"ち"}, {"to", u"と"},
    {"tsa", u"つぁ"}, {"tse", u"つぇ"}, {"tsi", u"つぃ"}, {"tso", u"つぉ"}, {"tsu", u"つ"}, {"tu", u"つ"},
    {"twu", u"とぅ"}, {"tya", u"ちゃ"}, {"tye", u"ちぇ"}, {"tyi", u"ちぃ"}, {"tyo", u"ちょ"}, {"tyu", u"ちゅ"},
    {"u", u"う"}, {"va", u"ゔぁ"}, {"ve", u"ゔぇ"}, {"vi", u"ゔぃ"}, {"vo", u"ゔぉ"}, {"vu", u"ゔ"},
    {"vya", u"ゔゃ"}, {"vyo", u"ゔょ"}, {"vyu", u"ゔゅ"}, {"wa", u"わ"}, {"we", u"うぇ"}, {"wha", u"うぁ"},
    {"whe", u"うぇ"}, {"whi", u"うぃ"}, {"who", u"うぉ"}, {"wi", u"うぃ"}, {"wo", u"を"}, {"wu", u"う"},
    {"xa", u"ぁ"}, {"xe", u"ぇ"}, {"xi", u"ぃ"}, {"xka", u"ゕ"}, {"xke", u"ゖ"}, {"xo", u"ぉ"}, {"xtsu", u"っ"},
    {"xtu", u"っ"}, {"xu", u"ぅ"}, {"xwa", u"ゎ"}, {"xya", u"ゃ"}, {"xyo", u"ょ"}, {"xyu", u"ゅ"}, {"ya", u"や"},
    {"ye", u"いぇ"}, {"yi", u"い"}, {"yo", u"よ"}, {"yu", u"ゆ"}, {"za", u"ざ"}, {"ze", u"ぜ"}, {"zi", u"じ"},
    {"zo", u"ぞ"}, {"zu", u"ず"}, {"zya", u"じゃ"}, {"zye", u"じぇ"}, {"zyi", u"じぃ"}, {"zyo", u"じょ"},
    {"zyu", u"じゅ"},
};

constexpr size_t longestSpelling = 4;

bool isVowel(char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }
bool isConsonant(char c) { return c >= 'a' && c <= 'z' && !isVowel(c); }

void append(KanaText& text, std::u16string_view kana) {
    for (const char16_t unit : kana) text.push_back(static_cast<KanaUnit>(unit));
}

const Syllable* spellingAt(std::string_view rest) {
    for (size_t length = std::min(rest.size(), longestSpelling); length > 0; --length) {
        const std::string_view spelling = rest.substr(0, length);
        const auto found = std::lower_bound(std::begin(table), std::end(table), spelling,
                                            [](const Syllable& s, std::string_view r) { return s.romaji < r; });
        if (found != std::end(table) && found->romaji == spelling) return found;
    }
    return nullptr;
}

// Every syllable an unfinished end begins, none that another one begins with.
std::vector<KanaText> endingsOf(std::string_view rest) {
    std::vector<KanaText> endings;
    for (const Syllable& syllable : table) {
        if (syllable.romaji.size() > rest.size() && syllable.romaji.compare(0, rest.size(), rest) == 0) {
            endings.emplace_back();
            append(endings.back(), syllable.kana);
        }
    }
    // A lone consonant may still be doubled ("gakk" for がっこう).
    if (rest.size() == 1 && isConsonant(rest[0]) && rest[0] != 'n' && !endings.empty()) {
        endings.emplace_back();
        append(endings.back(), u"っ");
    }
    std::sort(endings.begin(), endings.end());
    endings.erase(std::unique(endings.begin(), endings.end()), endings.end());
    std::vector<KanaText> kept;
    for (const KanaText& ending : endings) {
        if (kept.empty() || ending.compare(0, kept.back().size(), kept.back()) != 0) kept.push_back(ending);
    }
    return kept;
}

} // namespace

std::optional<RomajiReading> readRomaji(std::string_view word) {
    if (word.empty()) return std::nullopt;
    RomajiReading reading;
    size_t at = 0;
    while (at < word.size()) {
        const char c = word[at];
        const char next = at + 1 < word.size() ? word[at + 1] : '\0';
        const char after = at + 2 < word.size() ? word[at + 2] : '\0';
        if (c == '-') {
            append(reading.complete, u"ー");
            ++at;
            continue;
        }
        if (c == 'n' && next != '\0' && !isVowel(next) && next != 'y') {
            // "n'" and "nn" are ん; so is "n" before another consonant, "n"
            // before "na" too ("onna" is おんな).
            const bool both = next == '\'' || (next == 'n' && !isVowel(after) && after != 'y');
            if (!both && !isConsonant(next)) return std::nullopt;
            append(reading.complete, u"ん");
            at += both ? 2 : 1;
            continue;
        }
        if (isConsonant(c) && c != 'n' && (next == c || (c == 't' && next == 'c' && after == 'h'))) {
            append(reading.complete, u"っ");
            ++at;
            continue;
        }
        if (const Syllable* syllable = spellingAt(word.substr(at))) {
            append(reading.complete, syllable->kana);
            at += syllable->romaji.size();
            continue;
        }
        reading.endings = endingsOf(word.substr(at));
        if (reading.endings.empty()) return std::nullopt;
        break;
    }
    return reading;
}

std::optional<RomajiReading> readRomaji(KanaView word) {
    std::string letters;
    for (const KanaUnit unit : word) {
        const auto value = static_cast<char32_t>(unit);
        if (!((value >= U'a' && value <= U'z') || value == U'-' || value == U'\'')) return std::nullopt;
        letters.push_back(static_cast<char>(value));
    }
    return readRomaji(letters);
}
