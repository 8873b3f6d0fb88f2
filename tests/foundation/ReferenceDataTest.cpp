// Data integrity of the reference database that the build lays into the
// application folder: read with SQLite directly, and the unit conversions
// worked out here by the program's rules (a factor row found in either
// direction, the reciprocal marker -1, the pitch/lead rule behind factor 0)
// so that every factor is checked against values from the unit definitions.
#include "platform/core/ResourceStrings.h"
#include "tests/support/TestAppFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Unit {
    int active = 0;
    int id = 0;
    int type = 0;
    std::string cls;
    std::string text;
    int isDefault = 0;
    int basic = 0;
};

struct Conversion {
    int from = 0;
    int to = 0;
    double factor = 0.0;  // as the loader stores it from Factor and Divisor
};

struct SetupRow {
    int index = 0;
    int key = 0;
    int type = 0;
    int status = 0;
    int textId = 0;
    int helpId = 0;
};

struct ReferenceTables {
    std::vector<Unit> units;  // every row, active or not, in stored order
    std::vector<Conversion> conversions;
    std::vector<SetupRow> setup;  // ordered by Index
    std::vector<std::vector<int>> switches;
};

class Query {
public:
    Query(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    }
    ~Query() { sqlite3_finalize(stmt_); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    bool Next() { return stmt_ && sqlite3_step(stmt_) == SQLITE_ROW; }
    int Int(int col) const { return sqlite3_column_int(stmt_, col); }
    double Real(int col) const { return sqlite3_column_double(stmt_, col); }
    std::string Text(int col) const
    {
        const auto* t = sqlite3_column_text(stmt_, col);
        return t ? reinterpret_cast<const char*>(t) : "";
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// The loader's rule for a conversion row.
double StoredFactor(double factor, double divisor)
{
    if (factor == -1.0)
        return -1.0;
    if (factor == 0.0)
        return divisor != 0.0 ? 1.0 / divisor : 0.0;
    return divisor != 0.0 ? factor / divisor : factor;
}

struct Database {
    sqlite3* db = nullptr;
    Database()
    {
        const std::string path = testing_support::BuiltAppFolder() + "Orvamis.Mdb";
        if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << path;
    }
    ~Database() { sqlite3_close(db); }
};

const ReferenceTables& Tables()
{
    static const ReferenceTables tables = [] {
        Database d;
        ReferenceTables t;
        Query units(d.db, "SELECT Active, ID, Type, Class, Text, \"Default\", BasicUnit "
                          "FROM UnitList ORDER BY rowid");
        while (units.Next())
            t.units.push_back({units.Int(0), units.Int(1), units.Int(2), units.Text(3),
                               units.Text(4), units.Int(5), units.Int(6)});
        Query conv(d.db, "SELECT \"From\", \"To\", Factor, Divisor FROM ConversionFactors "
                         "ORDER BY rowid");
        while (conv.Next())
            t.conversions.push_back(
                {conv.Int(0), conv.Int(1), StoredFactor(conv.Real(2), conv.Real(3))});
        Query setup(d.db, "SELECT \"Index\", MechID, UnitID, Status, TextID, HelpID "
                          "FROM ParameterSetup ORDER BY \"Index\"");
        while (setup.Next())
            t.setup.push_back({setup.Int(0), setup.Int(1), setup.Int(2), setup.Int(3),
                               setup.Int(4), setup.Int(5)});
        Query sw(d.db, "SELECT DynamicMenu, SafetyFactors, ReportOptions, GraphOptions "
                       "FROM FunctionalitySettings ORDER BY rowid");
        while (sw.Next())
            t.switches.push_back({sw.Int(0), sw.Int(1), sw.Int(2), sw.Int(3)});
        return t;
    }();
    return tables;
}

std::vector<Unit> ActiveUnits()
{
    std::vector<Unit> active;
    for (const auto& u : Tables().units)
        if (u.active != 0)
            active.push_back(u);
    return active;
}

const Unit* FindUnit(int id)
{
    for (const auto& u : Tables().units)
        if (u.id == id)
            return &u;
    return nullptr;
}

// The program's factor between two units: the first row that names the pair
// decides; the reverse direction gives 1 / Factor (0 stays 0); no row gives 1.
double ConversionFactor(int from, int to)
{
    for (const auto& row : Tables().conversions) {
        if (row.from == from && row.to == to)
            return row.factor;
        if (row.from == to && row.to == from)
            return row.factor == 0.0 ? 0.0 : 1.0 / row.factor;
    }
    return 1.0;
}

// The program's rule for the pitch/lead units that no factor links.
double PitchLead(int from, int to, double value)
{
    if (value == 0.0)
        return 0.0;
    if ((from == 41 && to == 47) || (from == 47 && to == 41))
        return 25.4 / value;
    if ((from == 43 && to == 45) || (from == 45 && to == 43))
        return 1.0 / (25.4 * value);
    return 0.0;
}

// A value moved from one unit into another as the program converts it.
double Convert(double value, int from, int to)
{
    const double f = ConversionFactor(from, to);
    if (f == -1.0)
        return value == 0.0 ? 0.0 : 1.0 / value;
    if (f == 0.0)
        return PitchLead(from, to, value);
    return value * f;
}

int RowsForPair(int a, int b)
{
    int n = 0;
    for (const auto& row : Tables().conversions)
        if ((row.from == a && row.to == b) || (row.from == b && row.to == a))
            ++n;
    return n;
}

// Unit definitions, worked out from the exact definitions of the units.
constexpr double kPi = 3.14159265358979323846;
constexpr double kInch = 25.4;                      // mm
constexpr double kFoot = 12 * kInch;                // 304.8 mm
constexpr double kLbf = 0.45359237 * 9.80665;       // N (pound mass times standard gravity)
constexpr double kLbfIn = kLbf * kInch / 1000;      // N·m
constexpr double kLbIn2 = 0.45359237 * (kInch / 1000) * (kInch / 1000);  // kg·m²

// Every unit with its size in the reference unit of its kind: the basic unit
// of its type, or mm/rev for the pitch/lead units measured as length per
// revolution (kind 1), which are reciprocal to the basic rev/mm.
struct UnitDefinition {
    int id;
    int type;
    const char* cls;
    const char* text;
    int kind;
    double size;
};

const UnitDefinition kUnits[] = {
    {1, 2, "NA", "n", 0, 1.0},
    {2, 2, "NA", "deg", 0, 1.0 / 360},
    {3, 2, "NA", "rad", 0, 1.0 / (2 * kPi)},
    {6, 3, "M", "m", 0, 1000.0},
    {7, 3, "M", "mm", 0, 1.0},
    {8, 3, "EE", "in", 0, kInch},
    {9, 3, "EE", "ft", 0, kFoot},
    {10, 5, "NA", "n/s", 0, 1.0},
    {11, 5, "NA", "n/min", 0, 1.0 / 60},
    {12, 5, "NA", "deg/s", 0, 1.0 / 360},
    {13, 5, "NA", "rad/s", 0, 1.0 / (2 * kPi)},
    {14, 6, "M", "mm/s", 0, 1.0},
    {15, 6, "M", "m/s", 0, 1000.0},
    {18, 6, "M", "m/min", 0, 1000.0 / 60},
    {19, 6, "EE", "in/s", 0, kInch},
    {20, 6, "EE", "ft/s", 0, kFoot},
    {21, 6, "EE", "in/min", 0, kInch / 60},
    {22, 6, "EE", "ft/min", 0, kFoot / 60},
    {26, 8, "NA", "n/s²", 0, 1.0},
    {27, 8, "NA", "n/min/s", 0, 1.0 / 60},
    {28, 8, "NA", "deg/s²", 0, 1.0 / 360},
    {29, 8, "NA", "rad/s²", 0, 1.0 / (2 * kPi)},
    {30, 9, "M", "mm/s²", 0, 1.0},
    {31, 9, "M", "m/s²", 0, 1000.0},
    {33, 9, "M", "m/min/s", 0, 1000.0 / 60},
    {34, 9, "EE", "in/s²", 0, kInch},
    {35, 9, "EE", "ft/s²", 0, kFoot},
    {36, 9, "EE", "in/min/s", 0, kInch / 60},
    {37, 9, "EE", "ft/min/s", 0, kFoot / 60},
    {41, 10, "M", "mm/n", 1, 1.0},
    {42, 10, "M", "m/n", 1, 1000.0},
    {43, 10, "M", "n/mm", 0, 1.0},
    {44, 10, "M", "n/m", 0, 1.0 / 1000},
    {45, 10, "EE", "in/n", 1, kInch},
    {46, 10, "EE", "ft/n", 1, kFoot},
    {47, 10, "EE", "n/in", 0, 1.0 / kInch},
    {48, 10, "EE", "n/ft", 0, 1.0 / kFoot},
    {51, 11, "M", "N", 0, 1.0},
    {52, 11, "M", "kg", 0, 9.80665},
    {53, 11, "EE", "lb", 0, kLbf},
    {54, 11, "EE", "oz", 0, kLbf / 16},
    {55, 12, "M", "Nm", 0, 1.0},
    {56, 12, "EE", "lb-in", 0, kLbfIn},
    {57, 12, "M", "Ncm", 0, 0.01},
    {58, 12, "EE", "oz-in", 0, kLbfIn / 16},
    {67, 12, "EE", "lb-ft", 0, kLbf * kFoot / 1000},
    {59, 13, "M", "kgm²", 0, 1.0},
    {60, 13, "M", "kgcm²", 0, 1e-4},
    {61, 13, "EE", "lb-in²", 0, kLbIn2},
    {64, 13, "EE", "lb-in-s²", 0, kLbfIn},  // lbf·in·s² = (N·m)·s² = kg·m²
    {65, 13, "EE", "oz-in-s²", 0, kLbfIn / 16},
    {62, 14, "M", "g/cm³", 0, 1.0},
    {63, 14, "EE", "lb/in³", 0, 453.59237 / (2.54 * 2.54 * 2.54)},
    {66, 16, "NA", "A", 0, 1.0},
    {68, 17, "M", "Nm/A", 0, 1.0},
    {69, 17, "EE", "lb-in/A", 0, kLbfIn},
    {70, 17, "EE", "oz-in/A", 0, kLbfIn / 16},
    {72, 18, "M", "kW", 0, 1.0},
    {73, 18, "EE", "hp", 0, 550 * kFoot / 1000 * kLbf / 1000},  // 550 ft·lbf/s in kW
    {74, 19, "NA", "%", 0, 1.0},
    {75, 20, "NA", "-", 0, 1.0},
    {76, 21, "NA", "deg", 0, 1.0},
    {77, 22, "NA", "s", 0, 1.0},
    {78, 22, "NA", "ms", 0, 0.001},
    {79, 22, "NA", "min", 0, 60.0},
};

const UnitDefinition* Definition(int id)
{
    for (const auto& d : kUnits)
        if (d.id == id)
            return &d;
    return nullptr;
}

void ExpectRelNear(double actual, double expected, double rel, const std::string& what)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * rel) << what;
}

} // namespace

