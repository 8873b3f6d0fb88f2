#include "platform/core/Database.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using platform::Database;
using platform::OpenMode;
using platform::Recordset;

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "orvamis-db-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern + "/";
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A database file made from SQL text (an empty file is an empty database).
    std::string MakeDatabase(const std::string& name, const std::string& sql)
    {
        const std::string path = folder_ + name;
        std::ofstream(path, std::ios::binary).close();
        Database db;
        EXPECT_TRUE(db.Open(path, OpenMode::ReadWrite)) << db.Error().description;
        EXPECT_TRUE(db.Execute(sql)) << db.Error().description;
        return path;
    }

    // A table whose column names are SQL words, rows stored out of key order.
    std::string MakeUnits()
    {
        return MakeDatabase("units.db",
            "CREATE TABLE UnitList (ID INTEGER, \"Default\" YESNO, \"Index\" INTEGER, Text TEXT, Factor DOUBLE);"
            "INSERT INTO UnitList VALUES (7, -1, 3, 'mm', 1.0);"
            "INSERT INTO UnitList VALUES (2, 0, 1, NULL, 0.5);"
            "INSERT INTO UnitList VALUES (40000, 1, 2, 'in', NULL);");
    }

    std::string folder_;
};

TEST_F(DatabaseTest, TableDeliversRowsInStoredOrderWithTrueCount)
{
    Database db;
    ASSERT_TRUE(db.Open(MakeUnits(), OpenMode::ReadOnly));
    Recordset rs;
    ASSERT_TRUE(db.OpenTable("unitlist", rs)) << db.Error().description;  // names ignore case
    EXPECT_EQ(rs.RecordCount(), 3);
    std::vector<int32_t> ids;
    for (; !rs.Eof(); rs.MoveNext()) {
        int32_t id = 0;
        ASSERT_TRUE(rs.GetInt32("id", id));
        ids.push_back(id);
    }
    EXPECT_EQ(ids, (std::vector<int32_t>{7, 2, 40000}));
    // Past the end MoveNext fails and the position stays at EOF; MoveFirst rewinds.
    EXPECT_FALSE(rs.MoveNext());
    EXPECT_EQ(rs.Error().number, platform::kDbNoCurrentRecord);
    EXPECT_TRUE(rs.MoveFirst());
    int16_t first = 0;
    EXPECT_TRUE(rs.GetInt16("ID", first));
    EXPECT_EQ(first, 7);
}

TEST_F(DatabaseTest, FieldsReadTheirValueOrReportWhyNot)
{
    Database db;
    ASSERT_TRUE(db.Open(MakeUnits(), OpenMode::ReadOnly));
    Recordset rs;
    ASSERT_TRUE(db.OpenTable("UnitList", rs));

    bool isDefault = false;
    int16_t index = 0;
    std::string text;
    double factor = 0;
    ASSERT_TRUE(rs.GetBool("Default", isDefault));  // a column named by an SQL word
    EXPECT_TRUE(isDefault);
    ASSERT_TRUE(rs.GetInt16("Index", index));
    EXPECT_EQ(index, 3);
    ASSERT_TRUE(rs.GetText("Text", text));
    EXPECT_EQ(text, "mm");
    ASSERT_TRUE(rs.GetText("ID", text));  // a number read as text
    EXPECT_EQ(text, "7");
    EXPECT_FALSE(rs.IsNull("Text"));

    rs.MoveNext();  // second row: Default 0, Text Null
    ASSERT_TRUE(rs.GetBool("Default", isDefault));
    EXPECT_FALSE(isDefault);
    EXPECT_TRUE(rs.IsNull("Text"));
    text = "kept";
    EXPECT_FALSE(rs.GetText("Text", text));
    EXPECT_EQ(rs.Error().number, platform::kDbInvalidUseOfNull);
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(rs.GetDouble("Missing", factor));
    EXPECT_EQ(rs.Error().number, platform::kDbColumnNotFound);
    EXPECT_NE(rs.Error().description.find("Missing"), std::string::npos);

    rs.MoveNext();  // third row: 40000 does not fit 16 bits; Default 1 reads as true
    EXPECT_FALSE(rs.GetInt16("ID", index));
    EXPECT_EQ(rs.Error().number, platform::kDbOverflow);
    ASSERT_TRUE(rs.GetBool("Default", isDefault));
    EXPECT_TRUE(isDefault);
    EXPECT_FALSE(rs.GetDouble("Factor", factor));
    EXPECT_EQ(rs.Error().number, platform::kDbInvalidUseOfNull);
    EXPECT_FALSE(rs.GetDouble("Text", factor));
    EXPECT_EQ(rs.Error().number, platform::kDbTypeMismatch);

    rs.MoveNext();  // EOF: no current row
    EXPECT_FALSE(rs.GetText("Text", text));
    EXPECT_EQ(rs.Error().number, platform::kDbNoCurrentRecord);
}

