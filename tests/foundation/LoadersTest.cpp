#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "ReferenceDbFixture.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "platform/core/Database.h"

namespace {

const std::string kUnitListTable =
    "CREATE TABLE UnitList (Active INTEGER, ID INTEGER, Type INTEGER, Class TEXT, Text TEXT,"
    " \"Default\" INTEGER, BasicUnit INTEGER);";
const std::string kFactorsTable =
    "CREATE TABLE ConversionFactors (\"From\" INTEGER, \"To\" INTEGER, Factor REAL, Divisor REAL);";
const std::string kSettingsTable =
    "CREATE TABLE FunctionalitySettings (DynamicMenu INTEGER, SafetyFactors INTEGER,"
    " ReportOptions INTEGER, GraphOptions INTEGER);";

const std::string kGoodUnits = R"sql(
INSERT INTO UnitList VALUES (-1, 1, 2, 'NA', ' n ', -1, -1);
INSERT INTO UnitList VALUES (0, 99, 2, 'NA', NULL, NULL, 0);
INSERT INTO UnitList VALUES (-1, 11, 5, 'NA', 'n/min', -1, 0);
INSERT INTO UnitList VALUES (-1, 7, 3, 'M', ' mm ', -1, -1);
INSERT INTO UnitList VALUES (1, 12, 6, 'M', 'mm/n', 1, 0);
INSERT INTO UnitList VALUES (-1, 8, 3, 'EE', 'N', 0, 0);
)sql";
const std::string kGoodFactors = "INSERT INTO ConversionFactors VALUES (11, 10, 0, 60);";
const std::string kGoodSettings = R"sql(
INSERT INTO FunctionalitySettings VALUES (-1, 0, 1, 0);
INSERT INTO FunctionalitySettings VALUES (0, -1, 0, -1);
)sql";

class LoadersTest : public ReferenceDbTest {
protected:
    void TearDown() override
    {
        gnLanguageOffset = 0;
        ReferenceDbTest::TearDown();
    }

    void WriteTables(const std::string& sql) { WriteReference(sql, ""); }
};

TEST_F(LoadersTest, GoodDataLoadsActiveUnitsInTableOrder)
{
    WriteReference(kGoodUnits + kGoodFactors + kGoodSettings);
    ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
    ASSERT_EQ(bFctReadUnitList(), -1);
    ASSERT_EQ(bFctReadConversionFactors(), -1);
    ASSERT_EQ(bFctReadFunctionalitySettings(), -1);
    EXPECT_TRUE(Boxes().empty());

    struct Expected { int16_t id, type; const char* system; const char* text; int16_t isDefault, basic; };
    const Expected expected[] = {
        {1, 2, "NA", "rev", -1, -1},
        {11, 5, "NA", "rpm", -1, 0},
        {7, 3, "M", "mm", -1, -1},
        {12, 6, "M", "mm/rev", -1, 0},  // Yes/No read as -1 from any non-zero value
        {8, 3, "EE", "N", 0, 0},
    };
    ASSERT_EQ(gnUnitListCount, 5);
    ASSERT_EQ(gUnitList.size(), 5u);
    for (size_t i = 0; i < gUnitList.size(); ++i) {
        const UnitListRow& row = gUnitList[i];
        EXPECT_EQ(row.ID, expected[i].id) << i;
        EXPECT_EQ(row.Type, expected[i].type) << i;
        EXPECT_EQ(row.Class, expected[i].system) << i;
        EXPECT_EQ(row.Text, expected[i].text) << i;
        EXPECT_EQ(row.Default, expected[i].isDefault) << i;
        EXPECT_EQ(row.BasicUnit, expected[i].basic) << i;
    }

    ASSERT_EQ(gnConversionFactorCount, 1);
    EXPECT_EQ(gConversionFactors[0].From, 11);
    EXPECT_EQ(gConversionFactors[0].To, 10);
    EXPECT_DOUBLE_EQ(gConversionFactors[0].Factor, 1.0 / 60.0);

    // Only the first settings row counts.
    EXPECT_EQ(gbDynamicMenu, -1);
    EXPECT_EQ(gbSafetyFactorsTab, 0);
    EXPECT_EQ(gbReportOptionsTab, -1);
    EXPECT_EQ(gbGraphOptionsTab, 0);
}

TEST_F(LoadersTest, ConversionRowsStoreFactorOverDivisor)
{
    WriteReference(kGoodUnits + kGoodSettings + R"sql(
INSERT INTO ConversionFactors VALUES (1, 2, -1, 0);
INSERT INTO ConversionFactors VALUES (1, 3, -1, 5);
INSERT INTO ConversionFactors VALUES (1, 4, 0, 4);
INSERT INTO ConversionFactors VALUES (1, 5, 3, 0);
INSERT INTO ConversionFactors VALUES (1, 6, 3, 4);
INSERT INTO ConversionFactors VALUES (1, 7, 0, 0);
INSERT INTO ConversionFactors VALUES (1, 8, -2, 0);
)sql");
    ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
    ASSERT_EQ(bFctReadConversionFactors(), -1);
    const double expected[] = {-1.0, -1.0, 0.25, 3.0, 0.75, 0.0, -2.0};
    ASSERT_EQ(gnConversionFactorCount, 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(gConversionFactors[i].To, i + 2);
        EXPECT_DOUBLE_EQ(gConversionFactors[i].Factor, expected[i]) << "row " << i;
    }
}

