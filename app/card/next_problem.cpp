#include "next_problem.h"

#include "common/number.h"
#include "common/random_source.h"
#include "settings/drill_settings.h"

#include <algorithm>

namespace zorvix {

namespace {

struct Pair {
    double first = 0;
    double second = 0;
};

double plainDraw(const DrillSettings& s, RandomSource& random)
{
    return drawFromRange(random, s.minOperand, double(s.maxOperand) - s.minOperand + 1);
}

// The closed range between the two ends (which may be stored the wrong way round).
double rangeLow(const DrillSettings& s) { return std::min<double>(s.minOperand, s.maxOperand); }
double rangeHigh(const DrillSettings& s) { return std::max<double>(s.minOperand, s.maxOperand); }

// A non-zero value for when the redraw cannot find one: the one nearest zero in the range,
// or 1 when the range holds only 0 (a divisor must never be 0).
double nonZeroFallback(const DrillSettings& s)
{
    const double lo = rangeLow(s);
    const double hi = rangeHigh(s);
    if (lo <= 1 && 1 <= hi)
        return 1;
    if (lo <= -1 && -1 <= hi)
        return -1;
    if (lo > 1)
        return lo;
    if (hi < -1)
        return hi;
    return 1;
}

// The shortened redraw: D(min, max - (min + 2) + 1), i.e. min .. max - 2, until not 0.
// With low 0 and a span of 0 or 1 (ranges 0..1 and 0..2) every draw is 0, so go straight
// to the fallback; otherwise the bound only matters for a broken random source.
double redrawNonZero(const DrillSettings& s, RandomSource& random)
{
    const double low = s.minOperand;
    const double span = double(s.maxOperand) - (double(s.minOperand) + 2) + 1;
    if (low == 0 && (span == 0 || span == 1))
        return nonZeroFallback(s);
    for (int i = 0; i < kCardMaxRedraws; ++i) {
        const double v = drawFromRange(random, low, span);
        if (v != 0)
            return v;
    }
    return nonZeroFallback(s);
}

void avoidZeroPair(Pair& p, const DrillSettings& s, RandomSource& random)
{
    if (p.first == 0 && p.second == 0)
        p.second = redrawNonZero(s, random);
}

// With 1..1 (or 1..0, whose draws are all 1) there is nothing else to take: 1 x 1 stays.
void avoidOnePair(Pair& p, const DrillSettings& s, RandomSource& random)
{
    if (p.first != 1 || p.second != 1)
        return;
    const double span = double(s.maxOperand) - s.minOperand + 1;
    if (s.minOperand == 1 && (span == 1 || span == 0))
        return;
    for (int i = 0; i < kCardMaxRedraws; ++i) {
        const double v = plainDraw(s, random);
        if (v != 1) {
            p.first = v;
            return;
        }
    }
}

// Built backwards so the answer is the drawn first operand.
void makeSubtraction(Pair& p) { p.first = p.first + p.second; }

void makeDivision(Pair& p, const DrillSettings& s, RandomSource& random)
{
    if (p.second == 0)
        p.second = redrawNonZero(s, random);
    p.first = p.first * p.second;
}

void showSignLabel(CardScreen& screen, const char* sign)
{
    screen.sign = sign;
    screen.signVisible = true;
    screen.divideSignVisible = false;
}

void showDividePicture(CardScreen& screen)
{
    screen.sign = "/";
    screen.signVisible = false;
    screen.divideSignVisible = true;
}

// A skipped problem is stored as shown; take back the steps the fix-ups will apply again.
Pair undoFixUps(const CardEntry& entry, CardScreen& screen, int testType)
{
    Pair p{double(entry.first), double(entry.second)};
    screen.sign = entry.sign;
    if ((testType == 1 || testType == 2) && screen.sign == "-")
        p.first = p.first - p.second;
    if (testType == 2)
        screen.sign = screen.sign == "-" ? "+" : "-";
    if (screen.sign == "/" && (testType == 4 || testType == 5) && p.second != 0)
        p.first = p.first / p.second;
    if (testType == 5)
        screen.sign = screen.sign == "/" ? "x" : "/";
    return p;
}

void placeEmphasis(Pair& p, CardTest& test, const DrillSettings& s)
{
    if (!s.hasEmphasis())
        return;
    if (test.emphasisCycle >= 4 || test.emphasisCycle < 0)
        test.emphasisCycle = 0;
    ++test.emphasisCycle;
    // The number goes in as label text and is read back as such.
    const double e = readNumber(s.emphasisText());
    const int cycle = test.emphasisCycle;
    if (s.emphasisEveryProblem) {
        if (cycle == 1 || cycle == 3 || s.testType == 1)
            p.second = e;
        else
            p.first = e;
    } else if (cycle == 4) {
        p.second = e;
    }
}

// Types with one operation set their sign outright, so a card left over from another test
// type (a re-asked missed problem) never lends its sign to a new problem.
void applyTypeSteps(Pair& p, CardScreen& screen, const DrillSettings& s, RandomSource& random)
{
    switch (s.testType) {
    case 1:
        showSignLabel(screen, "-");
        makeSubtraction(p);
        break;
    case 2:
        if (screen.sign == "+") {
            showSignLabel(screen, "-");
            avoidZeroPair(p, s, random);
            makeSubtraction(p);
        } else {
            showSignLabel(screen, "+");
            avoidZeroPair(p, s, random);
        }
        break;
    case 3:
        showSignLabel(screen, "x");
        avoidOnePair(p, s, random);
        avoidZeroPair(p, s, random);
        break;
    case 4:
        showDividePicture(screen);
        makeDivision(p, s, random);
        break;
    case 5:
        if (screen.sign == "x") {
            showDividePicture(screen);
            avoidOnePair(p, s, random);
            makeDivision(p, s, random);
        } else {
            showSignLabel(screen, "x");
            avoidOnePair(p, s, random);
            avoidZeroPair(p, s, random);
        }
        break;
    default: // 0, and any code the setup screen never writes, adds
        showSignLabel(screen, "+");
        avoidZeroPair(p, s, random);
        break;
    }
}

} // namespace

void nextProblem(CardTest& test, CardScreen& screen, const DrillSettings& settings, RandomSource& random)
{
    random.reseed();
    const int asked = int(test.numSkipped) + int(test.numTried);
    Pair p;
    const CardEntry* again = asked < settings.problemCount ? nullptr : test.skipped(asked - settings.problemCount + 1);
    if (again) {
        p = undoFixUps(*again, screen, settings.testType);
    } else {
        // Also the way out when no stored entry answers to the count (never in a running test).
        p.first = plainDraw(settings, random);
        p.second = plainDraw(settings, random);
    }
    placeEmphasis(p, test, settings);
    applyTypeSteps(p, screen, settings, random);

    screen.digit0 = writeNumber(p.first);
    screen.digit1 = writeNumber(p.second);
    screen.digitsVisible = true;
    screen.answer.clear();
    ++screen.answerFocusRequests;
}

double expectedCardAnswer(double first, double second, const std::string& sign, int testType)
{
    if (sign == "+")
        return first + second;
    if (sign == "-")
        return first - second;
    if (sign == "x")
        return first * second;
    if (sign == "/")
        return first / second;
    switch (testType) {
    case 1: return first - second;
    case 3: return first * second;
    case 4: return first / second;
    default: return first + second;
    }
}

} // namespace zorvix
