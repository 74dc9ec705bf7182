#pragma once
// How people type a word's kana in romaji, class by class: the usual
// spellings (Hepburn and Kunrei as an input method takes them), input-method
// habits, long vowels as on signs and passports, the other spellings heard
// in use, and words typed only part of the way.
#include <string>
#include <string_view>
#include <vector>

enum class SpellingClass { usual, ime, longVowels, other, unfinished, noSyllable, count };

const char* nameOf(SpellingClass kind);

struct TypedWord {
    SpellingClass kind;
    std::string text;
};

// The spellings of a reading (hiragana or katakana; a "|" marks where two
// parts meet, so that おう across it is no long vowel). Each class lists
// only spellings that differ from the usual ones.
std::vector<TypedWord> spellingsOf(std::u16string_view reading);
std::string usualSpelling(std::u16string_view reading);
