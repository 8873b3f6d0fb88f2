#pragma once
#include "platform/qt/FixedTextDialog.h"

#include <cstdint>
#include <string>

// The motor requirements of an axis: the required speed, the range of motor
// inertia from J / w to J (J the load inertia the motor check judges the
// motor's rotor and brake inertia against, w the Max. Inertia Factor
// Warning), and a table of motor inertias J / k for k from w (rounded) down
// to 1 with the continuous and peak torque each needs, in columns 1, 31 and
// 61. An axis that cannot be calculated gives its completeness text and
// False. A factor of 0 or less gives no table rows. For a gear motor J is
// the load's inertia / N^2 plus the gear's own, so that a motor inside the
// range passes the inertia check; the speed and the range are given at the
// gear's output and at the motor's shaft, the table's inertias at the gear's
// output (x N^2) and its torques, worked out with the gear's inertia, at the
// motor's shaft, each with its shaft named.
int16_t nFctBuildMotorRequirementsText(int16_t axisId, std::string& text);

// Modal text window "Motor Requirements" of the axis gnAnalysisAxis, rebuilt
// on every activation.
class frmMotorReq : public platform::FixedTextDialog {
    Q_OBJECT
public:
    explicit frmMotorReq(QWidget* parent = nullptr);

protected:
    Content BuildText() override;
};
