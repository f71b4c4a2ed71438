// The drill program as it starts, up to the setup screen shown; then it reports and leaves.
// Run by startup_bench, which times it and reads its peak memory.
#include "common/qt/twips.h"
#include "program.h"
#include "setup/setup_window.h"

#include "startup_report.h"

#include <QApplication>

int main(int argc, char** argv)
{
    zorvix::startReadingFonts(); // as main() does
    QApplication app(argc, argv);
    zorvix::Program& program = zorvix::startProgram();
    return startup::reportWhenShown(program.setupWindow());
}
