#pragma once
class QWidget;

namespace zorvix {
// Places one layout control on a main window, which then rescales the window to its screen.
// Without the layout library the window simply stays unscaled.
void attachLayoutControl(QWidget& window);
// Loads the layout library ahead of the first window, so start-up can do it while other work waits.
void loadLayoutControl();
} // namespace zorvix
