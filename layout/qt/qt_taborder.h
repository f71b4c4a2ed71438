#pragma once
// TabIndex of a window's controls: contiguous from 0, one order per window, applied to the
// Qt focus chain for the controls that can take focus.
class QWidget;

namespace kelvane::qt {

// -1 when the control has no place in the tab order.
int tabIndexOf(QWidget* control);
// Moves the control to position n (clamped to the last); the others shift to make room.
void setTabIndex(QWidget* control, int n);

} // namespace kelvane::qt
