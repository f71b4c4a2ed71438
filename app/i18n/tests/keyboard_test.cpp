// A child who uses only the keyboard completes a five-problem card test and an on-screen
// sheet: every input below is a key press sent to whatever has the focus.
#include "drive.h"

#include "card/card_window.h"
#include "card/completion_dialog.h"
#include "common/random_source.h"
#include "setup/setup_window.h"
#include "sheets/sheet_window.h"

#include <QGroupBox>
#include <QMenu>

using namespace zorvix;
using namespace zorvix::drive;

namespace {

class KeyboardOnly : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = &startProgram();
        // Fixed draws: the operands vary over the page, the test never depends on which they are.
        program->setRandomSource(std::make_unique<ScriptedRandom>(std::vector<double>{0.35, 0.72, 0.18, 0.91, 0.54, 0.06}));
        setup = program->setupWindow();
        ASSERT_TRUE(activate(setup));
    }
    void TearDown() override { discardProgram(); }

    QString text(QWidget* window, const char* name)
    {
        if (auto* label = control<QLabel>(window, QString::fromUtf8(name)))
            return label->text();
        if (auto* button = control<QAbstractButton>(window, QString::fromUtf8(name)))
            return button->text();
        return QStringLiteral("<missing %1>").arg(QString::fromUtf8(name));
    }

    Program* program = nullptr;
    SetupWindow* setup = nullptr;
};

TEST_F(KeyboardOnly, completesAFiveProblemCardTestAndReturns)
{
    ASSERT_TRUE(tabTo(QStringLiteral("Start")));
    press(Qt::Key_Space);
    CardWindow* card = program->cardWindow();
    ASSERT_NE(card, nullptr);
    ASSERT_TRUE(activate(card));
    EXPECT_FALSE(setup->isVisible());

    ASSERT_TRUE(tabTo(QStringLiteral("new_prob")));
    press(Qt::Key_Space);
    auto* answer = control<QLineEdit>(card, QStringLiteral("Answer"));
    auto* thinking = control(card, QStringLiteral("iffybox"));
    ASSERT_TRUE(answer && thinking);

    for (int problem = 1; problem <= 5; ++problem) {
        SCOPED_TRACE(problem);
        ASSERT_TRUE(waitFor([&] { return thinking->isVisible() && answer->text().isEmpty(); }));
        QWidget* divide = control(card, QStringLiteral("DivideSign"));
        const QString sign = divide->isVisible() ? QStringLiteral("/") : text(card, "sign");
        const QString result = solve(text(card, "Digit(0)"), sign, text(card, "Digit(1)"));
        // Number-pad keys land in the answer wherever the focus stands.
        typeOnKeypad(result);
        EXPECT_EQ(answer->text(), result);
        EXPECT_EQ(QApplication::focusWidget(), answer);
        // Enter in the answer box checks it.
        press(Qt::Key_Return);
        EXPECT_EQ(text(card, "tries"), QString::number(problem));
        EXPECT_EQ(text(card, "NumRight"), QString::number(problem));
    }

    CompletionDialog* dialog = card->completionDialog();
    ASSERT_TRUE(waitFor([&] { return dialog->isVisible(); }));
    EXPECT_EQ(dialog->text().toStdString(), "Nice Job!!  5 out of 5!!");
    ASSERT_TRUE(activate(dialog));
    // Escape closes the modal dialog, as OK would.
    ASSERT_TRUE(focused() == dialog || dialog->isAncestorOf(focused()))
        << focused()->objectName().toStdString() << " active "
        << (QApplication::activeWindow() ? QApplication::activeWindow()->objectName().toStdString() : "-") << " dialog focus "
        << (dialog->focusWidget() ? dialog->focusWidget()->objectName().toStdString() : "-") << " modal "
        << (QApplication::activeModalWidget() ? QApplication::activeModalWidget()->objectName().toStdString() : "-");
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(text(card, "new_prob"), QStringLiteral("START"));
    EXPECT_EQ(text(card, "NumRight"), QStringLiteral("0"));

    ASSERT_TRUE(activate(card));
    ASSERT_TRUE(tabTo(QStringLiteral("Return")));
    press(Qt::Key_Space);
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(setup->isVisible());
}

