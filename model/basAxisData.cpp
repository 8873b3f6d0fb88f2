#include "model/basAxisData.h"

#include <algorithm>
#include <utility>

#include "foundation/basParameterControl.h"
#include "foundation/basUnitSystem.h"
#include "model/basValueConversion.h"

std::vector<AxisRec> gAxis;
std::vector<AxisRec> gAxisSaved;
// Empty from the start; the main window clears it once more at its first
// activation.
MechRec gMechBuffer = [] {
    MechRec empty;
    empty.Identifier = MechanismType::None;
    return empty;
}();

namespace {

// The upper bound N of an axis array (records 0..N-1 and the spare at N);
// 0 for an array that does not exist.
int16_t UpperBound(const std::vector<AxisRec>& axes)
{
    return axes.empty() ? 0 : static_cast<int16_t>(axes.size() - 1);
}

// The records of the parameter control table that were built.
std::span<const ParamControlRow> ControlRows()
{
    const size_t built = gnParamControlCount > 0 ? static_cast<size_t>(gnParamControlCount) : 0;
    return {gParamControl.data(), std::min(built, gParamControl.size())};
}

// Gives param the unit at the selected position among the "NA" units of the
// unit type; a position of -1 keeps the unit it has.
void ApplySelectedNaUnit(ParamRec& param, int16_t unitType, int16_t position)
{
    if (position == -1) return;
    SubConvertValueToUnit(param, nFctFindUnit(unitType, static_cast<const int16_t&>(position), "NA"));
}

} // namespace

namespace model {

AxisRec* FindAxis(int16_t axisId)
{
    const int16_t index = nFctFindAxisIndex(axisId);
    return index == -1 ? nullptr : &gAxis[index];
}

MechRec* ChainMechanism(AxisRec& axis, int16_t index)
{
    const bool inChain = index >= 0 && index < axis.NumberOfMechanisms &&
                         static_cast<size_t>(index) < axis.Mechanisms.size();
    return inChain ? &axis.Mechanisms[index] : nullptr;
}

const MechRec* ChainMechanism(const AxisRec& axis, int16_t index)
{
    return ChainMechanism(const_cast<AxisRec&>(axis), index);
}

SegmentRec* ProfileSegment(AxisRec& axis, int16_t index)
{
    const bool inProfile = index >= 0 && index < axis.NumberOfMotionSegments &&
                           static_cast<size_t>(index) < axis.MotionSegments.size();
    return inProfile ? &axis.MotionSegments[index] : nullptr;
}

const SegmentRec* ProfileSegment(const AxisRec& axis, int16_t index)
{
    return ProfileSegment(const_cast<AxisRec&>(axis), index);
}

ParamRec* SegmentParameter(SegmentRec& segment, int16_t paramIndex)
{
    switch (paramIndex) {
    case SegmentParam::InitialVelocity: return &segment.InitialVelocity;
    case SegmentParam::FinalVelocity: return &segment.FinalVelocity;
    case SegmentParam::Duration: return &segment.Duration;
    case SegmentParam::Acceleration: return &segment.Acceleration;
    case SegmentParam::Distance: return &segment.Distance;
    case SegmentParam::LoadWeightApplied: return &segment.LoadWeightApplied;
    default: return nullptr;
    }
}

const ParamRec* SegmentParameter(const SegmentRec& segment, int16_t paramIndex)
{
    return SegmentParameter(const_cast<SegmentRec&>(segment), paramIndex);
}

int16_t FillBlockFromControlTable(int16_t key, std::span<ParamRec> block)
{
    const bool metric = gnUnitSystem != 0;
    size_t k = 0;
    for (const ParamControlRow& row : ControlRows()) {
        if (row.MechID != key) continue;
        if (k >= block.size()) break;  // more rows than the block holds
        ParamRec& entry = block[k++];
        entry.Data = 0.0;
        entry.UnitType = row.UnitID;
        entry.Status = row.Status;
        entry.TextID = row.TextID;
        entry.HelpID = row.HelpID;
        entry.UnitID = metric ? row.MUnitID : row.EEUnitID;
        entry.Factor = metric ? row.MFactor : row.EEFactor;
        entry.UnitText = metric ? row.MUnitText : row.EEUnitText;
    }
    return static_cast<int16_t>(k);
}

} // namespace model

