// The mechanism calculations: each mechanism type turns the values carried
// at its output shaft (gdChainValue1..4) into the values at its input shaft,
// stores its results and raises its warnings. Also the reset of all result
// cells of an axis and the list of calculation warnings.
#include "model/basAxisCalculations.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculationsInternal.h"

using namespace calc::detail;
using calc::CalcWarning::VelocityAboveMaximum;
using calc::CalcWarning::VelocityCloseToMaximum;

double gdChainValue1 = 0.0;
double gdChainValue2 = 0.0;
double gdChainValue3 = 0.0;
double gdChainValue4 = 0.0;

namespace {

// One mechanism's calculation: its record, its position and what it reads.
struct MechanismStep {
    AxisRec& axis;
    int16_t index;
    const MechRec& mech;
    // Carried torque and inertia as the mechanism takes them (0 when not
    // chained), velocity and acceleration at its output.
    double carriedTorque;
    double carriedInertia;
    double velocity;
    double acceleration;

    double Value(int entry) const { return BasicValue(mech.MechanismData[entry]); }
    double Radius(int entry) const { return Value(entry) / 2.0; }
    double Scaled(int entry) const { return Value(entry) * kInternalScale; }
    double Plain(int entry) const { return mech.MechanismData[entry].Data; }
    double Efficiency(int entry) const { return Plain(entry) / 100.0; }
    double WeightPerVolume(int entry) const { return Value(entry) * kDensityToWeight; }
    double Angle(int entry) const { return kPi / 180.0 * Plain(entry); }

    void Warn(int16_t message) const { SubAddCalcMessage(axis, index, message); }

    // The entered weight, replaced by the computed one when it disagrees by
    // more than 1 % and taken from it when missing.
    double CheckedWeight(double entered, double computed, int16_t inconsistent,
                         int16_t missing) const
    {
        double weight = entered;
        if (weight != 0.0 && computed != 0.0 &&
            !(0.99 * weight <= computed && computed <= 1.01 * weight)) {
            weight = computed;
            Warn(inconsistent);
        }
        if (weight == 0.0)
            weight = computed;
        if (weight == 0.0)
            Warn(missing);
        return weight;
    }

    // The force that moves a weight along the incline theta: its share along
    // the slope, the thrust entry and the friction (coefficient entry).
    double InclineForce(double weight, double theta, int thrustEntry, int frictionEntry) const
    {
        const double friction = weight * Plain(frictionEntry) * std::cos(theta);
        const double slope = weight * std::sin(theta);
        return slope + Value(thrustEntry) + friction;
    }

    // The axis's load weight as an end device takes it.
    double LoadWeight(int16_t chained) const { return chained ? axis.LoadWeight.Value : 0.0; }

    // Leaves the values at the input shaft in the accumulators and the
    // results in the mechanism's cells (torques and inertias scaled back).
    void Store(double torque, double inertia, double inputVelocity, double inputAcceleration,
               double peak, double mechanismInertia) const
    {
        gdChainValue1 = torque;
        gdChainValue2 = inertia;
        gdChainValue3 = inputVelocity;
        gdChainValue4 = inputAcceleration;
        auto& r = axis.Mechanisms[index].MechResult;
        r[calc::MechResultIndex::MaxInputVelocity].Value = Finite(inputVelocity);
        r[calc::MechResultIndex::TotalInertia].Value = Finite(inertia / kInternalScale);
        r[calc::MechResultIndex::ConstantTorque].Value = Finite(torque / kInternalScale);
        r[calc::MechResultIndex::PeakTorque].Value = Finite(peak / kInternalScale);
        r[calc::MechResultIndex::MechanismInertia].Value =
            Finite(mechanismInertia / kInternalScale);
    }
    // The same for a mechanism that passes velocity and acceleration on.
    void Store(double torque, double inertia, double peak, double mechanismInertia) const
    {
        Store(torque, inertia, velocity, acceleration, peak, mechanismInertia);
    }

