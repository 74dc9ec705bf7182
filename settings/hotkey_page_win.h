#pragma once
// The basic page: the launcher's show hotkey in the section "hotkey" of
// "config.txt", key capture in the key field and the modifier check boxes.
#include "settings_window_win.h"

int modifierBitsOf(const HotkeyEditor& editor);
void setModifierChecks(const HotkeyEditor& editor, int bits);
void flipCheck(HWND check);

// Loads the show hotkey into the editor; true when none is configured.
bool readMainHotkey(SettingsWindow& sw);
void saveMainHotkey(SettingsWindow& sw);
// Once the writer has the show hotkey: the page is saved, and the tool can be left.
void mainHotkeySaved(SettingsWindow& sw);
// Says why in a message box when the editor holds a hotkey that would take a
// typing key from every program; true when it does.
bool refuseTypingHotkey(const SettingsWindow& sw);
void updateBasicPageButtons(SettingsWindow& sw);

// Writes hotkey and hotkey2 into the file, changing no other byte of it; a
// UTF-16 file is turned into UTF-8 with the same lines. A file that exists
// but cannot be read is left alone rather than replaced.
// A file held by another program, or not readable for now, is worth trying again.
WriteResult writeShowHotkey(const std::wstring& path, long keyCode, int bits);
// config.txt holds a show hotkey now, so a launcher started would run.
bool showHotkeySaved();

extern const WNDPROC keyEditProcedure;