int16_t nFctFindAxisIndex(int16_t axisId)
{
    if (axisId == -1) return -1;
    const int16_t n = UpperBound(gAxis);
    for (int16_t i = 0; i < n; ++i)
        if (gAxis[i].Number == axisId) return i;
    return -1;
}

int16_t nFctGetAxisUBound()
{
    return UpperBound(gAxis);
}

int16_t nFctGetUsedAxisCount()
{
    const int16_t n = UpperBound(gAxis);
    return static_cast<int16_t>(
        std::count_if(gAxis.begin(), gAxis.begin() + n, [](const AxisRec& a) { return a.Number != -1; }));
}

int16_t nFctGetAxisIdList(std::vector<int16_t>& ids)
{
    ids.clear();
    const int16_t n = UpperBound(gAxis);
    for (int16_t i = 0; i < n; ++i)
        if (gAxis[i].Number != -1) ids.push_back(gAxis[i].Number);
    const auto count = static_cast<int16_t>(ids.size());
    ids.push_back(0);  // the array has the bounds 0 to count
    return count;
}

void SubAddAxis(int16_t axisId)
{
    const int16_t n = UpperBound(gAxis);
    gAxis.resize(static_cast<size_t>(n) + 2);
    SubInitAxisRecord(gAxis[n]);
    gAxis[n].Number = axisId;
}

void SubInitAxisRecord(AxisRec& rec)
{
    rec.Number = -1;
    rec.Description.clear();
    rec.ParentAxis = -1;
    rec.ChildAxis = -1;
    rec.MotorDefined = model::kFalse;
    rec.MotorIdentifier = MotorType::None;
    rec.MotorManufacturer.clear();
    rec.MotorProductKey.clear();
    rec.MotorDataNumber = 0;
    rec.NumberOfMechanisms = 0;
    rec.Mechanisms.assign(1, MechRec{});
    rec.LoadDefined = model::kFalse;
    rec.LoadIdentifier = LoadType::None;
    rec.LoadDataNumber = 0;
    rec.MotionMode = MotionMode::Rotary;
    rec.NumberOfMotionSegments = 0;
    rec.MotionSegments.assign(1, SegmentRec{});
    rec.QuickSetupDefined = model::kFalse;
    rec.QuickSetupMode = QuickSetupMode::Triangular;
    rec.NumberOfMessages = 0;
}

void SubInvalidateAxis(int16_t axisId)
{
    if (AxisRec* axis = model::FindAxis(axisId)) axis->Number = -1;
}

void SubResetAllAxes()
{
    gAxis.assign(1, AxisRec{});
    gAxisSaved.assign(1, AxisRec{});
}

void SubSaveAxesSnapshot()
{
    SubCopyAxisArray(gAxisSaved);
}

void SubCopyAllAxes(std::vector<AxisRec>& dest)
{
    SubCopyAxisArray(dest);
}

void SubPutAxisRecord(const AxisRec& rec, int16_t index)
{
    if (index < 0 || index >= UpperBound(gAxis)) return;
    SubCopyAxisRecord(rec, gAxis[index]);
}

void SubCopyAxisArray(std::vector<AxisRec>& dest)
{
    const int16_t n = UpperBound(gAxis);
    std::vector<AxisRec> copy(static_cast<size_t>(n) + 1);
    for (int16_t i = 0; i < n; ++i) SubCopyAxisRecord(gAxis[i], copy[i]);
    dest = std::move(copy);  // built aside, so dest may be gAxis itself
}

void SubCopyAxisRecord(const AxisRec& src, AxisRec& dst)
{
    dst.Number = src.Number;
    dst.Description = src.Description;
    dst.ParentAxis = src.ParentAxis;
    dst.ChildAxis = src.ChildAxis;
    SubCopyAxisMotorBlock(src, dst);
    SubCopyMechanismList(src, dst);
    SubCopyLoadBlock(src, dst);
    SubCopyProfileSegments(src, dst);
    SubCopyQuickSetup(src, dst);
}

