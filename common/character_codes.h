#pragma once
// The control characters that WM_CHAR carries for the keys the key tables handle.

constexpr wchar_t backspaceCharacter = 8;
constexpr wchar_t tabCharacter = 9;
constexpr wchar_t lineFeedCharacter = 10; // Ctrl+Enter
constexpr wchar_t returnCharacter = 13;
constexpr wchar_t escapeCharacter = 27;
constexpr wchar_t spaceCharacter = 32;
