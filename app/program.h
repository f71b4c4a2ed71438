#pragma once
// The program around the windows: owns the shared drill state and the four main windows,
// creates the drill windows on first use and ends the program.
#include "settings/shell.h"

#include <QString>
#include <memory>

class QWidget;

namespace zorvix {

class SetupWindow;
class CardWindow;
class SheetWindow;
class PrintedSheetWindow;

class Program final : public Shell {
public:
    Program();
    ~Program() override;

    DrillState& state() override { return m_state; }
    RandomSource& random() override { return *m_random; }
    void showSetup() override;
    void hideSetup() override;
    void showDrill(TestMethod method) override;
    void endProgram() override;
    void record(const progress::TestRecord& record) override;
    std::int64_t wallClockMs() override;
    progress::ProgressService* progress() override;
    void practise(const std::vector<progress::Fact>& facts) override;
    void languageChanged() override;

    // Tests script the randomness of every window.
    void setRandomSource(std::unique_ptr<RandomSource> random);
    // Tests keep progress in a file of their own; only before the first use of progress.
    void setProgressLocation(const QString& location);
    bool progressStarted() const { return m_progress != nullptr; }

    SetupWindow* setupWindow() const { return m_setup.get(); }
    CardWindow* cardWindow() const { return m_card.get(); }
    SheetWindow* sheetWindow() const { return m_sheet.get(); }
    PrintedSheetWindow* printedWindow() const { return m_printed.get(); }
    bool ended() const { return m_ended; }

private:
    DrillState m_state;
    std::unique_ptr<RandomSource> m_random;
    std::unique_ptr<SetupWindow> m_setup;
    std::unique_ptr<CardWindow> m_card;
    std::unique_ptr<SheetWindow> m_sheet;
    std::unique_ptr<PrintedSheetWindow> m_printed;
    // Made on first use, never at start-up.
    std::unique_ptr<progress::ProgressService> m_progress;
    QString m_progressLocation;
    bool m_ended = false;
};

// Everything the program does at start-up short of running the event loop: creates the
// program (once) and shows the setup screen. The QApplication must exist.
Program& startProgram();

// The running program, or null before startProgram.
Program* currentProgram();

// Drops the running program (tests start afresh with the next startProgram).
void discardProgram();

} // namespace zorvix
