// Load calculations against the physics (SI), in basic and English units,
// and the rule that a load counts only while the profile applies it.
#include "CalcTestSupport.h"

namespace calc_test {
namespace {

using CalcLoads = CalcTest;

struct Shape {
    const char* name;
    int16_t type;
    double entries[4];  // mm / g/cm^3 as the load type orders them
    double weight;      // N
    double inertia;     // kg.m^2
};

// Solid cylinder L 100, D 50 steel: J = m r^2 / 2.
// Hollow cylinder L 100, D 40 / 60 aluminium: J = m (r1^2 + r2^2) / 2.
// Block a 200 (axis), b 100, c 50 steel: J = m (b^2 + c^2) / 12.
std::vector<Shape> Shapes()
{
    const double solid = DensityWeight(7.85, kPi * 25 * 25 * 100);         // 1.5123 N
    const double hollow = DensityWeight(2.7, kPi * (30 * 30 - 20 * 20) * 100);  // 0.41603 N
    const double block = DensityWeight(7.85, 200.0 * 100 * 50);           // 77.0085 N
    return {
        {"solid cylinder", LoadType::SolidCylinder, {100, 50, 7.85}, solid,
         Mass(solid) * 0.025 * 0.025 / 2},
        {"hollow cylinder", LoadType::HollowCylinder, {100, 40, 60, 2.7}, hollow,
         Mass(hollow) * (0.02 * 0.02 + 0.03 * 0.03) / 2},
        {"solid block", LoadType::SolidRectangular, {200, 100, 50, 7.85}, block,
         Mass(block) * (0.1 * 0.1 + 0.05 * 0.05) / 12},
    };
}

TEST_F(CalcLoads, ShapesGiveWeightInertiaAndAccelerationTorque)
{
    for (const UnitSet& u : kUnitSets) {
        for (const Shape& s : Shapes()) {
            SCOPED_TRACE(std::string(u.name) + " " + s.name);
            NewAxis();
            const Entry e{u};
            const int densityEntry = s.type == LoadType::SolidCylinder ? 2 : 3;
            AxisRec& a = Axis();
            a.LoadIdentifier = s.type;
            for (int k = 0; k <= densityEntry; ++k)
                a.LoadData[k] = k == densityEntry ? e.Density(s.entries[k]) : e.Length(s.entries[k]);
            a.ProfileMaxAcceleration.Value = 4.0;
            SubCalcLoadByShape(a, model::kFalse);
            EXPECT_REL(a.LoadWeight.Value, s.weight);
            // inertia and its torque stay in the chain's scale (x 1000)
            EXPECT_REL(a.LoadInertia.Value, s.inertia * 1000);
            EXPECT_REL(a.LoadAccelTorque.Value, s.inertia * 1000 * 4.0);
            EXPECT_REL(dFctGetLoadShapeInertia(kAxisId), s.inertia);
        }
    }
}

TEST_F(CalcLoads, WeightOnlyHasNoInertia)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        SetLoad(LoadType::WeightOnly, {Entry{u}.Weight(50)});
        AddSegment(0, 10, 1, 0, 0);
        Axis().ProfileMaxAcceleration.Value = 4.0;
        SubCalcLoadByShape(Axis(), model::kTrue);
        EXPECT_REL(Axis().LoadWeight.Value, 50.0);
        EXPECT_EQ(Axis().LoadInertia.Value, 0.0);
        EXPECT_EQ(Axis().LoadAccelTorque.Value, 0.0);
        EXPECT_EQ(dFctGetLoadShapeInertia(kAxisId), 0.0);
    }
}

TEST_F(CalcLoads, EdgeShapes)
{
    // equal inner and outer diameters: nothing there
    SetLoad(LoadType::HollowCylinder, {Param(100), Param(50), Param(50), Param(7.85)});
    SubCalcLoadByShape(Axis(), model::kFalse);
    EXPECT_EQ(Axis().LoadWeight.Value, 0.0);
    EXPECT_EQ(Axis().LoadInertia.Value, 0.0);

    // no load, and a type without calculation that keeps what the cells hold
    SetLoad(LoadType::None, {});
    Axis().LoadWeight.Value = 3;
    SubCalcLoadByShape(Axis(), model::kFalse);
    EXPECT_EQ(Axis().LoadWeight.Value, 0.0);
    SetLoad(LoadType::HollowRectangular, {Param(1), Param(1), Param(1), Param(1)});
    Axis().LoadWeight.Value = 3;
    SubCalcLoadByShape(Axis(), model::kFalse);
    EXPECT_EQ(Axis().LoadWeight.Value, 3.0);
    EXPECT_EQ(dFctGetLoadShapeInertia(99), 0.0);
}

TEST_F(CalcLoads, ChainedLoadCountsOnlyWhileTheProfileAppliesIt)
{
    struct Case { const char* name; std::vector<double> flags; std::vector<bool> filled;
                  bool counts; };
    const Case cases[] = {
        {"no segments", {}, {}, false},
        {"applied in the second segment", {0, 1}, {true, true}, true},
        {"never applied", {0, 0}, {true, true}, false},
        {"applied only after an empty segment", {0, 1, 1}, {true, false, true}, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        NewAxis();
        SetLoad(LoadType::SolidCylinder, {Param(100), Param(50), Param(7.85)});
        for (size_t s = 0; s < k.flags.size(); ++s)
            AddSegment(0, 0, k.filled[s] ? 1 : 0, 0, 0, k.flags[s]);
        SubCalcLoadByShape(Axis(), model::kTrue);
        EXPECT_EQ(Axis().LoadWeight.Value != 0.0, k.counts);
        EXPECT_EQ(Axis().LoadInertia.Value != 0.0, k.counts);
        // unchained the load is always there
        SubCalcLoadByShape(Axis(), model::kFalse);
        EXPECT_NE(Axis().LoadInertia.Value, 0.0);
    }
}

} // namespace
} // namespace calc_test
