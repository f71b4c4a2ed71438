#pragma once
// Adapting a host form laid out on one screen to the screen it runs on.
#include "control/instance.h"

#include <string>

namespace kelvane {

// The host form's Resize event and the Resize member: returns the log after a pass, else "".
std::string HandleResizeRequest(Instance& inst);

} // namespace kelvane