    // Travel of the profile in mm, for the length checks of screw and rack.
    double ProfileTravel() const
    {
        int16_t unit = -1;
        const double range = dFctGetProfileTravelRange(axis.Number, unit);
        return range * dFctGetFactorToBasicUnit(int16_t{-1}, unit);
    }
    void CheckTravel(double length, int16_t exceeds, int16_t close) const
    {
        const double travel = ProfileTravel();
        if (travel > length)
            Warn(exceeds);
        else if (travel >= 0.95 * length)
            Warn(close);
    }
};

// Hollow cylinder of outer and inner radius: weight and inertia (internal
// scale) about its axis.
double HollowWeight(double length, double weightPerVolume, double outer, double inner)
{
    return length * weightPerVolume * kPi * (outer * outer - inner * inner);
}
double HollowInertia(double weight, double outer, double inner)
{
    return weight / kTwoGravity * (outer * outer + inner * inner);
}

// Speed ratio of two radii (driven / driving); 1.0 when either is missing.
double RadiusRatio(double driven, double driving)
{
    return driven > 0.0 && driving > 0.0 ? driven / driving : 1.0;
}

void CalcBeltPulley(const MechanismStep& m)
{
    enum { MotorDiameter, MotorWeight, MotorThickness, MotorDensity, LoadPulleyCount,
           LoadDiameter, LoadWeight, LoadThickness, LoadDensity, BeltWeight, Eff,
           FrictionTorque };
    const double r1 = m.Radius(MotorDiameter);
    const double r2 = m.Radius(LoadDiameter);
    const double w1 = m.CheckedWeight(m.Value(MotorWeight),
                                      m.Value(MotorThickness) * m.WeightPerVolume(MotorDensity) *
                                          r1 * r1 * kPi,
                                      calc::CalcWarning::MotorPulleyWeightInconsistent,
                                      calc::CalcWarning::MotorPulleyWeightMissing);
    const double w2 = m.CheckedWeight(m.Value(LoadWeight),
                                      m.Value(LoadThickness) * m.WeightPerVolume(LoadDensity) *
                                          r2 * r2 * kPi,
                                      calc::CalcWarning::LoadPulleyWeightInconsistent,
                                      calc::CalcWarning::LoadPulleyWeightMissing);
    double eta = m.Efficiency(Eff);
    if (eta == 0.0)
        eta = 1.0;
    const double n = m.Plain(LoadPulleyCount);
    const double tf = m.Scaled(FrictionTorque);

    const double j1 = r1 * r1 * w1 / kTwoGravity;
    const double jBelt = eta > 0.0 ? r1 * r1 * m.Value(BeltWeight) / (eta * kGravity) : 0.0;
    const double j2 = r2 * r2 * w2 / kTwoGravity;
    const double i = RadiusRatio(r2, r1);
    const double j2Reflected = eta > 0.0 ? n * j2 / eta / (i * i) : 0.0;
    const double carriedReflected = eta > 0.0 ? m.carriedInertia / eta / (i * i) : 0.0;
    const double jm = jBelt + j1 + j2Reflected;
    const double jt = jm + carriedReflected;
    const double t = i > 0.0 && eta > 0.0 ? m.carriedTorque / (i * eta) + tf : tf;
    const double peak = t + kTwoPi * m.acceleration * jt * i;
    m.Store(t, jt, i * m.velocity, i * m.acceleration, peak, jm);
}

void CalcConveyor(const MechanismStep& m, int16_t chained)
{
    enum { DriveDiameter, DriveWeight, IdlerCount, IdlerDiameter, IdlerWeight, BeltWeight,
           Friction, Eff, Thrust, AngleDeg, AddedInertia };
    const double r = m.Radius(DriveDiameter);
    const double wl = m.LoadWeight(chained);
    const double wb = m.Value(BeltWeight);
    const double eta = m.Efficiency(Eff);
    const double ja = m.Scaled(AddedInertia);
    const double theta = m.Angle(AngleDeg);

    const double jd = r * r * m.Value(DriveWeight) / kTwoGravity;
    // An idler turns faster than the drive pulley by r / ri, so its inertia
    // ri^2 W / 2g reflects to r^2 W / 2g at the drive shaft.
    const double ji = m.Plain(IdlerCount) * m.Value(IdlerWeight) * r * r / kTwoGravity;
    const double jl = eta > 0.0 ? r * r * (wb + wl) / (eta * kGravity) : 0.0;
    const double jBelt = eta > 0.0 ? r * r * wb / (eta * kGravity) : 0.0;
    const double jm = jBelt + ja + jd + ji;
    const double jt = ja + jd + ji + jl;
    const double t = eta > 0.0 ? m.InclineForce(wb + wl, theta, Thrust, Friction) / eta * r : 0.0;
    const double peak = t + kTwoPi * m.acceleration * jt;
    m.Store(t, jt, peak, jm);
}

void CalcCoupling(const MechanismStep& m)
{
    enum { OuterDiameter, InnerDiameter, Length, Weight, Density };
    const double ro = m.Radius(OuterDiameter);
    const double ri = m.Radius(InnerDiameter);
    const double w = m.CheckedWeight(
        m.Value(Weight), HollowWeight(m.Value(Length), m.WeightPerVolume(Density), ro, ri),
        calc::CalcWarning::CouplingWeightInconsistent, calc::CalcWarning::CouplingWeightMissing);
    const double jc = HollowInertia(w, ro, ri);
    const double jt = m.carriedInertia + jc;
    const double peak = m.carriedTorque + kTwoPi * m.acceleration * jt;
    m.Store(m.carriedTorque, jt, peak, jc);
}

void CalcDisk(const MechanismStep& m)
{
    enum { Diameter, Thickness, Weight, Density };
    const double r = m.Radius(Diameter);
    const double w = m.CheckedWeight(
        m.Value(Weight), m.Value(Thickness) * m.WeightPerVolume(Density) * r * r * kPi,
        calc::CalcWarning::DiskWeightInconsistent, calc::CalcWarning::DiskWeightMissing);
    const double jd = w * r * r / kTwoGravity;
    const double jt = m.carriedInertia + jd;
    const double peak = m.carriedTorque + kTwoPi * m.acceleration * jt;
    m.Store(m.carriedTorque, jt, peak, jd);
}

void CalcGearbox(const MechanismStep& m)
{
    enum { Eff, ReducerInertia, Ratio };
    const double eta = m.Efficiency(Eff);
    const double jg = m.Scaled(ReducerInertia);
    const double i = m.Plain(Ratio);
    const double jr = i > 0.0 ? m.carriedInertia / (i * i) : 0.0;
    const double jt = eta > 0.0 ? jr / eta + jg : 0.0;
    const double t = i > 0.0 && eta > 0.0 ? m.carriedTorque / (eta * i) : 0.0;
    const double peak = t + kTwoPi * m.acceleration * jt * i;
    m.Store(t, jt, i * m.velocity, i * m.acceleration, peak, jg);
}

// Lead of a screw in rev/mm from its pitch/lead entry.
double LeadInRevsPerMm(const ParamRec& entry)
{
    if (entry.Factor == 0.0)
        return dFctConvertPitchLead(entry.UnitID, nFctGetBasicUnit(10), entry.Data);
    double p = std::fabs(entry.Data * entry.Factor);
    if (entry.Factor == -1.0 && p != 0.0)
        p = 1.0 / p;
    return p;
}

void CalcLeadscrew(const MechanismStep& m, int16_t chained)
{
    enum { Diameter, Length, Density, PitchLead, Eff, Friction, PreloadTorque, Thrust,
           AddedWeight, AngleDeg, AddedInertia, TerminalVelocity };
    const double r = m.Radius(Diameter);
    const double length = m.Value(Length);
    const double p = LeadInRevsPerMm(m.mech.MechanismData[PitchLead]);
    const double eta = m.Efficiency(Eff);
    const double wl = m.LoadWeight(chained);
    const double wa = m.Value(AddedWeight);
    const double ja = m.Scaled(AddedInertia);
    const double theta = m.Angle(AngleDeg);

    const ParamRec& vmax = m.mech.MechanismData[TerminalVelocity];
    double vt = dFctGetFactorToBasicUnit(int16_t{-1}, vmax.UnitID) * vmax.Data;
    if (bFctIsLinearUnit(vmax.UnitID))
        vt *= p;
    if (vt != 0.0) {
        if (m.velocity > vt)
            m.Warn(VelocityAboveMaximum);
        else if (m.velocity >= 0.98 * vt)
            m.Warn(VelocityCloseToMaximum);
    }
    m.CheckTravel(length, calc::CalcWarning::TravelExceedsScrewLength,
                  calc::CalcWarning::TravelCloseToScrewLength);

    const double js = kPi * length * m.WeightPerVolume(Density) * std::pow(r, 4) / kTwoGravity;
    const double leadFactor = kFourPiSquared * p * p;
    const double jl = p > 0.0 ? (wl + wa) / kGravity / leadFactor : 0.0;
    const double jw = p > 0.0 ? wa / kGravity / leadFactor : 0.0;
    const double jt = eta > 0.0 ? js + ja + jl / eta : 0.0;
    const double jm = eta > 0.0 ? js + ja + jw / eta : 0.0;
    const double t = p > 0.0 && eta > 0.0
                         ? m.InclineForce(wl + wa, theta, Thrust, Friction) / (p * kTwoPi * eta) +
                               m.Scaled(PreloadTorque)
                         : 0.0;
    const double peak = t + kTwoPi * m.acceleration * jt;
    m.Store(t, jt, peak, jm);
}

void CalcRackPinion(const MechanismStep& m, int16_t chained)
{
    enum { Diameter, PinionLength, RackWeight, RackLength, Density, PitchLead, Eff, Friction,
           Thrust, AngleDeg, AddedInertia };
    const double r = m.Radius(Diameter);
    const double wr = m.Value(RackWeight);
    const double wl = m.LoadWeight(chained);
    const double eta = m.Efficiency(Eff);
    const double ja = m.Scaled(AddedInertia);
    const double theta = m.Angle(AngleDeg);

    m.CheckTravel(m.Value(RackLength), calc::CalcWarning::TravelExceedsRackLength,
                  calc::CalcWarning::TravelCloseToRackLength);

    const double jp =
        kPi * m.Value(PinionLength) * m.WeightPerVolume(Density) * std::pow(r, 4) / kTwoGravity;
    const double jl = r * r * (wr + wl) / kGravity;
    const double jRack = r * r * wr / kGravity;
    const double jt = eta > 0.0 ? ja + jp + jl / eta : 0.0;
    const double jm = eta > 0.0 ? ja + jp + jRack / eta : 0.0;
    const double t = eta > 0.0 ? m.InclineForce(wr + wl, theta, Thrust, Friction) / eta * r : 0.0;
    const double peak = t + kTwoPi * m.acceleration * jt;
    m.Store(t, jt, peak, jm);
}

void CalcRotaryTable(const MechanismStep& m, int16_t chained)
{
    enum { Eff, OwnInertia, Ratio, Friction, Diameter, Thickness, Density, MaxVelocity };
    const double eta = m.Efficiency(Eff);
    const double jo = m.Scaled(OwnInertia);
    const double i = m.Plain(Ratio);
    const double r = m.Radius(Diameter);
    const double vmax = m.Value(MaxVelocity);

    if (vmax != 0.0) {
        const double vin = m.velocity * i;
        if (vin > vmax)
            m.Warn(VelocityAboveMaximum);
        else if (vin >= 0.99 * vmax)
            m.Warn(VelocityCloseToMaximum);
    }
    // A load that is only a weight sits on the table and turns with it; a
    // shaped load brings its own inertia through the carried inertia.
    const double wl = m.axis.LoadIdentifier == LoadType::WeightOnly ? m.LoadWeight(chained) : 0.0;
    const double wt = m.Value(Thickness) * m.WeightPerVolume(Density) * r * r * kPi;
    const double jTable = wt * r * r / kTwoGravity;
    const double jLoad = wl * r * r / kTwoGravity;
    const double jr = i > 0.0 ? (m.carriedInertia + jTable + jLoad) / (i * i) : 0.0;
    const double jtr = i > 0.0 ? jTable / (i * i) : 0.0;
    const double jt = eta > 0.0 ? jr / eta + jo : 0.0;
    const double jm = eta > 0.0 ? jtr / eta + jo : 0.0;
    const double peak = kTwoPi * m.acceleration * jt * i;
    m.Store(0.0, jt, i * m.velocity, i * m.acceleration, peak, jm);
}

// The roller entries shared by the nip roll and the two winders.
enum RollerEntry { Outer1, Inner1, Length1, Density1, RollerCount, Outer2, Inner2, Length2,
                   Density2, WebTension, AddedTorque };

struct RollerSet {
    double r1, r1i, j1;  // the first roller (drive roller, or the roll)
    double r2, r2i, j2;  // one roller of the second kind
    double n;            // number of rollers of the second kind
};

RollerSet Rollers(const MechanismStep& m)
{
    RollerSet s{};
    s.r1 = m.Radius(Outer1);
    s.r1i = m.Radius(Inner1);
    s.r2 = m.Radius(Outer2);
    s.r2i = m.Radius(Inner2);
    s.n = m.Plain(RollerCount);
    s.j1 = HollowInertia(HollowWeight(m.Value(Length1), m.WeightPerVolume(Density1), s.r1, s.r1i),
                         s.r1, s.r1i);
    s.j2 = HollowInertia(HollowWeight(m.Value(Length2), m.WeightPerVolume(Density2), s.r2, s.r2i),
                         s.r2, s.r2i);
    return s;
}

void CalcNipRoll(const MechanismStep& m)
{
    const RollerSet s = Rollers(m);
    const double i = RadiusRatio(s.r2, s.r1);
    const double drivenRollers = s.n * s.j2;
    const double jt = (drivenRollers + m.carriedInertia) / (i * i) + s.j1;
    const double jm = drivenRollers / (i * i) + s.j1;
    const double t = s.r1 * m.Value(WebTension) + m.Scaled(AddedTorque);
    const double peak = t + m.carriedTorque + kTwoPi * m.acceleration * jt;
    m.Store(t, jt, peak, jm);
}

// The winders take nothing from the load side but velocity and acceleration.
void CalcCenterWinder(const MechanismStep& m)
{
    const RollerSet s = Rollers(m);
    const double i = RadiusRatio(s.r2, s.r1);
    const double jt = s.n * s.j2 / (i * i) + s.j1;
    const double t = m.Value(WebTension) * s.r1 + m.Scaled(AddedTorque);
    const double peak = t + kTwoPi * m.acceleration * jt;
    m.Store(t, jt, peak, jt);
}

void CalcSurfaceWinder(const MechanismStep& m)
{
    // The first roller is the wound roll, the second kind the support rollers,
    // one of which the motor drives.
    const RollerSet s = Rollers(m);
    const double i = RadiusRatio(s.r1, s.r2);
    const double jt = ((s.n - 1.0) * s.j2 * i * i + s.j1) / (i * i) + s.j2;
    const double t = m.Value(WebTension) * s.r1 / i + m.Scaled(AddedTorque);
    const double peak = t + kTwoPi * m.acceleration * jt;
    m.Store(t, jt, peak, jt);
}

} // namespace

