#include "layout_link.h"

namespace zorvix {
// The layout library is linked in a later step; until then windows keep their design size.
void attachLayoutControl(QWidget&) {}
} // namespace zorvix
