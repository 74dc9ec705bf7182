#pragma once
// Layout sizes are written for 96 dpi and grow with the display's scaling.

constexpr int layoutDpi = 96;

// A control's place in its parent's client area, in pixels.
struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ControlRect&) const = default;
};

// The nearest whole pixel, halves away from zero; a dpi of 0 or less leaves the size.
int scaledToDpi(int pixels, int dpi);

// Scales the edges rather than the size, so that controls that touch at
// 96 dpi still touch at any other dpi.
ControlRect scaledToDpi(ControlRect rect, int dpi);
