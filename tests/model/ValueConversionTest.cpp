#include "AxisDataFixture.h"

#include <numbers>

#include "model/basMechanismChain.h"
#include "model/basValueConversion.h"

namespace model_test {
namespace {

using ValueConversion = AxisModelTest;

ParamRec Param(double data, int16_t unitType, int16_t unitId)
{
    ParamRec p;
    p.Data = data;
    p.UnitType = unitType;
    p.UnitID = unitId;
    p.Status = 2;
    p.TextID = 77;
    p.HelpID = 5;
    return p;
}

TEST_F(ValueConversion, ConversionsByFactorReciprocalPairAndPitchLeadRule)
{
    struct Case { double data; int16_t type, from, to; double expected; };
    const Case cases[] = {
        {10, 3, kIn, kIn, 10},                 // to itself: factor 1
        {127, 3, kMm, kIn, 5},                 // 127 mm = 5 in
        {5, 3, kIn, kMm, 127},                 // the reverse row
        {4, 10, kMmPerRev, kRevPerMm, 0.25},   // reciprocal pair
        {0.25, 10, kRevPerMm, kMmPerRev, 4},
        {0, 10, kMmPerRev, kRevPerMm, 0},      // 0 stays 0
        {5, 10, kMmPerRev, kRevPerIn, 5.08},   // 25.4 / 5
        {5, 10, kRevPerIn, kMmPerRev, 5.08},
        {2, 10, kRevPerMm, kInPerRev, 1 / 50.8},  // 1 / (25.4 x 2)
        {90, 2, kDeg, kRev, 0.25},
    };
    for (const Case& c : cases) {
        ParamRec p = Param(c.data, c.type, c.from);
        SubConvertValueToUnit(p, c.to);
        EXPECT_NEAR(p.Data, c.expected, 1e-12) << c.data << " from " << c.from << " to " << c.to;
        EXPECT_EQ(p.UnitID, c.to);
        EXPECT_EQ(p.UnitText, sFctGetUnitText(c.to));
        EXPECT_EQ(p.UnitType, c.type);
        EXPECT_EQ(p.Status, 2);
        EXPECT_EQ(p.TextID, 77);
        EXPECT_EQ(p.HelpID, 5);
    }

    ParamRec p = Param(10, 3, kIn);  // Factor and UnitText set anew
    p.Factor = 0;
    SubConvertValueToUnit(p, kIn);
    EXPECT_EQ(p.Factor, 1.0);
    EXPECT_EQ(p.UnitText, "in");

    ParamRec untyped = Param(25.4, -1, kMm);  // a unit type of -1 takes the unit's type
    SubConvertValueToUnit(untyped, kIn);
    EXPECT_EQ(untyped.UnitType, 3);
    EXPECT_EQ(untyped.Data, 1.0);
    EXPECT_EQ(untyped.Factor, 1.0);
}

TEST_F(ValueConversion, AValueGivenInAnotherUnitIsExpressedInTheEntrysUnit)
{
    const ParamRec entry = Param(3, 3, kIn);
    EXPECT_NEAR(dFctValueInUnitOf(entry, 127, kMm), 5, 1e-12);  // 127 mm = 5 in
    EXPECT_EQ(dFctValueInUnitOf(entry, 2.5, kIn), 2.5);          // its own unit: as given
    EXPECT_EQ(entry.Data, 3);                                    // the entry is not changed
    EXPECT_EQ(entry.UnitID, kIn);
}

TEST_F(ValueConversion, NearlyWholeResultsSnapOnlyWithAPointSeparator)
{
    struct Case { double value, withPoint; };
    const Case cases[] = {
        {2.99999, 3}, {3.00001, 3}, {0.99998, 1}, {0.99997, 0.99997}, {2.5, 2.5},
        {-2.99999, -2.99999}, {1234567.999999, 1234568}, {5, 5}, {1e300, 1e300},
    };
    for (const Case& c : cases) {
        gsDecimalSeparator = ".";
        EXPECT_EQ(dFctRoundValue(c.value), c.withPoint) << c.value;
        gsDecimalSeparator = ",";
        EXPECT_EQ(dFctRoundValue(c.value), c.value) << c.value;
    }
    gsDecimalSeparator = ".";
    ParamRec p = Param(0.99998 * 360, 2, kDeg);  // converts to 0.99998 rev
    SubConvertValueToUnit(p, kRev);
    EXPECT_EQ(p.Data, 1.0);
}

TEST_F(ValueConversion, RotaryAndLinearThroughTheTravel)
{
    // 120 rpm = 2 rev/s at 0.2 rev/mm is 10 mm/s; the travel in the basic
    // pitch unit is 0.2 x 25.4 = 5.08 rev/in.
    ParamRec v = Param(120, 5, kRpm);
    SubConvertParamToLinear(v, kMmPerS, 0.2, kRevPerMm);
    EXPECT_NEAR(v.Data, 10.0, 1e-9);
    EXPECT_EQ(v.UnitType, 6);
    EXPECT_EQ(v.UnitID, kMmPerS);
    EXPECT_EQ(v.UnitText, "mm/s");
    EXPECT_EQ(v.TextID, 77);

    SubConvertParamToRotary(v, kRpm, 5, kMmPerRev);  // 5 mm/rev, the same lead
    EXPECT_NEAR(v.Data, 120.0, 1e-9);
    EXPECT_EQ(v.UnitType, 5);
    EXPECT_EQ(v.UnitID, kRpm);

    // 4 in of travel at 0.5 rev/in is 2 rev.
    ParamRec d = Param(4, 3, kIn);
    SubConvertParamToRotary(d, kRev, 0.5, kRevPerIn);
    EXPECT_EQ(d.Data, 2.0);
    EXPECT_EQ(d.UnitType, 2);

    ParamRec w = Param(2, 11, kLb);  // other types keep type and unit
    SubConvertParamToRotary(w, kLb, 0.5, kRevPerIn);
    EXPECT_EQ(w.Data, 1.0);
    EXPECT_EQ(w.UnitType, 11);

    for (double travel : {0.0, -3.0}) {
        ParamRec z = Param(50, 6, kInPerS);
        SubConvertParamToRotary(z, kRps, travel, kRevPerIn);
        EXPECT_EQ(z.Data, 0.0);
        EXPECT_EQ(z.UnitID, kRps);
        z = Param(50, 5, kRps);
        SubConvertParamToLinear(z, kInPerS, travel, kRevPerIn);
        EXPECT_EQ(z.Data, 0.0);
    }
}

TEST_F(ValueConversion, LinearMechanismTypes)
{
    for (int16_t type : {1, 5, 6, 9, 61, 62}) EXPECT_EQ(bFctIsLinearMechanismType(type), -1) << type;
    for (int16_t type : {-1, 0, 2, 3, 4, 7, 8, 50, 51, 53, 54, 56, 111}) EXPECT_EQ(bFctIsLinearMechanismType(type), 0) << type;
}

MechRec Mechanism(int16_t type, int entry, double data, int16_t unit, double factor = 1.0)
{
    MechRec m;
    m.Identifier = type;
    m.MechanismData[entry] = {data, 3, unit, factor, 0, 0, "", 0};
    return m;
}

TEST_F(ValueConversion, RevolutionsPerTravelOfEachLinearEndDevice)
{
    const double pi = std::numbers::pi;
    MechRec conveyor = Mechanism(MechanismType::Conveyor, 0, 2, kIn);
    conveyor.MechanismData[3].UnitID = kIn;  // idler pulley in the same unit
    MechRec conveyorMixed = Mechanism(MechanismType::Conveyor, 0, 50.8, kMm, 1 / 25.4);
    conveyorMixed.MechanismData[3].UnitID = kIn;  // idler pulley in another unit
    struct Case { const char* what; MechRec mech; double t; int16_t tu; double tBasic; };
    const Case cases[] = {
        {"conveyor, both pulleys in in", conveyor, 1 / (2 * pi), kRevPerIn, 1 / (2 * pi)},
        // 50.8 mm = 2 in: revs per basic length unit (in), so per inch of travel
        {"conveyor, pulleys in different units", conveyorMixed, 1 / (2 * pi), kRevPerIn, 1 / (2 * pi)},
        {"leadscrew in rev/in", Mechanism(5, 3, 2, kRevPerIn), 2, kRevPerIn, 2},
        {"leadscrew in in/rev", Mechanism(5, 3, 0.5, kInPerRev), 2, kRevPerIn, 2},
        {"leadscrew without lead", Mechanism(5, 3, 0, kInPerRev), 0, kInPerRev, 0},
        {"rack-pinion in mm/rev", Mechanism(6, 5, 5, kMmPerRev), 0.2, kRevPerMm, 5.08},
        {"nip roll in mm", Mechanism(9, 0, 10, kMm), 1 / (10 * pi), kRevPerMm, 25.4 / (10 * pi)},
        {"centre winder without diameter", Mechanism(61, 0, 0, kIn), 0, kRevPerIn, 0},
        {"surface winder, support roller", Mechanism(62, 5, 4, kIn), 1 / (4 * pi), kRevPerIn, 1 / (4 * pi)},
    };
    for (const Case& c : cases) {
        double t = 99;
        int16_t tu = 99;
        EXPECT_EQ(nFctGetRevsPerTravel(c.mech, t, tu, 0), -1) << c.what;
        EXPECT_NEAR(t, c.t, 1e-12) << c.what;
        EXPECT_EQ(tu, c.tu) << c.what;
        EXPECT_EQ(nFctGetRevsPerTravel(c.mech, t, tu, -1), -1) << c.what;
        EXPECT_NEAR(t, c.tBasic, 1e-12) << c.what;
        EXPECT_EQ(tu, kRevPerIn) << c.what;
    }

    double t = 99;
    int16_t tu = 99;
    EXPECT_EQ(nFctGetRevsPerTravel(Mechanism(MechanismType::Gearbox, 0, 3, kIn), t, tu, -1), 0);
    EXPECT_EQ(t, -1.0);
    EXPECT_EQ(tu, -1);
}

TEST_F(ValueConversion, RevolutionsPerTravelOfAnAxis)
{
    SubAddAxis(1);
    double t = 5;
    int16_t tu = 99;
    EXPECT_EQ(nFctGetAxisRevsPerTravel(1, t, tu, -1), 0);  // empty chain
    EXPECT_EQ(t, -1.0);
    EXPECT_EQ(tu, 99);
    EXPECT_EQ(nFctGetAxisRevsPerTravel(3, t, tu, -1), 0);  // absent axis
    EXPECT_EQ(t, -1.0);

    SubAppendMechanism(1, MechanismType::Gearbox);
    EXPECT_EQ(nFctGetAxisRevsPerTravel(1, t, tu, -1), 0);
    EXPECT_EQ(t, -1.0);

    SubAppendMechanism(1, MechanismType::Leadscrew);  // no lead yet
    gAxis[0].Mechanisms[1].MechanismData[3] = {0, 10, kMmPerRev, 0, 0, 0, "mm/rev", 0};
    EXPECT_EQ(nFctGetAxisRevsPerTravel(1, t, tu, 0), 0);
    EXPECT_EQ(t, 0.0);
    gAxis[0].Mechanisms[1].MechanismData[3].Data = 5;  // 5 mm/rev = 5.08 rev/in
    EXPECT_EQ(nFctGetAxisRevsPerTravel(1, t, tu, -1), -1);
    EXPECT_NEAR(t, 5.08, 1e-12);
    EXPECT_EQ(tu, kRevPerIn);
}

} // namespace
} // namespace model_test
