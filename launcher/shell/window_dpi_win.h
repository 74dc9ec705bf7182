#pragma once
// The main window at the dpi of the monitor it is on: its layout, fonts and
// icons follow that monitor, also when the window moves to another one.
#include "main_window_record_win.h"

// Takes the dpi: the controls' fonts, the item view's icon size and the
// measures of its rows. At creation, and on each WM_DPICHANGED.
void useWindowDpi(MainWindow& mainWindow, int dpi);

// The saved size is in the system's dpi, as a system-aware window had it, so
// a window saved on one monitor comes back the same size on another.
int savedSize(int pixels, int dpi);
// A window created on a monitor whose dpi is not the system's gets its saved
// size at that monitor's scale.
void fitSavedSizeToDpi(MainWindow& mainWindow);
