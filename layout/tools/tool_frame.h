#pragma once
// What the moving, spacing and centring tools share: positional order through the instance's
// own sort, and the band arithmetic.
#include <kelvaneuc/kelvaneuc.h>

#include "control/instance.h"

#include <vector>

namespace kelvane {

// Sorts the keys ascending (descending when asked) with the instance's Sort, as callers of
// GetIndexArray expect, and returns the positional order (indexes into the tool's list).
std::vector<int32_t> positionalOrder(KelvaneUC& control, std::vector<double> keys, bool descending = false);

enum class MoveEdge { Top, Bottom, Left, Right };

// The group keeps its inner layout; its outermost edge lands on target.
Result<> moveGroup(KelvaneUC& control, Instance& inst, const Array& args, MoveEdge edge, double target);

} // namespace kelvane
