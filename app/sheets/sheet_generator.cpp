#include "sheet_generator.h"

#include "common/number.h"
#include "common/random_source.h"

#include <algorithm>
#include <cmath>

namespace zorvix {

namespace {

// r in single precision, kept below 1: a double just under 1 would otherwise round up to 1.0f
// and carry a full draw past the top of its range.
float unitFloat(RandomSource& random)
{
    const double r = random.next();
    if (!(r > 0.0))
        return 0.0f;
    const float f = static_cast<float>(r);
    constexpr float kBelowOne = 0x1.fffffep-1f;
    return f < 1.0f ? f : kBelowOne;
}

double singleDraw(RandomSource& random, int low, int span)
{
    const float r = unitFloat(random);
    double value = std::floor(static_cast<float>(span) * r + static_cast<float>(low));
    // Single-precision rounding of span x r + low can land on low + span itself.
    if (span > 0 && value > low + span - 1)
        value = low + span - 1;
    return value;
}

class SheetFiller {
public:
    SheetFiller(SheetVariant variant, DrillState& state, RandomSource& random, SheetTrace* trace)
        : m_variant(variant)
        , m_state(state)
        , m_settings(state.settings)
        , m_random(random)
        , m_trace(trace)
    {
    }

    std::vector<SheetSlot> fill()
    {
        m_random.reseed();
        int count = 0;
        if (printed()) {
            m_state.settings.problemCount = kPrintedSlots;
            count = kPrintedSlots;
        } else {
            count = std::clamp<int>(m_settings.problemCount, 0, kOnScreenSlots);
        }
        m_slots.assign(static_cast<std::size_t>(count), SheetSlot{});
        // The number as its text denotes it, as the operand will show it.
        if (m_settings.hasEmphasis())
            m_emphasis = readNumber(m_settings.emphasisText());
        m_history.clear();
        m_history.reserve(static_cast<std::size_t>(capacity()));
        if (m_trace) {
            m_trace->history.clear();
            m_trace->repeats.assign(m_slots.size(), 0);
        }
        for (std::size_t k = 0; k < m_slots.size(); ++k)
            fillSlot(k);
        if (m_trace)
            m_trace->history = m_history;
        return std::move(m_slots);
    }

private:
    bool printed() const { return m_variant == SheetVariant::Printed; }
    int capacity() const { return printed() ? kPrintedHistory : kOnScreenHistory; }

    double full() { return sheetFullDraw(m_random, m_settings.minOperand, m_settings.maxOperand); }
    double narrow() { return sheetNarrowDraw(m_random, m_settings.minOperand, m_settings.maxOperand); }

    static double value(const std::string& text) { return readNumber(text); }
    static void put(std::string& text, double v) { text = writeNumber(v); }

    void fillSlot(std::size_t k)
    {
        SheetSlot& slot = m_slots[k];
        slot.signShown = true;
        // Candidates stay numbers until one is taken: whole draws and the emphasised number
        // read back from their text unchanged, and a slot may see 101 candidates.
        double first = 0.0;
        double second = 0.0;
        int repeats = 0;
        for (;;) {
            first = full();
            second = printed() ? narrow() : full();
            applyEmphasis(first, second);
            if (repeats >= kMaxRepeats || !isRepeat(first, second))
                break;
            ++repeats;
        }
        put(slot.first, first);
        put(slot.second, second);
        if (m_trace)
            m_trace->repeats[k] = repeats;
        // Each slot adds at most one pair, so the capacity only guards against misuse.
        if (static_cast<int>(m_history.size()) < capacity())
            m_history.emplace_back(toInt16Clamped(first), toInt16Clamped(second));
        complete(k);
    }

    void applyEmphasis(double& first, double& second)
    {
        if (!m_emphasis)
            return;
        int16_t& cycle = m_state.sheetEmphasisCycle;
        // Wraps from 4; anything outside 0..3 starts the cycle again rather than run off.
        if (cycle < 0 || cycle >= 4)
            cycle = 0;
        ++cycle;
        if (m_settings.emphasisEveryProblem) {
            if (cycle == 2 || cycle == 4)
                first = *m_emphasis;
            else
                second = *m_emphasis;
        } else if (cycle == 4) {
            second = *m_emphasis;
        }
    }

    bool isRepeat(double first, double second) const
    {
        if (printed()) {
            // The printed page lets a pair holding the emphasised number repeat; without one,
            // 0 plays its part.
            const double emphasis = m_emphasis.value_or(0.0);
            if (first == emphasis || second == emphasis)
                return false;
        }
        return std::any_of(m_history.begin(), m_history.end(),
                           [&](const auto& pair) { return pair.first == first && pair.second == second; });
    }

