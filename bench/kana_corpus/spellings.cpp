#include "spellings.h"

#include <algorithm>

namespace {

// Hepburn as typed for U+3041..U+3094.
constexpr const char* kanaRomaji[] = {
    "xa", "a",  "xi", "i",  "xu", "u",  "xe", "e",  "xo", "o",  "ka",  "ga", "ki",  "gi", "ku", "gu", "ke",
    "ge", "ko", "go", "sa", "za", "shi", "ji", "su", "zu", "se", "ze", "so", "zo", "ta", "da", "chi", "di",
    "xtu", "tsu", "du", "te", "de", "to", "do", "na", "ni", "nu", "ne", "no", "ha", "ba", "pa", "hi", "bi",
    "pi", "fu", "bu", "pu", "he", "be", "pe", "ho", "bo", "po", "ma", "mi", "mu", "me", "mo", "xya", "ya",
    "xyu", "yu", "xyo", "yo", "ra", "ri", "ru", "re", "ro", "xwa", "wa", "wi", "we", "wo", "n", "vu",
};
static_assert(std::size(kanaRomaji) == 0x3094 - 0x3041 + 1);

struct Style {
    bool kunrei = false;
    bool doubleN = false; // ん always "nn"
    bool labialM = false; // ん before b, m, p as "m"
    bool heard = false;   // ぢ, づ, を as they sound
    bool loan = false;    // ティ, ディ, デュ, ウォ, クァ, グァ as spelt in English words
    enum { kana, omitted, oh, doubled } longVowel = kana;
};

struct Mora {
    std::u16string kana; // hiragana
    bool partBefore = false;
};

bool isVowel(char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }
bool isSmall(char16_t k) {
    return k == u'ぁ' || k == u'ぃ' || k == u'ぅ' || k == u'ぇ' || k == u'ぉ' || k == u'ゃ' || k == u'ゅ' || k == u'ょ';
}

std::vector<Mora> moraeOf(std::u16string_view reading) {
    std::vector<Mora> morae;
    bool part = false;
    for (char16_t k : reading) {
        if (k == u'|') {
            part = true;
            continue;
        }
        if (k >= 0x30A1 && k <= 0x30F4) k = static_cast<char16_t>(k - 0x60);
        if (isSmall(k) && !morae.empty() && morae.back().kana.size() == 1 && morae.back().kana[0] != u'っ' &&
            morae.back().kana[0] != u'ん' && morae.back().kana[0] != u'ー')
            morae.back().kana += k;
        else morae.push_back({std::u16string(1, k), part});
        part = false;
    }
    return morae;
}

std::string single(char16_t k, const Style& style) {
    if (k < 0x3041 || k > 0x3094) return k == u'ー' ? "-" : "?";
    if (style.kunrei) {
        switch (k) {
        case u'し': return "si";
        case u'ち': return "ti";
        case u'つ': return "tu";
        case u'ふ': return "hu";
        case u'じ': return "zi";
        default: break;
        }
    }
    if (style.heard) {
        if (k == u'ぢ') return style.kunrei ? "zi" : "ji";
        if (k == u'づ') return "zu";
        if (k == u'を') return "o";
    }
    return kanaRomaji[k - 0x3041];
}

std::string combined(char16_t base, char16_t small, const Style& style) {
    const std::string b = single(base, style);
    const char vowel = single(small, Style{})[1 + (small == u'ゃ' || small == u'ゅ' || small == u'ょ')];
    if (small == u'ゃ' || small == u'ゅ' || small == u'ょ') {
        if (base == u'て') return std::string("th") + vowel;
        if (base == u'で') return style.loan && vowel == 'u' ? "dyu" : std::string("dh") + vowel;
        if (b.size() >= 2 && b.back() == 'i') {
            const std::string stem = b.substr(0, b.size() - 1);
            if (stem == "sh" || stem == "ch" || stem == "j") return stem + vowel;
            return stem + "y" + vowel;
        }
        if (base == u'ふ') return std::string("fy") + vowel;
    } else {
        switch (base) {
        case u'ふ': return std::string("f") + vowel;
        case u'つ': return std::string("ts") + vowel;
        case u'ゔ': return std::string("v") + vowel;
        case u'て':
            if (vowel == 'i') return style.loan ? "ti" : "thi";
            break;
        case u'で':
            if (vowel == 'i') return style.loan ? "di" : "dhi";
            break;
        case u'と':
            if (vowel == 'u') return "twu";
            break;
        case u'ど':
            if (vowel == 'u') return "dwu";
            break;
        case u'う':
            if (vowel == 'o') return style.loan ? "wo" : "who";
            if (vowel == 'a') return "wha";
            if (vowel != 'u') return std::string("w") + vowel;
            break;
        case u'い':
            if (vowel == 'e') return "ye";
            break;
        case u'く': return style.loan ? std::string("kw") + vowel : std::string("q") + vowel;
        case u'ぐ':
            if (style.loan) return std::string("gw") + vowel;
            break;
        default:
            if (b.size() >= 2 && b.back() == 'i' && vowel == 'e') {
                const std::string stem = b.substr(0, b.size() - 1);
                return stem + (stem == "sh" || stem == "ch" || stem == "j" ? "" : "y") + "e";
            }
            break;
        }
    }
    return b + single(small, Style{});
}

std::string romajiOf(const Mora& mora, const Style& style) {
    return mora.kana.size() == 1 ? single(mora.kana[0], style) : combined(mora.kana[0], mora.kana[1], style);
}

// The vowel a mora ends in, or 0.
char vowelOf(const Mora& mora) {
    const std::string romaji = romajiOf(mora, Style{});
    return !romaji.empty() && isVowel(romaji.back()) && romaji != "xtu" ? romaji.back() : 0;
}

// Whether a mora after one ending in vowel lengthens it: おう, おお, うう, ー.
bool lengthens(char vowel, const Mora& mora) {
    if (mora.partBefore || vowel == 0) return false;
    if (mora.kana == u"ー") return true;
    return (mora.kana == u"う" && (vowel == 'o' || vowel == 'u')) || (mora.kana == u"お" && vowel == 'o');
}

std::string spell(const std::vector<Mora>& morae, const Style& style) {
    std::vector<std::string> parts;
    for (const Mora& mora : morae) parts.push_back(romajiOf(mora, style));
    std::string text;
    for (size_t i = 0; i < morae.size(); ++i) {
        const std::string next = i + 1 < parts.size() ? parts[i + 1] : std::string();
        const char held = i > 0 ? vowelOf(morae[i - 1]) : 0;
        if (morae[i].kana == u"っ" && !next.empty() && !isVowel(next[0]) && next[0] != 'n' && next[0] != 'x') {
            text += next.compare(0, 2, "ch") == 0 ? 't' : next[0];
        } else if (morae[i].kana == u"ん") {
            const bool beforeVowel = !next.empty() && (isVowel(next[0]) || next[0] == 'y');
            if (style.doubleN) text += "nn";
            else if (style.labialM && !next.empty() && (next[0] == 'b' || next[0] == 'm' || next[0] == 'p')) text += "m";
            else text += beforeVowel ? "n'" : "n";
        } else if (i > 0 && lengthens(held, morae[i]) && style.longVowel != Style::kana) {
            const bool consonantNext = next.empty() || (!isVowel(next[0]) && next[0] != 'y');
            if (style.longVowel == Style::omitted) continue;
            if (style.longVowel == Style::oh && held == 'o' && morae[i].kana != u"ー" && consonantNext) text += 'h';
            else if (style.longVowel == Style::doubled && morae[i].kana == u"ー") text += held;
            else text += parts[i];
        } else {
            text += parts[i];
        }
    }
    return text;
}

bool isConsonant(char c) { return c >= 'a' && c <= 'z' && !isVowel(c); }

} // namespace

