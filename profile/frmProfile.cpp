#include "profile/frmProfile.h"

#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "shell/basWindowSlots.h"

#include <QLabel>

namespace {
constexpr int16_t kWindowKind = WindowKind::Profile;
}

frmProfile::frmProfile(QWidget* parent)
    : platform::MdiChildWindow(parent)
{
    setObjectName("frmProfile");
    setWidget(new QLabel(this));
}

frmProfile::~frmProfile()
{
    RunUnloadStepOnce();
}

int16_t frmProfile::AxisId() const
{
    return nFctSlotOfTag(Tag().toStdString());
}

void frmProfile::Form_Activate()
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

void frmProfile::mSubSetFormCaption()
{
    setWindowTitle(QString::fromStdString(sFctAxisWindowCaption(36, Tag().toStdString())));
}

void frmProfile::mSubUpdateScreenToUnitClass()
{
    emit ScreenUpdatedToUnitClass();
}

void frmProfile::WindowStateStep()
{
    const int16_t axis = AxisId();
    if (!mbFirstActivation && nFctUsedAxisPosition(axis) >= 0)
        SubSetWindowStatus(axis, kWindowKind, WindowState(), model::kFalse);
}

void frmProfile::UnloadStep()
{
    const auto slot = static_cast<size_t>(AxisId());
    if (slot > 0 && slot < gbProfileUnloaded.size()) {
        gbProfileUnloaded[slot] = -1;
        gfrmProfile[slot] = nullptr;
    }
}
