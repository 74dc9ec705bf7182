#pragma once
// Key input for the Windows test programs, sent with SendInput as the user's
// keyboard would send it.
#include <windows.h>

#include <string>
#include <vector>

// One key going down or up; the arrows and Delete as the extended keys they are.
INPUT keyInput(WORD key, bool up);

// One character going down or up as a Unicode key event, whatever the keyboard layout.
INPUT unicodeInput(wchar_t character, bool up);

// Presses the held keys and then the keys in order, and releases them all in
// reverse: one combination.
void pressKeys(const std::vector<WORD>& keys, const std::vector<WORD>& held = {});

// Types the characters, optionally with Shift held (the Japanese layout's
// Shift+digit characters have no US key).
void typeText(const std::wstring& text, bool withShift = false);
