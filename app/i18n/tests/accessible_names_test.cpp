// What a screen reader hears: names and descriptions as the accessibility interfaces report
// them, and the announcement of each checked card.
#include "drive.h"

#include "card/card_window.h"
#include "common/random_source.h"
#include "i18n/accessible_roles.h"
#include "setup/setup_window.h"
#include "sheets/sheet_window.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QTimer>

using namespace zorvix;
using namespace zorvix::drive;

namespace {

QString heard(QWidget* widget, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface* iface = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

class ScreenReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        i18n::installAccessibleRoles();
        program = &startProgram();
        program->setRandomSource(std::make_unique<ScriptedRandom>(std::vector<double>{0.45, 0.25, 0.85, 0.65}));
        ASSERT_TRUE(activate(program->setupWindow()));
    }
    void TearDown() override { discardProgram(); }

    Program* program = nullptr;
};

TEST_F(ScreenReader, setupBoxesAreNamedByTheCaptionsBesideThem)
{
    SetupWindow* setup = program->setupWindow();
    const std::pair<const char*, const char*> boxes[] = {
        {"MIN_NUM", "PRACTICE FROM"}, {"MAX_NUM", "TO"},     {"Combo1", "NUMBER OF PROBLEMS"},
        {"Text1", "TIME(MIN)"},       {"DRILL", "DRILL ON"}, {"Start", "START!"},
        {"Command1", "END"}};
    for (const auto& [name, spoken] : boxes) {
        QWidget* box = control(setup, QString::fromUtf8(name));
        // An editable box reports its text as its name on Linux; its caption comes as the label
        // relation, which is what a screen reader reads first.
        QStringList said{heard(box)};
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box))
            for (const auto& [other, relation] : iface->relations(QAccessible::Label))
                said << other->text(QAccessible::Name);
        EXPECT_TRUE(said.contains(QString::fromUtf8(spoken))) << name << ": " << said.join(u'|').toStdString();
    }
    // The two "BOTH" options say what they mix.
    EXPECT_EQ(heard(control(setup, QStringLiteral("TEST_TYPE(2)")), QAccessible::Description).toStdString(),
              "addition and subtraction");
    EXPECT_EQ(heard(control(setup, QStringLiteral("TEST_TYPE(5)")), QAccessible::Description).toStdString(),
              "multiplication and division");
}

TEST_F(ScreenReader, cardReadsItsProblemCountersFacesAndBar)
{
    program->showDrill(TestMethod::Cards);
    CardWindow* card = program->cardWindow();
    ASSERT_TRUE(activate(card));
    control<QAbstractButton>(card, QStringLiteral("new_prob"))->click();

    auto* first = control<QLabel>(card, QStringLiteral("Digit(0)"));
    EXPECT_FALSE(first->text().isEmpty());
    EXPECT_EQ(heard(first), first->text());
    EXPECT_EQ(heard(first, QAccessible::Description).toStdString(), "first number");
    EXPECT_EQ(heard(control(card, QStringLiteral("Digit(1)"))), control<QLabel>(card, QStringLiteral("Digit(1)"))->text());
    EXPECT_EQ(heard(control(card, QStringLiteral("sign"))).toStdString(), "plus");
    EXPECT_EQ(heard(control(card, QStringLiteral("DivideSign"))).toStdString(), "divided by");
    EXPECT_EQ(heard(control(card, QStringLiteral("Answer"))).toStdString(), "answer");
    EXPECT_EQ(heard(control(card, QStringLiteral("keypad(7)"))).toStdString(), "7");
    EXPECT_EQ(heard(control(card, QStringLiteral("keypad(10)"))).toStdString(), "minus");
    EXPECT_EQ(heard(control(card, QStringLiteral("iffybox"))).toStdString(), "thinking");
    // The window reads as a window and the faces as pictures, not as empty fillers.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(card)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(card, QStringLiteral("iffybox")))->role(), QAccessible::Graphic);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(card, QStringLiteral("check")))->role(), QAccessible::Button);
    EXPECT_EQ(heard(control(card, QStringLiteral("tries"))).toStdString(), "Total Tries: 0");

    // A wrong answer, then a right one: each is announced on the face that shows it (the event
    // itself reaches only a live accessibility bus; the AT-SPI script listens for it).
    auto* answer = control<QLineEdit>(card, QStringLiteral("Answer"));
    const QString result = solve(first->text(), QStringLiteral("+"), control<QLabel>(card, QStringLiteral("Digit(1)"))->text());
    answer->setText(QString::number(result.toInt() + 1));
    emit answer->textEdited(answer->text());
    control<QAbstractButton>(card, QStringLiteral("check"))->click();
    QWidget* wrong = control(card, QStringLiteral("frowneybox"));
    EXPECT_EQ(heard(wrong).toStdString(), "wrong");
    EXPECT_EQ(card->lastAnnouncement().toStdString(), "wrong");
    EXPECT_EQ(heard(control(card, QStringLiteral("tries"))).toStdString(), "Total Tries: 1");
    EXPECT_EQ(heard(control(card, QStringLiteral("NumRight"))).toStdString(), "Correct: 0");

    // Pressing CHECK again on the same card is a second try, and heard again.
    answer->setText(result);
    emit answer->textEdited(answer->text());
    control<QAbstractButton>(card, QStringLiteral("check"))->click();
    QWidget* right = control(card, QStringLiteral("smileybox"));
    EXPECT_EQ(heard(right).toStdString(), "right");
    EXPECT_EQ(card->announcements(), 2);
    EXPECT_EQ(heard(control(card, QStringLiteral("NumRight"))).toStdString(), "Correct: 1");

    QWidget* bar = control(card, QStringLiteral("timerbar"));
    EXPECT_EQ(heard(bar).toStdString(), "time bar");
    EXPECT_EQ(heard(bar, QAccessible::Description).toStdString(), "0 percent of the time used");
}

