#pragma once
// Stands in for the program: records what the setup screen asks of it.
#include "common/random_source.h"
#include "settings/shell.h"

#include <vector>

namespace zorvix::test {

class FakeShell final : public Shell {
public:
    DrillState& state() override { return m_state; }
    RandomSource& random() override { return m_random; }
    void showSetup() override { ++setupShown; }
    void hideSetup() override { ++setupHidden; }
    void showDrill(TestMethod method) override { drillsShown.push_back(method); }
    void endProgram() override { ++ended; }

    std::vector<TestMethod> drillsShown;
    int setupShown = 0;
    int setupHidden = 0;
    int ended = 0;

private:
    DrillState m_state;
    ScriptedRandom m_random;
};

} // namespace zorvix::test
