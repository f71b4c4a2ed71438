#pragma once
// Roles Qt cannot guess for our plain widgets: a main window built on QWidget would read as a
// bare "filler", and a picture (the faces, the division sign) as nothing at all.
class QAccessibleInterface;
class QObject;
class QString;

namespace zorvix::i18n {

// Installs the role factory once; call before the first window is shown.
void installAccessibleRoles();

// The factory itself, for tests: an interface for the object, or null to let Qt decide.
QAccessibleInterface* accessibleRoleFactory(const QString& className, QObject* object);

} // namespace zorvix::i18n
