// The quick setup of an axis: the short way to describe a triangular or
// trapezoidal move. Validation completes the missing values of the move;
// the transfer writes it into the profile segments.
#include "model/basAxisRequirements.h"

#include <array>
#include <cmath>
#include <span>
#include "foundation/ClsMessageSystem.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculationsInternal.h"
#include "model/basValueConversion.h"

using calc::detail::BasicValue;

namespace {

constexpr int kCompletedEntries = 6;  // V, T, S, ta, td and a spare

// Messages of a quick setup that cannot be completed: message number and
// string id.
struct QuickSetupMessage {
    int16_t number;
    int16_t textId;
};
constexpr QuickSetupMessage kRampMissing{2003, 156};
constexpr QuickSetupMessage kTooFewValues{2004, 157};
constexpr QuickSetupMessage kRampsExceedDistance{2005, 158};
constexpr QuickSetupMessage kRampsExceedTime{2006, 159};
constexpr QuickSetupMessage kDistanceInconsistent{2007, 160};

void ShowQuickSetupMessage(const QuickSetupMessage& message)
{
    gMsg->nKind = kKindWarning;
    gMsg->nButtons = kButtonsOkCancel;
    gMsg->bShowError = 0;
    gMsg->nMessageNumber = message.number;
    gMsg->nTextID = message.textId;
    gMsg->nFctDisplay();
}

// The move in basic units.
struct Move {
    double V = 0.0, T = 0.0, S = 0.0, ta = 0.0, td = 0.0;

    // The distance of the ramps and of the whole move at speed V.
    double RampDistance() const { return V * (ta + td) / 2.0; }
    double Distance() const { return RampDistance() + (T - ta - td) * V; }
};

// The first check the move fails after the ramp check, nullptr when it
// passes. A move without ramp times has the ramps of its split already.
const QuickSetupMessage* FirstFailedCheck(const Move& m)
{
    const int given = (m.V != 0.0) + (m.S != 0.0) + (m.T != 0.0);
    if (given < 2)
        return &kTooFewValues;
    if (m.S != 0.0 && m.RampDistance() > m.S)
        return &kRampsExceedDistance;
    if (m.T > 0.0 && m.ta + m.td > m.T)
        return &kRampsExceedTime;
    if (m.S > 0.0 && m.V > 0.0 && m.T > 0.0) {
        const double computed = m.Distance();
        if (!(0.99 * m.S <= computed && computed <= 1.01 * m.S))
            return &kDistanceInconsistent;
    }
    return nullptr;
}

// Works out the values the user left at 0.
void CompleteMove(Move& m, bool halves)
{
    const double part = halves ? 2.0 : 3.0;
    if (m.T == 0.0) {
        if (m.ta == 0.0) {
            // No time at all: the whole move is ramps (halves) or a third
            // of it at constant speed (thirds).
            m.T = halves ? 2.0 * m.S / m.V : 3.0 * m.S / (2.0 * m.V);
            m.ta = m.td = m.T / part;
        } else {
            double constantDistance = m.S - m.RampDistance();
            if (!(constantDistance > 0.01 * m.S))
                constantDistance = 0.0;
            const double constantTime = m.V == 0.0 ? 0.0 : constantDistance / m.V;
            m.T = constantTime + m.ta + m.td;
        }
    }
    if (m.V == 0.0)
        m.V = m.S / (m.ta / 2.0 + m.td / 2.0 + (m.T - m.ta - m.td));
    if (m.S == 0.0)
        m.S = m.Distance();
}

// Divides by a factor, 0 for a factor of 0.
double InUnitOf(double basic, const ParamRec& slot)
{
    return slot.Factor == 0.0 ? 0.0 : basic / slot.Factor;
}

} // namespace

