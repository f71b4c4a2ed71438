// Text and fonts: a control's Font object, its background colour and its caption.
#include "qt_font.h"
#include "qt_members.h"
#include "qt_values.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace kelvane::qt {

namespace {

bool hasLooks(Kind k) { return k != Kind::Timer && k != Kind::Line && k != Kind::Image; }

QPalette::ColorRole backRole(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
        qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QRadioButton*>(w) && !qobject_cast<const QCheckBox*>(w))
        return QPalette::Button;
    return QPalette::Window;
}

} // namespace

std::optional<Value> getText(QObject* o, Kind k, M m)
{
    switch (m) {
    case M::Font:
        if (!hasLooks(k))
            missing();
        return Value(Ref(std::make_shared<QtFont>(widgetOf(o))));
    case M::BackColor: {
        if (!hasLooks(k))
            missing();
        QWidget* w = widgetOf(o);
        return Value(toPlatformColor(w->palette().color(backRole(w))));
    }
    case M::Caption:
        if (k == Kind::Form)
            return Value(widgetOf(o)->windowTitle().toStdString());
        if (auto* label = qobject_cast<QLabel*>(o))
            return Value(label->text().toStdString());
        if (auto* button = qobject_cast<QAbstractButton*>(o))
            return Value(button->text().toStdString());
        if (auto* group = qobject_cast<QGroupBox*>(o))
            return Value(group->title().toStdString());
        missing();
    default: return std::nullopt;
    }
}

bool setText(QObject* o, Kind k, M m, const Value& value)
{
    switch (m) {
    case M::Font: {
        if (!hasLooks(k))
            missing();
        const Ref source = value.toObject();
        if (!source)
            throw Failure(err::ObjectRequired);
        QtFont target(widgetOf(o));
        target.set("Name", source->get("Name"));
        target.set("Size", source->get("Size"));
        return true;
    }
    case M::BackColor: {
        if (!hasLooks(k))
            missing();
        QWidget* w = widgetOf(o);
        QPalette palette = w->palette();
        const QPalette::ColorRole role = backRole(w);
        palette.setColor(role, fromPlatformColor(value.toInt32()));
        w->setPalette(palette);
        if (role == QPalette::Window)
            w->setAutoFillBackground(true);
        return true;
    }
    case M::Caption: {
        const QString text = QString::fromStdString(value.toString());
        if (k == Kind::Form)
            widgetOf(o)->setWindowTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(o))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(o))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(o))
            group->setTitle(text);
        else
            missing();
        return true;
    }
    default: return false;
    }
}

} // namespace kelvane::qt
