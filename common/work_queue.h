#pragma once
// Work the window's thread must not wait for: a share that answers in
// seconds, a shell call, another program's window. Jobs go to a thread of
// their own; what they find comes back as a posted message (posted_answer_win.h).
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

using Job = std::function<void()>;

// One thread that runs its jobs one after another, in the order posted, so
// that two launches or two saves never overtake each other. The thread starts
// with the first job, not with the program.
struct WorkQueue {
    // Run on the queue's thread before its first job and after its last, for
    // what the thread needs of its own (a COM apartment).
    Job threadStart;
    Job threadEnd;

    WorkQueue() = default;
    WorkQueue(Job start, Job end) : threadStart(std::move(start)), threadEnd(std::move(end)) {}
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;
    // Runs what is queued, then ends the thread.
    ~WorkQueue();

    void post(Job job);
    // Waits until every job posted so far has run, or the bound has passed;
    // false at the bound. For the exit, which may wait a moment, never longer.
    bool drain(std::chrono::milliseconds bound);
    // Jobs posted and not yet finished.
    size_t unfinished();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    size_t running_ = 0;
    bool stopping_ = false;
    std::thread thread_;

    void run();
};

// Runs one job on a thread of its own, for work that may wait for minutes (an
// offline share) and must not hold up the next request behind it.
void runDetached(Job job);

// How many jobs, answers included, are still on their way: a request counts
// from when it is made until its answer has been handled. Tests wait for
// zero instead of sleeping.
void beginWork();
void endWork();
int32_t workOnItsWay();

// Numbers the requests of one kind: only the answer to the newest is wanted,
// and forgetting the request (Esc, another folder, the window hidden) drops
// whatever answer is still coming.
struct RequestNumbers {
    uint32_t newest = 0;
    bool open = false;

    uint32_t next() {
        open = true;
        return ++newest;
    }
    void forget() { open = false; }
    // True once for the answer to the newest open request.
    bool take(uint32_t request) {
        if (!open || request != newest) return false;
        open = false;
        return true;
    }
    bool waiting() const { return open; }
};
