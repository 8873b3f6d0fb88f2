#include "tests/ui/support/ReportTestAxis.h"

#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basMechanismChain.h"

#include <vector>

namespace testing_support {

void PrepareAxisProfile(int16_t axisId)
{
    if (nFctGetSegmentCount(axisId) == 0) {
        nFctInitProfileSegments(axisId);
        nFctInitQuickSetup(axisId, model::kTrue);
    }
}

void BuildDiskAxis(int16_t axisId, int extraSegments)
{
    PrepareAxisProfile(axisId);
    SubAppendMechanism(axisId, MechanismType::Disk);
    const int16_t disk = static_cast<int16_t>(nFctGetMechanismCount(axisId) - 1);
    SubSetMechanismParameterValue(axisId, disk, 0, 200);   // diameter, mm
    SubSetMechanismParameterValue(axisId, disk, 1, 20);    // thickness, mm
    SubSetMechanismParameterValue(axisId, disk, 3, 7.85);  // density, g/cm^3

    std::vector<std::vector<double>> segments = {{0, 120, 0.5}};
    for (int k = 0; k <= extraSegments; ++k)
        segments.push_back({120, 120, 1});
    segments.push_back({120, 0, 0.5});
    for (size_t s = 0; s < segments.size(); ++s)
        for (size_t p = 0; p < segments[s].size(); ++p)
            nFctSetProfileSegmentValue(axisId, static_cast<int16_t>(s), static_cast<int16_t>(p),
                                       segments[s][p]);

    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::AcServo);
    const double values[] = {3000, 1, 2, 0.5, 0.5};
    for (int k = 0; k < 5; ++k)
        motor.MotorData[static_cast<size_t>(k)].Data = values[k];
    nFctSetAxisMotor(axisId, motor, model::kFalse);
}

} // namespace testing_support
