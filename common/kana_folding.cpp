#include "kana_folding.h"

#include <cstdint>

namespace {

// Full-width katakana for U+FF65..U+FF9F.
constexpr char16_t halfWidthKana[] = {
    u'\x30FB', u'\x30F2', u'\x30A1', u'\x30A3', u'\x30A5', u'\x30A7', u'\x30A9', u'\x30E3', u'\x30E5', u'\x30E7',
    u'\x30C3', u'\x30FC', u'\x30A2', u'\x30A4', u'\x30A6', u'\x30A8', u'\x30AA', u'\x30AB', u'\x30AD', u'\x30AF',
    u'\x30B1', u'\x30B3', u'\x30B5', u'\x30B7', u'\x30B9', u'\x30BB', u'\x30BD', u'\x30BF', u'\x30C1', u'\x30C4',
    u'\x30C6', u'\x30C8', u'\x30CA', u'\x30CB', u'\x30CC', u'\x30CD', u'\x30CE', u'\x30CF', u'\x30D2', u'\x30D5',
    u'\x30D8', u'\x30DB', u'\x30DE', u'\x30DF', u'\x30E0', u'\x30E1', u'\x30E2', u'\x30E4', u'\x30E6', u'\x30E8',
    u'\x30E9', u'\x30EA', u'\x30EB', u'\x30EC', u'\x30ED', u'\x30EF', u'\x30F3', u'\x309B', u'\x309C',
};
static_assert(sizeof(halfWidthKana) / sizeof(halfWidthKana[0]) == 0xFF9F - 0xFF65 + 1);

constexpr char32_t voicedMark = 0xFF9E, semiVoicedMark = 0xFF9F;

// The katakana a voiced (+1) or semi-voiced (+2) mark turns the kana into, or 0.
char32_t joined(char32_t kana, char32_t mark) {
    if (mark == voicedMark) {
        if (kana == 0x30A6) return 0x30F4; // ウ゛ is ヴ
        if ((kana >= 0x30AB && kana <= 0x30C1 && (kana - 0x30AB) % 2 == 0) || kana == 0x30C4 || kana == 0x30C6 ||
            kana == 0x30C8)
            return kana + 1;
    }
    if (kana >= 0x30CF && kana <= 0x30DB && (kana - 0x30CF) % 3 == 0) return kana + (mark == voicedMark ? 1 : 2);
    return 0;
}

// Without branches, so that a loop of it runs in vector lanes; leaves half-width katakana as they are.
char32_t foldUnit(char32_t unit) {
    unit -= (unit - 0xFF01u <= 0xFF5Eu - 0xFF01u) ? 0xFF01u - 0x21u : 0u;
    unit += (unit - U'A' <= 25u) ? 32u : 0u;
    unit -= (unit - 0x30A1u <= 0x30F6u - 0x30A1u) ? 0x60u : 0u;
    return unit;
}

bool isHalfWidthKana(char32_t unit) { return unit - 0xFF65u <= 0xFF9Fu - 0xFF65u; }

// Folds text into out, returning the units written (never more than read);
// out may be the text itself, as each unit is written after it is read.
template <class In>
size_t foldInto(const In* in, size_t count, KanaUnit* out) {
    size_t n = 0;
    for (size_t i = 0; i < count; ++i) {
        auto unit = static_cast<char32_t>(in[i]);
        if (isHalfWidthKana(unit)) {
            unit = halfWidthKana[unit - 0xFF65];
            if (i + 1 < count) {
                const auto mark = static_cast<char32_t>(in[i + 1]);
                if (mark == voicedMark || mark == semiVoicedMark) {
                    if (const char32_t voiced = joined(unit, mark)) {
                        unit = voiced;
                        ++i;
                    }
                }
            }
        }
        out[n++] = static_cast<KanaUnit>(foldUnit(unit));
    }
    return n;
}

} // namespace

KanaText foldKana(KanaView text) {
    KanaText folded(text.size(), KanaUnit(0));
    folded.resize(foldInto(text.data(), text.size(), folded.data()));
    return folded;
}

size_t foldKanaInPlace(KanaUnit* text, size_t count) { return foldInto(text, count, text); }

namespace {

// Wide text as UTF-16 units appended to out, then folded where they stand.
void appendFoldedWide(std::wstring_view text, bool typed, KanaText& out) {
    size_t astral = 0; // only native text holds such units: two each, as Windows would
    for (const wchar_t unit : text) {
        const auto value = static_cast<char32_t>(unit);
        astral += value > 0xFFFF;
    }
    const size_t start = out.size();
    out.resize(start + text.size() + astral);
    size_t n = start;
    for (const wchar_t unit : text) {
        const auto value = static_cast<char32_t>(unit);
        if (typed && value == 0x3000) out[n++] = KanaUnit(' ');
        else if (value > 0xFFFF) {
            out[n++] = static_cast<KanaUnit>(0xD800 + ((value - 0x10000) >> 10));
            out[n++] = static_cast<KanaUnit>(0xDC00 + ((value - 0x10000) & 0x3FF));
        } else out[n++] = static_cast<KanaUnit>(value);
    }
    out.resize(start + foldKanaInPlace(out.data() + start, n - start));
}

KanaText foldWide(std::wstring_view text, bool typed) {
    KanaText units;
    appendFoldedWide(text, typed, units);
    return units;
}

} // namespace

KanaText foldWideKana(std::wstring_view text) { return foldWide(text, false); }
KanaText foldTypedKana(std::wstring_view text) { return foldWide(text, true); }
void appendWideKana(std::wstring_view text, KanaText& folded) { appendFoldedWide(text, false, folded); }

void foldKanaBuffer(const KanaUnit* in, size_t count, KanaUnit* out) {
    // Unit for unit first, which is all but texts with half-width katakana
    // need; those are folded again, their shorter fold padded with 0.
    bool halfWidth = false;
    for (size_t i = 0; i < count; ++i) {
        const auto unit = static_cast<char32_t>(static_cast<uint16_t>(in[i]));
        out[i] = static_cast<KanaUnit>(foldUnit(unit));
        halfWidth |= isHalfWidthKana(unit);
    }
    if (!halfWidth) return;
    for (size_t i = 0; i < count; ++i) {
        if (!isHalfWidthKana(static_cast<uint16_t>(in[i]))) continue;
        size_t start = i, end = i;
        while (start > 0 && in[start - 1] != 0) --start;
        while (end < count && in[end] != 0) ++end;
        size_t n = start + foldInto(in + start, end - start, out + start);
        while (n < end) out[n++] = 0;
        i = end;
    }
}
