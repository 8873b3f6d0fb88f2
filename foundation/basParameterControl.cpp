#include "foundation/basParameterControl.h"
