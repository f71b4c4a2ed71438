#include <kelvaneuc/kelvaneuc.h>

#include "control/not_yet.h"

namespace kelvane {

Result<> KelvaneUC::AlignLefts(const Array&) { return notYetBuilt("AlignLefts"); }
Result<> KelvaneUC::AlignTops(const Array&) { return notYetBuilt("AlignTops"); }
Result<> KelvaneUC::AlignMiddles(const Array&) { return notYetBuilt("AlignMiddles"); }
Result<> KelvaneUC::AlignCenters(const Array&) { return notYetBuilt("AlignCenters"); }
Result<> KelvaneUC::AlignRights(const Array&) { return notYetBuilt("AlignRights"); }
Result<> KelvaneUC::AlignBottoms(const Array&) { return notYetBuilt("AlignBottoms"); }
Result<> KelvaneUC::MakeEqualWidth(const Array&) { return notYetBuilt("MakeEqualWidth"); }
Result<> KelvaneUC::MakeEqualHeight(const Array&) { return notYetBuilt("MakeEqualHeight"); }
Result<> KelvaneUC::MakeEqualBoth(const Array&) { return notYetBuilt("MakeEqualBoth"); }
Result<> KelvaneUC::MoveTopTo(double, const Array&) { return notYetBuilt("MoveTopTo"); }
Result<> KelvaneUC::MoveBottomTo(double, const Array&) { return notYetBuilt("MoveBottomTo"); }
Result<> KelvaneUC::MoveLeftTo(double, const Array&) { return notYetBuilt("MoveLeftTo"); }
Result<> KelvaneUC::MoveRightTo(double, const Array&) { return notYetBuilt("MoveRightTo"); }
Result<Array> KelvaneUC::GetArrayOfControls(const Array&) { return notYetBuilt("GetArrayOfControls"); }
Result<Array> KelvaneUC::GetArrayOfChildren(const Ref&, const Array&) { return notYetBuilt("GetArrayOfChildren"); }

} // namespace kelvane
