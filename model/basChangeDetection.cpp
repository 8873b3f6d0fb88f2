#include "model/basChangeDetection.h"

#include "model/basWindowStatus.h"

namespace {

constexpr double kLowerRatio = 0.99999;
constexpr double kUpperRatio = 1.00001;

// Whether x lies within the relative tolerance of the baseline value y, both
// ends included; 0 equals only 0.
bool ValuesEqual(double x, double y)
{
    const double low = y * (x >= 0.0 ? kLowerRatio : kUpperRatio);
    const double high = y * (x >= 0.0 ? kUpperRatio : kLowerRatio);
    return low <= x && x <= high;
}

// The first count entries of two blocks compared with bFctParamRecEqual.
template <class Block>
bool EntriesEqual(const Block& a, const Block& b, int16_t count)
{
    for (int16_t i = 0; i < count && static_cast<size_t>(i) < a.size(); ++i)
        if (!bFctParamRecEqual(a[i], b[i])) return false;
    return true;
}

// A record count of an axis array (its upper bound; 0 when it does not exist).
int16_t RecordCount(const std::vector<AxisRec>& axes)
{
    return axes.empty() ? 0 : static_cast<int16_t>(axes.size() - 1);
}

} // namespace

int16_t nFctGetModifiedState()
{
    const int16_t n = RecordCount(gAxis);
    if (n == 0) return 0;
    const int16_t withoutAxisChange = gbWindowStatusChanged ? 2 : 0;
    if (n != RecordCount(gAxisSaved)) return 1;
    for (int16_t i = 0; i < n; ++i)
        if (!bFctAxisEqual(gAxis[i], gAxisSaved[i])) return 1;
    return withoutAxisChange;
}

int16_t bFctAxisEqual(const AxisRec& a, const AxisRec& b)
{
    const bool equal = a.Number == b.Number && a.Description == b.Description &&
                       a.ParentAxis == b.ParentAxis && a.ChildAxis == b.ChildAxis &&
                       bFctMotorBlockEqual(a, b) && bFctMechanismListEqual(a, b) &&
                       bFctLoadBlockEqual(a, b) && bFctProfileSegmentsEqual(a, b) &&
                       bFctQuickSetupEqual(a, b);
    return model::AsFlag(equal);
}

int16_t bFctMotorBlockEqual(const AxisRec& a, const AxisRec& b)
{
    return model::AsFlag(a.MotorDefined == b.MotorDefined && a.MotorIdentifier == b.MotorIdentifier &&
                         a.MotorManufacturer == b.MotorManufacturer &&
                         a.MotorProductKey == b.MotorProductKey &&
                         a.MotorDataNumber == b.MotorDataNumber &&
                         EntriesEqual(a.MotorData, b.MotorData, a.MotorDataNumber));
}

int16_t bFctMechanismListEqual(const AxisRec& a, const AxisRec& b)
{
    if (a.NumberOfMechanisms != b.NumberOfMechanisms) return model::kFalse;
    for (int16_t i = 0; i < a.NumberOfMechanisms; ++i) {
        const MechRec* ma = model::ChainMechanism(a, i);
        const MechRec* mb = model::ChainMechanism(b, i);
        if (ma == nullptr || mb == nullptr) return model::AsFlag(ma == mb);
        if (!bFctMechanismEqual(*ma, *mb)) return model::kFalse;
    }
    return model::kTrue;
}

int16_t bFctLoadBlockEqual(const AxisRec& a, const AxisRec& b)
{
    return model::AsFlag(a.LoadDefined == b.LoadDefined && a.LoadIdentifier == b.LoadIdentifier &&
                         a.LoadDataNumber == b.LoadDataNumber &&
                         EntriesEqual(a.LoadData, b.LoadData, a.LoadDataNumber));
}

int16_t bFctProfileSegmentsEqual(const AxisRec& a, const AxisRec& b)
{
    if (a.MotionMode != b.MotionMode || a.NumberOfMotionSegments != b.NumberOfMotionSegments)
        return model::kFalse;
    for (int16_t i = 0; i < a.NumberOfMotionSegments; ++i) {
        const SegmentRec* sa = model::ProfileSegment(a, i);
        const SegmentRec* sb = model::ProfileSegment(b, i);
        if (sa == nullptr || sb == nullptr) return model::AsFlag(sa == sb);
        if (!bFctProfileSegmentEqual(*sa, *sb)) return model::kFalse;
    }
    return model::kTrue;
}

int16_t bFctQuickSetupEqual(const AxisRec& a, const AxisRec& b)
{
    return model::AsFlag(a.QuickSetupDefined == b.QuickSetupDefined &&
                         a.QuickSetupMode == b.QuickSetupMode &&
                         EntriesEqual(a.QuickSetupData, b.QuickSetupData, model::kQuickSetupUsedSlots));
}

int16_t bFctMechanismEqual(const MechRec& a, const MechRec& b)
{
    return model::AsFlag(a.Identifier == b.Identifier && a.TextID == b.TextID &&
                         a.Manufacturer == b.Manufacturer && a.ProductKey == b.ProductKey &&
                         a.DataNumber == b.DataNumber &&
                         EntriesEqual(a.MechanismData, b.MechanismData, a.DataNumber));
}

int16_t bFctProfileSegmentEqual(const SegmentRec& a, const SegmentRec& b)
{
    return model::AsFlag(bFctParamRecEqual(a.InitialVelocity, b.InitialVelocity) &&
                         bFctParamRecEqual(a.FinalVelocity, b.FinalVelocity) &&
                         bFctParamRecEqual(a.Acceleration, b.Acceleration) &&
                         bFctParamRecEqual(a.Duration, b.Duration) &&
                         bFctParamRecEqual(a.Distance, b.Distance) &&
                         bFctParamRecEqual(a.LoadWeightApplied, b.LoadWeightApplied));
}

int16_t bFctParamRecEqual(const ParamRec& a, const ParamRec& b)
{
    return model::AsFlag(ValuesEqual(a.Data, b.Data) && a.UnitType == b.UnitType &&
                         a.UnitID == b.UnitID && a.Status == b.Status && a.TextID == b.TextID &&
                         a.Factor == b.Factor);
}

int16_t bFctRecHasGearbox(const AxisRec& rec)
{
    for (int16_t i = 0; i < rec.NumberOfMechanisms; ++i) {
        const MechRec* mech = model::ChainMechanism(rec, i);
        if (mech && mech->Identifier == MechanismType::Gearbox) return model::kTrue;
    }
    return model::kFalse;
}

int16_t bFctProfileSegmentEmpty(const AxisRec& rec, int16_t segmentIndex)
{
    const SegmentRec* s = model::ProfileSegment(rec, segmentIndex);
    if (s == nullptr) return model::kTrue;
    return model::AsFlag(s->InitialVelocity.Data == 0.0 && s->FinalVelocity.Data == 0.0 &&
                         s->Acceleration.Data == 0.0 && s->Duration.Data == 0.0 &&
                         s->Distance.Data == 0.0);
}

int16_t bFctRecProfileEmpty(const AxisRec& rec)
{
    for (int16_t i = 0; i < rec.NumberOfMotionSegments; ++i)
        if (!bFctProfileSegmentEmpty(rec, i)) return model::kFalse;
    return model::kTrue;
}
