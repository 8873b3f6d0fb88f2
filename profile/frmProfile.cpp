#include "profile/frmProfile.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/basMessageCatalogue.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basValueConversion.h"
#include "model/basWindowStatus.h"

frmProfile::frmProfile(QWidget* parent)
    : AxisChildWindow(WindowKind::Profile, 36, QSize(533, 320), QSize(760, 540), parent)
{
    setObjectName("frmProfile");
}

void frmProfile::mSubUpdateScreenToUnitClass()
{
    emit ScreenUpdatedToUnitClass();
}

void frmProfile::optMotionMode_Click(int16_t index)
{
    const int16_t axis = AxisId();
    if (nFctGetMotionMode(axis) == index)
        return;
    double travel = -1.0;
    int16_t travelUnit = 0;
    if (!nFctGetAxisRevsPerTravel(axis, travel, travelUnit, 0)) {
        SubPrepareCatalogueMessage(*gMsg, 2010);
        gMsg->nFctDisplay();
        return;
    }
    SubConvertQuickSetupForMotionSwitch(axis);
    SubConvertSegmentsForMotionSwitch(axis);
    SubSetMotionMode(axis, index != 0 ? 1 : 0);
}

void frmProfile::mSubDisplayTorqueGraph(int16_t)
{
}
