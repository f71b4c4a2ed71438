#include "resize/resize.h"

namespace kelvane {

// Until the proportional pass exists a request only hides the control and records start-up.
std::string HandleResizeRequest(Instance& inst)
{
    inst.site.setVisible(false);
    inst.StartupDone = true;
    inst.frmParent = inst.site.parent();
    return {};
}

} // namespace kelvane
