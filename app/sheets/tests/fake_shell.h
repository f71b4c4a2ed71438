#pragma once
// Stands in for the program around a window: counts what the window asks of it.
#include "common/random_source.h"
#include "progress/progress_record.h"
#include "settings/shell.h"

#include <vector>

namespace zorvix {

class FakeShell final : public Shell {
public:
    DrillState& state() override { return m_state; }
    RandomSource& random() override { return m_random; }
    void showSetup() override { ++setupShown; }
    void hideSetup() override { ++setupHidden; }
    void showDrill(TestMethod) override {}
    void endProgram() override { ++ended; }
    void record(const progress::TestRecord& record) override { records.push_back(record); }
    std::int64_t wallClockMs() override { return clockMs; }

    DrillState m_state;
    ScriptedRandom m_random;
    int setupShown = 0;
    int setupHidden = 0;
    int ended = 0;
    std::vector<progress::TestRecord> records;
    std::int64_t clockMs = 5'000;
};

} // namespace zorvix
