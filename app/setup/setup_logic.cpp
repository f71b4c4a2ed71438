#include "setup_logic.h"
