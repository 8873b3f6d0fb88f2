#pragma once
#include "shell/AxisChildWindow.h"

// The report window of one axis.
class frmReport : public AxisChildWindow {
    Q_OBJECT
public:
    // Caption text 37.
    explicit frmReport(QWidget* parent = nullptr);

    // The report takes the units of the time it is shown: nothing to do.
    void mSubUpdateScreenToUnitClass();
};
