// A vertical leadscrew lifting 10 kg, holding it 0.5 s and lowering it, in
// the running program (metric units), as the engineer reads it: the printed
// report read back from a PDF file (the motor check, the RMS and peak torque
// and current, each segment's torque, current and power) and the torque
// graph of the velocity profile window, each against the hand calculation
// of the shared vertical-leadscrew axis.
#include "design/frmAxisDesign.h"
#include "foundation/basIniFileControl.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/LineGraph.h"
#include "profile/frmProfile.h"
#include "report/frmReport.h"
#include "shell/basWindowSlots.h"
#include "tests/support/VerticalLeadscrewAxis.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/PdfReport.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/ReportTestAxis.h"

#include <QtTest>

#include <cmath>
#include <memory>

using namespace testing_support::vertical_leadscrew_axis;
using testing_support::PrintedLineOf;
using testing_support::ExpectPrintedValue;
using testing_support::TypeIntoCell;

class TestHoldingTorque : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ProgramRun> run;

    // The lines of the report of axis 1 printed into that file of the run's folder.
    QStringList PrintedLines(const QString& name)
    {
        return testing_support::PrintedReportLines(1, QString::fromStdString(run->Folder().file(name.toStdString())));
    }

private slots:
    void init()
    {
        run = std::make_unique<testing_support::ProgramRun>();
        run->WriteSettings("[Unit Settings]\nUnits=1\n");
        QVERIFY(run->Start());
        QVERIFY(ReportWindow(1));
        gnReportFontSize = 10;
        testing_support::PrepareAxisProfile(1);
    }
    void cleanup() { run.reset(); }

    void printedReportHoldsTheWeightAtRest()
    {
        Build(1);
        const QStringList lines = PrintedLines("vertical.pdf");
        QVERIFY2(lines.size() > 20, "pdftotext gave nothing");
        QVERIFY(run->Messages().messages.empty());
        // The RMS torque with the weight held at rest lies above the rated
        // 0.14 N.m; the rest checks pass.
        const int performance = PrintedLineOf(lines, "Motor Performance :");
        QVERIFY(performance > 0);
        const int rmsWarning =
            PrintedLineOf(lines, "Selected motor does not meet the RMS (rated) torque requirements.", performance);
        QVERIFY(rmsWarning > performance);
        QCOMPARE(PrintedLineOf(lines, "Selected motor does not meet the max. (peak) torque requirements."), -1);
        QCOMPARE(PrintedLineOf(lines, "Selected motor does not meet the speed requirements."), -1);

        const int loadData = PrintedLineOf(lines, "Motor Load Data :", performance);
        QVERIFY(loadData > 0);
        ExpectPrintedValue(lines, "RMS Torque", loadData, kAxisRmsTorque, "Nm");
        ExpectPrintedValue(lines, "Peak Torque", loadData, kAxisPeakTorque, "Nm");
        const int system = PrintedLineOf(lines, "System Data (incl. Motor Inertia) :", loadData);
        QVERIFY(system > 0);
        ExpectPrintedValue(lines, "RMS Torque", system, kRmsTorque, "Nm");
        ExpectPrintedValue(lines, "Peak Torque", system, kPeakTorque, "Nm");
        ExpectPrintedValue(lines, "RMS Current", system, kRmsCurrent, "A");
        ExpectPrintedValue(lines, "Peak Current", system, kPeakCurrent, "A");

        const int profile = PrintedLineOf(lines, "Velocity Profile :", system);
        QVERIFY(profile > 0);
        for (int s = 0; s < kSegments; ++s) {
            const int segment = PrintedLineOf(lines, QStringLiteral("Segment No. %1").arg(s + 1), profile);
            QVERIFY2(segment > 0, qPrintable(QString::number(s + 1)));
            ExpectPrintedValue(lines, "System (Total) Torque", segment, kSegmentTorques[s], "Nm");
            ExpectPrintedValue(lines, "System Current", segment, kSegmentCurrents[s], "A");
            ExpectPrintedValue(lines, "Max. Velocity at Motor Shaft", segment, kSegmentMotorRpm[s], "rpm");
        }
        // Holding does no work: no power at rest, and none of the motoring or
        // generating suffixes.
        const int rest = PrintedLineOf(lines, QStringLiteral("Segment No. %1").arg(kRestSegment + 1), profile);
        ExpectPrintedValue(lines, "System Power", rest, 0, "kW");
    }

    // The move typed into the segment table of the profile window, which
    // takes linear motion on its activation (the chain ends in the screw).
    void torqueGraphHoldsTheWeightAtRest()
    {
        BuildMachine(1);
        AxisDesignWindow(1)->BringToFront();
        frmProfile* profile = ProfileWindow(1);
        profile->BringToFront();
        QTest::qWait(1);
        auto* table = profile->findChild<platform::FlexGrid*>("vsfVelProfile");
        // Rows 6 s + 2 and 6 s + 3: final velocity and duration of segment
        // s; column 2 the entry; an initial velocity is handed on.
        QCOMPARE(table->TextMatrix(2, 4), QStringLiteral("mm/s"));
        for (int s = 0; s < kSegments; ++s) {
            if (kSegmentVelocities[s][1] != 0)
                QVERIFY(TypeIntoCell(table, 6 * s + 2, 2, QString::number(kSegmentVelocities[s][1])));
            QVERIFY(TypeIntoCell(table, 6 * s + 3, 2, QString::number(kSegmentDurations[s])));
        }
        const platform::GraphData torque = profile->findChild<platform::LineGraph*>("grpTorque")->Data();
        QCOMPARE(torque.valueTitle, QStringLiteral("Nm"));
        // Two points per segment, at its start and end times.
        QCOMPARE(torque.points.size(), size_t(2 * kSegments));
        double start = 0;
        for (int s = 0; s < kSegments; ++s) {
            const QPointF from = torque.points[2 * s], to = torque.points[2 * s + 1];
            const QByteArray where = QStringLiteral("segment %1: (%2, %3) to (%4, %5)")
                                         .arg(s + 1).arg(from.x()).arg(from.y(), 0, 'g', 9)
                                         .arg(to.x()).arg(to.y(), 0, 'g', 9).toUtf8();
            QVERIFY2(std::fabs(from.x() - start) < 1e-6, where.constData());
            start += kSegmentDurations[s];
            QVERIFY2(std::fabs(to.x() - start) < 1e-6, where.constData());
            QVERIFY2(std::fabs(from.y() - kSegmentTorques[s]) < 1e-7, where.constData());
            QCOMPARE(to.y(), from.y());
        }
    }
};

QTEST_MAIN(TestHoldingTorque)
#include "tst_holdingtorque.moc"
