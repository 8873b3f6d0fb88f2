#include "design/frmAnalysis.h"

#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "model/basAxisRequirements.h"

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr int16_t kMotorPerformance = 272;

} // namespace

std::string sFctBuildAxisAnalysisText(int16_t axisId)
{
    std::string report;
    if (!nFctBuildAxisCompletenessText(axisId, report))
        return report;
    std::string motorCheck;
    const int16_t motorWarnings = nFctBuildMotorCheckText(axisId, motorCheck, 0, model::kTrue, 2);
    // The count of warnings counts every warning the text lists, the motor
    // check's below it too.
    nFctBuildAxisCompletenessText(axisId, report, motorWarnings);
    return report + kLineBreak + kLineBreak + sFctGetText(kMotorPerformance) + kLineBreak + kLineBreak +
           motorCheck;
}

frmAnalysis::frmAnalysis(QWidget* parent)
    : FixedTextDialog(parent, {{535, 303}, {4, 6, 527, 259}, {416, 272, 115, 27}},
                      QString::fromStdString(sFctGetText(353)),
                      QString::fromStdString(sFctGetText(354)))
{
    setObjectName("frmAnalysis");
}

platform::FixedTextDialog::Content frmAnalysis::BuildText()
{
    // The analysis is sentences, the longer German ones wider than the box.
    return {QString::fromStdString(sFctBuildAxisAnalysisText(gnAnalysisAxis)), true};
}
