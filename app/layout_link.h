#pragma once
class QWidget;

namespace zorvix {
// Places one layout control on a main window, which then rescales the window to its screen.
// Without the layout library the window simply stays unscaled.
void attachLayoutControl(QWidget& window);
} // namespace zorvix
