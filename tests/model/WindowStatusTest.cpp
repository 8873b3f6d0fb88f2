#include "AxisDataFixture.h"

namespace model_test {
namespace {

using WindowStatus = AxisModelTest;

// The entries of the list (without the spare).
std::vector<std::tuple<int16_t, int16_t, int16_t>> Entries()
{
    std::vector<std::tuple<int16_t, int16_t, int16_t>> entries;
    for (size_t i = 0; i + 1 < gWindowStatus.size(); ++i)
        entries.emplace_back(gWindowStatus[i].AxisNumber, gWindowStatus[i].FormNumber, gWindowStatus[i].Status);
    return entries;
}

using Rows = std::vector<std::tuple<int16_t, int16_t, int16_t>>;

Rows AsTuples(const std::vector<WindowStatusRow>& rows)
{
    Rows tuples;
    for (const WindowStatusRow& r : rows) tuples.emplace_back(r.AxisNumber, r.FormNumber, r.Status);
    return tuples;
}

TEST_F(WindowStatus, SettingTheSameStateTwiceAddsOneEntryAndChangesOnce)
{
    EXPECT_EQ(gWindowStatus.size(), 1u);  // only the spare
    SubSetWindowStatus(1, WindowKind::Profile, WindowState::Minimised, 0);
    EXPECT_EQ(gbWindowStatusChanged, -1);
    gbWindowStatusChanged = 0;
    SubSetWindowStatus(1, WindowKind::Profile, WindowState::Minimised, 0);
    EXPECT_EQ(gbWindowStatusChanged, 0);
    EXPECT_EQ(Entries(), (Rows{{1, 1, 1}}));
    EXPECT_EQ(gWindowStatus.size(), 2u);
    EXPECT_EQ(gWindowStatus.back().AxisNumber, 0);  // a zero spare

    SubSetWindowStatus(1, WindowKind::Profile, WindowState::Maximised, 0);
    EXPECT_EQ(gbWindowStatusChanged, -1);
    EXPECT_EQ(Entries(), (Rows{{1, 1, 2}}));
}

TEST_F(WindowStatus, SkipFlagChangesNothing)
{
    SubSetWindowStatus(1, WindowKind::Report, WindowState::Normal, -1);
    EXPECT_EQ(Entries(), Rows{});
    EXPECT_EQ(gbWindowStatusChanged, 0);
}

TEST_F(WindowStatus, RemovedEntryStaysAndANewOneIsAppended)
{
    SubSetWindowStatus(1, WindowKind::AxisDesign, WindowState::Normal, 0);
    SubSetWindowStatus(2, WindowKind::AxisDesign, WindowState::Normal, 0);
    gbWindowStatusChanged = 0;
    SubRemoveWindowStatus(3, WindowKind::AxisDesign);  // no such entry
    EXPECT_EQ(gbWindowStatusChanged, 0);
    SubRemoveWindowStatus(1, WindowKind::AxisDesign);
    EXPECT_EQ(gbWindowStatusChanged, -1);
    SubSetWindowStatus(1, WindowKind::AxisDesign, WindowState::Maximised, 0);
    EXPECT_EQ(Entries(), (Rows{{-1, 0, 0}, {2, 0, 0}, {1, 0, 2}}));

    const int16_t stored[] = {2, 1};
    EXPECT_EQ(AsTuples(WindowStatusRowsToWrite(stored)), (Rows{{1, 0, 0}, {2, 0, 2}}));

    SubClearWindowStatus();
    EXPECT_EQ(gWindowStatus.size(), 1u);
    EXPECT_EQ(gbWindowStatusChanged, 0);
}

TEST_F(WindowStatus, RowsToWriteMapEachEntryOnceAndLeaveTheListAlone)
{
    // Axes stored in array order with in-memory IDs 3 and 1 become 1 and 2:
    // an entry of axis 3 must not become 1 and then 2.
    SubSetWindowStatus(3, WindowKind::AxisDesign, WindowState::Normal, 0);
    SubSetWindowStatus(1, WindowKind::Profile, WindowState::Minimised, 0);
    SubSetWindowStatus(3, WindowKind::Report, WindowState::Maximised, 0);
    SubSetWindowStatus(2, WindowKind::Report, WindowState::Normal, 0);  // not a stored axis
    const Rows live = Entries();

    const int16_t stored[] = {3, 1};
    EXPECT_EQ(AsTuples(WindowStatusRowsToWrite(stored)),
              (Rows{{1, 0, 0}, {2, 1, 1}, {1, 2, 2}, {2, 2, 0}}));
    EXPECT_EQ(Entries(), live);

    SubRemoveWindowStatus(3, WindowKind::AxisDesign);
    SubRemoveWindowStatus(1, WindowKind::Profile);
    SubRemoveWindowStatus(3, WindowKind::Report);
    SubRemoveWindowStatus(2, WindowKind::Report);
    EXPECT_TRUE(WindowStatusRowsToWrite(stored).empty());  // all removed: no rows
}

TEST_F(WindowStatus, ReadingAppendsRowsAndClearsTheChangedFlag)
{
    SubSetWindowStatus(1, WindowKind::AxisDesign, WindowState::Normal, 0);
    SubClearWindowStatus();
    SubReadWindowStatusRows({});  // an empty table
    EXPECT_EQ(Entries(), Rows{});
    EXPECT_EQ(gbWindowStatusChanged, 0);

    gbWindowStatusChanged = -1;
    const WindowStatusRow rows[] = {{1, 0, 2}, {1, 1, 0}, {2, 2, 1}};
    SubReadWindowStatusRows(rows);
    EXPECT_EQ(Entries(), (Rows{{1, 0, 2}, {1, 1, 0}, {2, 2, 1}}));
    EXPECT_EQ(gbWindowStatusChanged, 0);
    EXPECT_EQ(gWindowStatus.size(), 4u);
}

} // namespace
} // namespace model_test
