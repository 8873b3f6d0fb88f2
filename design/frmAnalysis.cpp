#include "design/frmAnalysis.h"

frmAnalysis::frmAnalysis(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmAnalysis");
}
