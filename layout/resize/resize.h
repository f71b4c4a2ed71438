#pragma once
// Adapting a host form laid out on one screen to the screen it runs on.
#include "control/instance.h"

#include <string>

namespace kelvane {

// The host form's Resize event and the Resize member: hides the control, records the start-up
// request, and runs a pass when the settings ask for one. Returns the log after a pass, else "".
// Never throws.
std::string HandleResizeRequest(Instance& inst);

} // namespace kelvane
