#include "clock.h"

int64_t wholeSecondsBetween(SteadyTime earlier, SteadyTime later) {
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(later - earlier).count();
    return nanoseconds / 1000000000;
}
