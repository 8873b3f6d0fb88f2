// A leadscrew axis on a 3:1 gear motor in the running program (metric
// units), as the engineer reads it: the printed report read back from a PDF
// file (the motor check, the gear-motor block, the total inertia, the
// currents and the motor's speed per segment) and the axis analysis window,
// each against the hand calculation of the shared gear-motor axis; then the
// same motor without gear (gear ratio 0), printed and analysed as it always
// was.
#include "design/frmAnalysis.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "report/frmReport.h"
#include "shell/basWindowSlots.h"
#include "tests/support/GearMotorAxis.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/PdfReport.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/ReportTestAxis.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace testing_support::gear_motor_axis;
using testing_support::PrintedLineOf;
using testing_support::ExpectPrintedValue;

class TestGearMotor : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ProgramRun> run;
    double savedInertiaWarning = 0;

    // The lines of the report of axis 1 printed into that file of the run's folder.
    QStringList PrintedLines(const QString& name)
    {
        return testing_support::PrintedReportLines(1, QString::fromStdString(run->Folder().file(name.toStdString())));
    }
    // System data and the segments' rows with the motor.
    static void ExpectWithMotor(const QStringList& lines, const WithMotor& e)
    {
        const int system = PrintedLineOf(lines, "System Data (incl. Motor Inertia) :");
        QVERIFY(system > 0);
        ExpectPrintedValue(lines, "RMS Torque", system, e.rmsTorque, "Nm");
        ExpectPrintedValue(lines, "Peak Torque", system, e.peakTorque, "Nm");
        ExpectPrintedValue(lines, "Total Inertia", system, e.totalInertiaKgCm2, "kgcm²");
        ExpectPrintedValue(lines, "RMS Current", system, e.rmsCurrent, "A");
        ExpectPrintedValue(lines, "Peak Current", system, e.peakCurrent, "A");
        const int profile = PrintedLineOf(lines, "Velocity Profile :", system);
        QVERIFY(profile > 0);
        for (int s = 0; s < 4; ++s) {
            const int segment = PrintedLineOf(lines, QStringLiteral("Segment No. %1").arg(s + 1), profile);
            QVERIFY2(segment > 0, qPrintable(QString::number(s + 1)));
            ExpectPrintedValue(lines, "System (Total) Torque", segment, e.segmentTorques[s], "Nm");
            ExpectPrintedValue(lines, "Max. Velocity at Motor Shaft", segment, s < 3 ? e.motorRpm : 0, "rpm");
            ExpectPrintedValue(lines, "System Current", segment, e.segmentCurrents[s], "A");
        }
    }
    // The text the axis analysis window shows when it opens.
    QString AnalysisText()
    {
        QString text;
        dialog_tests::WhenModalShows([&](QWidget* dialog) {
            text = dialog->findChild<QPlainTextEdit*>("txtAnalysis")->toPlainText();
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        gnAnalysisAxis = 1;
        frmAnalysis dialog(run->Main());
        dialog.exec();
        return text;
    }

private slots:
    void init()
    {
        run = std::make_unique<testing_support::ProgramRun>();
        run->WriteSettings("[Unit Settings]\nUnits=1\n");
        QVERIFY(run->Start());
        QVERIFY(ReportWindow(1));
        gnReportFontSize = 10;
        savedInertiaWarning = gdMaxInertiaWarning;
        gdMaxInertiaWarning = 6;
        testing_support::PrepareAxisProfile(1);
        QVERIFY(Build(1));
        ReportWindow(1)->BringToFront();
    }
    void cleanup()
    {
        gdMaxInertiaWarning = savedInertiaWarning;
        run.reset();
    }

    void printedReportWithAndWithoutTheGear()
    {
        QStringList lines = PrintedLines("gear.pdf");
        QVERIFY2(lines.size() > 20, "pdftotext gave nothing");
        QVERIFY(run->Messages().messages.empty());
        // The 0.15 and 0.4 N.m motor meets the axis only behind its gear.
        const int performance = PrintedLineOf(lines, "Motor Performance :");
        QVERIFY(performance > 0);
        QCOMPARE(lines[performance + 1].trimmed(), QStringLiteral("Selected motor meets all requirements."));
        const int gear = PrintedLineOf(lines, "Gear Motor Calculations :", performance);
        QVERIFY(gear > 0);
        ExpectPrintedValue(lines, "Refl. Motor Inertia At Shaft", gear, kReflMotorInertiaKgCm2, "kgcm²");
        ExpectPrintedValue(lines, "Total Motor Inertia At Shaft", gear, kTotalMotorInertiaKgCm2, "kgcm²");
        ExpectPrintedValue(lines, "Refl. Load Inertia At Motor", gear, kReflLoadInertiaKgCm2, "kgcm²");
        ExpectPrintedValue(lines, "Total Load Inertia At Motor", gear, kTotalLoadInertiaKgCm2, "kgcm²");
        ExpectPrintedValue(lines, "Ratio Load/Motor Inertia", gear, kInertiaRatio, "");
        ExpectWithMotor(lines, kWithGear);

        SetMotor(1, kRatedRpm, kRatedTorque, kMaxTorque, 0);
        lines = PrintedLines("nogear.pdf");
        QVERIFY2(lines.size() > 20, "pdftotext gave nothing");
        QCOMPARE(PrintedLineOf(lines, "Gear Motor Calculations :"), -1);
        QCOMPARE(lines[PrintedLineOf(lines, "Motor Performance :") + 1].trimmed(),
                 QStringLiteral("The selected motor does not meet the inertia requirements."));
        ExpectPrintedValue(lines, "Ratio Load/Motor Inertia", PrintedLineOf(lines, "Motor Load Data :"),
                      kInertiaRatioNoGear, "");
        ExpectWithMotor(lines, kWithoutGear);
    }

    // A 3000 rpm motor covers the shaft's 1500 rpm, not the 4500 rpm it turns
    // at behind its 3:1 gear.
    void analysisWindowChecksTheSpeedBehindTheGear()
    {
        SetMotor(1, 3000, kRatedTorque, kMaxTorque, kGearRatio);
        QString text = AnalysisText();
        const QString speed = "Selected motor does not meet the speed requirements.";
        QVERIFY2(text.endsWith("Motor Performance :\n\nWarning : \n" + speed), qPrintable(text));

        SetMotor(1, 3000, kRatedTorque, kMaxTorque, 0);
        text = AnalysisText();
        QVERIFY2(!text.contains(speed), qPrintable(text));
        QVERIFY2(text.contains("Motor Performance :\n\nWarning : \nThe selected motor does not meet the inertia "
                               "requirements.\nThe factor of load to motor inertia is greater than 6 : 1.\n"
                               "We recommend to add a gearbox."),
                 qPrintable(text));
    }
};

QTEST_MAIN(TestGearMotor)
#include "tst_gearmotor.moc"
