#pragma once
// The display scaling a window is laid out for, and icons at its size.
#include <windows.h>

// Dots per inch of the window's display: the system's for our system-aware
// programs. A null window gives the screen's.
int windowDpi(HWND window);

// An icon resource at the display's small-icon size (16 pixels at 96 dpi),
// shared and cached by the system, so it is never destroyed.
HICON loadSmallIcon(HINSTANCE instance, int resourceId);