    void complete(std::size_t k)
    {
        SheetSlot& slot = m_slots[k];
        const std::string previous = k > 0 ? m_slots[k - 1].sign : std::string();
        switch (m_settings.testType) {
        case 1:
            slot.sign = "-";
            OrderForSubtraction(slot);
            break;
        case 2:
            if (previous == "+") {
                slot.sign = "-";
                OrderForSubtraction(slot);
                RedrawZeroPair(slot);
                // A negative redraw of 0 - 0 would give a negative difference.
                OrderForSubtraction(slot);
            } else {
                slot.sign = "+";
                RedrawZeroPair(slot);
            }
            break;
        case 3:
            slot.sign = "x";
            RedrawOneTimesOne(slot);
            RedrawZeroPair(slot);
            break;
        case 4: makeDivision(slot); break;
        case 5:
            if (previous == "x") {
                RedrawOneTimesOne(slot);
                makeDivision(slot);
            } else {
                slot.sign = "x";
                RedrawOneTimesOne(slot);
                RedrawZeroPair(slot);
            }
            break;
        default: // 0, and any code the setup screen cannot give: a page of sums
            slot.sign = "+";
            RedrawZeroPair(slot);
            break;
        }
    }

    void makeDivision(SheetSlot& slot)
    {
        slot.sign = "/";
        slot.signShown = false;
        slot.divisionSymbol = true;
        MakeDivisionWhole(slot);
    }

    // Gives up after kMaxRedraws draws and leaves 0 + 0 (a fair problem) when the narrow draw
    // can only give 0.
    void RedrawZeroPair(SheetSlot& slot)
    {
        if (value(slot.first) != 0.0 || value(slot.second) != 0.0)
            return;
        for (int i = 0; i < kMaxRedraws && value(slot.first) == 0.0; ++i)
            put(slot.first, narrow());
    }

    // When the range holds only 1 the slot stays 1 x 1.
    void RedrawOneTimesOne(SheetSlot& slot)
    {
        if (value(slot.second) != 1.0 || value(slot.first) == 0.0)
            return;
        for (int i = 0; i < kMaxRedraws && value(slot.first) == 1.0; ++i)
            put(slot.first, full());
    }

    static void OrderForSubtraction(SheetSlot& slot)
    {
        if (value(slot.second) > value(slot.first))
            std::swap(slot.first, slot.second);
    }

    // A divisor the narrow draw cannot make non-zero becomes 1, so no division by zero ever
    // reaches a page. The dividend is the exact product on both pages: operands typed beyond the
    // setup lists can give products past 16 bits, which are kept whole rather than wrapped or
    // clamped into a wrong problem.
    void MakeDivisionWhole(SheetSlot& slot)
    {
        for (int i = 0; i < kMaxRedraws && value(slot.second) == 0.0; ++i)
            put(slot.second, narrow());
        if (value(slot.second) == 0.0)
            put(slot.second, 1.0);
        put(slot.first, value(slot.first) * value(slot.second));
    }

    SheetVariant m_variant;
    DrillState& m_state;
    const DrillSettings& m_settings;
    RandomSource& m_random;
    SheetTrace* m_trace;
    std::vector<SheetSlot> m_slots;
    std::vector<std::pair<int16_t, int16_t>> m_history;
    std::optional<double> m_emphasis;
};

} // namespace

double sheetFullDraw(RandomSource& random, int16_t minOperand, int16_t maxOperand)
{
    return singleDraw(random, minOperand, int{maxOperand} - int{minOperand} + 1);
}

double sheetNarrowDraw(RandomSource& random, int16_t minOperand, int16_t maxOperand)
{
    return singleDraw(random, minOperand, int{maxOperand} - int{minOperand} - 1);
}

std::vector<SheetSlot> generateSheet(SheetVariant variant, DrillState& state, RandomSource& random)
{
    return generateSheet(variant, state, random, nullptr);
}

std::vector<SheetSlot> generateSheet(SheetVariant variant, DrillState& state, RandomSource& random, SheetTrace* trace)
{
    return SheetFiller(variant, state, random, trace).fill();
}

std::optional<double> slotResult(const SheetSlot& slot)
{
    const double a = readNumber(slot.first);
    const double b = readNumber(slot.second);
    double result = 0.0;
    if (slot.sign == "+")
        result = a + b;
    else if (slot.sign == "-")
        result = a - b;
    else if (slot.sign == "x")
        result = a * b;
    else if (slot.sign == "/" && b != 0.0)
        result = a / b;
    else
        return std::nullopt;
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

} // namespace zorvix
