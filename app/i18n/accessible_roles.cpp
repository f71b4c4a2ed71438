#include "accessible_roles.h"

#include "common/qt/svg_picture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

namespace zorvix::i18n {

QAccessibleInterface* accessibleRoleFactory(const QString& className, QObject* object)
{
    // Only the bare classes: anything Qt knows better (buttons, boxes, dialogs) keeps Qt's interface.
    if (className != QLatin1String("QWidget") && !className.startsWith(QLatin1String("zorvix::")))
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || qobject_cast<QDialog*>(widget))
        return nullptr;
    if (dynamic_cast<SvgPicture*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

void installAccessibleRoles()
{
    static const bool installed = (QAccessible::installFactory(accessibleRoleFactory), true);
    (void)installed;
}

} // namespace zorvix::i18n
