#include "model/basAxisAccessors.h"

#include "foundation/basGlobalFunctions.h"

#include <cmath>

namespace {

using model::FindAxis;

// The text without leading and trailing blanks.
std::string TrimBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The quick-setup slot a selector addresses in the axis's mode; -1 for none.
int16_t QuickSetupSlotOfSelector(const AxisRec& axis, int16_t selector)
{
    if (axis.QuickSetupMode == QuickSetupMode::Trapezoidal)
        return selector >= 0 && selector < model::kQuickSetupUsedSlots ? selector : -1;
    if (axis.QuickSetupMode == QuickSetupMode::Triangular) {
        switch (selector) {
        case 0: return QuickSetupSlot::Velocity;
        case 1: return QuickSetupSlot::TotalTime;
        case 2: return QuickSetupSlot::Distance;
        case 3: return QuickSetupSlot::DwellTime;
        default: return -1;
        }
    }
    return -1;
}

// Entry index of a block whose count is count; nullptr outside 0..count-1.
template <class Block>
auto* EntryInCount(Block& block, int16_t count, int16_t index)
{
    const bool valid = index >= 0 && index < count && static_cast<size_t>(index) < block.size();
    return valid ? &block[index] : nullptr;
}

ParamRec* LoadEntry(int16_t axisId, int16_t index)
{
    AxisRec* axis = FindAxis(axisId);
    return axis ? EntryInCount(axis->LoadData, axis->LoadDataNumber, index) : nullptr;
}

ParamRec* MotorEntry(int16_t axisId, int16_t index)
{
    AxisRec* axis = FindAxis(axisId);
    return axis ? EntryInCount(axis->MotorData, axis->MotorDataNumber, index) : nullptr;
}

MechRec* Mechanism(int16_t axisId, int16_t index)
{
    AxisRec* axis = FindAxis(axisId);
    return axis ? model::ChainMechanism(*axis, index) : nullptr;
}

ParamRec* QuickSetupEntry(int16_t axisId, int16_t selector)
{
    AxisRec* axis = FindAxis(axisId);
    if (axis == nullptr) return nullptr;
    const int16_t slot = QuickSetupSlotOfSelector(*axis, selector);
    return slot == -1 ? nullptr : &axis->QuickSetupData[slot];
}

ParamRec* SegmentEntry(int16_t axisId, int16_t segmentIndex, int16_t paramIndex)
{
    AxisRec* axis = FindAxis(axisId);
    SegmentRec* segment = axis ? model::ProfileSegment(*axis, segmentIndex) : nullptr;
    return segment ? model::SegmentParameter(*segment, paramIndex) : nullptr;
}

// Sets Data of an entry; False when there is none. A value that is not a
// finite number (NaN, infinity) is refused and the entry keeps its value.
int16_t SetData(ParamRec* entry, double value)
{
    if (entry == nullptr || !std::isfinite(value)) return model::kFalse;
    entry->Data = value;
    return model::kTrue;
}

// Stores a copy of param; False when there is no entry or param's value or
// factor is not a finite number.
int16_t StoreCopy(ParamRec* entry, const ParamRec& param)
{
    if (entry == nullptr || !std::isfinite(param.Data) || !std::isfinite(param.Factor))
        return model::kFalse;
    SubCopyParamRec(param, *entry);
    return model::kTrue;
}

} // namespace

// ---- Readers ---------------------------------------------------------------

std::string sFctGetAxisTitle(int16_t axisId)
{
    const AxisRec* axis = FindAxis(axisId);
    return axis ? axis->Description : std::string();
}

int16_t nFctGetMechanismCount(int16_t axisId)
{
    const AxisRec* axis = FindAxis(axisId);
    return axis ? axis->NumberOfMechanisms : 0;
}

int16_t nFctGetMechanismType(int16_t axisId, int16_t index)
{
    const MechRec* mech = Mechanism(axisId, index);
    return mech ? mech->Identifier : MechanismType::None;
}

int16_t nFctGetLastMechanismType(int16_t axisId)
{
    return nFctGetMechanismType(axisId, static_cast<int16_t>(nFctGetMechanismCount(axisId) - 1));
}

int16_t nFctGetMechanism(int16_t axisId, int16_t index, MechRec& rec)
{
    const MechRec* mech = Mechanism(axisId, index);
    if (mech == nullptr) return 0;
    rec = *mech;
    return mech->DataNumber;
}

int16_t nFctGetLoadType(int16_t axisId)
{
    const AxisRec* axis = FindAxis(axisId);
    return axis ? axis->LoadIdentifier : LoadType::None;
}

int16_t nFctGetLoadParameterCount(int16_t axisId)
{
    const AxisRec* axis = FindAxis(axisId);
    return axis ? axis->LoadDataNumber : 0;
}

int16_t nFctGetLoadParameter(int16_t axisId, int16_t index, ParamRec& param)
{
    const ParamRec* entry = LoadEntry(axisId, index);
    if (entry == nullptr) return model::kFalse;
    SubCopyParamRec(*entry, param);
    return model::kTrue;
}

int16_t nFctGetSegmentCount(int16_t axisId)
{
    const AxisRec* axis = FindAxis(axisId);
    return axis ? axis->NumberOfMotionSegments : 0;
}

void SubGetProfileSegmentParameter(int16_t axisId, int16_t segmentIndex, int16_t paramIndex,
                                   ParamRec& param)
{
    const AxisRec* axis = FindAxis(axisId);
    if (axis == nullptr || paramIndex < 0 || paramIndex >= model::kSegmentParamCount) return;

    // The blank entry: segment 0's member (its units) with no value.
    const SegmentRec* first = model::ProfileSegment(*axis, 0);
    param = first ? *model::SegmentParameter(*first, paramIndex) : ParamRec{};
    param.Data = paramIndex == SegmentParam::LoadWeightApplied ? 1.0 : 0.0;

    if (const SegmentRec* segment = model::ProfileSegment(*axis, segmentIndex))
        SubCopyParamRec(*model::SegmentParameter(*segment, paramIndex), param);
}

