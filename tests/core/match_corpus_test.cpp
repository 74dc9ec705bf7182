// The fuzz target's invariants over a fixed, seeded random corpus, so every
// ordinary test run exercises them too.
#include "../fuzz/match_invariants.h"

#include <gtest/gtest.h>

#include <random>

TEST(MatchInvariants, HoldOverASeededRandomCorpus) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> separatorChance(0, 9);
    for (int round = 0; round < 20000; ++round) {
        std::vector<uint8_t> bytes;
        const int size = length(random) + length(random);
        for (int i = 0; i < size; ++i) {
            // Zero bytes separate text, query and extra word now and then.
            bytes.push_back(separatorChance(random) == 0 ? 0 : static_cast<uint8_t>(byte(random)));
        }
        const char* broken = match_invariants::checkBytes(bytes.data(), bytes.size());
        ASSERT_EQ(broken, nullptr) << broken << " (round " << round << ")";
    }
}

TEST(MatchInvariants, HoldOnHandPickedInputs) {
    using match_invariants::firstViolation;
    EXPECT_EQ(firstViolation(L"C:\\Docs\\ReadMe.md", L"readme ^old", L"docs"), nullptr);
    EXPECT_EQ(firstViolation(L"", L"", L""), nullptr);
    EXPECT_EQ(firstViolation(L"ab", L"^abc", L"^"), nullptr);
    EXPECT_EQ(firstViolation(L"a\x3000" L"b", L"A\x3000" L"B", L"\xFF21"), nullptr);
}