TEST(ReferenceData, TablesHaveTheColumnsTheLoadersReadAndNoNulls)
{
    struct Column { const char* table; const char* name; const char* type; };
    const Column columns[] = {
        {"UnitList", "Active", "INTEGER"},        {"UnitList", "ID", "INTEGER"},
        {"UnitList", "Type", "INTEGER"},          {"UnitList", "Class", "TEXT"},
        {"UnitList", "Text", "TEXT"},             {"UnitList", "Default", "INTEGER"},
        {"UnitList", "BasicUnit", "INTEGER"},     {"ConversionFactors", "From", "INTEGER"},
        {"ConversionFactors", "To", "INTEGER"},   {"ConversionFactors", "Factor", "REAL"},
        {"ConversionFactors", "Divisor", "REAL"}, {"ParameterSetup", "Index", "INTEGER"},
        {"ParameterSetup", "MechID", "INTEGER"},  {"ParameterSetup", "UnitID", "INTEGER"},
        {"ParameterSetup", "Status", "INTEGER"},  {"ParameterSetup", "TextID", "INTEGER"},
        {"ParameterSetup", "HelpID", "INTEGER"},
        {"FunctionalitySettings", "DynamicMenu", "INTEGER"},
        {"FunctionalitySettings", "SafetyFactors", "INTEGER"},
        {"FunctionalitySettings", "ReportOptions", "INTEGER"},
        {"FunctionalitySettings", "GraphOptions", "INTEGER"},
    };
    Database d;
    for (const auto& c : columns) {
        std::string declared;
        Query info(d.db, std::string("PRAGMA table_info(") + c.table + ")");
        while (info.Next())
            if (info.Text(1) == c.name)
                declared = info.Text(2);
        EXPECT_EQ(declared, c.type) << c.table << "." << c.name;
        // Every stored value has the column's own type: no Null, no text in
        // a number column.
        Query odd(d.db, std::string("SELECT count(*) FROM ") + c.table + " WHERE typeof(\"" +
                            c.name + "\") <> '" + (std::string(c.type) == "TEXT" ? "text" :
                            std::string(c.type) == "REAL" ? "real" : "integer") + "'");
        ASSERT_TRUE(odd.Next());
        EXPECT_EQ(odd.Int(0), 0) << c.table << "." << c.name;
    }
    for (const auto& u : Tables().units) {
        EXPECT_TRUE(u.cls == "EE" || u.cls == "M" || u.cls == "NA") << u.id;
        for (int flag : {u.active, u.isDefault, u.basic})
            EXPECT_TRUE(flag == -1 || flag == 0) << "unit " << u.id;
    }
}

