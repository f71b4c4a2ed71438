// Runs the printed worksheet in the real program, on the system's default printer: the setup
// screen's Start with "PRINTED PAGE", then "Answers". Writes what each page must read, one word
// a line, into the folder given, for the print-server test to compare with the paper.
#include "program.h"
#include "sheets/printed/printed_window.h"
#include "setup/setup_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

using namespace zorvix;

constexpr int kWaitMs = 60000;

bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < kWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

bool clickNamed(QWidget* root, const char* name)
{
    auto* button = root ? root->findChild<QAbstractButton*>(QString::fromUtf8(name)) : nullptr;
    if (!button)
        return false;
    button->click();
    return true;
}

bool writeWords(const QString& path, const PrintedPageView& view, bool withAnswers)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    // Row by row, left to right, the way the page reads.
    for (std::size_t row = 0; row < view.problems.size(); row += kPageColumns) {
        for (std::size_t k = row; k < row + kPageColumns; ++k)
            out << QString::fromStdString(view.problems[k].problem.first) << '\n';
        for (std::size_t k = row; k < row + kPageColumns; ++k) {
            if (view.problems[k].problem.signShown)
                out << QString::fromStdString(view.problems[k].problem.sign) << '\n';
            out << QString::fromStdString(view.problems[k].problem.second) << '\n';
        }
        if (withAnswers) {
            for (std::size_t k = row; k < row + kPageColumns; ++k)
                out << QString::fromStdString(view.problems[k].answer) << '\n';
        }
    }
    return true;
}

int fail(const char* what)
{
    std::fprintf(stderr, "printed flow: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2)
        return fail("usage: zorvix_printed_flow OUTPUT_FOLDER");
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists())
        return fail("the output folder does not exist");

    Program& program = startProgram();
    SetupWindow* setup = program.setupWindow();
    // Multiplication and division alternate, so the page carries both signs and the ÷ picture.
    const bool viaSetup = clickNamed(setup, "TEST_TYPE(5)") && clickNamed(setup, "Printed(2)") && clickNamed(setup, "Start");
    if (!viaSetup) {
        std::fprintf(stderr, "printed flow: setup controls not found, showing the printed sheet directly\n");
        program.state().settings.testType = static_cast<int16_t>(TestType::MultiplyDivide);
        program.state().settings.method = static_cast<int16_t>(TestMethod::Printed);
        program.showDrill(TestMethod::Printed);
    }
    PrintedSheetWindow* window = program.printedWindow();
    if (!window)
        return fail("Start did not open the printed sheet");
    int messages = 0;
    // A modal box would wait for ever offscreen; the message is counted and reported instead.
    window->setMessagePresenter([&](const QString& message) {
        ++messages;
        std::fprintf(stderr, "printed flow: message shown: %s\n", qPrintable(message));
    });

    if (!waitFor([&] { return window->pagesPrinted() >= 1 || messages > 0; }))
        return fail("the worksheet was not printed within 60 s");
    if (messages > 0)
        return fail("the worksheet could not be printed");
    if (program.state().settings.problemCount != 40)
        return fail("problemCount is not 40 after the printed sheet");
    if (!writeWords(out.filePath(QStringLiteral("worksheet.txt")), window->sheet().view(), false))
        return fail("cannot write worksheet.txt");

    if (!clickNamed(window, "answers"))
        return fail("no Answers button");
    if (!waitFor([&] { return window->pagesPrinted() >= 2 || messages > 0; }))
        return fail("the answer key was not printed within 60 s");
    if (messages > 0)
        return fail("the answer key could not be printed");
    if (!writeWords(out.filePath(QStringLiteral("answer-key.txt")), window->sheet().view(), true))
        return fail("cannot write answer-key.txt");
    if (window->isVisible() || !setup || !setup->isVisible())
        return fail("after the answer key the setup screen should be back and the sheet hidden");

    std::printf("printed flow: worksheet and answer key sent to the default printer\n");
    program.endProgram();
    discardProgram();
    return 0;
}