TEST_F(KeyboardOnly, aWrongAnswerIsRetriedFromTheKeyboard)
{
    ASSERT_TRUE(tabTo(QStringLiteral("Start")));
    press(Qt::Key_Space);
    CardWindow* card = program->cardWindow();
    ASSERT_TRUE(activate(card));
    ASSERT_TRUE(tabTo(QStringLiteral("new_prob")));
    press(Qt::Key_Space);
    auto* answer = control<QLineEdit>(card, QStringLiteral("Answer"));
    auto* thinking = control(card, QStringLiteral("iffybox"));

    QString missed;
    for (int problem = 1; problem <= 5; ++problem) {
        ASSERT_TRUE(waitFor([&] { return thinking->isVisible() && answer->text().isEmpty(); }));
        const QString result = solve(text(card, "Digit(0)"), text(card, "sign"), text(card, "Digit(1)"));
        // The first answer is one too many, typed with the minus key in front when it helps.
        const QString typed = problem == 1 ? QString::number(-(result.toInt() + 1)) : result;
        if (problem == 1)
            missed = text(card, "Digit(0)") + text(card, "sign") + text(card, "Digit(1)");
        typeOnKeypad(typed);
        EXPECT_EQ(answer->text(), typed);
        press(Qt::Key_Return);
    }
    EXPECT_EQ(text(card, "NumRight"), QStringLiteral("4"));
    auto* tryagain = control<QPushButton>(card, QStringLiteral("tryagain"));
    ASSERT_TRUE(waitFor([&] { return tryagain->isVisible(); }));
    ASSERT_TRUE(tabTo(QStringLiteral("tryagain")));
    press(Qt::Key_Space);
    EXPECT_EQ(text(card, "Digit(0)") + text(card, "sign") + text(card, "Digit(1)"), missed);
    // MISSED PROBLEMS puts the focus in the answer box: typing and Enter answer the retry.
    EXPECT_EQ(QApplication::focusWidget(), answer);
    const QString result = solve(text(card, "Digit(0)"), text(card, "sign"), text(card, "Digit(1)"));
    typeOnKeypad(result);
    press(Qt::Key_Return);
    EXPECT_TRUE(control(card, QStringLiteral("smileybox"))->isVisible());
}

TEST_F(KeyboardOnly, completesAnOnScreenSheetAndReturns)
{
    // The method options: Tab reaches the group, Space picks the option with the focus.
    ASSERT_TRUE(tabTo(QStringLiteral("Printed(0)")));
    press(Qt::Key_Space);
    EXPECT_TRUE(control<QAbstractButton>(setup, QStringLiteral("Printed(0)"))->isChecked());
    ASSERT_TRUE(tabTo(QStringLiteral("Combo1")));
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), QStringLiteral("4"));
    ASSERT_TRUE(tabTo(QStringLiteral("Start")));
    EXPECT_EQ(program->state().settings.problemCount, 4);
    press(Qt::Key_Space);

    SheetWindow* sheet = program->sheetWindow();
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(activate(sheet));
    ASSERT_TRUE(tabTo(QStringLiteral("nsheet")));
    press(Qt::Key_Space);

    QStringList expected;
    for (int k = 0; k < 4; ++k) {
        const QString slot = QStringLiteral("(%1)").arg(k);
        expected << solve(text(sheet, ("num1" + slot.toStdString()).c_str()), text(sheet, ("sign" + slot.toStdString()).c_str()),
                          text(sheet, ("num2" + slot.toStdString()).c_str()));
    }
    ASSERT_TRUE(tabTo(QStringLiteral("answer(0)")));
    for (int k = 0; k < 4; ++k) {
        ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("answer(%1)").arg(k));
        // One wrong answer, one left empty, two right; Enter moves on to the next box.
        if (k == 1)
            QTest::keyClicks(focused(), QString::number(expected[k].toDouble() + 1));
        else if (k != 2)
            QTest::keyClicks(focused(), expected[k]);
        press(Qt::Key_Return);
    }
    // Past the last box and the disabled New Problems, the focus reaches Answers.
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("answers"));
    press(Qt::Key_Space);

    auto base = [&](int k) {
        return control<QLineEdit>(sheet, QStringLiteral("answer(%1)").arg(k))->palette().color(QPalette::Base);
    };
    auto shown = [&](int k) { return control<QLineEdit>(sheet, QStringLiteral("answer(%1)").arg(k))->isVisible(); };
    EXPECT_EQ(base(0), QColor(0, 255, 0));
    EXPECT_EQ(base(1), QColor(255, 0, 0));
    // An empty box counts as 0: right only when the result is 0, otherwise not attempted.
    if (expected[2] == QLatin1String("0"))
        EXPECT_EQ(base(2), QColor(0, 255, 0));
    else
        EXPECT_FALSE(shown(2));
    EXPECT_EQ(base(3), QColor(0, 255, 0));

    ASSERT_TRUE(tabTo(QStringLiteral("back")));
    press(Qt::Key_Space);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_TRUE(setup->isVisible());
}

