#pragma once
// Reading the content of an application file into working arrays, checked
// as a whole before anything reaches the model.
#include "appfile/AppFileError.h"
#include "model/basWindowStatus.h"

#include <vector>

namespace platform { class Database; }
struct AxisRec;

enum class ApplicationFileContent {
    Read,           // axes and window-status rows complete and consistent
    ForeignMarker,  // the file belongs to another customised version
    Failed          // unreadable or inconsistent; error says why
};

// Reads every axis (in AxisData order, each with its motor, mechanism, load,
// segment and quick-setup rows) into axes and the WindowStatus rows into
// windows. The file is accepted only when its company marker begins with
// "QZ", it holds at most three axes numbered 1 to N once each, every count
// fits its block (at most 10 motor, 13 mechanism and 5 load parameters, 7
// mechanisms, 10 segments), every row the counts call for is present and no
// row is left over, and every value fits its column. A Null value is passed
// over: the field keeps the value of an empty axis.
ApplicationFileContent ReadApplicationFileContent(platform::Database& db, std::vector<AxisRec>& axes,
                                                  std::vector<WindowStatusRow>& windows,
                                                  appfile::AppFileError& error);
