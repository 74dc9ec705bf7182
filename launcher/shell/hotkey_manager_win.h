#pragma once
// The system-wide hotkeys: the one that shows the launcher, and the extra ones of "hotkey.txt".
#include "item_rows.h"

#include <windows.h>

struct DataStore;
struct MainWindow;

struct HotkeyManager {
    HWND window = nullptr;
    DataStore* data = nullptr;
    MainWindow* mainWindow = nullptr;
};

void registerHotkeys(HotkeyManager& hotkeys, HWND window);
void unregisterHotkeys(HotkeyManager& hotkeys);
void onHotkey(HotkeyManager& hotkeys, int id);

using HotkeyRegistration = BOOL(WINAPI*)(HWND window, int id, UINT modifiers, UINT key);
// Tests see the flags each hotkey is registered with through this seam; null
// restores RegisterHotKey.
void replaceHotkeyRegistration(HotkeyRegistration registration);
