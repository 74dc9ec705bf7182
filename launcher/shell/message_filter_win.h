#pragma once
// The messages an elevated launcher must still take from programs at a lower
// integrity level: the system drops them otherwise, without a word.
#include <windows.h>

// Explorer's icon callback and "TaskbarCreated", the settings tool's
// WM_CLOSE and a second start's hand-over of its command line as the title.
void allowLowerIntegrityMessages(HWND window);

using MessageFilterChange = BOOL(WINAPI*)(HWND window, UINT message, DWORD action, PCHANGEFILTERSTRUCT status);
// Tests see the messages allowed through this seam; null restores ChangeWindowMessageFilterEx.
void replaceMessageFilterChange(MessageFilterChange change);