const char* nameOf(SpellingClass kind) {
    switch (kind) {
    case SpellingClass::usual: return "usual (Hepburn, Kunrei)";
    case SpellingClass::ime: return "IME habits (nn)";
    case SpellingClass::longVowels: return "long vowels loose";
    case SpellingClass::other: return "m, ji/zu/o, ti/di/wo, kwa";
    case SpellingClass::unfinished: return "unfinished end";
    case SpellingClass::noSyllable: return "no finished syllable";
    default: return "?";
    }
}

std::string usualSpelling(std::u16string_view reading) { return spell(moraeOf(reading), Style{}); }

std::vector<TypedWord> spellingsOf(std::u16string_view reading) {
    const std::vector<Mora> morae = moraeOf(reading);
    const std::string hepburn = spell(morae, Style{});
    std::vector<TypedWord> typed{{SpellingClass::usual, hepburn}};
    const auto add = [&](SpellingClass kind, const std::string& text) {
        const bool known = std::any_of(typed.begin(), typed.end(), [&](const TypedWord& t) {
            return t.text == text && (t.kind == kind || t.kind == SpellingClass::usual);
        });
        if (!known && !text.empty()) typed.push_back({kind, text});
    };
    Style kunrei;
    kunrei.kunrei = true;
    add(SpellingClass::usual, spell(morae, kunrei));
    Style style;
    style.doubleN = true;
    add(SpellingClass::ime, spell(morae, style));
    for (const auto kind : {Style::omitted, Style::oh, Style::doubled}) {
        style = Style{};
        style.longVowel = kind;
        add(SpellingClass::longVowels, spell(morae, style));
    }
    style = Style{}; // as on signs: long vowels left out, Hepburn's m
    style.longVowel = Style::omitted;
    style.labialM = true;
    add(SpellingClass::longVowels, spell(morae, style));
    for (int i = 0; i < 3; ++i) {
        style = Style{};
        (i == 0 ? style.labialM : i == 1 ? style.heard : style.loan) = true;
        add(SpellingClass::other, spell(morae, style));
    }
    // Cut inside the last syllable that a consonant begins; "tc" on the way to "tch".
    for (size_t p = hepburn.size() - 1; p >= 3 && hepburn.size() >= 4; --p) {
        if (isConsonant(hepburn[p - 1]) && hepburn[p - 1] != 'n' && hepburn[p] != '\'' && hepburn[p] != '-') {
            add(SpellingClass::unfinished, hepburn.substr(0, p));
            break;
        }
    }
    if (const size_t tch = hepburn.find("tch"); tch != std::string::npos && tch >= 1)
        add(SpellingClass::unfinished, hepburn.substr(0, tch + 2));
    if (hepburn.size() > 2 && isConsonant(hepburn[0]) && isConsonant(hepburn[1]) && hepburn[0] != hepburn[1])
        add(SpellingClass::noSyllable, hepburn.substr(0, 2));
    return typed;
}