TEST_F(DatabaseTest, OpeningFailuresAreNumberedAndCreateNothing)
{
    Database db;
    const std::string missing = folder_ + "missing.mdb";
    EXPECT_FALSE(db.Open(missing, OpenMode::ReadWrite));
    EXPECT_EQ(db.Error().number, platform::kDbFileNotFound);
    EXPECT_FALSE(fs::exists(missing));

    const std::string text = folder_ + "notes.mdb";
    std::ofstream(text) << "This is a plain text file, not a database, and it is long enough to look like a header.\n";
    EXPECT_FALSE(db.Open(text, OpenMode::ReadOnly));
    EXPECT_EQ(db.Error().number, platform::kDbNotADatabase);
    EXPECT_FALSE(db.IsOpen());

    // A database file cut short after its header is damaged, not a crash.
    const std::string good = MakeUnits();
    const std::string cut = folder_ + "cut.mdb";
    {
        std::ifstream in(good, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        ASSERT_GT(bytes.size(), 4096u);
        bytes.resize(bytes.size() / 2);
        bytes.replace(100, 50, std::string(50, '\xff'));
        std::ofstream(cut, std::ios::binary) << bytes;
    }
    Recordset rs;
    if (db.Open(cut, OpenMode::ReadOnly)) {
        EXPECT_FALSE(db.OpenTable("UnitList", rs));
        EXPECT_NE(db.Error().number, platform::kDbNoError);
    } else {
        EXPECT_NE(db.Error().number, platform::kDbNoError);
    }

    ASSERT_TRUE(db.Open(good, OpenMode::ReadOnly));
    EXPECT_FALSE(db.OpenTable("NoSuchTable", rs));
    EXPECT_EQ(db.Error().number, platform::kDbTableNotFound);
    EXPECT_FALSE(db.OpenQuery("SELECT nonsense FROM", rs));
    EXPECT_EQ(db.Error().number, platform::kDbSqlError);

    db.Close();
    db.Close();  // closing twice is harmless
    EXPECT_FALSE(db.OpenTable("UnitList", rs));
    EXPECT_EQ(db.Error().number, platform::kDbNotOpen);
}

TEST_F(DatabaseTest, OnlyRegularFilesAreOpenedAndReadingLeavesNothingBeside)
{
    // A pipe with no writer would block the engine for ever; a device feeds
    // it what it likes: both are refused before the engine sees them.
    const std::string pipe = folder_ + "pipe.mdb";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    Database db;
    for (const std::string& path : {pipe, std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        for (const OpenMode mode : {OpenMode::ReadOnly, OpenMode::ReadWrite}) {
            EXPECT_FALSE(db.Open(path, mode));
            EXPECT_EQ(db.Error().number, platform::kDbCannotOpen);
        }
    }

    // A file in write-ahead-log mode read and closed: no log or shared-memory
    // file stays beside it.
    const std::string wal = MakeDatabase("wal.mdb", "PRAGMA journal_mode=WAL; CREATE TABLE T (X DOUBLE);"
                                                    "INSERT INTO T VALUES (2.5);");
    ASSERT_FALSE(fs::exists(wal + "-wal"));
    ASSERT_TRUE(db.Open(wal, OpenMode::ReadOnly)) << db.Error().description;
    Recordset rs;
    ASSERT_TRUE(db.OpenTable("T", rs));
    double x = 0.0;
    EXPECT_TRUE(rs.GetDouble("X", x));
    EXPECT_EQ(x, 2.5);
    EXPECT_TRUE(db.CheckIntegrity());
    db.Close();
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"pipe.mdb", "wal.mdb"}));
}

