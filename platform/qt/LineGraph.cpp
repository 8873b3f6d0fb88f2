#include "platform/qt/LineGraph.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

// A step of 1, 2 or 5 times a power of ten that divides span into about
// `count` parts.
double NiceStep(double span, int count)
{
    if (!(span > 0.0))
        return 1.0;
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10.0 * power;
}

QString Label(double value, const QString& separator)
{
    if (std::fabs(value) < 1e-9)
        value = 0.0;
    QString text = QString::number(value, 'g', 5);
    text.replace('.', separator);
    return text;
}

// The x of time t on a plot whose time axis runs from 0 to end.
double XOnPlot(const QRect& plot, double end, double t)
{
    return plot.left() + t / end * plot.width();
}

} // namespace

double TimeAxisEnd(const GraphData& data)
{
    double end = 0.0;
    for (const QPointF& p : data.points)
        end = std::max(end, p.x());
    if (end > 0.0)
        return end;
    return data.tickSpacing > 0.0 ? data.tickSpacing : 1.0;
}

std::vector<TimeTick> TimeAxisTicks(const GraphData& data)
{
    const double tick = data.tickSpacing > 0.0 ? data.tickSpacing : 1.0;
    const double labelEvery = data.labelSpacing > 0.0 ? data.labelSpacing : tick;
    const double end = TimeAxisEnd(data);
    std::vector<TimeTick> ticks;
    for (int k = 0; k * tick <= end + tick * 1e-6; ++k) {
        const double t = k * tick;
        const double labelIndex = t / labelEvery;
        ticks.push_back({t, std::fabs(labelIndex - std::round(labelIndex)) < 1e-6});
    }
    return ticks;
}

LineGraph::LineGraph(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void LineGraph::SetData(const GraphData& data)
{
    data_ = data;
    update();
    // The partners' left edge or time axis may follow this data.
    for (LineGraph* partner : timePartners_)
        if (partner)
            partner->update();
}

void LineGraph::ShareTimeAxis(const std::vector<LineGraph*>& graphs)
{
    for (LineGraph* graph : graphs) {
        for (LineGraph* other : graphs)
            if (other != graph)
                graph->timePartners_.emplace_back(other);
        graph->update();
    }
}

LineGraph::ValueScale LineGraph::OwnValueScale() const
{
    const QFontMetrics metrics = fontMetrics();
    // The value range and its ticks; an empty range shows 0 to 1.
    ValueScale scale;
    scale.top = data_.upper;
    scale.bottom = -data_.lowerExtent;
    if (!(scale.top > scale.bottom))
        scale.top = scale.bottom + 1.0;
    // A margin above and below the data, so that no line runs along the frame.
    const double margin = 0.05 * (scale.top - scale.bottom);
    if (scale.top > 0.0)
        scale.top += margin;
    if (scale.bottom < 0.0)
        scale.bottom -= margin;
    const double step = NiceStep(scale.top - scale.bottom, std::max(2, height() / (3 * metrics.height())));
    const double firstTick = std::ceil(scale.bottom / step - 1e-9) * step;
    for (double v = firstTick; v <= scale.top + step * 1e-6; v += step) {
        scale.ticks.push_back(v);
        scale.labelWidth = std::max(scale.labelWidth, metrics.horizontalAdvance(Label(v, data_.decimalSeparator)));
    }
    return scale;
}

int LineGraph::OwnLeftMargin() const
{
    return fontMetrics().height() + OwnValueScale().labelWidth + 8;
}

QRect LineGraph::PlotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    int left = OwnLeftMargin();
    for (const LineGraph* partner : timePartners_)
        if (partner)
            left = std::max(left, partner->OwnLeftMargin());
    return QRect(left, lineHeight / 2 + 2, width() - left - metrics.horizontalAdvance("000"),
                 height() - lineHeight / 2 - 2 - 2 * lineHeight - 6);
}

const GraphData& LineGraph::TimeAxisData() const
{
    const GraphData* chosen = &data_;
    double reach = data_.points.empty() ? 0.0 : TimeAxisEnd(data_);
    for (const LineGraph* partner : timePartners_) {
        if (!partner || partner->data_.points.empty())
            continue;
        const double end = TimeAxisEnd(partner->data_);
        if (end > reach) {
            chosen = &partner->data_;
            reach = end;
        }
    }
    return *chosen;
}

double LineGraph::TimeX(double time) const
{
    return XOnPlot(PlotArea(), TimeAxisEnd(TimeAxisData()), time);
}

void LineGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    const ValueScale scale = OwnValueScale();
    const QRect plot = PlotArea();
    if (plot.width() < 10 || plot.height() < 10)
        return;
    const GraphData& timeAxis = TimeAxisData();
    const double endTime = TimeAxisEnd(timeAxis);
    auto xOf = [&](double t) { return XOnPlot(plot, endTime, t); };
    auto yOf = [&](double v) {
        return plot.bottom() - (v - scale.bottom) / (scale.top - scale.bottom) * plot.height();
    };

    painter.setPen(QPen(palette().color(QPalette::Mid), 0));
    painter.drawRect(plot);

    // Value axis: ticks, labels right-aligned beside the plot, grid lines.
    painter.setPen(palette().color(QPalette::WindowText));
    for (double v : scale.ticks) {
        const double y = yOf(v);
        painter.setPen(QPen(QColor(225, 225, 225), 0));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(plot.left() - 8 - scale.labelWidth, y - lineHeight / 2.0, scale.labelWidth + 2,
                                lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, Label(v, data_.decimalSeparator));
    }

    // Time axis: its ticks, a label where it asks for one; on a plot too
    // narrow for all of them a label that would touch the one before it is
    // left out.
    const int labelGap = metrics.horizontalAdvance(' ');
    double labelsEnd = -std::numeric_limits<double>::infinity();
    for (const TimeTick& tick : TimeAxisTicks(timeAxis)) {
        const double x = xOf(tick.time);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        if (!tick.labelled)
            continue;
        const QString text = Label(tick.time, data_.decimalSeparator);
        const double halfWidth = metrics.horizontalAdvance(text) / 2.0;
        if (x - halfWidth < labelsEnd + labelGap)
            continue;
        painter.drawText(QRectF(x - 40, plot.bottom() + 4, 80, lineHeight), Qt::AlignHCenter | Qt::AlignTop, text);
        labelsEnd = x + halfWidth;
    }

    // Titles: time below the axis, value turned along the value axis.
    painter.drawText(QRect(plot.left(), plot.bottom() + 4 + lineHeight, plot.width(), lineHeight),
                     Qt::AlignHCenter | Qt::AlignTop, data_.timeTitle);
    painter.save();
    painter.translate(0, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, 0, plot.height(), lineHeight), Qt::AlignCenter, data_.valueTitle);
    painter.restore();

    // The zero line.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(QPointF(plot.left(), yOf(0.0)), QPointF(plot.right(), yOf(0.0)));

    // The data set.
    if (data_.points.size() >= 2) {
        QPainterPath path(QPointF(xOf(data_.points.front().x()), yOf(data_.points.front().y())));
        for (size_t k = 1; k < data_.points.size(); ++k)
            path.lineTo(xOf(data_.points[k].x()), yOf(data_.points[k].y()));
        painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
        painter.setPen(QPen(QColor(0, 0, 160), 2));
        painter.drawPath(path);
    }
}

} // namespace platform
