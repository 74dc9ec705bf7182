#pragma once
// The slow share that scripts/test mounts: a real file system that waits at
// every access, as a distant or offline share does.
#include <string>

// The share's root as the programs see it (Z:\...), empty when none is mounted.
std::wstring slowShareRoot();

// Every access from now on waits this long; 0 makes the share quick again.
void setSlowShareWait(double seconds);

// Sets the wait for the scope of a test and makes the share quick again after it.
struct SlowShareWait {
    explicit SlowShareWait(double seconds) { setSlowShareWait(seconds); }
    ~SlowShareWait() { setSlowShareWait(0); }
    SlowShareWait(const SlowShareWait&) = delete;
    SlowShareWait& operator=(const SlowShareWait&) = delete;
};
