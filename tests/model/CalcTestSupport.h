#pragma once
// Support for the calculation tests: a unit list with the system's basic
// units (mm, N, N.m, kg.m^2, rev/s, rev/s^2, rev/mm, g/cm^3), an axis array
// holding one axis built field by field, and the two unit sets in which the
// mechanism and load cases are entered. Every global touched is saved and
// restored around each test.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "foundation/basDatabaseAccess.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "tests/model/SavedModelGlobals.h"
#include "tests/support/SavedUnitTables.h"

// Relative comparison for calculated values.
#define EXPECT_REL(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-9 * std::fabs(expected) + 1e-12)

namespace calc_test {

inline constexpr double kPi = 3.14159265358979323846;

// Unit IDs (the system's fixed IDs where it has them).
enum Unit : int16_t {
    kRev = 1, kDeg = 2,                      // rotary length, basic rev
    kMetre = 6, kMm = 7, kInch = 8,          // linear length, basic mm
    kRevPerS = 10, kRpm = 11,                // rotary velocity, basic rev/s
    kMmPerS = 18, kInPerS = 20,              // linear velocity, basic mm/s
    kRevPerS2 = 26, kRpmPerS = 27,           // rotary acceleration, basic
    kMmPerS2 = 33, kInPerS2 = 35,            // linear acceleration, basic mm/s^2
    kMmPerRev = 41, kRevPerMm = 43, kInPerRev = 45, kRevPerIn = 47,  // basic rev/mm
    kNewton = 51, kPoundForce = 52,          // weight
    kNewtonMetre = 55, kPoundInch = 56,      // torque
    kKgM2 = 59, kLbIn2 = 60,                 // inertia
    kGPerCm3 = 62, kLbPerIn3 = 63,           // density
    kPercent = 74, kCount = 75, kDegree = 76,
    kSecond = 80,
};

inline constexpr double kInchMm = 25.4;
inline constexpr double kLbfN = 4.4482216152605;
inline constexpr double kLbfInNm = kLbfN * 0.0254;
inline constexpr double kLbIn2KgM2 = 0.45359237 * 0.0254 * 0.0254;
inline constexpr double kLbPerIn3GPerCm3 = 453.59237 / (2.54 * 2.54 * 2.54);

inline std::vector<UnitListRow> CalcUnits()
{
    const int16_t T = -1, F = 0;
    return {
        {kRev, 2, "NA", "rev", T, T},          {kDeg, 2, "NA", "deg", F, F},
        {kMetre, 3, "M", "m", F, F},           {kMm, 3, "M", "mm", T, T},
        {kInch, 3, "EE", "in", T, F},
        {kRevPerS, 5, "NA", "rev/s", T, T},    {kRpm, 5, "NA", "rpm", F, F},
        {kMmPerS, 6, "M", "mm/s", T, T},       {kInPerS, 6, "EE", "in/s", T, F},
        {kRevPerS2, 8, "NA", "rev/s2", T, T},  {kRpmPerS, 8, "NA", "rpm/s", F, F},
        {kMmPerS2, 9, "M", "mm/s2", T, T},     {kInPerS2, 9, "EE", "in/s2", T, F},
        {kMmPerRev, 10, "M", "mm/rev", T, F},  {kRevPerMm, 10, "M", "rev/mm", F, T},
        {kInPerRev, 10, "EE", "in/rev", T, F}, {kRevPerIn, 10, "EE", "rev/in", F, F},
        {kNewton, 11, "M", "N", T, T},         {kPoundForce, 11, "EE", "lbf", T, F},
        {kNewtonMetre, 12, "M", "N.m", T, T},  {kPoundInch, 12, "EE", "lbf.in", T, F},
        {kKgM2, 13, "M", "kg.m2", T, T},       {kLbIn2, 13, "EE", "lb.in2", T, F},
        {kGPerCm3, 14, "M", "g/cm3", T, T},    {kLbPerIn3, 14, "EE", "lb/in3", T, F},
        {kPercent, 19, "NA", "%", T, T},       {kCount, 20, "NA", "-", T, T},
        {kDegree, 21, "NA", "deg", T, T},      {kSecond, 22, "NA", "s", T, T},
    };
}

inline std::vector<ConversionFactorRow> CalcFactors()
{
    return {
        {kDeg, kRev, 1.0 / 360.0},        {kMetre, kMm, 1000.0},
        {kInch, kMm, kInchMm},            {kMetre, kInch, 1000.0 / kInchMm},
        {kRpm, kRevPerS, 1.0 / 60.0},     {kInPerS, kMmPerS, kInchMm},
        {kRpmPerS, kRevPerS2, 1.0 / 60.0}, {kInPerS2, kMmPerS2, kInchMm},
        {kMmPerRev, kRevPerMm, -1},       {kInPerRev, kRevPerIn, -1},
        {kRevPerIn, kRevPerMm, 1.0 / kInchMm},
        {kMmPerRev, kRevPerIn, 0},        {kRevPerMm, kInPerRev, 0},
        {kMmPerRev, kInPerRev, 1.0 / kInchMm},
        {kPoundForce, kNewton, kLbfN},    {kPoundInch, kNewtonMetre, kLbfInNm},
        {kLbIn2, kKgM2, kLbIn2KgM2},      {kLbPerIn3, kGPerCm3, kLbPerIn3GPerCm3},
    };
}

// One way of entering quantities: the factor of each kind of unit to the
// basic unit. Values are given in basic units and entered as basic / factor.
struct UnitSet {
    const char* name;
    double length, weight, torque, inertia, density, linearVelocity;
    int16_t lengthUnit, weightUnit, torqueUnit, inertiaUnit, densityUnit, linearVelocityUnit;
};
inline constexpr UnitSet kBasicUnits{"basic", 1, 1, 1, 1, 1, 1,
                                     kMm, kNewton, kNewtonMetre, kKgM2, kGPerCm3, kMmPerS};
inline constexpr UnitSet kEnglishUnits{"english", kInchMm, kLbfN, kLbfInNm, kLbIn2KgM2,
                                       kLbPerIn3GPerCm3, kInchMm,
                                       kInch, kPoundForce, kPoundInch, kLbIn2, kLbPerIn3, kInPerS};
inline const UnitSet kUnitSets[] = {kBasicUnits, kEnglishUnits};

inline ParamRec Param(double data, double factor = 1.0, int16_t unitId = 0, int16_t unitType = 0)
{
    ParamRec p;
    p.Data = data;
    p.Factor = factor;
    p.UnitID = unitId;
    p.UnitType = unitType;
    return p;
}

// A segment in linear units: velocities in mm/s, duration in s, acceleration
// in mm/s^2, distance in mm (the load flag left as it is).
inline SegmentRec LinearSegment(double vi, double vf, double t, double a = 0, double s = 0)
{
    SegmentRec seg;
    seg.InitialVelocity = Param(vi, 1, kMmPerS, 4);
    seg.FinalVelocity = Param(vf, 1, kMmPerS, 4);
    seg.Duration = Param(t, 1, kSecond, 22);
    seg.Acceleration = Param(a, 1, kMmPerS2, 7);
    seg.Distance = Param(s, 1, kMm, 1);
    return seg;
}

// Entries of a mechanism or load given in basic units, entered in a unit set.
struct Entry {
    const UnitSet& u;
    ParamRec Length(double mm) const { return Param(mm / u.length, u.length, u.lengthUnit, 3); }
    ParamRec Weight(double n) const { return Param(n / u.weight, u.weight, u.weightUnit, 11); }
    ParamRec Torque(double nm) const { return Param(nm / u.torque, u.torque, u.torqueUnit, 12); }
    ParamRec Inertia(double kgm2) const
    {
        return Param(kgm2 / u.inertia, u.inertia, u.inertiaUnit, 13);
    }
    ParamRec Density(double gcm3) const
    {
        return Param(gcm3 / u.density, u.density, u.densityUnit, 14);
    }
    ParamRec LinearVelocity(double mmps) const
    {
        return Param(mmps / u.linearVelocity, u.linearVelocity, u.linearVelocityUnit, 4);
    }
    static ParamRec Percent(double v) { return Param(v, 1.0, kPercent, 19); }
    static ParamRec Plain(double v) { return Param(v, 1.0, kCount, 20); }
    static ParamRec Angle(double deg) { return Param(deg, 1.0, kDegree, 21); }
};

// Physics in SI for the expected values. Weights come from densities with
// 9.81 N/kg (g/cm^3 x 9.81e-6 = N/mm^3) and masses from weights with g.
inline constexpr double kG = 9.8067;  // m/s^2
inline double Mass(double weightN) { return weightN / kG; }
inline double DensityWeight(double gcm3, double volumeMm3) { return gcm3 * 9.81e-6 * volumeMm3; }
inline double M(double mm) { return mm / 1000.0; }

// A clean unit list and axis array around each test, with one axis (ID 1).
class CalcTest : public ::testing::Test {
protected:
    static constexpr int16_t kAxisId = 1;

