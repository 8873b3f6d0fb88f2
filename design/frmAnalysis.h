#pragma once
#include "platform/qt/FixedTextDialog.h"

#include <cstdint>
#include <string>

// The axis analysis of an axis: the completeness text and, for an axis that
// can be calculated, the check of its motor against the requirements, each
// warning under a "Warning : " line and the items apart by an empty line.
// The count of warnings at the end of the completeness text is that of every
// warning listed, the calculation's and the motor check's.
std::string sFctBuildAxisAnalysisText(int16_t axisId);

// Modal text window "Axis Analysis" of the axis gnAnalysisAxis, rebuilt on
// every activation.
class frmAnalysis : public platform::FixedTextDialog {
    Q_OBJECT
public:
    explicit frmAnalysis(QWidget* parent = nullptr);

protected:
    Content BuildText() override;
};
