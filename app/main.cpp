#include "i18n/accessible_roles.h"
#include "i18n/translation.h"
#include "program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zorvix::i18n::installTranslation(app, QLocale::system(), zorvix::i18n::translationDirs());
    zorvix::i18n::installAccessibleRoles();
    zorvix::startProgram();
    return app.exec();
}
