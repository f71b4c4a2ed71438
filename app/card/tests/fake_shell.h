#pragma once
// A stand-in for the program around the card window: counts what the window asks of it.
#include "common/random_source.h"
#include "progress/progress_record.h"
#include "settings/shell.h"

#include <vector>

namespace zorvix::testing {

class FakeShell final : public Shell {
public:
    explicit FakeShell(std::vector<double> script = {})
        : m_scripted(std::move(script))
    {
    }

    DrillState& state() override { return m_state; }
    const DrillState& state() const { return m_state; }
    RandomSource& random() override { return m_other ? *m_other : m_scripted; }
    void showSetup() override { ++setupShown; }
    void hideSetup() override { ++setupHidden; }
    void showDrill(TestMethod) override {}
    void endProgram() override { ++ended; }
    void record(const progress::TestRecord& record) override { records.push_back(record); }
    std::int64_t wallClockMs() override { return clockMs; }

    DrillSettings& settings() { return m_state.settings; }
    ScriptedRandom& scripted() { return m_scripted; }
    void useRandom(RandomSource* other) { m_other = other; }

    int setupShown = 0;
    int setupHidden = 0;
    int ended = 0;
    std::vector<progress::TestRecord> records;
    std::int64_t clockMs = 1'000'000;

private:
    DrillState m_state;
    ScriptedRandom m_scripted;
    RandomSource* m_other = nullptr;
};

} // namespace zorvix::testing
