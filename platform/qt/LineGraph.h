#pragma once
#include <QPointF>
#include <QPointer>
#include <QRect>
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

// One tick of the time axis.
struct TimeTick {
    double time = 0.0;
    bool labelled = false;
};

// The end of the time axis: the time of the latest point, so that the axis
// spans the data; one tick spacing for a graph without points.
double TimeAxisEnd(const GraphData& data);

// The ticks of the time axis from 0 to its end, one every tickSpacing; those
// at a multiple of labelSpacing carry a label.
std::vector<TimeTick> TimeAxisTicks(const GraphData& data);

// A line graph painted from a GraphData: axes with their titles, tick
// labels, the zero line and the points joined in order. An empty data set
// shows the axes and titles only.
class LineGraph : public QWidget {
    Q_OBJECT
public:
    explicit LineGraph(QWidget* parent = nullptr);

    void SetData(const GraphData& data);
    const GraphData& Data() const { return data_; }

    // Gives graphs of one width, shown one above the other, one time axis:
    // each plot starts right of the widest value labels among them, and all
    // take the time axis of the one whose data reach furthest in time (the
    // own one when none has points), so that t = 0 and every tick stand at
    // the same x in all of them.
    static void ShareTimeAxis(const std::vector<LineGraph*>& graphs);

    // The plot area inside the axes, in the widget's coordinates, and the x
    // of a time on it.
    QRect PlotArea() const;
    double TimeX(double time) const;

    QSize minimumSizeHint() const override { return {150, 80}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The value axis as this graph's own data and height ask for it.
    struct ValueScale {
        double top = 1.0;
        double bottom = 0.0;
        std::vector<double> ticks;
        int labelWidth = 0;
    };
    ValueScale OwnValueScale() const;
    // Room left of the plot for the value title, labels and ticks.
    int OwnLeftMargin() const;
    // The data whose time axis this graph shows.
    const GraphData& TimeAxisData() const;

    GraphData data_;
    std::vector<QPointer<LineGraph>> timePartners_;
};

} // namespace platform
