#include "bench/RichApplication.h"

#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "model/basMechanismChain.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace bench {
namespace {

using Entries = std::initializer_list<std::pair<int16_t, double>>;

void AddMechanism(int16_t axis, int16_t type, Entries values)
{
    SubAppendMechanism(axis, type);
    const auto index = static_cast<int16_t>(nFctGetMechanismCount(axis) - 1);
    for (const auto& [entry, value] : values)
        SubSetMechanismParameterValue(axis, index, entry, value);
}

void SetLoad(int16_t axis, int16_t type, std::initializer_list<double> values)
{
    nFctSetLoadType(axis, type);
    int16_t k = 0;
    for (double value : values)
        nFctSetLoadParameterValue(axis, k++, value);
}

void SetMotor(int16_t axis, Entries values)
{
    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::AcServo);
    for (const auto& [entry, value] : values)
        motor.MotorData[static_cast<size_t>(entry)].Data = value;
    nFctSetAxisMotor(axis, motor, model::kFalse);
}

// Segments by initial velocity, final velocity and duration.
void SetSegments(int16_t axis, std::initializer_list<std::vector<double>> segments)
{
    int16_t s = 0;
    for (const auto& values : segments) {
        for (size_t p = 0; p < values.size(); ++p)
            nFctSetProfileSegmentValue(axis, s, static_cast<int16_t>(p), values[p]);
        ++s;
    }
}

void NewAxis(int16_t axis)
{
    SubAddAxis(axis);
    nFctInitProfileSegments(axis);
    nFctInitQuickSetup(axis, model::kTrue);
}

} // namespace

void BuildRichApplication()
{
    SubResetAllAxes();

    NewAxis(1);
    AddMechanism(1, MechanismType::Gearbox, {{0, 90}, {1, 0.5}, {2, 3}});
    AddMechanism(1, MechanismType::BeltPulley,
                 {{0, 50}, {1, 2}, {4, 1}, {5, 100}, {6, 5}, {9, 1}, {10, 95}});
    AddMechanism(1, MechanismType::Coupling, {{0, 40}, {1, 20}, {2, 50}, {3, 7.85}});
    AddMechanism(1, MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}});
    AddMechanism(1, MechanismType::Gearbox, {{0, 95}, {1, 0.2}, {2, 2}});
    AddMechanism(1, MechanismType::BeltPulley,
                 {{0, 60}, {1, 2}, {4, 1}, {5, 60}, {6, 2}, {9, 1}, {10, 95}});
    AddMechanism(1, MechanismType::Leadscrew,
                 {{0, 20}, {1, 1000}, {2, 7.85}, {3, 10}, {4, 90}, {5, 0.1}});
    SetLoad(1, LoadType::WeightOnly, {490});
    SetSegments(1, {{0, 10, 0.2}, {10, 10, 1}, {10, 0, 0.2}, {0, 0, 0.5}, {0, -10, 0.2},
                    {-10, -10, 1}, {-10, 0, 0.2}, {0, 0, 0.5}, {0, 5, 0.1}, {5, 0, 0.1}});
    SetMotor(1, {{0, 3000}, {1, 2}, {2, 6}, {3, 1}});

    NewAxis(2);
    AddMechanism(2, MechanismType::BeltPulley,
                 {{0, 50}, {1, 2}, {4, 1}, {5, 100}, {6, 5}, {9, 1}, {10, 95}});
    AddMechanism(2, MechanismType::Conveyor, {{0, 80}, {1, 10}, {5, 20}, {6, 0.1}, {7, 90}});
    SetLoad(2, LoadType::WeightOnly, {200});
    SetSegments(2, {{0, 2, 0.5}, {2, 2, 1}, {2, 0, 0.5}, {0, 0, 1}});

    NewAxis(3);
    AddMechanism(3, MechanismType::Gearbox, {{0, 90}, {1, 0.5}, {2, 10}});
    AddMechanism(3, MechanismType::RotaryTable,
                 {{0, 95}, {1, 2}, {2, 3}, {4, 300}, {5, 20}, {6, 7.85}});
    SetSegments(3, {{0, 1, 0.5}, {1, 1, 1}, {1, 0, 0.5}, {0, 0, 1}});
    SetMotor(3, {{0, 3000}, {1, 2}, {2, 0.4}, {3, 1}});
}

} // namespace bench
