#pragma once
#include "platform/qt/MdiChildWindow.h"

#include <cstdint>

// The axis design window of one axis: a child of the main window that the user can only
// minimise. Its Tag carries the axis ID (Str of the number); the window
// reads it back on every activation.
class frmAxisDesign : public platform::MdiChildWindow {
    Q_OBJECT
public:
    explicit frmAxisDesign(QWidget* parent = nullptr);
    ~frmAxisDesign() override;

    // The axis ID of the Tag.
    int16_t AxisId() const;

    // Marks the window's line in the outline as the active one; the first
    // activation also sets the caption and records the window state.
    void Form_Activate();
    // Caption: text 35, " - " and the axis title (the Tag text when the
    // title is empty).
    void mSubSetFormCaption();
    // Refill the load, mechanism and motor grids from the axis record in the
    // current display units.
    void mSubWriteLoadDataToTable();
    void mSubWriteMechanismDataToTable();
    void mSubWriteMotorDataToTable();

signals:
    // A grid was refilled: 0 load, 1 mechanism, 2 motor.
    void TableRefreshed(int grid);

protected:
    void ActivateStep() override { Form_Activate(); }
    void WindowStateStep() override;
    void UnloadStep() override;

private:
    bool mbFirstActivation = true;
};
