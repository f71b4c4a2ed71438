#include <kelvaneuc/kelvaneuc.h>

#include "control/not_yet.h"

namespace kelvane {

Result<> KelvaneUC::ShowTabOrder(int32_t, int32_t) { return notYetBuilt("ShowTabOrder"); }
Result<> KelvaneUC::ShowTabOrderDemo(int32_t, int32_t) { return notYetBuilt("ShowTabOrderDemo"); }

} // namespace kelvane
