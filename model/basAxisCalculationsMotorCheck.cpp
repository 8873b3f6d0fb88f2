// The check of the motor the user entered against the axis requirements,
// with the safety factors of the options, its advice text, and the read
// accessors of the motor block and the mechanism texts.
#include "model/basAxisCalculationsGearMotor.h"
#include "model/basAxisRequirements.h"

#include <algorithm>
#include <cmath>
#include <string>
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculationsInternal.h"
#include "model/basAxisRequirementsInternal.h"
#include "model/basChangeDetection.h"

using calc::detail::BasicValue;
using calc::detail::kLineBreak;
namespace Code = calc::MotorCheckCode;
namespace Category = calc::MotorCheckCategory;

namespace {

// The requirements the motor is compared with, at the drive shaft, in
// basic units.
struct Requirements {
    double speed = 0.0;    // rev/s
    double rms = 0.0;      // N.m
    double peak = 0.0;     // N.m
    double inertia = 0.0;  // kg.m^2, the reflected load inertia
};

double InBasicTorque(const ResultCell& cell)
{
    return cell.Value * dFctGetFactorToBasicUnit(calc::detail::kTorqueUnitType, cell.UnitID);
}

// Runs the requirements and the static pass. Without a motor the torques are
// those of the axis alone, read right after their own run.
Requirements GetRequirements(int16_t axisId, int16_t withMotor)
{
    Requirements r;
    nFctGetMotorRequirements(axisId, model::kTrue);
    const AxisRec* axis = model::FindAxis(axisId);
    const ResultCell& velocity = axis->AxisResult[calc::AxisResultIndex::MotorVelocity];
    r.speed = velocity.Value * dFctGetFactorToBasicUnit(-1, velocity.UnitID);
    if (withMotor) {
        r.rms = InBasicTorque(axis->SystemRmsTorque);
        r.peak = InBasicTorque(axis->SystemPeakTorque);
    } else {
        nFctGetMotorRequirements(axisId, model::kFalse);
        axis = model::FindAxis(axisId);
        r.rms = InBasicTorque(axis->AxisResult[calc::RequirementIndex::RmsTorque]);
        r.peak = InBasicTorque(axis->AxisResult[calc::RequirementIndex::PeakTorque]);
    }
    SubCalcAxisResults(axisId);
    r.inertia = calc::ReflectedLoadInertia(axisId);
    return r;
}

// The requirements stand at the drive shaft; a gear motor's ratings at the
// motor's side of its (lossless) gear: N times the speed, 1 / N of the
// torques.
calc::MotorShaftRequirements AtMotorShaft(const Requirements& required, const calc::MotorAndGear& gear)
{
    return {gear.MotorSpeed(required.speed), gear.MotorTorque(required.rms),
            gear.MotorTorque(required.peak)};
}

// The check text judges the motor with its own inertia where it has a rotor
// inertia.
int16_t WithMotorInertia(const MotorRec& motor)
{
    return model::AsFlag(motor.MotorData[calc::MotorEntry::RotorInertia].Data != 0.0);
}

bool Includes(int16_t category, int16_t check)
{
    return category == Category::All || category == check ||
           (category == Category::SpeedAndTorques && check != Category::Inertia);
}

} // namespace

int16_t nFctCheckMotor(int16_t axisId, const MotorRec& motor, int16_t category,
                       int16_t withMotor)
{
    if (model::FindAxis(axisId) == nullptr)
        return Code::Passed;
    int16_t code = Code::Passed;
    const Requirements required = GetRequirements(axisId, withMotor);

    using namespace calc::MotorEntry;
    const auto& data = motor.MotorData;
    const double ratedSpeed = BasicValue(data[RatedSpeed]);
    const double ratedTorque = BasicValue(data[RatedTorque]);
    const double maxTorque = BasicValue(data[MaxTorque]);
    const calc::MotorAndGear gear(data);
    const auto [speed, rms, peak] = AtMotorShaft(required, gear);

    if (Includes(category, Category::Speed) && speed > ratedSpeed)
        code = Code::SpeedTooLow;
    if (Includes(category, Category::RmsTorque)) {
        if (gdMinTorqueFactor * rms > ratedTorque)
            code = Code::RatedTorqueTooLow;
        else if (gdMaxTorqueFactor * rms < ratedTorque)
            code = Code::RatedTorqueTooHigh;
    }
    if (Includes(category, Category::PeakTorque)) {
        if (gdMinTorqueFactor * peak > maxTorque)
            code = Code::MaxTorqueTooLow;
        else if (gdMaxTorqueFactor * peak < maxTorque)
            code = Code::MaxTorqueTooHigh;
    }
    if (!Includes(category, Category::Inertia))
        return code;

    // The load as the motor feels it, with a gear motor's own gear inertia
    // (the inertia Motor Requirements offers its range of motor inertia for).
    const double motorInertia = gear.RotorAndBrakeInertia();
    const double loadInertia = gear.TotalLoadInertiaAtMotor(required.inertia);
    // Without a rotor inertia (or with a motor inertia that is no inertia)
    // there is no ratio to judge.
    if (gear.RotorInertia() == 0.0 || !(motorInertia > 0.0))
        return Code::RotorInertiaMissing;
    const double ratio = loadInertia / motorInertia;
    if (ratio > gdMaxInertiaDiscard)
        code = Code::InertiaRatioDiscard;
    else if (ratio > gdMaxInertiaWarning)
        code = Code::InertiaRatioWarning;
    else if (ratio < gdMinInertiaFactor)
        code = Code::InertiaRatioTooLow;
    return code;
}

