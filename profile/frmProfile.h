#pragma once
#include "platform/qt/MdiChildWindow.h"

#include <cstdint>

// The velocity profile window of one axis: a child of the main window that the user can only
// minimise. Its Tag carries the axis ID (Str of the number); the window
// reads it back on every activation.
class frmProfile : public platform::MdiChildWindow {
    Q_OBJECT
public:
    explicit frmProfile(QWidget* parent = nullptr);
    ~frmProfile() override;

    // The axis ID of the Tag.
    int16_t AxisId() const;

    // Marks the window's line in the outline as the active one; the first
    // activation also sets the caption and records the window state.
    void Form_Activate();
    // Caption: text 36, " - " and the axis title (the Tag text when the
    // title is empty).
    void mSubSetFormCaption();
    // Shows the window's values in the unit system now selected.
    void mSubUpdateScreenToUnitClass();

signals:
    // The window was refreshed after a change of unit system.
    void ScreenUpdatedToUnitClass();

protected:
    void ActivateStep() override { Form_Activate(); }
    void WindowStateStep() override;
    void UnloadStep() override;

private:
    bool mbFirstActivation = true;
};
