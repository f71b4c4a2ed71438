#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace zorvix::i18n {

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
    // English is the source language: nothing to load, and a stray English file must not
    // change the system's own texts.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return false;
    for (const QString& dir : dirs) {
        if (!QDir(dir).exists())
            continue;
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, QStringLiteral("zorvix"), QStringLiteral("_"), dir, QStringLiteral(".qm"))
            && QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
    }
    return false;
}

} // namespace zorvix::i18n
