#include "school_command.h"

#include "i18n/translation.h"
#include "progress/school_admin.h"
#include "setup/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace zorvix {

namespace {

// The texts of the command lines share one context.
constexpr const char* kContext = "WorksheetCommand";

QString trCommand(const char* english) { return i18n::text(kContext, QString::fromUtf8(english)); }

QString programName() { return QCoreApplication::applicationName().toLower(); }

int failed(QString* err, const QString& message)
{
    *err = QStringLiteral("%1: %2\n").arg(programName(), message);
    return kSchoolFailed;
}

void writeTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

bool schoolCommandRequested(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        for (const char* name : {"--school-setup", "--import-pupils"})
            if (argument == QLatin1String(name) || argument.startsWith(QLatin1String(name) + QLatin1Char('=')))
                return true;
    }
    return false;
}

int runSchoolCommand(const QStringList& arguments, QString* out, QString* err)
{
    QCommandLineParser parser;
    const QCommandLineOption setup(QStringLiteral("school-setup"));
    const QCommandLineOption import(QStringLiteral("import-pupils"), QString(), QStringLiteral("FILE.csv"));
    const QCommandLineOption service(QStringLiteral("service"), QString(), QStringLiteral("NAME"));
    for (const QCommandLineOption& option : {setup, import, service})
        parser.addOption(option);
    i18n::addLanguageOption(parser);
    if (!parser.parse(arguments))
        return failed(err, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failed(err,
                      trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "unexpected argument: %1"))
                          .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(setup) == parser.isSet(import))
        return failed(err,
                      trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "give either --school-setup or --import-pupils FILE.csv")));
    const QString name = parser.value(service);
    if (name.isEmpty())
        return failed(
            err,
            trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--service NAME is needed: the PostgreSQL service to connect with")));
    QString why;
    if (parser.isSet(setup)) {
        progress::SetupResult result;
        if (!progress::setupSchool(name, &result, &why))
            return failed(err, why);
        if (!result.changed())
            *out = trCommand(QT_TRANSLATE_NOOP("WorksheetCommand",
                                               "%1: the school database (service %2) is at version %3 "
                                               "already; nothing changed\n"))
                       .arg(programName(), name)
                       .arg(result.toVersion);
        else if (result.fromVersion == 0)
            *out =
                trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "%1: the school database (service %2) is set up at version %3\n"))
                    .arg(programName(), name)
                    .arg(result.toVersion);
        else
            *out = trCommand(QT_TRANSLATE_NOOP("WorksheetCommand",
                                               "%1: the school database (service %2) is migrated "
                                               "from version %3 to %4, its records kept\n"))
                       .arg(programName(), name)
                       .arg(result.fromVersion)
                       .arg(result.toVersion);
        return kSchoolDone;
    }
    const QString path = parser.value(import);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(err, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    std::vector<progress::PupilRow> rows;
    if (!progress::parsePupilList(file.readAll(), &rows, &why))
        return failed(err, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why));
    int added = 0;
    if (!progress::importPupils(name, rows, &added, &why))
        return failed(err, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why));
    *out = trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "%1: %2 new pupils added from %3 (%4 listed)\n"))
               .arg(programName())
               .arg(added)
               .arg(QDir::toNativeSeparators(path))
               .arg(rows.size());
    return kSchoolDone;
}

int schoolCommandMain(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromUtf8(programTitle));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(versionString));
    QCommandLineParser language;
    i18n::addLanguageOption(language);
    (void)language.parse(QCoreApplication::arguments());
    i18n::installTranslation(app, i18n::localeFor(i18n::chosenLanguage(language)), i18n::translationDirs());
    QString out;
    QString err;
    const int code = runSchoolCommand(QCoreApplication::arguments(), &out, &err);
    writeTo(stdout, out);
    writeTo(stderr, err);
    return code;
}

} // namespace zorvix
