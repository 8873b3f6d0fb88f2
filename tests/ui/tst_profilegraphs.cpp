// What the velocity profile window's graphs show, checked as numbers: the
// points, the value range, the titles and the spacing of the time axis.
#include "profile/frmProfileGraphs.h"

#include <QtTest>

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

} // namespace

class ProfileGraphsTest : public QObject {
    Q_OBJECT
private slots:
    void timeAxisSpacing_data();
    void timeAxisSpacing();
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
    QTest::newRow("short move") << 1.0 << 1.0;
    QTest::newRow("exactly 20 s") << 20.0 << 1.0;
    QTest::newRow("20.5 s: Int(2.05)") << 20.5 << 2.0;
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
