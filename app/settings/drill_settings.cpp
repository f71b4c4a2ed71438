#include "drill_settings.h"

#include "common/number.h"

namespace zorvix {

std::string DrillSettings::emphasisText() const { return emphasisNumber ? writeNumber(*emphasisNumber) : std::string(); }

} // namespace zorvix
