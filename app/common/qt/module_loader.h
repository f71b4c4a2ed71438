#pragma once
// The program's own modules: code it loads on first use, so that the libraries only that code
// needs are not loaded at every start.
#include <QFunctionPointer>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

namespace zorvix {

// Where a module may be, in order: beside the program (a relocated build), the install layout's
// folder for the program's modules (relative to the program's folder), then the build tree.
QStringList moduleCandidates(const QString& fileName, const QString& relativeDir, const QString& buildFile);

// Loads the first candidate that exists and offers every entry, and fills the entries. A loaded
// module stays loaded: what it makes holds pointers into it. False, with every candidate's
// problem in problem, when none would do.
bool loadModule(const QStringList& candidates, std::initializer_list<std::pair<const char*, QFunctionPointer*>> entries,
                QString& problem);

} // namespace zorvix
