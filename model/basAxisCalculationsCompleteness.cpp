// Whether an axis can be calculated, and the analysis text that tells the
// user what is missing and which warnings the chain produced.
#include "model/basAxisRequirements.h"

#include <string>
#include "foundation/basTextResources.h"
#include "model/basAxisRequirementsInternal.h"
#include "model/basChangeDetection.h"
#include "model/basValueConversion.h"

using calc::detail::kLineBreak;

namespace {

namespace Text {
inline constexpr int16_t NoMechanism = 163;
inline constexpr int16_t ProfileInsufficient = 164;
inline constexpr int16_t CannotCalculate = 165;
inline constexpr int16_t MechanismNo = 167;
inline constexpr int16_t ParametersMissing = 168;
inline constexpr int16_t SetupCorrect = 169;
inline constexpr int16_t ThereAre = 212;
inline constexpr int16_t Errors = 213;
inline constexpr int16_t Warnings = 214;
inline constexpr int16_t Warning = 215;
inline constexpr int16_t LoadInsufficient = 346;
} // namespace Text

constexpr const char* kParameterIndent = "        ";

// The entry of a linear-output end device that gives its revolutions per
// unit of travel (diameter or pitch/lead); -1 for other types.
int TravelEntry(int16_t mechanismType)
{
    switch (mechanismType) {
    case MechanismType::Conveyor:
    case MechanismType::NipRoll:
    case MechanismType::WinderCenter: return 0;
    case MechanismType::Leadscrew: return 3;
    case MechanismType::RackPinion:
    case MechanismType::WinderSurface: return 5;
    default: return -1;
    }
}

// In linear motion the profile is travel of the load: the end device must
// turn it into revolutions.
bool LacksTravelValue(const AxisRec& axis)
{
    if (axis.MotionMode != MotionMode::Linear)
        return false;
    double travel = -1.0;
    int16_t unit = -1;
    return !nFctGetAxisRevsPerTravel(axis.Number, travel, unit, model::kTrue);
}

// A required entry left at 0, or the travel entry of the end device of a
// linear axis that gives no revolutions per unit of travel.
bool EntryMissing(const AxisRec& axis, int16_t mechIndex, int entry, bool lacksTravel)
{
    const MechRec& mech = axis.Mechanisms[static_cast<size_t>(mechIndex)];
    const ParamRec& p = mech.MechanismData[static_cast<size_t>(entry)];
    if (p.Data == 0.0 && p.Status == 0)
        return true;
    return lacksTravel && mechIndex == axis.NumberOfMechanisms - 1 &&
           entry == TravelEntry(mech.Identifier);
}

// Drops the last character (the line feed of a final line break).
void DropLastCharacter(std::string& text)
{
    if (!text.empty())
        text.pop_back();
}

} // namespace

int16_t nFctBuildAxisCompletenessText(int16_t axisId, std::string& text, int16_t warningsListedAfter)
{
    AxisRec* found = model::FindAxis(axisId);
    if (found == nullptr)
        return model::kFalse;
    text.clear();
    bool error = false;
    int errorCount = 0;

    if (found->NumberOfMechanisms == 0) {
        error = true;
        text += sFctGetText(Text::CannotCalculate) + sFctGetText(Text::NoMechanism);
    }
    // Only segments make a profile: a quick setup counts once it was
    // transferred. A linear profile needs an end device with a linear output.
    const bool lacksTravel = found->NumberOfMechanisms > 0 && LacksTravelValue(*found);
    const bool linearEnd = bFctAxisEndsLinear(axisId) != 0;
    if (bFctRecProfileEmpty(*found) || (lacksTravel && !linearEnd)) {
        if (!error)
            text += sFctGetText(Text::CannotCalculate);
        error = true;
        text += sFctGetText(Text::ProfileInsufficient);
    }
    if (error)
        return model::kFalse;

    for (int16_t i = 0; i < found->NumberOfMechanisms; ++i) {
        const MechRec& mech = found->Mechanisms[static_cast<size_t>(i)];
        bool headingWritten = false;
        for (int k = 0; k < mech.DataNumber; ++k) {
            if (!EntryMissing(*found, i, k, lacksTravel))
                continue;
            if (!headingWritten) {
                if (error)
                    text += kLineBreak;
                text += sFctGetText(Text::ParametersMissing) + " " + sFctGetText(Text::MechanismNo) +
                        std::to_string(i + 1) + " - " + sFctGetText(mech.TextID) + kLineBreak;
                headingWritten = true;
            }
            text += kParameterIndent + sFctGetText(mech.MechanismData[static_cast<size_t>(k)].TextID) +
                    kLineBreak;
            error = true;
            ++errorCount;
        }
    }
    if (!error)
        text += sFctGetText(Text::SetupCorrect) + kLineBreak;
    text += kLineBreak + sFctGetText(Text::ThereAre) + sFctPlainNumber(errorCount) +
            sFctGetText(Text::Errors);
    if (error)
        return model::kFalse;

    SubCalcAxisResults(axisId);
    AxisRec& axis = *model::FindAxis(axisId);
    if (axis.NumberOfMessages > 0) {
        text += std::string(kLineBreak) + kLineBreak;
        for (int16_t m = 0; m < axis.NumberOfMessages; ++m) {
            const CalcMessageRec& message = axis.CalcMessages[static_cast<size_t>(m)];
            text += sFctGetText(Text::Warning) + sFctGetText(Text::MechanismNo) +
                    std::to_string(message.MechIndex + 1) + " - " +
                    sFctGetText(message.MechTextID) + kLineBreak + sFctGetText(message.TextID) +
                    kLineBreak + kLineBreak;
        }
        DropLastCharacter(text);
    }
    int warnings = axis.NumberOfMessages + warningsListedAfter;
    if (!bFctLoadDataComplete(axisId)) {
        if (axis.NumberOfMessages == 0)
            text += kLineBreak;
        text += kLineBreak + sFctGetText(Text::Warning) + sFctGetText(Text::LoadInsufficient);
        DropLastCharacter(text);
        ++warnings;
    }
    text += kLineBreak + sFctGetText(Text::ThereAre) + sFctPlainNumber(warnings) +
            sFctGetText(Text::Warnings);
    return model::kTrue;
}

int16_t bFctLoadDataComplete(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return model::kFalse;
    const auto& data = axis->LoadData;
    auto given = [&](int first, int last) {
        for (int k = first; k <= last; ++k)
            if (data[static_cast<size_t>(k)].Data == 0.0)
                return model::kFalse;
        return model::kTrue;
    };
    switch (axis->LoadIdentifier) {
    case LoadType::None: return model::kTrue;
    case LoadType::WeightOnly: return model::AsFlag(data[0].Data > 0.0);
    case LoadType::SolidCylinder: return given(0, 2);
    case LoadType::HollowCylinder:
    case LoadType::SolidRectangular: return given(0, 3);
    default: return model::kFalse;
    }
}

std::string sFctGetRepeatWarning(int16_t axisId, int16_t chainPosition, int16_t limit)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return "";
    int count = 0;
    for (int16_t m = 0; m < axis->NumberOfMessages; ++m) {
        const CalcMessageRec& message = axis->CalcMessages[static_cast<size_t>(m)];
        if (message.MechIndex != chainPosition)
            continue;
        if (++count > limit)
            return sFctGetText(Text::Warning) + sFctGetText(message.TextID);
    }
    return "";
}
