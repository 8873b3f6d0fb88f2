#pragma once
// The rows of an application file, appended in the order that reading them
// back relies on. Rows carry no keys: they belong to their axis, mechanism or
// parameter block only by their place and by the counts stored before them.
#include "appfile/AppFileError.h"

#include <vector>

namespace platform { class Database; }
struct AxisRec;

// Appends, for every record of axes[0 .. axes.size() - 2] (the last one is the
// spare) that is in use, its AxisData row, motor rows, per mechanism its
// MechData row and parameter rows, load rows, six rows per segment and the
// six quick-setup rows. The stored axis number is 1 + the axis's position
// among the axes in use. False with error set at the first row that fails.
bool bFctWriteAxisRows(platform::Database& db, const std::vector<AxisRec>& axes,
                       appfile::AppFileError& error);
