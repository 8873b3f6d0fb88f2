#include "design/frmAxisDesign.h"

#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "shell/basWindowSlots.h"

#include <QLabel>

namespace {
constexpr int16_t kWindowKind = WindowKind::AxisDesign;
}

frmAxisDesign::frmAxisDesign(QWidget* parent)
    : platform::MdiChildWindow(parent)
{
    setObjectName("frmAxisDesign");
    setWidget(new QLabel(this));
}

frmAxisDesign::~frmAxisDesign()
{
    RunUnloadStepOnce();
}

int16_t frmAxisDesign::AxisId() const
{
    return nFctSlotOfTag(Tag().toStdString());
}

void frmAxisDesign::Form_Activate()
{
    const int16_t axis = AxisId();
    if (nFctUsedAxisPosition(axis) < 0)
        return;
    if (mbFirstActivation) {
        mbFirstActivation = false;
        mSubSetFormCaption();
    }
    // Window states are always recorded under the axis ID, the number the
    // file writer maps to the stored axis number; the axis's position would
    // name another axis once a deleted axis's slot has been refilled.
    SubSetWindowStatus(axis, kWindowKind, WindowState(), model::kFalse);
    SubAxisWindowActivated(axis, kWindowKind);
}

void frmAxisDesign::mSubSetFormCaption()
{
    setWindowTitle(QString::fromStdString(sFctAxisWindowCaption(35, Tag().toStdString())));
}

void frmAxisDesign::mSubWriteLoadDataToTable()
{
    emit TableRefreshed(0);
}

void frmAxisDesign::mSubWriteMechanismDataToTable()
{
    emit TableRefreshed(1);
}

void frmAxisDesign::mSubWriteMotorDataToTable()
{
    emit TableRefreshed(2);
}

void frmAxisDesign::WindowStateStep()
{
    const int16_t axis = AxisId();
    if (!mbFirstActivation && nFctUsedAxisPosition(axis) >= 0)
        SubSetWindowStatus(axis, kWindowKind, WindowState(), model::kFalse);
}

void frmAxisDesign::UnloadStep()
{
    const auto slot = static_cast<size_t>(AxisId());
    if (slot > 0 && slot < gbDesignUnloaded.size()) {
        gbDesignUnloaded[slot] = -1;
        gfrmAxisDesign[slot] = nullptr;
    }
}
