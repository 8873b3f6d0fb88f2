// The quick setup: validation with its messages, completion of the move and
// its transfer into profile segments. Quick-setup values are entered in the
// units the reference data gives (rpm, s, rev).
#include "tests/model/SizingTestSupport.h"

#include "model/basAxisCalculations.h"

namespace sizing_test {
namespace {

class QuickSetupTest : public SizingTest {
protected:
    // Enters a move: mode 0 Triangular, 1 Trapezoidal; V in rpm, times in s,
    // S in rev.
    void Enter(int16_t mode, double v, double t, double s, double ta = 0, double td = 0,
               double dwell = 0)
    {
        SubSetQuickSetupMode(kAxisId, mode);
        auto& slots = Axis().QuickSetupData;
        slots[QuickSetupSlot::Velocity].Data = v;
        slots[QuickSetupSlot::TotalTime].Data = t;
        slots[QuickSetupSlot::Distance].Data = s;
        slots[QuickSetupSlot::AccelTime].Data = ta;
        slots[QuickSetupSlot::DecelTime].Data = td;
        slots[QuickSetupSlot::DwellTime].Data = dwell;
    }
    // The six table values of segment k as the profile builder completes
    // them (display form): vi, vf, t, a, s.
    std::vector<double> Completed(int16_t k)
    {
        ProfileTable table;
        nFctBuildVelocityProfile(kAxisId, k, table, model::kFalse);
        return {table.begin(), table.begin() + 5};
    }
    const SegmentRec& Segment(int k) { return Axis().MotionSegments[static_cast<size_t>(k)]; }
};

struct ValidationCase {
    const char* name;
    int16_t mode, split;
    double v, t, s, ta, td;
    int16_t message;  // 0: valid
    double V = 0, T = 0, S = 0, TA = 0, TD = 0;  // completed (rpm, s, rev, s, s); none with a message
};

// 120 rpm = 2 rev/s, 60 rpm = 1 rev/s.
const ValidationCase kValidation[] = {
    // Triangular move of V and T: two halves, S = V T / 2 = 2 x 2 / 2 = 2 rev.
    {"triangle V T", 0, 0, 120, 2, 0, 0, 0, 0, 120, 2, 2, 1, 1},
    // A consistent triangle of all three passes; S = V x T (4 rev) does not.
    {"triangle consistent", 0, 0, 120, 2, 2, 0, 0, 0, 120, 2, 2, 1, 1},
    {"triangle S = V T", 0, 0, 120, 2, 4, 0, 0, 2007},
    // V and S: T = 2 S / V = 2 x 2 / 2 = 2 s.
    {"triangle V S", 0, 0, 120, 0, 2, 0, 0, 0, 120, 2, 2, 1, 1},
    // S and T: V = S / (T / 2) = 2 / 1 = 2 rev/s.
    {"triangle S T", 0, 0, 0, 2, 2, 0, 0, 0, 120, 2, 2, 1, 1},
    // Trapezoid in thirds: ramps 1 s, S = 2 x (2 x 1 / 2) + 2 x 1 = 4 rev = 2/3 V T.
    {"thirds V T", 1, 1, 120, 3, 0, 0, 0, 0, 120, 3, 4, 1, 1},
    // V and S in thirds: T = 3 S / (2 V) = 12 / 4 = 3 s.
    {"thirds V S", 1, 1, 120, 0, 4, 0, 0, 0, 120, 3, 4, 1, 1},
    // Ramps given, no T: ramps travel 1 x (1 + 1) / 2 = 1 rev, the other
    // 0.5 rev at 1 rev/s take 0.5 s: T = 2.5 s.
    {"ramps V S", 1, 1, 60, 0, 1.5, 1, 1, 0, 60, 2.5, 1.5, 1, 1},
    {"ramps longer than S", 1, 1, 60, 0, 0.9, 1, 1, 2005},
    {"one ramp missing", 1, 1, 60, 3, 0, 0.5, 0, 2003},
    {"only V", 0, 0, 120, 0, 0, 0, 0, 2004},
    {"ramps longer than T", 1, 1, 60, 1, 0, 0.6, 0.6, 2006},
    // Ramps 1 s of 3 s at 1 rev/s: 1 + 1 = 2 rev; 2.02 lies within 1 %, 2.03
    // does not (0.99 x 2.03 = 2.0097).
    {"distance within 1 %", 1, 1, 60, 3, 2.02, 1, 1, 0, 60, 3, 2.02, 1, 1},
    {"distance 1.5 % off", 1, 1, 60, 3, 2.03, 1, 1, 2007},
};

TEST_F(QuickSetupTest, ValidationCompletesTheMoveOrGivesItsFirstMessage)
{
    const int16_t textOf[] = {156, 157, 158, 159, 160};
    for (const ValidationCase& c : kValidation) {
        SCOPED_TRACE(c.name);
        Enter(c.mode, c.v, c.t, c.s, c.ta, c.td);
        std::vector<double> values(3, 99.0);
        display_.messages.clear();
        const int16_t valid = nFctValidateQuickSetup(kAxisId, c.split, values, model::kFalse);
        EXPECT_TRUE(display_.messages.empty());  // not asked for
        ASSERT_EQ(values.size(), 6u);
        EXPECT_EQ(values[5], 0.0);
        if (c.message == 0) {
            EXPECT_EQ(valid, model::kTrue);
            const double expected[] = {c.V, c.T, c.S, c.TA, c.TD};
            for (int k = 0; k < 5; ++k)
                EXPECT_CLOSE(values[static_cast<size_t>(k)], expected[k]) << "entry " << k;
            continue;
        }
        EXPECT_EQ(valid, model::kFalse);
        for (double value : values)
            EXPECT_EQ(value, 0.0);
        // Asked for: exactly that message, a warning with OK and Cancel.
        EXPECT_EQ(nFctValidateQuickSetup(kAxisId, c.split, values, model::kTrue), model::kFalse);
        ASSERT_EQ(display_.messages.size(), 1u);
        const MessageComposition& shown = display_.messages[0];
        EXPECT_NE(shown.caption.find(std::to_string(c.message)), std::string::npos) << shown.caption;
        EXPECT_EQ(shown.text, sFctGetText(textOf[c.message - 2003]));
        EXPECT_EQ(shown.icon, kIconWarning);
        std::vector<int16_t> buttons;
        for (const MessageButtonFace& button : shown.buttons)
            if (button.visible)
                buttons.push_back(button.result);
        EXPECT_EQ(buttons, (std::vector<int16_t>{kResultOk, kResultCancel}));
    }
}

TEST_F(QuickSetupTest, UnknownAxisIsInvalidAndEmpty)
{
    std::vector<double> values;
    EXPECT_EQ(nFctValidateQuickSetup(7, 0, values, model::kTrue), model::kFalse);
    EXPECT_EQ(values, std::vector<double>(6, 0.0));
    EXPECT_TRUE(display_.messages.empty());
    EXPECT_EQ(bFctQuickSetupEmpty(7), model::kTrue);
}

TEST_F(QuickSetupTest, EmptyLooksOnlyAtTheSlotsOfTheMode)
{
    Enter(QuickSetupMode::Triangular, 0, 0, 0, 0.5, 0);
    EXPECT_EQ(bFctQuickSetupEmpty(kAxisId), model::kTrue);  // ta is not a Triangular slot
    SubSetQuickSetupMode(kAxisId, QuickSetupMode::Trapezoidal);
    EXPECT_EQ(bFctQuickSetupEmpty(kAxisId), model::kFalse);
    Enter(QuickSetupMode::Triangular, 0, 0, 0, 0, 0, 0.3);  // dwell counts
    EXPECT_EQ(bFctQuickSetupEmpty(kAxisId), model::kFalse);
    Axis().QuickSetupDefined = model::kFalse;
    EXPECT_EQ(bFctQuickSetupEmpty(kAxisId), model::kTrue);
}

TEST_F(QuickSetupTest, TriangularTransferWritesRampsAndDwellInTheQuickSetupUnits)
{
    // 120 rpm in 2 s: 0 -> 120 rpm in 1 s (120 rpm/s, 1 rev), 120 -> 0 in
    // 1 s, then the dwell of 0.5 s; the other seven segments cleared.
    Enter(QuickSetupMode::Triangular, 120, 2, 0, 0, 0, 0.5);
    SetSegments({{10, 20, 3}, {}, {}, {}, {}, {}, {}, {}, {5, 5, 5}});
    std::vector<double> values;
    ASSERT_TRUE(nFctValidateQuickSetup(kAxisId, 0, values, model::kFalse));
    nFctTransferQuickSetup(kAxisId, values, model::kFalse, model::kFalse);

    ASSERT_EQ(Axis().NumberOfMotionSegments, 10);
    const double expected[3][5] = {{0, 120, 1, 120, 1}, {120, 0, 1, -120, 1}, {0, 0, 0.5, 0, 0}};
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        const SegmentRec& s = Segment(k);
        const double* e = k < 3 ? expected[k] : nullptr;
        EXPECT_CLOSE(s.InitialVelocity.Data, e ? e[0] : 0.0);
        EXPECT_CLOSE(s.FinalVelocity.Data, e ? e[1] : 0.0);
        EXPECT_CLOSE(s.Duration.Data, e ? e[2] : 0.0);
        EXPECT_CLOSE(s.Acceleration.Data, e ? e[3] : 0.0);
        EXPECT_CLOSE(s.Distance.Data, e ? e[4] : 0.0);
        EXPECT_EQ(s.InitialVelocity.UnitID, Unit::Rpm);
        EXPECT_EQ(s.Acceleration.UnitID, 27);  // rpm/s, paired with rpm
        EXPECT_EQ(s.Duration.UnitID, Unit::Second);
        EXPECT_EQ(s.Distance.UnitID, Unit::Rev);
        EXPECT_EQ(s.InitialVelocity.UnitType, 4);
        EXPECT_EQ(s.Acceleration.UnitType, 7);
        EXPECT_EQ(s.Distance.UnitType, 1);
        EXPECT_EQ(s.LoadWeightApplied.Data, 1.0);  // load flags untouched
    }
}

TEST_F(QuickSetupTest, KeptEntriesAreCompletedByTheProfileBuilder)
{
    // Thirds of a move given by V = 120 rpm and S = 4 rev (T = 3 s): with no
    // total time the moving segments keep their distance, not their
    // duration; the builder gives the same move back.
    Enter(QuickSetupMode::Trapezoidal, 120, 0, 4);
    std::vector<double> values;
    ASSERT_TRUE(nFctValidateQuickSetup(kAxisId, 1, values, model::kFalse));
    nFctTransferQuickSetup(kAxisId, values, model::kTrue, model::kTrue);

    EXPECT_EQ(Segment(0).Duration.Data, 0.0);
    EXPECT_EQ(Segment(0).Acceleration.Data, 0.0);
    EXPECT_CLOSE(Segment(0).Distance.Data, 1.0);
    const double expected[3][5] = {
        {0, 120, 1, 120, 1}, {120, 120, 1, 0, 2}, {120, 0, 1, -120, 1}};
    for (int16_t k = 0; k < 3; ++k) {
        const std::vector<double> got = Completed(k);
        for (int p = 0; p < 5; ++p)
            EXPECT_CLOSE(got[static_cast<size_t>(p)], expected[k][p]) << k << "/" << p;
    }
    // The load flag is set on the written segments only.
    EXPECT_EQ(Segment(2).LoadWeightApplied.Data, 1.0);
    EXPECT_EQ(Segment(3).LoadWeightApplied.Data, 0.0);
    EXPECT_TRUE(bFctProfileSegmentEmpty(Axis(), 3));

    // With a total time the durations stay and the distances go.
    Enter(QuickSetupMode::Trapezoidal, 120, 3, 0);
    ASSERT_TRUE(nFctValidateQuickSetup(kAxisId, 1, values, model::kFalse));
    nFctTransferQuickSetup(kAxisId, values, model::kTrue, model::kFalse);
    EXPECT_CLOSE(Segment(1).Duration.Data, 1.0);
    EXPECT_EQ(Segment(1).Distance.Data, 0.0);
    EXPECT_CLOSE(Completed(1)[4], 2.0);
}

TEST_F(QuickSetupTest, TransferGrowsAShortProfile)
{
    // Ramps 0.5 s, constant 1 s and a dwell: four segments into a profile of
    // two.
    Axis().NumberOfMotionSegments = 2;
    Axis().MotionSegments.resize(3);
    Enter(QuickSetupMode::Trapezoidal, 60, 2, 0, 0.5, 0.5, 1);
    std::vector<double> values;
    ASSERT_TRUE(nFctValidateQuickSetup(kAxisId, 1, values, model::kFalse));
    nFctTransferQuickSetup(kAxisId, values, model::kFalse, model::kFalse);
    ASSERT_EQ(Axis().NumberOfMotionSegments, 4);
    ASSERT_GE(Axis().MotionSegments.size(), 5u);
    EXPECT_CLOSE(Segment(1).Distance.Data, 1.0);  // 1 rev/s for 1 s
    EXPECT_CLOSE(Segment(3).Duration.Data, 1.0);
    EXPECT_EQ(Segment(3).Duration.UnitID, Unit::Second);
    EXPECT_EQ(Segment(3).LoadWeightApplied.Data, 1.0);
    EXPECT_EQ(Segment(3).Duration.TextID, 134);  // a segment as the control table makes it
}

TEST_F(QuickSetupTest, LinearTransferIsInLinearUnits)
{
    // A leadscrew of 10 mm/rev; 100 mm/s triangular in 1 s: 0 -> 100 mm/s
    // in 0.5 s (200 mm/s^2, 25 mm).
    AddMechanism(MechanismType::Leadscrew, {{3, 10}});
    UseLinearMotion();
    EXPECT_EQ(Axis().QuickSetupData[QuickSetupSlot::Velocity].UnitID, Unit::MmPerS);
    Enter(QuickSetupMode::Triangular, 100, 1, 0);
    std::vector<double> values;
    ASSERT_TRUE(nFctValidateQuickSetup(kAxisId, 0, values, model::kFalse));
    EXPECT_CLOSE(values[2], 50.0);
    nFctTransferQuickSetup(kAxisId, values, model::kFalse, model::kFalse);
    const SegmentRec& s = Segment(0);
    EXPECT_EQ(s.FinalVelocity.UnitID, Unit::MmPerS);
    EXPECT_EQ(s.Acceleration.UnitID, Unit::MmPerS2);
    EXPECT_EQ(s.Distance.UnitID, Unit::Mm);
    EXPECT_CLOSE(s.FinalVelocity.Data, 100.0);
    EXPECT_CLOSE(s.Acceleration.Data, 200.0);
    EXPECT_CLOSE(s.Distance.Data, 25.0);
}

} // namespace
} // namespace sizing_test