struct BrokenCase {
    const char* name;
    std::string sql;             // schema and rows
    int16_t (*loader)();
    int16_t messageNumber;
    int errorNumber;
};

class BrokenReferenceTest : public LoadersTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenReferenceTest, LoaderFailsWithItsCriticalMessage)
{
    const BrokenCase& c = GetParam();
    WriteTables(c.sql);
    ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
    EXPECT_EQ(c.loader(), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, sFctGetText(14) + " - " + std::to_string(c.messageNumber));
    EXPECT_EQ(Boxes()[0].body.rfind(std::to_string(c.errorNumber) + " - ", 0), 0u) << Boxes()[0].body;
    EXPECT_EQ(gnUnitListCount, static_cast<int16_t>(gUnitList.size()));
    EXPECT_EQ(gnConversionFactorCount, static_cast<int16_t>(gConversionFactors.size()));
}

const std::string kAllTables = kUnitListTable + kFactorsTable + kSettingsTable;

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenReferenceTest,
    ::testing::Values(
        BrokenCase{"NoActiveUnit", kAllTables + "INSERT INTO UnitList VALUES (0, 1, 2, 'NA', 'rev', -1, -1);",
                   bFctReadUnitList, 1002, platform::kDbNoCurrentRecord},
        BrokenCase{"EmptyUnitList", kAllTables, bFctReadUnitList, 1002, platform::kDbNoCurrentRecord},
        BrokenCase{"NullTextOfActiveUnit",
                   kAllTables + kGoodUnits + "INSERT INTO UnitList VALUES (-1, 2, 2, 'NA', NULL, 0, 0);",
                   bFctReadUnitList, 1002, platform::kDbInvalidUseOfNull},
        BrokenCase{"NullBasicUnitOfActiveUnit",
                   kAllTables + "INSERT INTO UnitList VALUES (-1, 2, 2, 'NA', 'rev', 0, NULL);",
                   bFctReadUnitList, 1002, platform::kDbInvalidUseOfNull},
        BrokenCase{"NullActive", kAllTables + "INSERT INTO UnitList VALUES (NULL, 2, 2, 'NA', 'rev', 0, 0);",
                   bFctReadUnitList, 1002, platform::kDbInvalidUseOfNull},
        BrokenCase{"UnitIdOutOfRange",
                   kAllTables + "INSERT INTO UnitList VALUES (-1, 40000, 2, 'NA', 'rev', 0, 0);",
                   bFctReadUnitList, 1002, platform::kDbOverflow},
        BrokenCase{"UnitIdNotANumber",
                   kAllTables + "INSERT INTO UnitList VALUES (-1, 'one', 2, 'NA', 'rev', 0, 0);",
                   bFctReadUnitList, 1002, platform::kDbTypeMismatch},
        BrokenCase{"NoUnitListTable", kFactorsTable + kSettingsTable, bFctReadUnitList, 1002,
                   platform::kDbTableNotFound},
        BrokenCase{"NoBasicUnitColumn",
                   "CREATE TABLE UnitList (Active, ID, Type, Class, Text, \"Default\");"
                   "INSERT INTO UnitList VALUES (-1, 1, 2, 'NA', 'rev', -1);",
                   bFctReadUnitList, 1002, platform::kDbColumnNotFound},
        BrokenCase{"EmptyConversionFactors", kAllTables + kGoodUnits, bFctReadConversionFactors, 1004,
                   platform::kDbNoCurrentRecord},
        BrokenCase{"NullDivisorOfReciprocalRow",
                   kAllTables + kGoodFactors + "INSERT INTO ConversionFactors VALUES (41, 43, -1, NULL);",
                   bFctReadConversionFactors, 1004, platform::kDbInvalidUseOfNull},
        BrokenCase{"NoConversionFactorsTable", kUnitListTable + kSettingsTable, bFctReadConversionFactors,
                   1004, platform::kDbTableNotFound},
        BrokenCase{"EmptyFunctionalitySettings", kAllTables, bFctReadFunctionalitySettings, 1012,
                   platform::kDbNoCurrentRecord},
        BrokenCase{"NullGraphOptions", kAllTables + "INSERT INTO FunctionalitySettings VALUES (-1, -1, -1, NULL);",
                   bFctReadFunctionalitySettings, 1012, platform::kDbInvalidUseOfNull},
        BrokenCase{"NoFunctionalitySettingsTable", kUnitListTable + kFactorsTable,
                   bFctReadFunctionalitySettings, 1012, platform::kDbTableNotFound}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

TEST_F(LoadersTest, MessageBodyEndsWithTheLoadersText)
{
    WriteTables(kAllTables);
    ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
    EXPECT_EQ(bFctReadUnitList(), 0);
    EXPECT_EQ(bFctReadConversionFactors(), 0);
    ASSERT_EQ(Boxes().size(), 2u);
    // An error line, a blank line, then the loader's text.
    const std::string units = Boxes()[0].body;
    EXPECT_NE(units.find(" - "), std::string::npos);
    EXPECT_NE(units.find("\r\n\r\n" + sFctGetText(86)), std::string::npos) << units;
    EXPECT_NE(units.find("Unable to read units list."), std::string::npos) << units;
    EXPECT_NE(Boxes()[1].body.find("Unable to read conversion factors."), std::string::npos);
}

TEST_F(LoadersTest, FailedUnitListLeavesNoUnitsFromAnEarlierLoad)
{
    WriteReference(kGoodUnits);
    ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
    ASSERT_EQ(bFctReadUnitList(), -1);
    SubCloseReferenceDatabase();

    WriteTables(kAllTables + kGoodUnits + "INSERT INTO UnitList VALUES (-1, 2, NULL, 'NA', 'rev', 0, 0);");
    ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
    EXPECT_EQ(bFctReadUnitList(), 0);
    EXPECT_EQ(gnUnitListCount, 0);
    EXPECT_TRUE(gUnitList.empty());
}

TEST_F(LoadersTest, OpenFailsOnAMissingOrForeignFile)
{
    struct Case { const char* file; bool create; int errorNumber; };
    for (const Case c : {Case{"missing.mdb", false, platform::kDbFileNotFound},
                         Case{"notes.mdb", true, platform::kDbNotADatabase}}) {
        gsReferenceDbPath = folder_.file(c.file);
        if (c.create)
            std::ofstream(gsReferenceDbPath) << "These are not the units you are looking for.\n"
                                                "Nothing in this file is a database page at all.\n";
        EXPECT_EQ(bFctOpenReferenceDatabase(), 0) << c.file;
        EXPECT_EQ(gdbReference, nullptr);
    }
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].title, sFctGetText(14) + " - 1001");
    EXPECT_EQ(Boxes()[0].body.rfind(std::to_string(platform::kDbFileNotFound) + " - ", 0), 0u);
    EXPECT_NE(Boxes()[0].body.find("Please, re-install the program."), std::string::npos);
    EXPECT_EQ(Boxes()[1].body.rfind(std::to_string(platform::kDbNotADatabase) + " - ", 0), 0u)
        << Boxes()[1].body;

    // Closing what never opened, twice, is harmless; a loader without an open
    // database fails with its message instead of crashing.
    SubCloseReferenceDatabase();
    SubCloseReferenceDatabase();
    EXPECT_EQ(bFctReadFunctionalitySettings(), 0);
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[2].title, sFctGetText(14) + " - 1012");
}