TEST(ReferenceData, EveryUnitHasItsDefinedTypeSystemTextAndFactor)
{
    std::set<int> ids;
    for (const auto& u : Tables().units) {
        EXPECT_TRUE(ids.insert(u.id).second) << "unit " << u.id << " twice";
        const UnitDefinition* d = Definition(u.id);
        ASSERT_NE(d, nullptr) << "unit " << u.id << " has no definition here";
        EXPECT_EQ(u.type, d->type) << u.id;
        EXPECT_EQ(u.cls, d->cls) << u.id;
        EXPECT_EQ(u.text, d->text) << u.id;
    }
    for (const auto& d : kUnits)
        EXPECT_NE(FindUnit(d.id), nullptr) << "unit " << d.id << " missing";

    // The factor of every proportional pair of one type and kind, in both
    // directions, is the ratio of the sizes above (inactive units included).
    for (const auto& a : kUnits)
        for (const auto& b : kUnits) {
            if (a.id == b.id || a.type != b.type || a.kind != b.kind)
                continue;
            ExpectRelNear(ConversionFactor(a.id, b.id), a.size / b.size, 1e-13,
                          "factor " + std::to_string(a.id) + " -> " + std::to_string(b.id));
        }
}

TEST(ReferenceData, FixedUnitsOfTheProgramAreActive)
{
    // 1, 10, 26 basic rotary units; 11, 27 display units of either velocity
    // and acceleration; 6-9 length units with pitch units 41, 43, 45, 47 the
    // selectable ones; 51, 55, 59 result units; 56 the horsepower torque;
    // 62/63 density; 66 current; 72/73 power; 74-76 fixed units of 19-21.
    for (int id : {1, 6, 7, 8, 9, 10, 11, 26, 27, 41, 43, 45, 47, 51, 55, 56, 59, 62, 63, 66,
                   72, 73, 74, 75, 76}) {
        const Unit* u = FindUnit(id);
        ASSERT_NE(u, nullptr) << id;
        EXPECT_EQ(u->active, -1) << id;
    }
    // Travel needs a pitch/lead unit for every linear length unit.
    std::set<int> linearLengths;
    for (const auto& u : ActiveUnits())
        if (u.type == 3)
            linearLengths.insert(u.id);
    EXPECT_EQ(linearLengths, (std::set<int>{6, 7, 8, 9}));
    // The report asks for the first current unit of "NA": unit 66.
    for (const auto& u : ActiveUnits())
        if (u.type == 16) {
            EXPECT_EQ(u.id, 66);
            break;
        }
    // The quick setup and the segments take the first time unit: seconds.
    for (const auto& u : ActiveUnits())
        if (u.type == 22) {
            EXPECT_EQ(u.text, "s");
            EXPECT_EQ(u.isDefault, -1);
            EXPECT_EQ(u.basic, -1);
            break;
        }
}

