#pragma once
// The extra hotkey page: the rows of "hotkey.txt" in the list view and the
// add, update, delete and save commands.
#include "settings_window_win.h"

HotkeyList* loadHotkeyList(const std::wstring& path);
void readHotkeyRows(HotkeyList& list);
// The column widths are for 96 dpi and scaled to the given one.
void insertHotkeyColumns(HWND listView, int dpi);
void scaleHotkeyColumns(HWND listView, int dpi);
void refreshHotkeyList(SettingsWindow& sw);
// Shows the page's list, reading the file again if it could not be read
// before; while it still cannot, the user is told.
void enterHotkeyList(SettingsWindow& sw);
void tellHotkeyListUnread(HWND window);
int selectedRow(const SettingsWindow& sw);
void showSelection(SettingsWindow& sw);
void updateExtraPageButtons(SettingsWindow& sw);
void addHotkeyRow(SettingsWindow& sw);
void updateHotkeyRow(SettingsWindow& sw);
void deleteHotkeyRow(SettingsWindow& sw);
void saveHotkeyList(SettingsWindow& sw);
// Once the writer has "hotkey.txt": the page is saved.
void hotkeyListSaved(SettingsWindow& sw);

extern const WNDPROC commandEditProcedure;
