#pragma once
// A program's one writer: every data file is written on its thread, the
// newest state of each in the order asked, so the window never waits for a
// disk, a share or another program that holds a file.
#include "pending_writes.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The first outcome of each state handed over, on the writer's thread; later
// tries (a held file written at last, a refused one at the next chance) say nothing.
using WriteAnswer = std::function<void(const std::wstring& path, WriteResult result)>;

// How long an ending program tries a held file again, and how long it waits
// for writes under way on a slow share.
constexpr std::chrono::milliseconds writeRetryAtExit{2000};
constexpr std::chrono::milliseconds writeWaitAtExit{15000};

struct FileWriter {
    FileWriter() = default;
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    // Tries once more what was never tried, then ends the thread.
    ~FileWriter();

    // Hands over a file's newest state and returns at once. Each state counts
    // as work on its way (work_queue.h) until its first try is over.
    void write(const std::wstring& path, WriteAttempt attempt);
    void answerWith(WriteAnswer answer);
    // At exit: every file is tried again now, a held one until retryBound,
    // and the call waits for the writes under way until waitBound. Gives the
    // files still held or unwritten then; a refused one was answered already.
    std::vector<std::wstring> drain(std::chrono::milliseconds retryBound, std::chrono::milliseconds waitBound);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    PendingWrites pending_;
    WriteAnswer answer_;
    bool draining_ = false;
    WriteClock::time_point givingUpAt_{};
    std::vector<std::wstring> givenUp_;
    bool stopping_ = false;
    std::thread thread_;

    void run();
};
