#pragma once
// Every text a window shows passes through here on its way to the screen. The logic keeps the
// English texts; the views translate them at render time with one fixed context per window, so
// with no translation installed the screen shows the English exactly as the logic wrote it.
#include <QLocale>
#include <QString>
#include <QStringList>

class QCommandLineParser;
class QCoreApplication;

namespace zorvix::i18n {

// The context of each window; translators see texts grouped by window.
inline constexpr const char* kSetup = "Form1";
inline constexpr const char* kCard = "Form2";
inline constexpr const char* kSheet = "Form3";
inline constexpr const char* kPrinted = "Form4";
inline constexpr const char* kCompletion = "Dialog";
inline constexpr const char* kHelp = "HelpPage";
inline constexpr const char* kAbout = "frmAbout";

// A text of the system as the translation has it, or unchanged.
QString text(const char* context, const QString& english);

// A text the logic composed from a template and numbers. When filling sourceTemplate with args
// gives english exactly, the translated template is filled instead; anything else falls back to
// translating english as a whole, so a mismatch can never show a wrong number.
QString composed(const char* context, const char* sourceTemplate, const QStringList& args, const QString& english);

// The spoken name of an operation sign: "+" is "plus", "/" is "divided by"; anything else is
// returned as it stands.
QString signName(const QString& sign);

// Where installed translations are looked for, first match wins: beside the program, the
// install's share folder, then the program's resources.
QStringList translationDirs();

// Installs zorvix_<language>.qm for the locale from the first folder that has one, in place of
// any installed before, and Qt's own texts (message box buttons, file dialog) in that language
// too. Returns whether a translation was installed; without one every text stays English.
bool installTranslation(QCoreApplication& app, const QLocale& locale, const QStringList& dirs);

// The language of the installed translation as its file names it ("de", "pt_BR"), or empty
// while the texts are English.
QString installedLanguage();

// A resource in the installed language: the translation's own copy in a folder named after it
// beside the English one (":/setup/help/de/setup_page.html" for ":/setup/help/setup_page.html"),
// or the English resource where there is none.
QString localizedResource(const QString& resource);

// The languages a translation exists for in dirs, as codes ("de", "pt_BR"), sorted.
QStringList shippedLanguages(const QStringList& dirs);

// A language as its speakers name it: "Deutsch", "Português (Brasil)".
QString nativeName(const QString& code);

// The locale a language choice stands for: empty is the system's, anything else the code's.
QLocale localeFor(const QString& code);

// The language chosen in the menu, remembered across runs; empty means the system's.
QString rememberedLanguage();
void rememberLanguage(const QString& code);

// The command line's --lang CODE. Add it to the program's parser before parsing; after
// parsing, chosenLanguage gives --lang when given, else the remembered choice.
void addLanguageOption(QCommandLineParser& parser);
QString chosenLanguage(const QCommandLineParser& parser);

} // namespace zorvix::i18n
