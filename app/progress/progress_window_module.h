#pragma once
// What the Progress window module and the program that loads it agree on. The names carry a
// version: a module of another build is refused rather than called with the wrong arguments.
class QWidget;

namespace zorvix::progress {
class ProgressService;
}

using ProgressWindowCreateFn = QWidget* (*)(zorvix::progress::ProgressService& service, QWidget* parent);
using ProgressWindowReloadFn = void (*)(QWidget* window);

inline constexpr char kProgressWindowCreate[] = "zorvix_progress_window_create_1";
inline constexpr char kProgressWindowReload[] = "zorvix_progress_window_reload_1";
