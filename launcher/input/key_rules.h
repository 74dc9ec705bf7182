#pragma once
// The decisions behind the keys of the input line, apart from the window calls.
#include <cstdint>
#include <string>

// Shift with "!" .. "*" launches candidate 0 .. 9 (Shift+1 .. Shift+9 and
// Shift+0 on the Japanese layout); -1 for any other character.
int32_t shiftedCandidateIndex(wchar_t character);
// The Win32 virtual key of a character sent with no key behind it (input tools).
constexpr uint32_t packetKey = 0xE7;
// Shift with the digit keys "1" .. "9" and "0" launches candidate 0 .. 9
// whatever the layout makes them type ("&" for Shift+7 on the US layout).
// Only a character with no key behind it counts by the characters above.
int32_t shiftedCandidateIndex(uint32_t virtualKey, wchar_t character);
bool isDigitCharacter(wchar_t character);
// "1" is row 0 ... "9" row 8; "0" asks for row -1, which never exists.
int32_t digitRowIndex(wchar_t character);

// Enter: the typed text, or the shown folder when browsing one and the text
// is empty or Ctrl is down.
std::wstring submitTarget(const std::wstring& inputText, const std::wstring& shownFolder, bool withCtrl);

// Esc in the input line undoes one thing at a time, in this order.
enum class EscapeStep { clearText, resetParentLevels, leaveFolder, dismiss };
EscapeStep escapeStep(bool inputEmpty, int32_t parentLevels, bool folderShown);