int16_t nFctValidateQuickSetup(int16_t axisId, int16_t splitMode, std::vector<double>& completed,
                               int16_t showMessages)
{
    completed.assign(kCompletedEntries, 0.0);
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return model::kFalse;
    const auto& slots = axis->QuickSetupData;
    const bool trapezoidal = axis->QuickSetupMode != QuickSetupMode::Triangular;

    Move m;
    m.V = BasicValue(slots[QuickSetupSlot::Velocity]);
    m.T = BasicValue(slots[QuickSetupSlot::TotalTime]);
    m.S = BasicValue(slots[QuickSetupSlot::Distance]);
    if (trapezoidal) {
        m.ta = BasicValue(slots[QuickSetupSlot::AccelTime]);
        m.td = BasicValue(slots[QuickSetupSlot::DecelTime]);
    }

    // Trapezoidal: both ramp times or neither.
    const QuickSetupMessage* failed = nullptr;
    if (trapezoidal && ((m.ta == 0.0) != (m.td == 0.0)))
        failed = &kRampMissing;
    // A move without ramp times has the ramps of its split, and the checks
    // test the move it really becomes.
    const bool halves = splitMode == 0;
    if (m.ta == 0.0 && m.td == 0.0) {
        m.ta = m.T / (halves ? 2.0 : 3.0);
        m.td = m.ta;
    }
    if (failed == nullptr)
        failed = FirstFailedCheck(m);
    if (failed != nullptr) {
        if (showMessages)
            ShowQuickSetupMessage(*failed);
        return model::kFalse;
    }

    CompleteMove(m, halves);
    const double values[] = {m.V, m.T, m.S, m.ta, m.td};
    for (int k = 0; k < 5; ++k)
        completed[static_cast<size_t>(k)] = calc::detail::Finite(InUnitOf(values[k], slots[k]));
    return model::kTrue;
}

int16_t bFctQuickSetupEmpty(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr || axis->QuickSetupDefined == 0)
        return model::kTrue;
    static constexpr int16_t kTriangularSlots[] = {0, 1, 2, 5};
    static constexpr int16_t kTrapezoidalSlots[] = {0, 1, 2, 3, 4, 5};
    const std::span<const int16_t> slots = axis->QuickSetupMode == QuickSetupMode::Triangular
                                               ? std::span<const int16_t>(kTriangularSlots)
                                               : std::span<const int16_t>(kTrapezoidalSlots);
    for (int16_t slot : slots)
        if (axis->QuickSetupData[static_cast<size_t>(slot)].Data != 0.0)
            return model::kFalse;
    return model::kTrue;
}

namespace {

constexpr int16_t kMaxTransferSegments = 10;

// One segment of the move in basic units.
struct MoveSegment {
    double initial, final, duration, acceleration, distance;
};

// A new profile segment as the control table describes one; its units are
// set by the transfer.
SegmentRec NewSegment()
{
    std::array<ParamRec, model::kSegmentParamCount + 1> rows{};
    const int16_t count = model::FillBlockFromControlTable(ParamControlKey::ProfileSegment, rows);
    SegmentRec segment;
    for (int16_t p = 0; p < count && p < model::kSegmentParamCount; ++p)
        *model::SegmentParameter(segment, p) = rows[static_cast<size_t>(p)];
    segment.LoadWeightApplied.Data = 1.0;
    return segment;
}

// Gives the value the unit type of its quantity in the motion mode and moves
// it into the basic unit of that type.
void ToBasicUnit(ParamRec& p, int16_t unitType)
{
    p.UnitType = unitType;
    SubConvertValueToUnit(p, nFctGetBasicUnit(unitType));
}

} // namespace