TEST_F(ScreenReader, sheetBoxesCarryTheirWholeProblem)
{
    program->state().settings.problemCount = 30;
    program->showDrill(TestMethod::Page);
    SheetWindow* sheet = program->sheetWindow();
    ASSERT_TRUE(activate(sheet));
    control<QAbstractButton>(sheet, QStringLiteral("nsheet"))->click();
    for (int k : {0, 6, 29}) {
        const QString a = control<QLabel>(sheet, QStringLiteral("num1(%1)").arg(k))->text();
        const QString b = control<QLabel>(sheet, QStringLiteral("num2(%1)").arg(k))->text();
        ASSERT_FALSE(a.isEmpty());
        EXPECT_EQ(heard(control(sheet, QStringLiteral("answer(%1)").arg(k))),
                  QStringLiteral("problem %1: %2 plus %3").arg(k + 1).arg(a, b));
    }
    EXPECT_EQ(heard(control(sheet, QStringLiteral("timerbar")), QAccessible::Description).toStdString(),
              "0 percent of the time used");
}

// An answer written by assistive technology (an on-screen keyboard, a braille display) through
// the box's editable-text interface is the answer CHECK checks.
TEST_F(ScreenReader, answerWrittenThroughTheEditableTextInterfaceIsChecked)
{
    program->showDrill(TestMethod::Cards);
    CardWindow* card = program->cardWindow();
    ASSERT_TRUE(activate(card));
    control<QAbstractButton>(card, QStringLiteral("new_prob"))->click();
    const QString result = solve(control<QLabel>(card, QStringLiteral("Digit(0)"))->text(), QStringLiteral("+"),
                                 control<QLabel>(card, QStringLiteral("Digit(1)"))->text());
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(control(card, QStringLiteral("Answer")));
    ASSERT_TRUE(box && box->editableTextInterface());
    box->editableTextInterface()->insertText(0, result);
    EXPECT_EQ(card->logic().screen().answer, result.toStdString());
    control<QAbstractButton>(card, QStringLiteral("check"))->click();
    EXPECT_EQ(card->lastAnnouncement().toStdString(), "right");
    // The view's own rendering (the next card empties the box) is not taken for an edit.
    ASSERT_TRUE(waitFor([&] { return control<QLineEdit>(card, QStringLiteral("Answer"))->text().isEmpty(); }));
    EXPECT_EQ(card->logic().screen().answer, "");
    EXPECT_EQ(control<QLabel>(card, QStringLiteral("tries"))->text().toStdString(), "1");
}

// A help page is read as its text, not as a picture of it.
TEST_F(ScreenReader, helpPageTextIsReadable)
{
    QString read;
    QString name;
    QTimer::singleShot(0, [&] {
        if (QWidget* page = QApplication::activeModalWidget()) {
            if (QWidget* box = control(page, QStringLiteral("RichTextBox1"))) {
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
                if (iface && iface->textInterface())
                    read = iface->textInterface()->text(0, iface->textInterface()->characterCount());
                name = heard(box);
            }
            page->close();
        }
    });
    program->setupWindow()->findChild<QAction*>(QStringLiteral("mnuHelpPage1"))->trigger();
    EXPECT_TRUE(read.contains(QStringLiteral("You can select any number from -15 to +15 as your range.")))
        << read.left(200).toStdString();
    EXPECT_EQ(name.toStdString(), "Set Up the FlashCards");
}

} // namespace
