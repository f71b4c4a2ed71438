#pragma once
// Drives the whole program as a keyboard user does: every input is a key press sent to the
// widget that has the focus; the test only reads what the screen shows.
#include "program.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace zorvix::drive {

inline QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

template <class T = QWidget> T* control(QWidget* window, const QString& name)
{
    return window ? window->findChild<T*>(name) : nullptr;
}

// The offscreen platform has no window manager; make the shown window the active one, as a
// desktop would when it opens.
inline bool activate(QWidget* window)
{
    if (!window || !window->isVisible())
        return false;
    // A dialog shares activation with its parent, so wait for the window itself to be the active one.
    window->activateWindow();
    for (int waited = 0; waited < 2000 && QApplication::activeWindow() != window; waited += 20)
        QTest::qWait(20);
    return QApplication::activeWindow() == window;
}

inline QWidget* focused()
{
    QWidget* w = QApplication::focusWidget();
    return w ? w : QApplication::activeWindow();
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = focused();
    ASSERT_NE(target, nullptr) << "no window takes keys";
    QTest::keyClick(target, key, modifiers);
}

// Tabs until the named control has the focus; false when a full round does not reach it.
inline bool tabTo(const QString& name, int limit = 80)
{
    QStringList visited;
    for (int i = 0; i < limit; ++i) {
        visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("<none>"));
        // An editable box's own line edit may hold the focus on its behalf.
        const QWidget* f = QApplication::focusWidget();
        if (f && (f->objectName() == name || (f->parentWidget() && f->parentWidget()->objectName() == name)))
            return true;
        QWidget* target = focused();
        if (!target)
            return false;
        QTest::keyClick(target, Qt::Key_Tab);
    }
    ADD_FAILURE() << "focus never reached " << name.toStdString() << " past " << visited.join(u' ').toStdString();
    return false;
}

// Types a number: digits from the number pad, the sign from the minus key.
inline void typeOnKeypad(const QString& number)
{
    for (QChar c : number) {
        if (c == u'-')
            press(Qt::Key_Minus, Qt::KeypadModifier);
        else if (c.isDigit())
            press(Qt::Key(Qt::Key_0 + c.digitValue()), Qt::KeypadModifier);
    }
}

inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 4000)
{
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        if (condition())
            return true;
        QTest::qWait(20);
    }
    return condition();
}

// The result of a problem as the child would work it out from what is on show.
inline QString solve(const QString& first, const QString& sign, const QString& second)
{
    const double a = first.trimmed().toDouble();
    const double b = second.trimmed().toDouble();
    const QString s = sign.trimmed();
    const double r = s == u"+" ? a + b : s == u"-" ? a - b : s == u"x" ? a * b : (b != 0 ? a / b : 0);
    return QString::number(r, 'g', 12);
}

} // namespace zorvix::drive
