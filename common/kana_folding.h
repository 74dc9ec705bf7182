#pragma once
// The folds of kanaMatch: full-width ASCII forms as ASCII, A-Z as a-z,
// half-width katakana as full-width (a following voiced mark joining the kana
// before it) and katakana as hiragana. The long-vowel mark stays itself.
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

// UTF-16 units as the history holds them: wchar_t on Windows, char16_t natively.
using KanaUnit = std::conditional_t<sizeof(wchar_t) == 2, wchar_t, char16_t>;
using KanaText = std::basic_string<KanaUnit>;
using KanaView = std::basic_string_view<KanaUnit>;

KanaText foldKana(KanaView text);
// The same over text in place; returns the folded length (never longer).
size_t foldKanaInPlace(KanaUnit* text, size_t count);
// The same from wide text; for what the user types U+3000 becomes a space.
KanaText foldWideKana(std::wstring_view text);
KanaText foldTypedKana(std::wstring_view text);
// Appends the fold of wide text, as foldWideKana gives it, so that a list
// folds its names into one buffer.
void appendWideKana(std::wstring_view text, KanaText& folded);

// Folds a buffer of texts each followed by a 0 unit into out, unit for unit:
// a text's fold starts where the text does and is padded with 0 up to its end,
// so offsets into the buffer hold for its fold too.
void foldKanaBuffer(const KanaUnit* in, size_t count, KanaUnit* out);
