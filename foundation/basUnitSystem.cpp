#include "foundation/basUnitSystem.h"