void SubCopyAxisMotorBlock(const AxisRec& src, AxisRec& dst)
{
    dst.MotorDefined = src.MotorDefined;
    dst.MotorIdentifier = src.MotorIdentifier;
    dst.MotorManufacturer = src.MotorManufacturer;
    dst.MotorProductKey = src.MotorProductKey;
    dst.MotorDataNumber = src.MotorDataNumber;
    for (size_t i = 0; i < src.MotorData.size(); ++i) SubCopyParamRec(src.MotorData[i], dst.MotorData[i]);
}

void SubCopyMechanismList(const AxisRec& src, AxisRec& dst)
{
    const int16_t count = std::max<int16_t>(src.NumberOfMechanisms, 0);
    std::vector<MechRec> chain(static_cast<size_t>(count) + 1);
    for (int16_t i = 0; i < count && static_cast<size_t>(i) < src.Mechanisms.size(); ++i)
        SubCopyMechRecord(src.Mechanisms[i], chain[i]);
    dst.Mechanisms = std::move(chain);
    dst.NumberOfMechanisms = src.NumberOfMechanisms;
}

void SubCopyMechRecord(const MechRec& src, MechRec& dst)
{
    dst.Identifier = src.Identifier;
    dst.TextID = src.TextID;
    dst.Manufacturer = src.Manufacturer;
    dst.ProductKey = src.ProductKey;
    dst.DataNumber = src.DataNumber;
    for (size_t i = 0; i < src.MechanismData.size(); ++i)
        SubCopyParamRec(src.MechanismData[i], dst.MechanismData[i]);
}

void SubCopyLoadBlock(const AxisRec& src, AxisRec& dst)
{
    dst.LoadDefined = src.LoadDefined;
    dst.LoadIdentifier = src.LoadIdentifier;
    dst.LoadDataNumber = src.LoadDataNumber;
    for (size_t i = 0; i < src.LoadData.size(); ++i) SubCopyParamRec(src.LoadData[i], dst.LoadData[i]);
}

void SubCopyProfileSegments(const AxisRec& src, AxisRec& dst)
{
    dst.MotionMode = src.MotionMode;
    const int16_t count = std::max<int16_t>(src.NumberOfMotionSegments, 0);
    std::vector<SegmentRec> segments(static_cast<size_t>(count) + 1);
    for (int16_t i = 0; i < count && static_cast<size_t>(i) < src.MotionSegments.size(); ++i)
        SubCopyProfileSegment(src.MotionSegments[i], segments[i]);
    dst.MotionSegments = std::move(segments);
    dst.NumberOfMotionSegments = src.NumberOfMotionSegments;
}

void SubCopyProfileSegment(const SegmentRec& src, SegmentRec& dst)
{
    for (int16_t p = 0; p < model::kSegmentParamCount; ++p)
        SubCopyParamRec(*model::SegmentParameter(src, p), *model::SegmentParameter(dst, p));
}

void SubCopyQuickSetup(const AxisRec& src, AxisRec& dst)
{
    dst.QuickSetupDefined = src.QuickSetupDefined;
    dst.QuickSetupMode = src.QuickSetupMode;
    for (size_t i = 0; i < src.QuickSetupData.size(); ++i)
        SubCopyParamRec(src.QuickSetupData[i], dst.QuickSetupData[i]);
}

void SubCopyParamRec(const ParamRec& src, ParamRec& dst)
{
    dst = src;  // all eight fields
}

int16_t nFctGetMechanismTypeTextId(int16_t mechanismType)
{
    switch (mechanismType) {
    case MechanismType::BeltPulley: case 50: return 6;
    case MechanismType::Conveyor: case 51: return 8;
    case MechanismType::Coupling: case 64: return 95;
    case MechanismType::Disk: case 52: return 7;
    case MechanismType::Gearbox: return 9;
    case MechanismType::Leadscrew: case 53: return 10;
    case MechanismType::RackPinion: case 54: return 11;
    case MechanismType::RotaryTable: case 55: return 12;
    case MechanismType::NipRoll: case 56: return 370;
    case MechanismType::WinderCenter: return 373;
    case MechanismType::WinderSurface: return 374;
    default: return 0;
    }
}

