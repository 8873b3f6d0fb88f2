#pragma once
#include "shell/AxisChildWindow.h"

// The axis design window of one axis.
class frmAxisDesign : public AxisChildWindow {
    Q_OBJECT
public:
    // Caption text 35.
    explicit frmAxisDesign(QWidget* parent = nullptr);

    // Refill the load, mechanism and motor grids from the axis record in the
    // current display units.
    void mSubWriteLoadDataToTable();
    void mSubWriteMechanismDataToTable();
    void mSubWriteMotorDataToTable();

signals:
    // A grid was refilled: 0 load, 1 mechanism, 2 motor.
    void TableRefreshed(int grid);
};
