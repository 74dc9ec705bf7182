#include "answer_gaps_win.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Long enough for any freeze the scenarios cause; only a dead launcher reaches it.
constexpr UINT answerTimeoutMs = 300000;
constexpr auto betweenSamples = std::chrono::milliseconds(2);
// Far above any text the edit holds, so the limit never cuts one.
constexpr WPARAM firstLimit = 0x10000000;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

AnswerGaps::AnswerGaps(HWND window, HWND edit)
    : window_(window), edit_(edit), sent_([this] { sampleSent(); }), posted_([this] { samplePosted(); }) {}

AnswerGaps::~AnswerGaps() {
    stop();
}

LongestWaits AnswerGaps::stop() {
    stopping_ = true;
    if (sent_.joinable()) sent_.join();
    if (posted_.joinable()) posted_.join();
    return longest_;
}

void AnswerGaps::sampleSent() {
    while (!stopping_) {
        const auto started = Clock::now();
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, answerTimeoutMs, &result)) return;
        longest_.sentMs = std::max(longest_.sentMs, msSince(started));
        std::this_thread::sleep_for(betweenSamples);
    }
}

void AnswerGaps::samplePosted() {
    for (WPARAM limit = firstLimit; !stopping_; ++limit) {
        const auto started = Clock::now();
        if (!PostMessageW(edit_, EM_SETLIMITTEXT, limit, 0)) return;
        // Sent messages are answered first, so the old limit comes back until the posted one was read.
        for (DWORD_PTR now = 0; now != limit;) {
            if (!SendMessageTimeoutW(edit_, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, answerTimeoutMs, &now)) return;
            if (now != limit) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        longest_.postedMs = std::max(longest_.postedMs, msSince(started));
        std::this_thread::sleep_for(betweenSamples);
    }
}