double calc::detail::CoreSpeedFactor(const AxisRec& axis)
{
    double factor = 1.0;
    const size_t count = std::min(static_cast<size_t>(std::max<int16_t>(axis.NumberOfMechanisms, 0)),
                                  axis.Mechanisms.size());
    for (size_t k = 0; k < count; ++k) {
        const MechRec& mech = axis.Mechanisms[k];
        if (mech.Identifier != MechanismType::WinderCenter)
            continue;
        const double outer = BasicValue(mech.MechanismData[Outer1]);
        const double inner = BasicValue(mech.MechanismData[Inner1]);
        if (inner > 0.0 && outer > inner)
            factor *= outer / inner;
    }
    return factor;
}

double calc::detail::ChainMotorVelocity(const AxisRec& axis)
{
    return axis.AxisResult[calc::AxisResultIndex::MotorVelocity].Value / CoreSpeedFactor(axis);
}

namespace {

bool EndsInCentreWinder(const AxisRec* axis)
{
    return axis != nullptr && axis->NumberOfMechanisms >= 1 &&
           static_cast<size_t>(axis->NumberOfMechanisms) <= axis->Mechanisms.size() &&
           axis->Mechanisms[static_cast<size_t>(axis->NumberOfMechanisms) - 1].Identifier ==
               MechanismType::WinderCenter;
}

} // namespace