TEST_F(LoadersTest, UnitTextsAreNormalisedInEnglishOnly)
{
    struct Case { const char* text; const char* english; const char* german; };
    const Case cases[] = {
        {" n/min ", "rpm", "n/min"},    // n per minute is shown as rpm
        {"n/s", "rev/s", "n/s"},
        {"mm/n", "mm/rev", "mm/n"},
        {"  n ", "rev", "n"},
        {"rev/min", "rpm", "rev/min"},
        {"n/n", "rev/n", "n/n"},         // only the first rule that fits
        {"N/min", "N/min", "N/min"},     // upper case N is never changed
        {"N", "N", "N"},
        {"nm", "nm", "nm"},
        {"   ", "", ""},
    };
    for (const Case& c : cases) {
        gnLanguageOffset = 0;
        EXPECT_EQ(sFctLocalizeUnitText(c.text), c.english) << "'" << c.text << "'";
        gnLanguageOffset = 1000;
        EXPECT_EQ(sFctLocalizeUnitText(c.text), c.german) << "'" << c.text << "'";
    }
}

TEST_F(LoadersTest, BuiltReferenceDatabaseLoadsWithoutMessages)
{
    if (!std::filesystem::exists(folder_.file("Orvamis.Mdb")))
        GTEST_SKIP() << "the build has not laid out Orvamis.Mdb";
    ASSERT_EQ(gsReferenceDbPath, folder_.file("Orvamis.Mdb"));
    EXPECT_EQ(bFctOpenReferenceDatabase(), -1);
    EXPECT_EQ(bFctReadUnitList(), -1);
    EXPECT_EQ(bFctReadConversionFactors(), -1);
    EXPECT_EQ(bFctCreateParameterControlTable(), -1);
    EXPECT_EQ(bFctReadFunctionalitySettings(), -1);
    for (const auto& box : Boxes())
        ADD_FAILURE() << box.title << ": " << box.body;
    EXPECT_GT(gnUnitListCount, 0);
    EXPECT_GT(gnConversionFactorCount, 0);
    EXPECT_GT(gnParamControlCount, 0);
    EXPECT_EQ(gbDynamicMenu, -1);
    EXPECT_EQ(gbSafetyFactorsTab, -1);
    EXPECT_EQ(gbReportOptionsTab, -1);
    EXPECT_EQ(gbGraphOptionsTab, -1);
}

} // namespace
