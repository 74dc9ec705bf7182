#pragma once
// Which messages of the launcher's windows count as the user doing something.
#include <cstdint>

// Mouse buttons and wheels, in the client and non-client areas (the scroll
// bars). Pointer movement does not count: the system also sends it when a
// window moves under a pointer that stands still.
bool isMouseActivity(uint32_t message);
