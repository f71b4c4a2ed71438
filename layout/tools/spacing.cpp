#include <kelvaneuc/kelvaneuc.h>

#include "control/not_yet.h"

namespace kelvane {

Result<> KelvaneUC::SpaceFixedLeftToRight(double, const Array&) { return notYetBuilt("SpaceFixedLeftToRight"); }
Result<> KelvaneUC::SpaceFixedRightToLeft(double, const Array&) { return notYetBuilt("SpaceFixedRightToLeft"); }
Result<> KelvaneUC::SpaceFixedTopToBottom(double, const Array&) { return notYetBuilt("SpaceFixedTopToBottom"); }
Result<> KelvaneUC::SpaceFixedBottomToTop(double, const Array&) { return notYetBuilt("SpaceFixedBottomToTop"); }
Result<> KelvaneUC::VSpaceEqually(double, double, const Array&) { return notYetBuilt("VSpaceEqually"); }
Result<> KelvaneUC::HSpaceEqually(double, double, const Array&) { return notYetBuilt("HSpaceEqually"); }
Result<> KelvaneUC::HCenter(double, double, const Array&) { return notYetBuilt("HCenter"); }
Result<> KelvaneUC::VCenter(double, double, const Array&) { return notYetBuilt("VCenter"); }
Result<> KelvaneUC::VSpaceEquallyBetween(const Array&) { return notYetBuilt("VSpaceEquallyBetween"); }
Result<> KelvaneUC::HSpaceEquallyBetween(const Array&) { return notYetBuilt("HSpaceEquallyBetween"); }

} // namespace kelvane
