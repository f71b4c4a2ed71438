#pragma once
namespace zorvix {
// Registers the setup screen's pictures and help texts. Needed because they live in a static
// library, where nothing else would pull them into the program. Safe to call repeatedly.
void loadSetupResources();
} // namespace zorvix
