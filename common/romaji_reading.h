#pragma once
// The kana reading of a word typed in romaji, by the table of the common
// Japanese input methods (Hepburn and Kunrei spellings alike).
#include "kana_folding.h"

#include <optional>
#include <string_view>
#include <vector>

struct RomajiReading {
    KanaText complete; // hiragana of the finished syllables
    // What an unfinished end (a consonant without its vowel, a final "n") may
    // go on as: each syllable it begins, but none that begins with another
    // of them ("k" gives き, not きゃ). Empty when the word ends finished.
    std::vector<KanaText> endings;
};

// Nothing for a word that is not romaji: other than a-z, "-" and "'", or
// letters no syllable is spelt with. The word is lower-case.
std::optional<RomajiReading> readRomaji(std::string_view word);
std::optional<RomajiReading> readRomaji(KanaView word);
