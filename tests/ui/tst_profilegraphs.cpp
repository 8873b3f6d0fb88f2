// What the velocity profile window's graphs show, checked as numbers: the
// points, the value range, the titles, the spacing and ticks of the time
// axis; and two graphs that share their time axis, measured as painted.
#include "profile/frmProfileGraphs.h"

#include <QVBoxLayout>
#include <QtTest>

#include <set>

namespace {

using Points = std::vector<QPointF>;

bool SamePoints(const Points& actual, const Points& expected)
{
    if (actual.size() != expected.size())
        return false;
    for (size_t k = 0; k < actual.size(); ++k)
        if (std::fabs(actual[k].x() - expected[k].x()) > 1e-9 || std::fabs(actual[k].y() - expected[k].y()) > 1e-9)
            return false;
    return true;
}

QString Describe(const Points& points)
{
    QStringList parts;
    for (const QPointF& p : points)
        parts << QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
    return parts.join(' ');
}

std::vector<double> TickTimes(const platform::GraphData& data, bool labelledOnly)
{
    std::vector<double> times;
    for (const platform::TimeTick& tick : platform::TimeAxisTicks(data))
        if (tick.labelled || !labelledOnly)
            times.push_back(tick.time);
    return times;
}

bool SameTimes(const std::vector<double>& actual, const std::vector<double>& expected)
{
    if (actual.size() != expected.size())
        return false;
    for (size_t k = 0; k < actual.size(); ++k)
        if (std::fabs(actual[k] - expected[k]) > 1e-9)
            return false;
    return true;
}

// The columns, in the coordinates of `in`, where the graph painted a mark
// in the row just below its plot: the ticks of the time axis.
std::set<int> TickColumns(platform::LineGraph* graph, QWidget* in)
{
    // The picture has the screen's pixels, which a scaled screen makes
    // more than the widget's.
    const QImage picture = graph->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    const QRect plot = graph->PlotArea();
    const int row = plot.bottom() + 3;
    const int pictureRow = static_cast<int>(row * ratio);
    std::set<int> columns;
    for (int x = static_cast<int>((plot.left() - 2) * ratio); x <= static_cast<int>((plot.right() + 2) * ratio); ++x)
        if (qGray(picture.pixel(x, pictureRow)) < 250)
            columns.insert(graph->mapTo(in, QPoint(static_cast<int>(x / ratio), row)).x());
    return columns;
}

} // namespace

class ProfileGraphsTest : public QObject {
    Q_OBJECT
private slots:
    void timeAxisSpacing_data();
    void timeAxisSpacing();
    void timeAxisTicksOfAShortAndALongMove();
    void graphsSharingTheirTimeAxisPutEveryTickAtOneX();
    void velocityPointsAreTheSegmentEnds();
    void velocityRangeReachesBelowZeroForAReversingMove();
    void emptyProfilesGiveTitlesAndNoPoints();
    void torqueIsAStepLineOverTheUsedSegments();
    void torqueStepLineWithoutDurationEndsAtOne();
};

void ProfileGraphsTest::timeAxisSpacing_data()
{
    QTest::addColumn<double>("totalTime");
    QTest::addColumn<double>("spacing");
    // Under 1 s: the widest of 1, 2, 5 x 10^k that gives five labels (0
    // included): 0.05 s gives 0, 0.01, ..., 0.05 (0.02 would give three).
    QTest::newRow("0.05 s") << 0.05 << 0.01;
    QTest::newRow("0.15 s: 0.05 would give four") << 0.15 << 0.02;
    QTest::newRow("0.2 s") << 0.2 << 0.05;
    QTest::newRow("0.3 s") << 0.3 << 0.05;
    QTest::newRow("0.39 s: 0.1 would give four") << 0.39 << 0.05;
    QTest::newRow("0.4 s") << 0.4 << 0.1;
    QTest::newRow("8 ms") << 0.008 << 0.002;
    QTest::newRow("0.79 s: 0.2 would give four") << 0.79 << 0.1;
    QTest::newRow("0.8 s") << 0.8 << 0.2;
    QTest::newRow("0.95 s") << 0.95 << 0.2;
    QTest::newRow("no move") << 0.0 << 1.0;
    QTest::newRow("1 s") << 1.0 << 1.0;
    QTest::newRow("exactly 20 s") << 20.0 << 1.0;
    QTest::newRow("20.5 s: Int(2.05)") << 20.5 << 2.0;
    QTest::newRow("25 s: Int(2.5)") << 25.0 << 2.0;
    QTest::newRow("95 s: Int(9.5)") << 95.0 << 9.0;
}

void ProfileGraphsTest::timeAxisSpacing()
{
    QFETCH(double, totalTime);
    QFETCH(double, spacing);
    QCOMPARE(dFctTimeAxisSpacing(totalTime), spacing);
    // Both graphs take it from the total time of their segments.
    const platform::GraphData velocity = VelocityGraphData({{0, 5, totalTime / 2}, {5, 0, totalTime / 2}}, "rpm", "s");
    QCOMPARE(velocity.tickSpacing, spacing);
    QCOMPARE(velocity.labelSpacing, spacing);
    const platform::GraphData torque = TorqueGraphData({2.0}, {totalTime}, 1, "Nm", "s");
    QCOMPARE(torque.tickSpacing, spacing);
    QCOMPARE(torque.labelSpacing, spacing);
}

