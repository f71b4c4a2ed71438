// The translation helpers: composed texts keep their numbers right whatever the translation,
// and a translation is only installed when one exists for the language.
#include "i18n/pseudo_translator.h"
#include "i18n/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace zorvix;

namespace {

struct ComposedCase {
    const char* name;
    const char* sourceTemplate;
    QStringList args;
    const char* english;
    const char* untranslated; // with no translator installed
    const char* pseudo;       // with the pseudo-translator installed
};

class Composed : public ::testing::TestWithParam<ComposedCase> {};

TEST_P(Composed, fillsTheTranslatedTemplateOnlyWhenTheEnglishMatches)
{
    const ComposedCase& c = GetParam();
    const QString english = QString::fromUtf8(c.english);
    EXPECT_EQ(i18n::composed("Form3", c.sourceTemplate, c.args, english).toStdString(), c.untranslated);

    i18n::PseudoTranslator pseudo;
    ASSERT_TRUE(QCoreApplication::installTranslator(&pseudo));
    const QString translated = i18n::composed("Form3", c.sourceTemplate, c.args, english);
    QCoreApplication::removeTranslator(&pseudo);
    EXPECT_EQ(translated.toStdString(), c.pseudo);
}

INSTANTIATE_TEST_SUITE_P(Texts, Composed,
                         ::testing::Values(
                             // Caption-form numbers carry their own leading blank; the template keeps the rest.
                             ComposedCase{"sheetCaption",
                                          "%1 Problems - Numbers %2 Through %3",
                                          {" 30", " 0", " 9"},
                                          " 30 Problems - Numbers  0 Through  9",
                                          " 30 Problems - Numbers  0 Through  9",
                                          "[[ 30 Problems - Numbers  0 Through  9]]"},
                             ComposedCase{"negativeLowEnd",
                                          "%1 Problems - Numbers %2 Through %3",
                                          {" 5", "-5", " 9"},
                                          " 5 Problems - Numbers -5 Through  9",
                                          " 5 Problems - Numbers -5 Through  9",
                                          "[[ 5 Problems - Numbers -5 Through  9]]"},
                             ComposedCase{"completion",
                                          "Nice Job!!  %1 out of %2!!",
                                          {"5", "5"},
                                          "Nice Job!!  5 out of 5!!",
                                          "Nice Job!!  5 out of 5!!",
                                          "[[Nice Job!!  5 out of 5!!]]"},
                             // The logic and the view disagree (a count changed under the view): the logic's text wins,
                             // translated as a whole, never the view's numbers.
                             ComposedCase{"mismatchKeepsTheLogicText",
                                          "Nice Job!!  %1 out of %2!!",
                                          {"4", "4"},
                                          "Nice Job!!  5 out of 5!!",
                                          "Nice Job!!  5 out of 5!!",
                                          "[[Nice Job!!  5 out of 5!!]]"},
                             // A placeholder-looking argument is filled once, not read as a further placeholder.
                             ComposedCase{"argumentWithPercent", "About %1", {"%1"}, "About %1", "About %1", "[[About %1]]"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SignName, readsEachOperationAndLeavesOtherTextAlone)
{
    const std::pair<const char*, const char*> cases[] = {{"+", "plus"},   {"-", "minus"}, {"x", "times"}, {"/", "divided by"},
                                                         {" + ", "plus"}, {"", ""},       {"?", "?"},     {"X", "X"}};
    for (const auto& [sign, name] : cases)
        EXPECT_EQ(i18n::signName(QString::fromUtf8(sign)).toStdString(), name) << '"' << sign << '"';
}

TEST(PseudoTranslator, wrapsOurTextsButNotQtsOwnNorEmptyOnes)
{
    i18n::PseudoTranslator pseudo;
    EXPECT_EQ(pseudo.translate("Form1", "START!").toStdString(), "[[START!]]");
    EXPECT_TRUE(pseudo.translate("QLineEdit", "&Undo").isNull());
    EXPECT_TRUE(pseudo.translate("Form1", "").isNull());
    EXPECT_TRUE(pseudo.translate(nullptr, "x").isNull());
    EXPECT_TRUE(i18n::PseudoTranslator::isWrapped(QStringLiteral("[[&File]]")));
    EXPECT_FALSE(i18n::PseudoTranslator::isWrapped(QStringLiteral("[[]")));
    EXPECT_FALSE(i18n::PseudoTranslator::isWrapped(QStringLiteral("START!")));
    EXPECT_FALSE(pseudo.isEmpty());
}

TEST(InstallTranslation, nothingInstalledWithoutAFileOrForEnglish)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    // A translation file for English would only change the system's own texts: never loaded.
    QFile stray(empty.filePath(QStringLiteral("zorvix_en.qm")));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    const QStringList dirs{empty.path(), empty.filePath(QStringLiteral("missing"))};
    EXPECT_FALSE(i18n::installTranslation(*QCoreApplication::instance(), QLocale(QLocale::English), dirs));
    EXPECT_FALSE(i18n::installTranslation(*QCoreApplication::instance(), QLocale(QLocale::German), dirs));
    EXPECT_FALSE(i18n::installTranslation(*QCoreApplication::instance(), QLocale(QLocale::French), {}));
    EXPECT_EQ(i18n::text("Form1", QStringLiteral("START!")).toStdString(), "START!");
}

// A broken file where a translation should be is skipped like a missing one.
TEST(InstallTranslation, aDamagedFileIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile damaged(dir.filePath(QStringLiteral("zorvix_de.qm")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a translation");
    damaged.close();
    EXPECT_FALSE(i18n::installTranslation(*QCoreApplication::instance(), QLocale(QLocale::German), {dir.path()}));
    EXPECT_EQ(i18n::text("Form1", QStringLiteral("START!")).toStdString(), "START!");
}

} // namespace

#ifdef ZORVIX_TEST_QM_DIR
TEST(InstallTranslation, loadsTheLanguagesFileFromTheFirstFolderThatHasIt)
{
    const QString qmDir = QStringLiteral(ZORVIX_TEST_QM_DIR);
    // Austrian German falls back to the German file; a folder without one is passed over.
    ASSERT_TRUE(i18n::installTranslation(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Austria),
                                         {QDir::tempPath() + QStringLiteral("/zorvix-no-such-dir"), qmDir}));
    EXPECT_EQ(i18n::text("Form1", QStringLiteral("START!")).toStdString(), "LOS!");
    // A text the translation lacks stays English.
    EXPECT_EQ(i18n::text("Form1", QStringLiteral("END")).toStdString(), "END");
    for (auto* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
    EXPECT_EQ(i18n::text("Form1", QStringLiteral("START!")).toStdString(), "START!");
}
#endif
