#pragma once
// The controls' fonts at their window's dpi. Controls given no font draw in
// the system font (list views in the icon title font), which is made for the
// system's dpi: on a monitor with another scaling their text would come out
// too small or too large. These are the same faces at the monitor's scale,
// so at the system's dpi nothing changes.
#include "scoped_win.h"

#include <windows.h>

struct ControlFonts {
    ScopedGdiObject text;     // EDIT, LISTBOX, BUTTON and STATIC
    ScopedGdiObject listView; // SysListView32
};

ControlFonts controlFontsFor(int dpi);

// WM_SETFONT with a repaint; the font must outlive the control or its next font.
void setControlFont(HWND control, const ScopedGdiObject& font);
