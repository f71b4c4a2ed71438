#include "setup_resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initSetupQrc() { Q_INIT_RESOURCE(setup); }

namespace zorvix {
void loadSetupResources()
{
    static const bool loaded = [] {
        initSetupQrc();
        return true;
    }();
    (void)loaded;
}
} // namespace zorvix
