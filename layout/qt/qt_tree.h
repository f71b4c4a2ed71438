#pragma once
// Which objects of a host window count as controls, and how they are named and nested.
#include <QString>
#include <vector>

class QObject;
class QWidget;
class QTabWidget;

namespace kelvane::qt {

// The window (form) an object belongs to; null for an object outside any widget.
QWidget* windowOf(const QObject* object);
bool isForm(const QObject* object);
// A named widget or timer of a window, not a Qt-internal part of another widget.
bool isControl(const QObject* object);
// The nearest ancestor that is a control or the form; null for a form.
QWidget* containerOf(const QObject* object);
// Every control of the window in a flat, stable order (depth first, creation order).
// Cached per window until a child is added or removed anywhere in the program.
const std::vector<QObject*>& controlsOf(QWidget* window);

// "keypad(3)" -> "keypad" and 3; a plain name has index -1.
QString baseName(const QString& objectName);
int arrayIndex(const QString& objectName);

// For a control on a tab page, the tab widget and the page; otherwise nulls.
QTabWidget* tabDialogOf(const QObject* object, QWidget** page = nullptr);

} // namespace kelvane::qt
