// The rows a save writes, their order and their values, read with SQL.

#include "tests/appfile/AppFileTestSupport.h"

namespace appfile_test {
namespace {

std::vector<std::string> Repeated(const std::string& value, int count)
{
    return std::vector<std::string>(count, value);
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(ApplicationFileTest, RowsFollowTheAxesInArrayOrderWithTheirCounts)
{
    // Axis 2: motor, a gearbox, a coupling without parameters, a leadscrew,
    // a load, ten segments. Axis 5: nothing but its quick-setup rows.
    AddAxis(2, "  padded  ");
    SetMotor(2, MotorType::AcServo, "M", "K");
    SubAppendMechanism(2, MechanismType::Gearbox);
    SubAppendMechanism(2, MechanismType::Coupling);
    SubAppendMechanism(2, MechanismType::Leadscrew);
    gAxis[nFctFindAxisIndex(2)].Mechanisms[1].DataNumber = 0;
    nFctSetLoadType(2, LoadType::SolidCylinder);
    nFctInitProfileSegments(2);
    nFctInitQuickSetup(2, -1);
    for (int16_t p = 0; p < 5; ++p)
        nFctSetProfileSegmentValue(2, 0, p, p + 1.0);
    AddAxis(5, "");
    SubSetWindowStatus(5, WindowKind::Report, WindowState::Normal, 0);
    SubSetWindowStatus(7, WindowKind::Report, WindowState::Normal, 0);
    SubRemoveWindowStatus(7, WindowKind::Report);
    SubSetWindowStatus(2, WindowKind::Profile, WindowState::Minimised, 0);

    const std::string file = folder_.file("rows.dat");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);

    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(Query(file, "SELECT Number, Description, MotorDefined, MotorIdentifier, MotorDataNumber, "
                          "NumberOfMechanisms, LoadDefined, LoadIdentifier, LoadDataNumber, "
                          "NumberOfMotionSegments, QuickSetupDefined FROM AxisData ORDER BY rowid"),
              (Rows{{"1", "  padded  ", "-1", "11", "10", "3", "-1", "21", "3", "10", "-1"},
                    {"2", "", "0", "-1", "0", "0", "0", "-1", "0", "0", "0"}}));
    EXPECT_EQ(Query(file, "SELECT Identifier, DataNumber FROM MechData ORDER BY rowid"),
              (Rows{{"4", "13"}, {"2", "0"}, {"5", "7"}}));
    // Motor 10, gearbox 13, coupling none, leadscrew 7, load 3, ten segments
    // of six, six quick-setup rows; then the second axis's six.
    EXPECT_EQ(Column(file, "SELECT MechanismID FROM DataType ORDER BY rowid"),
              Joined({Repeated("11", 10), Repeated("4", 13), Repeated("5", 7), Repeated("21", 3),
                      Repeated("30", 60), Repeated("40", 6), Repeated("40", 6)}));
    // Segment 0 in the record's order: initial velocity, final velocity,
    // acceleration, duration, distance, load weight applied.
    EXPECT_EQ(Column(file, "SELECT Data FROM DataType ORDER BY rowid LIMIT 6 OFFSET 33"),
              (std::vector<std::string>{"1.0", "2.0", "4.0", "3.0", "5.0", "1.0"}));
    // The removed entry is not stored; the others carry the stored numbers.
    EXPECT_EQ(Query(file, "SELECT AxisNumber, FormNumber, Status FROM WindowStatus ORDER BY rowid"),
              (Rows{{"2", "2", "0"}, {"1", "1", "1"}}));
    EXPECT_EQ(Column(file, "SELECT CompanyMarker FROM ProjectInfo"), std::vector<std::string>{"QZ"});
}

TEST_F(ApplicationFileTest, ApplicationWithoutAxesIsTheTemplateUnchanged)
{
    AddAxis(1, "gone");
    SubInvalidateAxis(1);
    SubSetWindowStatus(1, WindowKind::Report, WindowState::Normal, 0);
    const std::string file = folder_.file("empty.dat");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(ReadBytes(file), ReadBytes(gsTemplateDbPath));

    ASSERT_EQ(nFctReadApplicationFile(file), model::kTrue);
    EXPECT_EQ(nFctGetUsedAxisCount(), 0);
    EXPECT_EQ(gWindowStatus.size(), 1u);
}

} // namespace
} // namespace appfile_test
