// Faults the random-event runs found, pinned on the real windows.
#include "robust_shell.h"
#include "screens.h"
#include "watchdog.h"

#include "card/card_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>

namespace {

using zorvix::RobustShell;
using zorvix::TestMethod;

// A printable key the answer box does not take (Ctrl+5 carries the text "5") came back to the
// card window from the answer box, which sent it to the answer box again, for ever.
TEST(CardWindowKeys, aKeyTheAnswerBoxRefusesEndsInsteadOfBouncingForEver)
{
    robust::Watchdog watchdog("card key bounce", std::chrono::seconds(60));
    RobustShell shell(3, RobustShell::Printer::None);
    shell.showDrill(TestMethod::Cards);
    robust::settle();
    QWidget* card = shell.card();
    ASSERT_NE(card, nullptr);
    auto* answer = card->findChild<QLineEdit*>(QStringLiteral("Answer"));
    ASSERT_NE(answer, nullptr);
    answer->setText(QStringLiteral("12"));
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)}) {
        for (QAbstractButton* button : card->findChildren<QAbstractButton*>()) {
            if (!button->isVisible())
                continue;
            button->setFocus();
            QTest::keyClick(card, Qt::Key_5, mods);
        }
        answer->setFocus();
        QTest::keyClick(answer, Qt::Key_5, mods);
    }
    EXPECT_EQ(answer->text(), QStringLiteral("12")); // a refused key types nothing
}

} // namespace