TEST(ReferenceData, OneDefaultPerTypeAndSystemAndOneBasicUnitPerType)
{
    std::map<std::pair<int, std::string>, int> units, defaults;
    std::map<int, std::vector<int>> basics;
    for (const auto& u : ActiveUnits()) {
        ++units[{u.type, u.cls}];
        if (u.isDefault != 0)
            ++defaults[{u.type, u.cls}];
        if (u.basic != 0)
            basics[u.type].push_back(u.id);
    }
    for (const auto& [group, n] : units)
        EXPECT_EQ(defaults[group], 1) << "type " << group.first << " " << group.second;

    // Every selection the user makes has a unit to choose and a Default.
    const std::pair<int, const char*> selectable[] = {
        {2, "NA"}, {3, "EE"},  {3, "M"},  {5, "NA"},  {6, "EE"},  {6, "M"},  {8, "NA"},
        {9, "EE"}, {9, "M"},   {10, "EE"}, {10, "M"}, {11, "EE"}, {11, "M"}, {12, "EE"},
        {12, "M"}, {13, "EE"}, {13, "M"}, {17, "EE"}, {17, "M"},  {22, "NA"}};
    for (const auto& [type, cls] : selectable)
        EXPECT_EQ(defaults[std::make_pair(type, std::string(cls))], 1)
            << "type " << type << " " << cls;

    const std::map<int, int> basicUnit = {{2, 1},   {3, 7},   {5, 10},  {6, 14},  {8, 26},
                                          {9, 30},  {10, 43}, {11, 51}, {12, 55}, {13, 59},
                                          {14, 62}, {16, 66}, {17, 68}, {18, 72}, {19, 74},
                                          {20, 75}, {21, 76}, {22, 77}};
    for (const auto& [type, ids] : basics)
        EXPECT_EQ(ids, std::vector<int>{basicUnit.count(type) ? basicUnit.at(type) : -1})
            << "type " << type;
    for (const auto& [type, id] : basicUnit)
        EXPECT_EQ(basics[type].size(), 1u) << "type " << type;
}

