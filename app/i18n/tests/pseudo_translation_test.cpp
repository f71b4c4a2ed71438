// With a pseudo-translation installed every text of every window reads "[[...]]": a text that
// shows without the markers escaped the translation system.
#include "drive.h"

#include "card/card_window.h"
#include "card/completion_dialog.h"
#include "common/random_source.h"
#include "i18n/pseudo_translator.h"
#include "i18n/translation.h"
#include "setup/setup_window.h"
#include "sheets/printed/printed_window.h"
#include "sheets/sheet_window.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

using namespace zorvix;
using namespace zorvix::drive;

namespace {

// Texts that are the same in every language: numbers, the operation signs, the program's name,
// and each language's own name in the Language menu.
bool needsTranslation(const QString& text)
{
    const QString t = text.trimmed();
    if (t == QLatin1String("x") || t == QCoreApplication::applicationName() || t == QLatin1String("English"))
        return false;
    for (const QString& code : i18n::shippedLanguages(i18n::translationDirs()))
        if (t == i18n::nativeName(code))
            return false;
    return std::any_of(t.begin(), t.end(), [](QChar c) { return c.isLetter(); });
}

// Every text a person sees or hears in the window, hidden controls included (they show later).
QStringList escapedTexts(QWidget* window)
{
    QStringList escaped;
    auto check = [&](const QObject* owner, const char* what, const QString& text) {
        if (needsTranslation(text) && !i18n::PseudoTranslator::isWrapped(text))
            escaped << QStringLiteral("%1 %2 %3: \"%4\"")
                           .arg(window->objectName(), owner->objectName(), QString::fromUtf8(what), text);
    };
    check(window, "title", window->windowTitle());
    check(window, "accessible name", window->accessibleName());
    check(window, "description", window->accessibleDescription());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w))
            check(w, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(w, "caption", button->text());
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            check(w, "frame caption", frame->title());
        if (auto* menu = qobject_cast<QMenu*>(w))
            check(w, "menu title", menu->title());
        check(w, "accessible name", w->accessibleName());
        check(w, "description", w->accessibleDescription());
        for (QAction* action : w->actions())
            check(action, "menu item", action->text());
    }
    return escaped;
}

class PseudoTranslated : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QCoreApplication::installTranslator(&pseudo));
        program = &startProgram();
        program->setRandomSource(std::make_unique<ScriptedRandom>(std::vector<double>{0.3, 0.6, 0.1, 0.8}));
        ASSERT_TRUE(activate(program->setupWindow()));
    }
    void TearDown() override
    {
        discardProgram();
        QCoreApplication::removeTranslator(&pseudo);
    }

    // Opens a modal page from a menu item, walks it while it runs, closes it with Escape.
    QStringList walkModal(const char* action, const char* windowName)
    {
        QStringList escaped;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == QLatin1String(windowName)) {
                seen = true;
                escaped = escapedTexts(modal);
                QTest::keyClick(modal, Qt::Key_Escape);
            } else if (modal) {
                modal->close();
            }
        });
        // Should Escape leave the page open, close it anyway so the test ends, and say so.
        bool leftOpen = false;
        QTimer fallback;
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                leftOpen = true;
                modal->close();
            }
        });
        fallback.start(3000);
        program->setupWindow()->findChild<QAction*>(QString::fromUtf8(action))->trigger();
        if (leftOpen)
            escaped << QStringLiteral("%1 stayed open after Escape").arg(QString::fromUtf8(windowName));
        if (!seen)
            escaped << QStringLiteral("%1 never opened").arg(QString::fromUtf8(windowName));
        return escaped;
    }

    i18n::PseudoTranslator pseudo;
    Program* program = nullptr;
};

