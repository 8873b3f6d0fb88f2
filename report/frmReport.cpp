#include "report/frmReport.h"

#include "model/basWindowStatus.h"

frmReport::frmReport(QWidget* parent)
    : AxisChildWindow(WindowKind::Report, 37, QSize(400, 300), QSize(760, 540), parent)
{
    setObjectName("frmReport");
}

void frmReport::mSubUpdateScreenToUnitClass()
{
}