TEST(ReferenceData, EveryPairOfUnitsOfOneTypeHasExactlyOneRow)
{
    const auto active = ActiveUnits();
    for (size_t i = 0; i < active.size(); ++i)
        for (size_t j = i + 1; j < active.size(); ++j)
            if (active[i].type == active[j].type) {
                EXPECT_EQ(RowsForPair(active[i].id, active[j].id), 1)
                    << active[i].id << " - " << active[j].id;
            }

    for (const auto& row : Tables().conversions) {
        const Unit* from = FindUnit(row.from);
        const Unit* to = FindUnit(row.to);
        ASSERT_TRUE(from && to) << row.from << " -> " << row.to;
        EXPECT_EQ(from->type, to->type) << row.from << " -> " << row.to;
        EXPECT_NE(row.from, row.to);
        EXPECT_EQ(RowsForPair(row.from, row.to), 1) << row.from << " - " << row.to;
    }
}

TEST(ReferenceData, PitchLeadUnitsAreReciprocalPairsAndReachThePitchLeadRule)
{
    // A unit and its reciprocal: factor -1 both ways.
    for (auto [a, b] : {std::pair{41, 43}, {42, 44}, {45, 47}, {46, 48}}) {
        EXPECT_EQ(ConversionFactor(a, b), -1.0) << a << " - " << b;
        EXPECT_EQ(ConversionFactor(b, a), -1.0) << a << " - " << b;
    }
    for (auto [a, b] : {std::pair{41, 47}, {43, 45}}) {
        EXPECT_EQ(ConversionFactor(a, b), 0.0) << a << " - " << b;
        EXPECT_EQ(ConversionFactor(b, a), 0.0) << a << " - " << b;
    }
    // No other row is a marker: every other factor is a positive number.
    for (const auto& row : Tables().conversions) {
        const bool marker = (row.factor == -1.0 || row.factor == 0.0);
        const bool pitchCross = FindUnit(row.from)->type == 10 &&
                                Definition(row.from)->kind != Definition(row.to)->kind;
        EXPECT_EQ(marker, pitchCross) << row.from << " -> " << row.to;
        if (!marker) {
            EXPECT_GT(row.factor, 0.0) << row.from << " -> " << row.to;
        }
    }
    // The pitch/lead unit of each length unit is one revolution per that
    // length: its factor to rev/mm is the reciprocal of the length in mm.
    for (auto [length, pitch] : {std::pair{6, 44}, {7, 43}, {8, 47}, {9, 48}})
        ExpectRelNear(ConversionFactor(pitch, 43), 1.0 / ConversionFactor(length, 7), 1e-13,
                      "pitch unit " + std::to_string(pitch));
}

