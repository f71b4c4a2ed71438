// The Progress window module's entry points. The store, the translations and the caption
// fitting it calls are the loading program's own: the program exports them to its modules.
#include "progress_window.h"
#include "progress_window_module.h"

#include <QtGlobal>
#include <type_traits>

extern "C" Q_DECL_EXPORT QWidget* zorvix_progress_window_create_1(zorvix::progress::ProgressService& service, QWidget* parent)
{
    return new zorvix::progress::ProgressWindow(service, parent);
}

extern "C" Q_DECL_EXPORT void zorvix_progress_window_reload_1(QWidget* window)
{
    if (auto* progress = qobject_cast<zorvix::progress::ProgressWindow*>(window))
        progress->reload();
}

static_assert(std::is_same_v<decltype(&zorvix_progress_window_create_1), ProgressWindowCreateFn>);
static_assert(std::is_same_v<decltype(&zorvix_progress_window_reload_1), ProgressWindowReloadFn>);
