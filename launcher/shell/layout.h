#pragma once
// Where the five controls of the main window go for a given client size.
// The row height and the bookmark list's width grow with the window's dpi.
#include "common/dpi_scale.h"

// The candidate list is placed first; the rest follows below its actual
// client height, since a list box may shorten itself to whole lines.
ControlRect candidateListRect(int clientWidth, int clientHeight, int dpi = layoutDpi);

struct LowerControls {
    ControlRect statusLine;
    ControlRect inputLine;
    ControlRect itemView;
    ControlRect bookmarkList;
};
LowerControls lowerControlRects(int clientWidth, int clientHeight, int candidateClientHeight, int dpi = layoutDpi);

// A window rectangle is remembered only while it lies plainly on screen:
// not minimised (far off-screen), not all zero, not at 1500 or beyond. The
// limits are in pixels at 96 dpi, as the window's dpi gives them: on a monitor
// at 200% a window reaches 1500 at 3000 pixels.
bool isRecordableRect(long left, long top, long right, long bottom, int dpi = layoutDpi);