void ProfileGraphsTest::timeAxisTicksOfAShortAndALongMove()
{
    // 0.4 s (0.1 up, 0.2 steady, 0.1 down): the axis ends with the move, a
    // labelled tick every 0.1 s: 0, 0.1, 0.2, 0.3, 0.4.
    const platform::GraphData shortMove = VelocityGraphData({{0, 50, 0.1}, {50, 50, 0.2}, {50, 0, 0.1}}, "rpm", "s");
    QCOMPARE(platform::TimeAxisEnd(shortMove), 0.4);
    QVERIFY(SameTimes(TickTimes(shortMove, false), {0, 0.1, 0.2, 0.3, 0.4}));
    QVERIFY(SameTimes(TickTimes(shortMove, true), {0, 0.1, 0.2, 0.3, 0.4}));
    // The torque graph of the same move has the same axis.
    const platform::GraphData shortTorque = TorqueGraphData({2, 0, -2}, {0.1, 0.2, 0.1}, 3, "Nm", "s");
    QCOMPARE(platform::TimeAxisEnd(shortTorque), 0.4);
    QVERIFY(SameTimes(TickTimes(shortTorque, true), {0, 0.1, 0.2, 0.3, 0.4}));

    // Servo index moves of 50, 150 and 300 ms: at least five labelled
    // ticks each.
    const struct {
        double duration;
        std::vector<double> labels;
    } indexMoves[] = {{0.05, {0, 0.01, 0.02, 0.03, 0.04, 0.05}},
                      {0.15, {0, 0.02, 0.04, 0.06, 0.08, 0.1, 0.12, 0.14}},
                      {0.3, {0, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3}}};
    for (const auto& move : indexMoves) {
        const double ramp = move.duration / 2;
        const platform::GraphData data = VelocityGraphData({{0, 100, ramp}, {100, 0, ramp}}, "rpm", "s");
        QVERIFY2(SameTimes(TickTimes(data, true), move.labels), qPrintable(QString::number(move.duration)));
    }

    // 25 s (5 up, 15 steady, 5 down): Int(25 / 10) = 2, labelled ticks at
    // 0, 2, ..., 24, the axis ending at 25.
    const platform::GraphData longMove = VelocityGraphData({{0, 50, 5}, {50, 50, 15}, {50, 0, 5}}, "rpm", "s");
    QCOMPARE(platform::TimeAxisEnd(longMove), 25.0);
    QVERIFY(SameTimes(TickTimes(longMove, true), {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24}));

    // Without points the axis runs to one tick: 0 to 1.
    const platform::GraphData empty = VelocityGraphData({{0, 0, 0}}, "rpm", "s");
    QCOMPARE(platform::TimeAxisEnd(empty), 1.0);
    QVERIFY(SameTimes(TickTimes(empty, true), {0, 1}));
}