int16_t nFctGetMotorSpeedDiameter(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (!EndsInCentreWinder(axis))
        return calc::RollDiameter::None;
    return CoreSpeedFactor(*axis) > 1.0 ? calc::RollDiameter::Core : calc::RollDiameter::FullRoll;
}

int16_t nFctGetChainSpeedDiameter(int16_t axisId)
{
    return EndsInCentreWinder(model::FindAxis(axisId)) ? calc::RollDiameter::FullRoll : calc::RollDiameter::None;
}

void SubCalcMechanism(AxisRec& axis, int16_t mechIndex, int16_t chained)
{
    if (axis.NumberOfMechanisms < 1 || mechIndex < 0 || mechIndex >= axis.NumberOfMechanisms ||
        mechIndex >= static_cast<int16_t>(axis.Mechanisms.size()))
        return;
    const MechRec& mech = axis.Mechanisms[mechIndex];
    const MechanismStep step{axis,
                             mechIndex,
                             mech,
                             chained ? gdChainValue1 : 0.0,
                             chained ? gdChainValue2 : 0.0,
                             gdChainValue3,
                             gdChainValue4};

    switch (mech.Identifier) {
    case MechanismType::BeltPulley: CalcBeltPulley(step); break;
    case MechanismType::Conveyor: CalcConveyor(step, chained); break;
    case MechanismType::Coupling: CalcCoupling(step); break;
    case MechanismType::Disk: CalcDisk(step); break;
    case MechanismType::Gearbox: CalcGearbox(step); break;
    case MechanismType::Leadscrew: CalcLeadscrew(step, chained); break;
    case MechanismType::RackPinion: CalcRackPinion(step, chained); break;
    case MechanismType::RotaryTable: CalcRotaryTable(step, chained); break;
    case MechanismType::NipRoll: CalcNipRoll(step); break;
    case MechanismType::WinderCenter: CalcCenterWinder(step); break;
    case MechanismType::WinderSurface: CalcSurfaceWinder(step); break;
    default: break;  // no calculation for this code
    }
}

