#include "sheet_generator.h"
