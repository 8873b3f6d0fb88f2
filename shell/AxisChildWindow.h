#pragma once
#include "platform/qt/MdiChildWindow.h"

#include <cstdint>

// What the three windows of an axis (design, velocity profile, report) have
// in common: a child of the main window that the user can only minimise,
// whose Tag carries the axis ID (Str of the number); the window reads it
// back on every activation. The window frees its place in the axis's slot
// when it goes.
class AxisChildWindow : public platform::MdiChildWindow {
    Q_OBJECT
public:
    ~AxisChildWindow() override;

    // The axis ID of the Tag.
    int16_t AxisId() const;

    // Marks the window's line in the outline as the active one; the first
    // activation also sets the caption. The window state is recorded on the
    // first activation, and on every later one when the window asks for it.
    void Form_Activate();
    // Caption: the window's caption text, " - " and the axis title (the Tag
    // text when the title is empty).
    void mSubSetFormCaption();

protected:
    // When an activation records the window state.
    enum class StateRecording { EveryActivation, FirstActivationOnly };

    // windowKind: the WindowKind of the window; captionId: the text that
    // starts its caption.
    AxisChildWindow(int16_t windowKind, int16_t captionId, StateRecording recording,
                    QWidget* parent);

    void ActivateStep() override { Form_Activate(); }
    void WindowStateStep() override;
    void UnloadStep() override;

private:
    void RecordWindowState(int16_t axis);

    const int16_t mnWindowKind;
    const int16_t mnCaptionId;
    const StateRecording mRecording;
    bool mbFirstActivation = true;
};
