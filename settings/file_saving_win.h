#pragma once
// Saving the tool's files: at once, or, while another program holds one for
// a moment, again and again until it is released. What cannot be saved is
// said in a message box; what was saved, or waits, goes to screen readers.
#include "settings_window_win.h"

// False, after telling the user, when the file cannot be saved: the page then
// stays unsaved. A file held in a folder found writable at start is saved later.
bool saveSettingsFile(SettingsWindow& sw, const std::wstring& path, WriteAttempt attempt);
void onRetryWritesTimer(SettingsWindow& sw);
// At exit: about two seconds more for what still waits; then, if asked, the
// user is told what could not be saved.
void finishSettingsWrites(SettingsWindow& sw, bool tellWhatFailed);

constexpr wchar_t saveFailedCaption[] = L"保存に失敗";
