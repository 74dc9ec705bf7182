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
    {"cha", u"ちゃ"}, {"che", u"ちぇ"}, {"chi", u"ち"}, {"cho", u"ちょ"}, {"chu", u"ちゅ"}, {"ci", u"し"}, {"co", u"こ"},
    {"cu", u"く"}, {"cya", u"ちゃ"}, {"cye", u"ちぇ"}, {"cyi", u"ちぃ"}, {"cyo", u"ちょ"}, {"cyu", u"ちゅ"},
    {"da", u"だ"}, {"de", u"で"}, {"dha", u"でゃ"}, {"dhe", u"でぇ"}, {"dhi", u"でぃ"}, {"dho", u"でょ"},
    {"dhu", u"でゅ"}, {"di", u"ぢ"}, {"do", u"ど"}, {"du", u"づ"}, {"dwu", u"どぅ"}, {"dya", u"ぢゃ"}, {"dye", u"ぢぇ"},
    {"dyi", u"ぢぃ"}, {"dyo", u"ぢょ"}, {"dyu", u"ぢゅ"}, {"e", u"え"}, {"fa", u"ふぁ"}, {"fe", u"ふぇ"}, {"fi", u"ふぃ"},
    {"fo", u"ふぉ"}, {"fu", u"ふ"}, {"fya", u"ふゃ"}, {"fyo", u"ふょ"}, {"fyu", u"ふゅ"}, {"ga", u"が"}, {"ge", u"げ"},
    {"gi", u"ぎ"}, {"go", u"ご"}, {"gu", u"ぐ"}, {"gwa", u"ぐぁ"}, {"gwe", u"ぐぇ"}, {"gwi", u"ぐぃ"}, {"gwo", u"ぐぉ"},
    {"gwu", u"ぐぅ"}, {"gya", u"ぎゃ"}, {"gye", u"ぎぇ"}, {"gyi", u"ぎぃ"}, {"gyo", u"ぎょ"}, {"gyu", u"ぎゅ"},
    {"ha", u"は"}, {"he", u"へ"}, {"hi", u"ひ"}, {"ho", u"ほ"}, {"hu", u"ふ"}, {"hya", u"ひゃ"}, {"hye", u"ひぇ"},
    {"hyi", u"ひぃ"}, {"hyo", u"ひょ"}, {"hyu", u"ひゅ"}, {"i", u"い"}, {"ja", u"じゃ"}, {"je", u"じぇ"}, {"ji", u"じ"},
    {"jo", u"じょ"}, {"ju", u"じゅ"}, {"jya", u"じゃ"}, {"jye", u"じぇ"}, {"jyi", u"じぃ"}, {"jyo", u"じょ"},
    {"jyu", u"じゅ"}, {"ka", u"か"}, {"ke", u"け"}, {"ki", u"き"}, {"ko", u"こ"}, {"ku", u"く"}, {"kwa", u"くぁ"},
    {"kwe", u"くぇ"}, {"kwi", u"くぃ"}, {"kwo", u"くぉ"}, {"kwu", u"くぅ"}, {"kya", u"きゃ"}, {"kye", u"きぇ"},
    {"kyi", u"きぃ"}, {"kyo", u"きょ"}, {"kyu", u"きゅ"}, {"la", u"ぁ"}, {"le", u"ぇ"}, {"li", u"ぃ"}, {"lka", u"ゕ"},
    {"lke", u"ゖ"}, {"lo", u"ぉ"}, {"ltsu", u"っ"}, {"ltu", u"っ"}, {"lu", u"ぅ"}, {"lwa", u"ゎ"}, {"lya", u"ゃ"},
    {"lye", u"ぇ"}, {"lyi", u"ぃ"}, {"lyo", u"ょ"}, {"lyu", u"ゅ"}, {"ma", u"ま"}, {"me", u"め"}, {"mi", u"み"},
    {"mo", u"も"}, {"mu", u"む"}, {"mya", u"みゃ"}, {"mye", u"みぇ"}, {"myi", u"みぃ"}, {"myo", u"みょ"},
    {"myu", u"みゅ"}, {"na", u"な"}, {"ne", u"ね"}, {"ni", u"に"}, {"nn", u"ん"}, {"no", u"の"}, {"nu", u"ぬ"},
    {"nya", u"にゃ"}, {"nye", u"にぇ"}, {"nyi", u"にぃ"}, {"nyo", u"にょ"}, {"nyu", u"にゅ"}, {"o", u"お"}, {"pa", u"ぱ"},
    {"pe", u"ぺ"}, {"pi", u"ぴ"}, {"po", u"ぽ"}, {"pu", u"ぷ"}, {"pya", u"ぴゃ"}, {"pye", u"ぴぇ"}, {"pyi", u"ぴぃ"},
    {"pyo", u"ぴょ"}, {"pyu", u"ぴゅ"}, {"qa", u"くぁ"}, {"qe", u"くぇ"}, {"qi", u"くぃ"}, {"qo", u"くぉ"}, {"qu", u"く"},
    {"ra", u"ら"}, {"re", u"れ"}, {"ri", u"り"}, {"ro", u"ろ"}, {"ru", u"る"}, {"rya", u"りゃ"}, {"rye", u"りぇ"},
    {"ryi", u"りぃ"}, {"ryo", u"りょ"}, {"ryu", u"りゅ"}, {"sa", u"さ"}, {"se", u"せ"}, {"sha", u"しゃ"},
    {"she", u"しぇ"}, {"shi", u"し"}, {"sho", u"しょ"}, {"shu", u"しゅ"}, {"si", u"し"}, {"so", u"そ"}, {"su", u"す"},
    {"sya", u"しゃ"}, {"sye", u"しぇ"}, {"syi", u"しぃ"}, {"syo", u"しょ"}, {"syu", u"しゅ"}, {"ta", u"た"},
    {"te", u"て"}, {"tha", u"てゃ"}, {"the", u"てぇ"}, {"thi", u"てぃ"}, {"tho", u"てょ"}, {"thu", u"てゅ"},
    {"ti", u"ち"}, {"to", u"と"}, {"tsa", u"つぁ"}, {"tse", u"つぇ"}, {"tsi", u"つぃ"}, {"tso", u"つぉ"}, {"tsu", u"つ"},
    {"tu", u"つ"}, {"twu", u"とぅ"}, {"tya", u"ちゃ"}, {"tye", u"ちぇ"}, {"tyi", u"ちぃ"}, {"tyo", u"ちょ"},
    {"tyu", u"ちゅ"}, {"u", u"う"}, {"va", u"ゔぁ"}, {"ve", u"ゔぇ"}, {"vi", u"ゔぃ"}, {"vo", u"ゔぉ"}, {"vu", u"ゔ"},
    {"vya", u"ゔゃ"}, {"vyo", u"ゔょ"}, {"vyu", u"ゔゅ"}, {"wa", u"わ"}, {"we", u"うぇ"}, {"wha", u"うぁ"},
    {"whe", u"うぇ"}, {"whi", u"うぃ"}, {"who", u"うぉ"}, {"wi", u"うぃ"}, {"wo", u"を"}, {"wu", u"う"}, {"xa", u"ぁ"},
    {"xe", u"ぇ"}, {"xi", u"ぃ"}, {"xka", u"ゕ"}, {"xke", u"ゖ"}, {"xn", u"ん"}, {"xo", u"ぉ"}, {"xtsu", u"っ"},
    {"xtu", u"っ"}, {"xu", u"ぅ"}, {"xwa", u"ゎ"}, {"xya", u"ゃ"}, {"xye", u"ぇ"}, {"xyi", u"ぃ"}, {"xyo", u"ょ"},
    {"xyu", u"ゅ"}, {"ya", u"や"}, {"ye", u"いぇ"}, {"yi", u"い"}, {"yo", u"よ"}, {"yu", u"ゆ"}, {"za", u"ざ"},
    {"ze", u"ぜ"}, {"zi", u"じ"}, {"zo", u"ぞ"}, {"zu", u"ず"}, {"zya", u"じゃ"}, {"zye", u"じぇ"}, {"zyi", u"じぃ"},
    {"zyo", u"じょ"}, {"zyu", u"じゅ"},
};
static_assert(std::is_sorted(std::begin(table), std::end(table),
                             [](const Syllable& a, const Syllable& b) { return a.romaji < b.romaji; }));

