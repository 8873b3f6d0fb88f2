#include "profile/frmProfile.h"

#include "model/basWindowStatus.h"

frmProfile::frmProfile(QWidget* parent)
    : AxisChildWindow(WindowKind::Profile, 36, StateRecording::EveryActivation, parent)
{
    setObjectName("frmProfile");
}

void frmProfile::mSubUpdateScreenToUnitClass()
{
    emit ScreenUpdatedToUnitClass();
}
