#include "work_queue.h"

#include <atomic>

namespace {

std::atomic<int32_t>& workCount() {
    static std::atomic<int32_t> count{0};
    return count;
}

} // namespace

WorkQueue::~WorkQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void WorkQueue::post(Job job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
        if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    }
    changed_.notify_all();
}

bool WorkQueue::drain(std::chrono::milliseconds bound) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, bound, [this] { return jobs_.empty() && running_ == 0; });
}

size_t WorkQueue::unfinished() {
    std::lock_guard lock(mutex_);
    return jobs_.size() + running_;
}

void WorkQueue::run() {
    if (threadStart) threadStart();
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) break; // stopping, with nothing left to run
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        ++running_;
        lock.unlock();
        // A job that throws loses only itself; the queue goes on.
        try {
            job();
        } catch (...) {
        }
        job = nullptr;
        lock.lock();
        --running_;
        changed_.notify_all();
    }
    lock.unlock();
    if (threadEnd) threadEnd();
}

void runDetached(Job job) {
    std::thread([job = std::move(job)] {
        try {
            job();
        } catch (...) {
        }
    }).detach();
}

void beginWork() { ++workCount(); }
void endWork() { --workCount(); }
int32_t workOnItsWay() { return workCount().load(); }
