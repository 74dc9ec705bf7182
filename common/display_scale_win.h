#pragma once
// The display scaling a window is laid out for, and icons at its size.
#include <windows.h>

// Dots per inch of the monitor the window is on (per-monitor aware), or the
// system's where Windows cannot say (before Windows 10 1607). A null window
// gives the system's.
int windowDpi(HWND window);

// The dpi the system-aware sizes and the stock fonts are made for: that of
// the main monitor at log-on.
int systemDpi();

// The small-icon size (16 pixels at 96 dpi) at the given dpi.
int smallIconSize(int dpi);

// The icon title font at the given dpi, in which list views draw by default.
LOGFONTW iconTitleFont(int dpi);

// An icon resource at the display's small-icon size (16 pixels at 96 dpi),
// shared and cached by the system, so it is never destroyed.
HICON loadSmallIcon(HINSTANCE instance, int resourceId);
