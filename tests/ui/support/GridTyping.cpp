#include "tests/ui/support/GridTyping.h"

#include "platform/qt/FlexGrid.h"

#include <QComboBox>
#include <QTest>

namespace testing_support {

void ClickCell(platform::FlexGrid* grid, int row, int col)
{
    const QModelIndex index = grid->model()->index(grid->QtRow(row), col);
    grid->scrollTo(index);
    // On the part of the cell in sight: a small grid (a large scale) may
    // show the cell scrolled to only in part.
    const QRect inSight = grid->visualRect(index) & grid->viewport()->rect();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, inSight.center());
}

bool TypeIntoCell(platform::FlexGrid* grid, int row, int col, const QString& keys)
{
    ClickCell(grid, row, col);
    if (!grid->IsEditing())
        return false;
    QTest::keyClicks(grid->Editor(), keys);
    QTest::keyClick(grid->Editor(), Qt::Key_Return);
    return true;
}

bool PickFromCellList(platform::FlexGrid* grid, int row, int col, const QString& text)
{
    ClickCell(grid, row, col);
    auto* list = qobject_cast<QComboBox*>(grid->Editor());
    if (!list)
        return false;
    const int index = list->findText(text);
    if (index < 0)
        return false;
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
        QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    return true;
}

} // namespace testing_support