TEST_F(DatabaseTest, DamageInsideTheFileFailsTheIntegrityCheck)
{
    // 400 rows of 100 characters fill some ten pages of 4096 bytes; page 5
    // is overwritten with a pattern, the size and the header stay.
    std::string sql = "BEGIN; CREATE TABLE T (X TEXT);";
    for (int i = 0; i < 400; ++i)
        sql += "INSERT INTO T VALUES ('" + std::string(100, static_cast<char>('a' + i % 26)) + "');";
    const std::string path = MakeDatabase("garbled.mdb", sql + "COMMIT;");
    Database db;
    ASSERT_TRUE(db.Open(path, OpenMode::ReadOnly));
    EXPECT_TRUE(db.CheckIntegrity()) << db.Error().description;
    db.Close();
    {
        std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(4 * 4096);
        const std::string pattern(4096, '\x5a');
        file.write(pattern.data(), static_cast<std::streamsize>(pattern.size()));
    }
    ASSERT_TRUE(db.Open(path, OpenMode::ReadOnly));
    EXPECT_FALSE(db.CheckIntegrity());
    EXPECT_EQ(db.Error().number, platform::kDbNotADatabase);
}

TEST_F(DatabaseTest, NonFiniteNumbersAreNeitherReadNorStored)
{
    // NaN as text, infinity as the engine stores it (a real beyond range)
    const std::string path = MakeDatabase("numbers.mdb", "CREATE TABLE T (X DOUBLE NOT NULL);"
                                                         "INSERT INTO T VALUES ('NaN');"
                                                         "INSERT INTO T VALUES (9e999);"
                                                         "INSERT INTO T VALUES (-9e999);");
    Database db;
    ASSERT_TRUE(db.Open(path, OpenMode::ReadWrite));
    Recordset rs;
    ASSERT_TRUE(db.OpenTable("T", rs));
    for (; !rs.Eof(); rs.MoveNext()) {
        double x = 1.0;
        EXPECT_FALSE(rs.GetDouble("X", x));
        EXPECT_EQ(rs.Error().number, platform::kDbOverflow);
        EXPECT_EQ(x, 1.0);
    }
    ASSERT_TRUE(rs.AddNew());
    for (const double bad : {std::nan(""), HUGE_VAL}) {
        EXPECT_FALSE(rs.SetDouble("X", bad));
        EXPECT_EQ(rs.Error().number, platform::kDbOverflow);
    }
}

TEST_F(DatabaseTest, QueriesAreReadOnlyAndSortAsAsked)
{
    Database db;
    ASSERT_TRUE(db.Open(MakeUnits(), OpenMode::ReadWrite));
    Recordset rs;
    ASSERT_TRUE(db.OpenQuery("SELECT * FROM UnitList ORDER BY [Index]", rs));
    EXPECT_EQ(rs.RecordCount(), 3);
    int32_t id = 0;
    ASSERT_TRUE(rs.GetInt32("ID", id));
    EXPECT_EQ(id, 2);
    EXPECT_FALSE(rs.AddNew());
    EXPECT_EQ(rs.Error().number, platform::kDbReadOnly);

    EXPECT_FALSE(db.OpenQuery("DELETE FROM UnitList", rs));
    EXPECT_FALSE(db.OpenQuery("SELECT 1; DELETE FROM UnitList", rs));
    ASSERT_TRUE(db.OpenTable("UnitList", rs));
    EXPECT_EQ(rs.RecordCount(), 3);

    ASSERT_TRUE(db.OpenQuery("SELECT * FROM UnitList WHERE ID = 99", rs));
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_FALSE(rs.MoveFirst());
    EXPECT_EQ(rs.Error().number, platform::kDbNoCurrentRecord);
}

