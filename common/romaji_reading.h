#pragma once
// The kana reading of a word typed in romaji, by the table of the common
// Japanese input methods (Hepburn and Kunrei spellings alike), together with
// the other ways people spell the same kana: "nn" before a vowel, m before
// b, m and p, long vowels left out or written as on signs and passports,
// ji and zu for ぢ and づ, ti and di for ティ and ディ.
#include "kana_folding.h"

#include <optional>
#include <string_view>
#include <vector>

// One part of the word: the kana it may stand for, the usual reading first.
struct KanaPiece {
    std::vector<KanaText> forms;
    // The vowel the forms end in when the part may stand for it held long
    // (お for おう, おお or おー); 0 when the word spells the length itself.
    KanaUnit held = 0;
};

struct RomajiReading {
    std::vector<KanaPiece> pieces;
    // What an unfinished end (a consonant without its vowel, a final "n") may
    // go on as: each syllable it begins, but none that begins with another
    // of them ("k" gives き, not きゃ). Empty when the word ends finished.
    std::vector<KanaText> endings;

    KanaText usual() const; // the first form of each piece
};

// The units that hold a vowel long after it: う, お or ー after お; い, え or ー after え.
KanaView lengtheners(KanaUnit held);
inline bool lengthens(KanaUnit held, KanaUnit unit) { return lengtheners(held).find(unit) != KanaView::npos; }

// Nothing for a word that is not romaji: other than a-z, "-" and "'", or
// letters no syllable is spelt with. The word is lower-case.
std::optional<RomajiReading> readRomaji(std::string_view word);
std::optional<RomajiReading> readRomaji(KanaView word);