    void SetUp() override
    {
        gUnitList = CalcUnits();
        gConversionFactors = CalcFactors();
        gnUnitSystem = 1;
        gsDecimalSeparator = ".";
        testing_support::SetAllUnitSelections(-1);
        NewAxis();
    }

    // A fresh axis array holding one empty axis.
    void NewAxis()
    {
        SubResetAllAxes();
        SubAddAxis(kAxisId);
    }
    AxisRec& Axis() { return gAxis[nFctFindAxisIndex(kAxisId)]; }

    // Appends a mechanism with its entries in order; returns its index.
    int16_t AddMechanism(int16_t type, std::initializer_list<ParamRec> entries)
    {
        AxisRec& a = Axis();
        MechRec m;
        m.Identifier = type;
        m.TextID = nFctGetMechanismTypeTextId(type);
        int k = 0;
        for (const ParamRec& p : entries)
            m.MechanismData[k++] = p;
        m.DataNumber = static_cast<int16_t>(k);
        a.Mechanisms.resize(static_cast<size_t>(a.NumberOfMechanisms) + 2);
        a.Mechanisms[a.NumberOfMechanisms] = m;
        return a.NumberOfMechanisms++;
    }

    // Appends a segment (rotary units rev/s, s, rev/s^2, rev unless given).
    void AddSegment(double vi, double vf, double t, double a, double s, double loadFlag = 1.0)
    {
        SegmentRec seg;
        seg.InitialVelocity = Param(vi, 1.0, kRevPerS, 5);
        seg.FinalVelocity = Param(vf, 1.0, kRevPerS, 5);
        seg.Duration = Param(t, 1.0, kSecond, 22);
        seg.Acceleration = Param(a, 1.0, kRevPerS2, 8);
        seg.Distance = Param(s, 1.0, kRev, 2);
        seg.LoadWeightApplied = Param(loadFlag);
        AddSegment(seg);
    }
    void AddSegment(const SegmentRec& seg)
    {
        AxisRec& a = Axis();
        a.MotionSegments.resize(static_cast<size_t>(a.NumberOfMotionSegments) + 2);
        a.MotionSegments[a.NumberOfMotionSegments++] = seg;
    }

