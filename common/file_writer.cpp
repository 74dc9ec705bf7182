#include "file_writer.h"

#include "work_queue.h"

FileWriter::~FileWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void FileWriter::write(const std::wstring& path, WriteAttempt attempt) {
    {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
        if (pending_.add(path, std::move(attempt), WriteClock::now())) beginWork();
    }
    changed_.notify_all();
}

void FileWriter::answerWith(WriteAnswer answer) {
    std::lock_guard lock(mutex_);
    answer_ = std::move(answer);
}

std::vector<std::wstring> FileWriter::drain(std::chrono::milliseconds retryBound,
                                            std::chrono::milliseconds waitBound) {
    std::unique_lock lock(mutex_);
    const auto now = WriteClock::now();
    pending_.allDueNow(now);
    draining_ = true;
    givingUpAt_ = now + retryBound;
    givenUp_.clear();
    changed_.notify_all();
    changed_.wait_until(lock, now + waitBound, [this] { return pending_.waiting.empty(); });
    std::vector<std::wstring> unwritten = std::move(givenUp_);
    givenUp_.clear();
    for (const PendingWrite& write : pending_.waiting) unwritten.push_back(write.path);
    draining_ = false;
    return unwritten;
}

void FileWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        std::optional<WriteTry> due = pending_.takeDue(WriteClock::now());
        if (!due) {
            // An ending writer does not wait for a held file to be let go.
            if (stopping_) break;
            const auto next = pending_.nextDue();
            if (next == WriteClock::time_point::max()) {
                changed_.wait(lock);
            } else {
                changed_.wait_until(lock, next);
            }
            continue;
        }
        const WriteAnswer answer = due->first ? answer_ : nullptr;
        lock.unlock();
        // A write that throws (no memory for its bytes) is refused, not lost with the thread.
        WriteResult result = WriteResult::refused;
        try {
            result = due->attempt();
        } catch (...) {
        }
        if (answer) {
            try {
                answer(due->path, result);
            } catch (...) {
            }
        }
        due->attempt = nullptr;
        lock.lock();
        pending_.record(*due, result, WriteClock::now());
        if (due->first) endWork();
        if (draining_) {
            for (std::wstring& path : pending_.giveUpAfter(givingUpAt_)) givenUp_.push_back(std::move(path));
        }
        changed_.notify_all();
    }
}
