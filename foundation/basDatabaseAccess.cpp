#include "foundation/basDatabaseAccess.h"
