#include "common/file_writer.h"
#include "common/work_queue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>

namespace {

using namespace std::chrono_literals;

// Files that another program may hold or that refuse writes; what each holds once written.
struct FakeFiles {
    std::mutex mutex;
    std::map<std::wstring, std::string> content;
    std::map<std::wstring, WriteResult> refusal; // held or refused, until erased
    std::vector<std::wstring> tries;

    WriteAttempt writing(const std::wstring& path, const std::string& bytes) {
        return [this, path, bytes] {
            std::lock_guard lock(mutex);
            tries.push_back(path);
            const auto refused = refusal.find(path);
            if (refused != refusal.end()) return refused->second;
            content[path] = bytes;
            return WriteResult::written;
        };
    }
};

// Takes the next due write and tries it now.
std::optional<WriteTry> tryNext(PendingWrites& writes, WriteClock::time_point now) {
    std::optional<WriteTry> due = writes.takeDue(now);
    if (due) writes.record(*due, due->attempt(), now);
    return due;
}

const WriteClock::time_point start{};

} // namespace

TEST(PendingWrites, TheNewestStateOfEachFileInTheOrderAskedAndGrowingPausesWhileHeld) {
    FakeFiles files;
    PendingWrites writes;
    files.refusal[L"h"] = WriteResult::held;
    EXPECT_TRUE(writes.add(L"h", files.writing(L"h", "old"), start));
    EXPECT_TRUE(writes.add(L"m", files.writing(L"m", "month"), start));
    EXPECT_FALSE(writes.add(L"h", files.writing(L"h", "new"), start)); // still owed its first try
    EXPECT_TRUE(tryNext(writes, start)->first);
    EXPECT_TRUE(tryNext(writes, start)->first);
    EXPECT_EQ(files.tries, (std::vector<std::wstring>{L"h", L"m"}));
    EXPECT_EQ(writes.waiting.size(), 1u);

    // Held: tried again after 0.1, 0.2, 0.4 ... seconds, never more than five apart.
    auto now = start;
    std::vector<long long> pauses;
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(writes.takeDue(writes.nextDue() - 1ms));
        pauses.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(writes.nextDue() - now).count());
        now = writes.nextDue();
        EXPECT_FALSE(tryNext(writes, now)->first);
    }
    EXPECT_EQ(pauses, (std::vector<long long>{100, 200, 400, 800, 1600, 3200, 5000, 5000}));
    files.refusal.clear();
    tryNext(writes, writes.nextDue());
    EXPECT_TRUE(writes.waiting.empty());
    EXPECT_EQ(files.content[L"h"], "new");

    // A newer state that comes while the older is written is written after it.
    writes.add(L"h", files.writing(L"h", "first"), now);
    const std::optional<WriteTry> older = writes.takeDue(now);
    EXPECT_TRUE(writes.add(L"h", files.writing(L"h", "second"), now));
    EXPECT_FALSE(writes.takeDue(now)); // one try of a file at a time
    writes.record(*older, older->attempt(), now);
    EXPECT_TRUE(tryNext(writes, now)->first);
    EXPECT_EQ(files.content[L"h"], "second");
    EXPECT_TRUE(writes.waiting.empty());
}

TEST(PendingWrites, ARefusedFileWaitsForTheNextChanceWithoutAnyLoop) {
    FakeFiles files;
    PendingWrites writes;
    files.refusal[L"ro"] = WriteResult::refused;
    writes.add(L"ro", files.writing(L"ro", "a"), start);
    EXPECT_TRUE(tryNext(writes, start)->first);
    EXPECT_EQ(writes.nextDue(), WriteClock::time_point::max());
    EXPECT_FALSE(writes.takeDue(start + 24h));

    // Another file's save is its next chance: tried again, not answered again.
    writes.add(L"m", files.writing(L"m", "month"), start + 1s);
    EXPECT_FALSE(tryNext(writes, start + 1s)->first);
    EXPECT_EQ(files.tries, (std::vector<std::wstring>{L"ro", L"ro"}));
    tryNext(writes, start + 1s);

    // The exit is the last chance; then the refused file is given up, and
    // only a held one is named as unwritten.
    files.refusal[L"h"] = WriteResult::held;
    writes.add(L"h", files.writing(L"h", "b"), start + 2s);
    tryNext(writes, start + 2s);
    writes.allDueNow(start + 3s);
    tryNext(writes, start + 3s);
    tryNext(writes, start + 3s);
    EXPECT_EQ(files.tries.size(), 6u);
    EXPECT_EQ(writes.giveUpAfter(start + 3s), (std::vector<std::wstring>{L"h"}));
    EXPECT_TRUE(writes.waiting.empty());
}

TEST(FileWriter, WritesOnItsThreadAnswersEachStateOnceAndDrainsWithinItsBound) {
    FakeFiles files;
    std::vector<std::pair<std::wstring, WriteResult>> answers; // only the writer's thread adds
    FileWriter writer;
    writer.answerWith([&](const std::wstring& path, WriteResult result) { answers.emplace_back(path, result); });
    files.refusal[L"ro"] = WriteResult::refused;
    files.refusal[L"h"] = WriteResult::held;
    writer.write(L"ro", files.writing(L"ro", "x"));
    writer.write(L"h", files.writing(L"h", "y"));
    writer.write(L"c", files.writing(L"c", "z"));
    // The file held for good is paused, not given up at once, and named at the bound.
    EXPECT_EQ(writer.drain(300ms, 10s), (std::vector<std::wstring>{L"h"}));
    EXPECT_EQ(workOnItsWay(), 0);
    std::lock_guard lock(files.mutex);
    EXPECT_EQ(files.content, (std::map<std::wstring, std::string>{{L"c", "z"}}));
    EXPECT_GE(std::count(files.tries.begin(), files.tries.end(), L"h"), 2);
    EXPECT_EQ(answers, (std::vector<std::pair<std::wstring, WriteResult>>{
                           {L"ro", WriteResult::refused}, {L"h", WriteResult::held}, {L"c", WriteResult::written}}));
}