int16_t nFctGetQuickSetupParameter(int16_t axisId, int16_t selector, ParamRec& param)
{
    const ParamRec* entry = QuickSetupEntry(axisId, selector);
    if (entry == nullptr) return model::kFalse;
    SubCopyParamRec(*entry, param);
    return model::kTrue;
}

// ---- Writers ---------------------------------------------------------------

void SubSetAxisTitle(int16_t axisId, const std::string& title)
{
    if (AxisRec* axis = FindAxis(axisId)) axis->Description = sFctFreeTextLine(title);
}

void SubSetMotionMode(int16_t axisId, int16_t mode)
{
    if (AxisRec* axis = FindAxis(axisId)) axis->MotionMode = mode;
}

void SubSetQuickSetupMode(int16_t axisId, int16_t mode)
{
    if (AxisRec* axis = FindAxis(axisId)) axis->QuickSetupMode = mode;
}

int16_t nFctSetLoadType(int16_t axisId, int16_t loadType)
{
    AxisRec* axis = FindAxis(axisId);
    if (axis == nullptr) return model::kFalse;
    axis->LoadDefined = model::AsFlag(loadType != LoadType::None);
    axis->LoadIdentifier = loadType;
    axis->LoadDataNumber =
        loadType == LoadType::None ? 0 : model::FillBlockFromControlTable(loadType, axis->LoadData);
    return model::kTrue;
}

int16_t nFctSetLoadParameter(int16_t axisId, int16_t index, const ParamRec& param)
{
    return StoreCopy(LoadEntry(axisId, index), param);
}

int16_t nFctSetLoadParameterValue(int16_t axisId, int16_t index, double value)
{
    return SetData(LoadEntry(axisId, index), value);
}

void SubSetMechanismParameterValue(int16_t axisId, int16_t mechIndex, int16_t paramIndex, double value)
{
    MechRec* mech = Mechanism(axisId, mechIndex);
    if (mech && paramIndex >= 0 && paramIndex < model::kMechanismParamCapacity)
        SetData(&mech->MechanismData[paramIndex], value);
}

void SubSetMechanismManufacturer(int16_t axisId, int16_t mechIndex, const std::string& text)
{
    if (MechRec* mech = Mechanism(axisId, mechIndex)) mech->Manufacturer = TrimBlanks(text);
}

void SubSetMechanismProductKey(int16_t axisId, int16_t mechIndex, const std::string& text)
{
    if (MechRec* mech = Mechanism(axisId, mechIndex)) mech->ProductKey = TrimBlanks(text);
}

void SubSetMotorManufacturer(int16_t axisId, const std::string& text)
{
    if (AxisRec* axis = FindAxis(axisId)) axis->MotorManufacturer = TrimBlanks(text);
}

void SubSetMotorProductKey(int16_t axisId, const std::string& text)
{
    if (AxisRec* axis = FindAxis(axisId)) axis->MotorProductKey = TrimBlanks(text);
}

int16_t nFctSetMotorParameter(int16_t axisId, int16_t index, const ParamRec& param)
{
    return StoreCopy(MotorEntry(axisId, index), param);
}

void SubSetMotorParameterValue(int16_t axisId, int16_t index, double value)
{
    SetData(MotorEntry(axisId, index), value);
}

int16_t bFctBaselineHasMotor(int16_t axisId)
{
    const int16_t index = nFctFindAxisIndex(axisId);
    const bool inBaseline = index != -1 && static_cast<size_t>(index) + 1 < gAxisSaved.size();  // not the spare
    return model::AsFlag(inBaseline && gAxisSaved[index].MotorDataNumber > 0);
}

int16_t nFctSetAxisMotor(int16_t axisId, const MotorRec& motor, int16_t alsoBaseline)
{
    const int16_t index = nFctFindAxisIndex(axisId);
    if (index == -1) return model::kFalse;
    AxisRec& axis = gAxis[index];
    axis.MotorIdentifier = motor.Identifier;
    axis.MotorDefined = model::AsFlag(motor.Identifier != MotorType::None);
    axis.MotorManufacturer = motor.Manufacturer;
    axis.MotorProductKey = motor.ProductKey;
    axis.MotorDataNumber = motor.DataNumber;
    for (int16_t i = 0; i < motor.DataNumber && i < model::kMotorParamCapacity; ++i)
        SubCopyParamRec(motor.MotorData[i], axis.MotorData[i]);
    if (alsoBaseline && static_cast<size_t>(index) + 1 < gAxisSaved.size())  // a record, not the spare
        SubCopyAxisMotorBlock(axis, gAxisSaved[index]);
    return model::kTrue;
}

void SubClearAxisMotor(int16_t axisId)
{
    MotorRec none;
    SubInitMotorRecord(none, MotorType::None);
    nFctSetAxisMotor(axisId, none, model::kFalse);
}

void SubSetQuickSetupParameter(int16_t axisId, int16_t selector, const ParamRec& param)
{
    StoreCopy(QuickSetupEntry(axisId, selector), param);
}

int16_t nFctSetQuickSetupParameterValue(int16_t axisId, int16_t selector, double value)
{
    return SetData(QuickSetupEntry(axisId, selector), value);
}

int16_t nFctSetProfileSegmentValue(int16_t axisId, int16_t segmentIndex, int16_t paramIndex, double value)
{
    return SetData(SegmentEntry(axisId, segmentIndex, paramIndex), value);
}
