#pragma once
// Small reference databases of a test's own, written with SQLite into a
// private application folder, and a message display that records the
// critical boxes the loaders show.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

#include "foundation/MessageDisplay.h"
#include "foundation/basAppPaths.h"
#include "foundation/basDatabaseAccess.h"
#include "UnitTablesFixture.h"
#include "foundation/basParameterControl.h"
#include "tests/support/TestAppFolder.h"

// The tables and columns the loaders read, without rows.
inline const char* const kReferenceSchema = R"sql(
CREATE TABLE UnitList (Active INTEGER, ID INTEGER, Type INTEGER, Class TEXT, Text TEXT,
                       "Default" INTEGER, BasicUnit INTEGER);
CREATE TABLE ConversionFactors ("From" INTEGER, "To" INTEGER, Factor REAL, Divisor REAL);
CREATE TABLE ParameterSetup ("Index" INTEGER, MechID INTEGER, UnitID INTEGER, Status INTEGER,
                             TextID INTEGER, HelpID INTEGER);
CREATE TABLE FunctionalitySettings (DynamicMenu INTEGER, SafetyFactors INTEGER,
                                    ReportOptions INTEGER, GraphOptions INTEGER);
)sql";

// Creates (or replaces) a database file and runs the SQL text in it.
inline void WriteDatabase(const std::string& path, const std::string& sql)
{
    std::remove(path.c_str());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string error = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << error;
}

class RecordingMessageDisplay : public platform::MessageDisplay {
public:
    struct Box {
        std::string title;
        std::string body;
    };

    void Beep() override {}
    void RestoreDefaultCursor() override {}
    int16_t ShowMessage(const MessageComposition& message) override
    {
        messages.push_back(message);
        return message.closeResult;
    }
    void ShowCriticalBox(const std::string& title, const std::string& body) override
    {
        boxes.push_back({title, body});
    }

    std::vector<Box> boxes;
    std::vector<MessageComposition> messages;
};

// A private application folder whose reference database is a fixture, with
// the recording display installed; the database is closed and the loaded
// tables restored at the end.
class ReferenceDbTest : public UnitTablesFixture {
protected:
    void SetUp() override
    {
        UnitTablesFixture::SetUp();
        previousDisplay_ = platform::InstalledMessageDisplay();
        platform::InstallMessageDisplay(&display_);
        savedParamControl_ = gParamControl;
        savedSwitches_ = {gbDynamicMenu, gbSafetyFactorsTab, gbReportOptionsTab, gbGraphOptionsTab};
    }

    void TearDown() override
    {
        SubCloseReferenceDatabase();
        platform::InstallMessageDisplay(previousDisplay_);
        gParamControl = savedParamControl_;
        gnParamControlCount = static_cast<int16_t>(gParamControl.size());
        gbDynamicMenu = savedSwitches_[0];
        gbSafetyFactorsTab = savedSwitches_[1];
        gbReportOptionsTab = savedSwitches_[2];
        gbGraphOptionsTab = savedSwitches_[3];
        UnitTablesFixture::TearDown();
    }

    // Writes the reference database from the schema and the rows, and
    // points gsReferenceDbPath at it.
    void WriteReference(const std::string& rowsSql, const char* schema = kReferenceSchema)
    {
        gsReferenceDbPath = folder_.file("fixture.mdb");
        WriteDatabase(gsReferenceDbPath, std::string(schema) + rowsSql);
    }

    const std::vector<RecordingMessageDisplay::Box>& Boxes() const { return display_.boxes; }

    testing_support::TestAppFolder folder_;

private:
    RecordingMessageDisplay display_;
    platform::MessageDisplay* previousDisplay_ = nullptr;
    std::vector<ParamControlRow> savedParamControl_;
    std::array<int16_t, 4> savedSwitches_{};
};
