#pragma once
// The writes a program still owes: the newest state of each file, in the
// order first asked, and when each is tried next. Virus scanners, indexers
// and sync tools hold a freshly written file for a moment; a read-only file
// or a folder without rights refuses it for good.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class WriteResult {
    written,
    held,    // another program has the file open: tried again after a pause
    refused, // read-only, no rights, no such folder: tried again only at the next chance
};

using WriteAttempt = std::function<WriteResult()>;
using WriteClock = std::chrono::steady_clock;

// The pause after the n-th held try (n from 1): doubling from a tenth of a
// second up to five, so that a file held for minutes costs one try in five seconds.
std::chrono::milliseconds heldPause(int tries);

struct PendingWrite {
    std::wstring path;
    WriteAttempt attempt;
    uint64_t state = 0;   // numbers the states handed over, the newest highest
    bool untried = true;  // the first outcome of this state is still owed
    bool trying = false;  // on its way through the writer's thread
    int heldTries = 0;
    // When it is tried next; never, while refused, until the next chance.
    WriteClock::time_point due;
};

// One try taken out for the writer's thread.
struct WriteTry {
    std::wstring path;
    WriteAttempt attempt;
    uint64_t state = 0;
    bool first = false; // the state's first try: its outcome is answered
};

struct PendingWrites {
    std::vector<PendingWrite> waiting;
    uint64_t lastState = 0;

    // A file's newest state replaces the one that waits, and is due at once.
    // Every state handed over is also the next chance of those refused.
    // True when this begins a state not yet tried.
    bool add(const std::wstring& path, WriteAttempt attempt, WriteClock::time_point now);
    // The first write that is due and not on its way, in the order asked.
    std::optional<WriteTry> takeDue(WriteClock::time_point now);
    // How a try went. A newer state that came meanwhile stays due.
    void record(const WriteTry& tried, WriteResult result, WriteClock::time_point now);
    // When the next write is due; time_point::max() when none is.
    WriteClock::time_point nextDue() const;
    // The exit is every file's last chance: all are due now.
    void allDueNow(WriteClock::time_point now);
    // Drops the writes tried at least once and not due by the deadline
    // (refused ones included); returns the files among them that were held.
    std::vector<std::wstring> giveUpAfter(WriteClock::time_point deadline);
};
