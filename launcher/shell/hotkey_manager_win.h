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
