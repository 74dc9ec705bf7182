#include "pending_writes.h"

#include <algorithm>

namespace {

constexpr std::chrono::milliseconds pauseAtExit{100};

} // namespace

WriteResult PendingWrites::write(const std::wstring& path, WriteAttempt attempt) {
    const WriteResult result = attempt();
    const auto same = std::find_if(waiting.begin(), waiting.end(), [&](const PendingWrite& w) { return w.path == path; });
    if (result == WriteResult::held) {
        if (same != waiting.end()) {
            same->attempt = std::move(attempt);
        } else {
            waiting.push_back({path, std::move(attempt)});
        }
    } else if (same != waiting.end()) {
        // Written, or refused for good: the older state must not follow it.
        waiting.erase(same);
    }
    return result;
}

bool PendingWrites::retry() {
    // Only a held file is worth another try; a refused one is given up.
    waiting.erase(std::remove_if(waiting.begin(), waiting.end(),
                                 [](const PendingWrite& w) { return w.attempt() != WriteResult::held; }),
                  waiting.end());
    return !waiting.empty();
}

bool finishPendingWrites(PendingWrites& writes, std::chrono::milliseconds bound, const MonotonicNow& now,
                         const Pause& pause) {
    const auto deadline = now() + bound;
    while (writes.retry()) {
        if (now() >= deadline) return false;
        pause(pauseAtExit);
    }
    return true;
}
