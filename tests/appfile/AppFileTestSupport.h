#pragma once
// What the application-file tests share: a private application folder, a
// message display that records what it is asked to show, a parameter control
// table of the tests' own (so that the model's operations build real
// parameter blocks in both unit systems), a rich application built with the
// model's operations, and direct access to a file through SQLite.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "appfile/AppFileError.h"
#include "appfile/basApplicationFile.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basAppPaths.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basParameterControl.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisData.h"
#include "model/basMechanismChain.h"
#include "model/basWindowStatus.h"
#include "platform/core/CurrentError.h"
#include "tests/support/TestAppFolder.h"

namespace appfile_test {

class RecordingMessageDisplay : public platform::MessageDisplay {
public:
    void Beep() override {}
    void RestoreDefaultCursor() override {}
    int16_t ShowMessage(const MessageComposition& message) override
    {
        shown.push_back(message);
        return message.closeResult;
    }
    void ShowCriticalBox(const std::string&, const std::string&) override {}

    // The number at the end of the caption of message i ("... - 1005").
    int Number(size_t i = 0) const
    {
        const std::string& caption = shown.at(i).caption;
        return std::stoi(caption.substr(caption.find_last_of(' ') + 1));
    }

    std::vector<MessageComposition> shown;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The names in a folder, to see that an operation leaves nothing behind.
inline std::vector<std::string> FolderListing(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Every row of an SQL query on the file, each column as text ("NULL" for a
// Null); an empty result when the query fails (the test then sees no rows).
inline std::vector<std::vector<std::string>> Query(const std::string& path, const std::string& sql)
{
    std::vector<std::vector<std::string>> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                std::vector<std::string> row;
                for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                    const auto* text = sqlite3_column_text(stmt, c);
                    row.push_back(text ? reinterpret_cast<const char*>(text) : "NULL");
                }
                rows.push_back(row);
            }
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return rows;
}

// One column of a query, top to bottom.
inline std::vector<std::string> Column(const std::string& path, const std::string& sql)
{
    std::vector<std::string> values;
    for (const auto& row : Query(path, sql))
        values.push_back(row.at(0));
    return values;
}

inline void Execute(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    const int code = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string text = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(code, SQLITE_OK) << text << "\n" << sql;
}

// The parameter control rows of every owner the model knows: each mechanism,
// motor and load type, the segment (30) and the quick setup (40). Counts,
// units, factors and texts differ per owner and per unit system, so that a
// value that lands in the wrong entry or unit shows.
inline std::vector<ParamControlRow> TestControlTable()
{
    struct Owner {
        int16_t key;
        int rows;
    };
    const Owner owners[] = {{0, 6},  {1, 5},  {2, 3},  {3, 4},  {4, 13}, {5, 7},  {6, 5},
                            {7, 6},  {9, 4},  {61, 8}, {62, 8}, {10, 9}, {11, 10}, {12, 9},
                            {13, 9}, {14, 9}, {15, 9}, {20, 1}, {21, 3}, {22, 4}, {23, 5},
                            {30, 6}, {40, 7}};
    std::vector<ParamControlRow> table;
    for (const Owner& owner : owners) {
        for (int k = 0; k < owner.rows; ++k) {
            ParamControlRow row;
            row.MechID = owner.key;
            row.UnitID = static_cast<int16_t>(1 + (owner.key + k) % 22);
            row.Status = static_cast<int16_t>(k % 4);
            row.TextID = static_cast<int16_t>(500 + owner.key * 20 + k);
            row.HelpID = static_cast<int16_t>(9000 + owner.key * 20 + k);
            row.EEUnitID = static_cast<int16_t>(100 + k);
            row.MUnitID = static_cast<int16_t>(200 + k);
            row.EEFactor = 25.4 + k;
            row.MFactor = 1.0 / (3.0 + k);
            row.EEUnitText = "in-" + std::to_string(k);
            row.MUnitText = "\xC2\xB5m-" + std::to_string(k);  // "µm-k"
            table.push_back(row);
        }
    }
    return table;
}

// A test with its own application folder, its own control table, a recording
// message display, an empty application and backups on.
class ApplicationFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedControl_ = gParamControl;
        savedUnitSystem_ = gnUnitSystem;
        savedBackup_ = gbCreateBackup;
        gParamControl = TestControlTable();
        gnParamControlCount = static_cast<int16_t>(gParamControl.size());
        gbCreateBackup = -1;
        platform::InstallMessageDisplay(&display_);
        CloseApplication();
    }

    void TearDown() override
    {
        platform::InstallMessageDisplay(nullptr);
        CloseApplication();
        gParamControl = savedControl_;
        gnParamControlCount = static_cast<int16_t>(gParamControl.size());
        gnUnitSystem = savedUnitSystem_;
        gbCreateBackup = savedBackup_;
    }

