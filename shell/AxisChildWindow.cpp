#include "shell/AxisChildWindow.h"

#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "shell/basWindowSlots.h"


AxisChildWindow::AxisChildWindow(int16_t windowKind, int16_t captionId, QSize minimumSize,
                                 QSize normalSize, QWidget* parent)
    : platform::MdiChildWindow(parent),
      mnWindowKind(windowKind),
      mnCaptionId(captionId)
{
    setMinimumSize(minimumSize);
    resize(normalSize.expandedTo(minimumSize));
}

AxisChildWindow::~AxisChildWindow()
{
    RunUnloadStepOnce();
}

int16_t AxisChildWindow::AxisId() const
{
    return nFctSlotOfTag(Tag().toStdString());
}

void AxisChildWindow::Form_Activate()
{
    const int16_t axis = AxisId();
    if (nFctUsedAxisPosition(axis) < 0)
        return;
    if (mbFirstActivation) {
        mSubSetFormCaption();
        FirstActivationStep();
        mbFirstActivation = false;
        RecordWindowState(axis);
    }
    SubAxisWindowActivated(axis, mnWindowKind);
    EveryActivationStep();
}

void AxisChildWindow::mSubSetFormCaption()
{
    setWindowTitle(QString::fromStdString(sFctAxisWindowCaption(mnCaptionId, Tag().toStdString())));
}

void AxisChildWindow::WindowStateStep()
{
    const int16_t axis = AxisId();
    if (!mbFirstActivation && nFctUsedAxisPosition(axis) >= 0)
        RecordWindowState(axis);
}

void AxisChildWindow::UnloadStep()
{
    SubFreeSlotWindow(AxisId(), mnWindowKind);
}

void AxisChildWindow::RecordWindowState(int16_t axis)
{
    // Window states are always recorded under the axis ID, the number the
    // file writer maps to the stored axis number; the axis's position would
    // name another axis once a deleted axis's slot has been refilled.
    SubSetWindowStatus(axis, mnWindowKind, WindowState(), model::kFalse);
}
