// A written application file read back gives the same application.

#include "tests/appfile/AppFileTestSupport.h"

#include "foundation/basDatabaseAccess.h"
#include "model/basChangeDetection.h"

namespace appfile_test {
namespace {

void ExpectSameEntry(const ParamRec& read, const ParamRec& written, const std::string& where)
{
    SCOPED_TRACE(where);
    EXPECT_EQ(read.Data, written.Data);
    EXPECT_EQ(read.UnitType, written.UnitType);
    EXPECT_EQ(read.UnitID, written.UnitID);
    EXPECT_EQ(read.Factor, written.Factor);
    EXPECT_EQ(read.Status, written.Status);
    EXPECT_EQ(read.TextID, written.TextID);
    EXPECT_EQ(read.UnitText, written.UnitText);
    EXPECT_EQ(read.HelpID, written.HelpID);
}

// Every field the file carries, compared exactly.
void ExpectSameSavedAxis(const AxisRec& read, const AxisRec& written)
{
    SCOPED_TRACE("axis " + std::to_string(written.Number));
    EXPECT_EQ(bFctAxisEqual(read, written), model::kTrue);
    EXPECT_EQ(read.Number, written.Number);
    EXPECT_EQ(read.Description, written.Description);
    EXPECT_EQ(read.ParentAxis, written.ParentAxis);
    EXPECT_EQ(read.ChildAxis, written.ChildAxis);
    EXPECT_EQ(read.MotorDefined, written.MotorDefined);
    EXPECT_EQ(read.MotorIdentifier, written.MotorIdentifier);
    EXPECT_EQ(read.MotorManufacturer, written.MotorManufacturer);
    EXPECT_EQ(read.MotorProductKey, written.MotorProductKey);
    ASSERT_EQ(read.MotorDataNumber, written.MotorDataNumber);
    for (int j = 0; j < written.MotorDataNumber; ++j)
        ExpectSameEntry(read.MotorData[j], written.MotorData[j], "motor " + std::to_string(j));
    ASSERT_EQ(read.NumberOfMechanisms, written.NumberOfMechanisms);
    for (int m = 0; m < written.NumberOfMechanisms; ++m) {
        const MechRec& r = read.Mechanisms[m];
        const MechRec& w = written.Mechanisms[m];
        EXPECT_EQ(r.Identifier, w.Identifier);
        EXPECT_EQ(r.TextID, w.TextID);
        EXPECT_EQ(r.Manufacturer, w.Manufacturer);
        EXPECT_EQ(r.ProductKey, w.ProductKey);
        ASSERT_EQ(r.DataNumber, w.DataNumber);
        for (int k = 0; k < w.DataNumber; ++k)
            ExpectSameEntry(r.MechanismData[k], w.MechanismData[k],
                            "mechanism " + std::to_string(m) + " entry " + std::to_string(k));
    }
    EXPECT_EQ(read.LoadDefined, written.LoadDefined);
    EXPECT_EQ(read.LoadIdentifier, written.LoadIdentifier);
    ASSERT_EQ(read.LoadDataNumber, written.LoadDataNumber);
    for (int j = 0; j < written.LoadDataNumber; ++j)
        ExpectSameEntry(read.LoadData[j], written.LoadData[j], "load " + std::to_string(j));
    EXPECT_EQ(read.MotionMode, written.MotionMode);
    ASSERT_EQ(read.NumberOfMotionSegments, written.NumberOfMotionSegments);
    for (int s = 0; s < written.NumberOfMotionSegments; ++s)
        for (int16_t p = 0; p < model::kSegmentParamCount; ++p)
            ExpectSameEntry(*model::SegmentParameter(read.MotionSegments[s], p),
                            *model::SegmentParameter(written.MotionSegments[s], p),
                            "segment " + std::to_string(s) + " member " + std::to_string(p));
    EXPECT_EQ(read.QuickSetupDefined, written.QuickSetupDefined);
    EXPECT_EQ(read.QuickSetupMode, written.QuickSetupMode);
    for (int slot = 0; slot < model::kQuickSetupUsedSlots; ++slot)
        ExpectSameEntry(read.QuickSetupData[slot], written.QuickSetupData[slot],
                        "quick setup " + std::to_string(slot));
}

struct RoundTripCase {
    const char* name;
    int16_t unitSystem;
    int16_t loads[3];
    bool referenceData;  // the program's parameter set-up instead of the tests' own
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

// The unit list, conversion factors and parameter control table of the
// program's reference database, through the loaders the program runs.
void LoadReferenceData()
{
    ASSERT_EQ(bFctOpenReferenceDatabase(), model::kTrue);
    ASSERT_EQ(bFctReadUnitList(), model::kTrue);
    ASSERT_EQ(bFctReadConversionFactors(), model::kTrue);
    ASSERT_EQ(bFctCreateParameterControlTable(), model::kTrue);
    SubCloseReferenceDatabase();
}

class RoundTripTest : public ApplicationFileTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTripTest, RichApplicationComesBackFieldByField)
{
    const RoundTripCase& c = GetParam();
    gnUnitSystem = c.unitSystem;
    if (c.referenceData)
        LoadReferenceData();
    BuildRichApplication(c.loads[0], c.loads[1], c.loads[2]);
    const std::vector<AxisRec> written = gAxis;
    const std::vector<WindowStatusRow> windows = gWindowStatus;
    // The builder must have made what the test claims to cover.
    ASSERT_EQ(written.at(0).NumberOfMechanisms, 7);
    ASSERT_EQ(written.at(0).NumberOfMotionSegments, 10);
    ASSERT_GT(written.at(1).MotorDataNumber, 0);
    ASSERT_GT(written.at(1).Mechanisms.at(3).DataNumber, 0);
    if (!c.referenceData) {
        ASSERT_EQ(written.at(0).Mechanisms.at(3).DataNumber, 13);
    }

