#pragma once
#include "shell/AxisChildWindow.h"

// The velocity profile window of one axis. It records its window state on
// every activation.
class frmProfile : public AxisChildWindow {
    Q_OBJECT
public:
    // Caption text 36.
    explicit frmProfile(QWidget* parent = nullptr);

    // Shows the window's values in the unit system now selected.
    void mSubUpdateScreenToUnitClass();

signals:
    // The window was refreshed after a change of unit system.
    void ScreenUpdatedToUnitClass();
};
