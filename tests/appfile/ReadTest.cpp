// Opening application files: what is accepted, and broken files that must
// give their message and leave an empty application.

#include "tests/appfile/AppFileTestSupport.h"

#include "platform/core/Database.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace appfile_test {
namespace {

// Axis 1: an AC servo motor (10 rows), a gearbox (13), a solid cylinder (3),
// ten segments (60) and the quick setup (6). Axis 2: only its quick setup
// (6). Window states of both. DataType rows 1 to 98, MechData row 1.
void BuildSmallApplication()
{
    SubAddAxis(1);
    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::AcServo);
    nFctSetAxisMotor(1, motor, 0);
    SubAppendMechanism(1, MechanismType::Gearbox);
    nFctSetLoadType(1, LoadType::SolidCylinder);
    nFctInitProfileSegments(1);
    nFctInitQuickSetup(1, -1);
    SubAddAxis(2);
    SubSetWindowStatus(1, WindowKind::AxisDesign, WindowState::Maximised, 0);
    SubSetWindowStatus(2, WindowKind::Report, WindowState::Minimised, 0);
}

class ReadTest : public ApplicationFileTest {
protected:
    void SetUp() override
    {
        ApplicationFileTest::SetUp();
        BuildSmallApplication();
        ASSERT_EQ(nFctWriteApplicationFile(file_), model::kTrue);
        ASSERT_EQ(Column(file_, "SELECT count(*) FROM DataType"), std::vector<std::string>{"98"});
        // Something open that a failed read must not leave half replaced.
        CloseApplication();
        SubAddAxis(3);
        SubSetWindowStatus(3, WindowKind::Profile, WindowState::Normal, 0);
    }

    const std::string file_ = folder_.file("small.dat");
};

TEST_F(ReadTest, AcceptsAMarkerThatBeginsWithQZAndAnEmptyWindowList)
{
    Execute(file_, "UPDATE ProjectInfo SET CompanyMarker = 'QZ-7 special'; DELETE FROM WindowStatus");
    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file_), model::kTrue);
    EXPECT_EQ(nFctGetUsedAxisCount(), 2);
    EXPECT_EQ(gWindowStatus.size(), 1u);
    EXPECT_EQ(gbWindowStatusChanged, model::kFalse);
    EXPECT_TRUE(display_.shown.empty());
}

// The Defined flags follow the counts, not what the row says; the type of
// the motor and the load is the one their last parameter row names.
TEST_F(ReadTest, DefinedFlagsAndTypesComeFromTheRows)
{
    Execute(file_, "UPDATE AxisData SET MotorDefined = 0, LoadDefined = 0, MotorIdentifier = 99, "
                   "LoadIdentifier = 98 WHERE rowid = 1;"
                   "UPDATE AxisData SET MotorDefined = -1, LoadDefined = -1 WHERE rowid = 2;"
                   "UPDATE DataType SET MechanismID = 14 WHERE rowid = 10;"
                   "UPDATE DataType SET MechanismID = 22 WHERE rowid = 26;");
    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file_), model::kTrue);
    const AxisRec& first = gAxis.at(0);
    EXPECT_EQ(first.MotorDefined, model::kTrue);
    EXPECT_EQ(first.LoadDefined, model::kTrue);
    EXPECT_EQ(first.MotorIdentifier, MotorType::Pancake);
    EXPECT_EQ(first.LoadIdentifier, LoadType::HollowCylinder);
    const AxisRec& second = gAxis.at(1);
    EXPECT_EQ(second.MotorDefined, model::kFalse);
    EXPECT_EQ(second.LoadDefined, model::kFalse);
    EXPECT_EQ(second.MotorIdentifier, MotorType::None);
}

// Texts left Null (as a database that stores no empty strings may leave
// them) read as empty texts.
TEST_F(ReadTest, NullTextsReadAsEmpty)
{
    Execute(file_, "CREATE TABLE Loose AS SELECT * FROM AxisData; DROP TABLE AxisData;"
                   "ALTER TABLE Loose RENAME TO AxisData;"
                   "UPDATE AxisData SET Description = NULL, MotorManufacturer = NULL WHERE rowid = 1");
    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file_), model::kTrue);
    EXPECT_EQ(gAxis.at(0).Description, "");
    EXPECT_EQ(gAxis.at(0).MotorManufacturer, "");
    EXPECT_EQ(gAxis.at(0).MotorDataNumber, 10);
}

