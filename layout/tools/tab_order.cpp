#include <kelvaneuc/kelvaneuc.h>

#include "control/not_yet.h"

namespace kelvane {

Result<> KelvaneUC::SetTabOrder(const Ref&, bool, double, double, int32_t, const Array&) { return notYetBuilt("SetTabOrder"); }
Result<Array> KelvaneUC::GroupVerticallyOn(const Ref&, const Array&) { return notYetBuilt("GroupVerticallyOn"); }
Result<Array> KelvaneUC::GroupHorizontallyOn(const Ref&, const Array&) { return notYetBuilt("GroupHorizontallyOn"); }

} // namespace kelvane
