#pragma once
// The globals that every model test reads or writes, saved when the object
// is made and put back when it goes: the unit tables and selections, the
// parameter control table, the decimal separator, the axis arrays and the
// window-status change flag.
#include <string>
#include <vector>

#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "tests/support/SavedUnitTables.h"

namespace testing_support {

class SavedModelGlobals {
public:
    SavedModelGlobals() = default;
    ~SavedModelGlobals()
    {
        gParamControl = control_;
        gnParamControlCount = controlCount_;
        gsDecimalSeparator = separator_;
        gAxis = axes_;
        gAxisSaved = savedAxes_;
        gbWindowStatusChanged = windowsChanged_;
    }
    SavedModelGlobals(const SavedModelGlobals&) = delete;
    SavedModelGlobals& operator=(const SavedModelGlobals&) = delete;

private:
    SavedUnitTables unitTables_;
    std::vector<ParamControlRow> control_ = gParamControl;
    int16_t controlCount_ = gnParamControlCount;
    std::string separator_ = gsDecimalSeparator;
    std::vector<AxisRec> axes_ = gAxis, savedAxes_ = gAxisSaved;
    int16_t windowsChanged_ = gbWindowStatusChanged;
};

} // namespace testing_support
