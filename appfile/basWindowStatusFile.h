#pragma once
// The file side of the window-status list: the WindowStatus table of an
// application file, one row per live entry (AxisNumber, FormNumber, Status).
#include "appfile/AppFileError.h"
#include "model/basWindowStatus.h"

#include <vector>

namespace platform { class Database; }

// Appends one WindowStatus row per element of rows, in order. False with
// error set at the first row that fails.
bool bFctWriteWindowStatus(platform::Database& db, const std::vector<WindowStatusRow>& rows,
                           appfile::AppFileError& error);

// Reads every WindowStatus row, in stored order, into rows (replacing what it
// held). False with error set when the table or a value cannot be read (a
// value outside 16 bits included) or the table holds more rows than three
// axes have windows.
bool bFctReadWindowStatus(platform::Database& db, std::vector<WindowStatusRow>& rows,
                          appfile::AppFileError& error);
