#include "design/frmMotorReq.h"

frmMotorReq::frmMotorReq(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmMotorReq");
}
