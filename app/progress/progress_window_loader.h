#pragma once
// The Progress window lives in a module of its own, loaded the first time it is asked for: its
// charts pull in Qt Charts and Qt OpenGL, which every start of the program would otherwise pay
// for. Without the module the program runs on; the Progress menu says the window is missing.
#include <QString>

class QWidget;

namespace zorvix::progress {

class ProgressService;

// A new Progress window over the service, not yet shown; null when the module cannot be
// loaded, after saying so in a message box (and once on standard error).
QWidget* createProgressWindow(ProgressService& service, QWidget* parent);
// Reads the store again into a window createProgressWindow made.
void reloadProgressWindow(QWidget* window);

// Why the module could not be loaded; empty when it was, or was not tried yet.
QString progressModuleProblem();
// Tests load the module from this file only, from now on (empty: the usual places again).
void setProgressModuleFile(const QString& file);

} // namespace zorvix::progress
