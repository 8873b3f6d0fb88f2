#include "foundation/basMaterialLists.h"

#include "foundation/basAppPaths.h"
#include "foundation/basUnitSystem.h"
#include "platform/core/Database.h"

#include <initializer_list>

namespace {

// Writes the rows of a sorted query into the grid: the procedure shared by
// the three lists.
int16_t FillGrid(ReferenceListGrid& grid, const char* query, std::initializer_list<const char*> columns)
{
    platform::Database db;
    platform::Recordset rs;
    if (!db.Open(gsAppPath + kMaterialsDbName, platform::OpenMode::ReadOnly) || !db.OpenQuery(query, rs) ||
        !rs.MoveFirst())
        return 0;  // an empty table fails at the move to the first row

    const int count = rs.RecordCount();
    grid.SetRowCount(count + 1);
    for (int row = 1; row <= count; ++row, rs.MoveNext()) {
        int column = 0;
        for (const char* name : columns) {
            std::string text;
            if (rs.GetText(name, text))
                grid.SetCellText(row, column, text);
            else if (rs.Error().number != platform::kDbInvalidUseOfNull)
                return 0;
            ++column;
        }
    }
    return -1;
}

} // namespace

int16_t nFctFillCoefficientGrid(ReferenceListGrid& grid)
{
    return FillGrid(grid, "SELECT * FROM Coefficient ORDER BY [Materials]", {"Materials", "Coefficient"});
}

int16_t nFctFillDensityGrid(ReferenceListGrid& grid)
{
    return FillGrid(grid, "SELECT * FROM Density ORDER BY [Material]", {"Material", "MetricNumber", "EENumber"});
}

int16_t nFctFillEfficiencyGrid(ReferenceListGrid& grid)
{
    return FillGrid(grid, "SELECT * FROM Efficiency ORDER BY [Mechanism]", {"Mechanism", "Efficiency"});
}

int nFctDensityListColumn(int16_t unitSystem)
{
    return unitSystem != 0 ? 1 : 2;
}

int16_t nFctDensityListUnit(int16_t unitSystem)
{
    constexpr int16_t kDensityType = 14;
    constexpr int16_t kDefaultUnit = -1;
    return nFctFindUnit(kDensityType, kDefaultUnit, unitSystem != 0 ? "M" : "EE");
}