TEST_F(PseudoTranslated, setupScreenAndItsMenus)
{
    EXPECT_EQ(escapedTexts(program->setupWindow()), QStringList());
    EXPECT_EQ(program->setupWindow()->windowTitle().toStdString(), "[[ZORVIX V2.5]]");
    EXPECT_EQ(control<QAbstractButton>(program->setupWindow(), QStringLiteral("Printed(0)"))->text().toStdString(),
              "[[PAGE OF  PROBLEMS]]");
}

TEST_F(PseudoTranslated, helpPagesAndAboutBox)
{
    const std::pair<const char*, const char*> pages[] = {{"mnuHelpPage1", "Dialog1"},
                                                         {"mnuHelpPage2", "Dialog2"},
                                                         {"mnuHelpPage3", "Dialog3"},
                                                         {"mnuHelpPage4", "Dialog4"},
                                                         {"mnuAbout", "frmAbout"}};
    for (const auto& [action, name] : pages)
        EXPECT_EQ(walkModal(action, name), QStringList()) << name;
}

TEST_F(PseudoTranslated, cardWindowThroughAPerfectTestAndItsDialog)
{
    program->showDrill(TestMethod::Cards);
    CardWindow* card = program->cardWindow();
    ASSERT_TRUE(activate(card));
    EXPECT_EQ(escapedTexts(card), QStringList());
    EXPECT_EQ(control<QAbstractButton>(card, QStringLiteral("new_prob"))->text().toStdString(), "[[START]]");

    control<QAbstractButton>(card, QStringLiteral("new_prob"))->click();
    EXPECT_EQ(control<QAbstractButton>(card, QStringLiteral("new_prob"))->text().toStdString(), "[[NEW PROBLEM]]");
    auto* answer = control<QLineEdit>(card, QStringLiteral("Answer"));
    for (int problem = 0; problem < 5; ++problem) {
        ASSERT_TRUE(waitFor([&] { return control(card, QStringLiteral("iffybox"))->isVisible() && answer->text().isEmpty(); }));
        answer->setText(solve(control<QLabel>(card, QStringLiteral("Digit(0)"))->text(),
                              control<QLabel>(card, QStringLiteral("sign"))->text(),
                              control<QLabel>(card, QStringLiteral("Digit(1)"))->text()));
        emit answer->textEdited(answer->text());
        control<QAbstractButton>(card, QStringLiteral("check"))->click();
        EXPECT_EQ(escapedTexts(card), QStringList());
    }
    CompletionDialog* dialog = card->completionDialog();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->text().toStdString(), "[[Nice Job!!  5 out of 5!!]]");
    EXPECT_EQ(escapedTexts(dialog), QStringList());
    dialog->accept();
}

TEST_F(PseudoTranslated, sheetWindowWithAPage)
{
    program->state().settings.problemCount = 30;
    program->showDrill(TestMethod::Page);
    SheetWindow* sheet = program->sheetWindow();
    ASSERT_TRUE(activate(sheet));
    EXPECT_EQ(sheet->windowTitle().toStdString(), "[[ 30 Problems - Numbers  0 Through  9]]");
    control<QAbstractButton>(sheet, QStringLiteral("nsheet"))->click();
    EXPECT_EQ(escapedTexts(sheet), QStringList());
    control<QAbstractButton>(sheet, QStringLiteral("answers"))->click();
    EXPECT_EQ(escapedTexts(sheet), QStringList());
}

TEST_F(PseudoTranslated, printedWindowAndItsPrinterMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintedSheetWindow printed(*program);
    QStringList messages;
    printed.setMessagePresenter([&](const QString& message) { messages << message; });
    printed.setPrinterFactory([&] {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        return printer;
    });
    printed.show();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(dir.filePath(QStringLiteral("page.pdf"))); }));
    EXPECT_EQ(escapedTexts(&printed), QStringList());

    // No printer: the one message of the program is translated too.
    printed.setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    control<QAbstractButton>(&printed, QStringLiteral("answers"))->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front().toStdString(), "[[Printer is not available]]");
}

} // namespace
