#include "foundation/basMaterialLists.h"

#include "platform/core/Database.h"
#include "tests/support/TestAppFolder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <strings.h>

namespace {

// A grid that remembers what was written into it.
class FakeGrid : public ReferenceListGrid {
public:
    void SetRowCount(int rows) override { rows_ = rows; }
    void SetCellText(int row, int column, const std::string& text) override { cells_[{row, column}] = text; }
    std::string Cell(int row, int column) const
    {
        const auto found = cells_.find({row, column});
        return found == cells_.end() ? "" : found->second;
    }
    int rows_ = -1;  // never set
    std::map<std::pair<int, int>, std::string> cells_;
};

double Number(const std::string& text)
{
    double value = NAN;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : NAN;
}

using Filler = int16_t (*)(ReferenceListGrid&);

class MaterialListsTest : public ::testing::Test {
protected:
    // Replaces the materials database of the private application folder.
    void UseDatabase(const std::string& sql)
    {
        const std::string path = folder_.file(kMaterialsDbName);
        std::ofstream(path, std::ios::binary | std::ios::trunc).close();
        platform::Database db;
        ASSERT_TRUE(db.Open(path, platform::OpenMode::ReadWrite));
        ASSERT_TRUE(db.Execute(sql)) << db.Error().description;
    }

    testing_support::TestAppFolder folder_;
};

// The shipped lists: sorted, and each value held so that the window's pick
// (characters 2 to 5 of a coefficient, 2 to 4 of an efficiency, the whole
// density) gives the whole number.
TEST_F(MaterialListsTest, ShippedListsAreSortedAndPickable)
{
    struct List { Filler fill; int columns; };
    for (const List& list : {List{nFctFillCoefficientGrid, 2}, List{nFctFillDensityGrid, 3},
                             List{nFctFillEfficiencyGrid, 2}}) {
        FakeGrid grid;
        ASSERT_EQ(list.fill(grid), -1);
        ASSERT_GE(grid.rows_, 10);
        for (int row = 1; row < grid.rows_; ++row) {
            for (int column = 0; column < list.columns; ++column)
                EXPECT_FALSE(grid.Cell(row, column).empty()) << row << "," << column;
            if (row > 1) {
                EXPECT_LT(strcasecmp(grid.Cell(row - 1, 0).c_str(), grid.Cell(row, 0).c_str()), 0);
            }
        }
    }

    FakeGrid coefficients;
    nFctFillCoefficientGrid(coefficients);
    for (int row = 1; row < coefficients.rows_; ++row) {
        const std::string text = coefficients.Cell(row, 1);
        const double picked = Number(text.substr(1, 4));
        EXPECT_EQ(text.substr(1), text.substr(1, 4)) << text;  // nothing cut off
        EXPECT_GT(picked, 0.0) << text;
        EXPECT_LT(picked, 2.0) << text;
    }

    FakeGrid efficiencies;
    nFctFillEfficiencyGrid(efficiencies);
    for (int row = 1; row < efficiencies.rows_; ++row) {
        const std::string text = efficiencies.Cell(row, 1);
        const double picked = Number(text.substr(1, 3));
        EXPECT_EQ(text.substr(1), text.substr(1, 3)) << text;
        EXPECT_GT(picked, 0.0) << text;
        EXPECT_LE(picked, 100.0) << text;
    }

    // 1 g/cm³ = 16.387064 cm³/in³ / 453.59237 g/lb = 0.0361273 lb/in³; the
    // English figure is rounded to four decimals.
    FakeGrid densities;
    nFctFillDensityGrid(densities);
    std::map<std::string, std::pair<double, double>> byName;
    for (int row = 1; row < densities.rows_; ++row) {
        const double metric = Number(densities.Cell(row, 1));
        const double english = Number(densities.Cell(row, 2));
        EXPECT_NEAR(english, metric * 16.387064 / 453.59237, 0.00005 + 1e-12) << densities.Cell(row, 0);
        byName[densities.Cell(row, 0)] = {metric, english};
    }
    // Spot checks against handbook figures: steel 7.85 g/cm³ = 0.2836 lb/in³,
    // aluminium 2.70 g/cm³ = 0.0975 lb/in³.
    EXPECT_EQ(byName["Steel"], std::make_pair(7.85, 0.2836));
    EXPECT_EQ(byName["Aluminium"], std::make_pair(2.7, 0.0975));
}

TEST_F(MaterialListsTest, RowsComeSortedWithNullCellsLeftAsTheyWere)
{
    UseDatabase("CREATE TABLE Coefficient (Materials TEXT COLLATE NOCASE, Coefficient TEXT);"
                "INSERT INTO Coefficient VALUES ('steel - steel', ' 0.57'), ('Brass - Steel', ' 0.44'),"
                " ('aluminium - steel', ' 0.47');"
                "CREATE TABLE Density (Material TEXT, MetricNumber DOUBLE, EENumber DOUBLE);"
                "INSERT INTO Density VALUES ('Copper', 8.96, NULL), ('Steel', 7.85, 0.2836);");
    FakeGrid grid;
    ASSERT_EQ(nFctFillCoefficientGrid(grid), -1);
    EXPECT_EQ(grid.rows_, 4);
    EXPECT_EQ(grid.Cell(1, 0), "aluminium - steel");
    EXPECT_EQ(grid.Cell(2, 0), "Brass - Steel");
    EXPECT_EQ(grid.Cell(3, 0), "steel - steel");
    EXPECT_EQ(grid.Cell(3, 1), " 0.57");

    FakeGrid densities;
    densities.SetCellText(1, 2, "previous");
    ASSERT_EQ(nFctFillDensityGrid(densities), -1);
    EXPECT_EQ(densities.rows_, 3);
    EXPECT_EQ(densities.Cell(1, 0), "Copper");
    EXPECT_EQ(densities.Cell(1, 1), "8.96");
    EXPECT_EQ(densities.Cell(1, 2), "previous");
    EXPECT_EQ(densities.Cell(2, 1), "7.85");
    EXPECT_EQ(densities.Cell(2, 2), "0.2836");
}

TEST_F(MaterialListsTest, FailuresGiveFalseWithoutTouchingMore)
{
    UseDatabase("CREATE TABLE Efficiency (Mechanism TEXT, Efficiency TEXT);"  // empty
                "CREATE TABLE Coefficient (Materials TEXT, Other TEXT);"      // column missing
                "INSERT INTO Coefficient VALUES ('B', 'x'), ('A', 'y');");
    FakeGrid empty;
    EXPECT_EQ(nFctFillEfficiencyGrid(empty), 0);
    EXPECT_EQ(empty.rows_, -1);
    EXPECT_TRUE(empty.cells_.empty());

    FakeGrid partial;
    EXPECT_EQ(nFctFillCoefficientGrid(partial), 0);
    EXPECT_EQ(partial.Cell(1, 0), "A");  // written before the missing column
    EXPECT_EQ(partial.cells_.size(), 1u);

    FakeGrid noTable;
    EXPECT_EQ(nFctFillDensityGrid(noTable), 0);
    EXPECT_TRUE(noTable.cells_.empty());

    std::remove(folder_.file(kMaterialsDbName).c_str());
    FakeGrid missing;
    EXPECT_EQ(nFctFillCoefficientGrid(missing), 0);
    EXPECT_EQ(missing.rows_, -1);
}

} // namespace
