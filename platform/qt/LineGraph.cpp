#include "platform/qt/LineGraph.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

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

} // namespace

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
}

void LineGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height();

    // The value range and its ticks; an empty range shows 0 to 1.
    double top = data_.upper;
    double bottom = -data_.lowerExtent;
    if (!(top > bottom))
        top = bottom + 1.0;
    // A margin above and below the data, so that no line runs along the frame.
    const double margin = 0.05 * (top - bottom);
    if (top > 0.0)
        top += margin;
    if (bottom < 0.0)
        bottom -= margin;
    const double valueStep = NiceStep(top - bottom, std::max(2, height() / (3 * lineHeight)));
    const double firstValueTick = std::ceil(bottom / valueStep - 1e-9) * valueStep;

    // The time range: up to the last point, at least one tick.
    double endTime = data_.tickSpacing > 0.0 ? data_.tickSpacing : 1.0;
    for (const QPointF& p : data_.points)
        endTime = std::max(endTime, p.x());

    int labelWidth = metrics.horizontalAdvance(Label(top, data_.decimalSeparator));
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Label(bottom, data_.decimalSeparator)));
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Label(firstValueTick, data_.decimalSeparator)));
    const QRect plot(lineHeight + labelWidth + 8, lineHeight / 2 + 2,
                     width() - (lineHeight + labelWidth + 8) - metrics.horizontalAdvance("000") ,
                     height() - lineHeight / 2 - 2 - 2 * lineHeight - 6);
    if (plot.width() < 10 || plot.height() < 10)
        return;
    auto xOf = [&](double t) { return plot.left() + t / endTime * plot.width(); };
    auto yOf = [&](double v) { return plot.bottom() - (v - bottom) / (top - bottom) * plot.height(); };

    painter.setPen(QPen(palette().color(QPalette::Mid), 0));
    painter.drawRect(plot);

    // Value axis: ticks, labels and grid lines.
    painter.setPen(palette().color(QPalette::WindowText));
    for (double v = firstValueTick; v <= top + valueStep * 1e-6; v += valueStep) {
        const double y = yOf(v);
        painter.setPen(QPen(QColor(225, 225, 225), 0));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
        const QString text = Label(v, data_.decimalSeparator);
        painter.drawText(QRectF(lineHeight, y - lineHeight / 2.0, labelWidth + 2, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }

    // Time axis: a tick every tickSpacing, a label every labelSpacing.
    const double tick = data_.tickSpacing > 0.0 ? data_.tickSpacing : 1.0;
    const double labelEvery = data_.labelSpacing > 0.0 ? data_.labelSpacing : tick;
    for (int k = 0; k * tick <= endTime + tick * 1e-6; ++k) {
        const double t = k * tick;
        const double x = xOf(t);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        const double labelIndex = t / labelEvery;
        if (std::fabs(labelIndex - std::round(labelIndex)) < 1e-6)
            painter.drawText(QRectF(x - 40, plot.bottom() + 4, 80, lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                             Label(t, data_.decimalSeparator));
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
