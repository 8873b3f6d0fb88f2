#pragma once
#include <QTableWidget>

namespace platform {

// The grid of the parameter, reference-list, quick-setup and segment tables.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    using QTableWidget::QTableWidget;
};

} // namespace platform
