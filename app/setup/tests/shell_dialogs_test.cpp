// The menus open the right modal help pages and About box, which close with OK or Escape and
// are destroyed when closed.
#include "fake_shell.h"

#include "setup/setup_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

using namespace zorvix;
using zorvix::test::FakeShell;

namespace {

// What a test saw of the modal window that a menu item opened.
struct Seen {
    QString name;
    QString caption;
    QString text;       // the rich-text page as plain text, or the About labels joined
    QString fontFamily; // the page's first paragraph font
    bool modal = false;
    bool readOnly = false;
    QPointer<QWidget> window;
};

class ShellDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<SetupWindow>(shell);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Triggers a menu item and, once its modal window runs, inspects it and closes it with
    // the given key or button. A modal window that is never closed fails the test, not the run.
    Seen open(const char* action, const std::function<void(QWidget*)>& close)
    {
        Seen seen;
        QTimer::singleShot(0, form.get(), [&seen, close] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen.window = modal;
            seen.name = modal->objectName();
            seen.caption = modal->windowTitle();
            seen.modal = modal->isModal();
            if (auto* page = modal->findChild<QTextBrowser*>(QStringLiteral("RichTextBox1"))) {
                seen.text = page->toPlainText();
                seen.readOnly = page->isReadOnly();
                seen.fontFamily = QTextCursor(page->document()).charFormat().font().family();
            }
            for (const char* label : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"})
                if (auto* l = modal->findChild<QLabel*>(QString::fromUtf8(label)))
                    seen.text += QString::fromUtf8(label) + '=' + l->text() + '\n';
            close(modal);
        });
        QTimer::singleShot(5000, form.get(), [] {
            if (QWidget* stuck = QApplication::activeModalWidget())
                stuck->close();
        });
        QAction* item = form->findChild<QAction*>(QString::fromUtf8(action));
        EXPECT_NE(item, nullptr) << action;
        if (item)
            item->trigger();
        // Closed windows are destroyed on the next turn of the loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return seen;
    }

    static void pressOk(QWidget* modal)
    {
        QPushButton* ok = modal->findChild<QPushButton*>(QStringLiteral("OKButton"));
        if (!ok)
            ok = modal->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
    }

    static void pressEscape(QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); }

    FakeShell shell;
    std::unique_ptr<SetupWindow> form;
};

struct PageCase {
    const char* action;
    const char* name;
    const char* caption;
    const char* family;
    std::vector<const char*> inOrder; // sentences that must appear, in this order
};

inline void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class HelpPages : public ShellDialogs, public ::testing::WithParamInterface<PageCase> {};

TEST_P(HelpPages, menuItemOpensItsModalPageWhichOkCloses)
{
    const PageCase& c = GetParam();
    const Seen seen = open(c.action, pressOk);
    EXPECT_EQ(seen.name, c.name);
    EXPECT_EQ(seen.caption, c.caption);
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.readOnly);
    EXPECT_EQ(seen.fontFamily, c.family);
    qsizetype from = 0;
    for (const char* sentence : c.inOrder) {
        const qsizetype at = seen.text.indexOf(QString::fromUtf8(sentence), from);
        EXPECT_GE(at, 0) << c.name << ": missing or out of order: " << sentence;
        if (at >= 0)
            from = at;
    }
    EXPECT_TRUE(seen.window.isNull()) << "closed page was not destroyed";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(shell.ended, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HelpPages,
    ::testing::Values(PageCase{"mnuHelpPage1",
                               "Dialog1",
                               "Set Up the FlashCards",
                               "Tahoma",
                               {"type of test", "You can select any number from -15 to +15 as your range.", "number of problems",
                                "minutes", "page of 30 problems", "\"every problem\"", "\"More\"", "every fourth", "\"Start\""}},
                      PageCase{"mnuHelpPage2",
                               "Dialog2",
                               "Using the Flash Cards",
                               "Verdana",
                               {"\"Start\"", "60 percent", "100 percent", "\"Check\" and \"Skip\"", "Num Lock", "\"Erase\"",
                                "grinning face", "howling face", "thinking face", "special message", "skip", "right answers",
                                "again", "\"Return\""}},
                      PageCase{"mnuHelpPage3",
                               "Dialog3",
                               "Using the Flash Page of Problems",
                               "Verdana",
                               {"\"New Problems\"", "timer bar", "\"Answers\"", "lose their boxes", "again", "\"Return\""}},
                      PageCase{"mnuHelpPage4",
                               "Dialog4",
                               "Printing a Page of Problems",
                               "Verdana",
                               {"printer", "\"Answers\"", "\"Return\"", "\"Start\"", "timed test is not an option"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellDialogs, escapeClosesAHelpPage)
{
    const Seen seen = open("mnuHelpPage2", pressEscape);
    EXPECT_EQ(seen.name, "Dialog2");
    EXPECT_TRUE(seen.window.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ShellDialogs, aboutBoxShowsTitleVersionAndDescriptionTheSameEachTime)
{
    const Seen first = open("mnuAbout", pressOk);
    EXPECT_EQ(first.name, "frmAbout");
    EXPECT_EQ(first.caption, "About Zorvix");
    EXPECT_TRUE(first.modal);
    EXPECT_TRUE(first.text.contains("lblTitle=Zorvix\n"));
    EXPECT_TRUE(first.text.contains("lblVersion=Version 2.5.0\n"));
    EXPECT_TRUE(first.text.contains("lblDescription=An interactive mathematics flashcard program providing four "
                                    "function skills work in either a single problem or multiple problem mode.\n"));
    EXPECT_TRUE(first.text.contains("lblDisclaimer="));
    EXPECT_TRUE(first.window.isNull());

    const Seen second = open("mnuAbout", pressEscape);
    EXPECT_EQ(second.name, first.name);
    EXPECT_EQ(second.caption, first.caption);
    EXPECT_EQ(second.text, first.text);
    EXPECT_TRUE(second.window.isNull());
}

TEST_F(ShellDialogs, aboutBoxCarriesItsSeparatorLinesAndOkButton)
{
    bool lines = false;
    bool ok = false;
    open("mnuAbout", [&](QWidget* modal) {
        lines = modal->findChild<QWidget*>("Line1(0)") && modal->findChild<QWidget*>("Line1(1)");
        auto* button = modal->findChild<QPushButton*>("cmdOK");
        ok = button && button->text() == "OK";
        pressOk(modal);
    });
    EXPECT_TRUE(lines);
    EXPECT_TRUE(ok);
}

} // namespace
