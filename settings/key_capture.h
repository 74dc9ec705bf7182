#pragma once
// What a key pressed in the key field means beyond its code: the modifier
// boxes it ticks, and the hotkeys that would take typing from every program.
#include "key_names.h"

// The IME's stand-in code while it composes, never a key of its own.
constexpr int imeProcessKey = 229;

// The boxes to tick for a key pressed with the given modifiers held; a
// modifier key does not tick its own box (Shift alone stays the key SHIFT).
ModifierChecks heldModifierChecks(long code, const ModifierChecks& held);

// Letters, digits, Space, Enter, Tab and punctuation, on the main keys and
// the numeric keypad.
bool typesText(long code);

// Such a key without Ctrl, Alt or the Windows key as a global hotkey would
// swallow that key in every program: it is never saved or added.
bool takesTypingFromEveryProgram(long code, int bits);
