#pragma once
// What the card window remembers about the test in progress and about the whole run.
#include <array>
#include <cstdint>
#include <string>

namespace zorvix {

// A problem as it stood on the card: operands after the fix-ups, and the sign label's text.
struct CardEntry {
    int16_t first = 0;
    int16_t second = 0;
    std::string sign;
};

// Both lists are fixed at this many entries; further entries are refused.
constexpr int kCardListCapacity = 100;

struct CardTest {
    int16_t numRight = 0;   // this test, re-asked missed problems not counted
    int16_t numTried = 0;   // CHECK presses this test outside retry mode
    int16_t numSkipped = 0; // entries of skippedList used this test
    std::array<CardEntry, kCardListCapacity> skippedList{};
    bool retryMode = false;
    int16_t numMissed = 0; // one queue for the whole run
    std::array<CardEntry, kCardListCapacity> missedList{};
    int16_t iwrongprob = 0;    // entries of missedList already re-asked
    int16_t emphasisCycle = 0; // runs on across tests

    // Entry k (counting from 1) of a list, or null when it was not written in this test / run,
    // so a stale or unset entry is never read.
    const CardEntry* skipped(int k) const { return k >= 1 && k <= numSkipped ? &skippedList[k - 1] : nullptr; }
    const CardEntry* missed(int k) const { return k >= 1 && k <= numMissed ? &missedList[k - 1] : nullptr; }
};

} // namespace zorvix
