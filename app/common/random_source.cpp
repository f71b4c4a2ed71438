#include "random_source.h"

#include <chrono>
#include <cmath>

namespace zorvix {

ClockRandom::ClockRandom() { reseed(); }

void ClockRandom::reseed()
{
    // Two reseeds within one clock tick must still give different sequences.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint64_t>(now) ^ (++m_reseeds * 0x9E3779B97F4A7C15ull));
}

double ClockRandom::next()
{
    // 53 random bits give a double strictly below 1.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

ReproducibleRandom::ReproducibleRandom(std::uint64_t seed)
    : m_seed(seed)
{
    m_engine.seed(seed);
}

void ReproducibleRandom::reseed()
{
    // splitmix64 of seed and count: neighbouring seeds and counts give unrelated streams.
    std::uint64_t z = m_seed + (++m_reseeds) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    m_engine.seed(z ^ (z >> 31));
}

double ReproducibleRandom::next() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }

ScriptedRandom::ScriptedRandom(std::vector<double> values)
    : m_values(std::move(values))
{
}

void ScriptedRandom::setScript(std::vector<double> values)
{
    m_values = std::move(values);
    m_position = 0;
}

double ScriptedRandom::next()
{
    ++m_drawn;
    if (m_values.empty())
        return 0.0;
    const double r = m_values[m_position];
    m_position = (m_position + 1) % m_values.size();
    return r;
}

double drawFromRange(RandomSource& random, double low, double span) { return std::floor(span * random.next() + low); }

} // namespace zorvix
