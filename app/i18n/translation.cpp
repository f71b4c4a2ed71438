#include "translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace zorvix::i18n {

namespace {

const QString kFilePrefix = QStringLiteral("zorvix_");
const QString kLanguageOption = QStringLiteral("lang");

// The translators this module installed, so a new choice replaces rather than stacks on them.
QPointer<QTranslator>& ownTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

QPointer<QTranslator>& qtTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

QString& installedCode()
{
    static QString code;
    return code;
}

void uninstall(QPointer<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Preferences live under a fixed name, so they are found before the application names itself.
QSettings preferences() { return QSettings(QStringLiteral("Zorvix"), QStringLiteral("zorvix")); }

} // namespace

QString text(const char* context, const QString& english)
{
    if (english.isEmpty())
        return english;
    const QByteArray source = english.toUtf8();
    return QCoreApplication::translate(context, source.constData());
}

QString composed(const char* context, const char* sourceTemplate, const QStringList& args, const QString& english)
{
    QString filled = QString::fromUtf8(sourceTemplate);
    QString translated = QCoreApplication::translate(context, sourceTemplate);
    for (const QString& arg : args) {
        filled = filled.arg(arg);
        translated = translated.arg(arg);
    }
    return filled == english ? translated : text(context, english);
}

QString signName(const QString& sign)
{
    const QString s = sign.trimmed();
    if (s == QLatin1String("+"))
        return QCoreApplication::translate("Sign", "plus");
    if (s == QLatin1String("-"))
        return QCoreApplication::translate("Sign", "minus");
    if (s == QLatin1String("x"))
        return QCoreApplication::translate("Sign", "times");
    if (s == QLatin1String("/"))
        return QCoreApplication::translate("Sign", "divided by");
    return sign;
}

QStringList translationDirs()
{
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin + QStringLiteral("/translations"), bin + QStringLiteral("/../share/zorvix/translations"),
            QStringLiteral(":/i18n")};
}

bool installTranslation(QCoreApplication& app, const QLocale& locale, const QStringList& dirs)
{
    uninstall(ownTranslator());
    uninstall(qtTranslator());
    installedCode().clear();
    // English is the source language: nothing to load, and a stray English file must not
    // change the system's own texts.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return false;
    for (const QString& dir : dirs) {
        if (!QDir(dir).exists())
            continue;
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, QStringLiteral("zorvix"), QStringLiteral("_"), dir, QStringLiteral(".qm")) &&
            QCoreApplication::installTranslator(translator)) {
            ownTranslator() = translator;
            installedCode() = QFileInfo(translator->filePath()).completeBaseName().mid(kFilePrefix.size());
            // Qt's own buttons and dialogs in the same language; where Qt has none they stay English.
            auto* qt = new QTranslator(&app);
            if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                QCoreApplication::installTranslator(qt))
                qtTranslator() = qt;
            else
                delete qt;
            return true;
        }
        delete translator;
    }
    return false;
}

QString installedLanguage() { return ownTranslator() ? installedCode() : QString(); }

QString localizedResource(const QString& resource)
{
    const QString language = installedLanguage();
    if (language.isEmpty())
        return resource;
    const int slash = resource.lastIndexOf(u'/');
    const QString translated = resource.left(slash + 1) + language + resource.mid(slash);
    return QFile::exists(translated) ? translated : resource;
}

QStringList shippedLanguages(const QStringList& dirs)
{
    QStringList codes;
    for (const QString& dir : dirs) {
        const QStringList files = QDir(dir).entryList({kFilePrefix + QStringLiteral("*.qm")}, QDir::Files | QDir::Readable);
        for (const QString& file : files) {
            const QString code = QFileInfo(file).completeBaseName().mid(kFilePrefix.size());
            const QLocale locale(code);
            if (!code.isEmpty() && locale.language() != QLocale::C && locale.language() != QLocale::English &&
                !codes.contains(code))
                codes << code;
        }
    }
    codes.sort();
    return codes;
}

QString nativeName(const QString& code)
{
    // Qt names some languages after their country ("español de España"); a child looks for
    // the plain name of the language.
    static const QHash<QString, QString> plain{{QStringLiteral("de"), QStringLiteral("Deutsch")},
                                               {QStringLiteral("es"), QStringLiteral("Español")},
                                               {QStringLiteral("fr"), QStringLiteral("Français")},
                                               {QStringLiteral("it"), QStringLiteral("Italiano")},
                                               {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")}};
    if (const auto it = plain.constFind(code); it != plain.constEnd())
        return *it;
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (name.isEmpty())
        return code;
    name[0] = name[0].toUpper();
    // Only a code that names its country gets it shown: "pt_BR", not "de".
    if (code.contains(u'_') || code.contains(u'-'))
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    return name;
}

QLocale localeFor(const QString& code) { return code.isEmpty() ? QLocale::system() : QLocale(code); }

QString rememberedLanguage() { return preferences().value(QStringLiteral("language")).toString(); }

void rememberLanguage(const QString& code)
{
    QSettings settings = preferences();
    if (code.isEmpty())
        settings.remove(QStringLiteral("language"));
    else
        settings.setValue(QStringLiteral("language"), code);
}

void addLanguageOption(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(kLanguageOption,
                                        QCoreApplication::translate("CommandLine",
                                                                    "Show the program in this language "
                                                                    "(de, fr, es, pt_BR, it, en)."),
                                        QStringLiteral("code")));
}

QString chosenLanguage(const QCommandLineParser& parser)
{
    return parser.isSet(kLanguageOption) ? parser.value(kLanguageOption) : rememberedLanguage();
}

} // namespace zorvix::i18n
