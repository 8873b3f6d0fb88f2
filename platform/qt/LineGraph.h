#pragma once
#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

namespace platform {

// What a line graph shows: one data set of points joined by straight lines
// (x = time), the titles of the two axes, the value range and the spacing of
// the time axis's ticks and labels.
struct GraphData {
    std::vector<QPointF> points;
    QString valueTitle;
    QString timeTitle;
    // The value axis runs from -lowerExtent to upper; both are never below 0,
    // so the range always holds the zero line.
    double upper = 0.0;
    double lowerExtent = 0.0;
    // Time between two ticks and between two labels of the time axis.
    double tickSpacing = 1.0;
    double labelSpacing = 1.0;
    // The decimal separator of the tick labels.
    QString decimalSeparator = ".";
};

// A line graph painted from a GraphData: axes with their titles, tick
// labels, the zero line and the points joined in order. An empty data set
// shows the axes and titles only.
class LineGraph : public QWidget {
    Q_OBJECT
public:
    explicit LineGraph(QWidget* parent = nullptr);

    void SetData(const GraphData& data);
    const GraphData& Data() const { return data_; }

    QSize minimumSizeHint() const override { return {150, 80}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GraphData data_;
};

} // namespace platform
