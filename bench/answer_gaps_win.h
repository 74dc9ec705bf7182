#pragma once
// How long another program's window thread goes without answering, sampled
// every few milliseconds from two threads of the probe:
// - a sent WM_NULL, which a thread blocked inside SendMessage still answers;
// - a posted message (a new text limit for a read-only edit of that thread,
//   read back with a sent message), which waits, as a key does, until the
//   thread reads its queue again.
// Each keeps the longest time one of its samples waited for the answer.
#include <windows.h>

#include <atomic>
#include <thread>

struct LongestWaits {
    double sentMs = 0;
    double postedMs = 0;
};

class AnswerGaps {
public:
    // Starts sampling window's thread; edit must belong to the same thread,
    // and its text limit must not matter (a display-only edit).
    AnswerGaps(HWND window, HWND edit);
    ~AnswerGaps();
    AnswerGaps(const AnswerGaps&) = delete;
    AnswerGaps& operator=(const AnswerGaps&) = delete;

    // No new samples; waits for those still on their way, which is how a
    // long freeze gets its whole length.
    LongestWaits stop();

private:
    void sampleSent();
    void samplePosted();

    HWND window_;
    HWND edit_;
    std::atomic<bool> stopping_{false};
    LongestWaits longest_{};
    std::thread sent_;
    std::thread posted_;
};