void SubAddCalcMessage(AxisRec& axis, int16_t mechIndex, int16_t message)
{
    CalcMessageRec rec;
    rec.MechIndex = mechIndex;
    if (mechIndex >= 0 && mechIndex < static_cast<int16_t>(axis.Mechanisms.size()))
        rec.MechTextID = axis.Mechanisms[mechIndex].TextID;
    rec.TextID = message;
    ++axis.NumberOfMessages;
    axis.CalcMessages.resize(static_cast<size_t>(axis.NumberOfMessages) + 1);
    axis.CalcMessages[static_cast<size_t>(axis.NumberOfMessages) - 1] = rec;
}

void SubResetAxisResults(AxisRec& axis)
{
    auto reset = [](ResultCell& cell, int16_t unit) {
        cell.Value = 0.0;
        cell.UnitID = unit;
    };
    using namespace calc;
    const int16_t axisUnits[] = {kVelocityResultUnit, kInertiaResultUnit, kTorqueResultUnit,
                                 kTorqueResultUnit, kTorqueResultUnit};
    for (size_t k = 0; k < std::size(axisUnits); ++k)
        reset(axis.AxisResult[k], axisUnits[k]);

    const int16_t mechUnits[] = {kVelocityResultUnit, kInertiaResultUnit, kTorqueResultUnit,
                                 kTorqueResultUnit, kInertiaResultUnit};
    const size_t mechCount = std::min(static_cast<size_t>(std::max<int16_t>(axis.NumberOfMechanisms, 0)),
                                      axis.Mechanisms.size());
    for (size_t m = 0; m < mechCount; ++m)
        for (size_t k = 0; k < std::size(mechUnits); ++k)
            reset(axis.Mechanisms[m].MechResult[k], mechUnits[k]);

    const int16_t loadUnits[] = {kVelocityResultUnit, kInertiaResultUnit, kTorqueResultUnit,
                                 kTorqueResultUnit};
    for (size_t k = 0; k < std::size(loadUnits); ++k)
        reset(axis.LoadResult[k], loadUnits[k]);

    reset(axis.ProfileMaxVelocity, kVelocityResultUnit);
    reset(axis.ProfileMaxAcceleration, kAccelerationResultUnit);
    reset(axis.LoadWeight, kWeightResultUnit);
    reset(axis.LoadInertia, kInertiaResultUnit);
    reset(axis.LoadAccelTorque, kTorqueResultUnit);
    reset(axis.SystemRmsTorque, kTorqueResultUnit);
    reset(axis.SystemPeakTorque, kTorqueResultUnit);
    reset(axis.SystemMaxVelocity, kVelocityResultUnit);

    axis.NumberOfMessages = 0;
    axis.CalcMessages.assign(1, CalcMessageRec{});
}
