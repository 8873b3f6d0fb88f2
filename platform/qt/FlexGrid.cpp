#include "platform/qt/FlexGrid.h"
