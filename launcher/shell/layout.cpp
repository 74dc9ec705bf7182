#include "layout.h"

#include <initializer_list>

namespace {
// At 96 dpi.
constexpr int rowHeightAt96 = 20;
constexpr int bookmarkWidthAt96 = 200;
constexpr long minimisedBelow = -50;
constexpr long offScreenFrom = 1500;
} // namespace

ControlRect candidateListRect(int clientWidth, int clientHeight, int dpi) {
    return {0, 0, clientWidth, clientHeight / 2 - scaledToDpi(rowHeightAt96, dpi)};
}

LowerControls lowerControlRects(int clientWidth, int clientHeight, int candidateClientHeight, int dpi) {
    // One scaled row height and width for every control, so they stay flush.
    const int lineHeight = scaledToDpi(rowHeightAt96, dpi);
    const int bookmarkWidth = scaledToDpi(bookmarkWidthAt96, dpi);
    const int top = candidateClientHeight;
    const int viewsTop = top + 2 * lineHeight;
    const int viewsHeight = clientHeight - viewsTop;
    return {
        {0, top, clientWidth, lineHeight},
        {0, top + lineHeight, clientWidth, lineHeight},
        {0, viewsTop, clientWidth - bookmarkWidth, viewsHeight},
        {clientWidth - bookmarkWidth, viewsTop, bookmarkWidth, viewsHeight},
    };
}

bool isRecordableRect(long left, long top, long right, long bottom, int dpi) {
    if (left == 0 && top == 0 && right == 0 && bottom == 0) return false;
    if (dpi <= 0) dpi = layoutDpi;
    for (long value : {left, top, right, bottom}) {
        const long long at96 = static_cast<long long>(value) * layoutDpi / dpi;
        if (at96 < minimisedBelow || at96 >= offScreenFrom) return false;
    }
    return true;
}