TEST_F(DatabaseTest, AppendedRowsAreStoredAndReadBack)
{
    const std::string path = MakeUnits();
    {
        Database db;
        ASSERT_TRUE(db.Open(path, OpenMode::ReadWrite));
        Recordset rs;
        ASSERT_TRUE(db.OpenTable("UnitList", rs));
        ASSERT_TRUE(rs.AddNew());
        EXPECT_TRUE(rs.SetInt("ID", -5));
        EXPECT_TRUE(rs.SetBool("Default", true));
        EXPECT_TRUE(rs.SetText("Text", "O'Brien \"quoted\" ünits"));
        EXPECT_TRUE(rs.SetDouble("Factor", 0.1));
        EXPECT_FALSE(rs.SetInt("Nope", 1));
        EXPECT_EQ(rs.Error().number, platform::kDbColumnNotFound);
        ASSERT_TRUE(rs.Update()) << rs.Error().description;
        EXPECT_EQ(rs.RecordCount(), 4);
        EXPECT_FALSE(rs.Update());  // no AddNew
        EXPECT_EQ(rs.Error().number, platform::kDbUpdateWithoutAddNew);
    }
    Database db;
    ASSERT_TRUE(db.Open(path, OpenMode::ReadOnly));
    Recordset rs;
    ASSERT_TRUE(db.OpenTable("UnitList", rs));
    ASSERT_EQ(rs.RecordCount(), 4);
    for (int i = 0; i < 3; ++i)
        rs.MoveNext();
    int16_t id = 0;
    bool isDefault = false;
    std::string text;
    double factor = 0;
    platform::FieldValue raw;
    ASSERT_TRUE(rs.GetInt16("ID", id));
    ASSERT_TRUE(rs.GetBool("Default", isDefault));
    ASSERT_TRUE(rs.GetText("Text", text));
    ASSERT_TRUE(rs.GetDouble("Factor", factor));
    ASSERT_TRUE(rs.Value("Default", raw));
    EXPECT_EQ(id, -5);
    EXPECT_TRUE(isDefault);
    EXPECT_EQ(raw.integer, -1);  // True is stored as -1
    EXPECT_EQ(text, "O'Brien \"quoted\" ünits");
    EXPECT_EQ(factor, 0.1);
    EXPECT_TRUE(rs.IsNull("Index"));  // not set: Null

    // A read-only database refuses to append.
    EXPECT_FALSE(rs.AddNew());
    EXPECT_EQ(rs.Error().number, platform::kDbReadOnly);
    EXPECT_FALSE(db.Execute("DELETE FROM UnitList"));
    EXPECT_EQ(db.Error().number, platform::kDbReadOnly);
}

TEST_F(DatabaseTest, RollbackDropsEveryRowOfTheTransaction)
{
    const std::string path = MakeUnits();
    Database db;
    ASSERT_TRUE(db.Open(path, OpenMode::ReadWrite));
    Recordset rs;
    ASSERT_TRUE(db.OpenTable("UnitList", rs));

    ASSERT_TRUE(db.BeginTransaction());
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(rs.AddNew());
        rs.SetInt("ID", 100 + i);
        ASSERT_TRUE(rs.Update());
    }
    ASSERT_TRUE(db.Rollback());
    ASSERT_TRUE(db.OpenTable("UnitList", rs));
    EXPECT_EQ(rs.RecordCount(), 3);

    ASSERT_TRUE(db.BeginTransaction());
    ASSERT_TRUE(rs.AddNew());
    rs.SetInt("ID", 200);
    ASSERT_TRUE(rs.Update());
    ASSERT_TRUE(db.CommitTransaction());
    db.Close();

    ASSERT_TRUE(db.Open(path, OpenMode::ReadOnly));
    ASSERT_TRUE(db.OpenTable("UnitList", rs));
    EXPECT_EQ(rs.RecordCount(), 4);

    // A recordset outliving its closed database reports, not crashes.
    db.Close();
    EXPECT_FALSE(rs.AddNew());
}

} // namespace
