#pragma once
#include "foundation/basMaterialLists.h"

namespace platform {

class FlexGrid;

// A reference-list grid as the materials-list fillers write it: grid rows
// as the fillers count them (row 0 the header, rows 1 and below the data),
// figures with the session's decimal mark.
class ReferenceListAdapter : public ReferenceListGrid {
public:
    explicit ReferenceListAdapter(FlexGrid* grid) : grid_(grid) {}
    void SetRowCount(int rows) override;
    void SetCellText(int row, int column, const std::string& text) override;

private:
    FlexGrid* grid_;
};

} // namespace platform