TEST(ReferenceData, ConversionsGiveTheValuesOfTheUnitDefinitions)
{
    struct Case { double value; int from; int to; double expected; };
    const Case cases[] = {
        {1, 8, 7, 25.4},                      // 1 in = 25.4 mm
        {1, 9, 8, 12},                        // 1 ft = 12 in
        {1, 6, 8, 1000 / 25.4},               // 1 m = 39.37007874... in
        {60, 11, 10, 1},                      // 60 rpm = 1 rev/s
        {1, 10, 11, 60},
        {60, 27, 26, 1},                      // 60 rpm/s = 1 rev/s²
        {360, 12, 10, 1},                     // 360 deg/s = 1 rev/s
        {1, 13, 11, 60 / (2 * kPi)},          // 1 rad/s = 9.5492965855 rpm
        {1, 56, 55, 0.112984829027616700},    // 1 lbf·in = 0.1129848290 N·m
        {1, 67, 56, 12},                      // 1 lbf·ft = 12 lbf·in
        {16, 58, 56, 1},                      // 16 ozf·in = 1 lbf·in
        {1, 53, 51, 4.4482216152605},         // 1 lbf
        {1, 52, 51, 9.80665},                 // 1 kgf
        {1, 61, 59, 2.926396534292e-4},       // 1 lb·in² = 0.45359237 kg × 0.0254² m²
        {1, 60, 59, 1e-4},                    // 1 kg·cm²
        {1, 64, 61, 386.08858267716535},      // 1 lbf·in·s² = 386.0886 lb·in² (g in in/s²)
        {1, 63, 62, 27.679904710203121},      // 1 lb/in³ = 453.59237 g / 16.387064 cm³
        {1, 69, 68, 0.112984829027616700},    // 1 lbf·in/A
        {1, 73, 72, 0.74569987158227022},     // 1 hp = 745.69987 W
        {1, 79, 77, 60},                      // 1 min
        {1000, 78, 77, 1},                    // 1000 ms
        {1, 20, 14, 304.8},                   // 1 ft/s
        {60, 21, 19, 1},                      // 60 in/min = 1 in/s
        {1, 18, 19, 1000.0 / 60 / 25.4},      // 1 m/min = 0.6561679790 in/s
        {1, 35, 30, 304.8},                   // 1 ft/s²
        {5, 41, 43, 0.2},                     // lead 5 mm/rev = 0.2 rev/mm
        {0.2, 43, 41, 5},
        {5, 41, 47, 5.08},                    // 5 mm/rev: 25.4 / 5 = 5.08 rev/in
        {5.08, 47, 41, 5},
        {2, 43, 45, 1 / 50.8},                // 2 rev/mm: 1 / (25.4 × 2) in/rev
        {0.2, 45, 41, 5.08},                  // 0.2 in/rev = 5.08 mm/rev
        {0.2, 45, 47, 5},                     // 0.2 in/rev = 5 rev/in
        {25.4, 47, 43, 1},                    // 25.4 rev/in = 1 rev/mm
        {1, 44, 43, 0.001},                   // 1 rev/m (roller travel in m)
        {1, 48, 43, 1 / 304.8},               // 1 rev/ft
    };
    for (const auto& c : cases)
        ExpectRelNear(Convert(c.value, c.from, c.to), c.expected, 1e-12,
                      std::to_string(c.value) + " of " + std::to_string(c.from) + " in " +
                          std::to_string(c.to));
    EXPECT_EQ(Convert(0, 41, 47), 0.0);
}

TEST(ReferenceData, UnitsOfTheResultFormulasFitThem)
{
    // Horsepower = torque in unit 56 × speed in unit 11 / 63025. A torque of
    // 1 N·m at 1000 rpm is 2π × 1000 / 60 W = 104.7197551 W = 0.1404321 hp
    // (63025 is the constant rounded from 63025.35, hence 1e-5).
    const double torque = Convert(1, 55, 56);
    const double hp = torque * 1000 / 63025;
    ExpectRelNear(hp, 2 * kPi * 1000 / 60 / 745.69987158227022, 1e-5, "hp");
    // ... and the kilowatt figure times 0.7456999 agrees with unit 73 in 72.
    ExpectRelNear(Convert(1, 73, 72), 0.7456999, 1e-7, "hp in kW");

    // Current = torque in the basic torque unit / Kt in the basic Kt unit:
    // N·m / (N·m/A) = A, so the two basic units differ only by "/A".
    EXPECT_EQ(FindUnit(68)->text, FindUnit(55)->text + "/A");
    ExpectRelNear(Convert(1, 69, 68), Convert(1, 56, 55), 1e-15, "lbf·in/A");

    // Density times 9.81e-6 gives N/mm³: 1 g/cm³ = 1e-6 kg/mm³ × 9.81 m/s².
    EXPECT_EQ(FindUnit(62)->text, "g/cm³");

    // Every velocity unit that has an acceleration unit: the acceleration is
    // that velocity per second, of the matching type and system.
    const std::map<int, int> accelOfVelocity = {
        {10, 26}, {11, 27}, {12, 28}, {13, 29}, {14, 30}, {15, 31}, {18, 33},
        {19, 34}, {20, 35}, {21, 36}, {22, 37}, {23, 38}, {24, 39}, {25, 40}};
    for (const auto& v : ActiveUnits()) {
        if (v.type != 5 && v.type != 6)
            continue;
        ASSERT_TRUE(accelOfVelocity.count(v.id)) << "velocity unit " << v.id << " has no map";
        const Unit* a = FindUnit(accelOfVelocity.at(v.id));
        ASSERT_NE(a, nullptr) << v.id;
        EXPECT_EQ(a->active, -1) << a->id;
        EXPECT_EQ(a->type, v.type + 3) << a->id;
        EXPECT_EQ(a->cls, v.cls) << a->id;
        EXPECT_EQ(Definition(a->id)->size, Definition(v.id)->size) << a->id;
    }
}

