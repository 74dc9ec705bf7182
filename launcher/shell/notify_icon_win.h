#pragma once
// The notification-area icon that brings the hidden launcher back.
#include <windows.h>

struct MainWindow;

void addNotifyIcon(MainWindow& mainWindow);
void removeNotifyIcon(MainWindow& mainWindow);
// The shell broadcasts this after the taskbar is re-created; icons must be added again.
bool isTaskbarCreatedMessage(UINT message);

// An elevated launcher would otherwise drop the icon's callback and
// "TaskbarCreated", which Explorer sends from a lower integrity level.
void allowShellMessages(HWND window);
using MessageFilterChange = BOOL(WINAPI*)(HWND window, UINT message, DWORD action, PCHANGEFILTERSTRUCT status);
// Tests see the messages allowed through this seam; null restores ChangeWindowMessageFilterEx.
void replaceMessageFilterChange(MessageFilterChange change);
