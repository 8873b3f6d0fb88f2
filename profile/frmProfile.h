#pragma once
#include "shell/AxisChildWindow.h"

// The velocity profile window of one axis.
class frmProfile : public AxisChildWindow {
    Q_OBJECT
public:
    // Caption text 36.
    explicit frmProfile(QWidget* parent = nullptr);

    // Shows the window's values in the unit system now selected.
    void mSubUpdateScreenToUnitClass();

    // Switches the axis to rotary (0) or linear (1) motion, as a click on
    // that motion-mode option would; a switch to linear without a travel
    // value is refused with message 2010. The caller reads the axis's
    // motion mode afterwards to see whether the switch took place.
    void optMotionMode_Click(int16_t index);

    // Redraws the torque graph from the axis (mode 0).
    void mSubDisplayTorqueGraph(int16_t mode);

signals:
    // The window was refreshed after a change of unit system.
    void ScreenUpdatedToUnitClass();
};
