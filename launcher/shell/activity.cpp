#include "activity.h"

namespace {

// The Win32 message numbers.
constexpr uint32_t mouseMove = 0x0200;      // WM_MOUSEMOVE, first of the client mouse messages
constexpr uint32_t lastMouse = 0x020E;      // WM_MOUSEHWHEEL
constexpr uint32_t ncMouseMove = 0x00A0;    // WM_NCMOUSEMOVE, first of the non-client ones
constexpr uint32_t lastNcMouse = 0x00AD;    // WM_NCXBUTTONDBLCLK

} // namespace

bool isMouseActivity(uint32_t message) {
    return (message > mouseMove && message <= lastMouse) || (message > ncMouseMove && message <= lastNcMouse);
}
