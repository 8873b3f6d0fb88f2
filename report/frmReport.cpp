#include "report/frmReport.h"

#include "model/basWindowStatus.h"

frmReport::frmReport(QWidget* parent)
    : AxisChildWindow(WindowKind::Report, 37, StateRecording::FirstActivationOnly, parent)
{
    setObjectName("frmReport");
}

void frmReport::mSubUpdateScreenToUnitClass()
{
}
