// Starts the whole program in-process and ends it each way a user can: the event loop must
// exit with no window left on screen and no timer left running.
#include "program.h"

#include "qstring_print.h"
#include "setup/setup_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace zorvix;

namespace {

constexpr int watchdogExit = 99;

class WholeProgram : public ::testing::Test {
protected:
    void SetUp() override { program = &startProgram(); }
    void TearDown() override { discardProgram(); }

    // Runs the event loop, does `action` inside it, and returns the loop's exit code; a
    // program that does not end makes the watchdog leave the loop instead.
    int runAndDo(const std::function<void()>& action)
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(watchdogExit); });
        watchdog.start(5000);
        QTimer::singleShot(0, qApp, action);
        const int code = QApplication::exec();
        watchdog.stop();
        return code;
    }

    QWidget* window(const char* name) const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QString::fromUtf8(name))
                return w;
        return nullptr;
    }

    void clickSetupButton(const char* name)
    {
        auto* button = program->setupWindow()->findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void triggerSetupMenu(const char* name)
    {
        auto* action = program->setupWindow()->findChild<QAction*>(QString::fromUtf8(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    static void expectNothingLeft()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString() << " still shown";
            for (QTimer* timer : w->findChildren<QTimer*>())
                EXPECT_FALSE(timer->isActive()) << w->objectName().toStdString() << " left a timer running";
        }
    }

    Program* program = nullptr;
};

} // namespace

TEST_F(WholeProgram, startsWithTheSetupScreenAloneAndItsIdentity)
{
    ASSERT_NE(program->setupWindow(), nullptr);
    EXPECT_TRUE(program->setupWindow()->isVisible());
    EXPECT_EQ(program->setupWindow()->objectName(), "Form1");
    EXPECT_EQ(program->cardWindow(), nullptr);
    EXPECT_EQ(program->sheetWindow(), nullptr);
    EXPECT_EQ(program->printedWindow(), nullptr);
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += w->isVisible() ? 1 : 0;
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(QCoreApplication::applicationName(), "Zorvix");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "2.5.0");
    EXPECT_FALSE(QApplication::windowIcon().pixmap(32, 32).isNull()); // the SVG really renders
    EXPECT_EQ(&startProgram(), program);                              // a second start does not make a second program
}

TEST_F(WholeProgram, startCreatesADrillWindowOnFirstUseAndKeepsIt)
{
    clickSetupButton("Start");
    QWidget* first = window("Form2");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(program->sheetWindow(), nullptr); // only the chosen method's window is made
    first->hide();
    program->showSetup();
    clickSetupButton("Start");
    EXPECT_EQ(window("Form2"), first);
    int cards = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        cards += w->objectName() == "Form2" ? 1 : 0;
    EXPECT_EQ(cards, 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(program->printedWindow(), nullptr);
}

TEST_F(WholeProgram, endButtonEndsTheProgram)
{
    EXPECT_EQ(runAndDo([this] { clickSetupButton("Command1"); }), 0);
    EXPECT_TRUE(program->ended());
    expectNothingLeft();
}

TEST_F(WholeProgram, closingTheSetupScreenEndsTheProgram)
{
    EXPECT_EQ(runAndDo([this] { program->setupWindow()->close(); }), 0);
    EXPECT_TRUE(program->ended());
    expectNothingLeft();
}

TEST_F(WholeProgram, closeMenuEndsTheProgramAtOnce)
{
    EXPECT_EQ(runAndDo([this] { triggerSetupMenu("mnuClose"); }), 0);
    EXPECT_TRUE(program->ended());
    expectNothingLeft();
}

TEST_F(WholeProgram, closeMenuEndsTheProgramAfterADrillWindowWasOpenedAndHidden)
{
    EXPECT_EQ(runAndDo([this] {
                  clickSetupButton("Start"); // individual cards by default
                  QWidget* card = window("Form2");
                  ASSERT_NE(card, nullptr);
                  EXPECT_TRUE(card->isVisible());
                  // Back on the setup screen, the card window kept but hidden.
                  card->hide();
                  program->showSetup();
                  ASSERT_TRUE(program->setupWindow()->isVisible());
                  triggerSetupMenu("mnuClose");
              }),
              0);
    EXPECT_TRUE(program->ended());
    EXPECT_NE(program->cardWindow(), nullptr);
    expectNothingLeft();
}

TEST_F(WholeProgram, endButtonClosesAnOpenedPageWindowToo)
{
    EXPECT_EQ(runAndDo([this] {
                  auto* page = program->setupWindow()->findChild<QWidget*>(QStringLiteral("Printed(0)"));
                  ASSERT_NE(page, nullptr);
                  QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(6, page->height() / 2));
                  clickSetupButton("Start");
                  ASSERT_NE(window("Form3"), nullptr);
                  program->showSetup();
                  clickSetupButton("Command1");
              }),
              0);
    EXPECT_NE(program->sheetWindow(), nullptr);
    expectNothingLeft();
}

