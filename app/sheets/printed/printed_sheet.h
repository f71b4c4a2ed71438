#pragma once
// The printed worksheet: a letter page of 40 problems sent to the printer as soon as the
// window comes up, and the same page with every answer on request. Plain C++; the window
// renders the mirrored page and does the printing through PrintedSheetHost.
#include "sheets/sheet_generator.h"

#include <string>
#include <vector>

namespace zorvix {

class Shell;

// Letter paper at 1440 twips to the inch.
constexpr double kPageWidthTwips = 12240;
constexpr double kPageHeightTwips = 15840;
// The window's client area as stored, before the first activation stretches it to the page.
constexpr double kDesignWidthTwips = 11880;
constexpr double kDesignHeightTwips = 8490;

constexpr int kPageColumns = 5;
constexpr double kFirstRowTop = 1000;
constexpr double kRowPitch = 1800;

// Control sizes of one problem, in twips.
constexpr double kOperandWidth = 615;
constexpr double kOperandHeight = 375;
constexpr double kDivideWidth = 360;
constexpr double kDivideHeight = 345;
constexpr double kAnswerWidth = 1215;
constexpr double kAnswerHeight = 495;

// Where the controls of one problem sit on the page panel, in twips.
struct SlotPlacement {
    double num1Left = 0, num1Top = 0;
    double num2Left = 0, num2Top = 0;
    double signLeft = 0, signTop = 0;
    double imageLeft = 0, imageTop = 0;
    double lineX1 = 0, lineY1 = 0, lineX2 = 0, lineY2 = 0;
    double answerLeft = 0, answerTop = 0;
};

// Eight rows of five problems; columns at the odd elevenths of the window width.
std::vector<SlotPlacement> layOutPage(double windowWidth);

// The answer as the answer key writes it: shortest decimal form of the exact result, or an
// empty box when the problem has no finite result (unknown sign, a zero divisor).
std::string answerText(const SheetSlot& problem);

struct PrintedSlotView {
    SheetSlot problem; // operand and sign texts; sign and ÷ visibility
    SlotPlacement place;
    bool operandsShown = false;
    bool lineShown = false;
    std::string answer;
    bool answerShown = false;
};

struct PrintedPageView {
    double windowWidth = kDesignWidthTwips;
    double windowHeight = kDesignHeightTwips;
    bool windowVisible = false;
    std::vector<PrintedSlotView> problems = std::vector<PrintedSlotView>(kPrintedSlots);
};

// A page as it goes to paper: the problems laid out on the letter page, every answer filled in
// and shown on an answer key. Problems beyond the list leave their slots blank. The window and
// the saved worksheets both build their pages here.
PrintedPageView printedPage(const std::vector<SheetSlot>& problems, bool answerKey);

// What the logic needs from the window around it.
class PrintedSheetHost {
public:
    enum class PrintJob { Worksheet, AnswerKey };

    virtual ~PrintedSheetHost() = default;
    virtual void render(const PrintedPageView& view) = 0;
    virtual void letEventsRun() = 0;
    // Captures the page panel as it is shown and prints it as one page; false on any failure.
    virtual bool printPage(PrintJob job) = 0;
    virtual void reportPrinterUnavailable() = 0;
};

class PrintedSheet final {
public:
    PrintedSheet(Shell& shell, PrintedSheetHost& host);

    // The window became active: generate, lay out, show, print.
    void activate();
    // Print the answer key of the page on show, then back to setup.
    void printAnswers();
    // Back to setup without printing.
    void returnToSetup();
    // The window was closed: the whole program ends.
    void close();

    const PrintedPageView& view() const { return m_view; }
    bool busy() const { return m_busy; }

private:
    bool printCapturedPage(PrintedSheetHost::PrintJob job);
    void hideWindowShowSetup();
    void record(PrintedSheetHost::PrintJob job);

    Shell& m_shell;
    PrintedSheetHost& m_host;
    PrintedPageView m_view;
    // Printing lets window events run; a click or activation arriving then must wait.
    bool m_busy = false;
};

} // namespace zorvix