// A title is one line: line ends, tabs and other control characters that
// another program left in it read as blanks; an emoji stays.
TEST_F(ReadTest, TitleReadsAsOneLine)
{
    Execute(file_, "UPDATE AxisData SET Description = 'Mill' || char(13, 10) || 'Drill' || char(9) || 'Line'"
                   " || char(10) || char(7) || char(128512) WHERE rowid = 1");
    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file_), model::kTrue);
    EXPECT_EQ(gAxis.at(0).Description, "Mill Drill Line  \xF0\x9F\x98\x80");
}

// A manufacturer, a product key and a unit text are one line as a title is;
// bytes that another program left in any of them that are no UTF-8
// (Latin-1 here) read as one U+FFFD each, and the characters around them
// stay.
TEST_F(ReadTest, TextsReadAsOneLineOfWellFormedText)
{
    Execute(file_, "UPDATE AxisData SET Description = CAST(X'436166E9204E6F6972' AS TEXT),"  // Caf\xE9 Noir
                   " MotorManufacturer = 'Acme' || char(9) || 'Drives',"
                   " MotorProductKey = 'AC-7' || char(10) || 'B' WHERE rowid = 1;"
                   "UPDATE MechData SET Manufacturer = 'Gear' || char(13, 10) || 'Works',"
                   " ProductKey = CAST(X'46F67264657262616E64' AS TEXT) WHERE rowid = 1;"  // F\xF6rderband
                   "UPDATE DataType SET UnitText = 'lb' || char(10) || CAST(X'696EB2' AS TEXT)");  // in\xB2
    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file_), model::kTrue);
    const AxisRec& axis = gAxis.at(0);
    EXPECT_EQ(axis.Description, "Caf\xEF\xBF\xBD Noir");
    EXPECT_EQ(axis.MotorManufacturer, "Acme Drives");
    EXPECT_EQ(axis.MotorProductKey, "AC-7 B");
    EXPECT_EQ(axis.Mechanisms.at(0).Manufacturer, "Gear Works");
    EXPECT_EQ(axis.Mechanisms.at(0).ProductKey, "F\xEF\xBF\xBDrderband");
    EXPECT_EQ(axis.Mechanisms.at(0).MechanismData.at(0).UnitText, "lb in\xEF\xBF\xBD");
}

// A mechanism stored with fewer parameters than its type has keeps the
// type's own entries beyond the stored ones.
TEST_F(ReadTest, EntriesBeyondAStoredCountKeepTheTypeDefaults)
{
    // Keep gearbox entries 0..10, drop 11 and 12 (DataType rows 22 and 23).
    Execute(file_, "UPDATE MechData SET DataNumber = 11; DELETE FROM DataType WHERE rowid IN (22, 23)");
    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file_), model::kTrue);
    MechRec gearbox;
    SubInitMechRecord(gearbox, MechanismType::Gearbox);
    const MechRec& read = gAxis.at(0).Mechanisms.at(0);
    EXPECT_EQ(read.DataNumber, 11);
    EXPECT_EQ(read.MechanismData[12].TextID, gearbox.MechanismData[12].TextID);
    EXPECT_EQ(read.MechanismData[12].UnitText, gearbox.MechanismData[12].UnitText);
}

TEST_F(ReadTest, OpeningChangesNothingBesideTheFile)
{
    // A file in write-ahead-log mode makes the engine keep two files beside
    // it, even for a reader.
    Execute(file_, "PRAGMA journal_mode=WAL");
    const std::string folder = fs::path(file_).parent_path().string();
    const auto before = FolderListing(folder);
    CloseApplication();
    ASSERT_EQ(nFctReadApplicationFile(file_), model::kTrue);
    EXPECT_EQ(nFctGetUsedAxisCount(), 2);
    EXPECT_EQ(FolderListing(folder), before);
}