// What lands in the answer for each key, whatever text the keyboard layout gives it.
struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* layoutText;
    const char* typed;
};

class CardKeys : public KeyboardOnly, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(CardKeys, typeIntoTheAnswerByKeyNotByLayoutText)
{
    const KeyCase& c = GetParam();
    program->showDrill(TestMethod::Cards);
    CardWindow* card = program->cardWindow();
    ASSERT_TRUE(activate(card));
    auto* answer = control<QLineEdit>(card, QStringLiteral("Answer"));
    answer->setFocus();
    // Sent to the answer box and, separately, to the window with the focus elsewhere.
    for (QWidget* target : {static_cast<QWidget*>(answer), static_cast<QWidget*>(card)}) {
        QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf8(c.layoutText));
        QApplication::sendEvent(target, &event);
    }
    const std::string once = c.typed;
    EXPECT_EQ(answer->text().toStdString(), once + once);
}

INSTANTIATE_TEST_SUITE_P(Keys, CardKeys,
                         ::testing::Values(KeyCase{"keypadDigit", Qt::Key_7, Qt::KeypadModifier, "7", "7"},
                                           // A layout whose number pad sends other text still types the digit.
                                           KeyCase{"keypadDigitWithForeignText", Qt::Key_5, Qt::KeypadModifier, "%", "5"},
                                           KeyCase{"keypadDigitWithoutText", Qt::Key_0, Qt::KeypadModifier, "", "0"},
                                           KeyCase{"keypadMinus", Qt::Key_Minus, Qt::KeypadModifier, "-", "-"},
                                           KeyCase{"minusKeyWithForeignText", Qt::Key_Minus, Qt::NoModifier, "\xc3\x9f", "-"},
                                           KeyCase{"topRowDigitTypesItsText", Qt::Key_3, Qt::NoModifier, "3", "3"},
                                           KeyCase{"ctrlMinusIsNoTyping", Qt::Key_Minus, Qt::ControlModifier, "", ""},
                                           // Without Num Lock the pad moves the cursor; it types nothing.
                                           KeyCase{"keypadHomeWithoutNumLock", Qt::Key_Home, Qt::KeypadModifier, "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// The menus open from their access keys and an item runs from its own, with no mouse.
TEST_F(KeyboardOnly, menuAccessKeysOpenTheMenusAndRunAnItem)
{
    auto* file = setup->findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    press(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(waitFor([&] { return file->isVisible(); }, 2000));
    // Minimize's access key is M.
    QTest::keyClick(file, Qt::Key_M);
    EXPECT_TRUE(waitFor([&] { return setup->isMinimized(); }, 2000));
    setup->showNormal();
    ASSERT_TRUE(activate(setup));

    auto* help = setup->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    press(Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(waitFor([&] { return help->isVisible(); }, 2000));
    press(Qt::Key_Escape);
    EXPECT_TRUE(waitFor([&] { return !help->isVisible(); }, 2000));
}

} // namespace