// Readings a syllable has besides the input method's: ぢ and づ typed as they
// sound, を as お, and the English spellings of ティ, ディ, デュ and ウォ.
constexpr Syllable alsoRead[] = {
    {"di", u"でぃ"}, {"dyu", u"でゅ"}, {"ji", u"ぢ"}, {"o", u"を"},
    {"ti", u"てぃ"}, {"wo", u"うぉ"}, {"zi", u"ぢ"}, {"zu", u"づ"},
};

constexpr size_t longestSpelling = 4;

bool isVowel(char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }
bool isConsonant(char c) { return c >= 'a' && c <= 'z' && !isVowel(c); }

KanaText kanaOf(std::u16string_view kana) { return KanaText(kana.begin(), kana.end()); }

KanaUnit vowelKana(char vowel) {
    switch (vowel) {
    case 'a': return KanaUnit(u'あ');
    case 'i': return KanaUnit(u'い');
    case 'u': return KanaUnit(u'う');
    case 'e': return KanaUnit(u'え');
    case 'o': return KanaUnit(u'お');
    default: return 0;
    }
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

// A syllable as a piece: its readings, and its vowel unless it spells a small kana.
KanaPiece pieceOf(const Syllable& syllable) {
    KanaPiece piece{{kanaOf(syllable.kana)}, 0};
    for (const Syllable& other : alsoRead)
        if (other.romaji == syllable.romaji) piece.forms.push_back(kanaOf(other.kana));
    const char first = syllable.romaji.front();
    if (first != 'x' && first != 'l') piece.held = vowelKana(syllable.romaji.back());
    return piece;
}

KanaPiece single(std::u16string_view kana) { return KanaPiece{{kanaOf(kana)}, 0}; }

// Every syllable an unfinished end begins, none that another one begins with.
std::vector<KanaText> endingsOf(std::string_view rest) {
    std::vector<KanaText> endings;
    const auto add = [&](const Syllable& syllable) {
        if (syllable.romaji.size() > rest.size() && syllable.romaji.compare(0, rest.size(), rest) == 0)
            endings.push_back(kanaOf(syllable.kana));
    };
    std::for_each(std::begin(table), std::end(table), add);
    std::for_each(std::begin(alsoRead), std::end(alsoRead), add);
    // A lone consonant may still be doubled ("gakk" for がっこう), and an m be
    // the ん of a b, m or p to come ("shimb" for しんばし), never ん alone.
    if (rest.size() == 1 && isConsonant(rest[0]) && rest[0] != 'n' && !endings.empty()) endings.push_back(kanaOf(u"っ"));
    if (rest == "m") {
        for (const Syllable& syllable : table) {
            const char first = syllable.romaji.front();
            if (first == 'b' || first == 'p' || first == 'm') endings.push_back(kanaOf(u"ん") + kanaOf(syllable.kana));
        }
        endings.push_back(kanaOf(u"んっ")); // "mm" is っ or ん in turn
        endings.push_back(kanaOf(u"んん"));
    }
    return endings;
}

// Sorted, and without an ending that another one begins.
std::vector<KanaText> shortest(std::vector<KanaText> endings) {
    std::sort(endings.begin(), endings.end());
    endings.erase(std::unique(endings.begin(), endings.end()), endings.end());
    std::vector<KanaText> kept;
    for (const KanaText& ending : endings) {
        if (kept.empty() || ending.compare(0, kept.back().size(), kept.back()) != 0) kept.push_back(ending);
    }
    return kept;
}

// The vowel that doubles a held one into a long vowel: "aa", "ii", "uu", "ee", "ei", "oo", "ou".
bool doubles(KanaUnit held, char vowel) {
    const KanaUnit unit = vowelKana(vowel);
    return unit != 0 && (unit == held || (held == KanaUnit(u'え') && vowel == 'i') || (held == KanaUnit(u'お') && vowel == 'u'));
}

// The piece held long by what the word spells after it: the doubled vowel
// itself, first, then the other ways to write the long vowel.
void holdLong(KanaPiece& piece, KanaUnit spelt) {
    std::vector<KanaText> forms;
    for (const KanaText& form : piece.forms) {
        forms.push_back(form + spelt);
        for (const KanaUnit unit : lengtheners(piece.held))
            if (unit != spelt) forms.push_back(form + unit);
    }
    piece.forms = std::move(forms);
    piece.held = 0;
}

class Reader {
public:
    explicit Reader(std::string_view word) : word_(word) {}
    std::optional<RomajiReading> read();

private:
    char letter(size_t at) const { return at < word_.size() ? word_[at] : '\0'; }
    bool readDoubledN();
    bool readEnd();
    void add(KanaPiece piece);

    std::string_view word_;
    size_t at_ = 0;
    RomajiReading reading_;
};

void Reader::add(KanaPiece piece) {
    reading_.pieces.push_back(std::move(piece));
    KanaPiece& added = reading_.pieces.back();
    if (!added.held) return;
    // A doubled vowel, or "oh" before a consonant, spells the long vowel.
    const char next = letter(at_);
    if (doubles(added.held, next)) {
        holdLong(added, vowelKana(next));
        ++at_;
    } else if (added.held == KanaUnit(u'お') && next == 'h' && isConsonant(letter(at_ + 1)) && letter(at_ + 1) != 'y') {
        holdLong(added, KanaUnit(u'う'));
        ++at_;
    }
}

// "nn" before a vowel or y: strictly ん and a な-row syllable ("sennen" for
// 千年), by the input methods' habit ん and the vowel's syllable (千円).
bool Reader::readDoubledN() {
    const char after = letter(at_ + 2);
    if (!isVowel(after) && after != 'y') {
        at_ += after == '\'' ? 3 : 2; // "nn'" is ん too
        add(single(u"ん"));
        return true;
    }
    const Syllable* strict = spellingAt(word_.substr(at_ + 1));
    const Syllable* habit = spellingAt(word_.substr(at_ + 2));
    if (strict && habit && strict->romaji.size() == habit->romaji.size() + 1) {
        KanaPiece piece = pieceOf(*strict);
        piece.forms = {kanaOf(u"ん") + kanaOf(strict->kana), kanaOf(u"ん") + kanaOf(habit->kana)};
        at_ += 1 + strict->romaji.size();
        add(std::move(piece));
        return true;
    }
    std::vector<KanaText> endings = endingsOf(word_.substr(at_ + 1));
    const std::vector<KanaText> habitual = endingsOf(word_.substr(at_ + 2));
    endings.insert(endings.end(), habitual.begin(), habitual.end());
    if (endings.empty()) return false;
    add(single(u"ん"));
    reading_.endings = shortest(std::move(endings));
    at_ = word_.size();
    return true;
}

// An unfinished end: the syllables it may go on as.
bool Reader::readEnd() {
    const std::string_view rest = word_.substr(at_);
    // "tc" goes on as "tch"; "oh" at the end may be a long o.
    std::vector<KanaText> endings = endingsOf(rest == "c" && at_ > 0 && word_[at_ - 1] == 't' ? "ch" : rest);
    if (rest == "h" && !reading_.pieces.empty() && reading_.pieces.back().held == KanaUnit(u'お')) {
        for (const KanaUnit unit : lengtheners(KanaUnit(u'お'))) endings.push_back(KanaText(1, unit));
    }
    if (endings.empty()) return false;
    reading_.endings = shortest(std::move(endings));
    at_ = word_.size();
    return true;
}

std::optional<RomajiReading> Reader::read() {
    if (word_.empty()) return std::nullopt;
    while (at_ < word_.size()) {
        const char c = word_[at_];
        const char next = letter(at_ + 1);
        const char after = letter(at_ + 2);
        if (c == '-') {
            ++at_;
            add(single(u"ー"));
        } else if (c == 'n' && next == '\'') {
            at_ += 2;
            add(single(u"ん"));
        } else if (c == 'n' && next == 'n') {
            if (!readDoubledN()) return std::nullopt;
        } else if (c == 'n' && next != '\0' && !isVowel(next) && next != 'y') {
            if (!isConsonant(next)) return std::nullopt;
            ++at_; // "n" before another consonant is ん
            add(single(u"ん"));
        } else if (c == 'm' && (next == 'b' || next == 'p' || next == 'm')) {
            // Hepburn's m for ん; "mm" is also the input methods' っ.
            ++at_;
            add(next == 'm' ? KanaPiece{{kanaOf(u"っ"), kanaOf(u"ん")}, 0} : single(u"ん"));
        } else if (isConsonant(c) && c != 'n' &&
                   (next == c || (c == 't' && next == 'c' && (after == 'h' || after == '\0')))) {
            ++at_;
            add(single(u"っ"));
        } else if (const Syllable* syllable = spellingAt(word_.substr(at_))) {
            at_ += syllable->romaji.size();
            add(pieceOf(*syllable));
        } else if (!readEnd()) {
            return std::nullopt;
        }
    }
    return std::move(reading_);
}

} // namespace

