#pragma once
// The card generator: produces the next problem and puts it on the card.
#include "card_screen.h"
#include "card_test.h"

namespace zorvix {

struct DrillSettings;
class RandomSource;

// A redraw that keeps missing gives up after this many tries and takes the fallback value.
constexpr int kCardMaxRedraws = 1000;

// Draws (or brings back a skipped) problem, places the emphasised number, applies the fix-ups
// of the test type and shows the card with an empty, focused answer box. Reads the counters
// and skippedList of `test`, advances its emphasisCycle.
void nextProblem(CardTest& test, CardScreen& screen, const DrillSettings& settings, RandomSource& random);

// The operation a card asks for, by its sign; a sign the card never carries falls back on the
// test type. Used to check answers.
double expectedCardAnswer(double first, double second, const std::string& sign, int testType);

} // namespace zorvix
