#pragma once
// Where the drills get their randomness: uniform values in [0, 1), reseeded from the clock at
// the points the windows name. Tests replace it with a scripted source.
#include <cstdint>
#include <random>
#include <vector>

namespace zorvix {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0; // 0 <= r < 1
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 m_engine;
    std::uint64_t m_reseeds = 0;
};

// Reproducible: the same seed gives the same values, reseeds included. Each reseed moves to the
// next stream derived from the seed, so sheets drawn one after another still differ.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed);
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 m_engine;
    std::uint64_t m_seed;
    std::uint64_t m_reseeds = 0;
};

// Plays back the given values in order, then starts again from the first; an empty script
// gives 0. Reseeding does not restart the script, so a test scripts the whole run.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values = {});
    void reseed() override { ++m_reseeds; }
    double next() override;
    void setScript(std::vector<double> values);
    std::size_t drawn() const { return m_drawn; }
    int reseeds() const { return m_reseeds; }

private:
    std::vector<double> m_values;
    std::size_t m_position = 0;
    std::size_t m_drawn = 0;
    int m_reseeds = 0;
};

// The draw from a range used by both generators: floor(span x r + low).
double drawFromRange(RandomSource& random, double low, double span);

} // namespace zorvix
