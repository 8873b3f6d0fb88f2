#include "design/frmAxisDesign.h"

#include "model/basWindowStatus.h"

frmAxisDesign::frmAxisDesign(QWidget* parent)
    : AxisChildWindow(WindowKind::AxisDesign, 35, QSize(200, 367), QSize(760, 540), parent)
{
    setObjectName("frmAxisDesign");
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
