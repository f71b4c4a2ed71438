#include "card_logic.h"