namespace {

// The parameters of every owner, in entry order, by unit type.
const std::map<int, std::vector<int>> kSetupTypes = {
    {0, {3, 11, 3, 14, 20, 3, 11, 3, 14, 11, 19, 12}},   // belt-pulley
    {1, {3, 11, 20, 3, 11, 11, 20, 19, 11, 21, 13}},     // conveyor
    {2, {3, 3, 3, 11, 14}},                              // coupling
    {3, {3, 3, 11, 14}},                                 // disk
    {4, {19, 13, 20}},                                   // gearbox
    {5, {3, 3, 14, 10, 19, 20, 12, 11, 11, 21, 13, 4}},  // leadscrew
    {6, {3, 3, 11, 3, 14, 10, 19, 20, 11, 21, 13}},      // rack-pinion
    {7, {19, 13, 20, 20, 3, 3, 14, 5}},                  // rotary table
    {9, {3, 3, 3, 14, 20, 3, 3, 3, 14, 11, 12}},         // nip roll
    {61, {3, 3, 3, 14, 20, 3, 3, 3, 14, 11, 12}},        // centre-driven winder
    {62, {3, 3, 3, 14, 20, 3, 3, 3, 14, 11, 12}},        // surface-driven winder
    {10, {5, 12, 12, 13, 17, 11, 13, 20, 13}},           // motors
    {11, {5, 12, 12, 13, 17, 11, 13, 20, 13}},
    {12, {5, 12, 12, 13, 17, 11, 13, 20, 13}},
    {13, {5, 12, 12, 13, 17, 11, 13, 20, 13}},
    {14, {5, 12, 12, 13, 17, 11, 13, 20, 13}},
    {15, {5, 12, 12, 13, 17, 11, 13, 20, 13}},
    {20, {11}},                                          // weight only
    {21, {3, 3, 14}},                                    // solid cylinder
    {22, {3, 3, 3, 14}},                                 // hollow cylinder
    {23, {3, 3, 3, 14}},                                 // solid rectangular
    {30, {4, 4, 22, 7, 1, 20}},                          // profile segment
    {40, {4, 22, 1, 22, 22, 22}},                        // quick setup
};

std::map<int, std::vector<SetupRow>> SetupByKey()
{
    std::map<int, std::vector<SetupRow>> byKey;
    for (const auto& row : Tables().setup)
        byKey[row.key].push_back(row);
    return byKey;
}

} // namespace

TEST(ReferenceData, ParameterSetupListsEveryOwnersParametersInEntryOrder)
{
    int previous = 0;
    for (const auto& row : Tables().setup) {
        EXPECT_GT(row.index, previous) << "Index values must be distinct";
        previous = row.index;
    }
    auto byKey = SetupByKey();
    for (const auto& [key, types] : kSetupTypes) {
        std::vector<int> actual;
        for (const auto& row : byKey[key])
            actual.push_back(row.type);
        EXPECT_EQ(actual, types) << "key " << key;
    }
    for (const auto& [key, rows] : byKey)
        EXPECT_TRUE(kSetupTypes.count(key)) << "unexpected key " << key;

    // The rows are read in stored order too: the Index order must be it.
    Database d;
    Query order(d.db, "SELECT count(*) FROM ParameterSetup a JOIN ParameterSetup b "
                      "ON a.rowid < b.rowid AND a.\"Index\" >= b.\"Index\"");
    ASSERT_TRUE(order.Next());
    EXPECT_EQ(order.Int(0), 0);
}

TEST(ReferenceData, EveryParameterTypeHasDisplayUnitsInBothSystems)
{
    std::set<int> used;
    for (const auto& row : Tables().setup)
        used.insert(row.type);
    std::map<std::pair<int, std::string>, int> defaults;
    for (const auto& u : ActiveUnits())
        if (u.isDefault != 0)
            defaults[{u.type, u.cls}] = u.id;
    const std::map<int, std::vector<int>> fixedDisplay = {
        {1, {1}}, {4, {11}}, {7, {27}}, {14, {63, 62}}, {19, {74}}, {20, {75}}, {21, {76}}};
    for (int type : used) {
        if (fixedDisplay.count(type)) {
            for (int id : fixedDisplay.at(type))
                EXPECT_EQ(FindUnit(id)->active, -1) << "type " << type;
        } else if (type == 2 || type == 5 || type == 8 || type == 22) {
            EXPECT_TRUE(defaults.count({type, "NA"})) << "type " << type;
        } else {
            EXPECT_TRUE(defaults.count({type, "EE"})) << "type " << type;
            EXPECT_TRUE(defaults.count({type, "M"})) << "type " << type;
        }
        // The parameter control table has no handling for 15, 16 and 18.
        EXPECT_TRUE(type >= 1 && type <= 22 && type != 15 && type != 16 && type != 18)
            << "type " << type;
    }
    EXPECT_EQ(FindUnit(62)->cls, "M");
    EXPECT_EQ(FindUnit(63)->cls, "EE");
}

