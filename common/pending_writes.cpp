#include "pending_writes.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::chrono::milliseconds firstHeldPause{100};
constexpr std::chrono::milliseconds longestHeldPause{5000};
constexpr WriteClock::time_point never = WriteClock::time_point::max();

} // namespace

std::chrono::milliseconds heldPause(int tries) {
    std::chrono::milliseconds pause = firstHeldPause;
    for (int i = 1; i < tries && pause < longestHeldPause; ++i) pause *= 2;
    return std::min(pause, longestHeldPause);
}

bool PendingWrites::add(const std::wstring& path, WriteAttempt attempt, WriteClock::time_point now) {
    for (PendingWrite& write : waiting) {
        if (write.due == never) write.due = now;
    }
    const auto same = std::find_if(waiting.begin(), waiting.end(), [&](const PendingWrite& w) { return w.path == path; });
    if (same == waiting.end()) {
        waiting.push_back({path, std::move(attempt), ++lastState, true, false, 0, now});
        return true;
    }
    same->attempt = std::move(attempt);
    same->state = ++lastState;
    same->due = now;
    return !std::exchange(same->untried, true);
}

std::optional<WriteTry> PendingWrites::takeDue(WriteClock::time_point now) {
    for (PendingWrite& write : waiting) {
        if (write.trying || write.due > now) continue;
        write.trying = true;
        return WriteTry{write.path, write.attempt, write.state, std::exchange(write.untried, false)};
    }
    return std::nullopt;
}

void PendingWrites::record(const WriteTry& tried, WriteResult result, WriteClock::time_point now) {
    const auto same =
        std::find_if(waiting.begin(), waiting.end(), [&](const PendingWrite& w) { return w.path == tried.path; });
    if (same == waiting.end()) return;
    same->trying = false;
    // Whatever became of the older state, the newer one must still be written.
    if (same->state != tried.state) return;
    switch (result) {
    case WriteResult::written: waiting.erase(same); return;
    case WriteResult::held: same->due = now + heldPause(++same->heldTries); return;
    case WriteResult::refused: same->due = never; return;
    }
}

WriteClock::time_point PendingWrites::nextDue() const {
    WriteClock::time_point next = never;
    for (const PendingWrite& write : waiting) {
        if (!write.trying) next = std::min(next, write.due);
    }
    return next;
}

void PendingWrites::allDueNow(WriteClock::time_point now) {
    for (PendingWrite& write : waiting) write.due = now;
}

std::vector<std::wstring> PendingWrites::giveUpAfter(WriteClock::time_point deadline) {
    std::vector<std::wstring> held;
    std::erase_if(waiting, [&](const PendingWrite& write) {
        if (write.trying || write.untried || write.due <= deadline) return false;
        if (write.due != never) held.push_back(write.path);
        return true;
    });
    return held;
}
