#include "report/frmReport.h"

#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "shell/basWindowSlots.h"

#include <QLabel>

namespace {
constexpr int16_t kWindowKind = WindowKind::Report;
}

frmReport::frmReport(QWidget* parent)
    : platform::MdiChildWindow(parent)
{
    setObjectName("frmReport");
    setWidget(new QLabel(this));
}

frmReport::~frmReport()
{
    RunUnloadStepOnce();
}

int16_t frmReport::AxisId() const
{
    return nFctSlotOfTag(Tag().toStdString());
}

void frmReport::Form_Activate()
{
    const int16_t axis = AxisId();
    if (nFctUsedAxisPosition(axis) < 0)
        return;
    if (mbFirstActivation) {
        mbFirstActivation = false;
        mSubSetFormCaption();
        // Recorded under the axis ID (see the design window).
        SubSetWindowStatus(axis, kWindowKind, WindowState(), model::kFalse);
    }
    SubAxisWindowActivated(axis, kWindowKind);
}

void frmReport::mSubSetFormCaption()
{
    setWindowTitle(QString::fromStdString(sFctAxisWindowCaption(37, Tag().toStdString())));
}

void frmReport::mSubUpdateScreenToUnitClass()
{
}

void frmReport::WindowStateStep()
{
    const int16_t axis = AxisId();
    if (!mbFirstActivation && nFctUsedAxisPosition(axis) >= 0)
        SubSetWindowStatus(axis, kWindowKind, WindowState(), model::kFalse);
}

void frmReport::UnloadStep()
{
    const auto slot = static_cast<size_t>(AxisId());
    if (slot > 0 && slot < gbReportUnloaded.size()) {
        gbReportUnloaded[slot] = -1;
        gfrmReport[slot] = nullptr;
    }
}