    const std::string file = folder_.file("rich.dat");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(gbFileAccessError, model::kFalse);

    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file), model::kTrue);
    EXPECT_EQ(gbFileAccessError, model::kFalse);
    EXPECT_TRUE(display_.shown.empty());

    ASSERT_EQ(gAxis.size(), written.size());
    for (size_t i = 0; i + 1 < written.size(); ++i)
        ExpectSameSavedAxis(gAxis[i], written[i]);
    ASSERT_EQ(gWindowStatus.size(), windows.size());
    for (size_t i = 0; i + 1 < windows.size(); ++i) {
        EXPECT_EQ(gWindowStatus[i].AxisNumber, windows[i].AxisNumber);
        EXPECT_EQ(gWindowStatus[i].FormNumber, windows[i].FormNumber);
        EXPECT_EQ(gWindowStatus[i].Status, windows[i].Status);
    }
    EXPECT_EQ(gbWindowStatusChanged, model::kFalse);
}

INSTANTIATE_TEST_SUITE_P(
    BothUnitSystemsAllLoads, RoundTripTest,
    ::testing::Values(RoundTripCase{"EnglishEngineering", 0,
                                    {LoadType::WeightOnly, LoadType::SolidCylinder, LoadType::HollowCylinder}, false},
                      RoundTripCase{"Metric", 1, {LoadType::SolidRectangular, LoadType::None, LoadType::WeightOnly},
                                    false},
                      RoundTripCase{"EnglishEngineeringReferenceData", 0,
                                    {LoadType::SolidRectangular, LoadType::HollowCylinder, LoadType::None}, true},
                      RoundTripCase{"MetricReferenceData", 1,
                                    {LoadType::SolidCylinder, LoadType::WeightOnly, LoadType::SolidRectangular},
                                    true}),
    [](const auto& info) { return std::string(info.param.name); });

// Axes whose in-memory numbers have gaps and do not ascend come back
// numbered 1 to N in array order, each window state with its own axis (the
// entry of axis 2 becomes 1 and is not taken again for axis 1, which becomes
// 2); the live list keeps its numbers.
TEST_F(ApplicationFileTest, AxesAreStoredAndReadAsOneToN)
{
    AddAxis(3, "deleted");
    AddAxis(2, "first");
    AddAxis(1, "second");
    SubInvalidateAxis(3);
    SubSetWindowStatus(2, WindowKind::Profile, WindowState::Maximised, 0);
    SubSetWindowStatus(1, WindowKind::Report, WindowState::Minimised, 0);
    SubSetWindowStatus(3, WindowKind::AxisDesign, WindowState::Normal, 0);
    SubRemoveWindowStatus(3, WindowKind::AxisDesign);

    const std::string file = folder_.file("gaps.dat");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(gWindowStatus.at(0).AxisNumber, 2);
    EXPECT_EQ(gWindowStatus.at(1).AxisNumber, 1);
    EXPECT_EQ(gbWindowStatusChanged, model::kFalse);

    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file), model::kTrue);
    EXPECT_EQ(nFctGetUsedAxisCount(), 2);
    EXPECT_EQ(sFctGetAxisTitle(1), "first");
    EXPECT_EQ(sFctGetAxisTitle(2), "second");
    ASSERT_EQ(gWindowStatus.size(), 3u);
    EXPECT_EQ(gWindowStatus[0].AxisNumber, 1);
    EXPECT_EQ(gWindowStatus[0].FormNumber, WindowKind::Profile);
    EXPECT_EQ(gWindowStatus[0].Status, WindowState::Maximised);
    EXPECT_EQ(gWindowStatus[1].AxisNumber, 2);
    EXPECT_EQ(gWindowStatus[1].Status, WindowState::Minimised);
}

} // namespace
} // namespace appfile_test
