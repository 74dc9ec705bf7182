#pragma once
// The notification-area icon that brings the hidden launcher back.
#include <windows.h>

struct MainWindow;

void addNotifyIcon(MainWindow& mainWindow);
void removeNotifyIcon(MainWindow& mainWindow);
// The shell broadcasts this after the taskbar is re-created; icons must be added again.
UINT taskbarCreatedMessage();
bool isTaskbarCreatedMessage(UINT message);