    void SetLoad(int16_t type, std::initializer_list<ParamRec> entries)
    {
        AxisRec& a = Axis();
        a.LoadIdentifier = type;
        a.LoadDefined = model::AsFlag(type != LoadType::None);
        int k = 0;
        for (const ParamRec& p : entries)
            a.LoadData[k++] = p;
        a.LoadDataNumber = static_cast<int16_t>(k);
    }

    // Seeds the accumulators (torque and inertia in N.m and kg.m^2) and runs
    // one mechanism.
    void RunMechanism(int16_t index, double torqueNm, double inertiaKgM2, double velocity,
                      double acceleration, int16_t chained = model::kTrue)
    {
        gdChainValue1 = torqueNm * 1000.0;
        gdChainValue2 = inertiaKgM2 * 1000.0;
        gdChainValue3 = velocity;
        gdChainValue4 = acceleration;
        SubCalcMechanism(Axis(), index, chained);
    }
    double Result(int16_t index, int cell) { return Axis().Mechanisms[index].MechResult[cell].Value; }

    // The five results of a mechanism (N.m, kg.m^2, rev/s) and the values it
    // leaves in the accumulators (velocity and acceleration given apart).
    void ExpectMechanism(int16_t index, double velocity, double acceleration, double totalInertia,
                         double torque, double peak, double mechanismInertia)
    {
        using namespace calc::MechResultIndex;
        EXPECT_REL(Result(index, MaxInputVelocity), velocity);
        EXPECT_REL(Result(index, TotalInertia), totalInertia);
        EXPECT_REL(Result(index, ConstantTorque), torque);
        EXPECT_REL(Result(index, PeakTorque), peak);
        EXPECT_REL(Result(index, MechanismInertia), mechanismInertia);
        EXPECT_REL(gdChainValue1, torque * 1000.0);
        EXPECT_REL(gdChainValue2, totalInertia * 1000.0);
        EXPECT_REL(gdChainValue3, velocity);
        EXPECT_REL(gdChainValue4, acceleration);
    }

    std::vector<int16_t> Warnings()
    {
        std::vector<int16_t> ids;
        for (int k = 0; k < Axis().NumberOfMessages; ++k)
            ids.push_back(Axis().CalcMessages[k].TextID);
        return ids;
    }

private:
    // Everything the calculations read or write, put back after the test.
    testing_support::SavedModelGlobals globals_;
};

} // namespace calc_test