TEST(ReferenceData, RequiredParametersAndReferenceListsFitTheirRows)
{
    auto byKey = SetupByKey();
    for (const auto& row : Tables().setup)
        EXPECT_TRUE(row.status >= 0 && row.status <= 3) << "key " << row.key;

    // Without these the result would be silently zero or wrong: the
    // efficiencies, ratios, pitch/lead, the diameters that set the travel, the
    // ratio or the torque arm, and the lengths the travel warnings test.
    const std::pair<int, int> required[] = {
        {0, 0},  {0, 4},  {0, 5},  {0, 10},  // belt-pulley: diameters, count, efficiency
        {1, 0},  {1, 7},                     // conveyor: drive pulley, efficiency
        {2, 0},  {3, 0},                     // coupling, disk: outer diameter
        {4, 0},  {4, 2},                     // gearbox: efficiency, ratio
        {5, 0},  {5, 1},  {5, 2},  {5, 3},  {5, 4},  // leadscrew
        {6, 0},  {6, 3},  {6, 5},  {6, 6},   // rack-pinion
        {7, 0},  {7, 2},  {7, 4},            // rotary table
        {9, 0},  {61, 0}, {62, 0}, {62, 5},  // rollers that set travel and torque
    };
    for (const auto& [key, entry] : required) {
        ASSERT_LT(static_cast<size_t>(entry), byKey[key].size()) << key;
        EXPECT_EQ(byKey[key][entry].status, 0) << "key " << key << " entry " << entry;
    }
    // Every efficiency and pitch/lead is required wherever it stands.
    for (const auto& row : Tables().setup)
        if (row.type == 19 || row.type == 10) {
            EXPECT_EQ(row.status, 0) << "key " << row.key;
        }

    // The rows that offer a reference list hold the quantity of that list:
    // friction coefficients (20), densities (14), efficiencies (19).
    struct ListRow { int key; int entry; int type; };
    const ListRow lists[] = {
        {0, 3, 14}, {0, 8, 14}, {0, 10, 19}, {1, 6, 20}, {1, 7, 19}, {2, 4, 14},
        {3, 3, 14}, {4, 0, 19}, {5, 5, 20},  {5, 2, 14}, {5, 4, 19}, {6, 7, 20},
        {6, 4, 14}, {6, 6, 19}, {7, 3, 20},  {7, 6, 14}, {7, 0, 19}, {9, 3, 14},
        {9, 8, 14}, {61, 3, 14}, {61, 8, 14}, {62, 3, 14}, {62, 8, 14},
        {21, 2, 14}, {22, 3, 14}, {23, 3, 14}};
    for (const auto& l : lists) {
        ASSERT_LT(static_cast<size_t>(l.entry), byKey[l.key].size()) << l.key;
        EXPECT_EQ(byKey[l.key][l.entry].type, l.type) << "key " << l.key << " entry " << l.entry;
    }
}

TEST(ReferenceData, ParameterNamesAreInTheStringTable)
{
    for (const auto& [key, rows] : SetupByKey()) {
        std::set<int> names;
        for (size_t entry = 0; entry < rows.size(); ++entry) {
            const int id = rows[entry].textId;
            const std::string where = "key " + std::to_string(key) + " entry " +
                                      std::to_string(entry) + " text " + std::to_string(id);
            const char* english = platform::FindResourceString(id);
            const char* german = platform::FindResourceString(id + 1000);
            EXPECT_TRUE(id > 0 && english && *english) << where;
            EXPECT_TRUE(id > 0 && german && *german) << where;
            EXPECT_TRUE(names.insert(id).second) << "two parameters named alike, " << where;
        }
    }
}

TEST(ReferenceData, FunctionalitySettingsHaveOneRowWithEverySwitchOn)
{
    ASSERT_EQ(Tables().switches.size(), 1u);
    EXPECT_EQ(Tables().switches[0], (std::vector<int>{-1, -1, -1, -1}));
}