TEST_F(WholeProgram, closingTheCardWindowEndsTheProgram)
{
    EXPECT_EQ(runAndDo([this] {
                  clickSetupButton("Start");
                  QWidget* card = window("Form2");
                  ASSERT_NE(card, nullptr);
                  card->close();
              }),
              0);
    EXPECT_TRUE(program->ended());
    expectNothingLeft();
}

TEST_F(WholeProgram, nothingIsShownOnceTheProgramHasEnded)
{
    EXPECT_EQ(runAndDo([this] { triggerSetupMenu("mnuClose"); }), 0);
    program->showSetup();
    program->showDrill(TestMethod::Cards);
    EXPECT_EQ(program->cardWindow(), nullptr);
    expectNothingLeft();
}

// A child who leaves in the middle of going over missed problems and comes back finds the card
// window idle, START included, not stuck in the retry.
TEST_F(WholeProgram, comingBackMidRetryOffersStart)
{
    SetupWindow* setup = program->setupWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(setup));
    QTest::mouseClick(setup->findChild<QComboBox*>(QStringLiteral("Combo1"))->lineEdit(), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    clickSetupButton("Start");
    QWidget* card = window("Form2");
    ASSERT_NE(card, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(card));
    auto button = [&](const char* name) { return card->findChild<QPushButton*>(QString::fromUtf8(name)); };
    auto label = [&](const char* name) { return card->findChild<QLabel*>(QString::fromUtf8(name))->text().toInt(); };
    QTest::mouseClick(button("new_prob"), Qt::LeftButton);

    // Two wrong answers, typed and checked with Enter.
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return card->findChild<QWidget*>(QStringLiteral("iffybox"))->isVisible(); }, 3000));
        const int wrong = label("Digit(0)") + label("Digit(1)") + 1;
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        // Typing lands in the answer wherever the focus stands.
        QTest::keyClicks(QApplication::focusWidget(), QString::number(wrong));
        ASSERT_EQ(card->findChild<QLineEdit*>(QStringLiteral("Answer"))->text(), QString::number(wrong));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    ASSERT_TRUE(button("tryagain")->isVisible());
    QTest::mouseClick(button("tryagain"), Qt::LeftButton);
    ASSERT_FALSE(button("new_prob")->isVisible()); // going over the first missed card

    QTest::mouseClick(button("Return"), Qt::LeftButton);
    EXPECT_FALSE(card->isVisible());
    ASSERT_TRUE(setup->isVisible());
    clickSetupButton("Start");
    ASSERT_TRUE(card->isVisible());
    EXPECT_TRUE(button("new_prob")->isVisible());
    EXPECT_EQ(button("new_prob")->text(), "START");
    EXPECT_FALSE(button("check")->isVisible());
    EXPECT_FALSE(button("skip")->isVisible());

    QTest::mouseClick(button("new_prob"), Qt::LeftButton);
    EXPECT_EQ(button("new_prob")->text(), "NEW PROBLEM");
    EXPECT_TRUE(button("check")->isVisible());
    EXPECT_FALSE(button("tryagain")->isVisible());
}