void nFctTransferQuickSetup(int16_t axisId, const std::vector<double>& completed,
                            int16_t keepEntered, int16_t loadWeight)
{
    AxisRec* found = model::FindAxis(axisId);
    if (found == nullptr)
        return;
    AxisRec& axis = *found;
    const auto& slots = axis.QuickSetupData;
    auto entry = [&](int k) {
        return k < static_cast<int>(completed.size()) ? completed[static_cast<size_t>(k)] : 0.0;
    };
    const double V = entry(0) * slots[QuickSetupSlot::Velocity].Factor;
    const double T = entry(1) * slots[QuickSetupSlot::TotalTime].Factor;
    const double S = entry(2) * slots[QuickSetupSlot::Distance].Factor;
    const double ta = entry(3) * slots[QuickSetupSlot::AccelTime].Factor;
    const double td = entry(4) * slots[QuickSetupSlot::DecelTime].Factor;
    const double dwell = BasicValue(slots[QuickSetupSlot::DwellTime]);

    // The segments of the move.
    const double d1 = V * ta / 2.0;
    const double d3 = td * V / 2.0;
    double dc = S - d1 - d3;
    if (!(std::fabs(dc) > 0.01 * S))
        dc = 0.0;
    double tc = T - ta - td;
    if (!(tc > 0.01 * T))
        tc = 0.0;
    std::vector<MoveSegment> move;
    move.push_back({0.0, V, ta, ta == 0.0 ? 0.0 : V / ta, d1});
    if (dc != 0.0)
        move.push_back({V, V, tc, 0.0, dc});
    move.push_back({V, 0.0, td, td == 0.0 ? 0.0 : -V / td, d3});
    if (dwell != 0.0)
        move.push_back({0.0, 0.0, dwell, 0.0, 0.0});
    const auto written = static_cast<int16_t>(move.size());

    // The profile: at most ten segments, at least those of the move.
    if (axis.NumberOfMotionSegments > kMaxTransferSegments)
        axis.NumberOfMotionSegments = kMaxTransferSegments;
    if (axis.NumberOfMotionSegments < written) {
        axis.MotionSegments.resize(static_cast<size_t>(axis.NumberOfMotionSegments));
        axis.MotionSegments.resize(static_cast<size_t>(written), NewSegment());
        axis.MotionSegments.push_back(SegmentRec{});  // the spare element
        axis.NumberOfMotionSegments = written;
    }
    const int16_t n = axis.NumberOfMotionSegments;
    const bool linear = axis.MotionMode != MotionMode::Rotary;

    // Clear every segment in the basic units of the motion mode.
    for (int16_t k = 0; k < n; ++k) {
        SegmentRec& s = axis.MotionSegments[static_cast<size_t>(k)];
        for (ParamRec* p : {&s.InitialVelocity, &s.FinalVelocity, &s.Acceleration, &s.Duration,
                            &s.Distance})
            p->Data = 0.0;
        if (loadWeight)
            s.LoadWeightApplied.Data = 0.0;
        ToBasicUnit(s.InitialVelocity, linear ? 6 : 5);
        ToBasicUnit(s.FinalVelocity, linear ? 6 : 5);
        ToBasicUnit(s.Acceleration, linear ? 9 : 8);
        SubConvertValueToUnit(s.Duration, nFctGetBasicUnit(s.Duration.UnitType));
        ToBasicUnit(s.Distance, linear ? 3 : 2);
    }

    for (int16_t k = 0; k < written; ++k) {
        SegmentRec& s = axis.MotionSegments[static_cast<size_t>(k)];
        const MoveSegment& m = move[static_cast<size_t>(k)];
        s.InitialVelocity.Data = m.initial;
        s.FinalVelocity.Data = m.final;
        s.Duration.Data = m.duration;
        s.Acceleration.Data = m.acceleration;
        s.Distance.Data = m.distance;
        if (loadWeight)
            s.LoadWeightApplied.Data = 1.0;
    }

    // Into the units of the quick setup.
    const int16_t velocityUnit = slots[QuickSetupSlot::Velocity].UnitID;
    const int16_t accelerationUnit = nFctGetAccelUnitForVelocityUnit(velocityUnit);
    for (int16_t k = 0; k < n; ++k) {
        SegmentRec& s = axis.MotionSegments[static_cast<size_t>(k)];
        SubConvertValueToUnit(s.InitialVelocity, velocityUnit);
        SubConvertValueToUnit(s.FinalVelocity, velocityUnit);
        SubConvertValueToUnit(s.Acceleration, accelerationUnit);
        SubConvertValueToUnit(s.Duration, slots[QuickSetupSlot::TotalTime].UnitID);
        SubConvertValueToUnit(s.Distance, slots[QuickSetupSlot::Distance].UnitID);
        s.InitialVelocity.UnitType = 4;
        s.FinalVelocity.UnitType = 4;
        s.Acceleration.UnitType = 7;
        s.Distance.UnitType = 1;
    }

    if (!keepEntered)
        return;
    // Keep only what defines each written segment.
    const bool totalTimeGiven = slots[QuickSetupSlot::TotalTime].Data != 0.0;
    const bool distanceGiven = slots[QuickSetupSlot::Distance].Data != 0.0;
    for (int16_t k = 0; k < written; ++k) {
        SegmentRec& s = axis.MotionSegments[static_cast<size_t>(k)];
        s.Acceleration.Data = 0.0;
        const bool moving = s.InitialVelocity.Data != 0.0 || s.FinalVelocity.Data != 0.0;
        if (moving && !totalTimeGiven)
            s.Duration.Data = 0.0;
        if (!(s.Duration.Data == 0.0 && distanceGiven))
            s.Distance.Data = 0.0;
    }
}
