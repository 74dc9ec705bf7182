#pragma once
// Reads integers from INI-style UTF-8 lines the way the platform's profile
// functions do, without their ANSI decoding that breaks UTF-8 lines under
// the Japanese code page. Both programs read the show hotkey through this.
#include "text_lines.h"

// Section and key compared without case and without surrounding blanks;
// the integer is parsed from the value's start; anything missing gives fallback.
long profileInt(const TextLines& lines, std::wstring_view section, std::wstring_view key, long fallback = 0);

// Index of the line that opens the section, or -1.
int findProfileSection(const TextLines& lines, std::wstring_view section);

std::wstring_view trimBlanks(std::wstring_view text);
bool equalsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);