    // The state the shell leaves before it opens a file.
    static void CloseApplication()
    {
        SubResetAllAxes();
        SubClearWindowStatus();
    }

    static int16_t AddAxis(int16_t id, const std::string& title)
    {
        SubAddAxis(id);
        SubSetAxisTitle(id, title);
        return id;
    }

    // Gives every parameter entry of the axis a value of its own that is not
    // a short binary fraction, so that a value read back from the wrong row
    // or rounded on the way shows.
    static void FillValues(int16_t id, double seed)
    {
        const int16_t index = nFctFindAxisIndex(id);
        AxisRec& axis = gAxis.at(index);
        double value = seed;
        auto next = [&value] { return value += 1.0 / 7.0; };
        for (int j = 0; j < axis.MotorDataNumber; ++j)
            SubSetMotorParameterValue(id, j, next());
        for (int m = 0; m < axis.NumberOfMechanisms; ++m)
            for (int k = 0; k < axis.Mechanisms[m].DataNumber; ++k)
                SubSetMechanismParameterValue(id, m, k, next());
        for (int j = 0; j < axis.LoadDataNumber; ++j)
            nFctSetLoadParameterValue(id, j, next());
        for (int s = 0; s < axis.NumberOfMotionSegments; ++s)
            for (int p = 0; p < 5; ++p)
                nFctSetProfileSegmentValue(id, s, p, -next());
        // Every slot is addressed in the Trapezoidal mode.
        const int16_t mode = axis.QuickSetupMode;
        SubSetQuickSetupMode(id, QuickSetupMode::Trapezoidal);
        for (int selector = 0; selector < model::kQuickSetupUsedSlots; ++selector)
            nFctSetQuickSetupParameterValue(id, selector, next());
        SubSetQuickSetupMode(id, mode);
    }

    static void SetMotor(int16_t id, int16_t motorType, const std::string& manufacturer,
                         const std::string& productKey)
    {
        MotorRec motor;
        SubInitMotorRecord(motor, motorType);
        motor.Manufacturer = manufacturer;
        motor.ProductKey = productKey;
        nFctSetAxisMotor(id, motor, 0);
    }

    // Three axes in the current unit system with every mechanism type across
    // them, the given load types, motors, ten segments, both quick-setup
    // modes, both motion modes, titles with non-ASCII letters and blanks at
    // either end, and window states of their windows.
    static void BuildRichApplication(int16_t loadA, int16_t loadB, int16_t loadC)
    {
        const int16_t a = AddAxis(1, "  Zuführung – Förderband Ä ");
        for (int16_t type : {MechanismType::BeltPulley, MechanismType::Coupling, MechanismType::Disk,
                             MechanismType::Gearbox, MechanismType::Conveyor, MechanismType::Leadscrew,
                             MechanismType::RackPinion})
            SubAppendMechanism(a, type);
        SubSetMechanismManufacturer(a, 0, "Größe & Söhne");
        SubSetMechanismProductKey(a, 3, "GB-13/ß");
        SetMotor(a, MotorType::AcServo, "Motorenwerk Süd", "AC-7");
        nFctSetLoadType(a, loadA);
        nFctInitProfileSegments(a);
        nFctInitQuickSetup(a, -1);
        SubSetQuickSetupMode(a, QuickSetupMode::Triangular);
        SubSetMotionMode(a, MotionMode::Linear);
        FillValues(a, 0.1);

        const int16_t b = AddAxis(2, "");
        for (int16_t type : {MechanismType::RotaryTable, MechanismType::NipRoll, MechanismType::WinderCenter,
                             MechanismType::WinderSurface})
            SubAppendMechanism(b, type);
        SetMotor(b, MotorType::Stepper, "", "");
        nFctSetLoadType(b, loadB);
        nFctInitProfileSegments(b);
        nFctInitQuickSetup(b, -1);
        SubSetQuickSetupMode(b, QuickSetupMode::Trapezoidal);
        FillValues(b, 1000.3);

        const int16_t c = AddAxis(3, std::string(300, 'x') + "ÿ");
        nFctSetLoadType(c, loadC);
        FillValues(c, -5.5);

        for (int16_t axis : {a, b, c})
            for (int16_t kind : {WindowKind::AxisDesign, WindowKind::Profile, WindowKind::Report})
                SubSetWindowStatus(axis, kind, static_cast<int16_t>((axis + kind) % 3), 0);
    }

    testing_support::TestAppFolder folder_;
    RecordingMessageDisplay display_;

private:
    std::vector<ParamControlRow> savedControl_;
    int16_t savedUnitSystem_ = 0;
    int16_t savedBackup_ = 0;
};

} // namespace appfile_test
