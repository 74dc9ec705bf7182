#pragma once
// Saving the tool's files through its writer. A page counts as saved once its
// file is written, or held by another program and so written later; a file
// that refuses the write is said in a message box, and its page stays unsaved.
// What was saved, or waits, goes to screen readers.
#include "settings_window_win.h"

void saveSettingsFile(const std::wstring& path, WriteAttempt attempt);
// The writer's answer to a save (saveAnsweredMessage).
void onSaveAnswered(SettingsWindow& sw, LPARAM answer);
// At exit: about two seconds more for what another program still holds;
// then, if asked, the user is told what could not be saved.
void finishSettingsWrites(bool tellWhatFailed);
