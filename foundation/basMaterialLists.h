#pragma once
#include <cstdint>
#include <string>

// The reference lists of the axis design window: friction coefficients of
// material pairs, densities and mechanism efficiencies, read from the
// materials database APPDATA.MDB in the application folder into a grid.
// The database is opened and closed inside each call; nothing is kept.

inline constexpr const char* kMaterialsDbName = "APPDATA.MDB";

// The grid a list is written into, as the fillers need it. The owner sets
// its columns and its header row 0; the fillers set the number of rows
// (header included) and the cells of rows 1 and below. The window shows the
// busy pointer around a fill.
class ReferenceListGrid {
public:
    virtual ~ReferenceListGrid() = default;
    virtual void SetRowCount(int rows) = 0;
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
};

// Each fills the grid with one row per record, sorted by the name column:
//   coefficients: Materials, Coefficient
//   densities:    Material, MetricNumber (g/cm³), EENumber (lb/in³)
//   efficiencies: Mechanism, Efficiency
// into grid columns 0, 1 (, 2). A Null value leaves its cell as it was.
// Returns True (-1) when rows were written; False (0), without a message,
// when the database is missing or unreadable, a table or column is missing
// (cells already written stay) or the table is empty (the grid untouched).
int16_t nFctFillCoefficientGrid(ReferenceListGrid& grid);
int16_t nFctFillDensityGrid(ReferenceListGrid& grid);
int16_t nFctFillEfficiencyGrid(ReferenceListGrid& grid);

// The density list's column of a unit system (non-zero = metric) and the
// unit its figures are in: column 1 (MetricNumber) in the metric density
// unit, column 2 (EENumber) in the English-engineering one, each the density
// unit of its system flagged Default in the unit list (g/cm³, lb/in³); -1
// when the unit list has none.
int nFctDensityListColumn(int16_t unitSystem);
int16_t nFctDensityListUnit(int16_t unitSystem);