// A file far larger than memory chosen by mistake in Open (its filter
// offers all types) is refused as any other file that is no database, never
// read whole into memory: here the reading process may take 256 MB more than
// it has, and the file holds 4 GB.
TEST_F(ReadTest, AHugeFileThatIsNoDatabaseIsRefusedUnread)
{
    const std::string huge = folder_.file("film.mkv");
    WriteBytes(huge, "");
    fs::resize_file(huge, std::uintmax_t(4) << 30);  // sparse: no disk space taken
    const pid_t reader = ::fork();
    if (reader == 0) {
        std::ifstream statm("/proc/self/statm");
        std::uintmax_t pages = 0;
        statm >> pages;
        const rlim_t room = pages * ::sysconf(_SC_PAGESIZE) + (rlim_t(256) << 20);
        const rlimit limit{room, room};
        if (::setrlimit(RLIMIT_AS, &limit) != 0)
            ::_exit(2);
        CloseApplication();
        try {
            const bool refused = nFctReadApplicationFile(huge) == model::kFalse && display_.shown.size() == 1 &&
                                 display_.Number() == 1006 && nFctGetUsedAxisCount() == 0;
            ::_exit(refused ? 0 : 1);
        } catch (...) {
            ::_exit(3);  // out of memory: the program would end here
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(reader, &status, 0), reader);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << (WIFSIGNALED(status) ? "ended by signal " + std::to_string(WTERMSIG(status))
                                : "exit status " + std::to_string(WEXITSTATUS(status)));
}

struct BrokenFileCase {
    const char* name;
    const char* sql;      // run on the written file; nullptr: see bytes
    const char* bytes;    // "text": not a database; "half": truncated; "none": no file
    int message;
    int errorNumber;      // the number the error line begins with; 0: no error line
};

void PrintTo(const BrokenFileCase& c, std::ostream* os) { *os << c.name; }

class BrokenFileTest : public ReadTest, public ::testing::WithParamInterface<BrokenFileCase> {};

TEST_P(BrokenFileTest, GivesItsMessageAndAnEmptyApplication)
{
    const BrokenFileCase& c = GetParam();
    if (c.sql)
        Execute(file_, c.sql);
    std::string bytes = ReadBytes(file_);
    const std::string damage = c.bytes;
    if (damage == "text") {
        WriteBytes(file_, "Axis 1: belt and pulley, 3 kg\n" + std::string(5000, '-'));
    } else if (damage == "half") {
        WriteBytes(file_, bytes.substr(0, 4096 + 512));
    } else if (damage == "none") {
        fs::remove(file_);
    } else if (damage == "garbled") {
        // A page in the middle overwritten; the header and the size stay.
        const size_t page = bytes.size() / 4096 / 2;
        ASSERT_GE(page, 1u);
        bytes.replace(page * 4096, 4096, std::string(4096, '\x5a'));
        WriteBytes(file_, bytes);
    } else if (damage == "fifo") {
        // Reading a pipe would wait for a writer for ever.
        fs::remove(file_);
        ASSERT_EQ(mkfifo(file_.c_str(), 0600), 0);
    }
    const bool regular = fs::is_regular_file(file_) || !fs::exists(file_);
    const std::string before = regular ? ReadBytes(file_) : "";

    EXPECT_EQ(nFctReadApplicationFile(file_), model::kFalse);

    EXPECT_EQ(gbFileAccessError, model::kTrue);
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_EQ(display_.Number(), c.message);
    const std::string& text = display_.shown[0].text;
    if (c.errorNumber)
        EXPECT_EQ(text.substr(0, text.find(" - ")), std::to_string(c.errorNumber)) << text;
    else
        EXPECT_EQ(text.find(" - "), std::string::npos) << text;
    EXPECT_EQ(nFctGetUsedAxisCount(), 0);
    EXPECT_EQ(gWindowStatus.size(), 1u);
    if (regular) {
        EXPECT_EQ(ReadBytes(file_), before);  // opened for reading only
    }
}

using platform::kDbCannotOpen;
using platform::kDbColumnNotFound;
using platform::kDbFileNotFound;
using platform::kDbNoCurrentRecord;
using platform::kDbNotADatabase;
using platform::kDbOverflow;
using platform::kDbTableNotFound;
using platform::kDbTypeMismatch;

INSTANTIATE_TEST_SUITE_P(
    Corpus, BrokenFileTest,
    ::testing::Values(
        BrokenFileCase{"NotADatabase", nullptr, "text", 1006, kDbNotADatabase},
        BrokenFileCase{"Truncated", nullptr, "half", 1006, kDbNotADatabase},
        BrokenFileCase{"Missing", nullptr, "none", 1006, kDbFileNotFound},
        BrokenFileCase{"MarkerXX", "UPDATE ProjectInfo SET CompanyMarker = 'XX'", "", 1013, 0},
        BrokenFileCase{"MarkerLowerCase", "UPDATE ProjectInfo SET CompanyMarker = 'qz'", "", 1013, 0},
        BrokenFileCase{"MarkerRowMissing", "DELETE FROM ProjectInfo", "", 1013, 0},
        BrokenFileCase{"TableMissing", "DROP TABLE MechData", "", 1006, kDbTableNotFound},
        BrokenFileCase{"WindowTableMissing", "DROP TABLE WindowStatus", "", 1006, kDbTableNotFound},
        BrokenFileCase{"ColumnMissing", "ALTER TABLE DataType DROP COLUMN HelpID", "", 1006, kDbColumnNotFound},
        BrokenFileCase{"DataTypeRowRemoved", "DELETE FROM DataType WHERE rowid = 5", "", 1006,
                       kDbNoCurrentRecord},
        BrokenFileCase{"DataTypeRowAdded",
                       "UPDATE DataType SET rowid = rowid + 100000 WHERE rowid >= 5;"
                       "UPDATE DataType SET rowid = rowid - 99999 WHERE rowid >= 100000;"
                       "INSERT INTO DataType (rowid, MechanismID, Data, UnitType, UnitID, Factor, Status, "
                       "TextID, UnitText, HelpID) VALUES (5, 11, 9.5, 1, 1, 1.0, 0, 1, 'x', 0)",
                       "", 1006, appfile::kInvalidFileFormat},
        BrokenFileCase{"MechDataRowAdded", "INSERT INTO MechData SELECT * FROM MechData", "", 1006,
                       appfile::kInvalidFileFormat},
        BrokenFileCase{"FourAxes",
                       "INSERT INTO AxisData SELECT * FROM AxisData; UPDATE AxisData SET Number = rowid;"
                       "INSERT INTO MechData SELECT * FROM MechData; INSERT INTO DataType SELECT * FROM DataType",
                       "", 1006, appfile::kSubscriptOutOfRange},
        BrokenFileCase{"AxisNumbersTwoAndTwo", "UPDATE AxisData SET Number = 2", "", 1006,
                       appfile::kInvalidFileFormat},
        BrokenFileCase{"ElevenSegments", "UPDATE AxisData SET NumberOfMotionSegments = 11 WHERE rowid = 1", "",
                       1006, appfile::kSubscriptOutOfRange},
        BrokenFileCase{"SixLoadParameters", "UPDATE AxisData SET LoadDataNumber = 6 WHERE rowid = 1", "", 1006,
                       appfile::kSubscriptOutOfRange},
        BrokenFileCase{"NegativeMotorCount", "UPDATE AxisData SET MotorDataNumber = -1 WHERE rowid = 1", "",
                       1006, appfile::kSubscriptOutOfRange},
        BrokenFileCase{"ValueBeyond16Bits", "UPDATE DataType SET UnitID = 40000 WHERE rowid = 1", "", 1006,
                       kDbOverflow},
        BrokenFileCase{"TextInNumberColumn", "UPDATE DataType SET Status = 'two' WHERE rowid = 2", "", 1006,
                       kDbTypeMismatch},
        // Not a number, or not a finite one: such a value would never save.
        BrokenFileCase{"NaNValue", "UPDATE DataType SET Data = 'NaN' WHERE rowid = 3", "", 1006, kDbOverflow},
        BrokenFileCase{"InfiniteFactor", "UPDATE DataType SET Factor = -9e999 WHERE rowid = 4", "", 1006,
                       kDbOverflow},
        // Three axes have nine windows at most.
        BrokenFileCase{"TenWindowRows",
                       "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 8) "
                       "INSERT INTO WindowStatus (AxisNumber, FormNumber, Status) SELECT 1, 0, 0 FROM n",
                       "", 1006, appfile::kSubscriptOutOfRange},
        BrokenFileCase{"GarbledPage", nullptr, "garbled", 1006, kDbNotADatabase},
        BrokenFileCase{"NamedPipe", nullptr, "fifo", 1006, kDbCannotOpen}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace appfile_test
