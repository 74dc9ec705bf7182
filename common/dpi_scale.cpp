#include "dpi_scale.h"

int scaledToDpi(int pixels, int dpi) {
    if (dpi <= 0) return pixels;
    const long long twice = 2LL * pixels * dpi;
    const long long half = pixels < 0 ? -layoutDpi : layoutDpi;
    return static_cast<int>((twice + half) / (2LL * layoutDpi));
}

ControlRect scaledToDpi(ControlRect rect, int dpi) {
    const int left = scaledToDpi(rect.x, dpi);
    const int top = scaledToDpi(rect.y, dpi);
    return {left, top, scaledToDpi(rect.x + rect.width, dpi) - left, scaledToDpi(rect.y + rect.height, dpi) - top};
}