void ProfileGraphsTest::graphsSharingTheirTimeAxisPutEveryTickAtOneX()
{
    // A velocity of at most 5 beside torques of +-1234.5: the torque's value
    // labels are the wider ones.
    const platform::GraphData velocity = VelocityGraphData({{0, 5, 0.1}, {5, 5, 0.2}, {5, 0, 0.1}}, "rpm", "s");
    const platform::GraphData torque = TorqueGraphData({1234.5, 0, -1234.5}, {0.1, 0.2, 0.1}, 3, "Nm", "s");

    // Each graph alone: its plot starts at its own labels' width.
    auto ownLeft = [](const platform::GraphData& data) {
        platform::LineGraph alone;
        alone.resize(400, 200);
        alone.SetData(data);
        return alone.PlotArea().left();
    };
    const int velocityLeft = ownLeft(velocity);
    const int torqueLeft = ownLeft(torque);
    QVERIFY2(velocityLeft != torqueLeft, qPrintable(QStringLiteral("both %1 px").arg(velocityLeft)));

    // One above the other, sharing the axis: both start at the wider labels'
    // edge, and every tick stands at one x, as painted.
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* upper = new platform::LineGraph(&window);
    auto* lower = new platform::LineGraph(&window);
    column->addWidget(upper);
    column->addWidget(lower);
    platform::LineGraph::ShareTimeAxis({upper, lower});
    upper->SetData(velocity);
    lower->SetData(torque);
    window.resize(400, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(upper->width(), lower->width());
    QCOMPARE(upper->PlotArea().left(), std::max(velocityLeft, torqueLeft));
    QCOMPARE(lower->PlotArea().left(), std::max(velocityLeft, torqueLeft));
    auto windowX = [&window](platform::LineGraph* graph, double t) {
        return graph->mapTo(&window, QPointF(graph->TimeX(t), 0)).x();
    };
    QCOMPARE(windowX(upper, 0), double(upper->mapTo(&window, QPoint(upper->PlotArea().left(), 0)).x()));
    for (double t : TickTimes(velocity, false))
        QCOMPARE(windowX(upper, t), windowX(lower, t));
    const std::set<int> upperTicks = TickColumns(upper, &window);
    QVERIFY(!upperTicks.empty());
    QCOMPARE(TickColumns(lower, &window), upperTicks);
    // The first mark is the tick at t = 0.
    QVERIFY(std::fabs(*upperTicks.begin() - windowX(upper, 0)) <= 1.0);

    // A graph without points takes the time axis of the other.
    lower->SetData(TorqueGraphData({}, {}, 0, "Nm", "s"));
    for (double t : TickTimes(velocity, false))
        QCOMPARE(windowX(upper, t), windowX(lower, t));
}

void ProfileGraphsTest::velocityPointsAreTheSegmentEnds()
{
    // 0 -> 50 in 0.2 s, 50 for 0.6 s, 50 -> 0 in 0.2 s, then seven empty
    // segments: T = 1.0, one point at 0 and one at the end of each segment.
    std::vector<ProfileGraphSegment> segments = {{0, 50, 0.2}, {50, 50, 0.6}, {50, 0, 0.2}};
    segments.resize(10);
    const platform::GraphData data = VelocityGraphData(segments, "rpm", "s");
    Points expected = {{0, 0}, {0.2, 50}, {0.8, 50}, {1.0, 0}};
    expected.resize(11, QPointF(1.0, 0));
    QVERIFY2(SamePoints(data.points, expected), qPrintable(Describe(data.points)));
    QCOMPARE(data.upper, 50.0);
    QCOMPARE(data.lowerExtent, 0.0);
    QCOMPARE(data.valueTitle, QString("rpm"));
    QCOMPARE(data.timeTitle, QString("s"));
    QCOMPARE(data.tickSpacing, 1.0);
}

void ProfileGraphsTest::velocityRangeReachesBelowZeroForAReversingMove()
{
    // 0 -> 30 in 1 s, 30 -> -20 in 2 s: range from -20 to 30.
    const platform::GraphData data = VelocityGraphData({{0, 30, 1}, {30, -20, 2}}, "mm/s", "s");
    QCOMPARE(data.upper, 30.0);
    QCOMPARE(data.lowerExtent, 20.0);
    QVERIFY(SamePoints(data.points, {{0, 0}, {1, 30}, {3, -20}}));
    // Only negative values: the top of the range stays at 0.
    const platform::GraphData down = VelocityGraphData({{0, -10, 1}, {-10, 0, 1}}, "mm/s", "s");
    QCOMPARE(down.upper, 0.0);
    QCOMPARE(down.lowerExtent, 10.0);
}

void ProfileGraphsTest::emptyProfilesGiveTitlesAndNoPoints()
{
    std::vector<ProfileGraphSegment> empty(10);
    const platform::GraphData velocity = VelocityGraphData(empty, "rpm", "s");
    QVERIFY(velocity.points.empty());
    QCOMPARE(velocity.valueTitle, QString("rpm"));
    QCOMPARE(velocity.timeTitle, QString("s"));
    // Velocities without time, time without velocities.
    QVERIFY(VelocityGraphData({{0, 10, 0}}, "rpm", "s").points.empty());
    QVERIFY(VelocityGraphData({{0, 0, 3}}, "rpm", "s").points.empty());
    const platform::GraphData torque = TorqueGraphData({0, 0, 0}, {1, 1, 1}, 3, "Nm", "s");
    QVERIFY(torque.points.empty());
    QCOMPARE(torque.valueTitle, QString("Nm"));
    QVERIFY(TorqueGraphData({2.0}, {0.0}, 1, "Nm", "s").points.empty());
    QVERIFY(TorqueGraphData({}, {}, 0, "Nm", "s").points.empty());
}

void ProfileGraphsTest::torqueIsAStepLineOverTheUsedSegments()
{
    // Three used segments of 0.2, 0.6 and 0.2 s with 1.5, 0.25 and -1.0 Nm:
    // each torque held over its span, two points per segment, six in all.
    const platform::GraphData data = TorqueGraphData({1.5, 0.25, -1.0}, {0.2, 0.6, 0.2, 0, 0}, 3, "Nm", "s");
    QVERIFY2(SamePoints(data.points, {{0, 1.5}, {0.2, 1.5}, {0.2, 0.25}, {0.8, 0.25}, {0.8, -1.0}, {1.0, -1.0}}),
             qPrintable(Describe(data.points)));
    QCOMPARE(data.upper, 1.5);
    QCOMPARE(data.lowerExtent, 1.0);
    QCOMPARE(data.valueTitle, QString("Nm"));
}

void ProfileGraphsTest::torqueStepLineWithoutDurationEndsAtOne()
{
    // The listed segment has time but the used one has none: the step line
    // would end at 0, so its last point moves to time 1.
    const platform::GraphData data = TorqueGraphData({3.0, 0.0}, {0.0, 2.0}, 1, "Nm", "s");
    QVERIFY2(SamePoints(data.points, {{0, 3.0}, {1.0, 3.0}}), qPrintable(Describe(data.points)));
}

QTEST_MAIN(ProfileGraphsTest)
#include "tst_profilegraphs.moc"