KanaText RomajiReading::usual() const {
    KanaText text;
    for (const KanaPiece& piece : pieces) text += piece.forms.front();
    return text;
}

KanaView lengtheners(KanaUnit held) {
    // あ い う え お, then ー.
    static constexpr KanaUnit a[] = {0x3042, 0x30FC}, i[] = {0x3044, 0x30FC}, u[] = {0x3046, 0x30FC},
                              e[] = {0x3044, 0x3048, 0x30FC}, o[] = {0x3046, 0x304A, 0x30FC};
    switch (held) {
    case 0x3042: return {a, std::size(a)};
    case 0x3044: return {i, std::size(i)};
    case 0x3046: return {u, std::size(u)};
    case 0x3048: return {e, std::size(e)};
    case 0x304A: return {o, std::size(o)};
    default: return {};
    }
}

std::optional<RomajiReading> readRomaji(std::string_view word) { return Reader(word).read(); }

std::optional<RomajiReading> readRomaji(KanaView word) {
    std::string letters;
    for (const KanaUnit unit : word) {
        const auto value = static_cast<char32_t>(unit);
        if (!((value >= U'a' && value <= U'z') || value == U'-' || value == U'\'')) return std::nullopt;
        letters.push_back(static_cast<char>(value));
    }
    return readRomaji(letters);
}
