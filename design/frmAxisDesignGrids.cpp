// The parameter grids of the axis design window: the motor, mechanism and
// load grids with their information grids.
#include "design/frmAxisDesign.h"

void frmAxisDesign::mSubSetupMotorGrid(int16_t rows)
{
    mnMotorDataRows = rows;
}

void frmAxisDesign::mSubSetupMechanismGrid(int16_t rows)
{
    mnMechanismDataRows = rows;
}

void frmAxisDesign::mSubSetupLoadGrid(int16_t rows)
{
    mnLoadDataRows = rows;
}

void frmAxisDesign::mSubSetColors()
{
}

void frmAxisDesign::mSubSetupReferenceGrids()
{
}

void frmAxisDesign::mSubWriteLoadDataToTable()
{
    emit TableRefreshed(0);
}

void frmAxisDesign::mSubWriteMechanismDataToTable(int16_t position)
{
    emit TableRefreshed(1);
}

void frmAxisDesign::mSubWriteMotorDataToTable()
{
    emit TableRefreshed(2);
}
