#include "common/qt/twips.h"
#include "i18n/accessible_roles.h"
#include "i18n/translation.h"
#include "program.h"
#include "school_command.h"
#include "worksheet_command.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The school's commands and worksheets from the command line run without a window; anything
    // else starts the windows.
    if (zorvix::schoolCommandRequested(arguments))
        return zorvix::schoolCommandMain(argc, argv);
    if (zorvix::worksheetCommandRequested(arguments))
        return zorvix::worksheetCommandMain(argc, argv);
    zorvix::startReadingFonts();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    zorvix::i18n::addLanguageOption(parser);
    // Anything else on the command line is passed over, as it always was.
    (void)parser.parse(QCoreApplication::arguments());
    zorvix::i18n::installTranslation(app, zorvix::i18n::localeFor(zorvix::i18n::chosenLanguage(parser)),
                                     zorvix::i18n::translationDirs());
    zorvix::i18n::installAccessibleRoles();
    zorvix::startProgram();
    return app.exec();
}
