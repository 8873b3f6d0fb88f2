#include "foundation/basDatabaseAccess.h"

#include <string_view>

#include "foundation/basAppPaths.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basTextResources.h"
#include "platform/core/Database.h"

std::vector<UnitListRow> gUnitList;
int16_t gnUnitListCount = 0;
std::vector<ConversionFactorRow> gConversionFactors;
int16_t gnConversionFactorCount = 0;
int16_t gbDynamicMenu = 0;
int16_t gbSafetyFactorsTab = 0;
int16_t gbReportOptionsTab = 0;
int16_t gbGraphOptionsTab = 0;
std::unique_ptr<platform::Database> gdbReference;

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// The numbers of the loaders' critical messages.
constexpr int16_t kOpenMessage = 1001;
constexpr int16_t kUnitListMessage = 1002;
constexpr int16_t kConversionMessage = 1004;
constexpr int16_t kFunctionalityMessage = 1012;

int16_t Fail(int16_t messageNumber, const platform::DbError& error)
{
    SubShowCriticalBox(messageNumber, error.number, error.description);
    return kFalse;
}

// Opens a table of the reference database; a database that is not open is a
// read error like any other.
bool OpenReferenceTable(const std::string& table, platform::Recordset& rs, platform::DbError& error)
{
    if (!gdbReference) {
        error = {platform::kDbNotOpen, "The reference database is not open."};
        return false;
    }
    if (gdbReference->OpenTable(table, rs))
        return true;
    error = gdbReference->Error();
    return false;
}

int16_t AsYesNo(bool value) { return value ? kTrue : kFalse; }

// Reads one Yes/No column of the current row as -1 / 0.
bool GetYesNo(platform::Recordset& rs, const std::string& column, int16_t& out)
{
    bool value = false;
    if (!rs.GetBool(column, value))
        return false;
    out = AsYesNo(value);
    return true;
}

bool ReadUnitRow(platform::Recordset& rs, UnitListRow& row)
{
    std::string text;
    if (!rs.GetInt16("ID", row.ID) || !rs.GetInt16("Type", row.Type) || !rs.GetText("Class", row.Class)
        || !rs.GetText("Text", text) || !GetYesNo(rs, "Default", row.Default)
        || !GetYesNo(rs, "BasicUnit", row.BasicUnit))
        return false;
    row.Text = sFctLocalizeUnitText(text);
    return true;
}

// The stored factor of a row: Factor divided by Divisor where the Divisor is
// given, 1 / Divisor for a Factor of 0, -1 kept as the mark of reciprocal
// units, 0 when neither is given.
double StoredFactor(double factor, double divisor)
{
    if (factor == -1.0)
        return -1.0;
    if (divisor == 0.0)
        return factor;
    if (factor == 0.0)
        return 1.0 / divisor;
    return factor / divisor;
}

} // namespace

int16_t bFctOpenReferenceDatabase()
{
    auto database = std::make_unique<platform::Database>();
    if (!database->Open(gsReferenceDbPath, platform::OpenMode::ReadOnly))
        return Fail(kOpenMessage, database->Error());
    gdbReference = std::move(database);
    return kTrue;
}

int16_t bFctReadUnitList()
{
    gUnitList.clear();
    gnUnitListCount = 0;

    platform::Recordset rs;
    platform::DbError error;
    if (!OpenReferenceTable("UnitList", rs, error))
        return Fail(kUnitListMessage, error);

    std::vector<UnitListRow> units;
    for (; !rs.Eof(); rs.MoveNext()) {
        bool active = false;
        if (!rs.GetBool("Active", active))
            return Fail(kUnitListMessage, rs.Error());
        if (!active)
            continue;
        UnitListRow row;
        if (!ReadUnitRow(rs, row))
            return Fail(kUnitListMessage, rs.Error());
        units.push_back(std::move(row));
    }
    if (units.empty())
        return Fail(kUnitListMessage,
                    {platform::kDbNoCurrentRecord, "The table UnitList holds no active unit."});

    gUnitList = std::move(units);
    gnUnitListCount = static_cast<int16_t>(gUnitList.size());
    return kTrue;
}

int16_t bFctReadConversionFactors()
{
    gConversionFactors.clear();
    gnConversionFactorCount = 0;

    platform::Recordset rs;
    platform::DbError error;
    if (!OpenReferenceTable("ConversionFactors", rs, error))
        return Fail(kConversionMessage, error);

    std::vector<ConversionFactorRow> factors;
    for (; !rs.Eof(); rs.MoveNext()) {
        ConversionFactorRow row;
        double factor = 0.0;
        double divisor = 0.0;
        if (!rs.GetInt16("From", row.From) || !rs.GetInt16("To", row.To)
            || !rs.GetDouble("Factor", factor) || !rs.GetDouble("Divisor", divisor))
            return Fail(kConversionMessage, rs.Error());
        row.Factor = StoredFactor(factor, divisor);
        factors.push_back(row);
    }
    if (factors.empty())
        return Fail(kConversionMessage,
                    {platform::kDbNoCurrentRecord, "The table ConversionFactors holds no row."});

    gConversionFactors = std::move(factors);
    gnConversionFactorCount = static_cast<int16_t>(gConversionFactors.size());
    return kTrue;
}

int16_t bFctReadFunctionalitySettings()
{
    platform::Recordset rs;
    platform::DbError error;
    if (!OpenReferenceTable("FunctionalitySettings", rs, error))
        return Fail(kFunctionalityMessage, error);

    int16_t dynamicMenu = 0, safetyFactors = 0, reportOptions = 0, graphOptions = 0;
    if (!rs.MoveFirst() || !GetYesNo(rs, "DynamicMenu", dynamicMenu)
        || !GetYesNo(rs, "SafetyFactors", safetyFactors) || !GetYesNo(rs, "ReportOptions", reportOptions)
        || !GetYesNo(rs, "GraphOptions", graphOptions))
        return Fail(kFunctionalityMessage, rs.Error());

    gbDynamicMenu = dynamicMenu;
    gbSafetyFactorsTab = safetyFactors;
    gbReportOptionsTab = reportOptions;
    gbGraphOptionsTab = graphOptions;
    return kTrue;
}

void SubCloseReferenceDatabase()
{
    if (gdbReference)
        gdbReference->Close();
    gdbReference.reset();
}

std::string sFctLocalizeUnitText(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    std::string result = first == std::string::npos
                             ? std::string()
                             : text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (gnLanguageOffset != 0)
        return result;

    const std::string_view view(result);
    if (view.starts_with("n/"))
        result = "rev/" + result.substr(2);
    else if (view.ends_with("/n"))
        result = result.substr(0, result.size() - 2) + "/rev";
    else if (result == "n")
        result = "rev";

    if (result == "rev/min")
        result = "rpm";
    return result;
}
