#include "common/work_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

using namespace std::chrono_literals;

TEST(WorkQueue, RunsInOrderPastAThrowingJobAndDrainsWithinItsBound) {
    std::vector<int> ran;
    std::atomic<bool> release{false};
    int starts = 0;
    {
        WorkQueue queue([&] { ++starts; }, nullptr);
        queue.post([&] {
            while (!release) std::this_thread::yield();
            ran.push_back(1);
        });
        queue.post([] { throw std::runtime_error("lost alone"); });
        queue.post([&] { ran.push_back(3); });
        // Held by the first job: the bound ends the wait, not the work.
        EXPECT_FALSE(queue.drain(20ms));
        EXPECT_EQ(queue.unfinished(), 3u);
        release = true;
        EXPECT_TRUE(queue.drain(10s));
        queue.post([&] { ran.push_back(4); });
    } // the destructor runs what is still queued
    EXPECT_EQ(ran, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(starts, 1);
}

TEST(RequestNumbers, OnlyTheNewestOpenRequestIsTakenAndOnlyOnce) {
    RequestNumbers numbers;
    const uint32_t first = numbers.next();
    const uint32_t second = numbers.next();
    EXPECT_FALSE(numbers.take(first));
    EXPECT_TRUE(numbers.take(second));
    EXPECT_FALSE(numbers.take(second));
    const uint32_t third = numbers.next();
    numbers.forget(); // Esc, or the window hid
    EXPECT_FALSE(numbers.waiting());
    EXPECT_FALSE(numbers.take(third));
}
