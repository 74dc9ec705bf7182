#pragma once
// Writes that wait because another program held the file for a moment: virus
// scanners, indexers and sync tools open a freshly written file briefly, and
// replacing it fails until they let go.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

enum class WriteResult {
    written,
    held,   // the file is in use (or could not be read to be merged): worth trying again
    failed, // the folder refuses the write; trying again changes nothing
};

using WriteAttempt = std::function<WriteResult()>;

// The retry timer's period: a released file holds the new state well within a second.
constexpr std::chrono::milliseconds writeRetryInterval{250};
// How long an ending program keeps trying.
constexpr std::chrono::milliseconds writeRetryAtExit{2000};

struct PendingWrite {
    std::wstring path;
    WriteAttempt attempt;
};

// One waiting write per file, the newest: a later write of the same file
// replaces the one that waits, and one that succeeds ends the wait.
struct PendingWrites {
    std::vector<PendingWrite> waiting;

    // Tries once now; a held file waits for the next retry.
    WriteResult write(const std::wstring& path, WriteAttempt attempt);
    // Tries every waiting write once; true while some still wait.
    bool retry();
    bool empty() const { return waiting.empty(); }
};

// At exit: tries again until nothing waits or the bound has passed, pausing
// between tries. False when something still waits at the bound. The clock and the
// pause are the caller's, so tests need not wait.
using MonotonicNow = std::function<std::chrono::steady_clock::time_point()>;
using Pause = std::function<void(std::chrono::milliseconds)>;
bool finishPendingWrites(PendingWrites& writes, std::chrono::milliseconds bound, const MonotonicNow& now,
                         const Pause& pause);
