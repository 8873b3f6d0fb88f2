#include "platform/qt/ReferenceListAdapter.h"

#include "foundation/basGlobalFunctionsNumbers.h"
#include "platform/qt/FlexGrid.h"

namespace platform {

void ReferenceListAdapter::SetRowCount(int rows)
{
    grid_->SetRows(rows);
}

void ReferenceListAdapter::SetCellText(int row, int column, const std::string& text)
{
    // Column 0 names a material or mechanism; the others hold figures, which
    // show with the session's decimal mark as every number on the screen.
    const std::string shown = column > 0 ? sFctWithSessionDecimalMark(text) : text;
    grid_->SetTextMatrix(row, column, QString::fromStdString(shown));
}

} // namespace platform
