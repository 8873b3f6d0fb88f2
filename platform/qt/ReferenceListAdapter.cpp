#include "platform/qt/ReferenceListAdapter.h"

#include "platform/qt/FlexGrid.h"

namespace platform {

void ReferenceListAdapter::SetRowCount(int rows)
{
    grid_->SetRows(rows);
}

void ReferenceListAdapter::SetCellText(int row, int column, const std::string& text)
{
    grid_->SetTextMatrix(row, column, QString::fromStdString(text));
}

} // namespace platform
