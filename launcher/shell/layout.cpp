#include "layout.h"

#include <initializer_list>

namespace {
constexpr int lineHeight = 20;
constexpr int bookmarkWidth = 200;
constexpr long minimisedBelow = -50;
constexpr long offScreenFrom = 1500;
} // namespace

ControlRect candidateListRect(int clientWidth, int clientHeight) {
    return {0, 0, clientWidth, clientHeight / 2 - lineHeight};
}

LowerControls lowerControlRects(int clientWidth, int clientHeight, int candidateClientHeight) {
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

bool isRecordableRect(long left, long top, long right, long bottom) {
    if (left == 0 && top == 0 && right == 0 && bottom == 0) return false;
    for (long value : {left, top, right, bottom}) {
        if (value < minimisedBelow || value >= offScreenFrom) return false;
    }
    return true;
}