namespace {

namespace Text {
inline constexpr int16_t Warning = 215;
inline constexpr int16_t MeetsAll = 264;
inline constexpr int16_t Speed = 265;
inline constexpr int16_t RatedTorque = 266;
inline constexpr int16_t MaxTorque = 267;
inline constexpr int16_t Inertia = 268;
inline constexpr int16_t RatioAbove = 269;
inline constexpr int16_t RotorInertiaMissing = 270;
inline constexpr int16_t AddGearbox = 280;
inline constexpr int16_t HigherRatio = 281;
inline constexpr int16_t HigherGearRatioOrLargerMotor = 391;
inline constexpr int16_t MinTorqueFactor = 315;
inline constexpr int16_t MaxTorqueFactor = 316;
inline constexpr int16_t RatedTorqueRange = 329;
inline constexpr int16_t MaxTorqueRange = 330;
inline constexpr int16_t RatioBelow = 335;
} // namespace Text

// Builds the entries of the advice text.
struct AdviceText {
    std::string indent, header, gap, text;
    int16_t warnings = 0;

    void Entry(const std::string& body)
    {
        text += header + indent + body + gap;
        ++warnings;
    }
    void FactorLine(int16_t textId, double factor)
    {
        text += indent + sFctGetText(textId) + " =" + sFctPlainNumber(factor) + gap;
    }
    std::string InertiaLimit(int16_t textId, double limit) const
    {
        return sFctGetText(Text::Inertia) + kLineBreak + indent + sFctGetText(textId) +
               sFctFormatNumber(limit) + " : 1.";
    }
};

// What lowers a load-to-motor inertia ratio above the warning limit: a gear
// motor's own gear a higher ratio (or a motor of more inertia); otherwise a
// gearbox of the chain a higher ratio, or a gearbox where the chain has none.
int16_t InertiaRatioAdvice(int16_t axisId, const MotorRec& motor)
{
    if (calc::MotorAndGear(motor.MotorData).HasGear())
        return Text::HigherGearRatioOrLargerMotor;
    return bFctAxisHasGearbox(axisId) ? Text::HigherRatio : Text::AddGearbox;
}

} // namespace

