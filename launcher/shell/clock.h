#pragma once
#include <chrono>
#include <cstdint>

using SteadyTime = std::chrono::steady_clock::time_point;

// Whole seconds, truncated, as the activation rule counts them.
int64_t wholeSecondsBetween(SteadyTime earlier, SteadyTime later);
