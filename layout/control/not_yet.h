#pragma once
// Members whose tools are not built yet answer as a member the object lacks.
#include <kelvaneuc/value.h>

namespace kelvane {
inline Error notYetBuilt(const char* member)
{
    return makeError(err::MissingMember, std::string(member) + " is not available in this build");
}
} // namespace kelvane
