#pragma once
// Where the five controls of the main window go for a given client size.

struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ControlRect&) const = default;
};

// The candidate list is placed first; the rest follows below its actual
// client height, since a list box may shorten itself to whole lines.
ControlRect candidateListRect(int clientWidth, int clientHeight);

struct LowerControls {
    ControlRect statusLine;
    ControlRect inputLine;
    ControlRect itemView;
    ControlRect bookmarkList;
};
LowerControls lowerControlRects(int clientWidth, int clientHeight, int candidateClientHeight);

// A window rectangle is remembered only while it lies plainly on screen:
// not minimised (far off-screen), not all zero, not at 1500 or beyond.
bool isRecordableRect(long left, long top, long right, long bottom);
