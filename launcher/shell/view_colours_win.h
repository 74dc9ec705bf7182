#pragma once
// The colours of the input line, the lists and the item view: config.txt's,
// or the system's while a high-contrast theme is on, whose light text would
// be unreadable on the configured pale backgrounds.
#include "common/scoped_win.h"

#include <windows.h>

struct MainWindow;

bool highContrastOn();
// The background for a colour name of config.txt.
COLORREF backgroundColour(const MainWindow& mainWindow, const wchar_t* colourName);
// Prepares a control's DC and gives the brush kept for it.
HBRUSH colourControl(MainWindow& mainWindow, HDC dc, const wchar_t* colourName, ScopedGdiObject& brush);
void deleteViewBrushes(MainWindow& mainWindow);
// After a theme change: the theme is read again, the brushes are made again
// and everything repainted.
void followColourChange(MainWindow& mainWindow);

using HighContrastQuery = bool (*)();
// Tests switch the theme through this seam; null asks the system again.
void replaceHighContrastQuery(HighContrastQuery query);
