#pragma once
// The program around the four real windows, for tests that drive them hard: the windows are
// created on first use with their layout control, exactly as the program does, but the printed
// sheet prints to a chosen printer (or finds none) and reports through a counter instead of a
// modal box, and ending the program only hides the windows so a test can open them again.
#include "common/random_source.h"
#include "settings/shell.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <random>

class QPrinter;
class QWidget;

namespace zorvix {

class SetupWindow;
class CardWindow;
class SheetWindow;
class PrintedSheetWindow;

// A seeded source, so a failing run replays.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed)
        : m_engine(seed)
    {
    }
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937_64 m_engine;
};

class RobustShell final : public Shell {
public:
    enum class Printer { None, PdfFile };

    RobustShell(std::uint64_t seed, Printer printer);
    ~RobustShell() override;

    DrillState& state() override { return m_state; }
    RandomSource& random() override { return m_random; }
    void showSetup() override;
    void hideSetup() override;
    void showDrill(TestMethod method) override;
    void endProgram() override;

    // Drops every window; the next show creates them afresh (the program started again).
    void restart();

    // The window of a method (or the setup screen for nullopt), created when missing.
    QWidget* window(int which); // 0 page, 1 cards, 2 printed, 3 setup
    QWidget* existing(int which) const;

    SetupWindow* setup() const { return m_setup.get(); }
    CardWindow* card() const { return m_card.get(); }
    SheetWindow* sheet() const { return m_sheet.get(); }
    PrintedSheetWindow* printed() const { return m_printed.get(); }

    bool ended() const { return m_ended; }
    int endRequests() const { return m_endRequests; }
    int messages() const { return m_messages; }
    QString lastMessage() const { return m_lastMessage; }

private:
    void preparePrinted(PrintedSheetWindow& window);

    DrillState m_state;
    SeededRandom m_random;
    Printer m_printer;
    QString m_pdfPath;
    std::unique_ptr<SetupWindow> m_setup;
    std::unique_ptr<CardWindow> m_card;
    std::unique_ptr<SheetWindow> m_sheet;
    std::unique_ptr<PrintedSheetWindow> m_printed;
    bool m_ended = false;
    int m_endRequests = 0;
    int m_messages = 0;
    QString m_lastMessage;
};

} // namespace zorvix
