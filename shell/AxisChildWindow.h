#pragma once
#include "platform/qt/MdiChildWindow.h"

#include <QSize>

#include <cstdint>

// What the three windows of an axis (design, velocity profile, report) have
// in common: a child of the main window that the user can only minimise,
// whose Tag carries the axis ID (Str of the number); the window reads it
// back on every activation. The window state is recorded on the first
// activation and on every later change of window state, always under the
// axis ID. The window frees its place in the axis's slot when it goes.
class AxisChildWindow : public platform::MdiChildWindow {
    Q_OBJECT
public:
    ~AxisChildWindow() override;

    // The axis ID of the Tag.
    int16_t AxisId() const;

    // Every activation: the first one sets the caption, runs the window's
    // first-activation work and records the window state; then the window's
    // line in the outline is marked as the active one and the work of every
    // activation runs.
    void Form_Activate();
    // Caption: the window's caption text, " - " and the axis title (the Tag
    // text when the title is empty).
    void mSubSetFormCaption();

protected:
    // windowKind: the WindowKind of the window; captionId: the text that
    // starts its caption; minimumSize: the smallest size the window takes
    // (its content still readable); normalSize: its size when it is neither
    // minimised nor maximised, until the user changes it.
    AxisChildWindow(int16_t windowKind, int16_t captionId, QSize minimumSize, QSize normalSize,
                    QWidget* parent);

    // True from the window's creation until its first activation has done
    // its work; events that the first filling fires are ignored meanwhile.
    bool IsFirstActivation() const { return mbFirstActivation; }
    // The window's own work of the first activation (after the caption, before
    // the window state is recorded) and of every activation (after the outline
    // mark). Both run only while the axis exists.
    virtual void FirstActivationStep() {}
    virtual void EveryActivationStep() {}

    void ActivateStep() override { Form_Activate(); }
    void WindowStateStep() override;
    void UnloadStep() override;

private:
    void RecordWindowState(int16_t axis);

    const int16_t mnWindowKind;
    const int16_t mnCaptionId;
    bool mbFirstActivation = true;
};
