#include "common/pending_writes.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace std::chrono_literals;

// Files that another program may hold; what each holds once written.
struct FakeFiles {
    std::map<std::wstring, std::string> content;
    std::map<std::wstring, WriteResult> refusal; // held or failed, until erased
    int attempts = 0;

    WriteAttempt writing(const std::wstring& path, const std::string& bytes) {
        return [this, path, bytes] {
            ++attempts;
            const auto refused = refusal.find(path);
            if (refused != refusal.end()) return refused->second;
            content[path] = bytes;
            return WriteResult::written;
        };
    }
};

} // namespace

TEST(PendingWrites, AHeldFileGetsTheNewestStateOnceReleased) {
    FakeFiles files;
    PendingWrites writes;
    files.refusal[L"h"] = WriteResult::held;
    EXPECT_EQ(writes.write(L"h", files.writing(L"h", "old")), WriteResult::held);
    EXPECT_EQ(writes.write(L"h", files.writing(L"h", "new")), WriteResult::held);
    EXPECT_EQ(writes.write(L"m", files.writing(L"m", "month")), WriteResult::written);
    EXPECT_EQ(writes.waiting.size(), 1u);
    EXPECT_TRUE(writes.retry());
    files.refusal.clear();
    EXPECT_FALSE(writes.retry());
    EXPECT_EQ(files.content[L"h"], "new");

    // A write that gets through ends the wait: the older state never follows it.
    files.refusal[L"h"] = WriteResult::held;
    writes.write(L"h", files.writing(L"h", "stale"));
    files.refusal.clear();
    writes.write(L"h", files.writing(L"h", "fresh"));
    EXPECT_TRUE(writes.empty());
    EXPECT_FALSE(writes.retry());
    EXPECT_EQ(files.content[L"h"], "fresh");

    // A folder that refuses the write is not tried again.
    files.refusal[L"c"] = WriteResult::failed;
    EXPECT_EQ(writes.write(L"c", files.writing(L"c", "x")), WriteResult::failed);
    EXPECT_TRUE(writes.empty());
}

TEST(PendingWrites, AtExitTheyAreTriedUntilTheBoundAndThenGivenUp) {
    FakeFiles files;
    PendingWrites writes;
    auto now = std::chrono::steady_clock::time_point{};
    const MonotonicNow clock = [&] { return now; };
    int pauses = 0;
    files.refusal[L"h"] = WriteResult::held;
    writes.write(L"h", files.writing(L"h", "a"));
    EXPECT_FALSE(finishPendingWrites(writes, writeRetryAtExit, clock, [&](std::chrono::milliseconds pause) {
        ++pauses;
        now += pause;
    }));
    EXPECT_EQ(pauses, 20); // about 2 s, a tenth of a second apart
    EXPECT_EQ(files.content.count(L"h"), 0u);

    // Released half-way: written, and no further try.
    pauses = 0;
    files.attempts = 0;
    EXPECT_TRUE(finishPendingWrites(writes, writeRetryAtExit, clock, [&](std::chrono::milliseconds pause) {
        if (++pauses == 3) files.refusal.clear();
        now += pause;
    }));
    EXPECT_EQ(files.content[L"h"], "a");
    EXPECT_EQ(files.attempts, 4);
    EXPECT_TRUE(finishPendingWrites(writes, writeRetryAtExit, clock, [](std::chrono::milliseconds) { FAIL(); }));
}