int16_t nFctBuildMotorCheckText(int16_t axisId, std::string& text, int16_t indentWidth,
                                int16_t header, int16_t blankLines)
{
    AdviceText advice;
    advice.indent.assign(static_cast<size_t>(std::max<int16_t>(indentWidth, 0)), ' ');
    if (header)
        advice.header = advice.indent + sFctGetText(Text::Warning) + kLineBreak;
    for (int k = 0; k < blankLines; ++k)
        advice.gap += kLineBreak;

    MotorRec motor;
    nFctGetMotorRecord(axisId, motor);
    const int16_t withMotor = WithMotorInertia(motor);
    nFctGetMotorRequirements(axisId, withMotor);

    if (nFctCheckMotor(axisId, motor, Category::All, withMotor) == Code::Passed) {
        advice.text = advice.indent + sFctGetText(Text::MeetsAll) + advice.gap;
    } else {
        if (nFctCheckMotor(axisId, motor, Category::Speed, withMotor) == Code::SpeedTooLow)
            advice.Entry(sFctGetText(Text::Speed));
        switch (nFctCheckMotor(axisId, motor, Category::RmsTorque, withMotor)) {
        case Code::RatedTorqueTooLow:
            advice.Entry(sFctGetText(Text::RatedTorque));
            if (gdMinTorqueFactor > 1.0)
                advice.FactorLine(Text::MinTorqueFactor, gdMinTorqueFactor);
            break;
        case Code::RatedTorqueTooHigh:
            advice.Entry(sFctGetText(Text::RatedTorqueRange));
            advice.FactorLine(Text::MaxTorqueFactor, gdMaxTorqueFactor);
            break;
        default: break;
        }
        switch (nFctCheckMotor(axisId, motor, Category::PeakTorque, withMotor)) {
        case Code::MaxTorqueTooLow:
            advice.Entry(sFctGetText(Text::MaxTorque));
            if (gdMinTorqueFactor > 1.0)
                advice.FactorLine(Text::MinTorqueFactor, gdMinTorqueFactor);
            break;
        case Code::MaxTorqueTooHigh:
            advice.Entry(sFctGetText(Text::MaxTorqueRange));
            advice.FactorLine(Text::MaxTorqueFactor, gdMaxTorqueFactor);
            break;
        default: break;
        }
        switch (nFctCheckMotor(axisId, motor, Category::Inertia, withMotor)) {
        case Code::RotorInertiaMissing: advice.Entry(sFctGetText(Text::RotorInertiaMissing)); break;
        case Code::InertiaRatioDiscard:
            advice.Entry(advice.InertiaLimit(Text::RatioAbove, gdMaxInertiaDiscard));
            break;
        case Code::InertiaRatioWarning:
            advice.Entry(advice.InertiaLimit(Text::RatioAbove, gdMaxInertiaWarning) + kLineBreak +
                         advice.indent + sFctGetText(InertiaRatioAdvice(axisId, motor)));
            break;
        case Code::InertiaRatioTooLow:
            advice.Entry(advice.InertiaLimit(Text::RatioBelow, gdMinInertiaFactor));
            break;
        default: break;
        }
    }
    // Without the gap after the last entry.
    const size_t cut = 2 * static_cast<size_t>(std::max<int16_t>(blankLines, 0));
    if (!advice.text.empty())
        advice.text.erase(advice.text.size() - std::min(cut, advice.text.size()));
    text = advice.text;
    return advice.warnings;
}

calc::MotorShaftRequirements calc::RequirementsAtMotorShaft(int16_t axisId)
{
    if (model::FindAxis(axisId) == nullptr)
        return {};
    MotorRec motor;
    nFctGetMotorRecord(axisId, motor);
    return AtMotorShaft(GetRequirements(axisId, WithMotorInertia(motor)), calc::MotorAndGear(motor.MotorData));
}

double calc::ReflectedLoadInertia(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return 0.0;
    const ResultCell& inertia = axis->AxisResult[calc::AxisResultIndex::ReflectedInertia];
    return inertia.Value * dFctGetFactorToBasicUnit(13, inertia.UnitID);
}

int16_t bFctAxisHasGearbox(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    return axis == nullptr ? model::kFalse : bFctRecHasGearbox(*axis);
}

int16_t nFctGetMotorRecord(int16_t axisId, MotorRec& motor)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr || axis->MotorDataNumber < 1)
        return 0;
    motor.Identifier = axis->MotorIdentifier;
    motor.Manufacturer = axis->MotorManufacturer;
    motor.ProductKey = axis->MotorProductKey;
    motor.DataNumber = axis->MotorDataNumber;
    for (int k = 0; k < axis->MotorDataNumber && k < model::kMotorParamCapacity; ++k)
        SubCopyParamRec(axis->MotorData[static_cast<size_t>(k)], motor.MotorData[static_cast<size_t>(k)]);
    motor.TextID = nFctGetMotorTypeTextId(axis->MotorIdentifier);
    return axis->MotorDataNumber;
}

int16_t nFctGetMotorParameter(int16_t axisId, int16_t index, ParamRec& param)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr || index < 0 || index >= axis->MotorDataNumber ||
        index >= model::kMotorParamCapacity)
        return model::kFalse;
    SubCopyParamRec(axis->MotorData[static_cast<size_t>(index)], param);
    return model::kTrue;
}

std::string sFctGetMotorManufacturer(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    return axis ? axis->MotorManufacturer : "";
}

std::string sFctGetMotorProductKey(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    return axis ? axis->MotorProductKey : "";
}

std::string sFctGetMechanismManufacturer(int16_t axisId, int16_t chainIndex)
{
    const AxisRec* axis = model::FindAxis(axisId);
    const MechRec* mech = axis ? model::ChainMechanism(*axis, chainIndex) : nullptr;
    return mech ? mech->Manufacturer : "";
}

std::string sFctGetMechanismProductKey(int16_t axisId, int16_t chainIndex)
{
    const AxisRec* axis = model::FindAxis(axisId);
    const MechRec* mech = axis ? model::ChainMechanism(*axis, chainIndex) : nullptr;
    return mech ? mech->ProductKey : "";
}
