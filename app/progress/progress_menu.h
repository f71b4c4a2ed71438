#pragma once
// The "&Progress" menu of the setup screen: the Progress window, who is practising, the
// hardest facts, export and forgetting. Nothing here touches the store until an item is used.
#include "progress_record.h"

#include <QString>
#include <vector>

class QInputDialog;
class QMenu;
class QMenuBar;
class QWidget;

namespace zorvix {

class Shell;

namespace progress {

class ProgressService;

QMenu* addProgressMenu(QMenuBar* bar, Shell& shell, QWidget* window);

// The dialog that asks for a child's name: a new child's (name empty) or a new name for one.
enum class ProfileDialog { New, Rename };
QInputDialog* profileNameDialog(ProfileDialog kind, const QString& name, QWidget* parent);

// The most-missed facts of the last 30 days for the child practising now, most missed first.
std::vector<Fact> hardestFactsToPractise(ProgressService& service, QString* why);
constexpr int kHardestFactsDays = 30;
constexpr int kHardestFactsCount = 20;
// Every record as CSV into a file (at school a pupil's own, the teacher's every one); false with
// why on failure.
bool exportCsv(ProgressService& service, const QString& file, QString* why);
// Forgets every child's records, after what was queued is written; at school (the teacher's
// alone) the records of the pupil chosen now.
bool forgetAllProgress(ProgressService& service, QString* why);

} // namespace progress
} // namespace zorvix