int16_t nFctGetMotorTypeTextId(int16_t motorType)
{
    if (motorType == MotorType::None) return 254;
    if (motorType >= MotorType::Motor && motorType <= MotorType::Stepper)
        return static_cast<int16_t>(255 + (motorType - MotorType::Motor));
    return -1;
}

void SubInitMechRecord(MechRec& rec, int16_t mechanismType)
{
    rec.Identifier = mechanismType;
    rec.Manufacturer.clear();
    rec.ProductKey.clear();
    rec.DataNumber = 0;
    if (mechanismType != MechanismType::None)
        rec.DataNumber = model::FillBlockFromControlTable(mechanismType, rec.MechanismData);
    rec.TextID = nFctGetMechanismTypeTextId(mechanismType);
}

void SubInitMotorRecord(MotorRec& rec, int16_t motorType)
{
    rec.Identifier = motorType;
    rec.TextID = nFctGetMotorTypeTextId(motorType);
    rec.Manufacturer.clear();
    rec.ProductKey.clear();
    rec.DataNumber = 0;
    if (motorType != MotorType::None)
        rec.DataNumber = model::FillBlockFromControlTable(motorType, rec.MotorData);
}

void nFctInitQuickSetup(int16_t axisId, int16_t resetMode)
{
    AxisRec* found = model::FindAxis(axisId);
    if (found == nullptr) return;
    AxisRec& axis = *found;
    if (resetMode != 0) axis.QuickSetupMode = QuickSetupMode::Triangular;
    axis.QuickSetupDefined = model::kTrue;

    const int16_t slots = model::FillBlockFromControlTable(ParamControlKey::QuickSetup, axis.QuickSetupData);
    for (int16_t s = 0; s < slots; ++s) {
        ParamRec& slot = axis.QuickSetupData[s];
        if (s == QuickSetupSlot::Velocity)
            ApplySelectedNaUnit(slot, 5, gnRotaryVelocityUnit);
        else if (s == QuickSetupSlot::Distance)
            ApplySelectedNaUnit(slot, 2, gnRotaryLengthUnit);
        else  // the time slots 1, 3, 4, 5 and a spare slot 6
            ApplySelectedNaUnit(slot, 22, gnTimeUnit);
    }
}

void nFctInitProfileSegments(int16_t axisId)
{
    AxisRec* found = model::FindAxis(axisId);
    if (found == nullptr) return;
    AxisRec& axis = *found;
    axis.MotionMode = MotionMode::Rotary;
    axis.NumberOfMotionSegments = model::kInitialSegmentCount;

    // The control rows of a segment come in parameter-index order; a seventh
    // row is read but not used.
    std::array<ParamRec, model::kSegmentParamCount + 1> rows{};
    const int16_t rowCount = model::FillBlockFromControlTable(ParamControlKey::ProfileSegment, rows);
    // The unit type and selected position of each member by parameter index.
    const std::array<std::pair<int16_t, int16_t>, model::kSegmentParamCount - 1> units = {{
        {5, gnRotaryVelocityUnit}, {5, gnRotaryVelocityUnit}, {22, gnTimeUnit},
        {8, gnRotaryAccelerationUnit}, {2, gnRotaryLengthUnit}}};
    SegmentRec segment;
    for (int16_t p = 0; p < std::min<int16_t>(rowCount, model::kSegmentParamCount); ++p) {
        ParamRec& member = *model::SegmentParameter(segment, p);
        member = rows[p];
        if (p < static_cast<int16_t>(units.size())) ApplySelectedNaUnit(member, units[p].first, units[p].second);
    }
    segment.LoadWeightApplied.Data = 1.0;

    axis.MotionSegments.assign(static_cast<size_t>(model::kInitialSegmentCount) + 1, SegmentRec{});
    std::fill_n(axis.MotionSegments.begin(), model::kInitialSegmentCount, segment);
}
