#pragma once
// Small helpers shared by the Windows test programs.
#include <windows.h>

#include <initializer_list>
#include <string>

// Removes a file, or a folder with everything in it, read-only files included.
void removeTree(const std::wstring& path);

// Presses the keys in order and releases them in reverse, as one combination.
void pressKeys(std::initializer_list<WORD> keys);

// Types the characters as Unicode key events, whatever the keyboard layout.
void typeText(const std::wstring& text);

// Ends every process whose program lies in the folder, so that a failed test
// leaves nothing running (a left-over program would hold the test runner's
// output open and hang the run).
void endProcessesUnder(const std::wstring& folder);
