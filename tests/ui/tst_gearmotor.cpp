// A leadscrew axis on a 3:1 gear motor in the running program (metric
// units), as the engineer reads it: the printed report read back from a PDF
// file (the motor check with the requirements at the motor's shaft beside the
// ratings, the gear-motor block, the rows at the gear's output, the total
// inertia, the currents and each segment's torque and speed at both shafts),
// the axis analysis window and the Motor Requirements window opened from the
// design window, each against the hand calculation of the shared gear-motor
// axis, and the profile window's torque graph; then the same motor without
// gear (gear ratio 0), printed, analysed and drawn as it always was.
#include "design/frmAnalysis.h"
#include "design/frmAxisDesign.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisRequirements.h"
#include "platform/qt/LineGraph.h"
#include "profile/frmProfile.h"
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

#include <cmath>
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
    // The row of that label from line `from` on ends in the shaft's name.
    static void ExpectShaft(const QStringList& lines, const QString& label, int from, const QString& shaft)
    {
        const QString row = testing_support::PrintedRowOf(lines, label, from).line;
        QVERIFY2(row.endsWith(shaft), qPrintable(label + ": " + row));
    }
    // System data and the segments' rows with the motor; with a gear the
    // rows at the drive shaft say it is the gear's output, and each segment
    // gives its torque and speed at the motor's shaft too.
    static void ExpectWithMotor(const QStringList& lines, const WithMotor& e, double gearRatio)
    {
        const int system = PrintedLineOf(lines, "System Data (incl. Motor Inertia) :");
        QVERIFY(system > 0);
        ExpectPrintedValue(lines, "RMS Torque", system, e.rmsTorque, "Nm");
        ExpectPrintedValue(lines, "Peak Torque", system, e.peakTorque, "Nm");
        if (gearRatio > 0) {
            ExpectShaft(lines, "RMS Torque", system, "Nm (gear output)");
            ExpectShaft(lines, "Peak Torque", system, "Nm (gear output)");
        }
        const int total = PrintedLineOf(lines, "Total Inertia", system);
        ExpectPrintedValue(lines, "Total Inertia", total, e.totalInertiaKgCm2, "kgcm²");
        if (gearRatio > 0) {
            ExpectShaft(lines, "Total Inertia", total, "kgcm² (gear output)");
            ExpectPrintedValue(lines, "Total Inertia", total + 1, e.totalInertiaKgCm2 / (gearRatio * gearRatio),
                               "kgcm²");
            ExpectShaft(lines, "Total Inertia", total + 1, "kgcm² (motor shaft)");
        }
        ExpectPrintedValue(lines, "RMS Current", system, e.rmsCurrent, "A");
        ExpectPrintedValue(lines, "Peak Current", system, e.peakCurrent, "A");
        const int profile = PrintedLineOf(lines, "Velocity Profile :", system);
        QVERIFY(profile > 0);
        for (int s = 0; s < 4; ++s) {
            const int segment = PrintedLineOf(lines, QStringLiteral("Segment No. %1").arg(s + 1), profile);
            QVERIFY2(segment > 0, qPrintable(QString::number(s + 1)));
            const int torque = PrintedLineOf(lines, "System (Total) Torque", segment);
            ExpectPrintedValue(lines, "System (Total) Torque", torque, e.segmentTorques[s], "Nm");
            if (gearRatio > 0) {
                ExpectShaft(lines, "System (Total) Torque", torque, "Nm (gear output)");
                QVERIFY(lines[torque + 1].trimmed().startsWith("Max. Velocity "));
                ExpectPrintedValue(lines, "Max. Velocity", torque + 1, s < 3 ? kShaftRpm : 0, "rpm");
                ExpectShaft(lines, "Max. Velocity", torque + 1, "rpm (gear output)");
                ExpectPrintedValue(lines, "System (Total) Torque", torque + 2, e.segmentTorques[s] / gearRatio, "Nm");
                ExpectShaft(lines, "System (Total) Torque", torque + 2, "Nm (motor shaft)");
            }
            ExpectPrintedValue(lines, "Max. Velocity at Motor Shaft", segment, s < 3 ? e.motorRpm : 0, "rpm");
            ExpectPrintedValue(lines, "System Current", segment, e.segmentCurrents[s], "A");
        }
    }
    // The first mechanism's results, at its input: with a gear at the gear's
    // output, each row says so.
    static void ExpectScrewResults(const QStringList& lines, double gearRatio)
    {
        const int results = PrintedLineOf(lines, "Calculation Results :", PrintedLineOf(lines, "Mechanism No. 1"));
        QVERIFY(results > 0);
        const std::pair<QString, std::pair<double, QString>> rows[] = {
            {"Max. Input Velocity", {kShaftRpm, "rpm"}},
            {"Total Inertia", {kLoadInertiaKgCm2, "kgcm²"}},
            {"Mechanism Inertia", {kScrewInertiaKgCm2, "kgcm²"}},
            {"Constant Torque", {kFrictionTorque, "Nm"}},
            {"Peak Torque", {kPeakTorqueAlone, "Nm"}}};
        for (const auto& [label, value] : rows) {
            ExpectPrintedValue(lines, label, results, value.first, value.second);
            const QString row = testing_support::PrintedRowOf(lines, label, results).line;
            QVERIFY2(row.endsWith(gearRatio > 0 ? value.second + " (gear output)" : value.second),
                     qPrintable(row));
        }
    }
    // The lines the Motor Requirements window shows when the design window's
    // tool opens it.
    QStringList MotorRequirementsLines()
    {
        QString text;
        dialog_tests::WhenModalShows([&](QWidget* dialog) {
            text = dialog->findChild<QPlainTextEdit*>("txtAnalysis")->toPlainText();
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        frmAxisDesign* design = AxisDesignWindow(1);
        design->BringToFront();
        if (!testing_support::ClickToolButton(design, "MotorReq"))
            return {};
        return text.split('\n');
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
        ExpectShaft(lines, "Refl. Motor Inertia At Shaft", gear, "kgcm² (gear output)");
        ExpectShaft(lines, "Total Motor Inertia At Shaft", gear, "kgcm² (gear output)");
        ExpectShaft(lines, "Refl. Load Inertia At Motor", gear, "kgcm² (motor shaft)");
        ExpectShaft(lines, "Total Load Inertia At Motor", gear, "kgcm² (motor shaft)");
        // Beside each rating what the check compared it with, at the
        // motor's shaft: 3 x 1500 rpm, the RMS and peak torque at the shaft / 3.
        const int motor = PrintedLineOf(lines, "Selected Motor :");
        const int rated = PrintedLineOf(lines, "Rated Speed", motor);
        QVERIFY(rated > motor && motor > 0);
        const std::pair<QString, double> ratings[] = {{"Rated Speed", kRatedRpm},
                                                      {"Required Speed", 3 * kShaftRpm},
                                                      {"Rated Torque", kRatedTorque},
                                                      {"Required RMS Torque", kWithGear.rmsTorque / kGearRatio},
                                                      {"Max. (Peak) Torque", kMaxTorque},
                                                      {"Required Peak Torque", kWithGear.peakTorque / kGearRatio}};
        for (int k = 0; k < 6; ++k) {
            const auto& [label, hand] = ratings[k];
            QVERIFY2(lines[rated + k].trimmed().startsWith(label), qPrintable(lines[rated + k]));
            ExpectPrintedValue(lines, label, rated + k, hand, k == 0 || k == 1 ? "rpm" : "Nm");
            if (k % 2 == 1)
                ExpectShaft(lines, label, rated + k, "(motor shaft)");
        }
        // The load data stand at the gear's output, and say so in their
        // heading and in each row.
        QCOMPARE(PrintedLineOf(lines, "Motor Load Data :"), -1);
        const int load = PrintedLineOf(lines, "Load Data at Gear Output :", gear);
        QVERIFY(load > gear);
        ExpectPrintedValue(lines, "Max. Velocity", load, kShaftRpm, "rpm");
        ExpectPrintedValue(lines, "Load Inertia", load, kLoadInertiaKgCm2, "kgcm²");
        for (const char* label : {"Max. Velocity", "Constant Torque", "RMS Torque", "Peak Torque", "Load Inertia"})
            ExpectShaft(lines, label, load, "(gear output)");
        ExpectWithMotor(lines, kWithGear, kGearRatio);
        ExpectScrewResults(lines, kGearRatio);

        SetMotor(1, kRatedRpm, kRatedTorque, kMaxTorque, 0);
        lines = PrintedLines("nogear.pdf");
        QVERIFY2(lines.size() > 20, "pdftotext gave nothing");
        QCOMPARE(PrintedLineOf(lines, "Gear Motor Calculations :"), -1);
        QCOMPARE(lines[PrintedLineOf(lines, "Motor Performance :") + 1].trimmed(),
                 QStringLiteral("The selected motor does not meet the inertia requirements."));
        ExpectPrintedValue(lines, "Ratio Load/Motor Inertia", PrintedLineOf(lines, "Motor Load Data :"),
                      kInertiaRatioNoGear, "");
        ExpectWithMotor(lines, kWithoutGear, 0);
        ExpectScrewResults(lines, 0);
        for (const QString& line : lines)
            QVERIFY2(!line.contains("(gear output)") && !line.contains("(motor shaft)") &&
                         !line.trimmed().startsWith("Required"),
                     qPrintable(line));
    }

    // The window gives the speed and the range of motor inertia at both
    // shafts, the table's inertias at the gear's output and its torques at
    // the motor's. The range is that of the rotor and brake inertia the
    // motor check passes: J / 6 ... J with J = L / 9 + G at the motor's
    // shaft, 9 J = L + 9 G = 2.0517218 + 1.8 = 3.8517218 kg.cm^2 at the
    // gear's output. A motor of 9 J / k at the output turns with its gear's
    // 9 G: the shaft needs (L + 9 J / k + 9 G) alpha + F while it
    // accelerates (0.25 s), F while it runs (0.5 s) and F - (L + 9 J / k +
    // 9 G) alpha while it brakes (0.25 s), then rests (0.5 s); alpha = 2 pi
    // 100 rad/s^2, F the friction; the motor gives a third of it.
    void motorRequirementsWindowNamesTheShafts()
    {
        const QStringList lines = MotorRequirementsLines();
        QCOMPARE(lines.size(), 7 + 6 + 1);
        const QString speed = QStringLiteral("Required Speed:").leftJustified(30);
        QCOMPARE(lines[0], speed + "1500 rpm or higher (gear output)");
        QCOMPARE(lines[1], speed + "4500 rpm or higher (motor shaft)");
        const QString inertia = QStringLiteral("Required Inertia:").leftJustified(30);
        QCOMPARE(lines[2], inertia + "0.641954...3.8517 kgcm² (gear output)");
        QCOMPARE(lines[3], inertia + "0.071328...0.427969 kgcm² (motor shaft)");
        QCOMPARE(lines[6].simplified(), QStringLiteral("[kgcm²] (gear output) [Nm] (motor shaft) [Nm] (motor shaft)"));
        const double load = kLoadInertiaKgCm2 * 1e-4, gear = 9 * 0.2e-4, alpha = 2 * M_PI * 100;
        const double matched = load + gear;  // 9 J at the gear's output
        for (int k = 6; k >= 1; --k) {
            const QStringList row = lines[7 + 6 - k].split(' ', Qt::SkipEmptyParts);
            QCOMPARE(row.size(), 3);
            const double inertia = (load + matched / k + gear) * alpha;
            const double up = inertia + kFrictionTorque, down = kFrictionTorque - inertia;
            const double rms =
                std::sqrt((up * up * 0.25 + kFrictionTorque * kFrictionTorque * 0.5 + down * down * 0.25) / 1.5);
            const double peak = std::max(std::fabs(up), std::fabs(down));
            // As printed: to half a unit of the last decimal shown.
            const double hand[] = {matched * 1e4 / k, rms / kGearRatio, peak / kGearRatio};
            for (int column = 0; column < 3; ++column)
                QVERIFY2(std::fabs(row[column].toDouble() - hand[column]) <=
                             testing_support::PrintedHalfStep(hand[column]) * 1.001,
                         qPrintable(lines[7 + 6 - k]));
        }

        SetMotor(1, kRatedRpm, kRatedTorque, kMaxTorque, 0);
        const QStringList plain = MotorRequirementsLines();
        QCOMPARE(plain.size(), 5 + 6 + 1);
        QCOMPARE(plain[0], speed + "1500 rpm or higher");
        QVERIFY(!plain.join('\n').contains("shaft") && !plain.join('\n').contains("output"));
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

    // A 3000 rpm motor rated 2 N.m with a rotor of 0.05 kg.cm^2 behind the
    // gear: it turns too slowly (4500 rpm needed), its rating is above 20
    // times the RMS torque at the motor, and the load it feels, L / 9 + G =
    // 0.42796909 kg.cm^2, is 8.56 times its inertia. The analysis lists the
    // three and counts three; for a gear motor the advice is its own gear's.
    void analysisWindowCountsTheWarningsItListsAndAdvisesTheGearMotor()
    {
        SetMotor(1, 3000, 2, kMaxTorque, kGearRatio);
        SubSetMotorParameterValue(1, calc::MotorEntry::RotorInertia, 0.05);
        SubSetMotorParameterValue(1, calc::MotorEntry::BrakeInertia, 0);
        const QString text = AnalysisText();
        QVERIFY2(text.contains("\nThere are 3 warning(s).\n"), qPrintable(text));
        QCOMPARE(text.count("Warning : "), 3);
        QVERIFY2(text.endsWith("greater than 6 : 1.\nWe recommend a gear motor with a higher ratio or a larger motor."),
                 qPrintable(text));
        QVERIFY2(!text.contains("gearbox"), qPrintable(text));
    }

    // The torque graph of the profile window plots the torque at the drive
    // shaft, the gear's output (peak 0.50008 N.m behind the gear, as the
    // report's segments), and its value axis says so; without the gear it
    // reads "Nm" as it always did. The profile window shows the axis's move
    // once its Submit has turned the quick setup into the segments.
    void torqueGraphNamesTheGearOutput()
    {
        const auto torqueGraph = [] {
            AxisDesignWindow(1)->BringToFront();
            frmProfile* profile = ProfileWindow(1);
            profile->BringToFront();
            QTest::qWait(1);
            return profile->findChild<platform::LineGraph*>("grpTorque")->Data();
        };
        ProfileWindow(1)->BringToFront();
        QTest::mouseClick(ProfileWindow(1)->findChild<QPushButton*>("vseTransfer"), Qt::LeftButton);
        platform::GraphData torque = torqueGraph();
        QCOMPARE(torque.valueTitle, QStringLiteral("Nm (gear output)"));
        QCOMPARE(torque.points.size(), size_t(8));
        QVERIFY2(std::fabs(torque.points[0].y() - kWithGear.peakTorque) < 1e-6,
                 qPrintable(QString::number(torque.points[0].y())));

        SetMotor(1, kRatedRpm, kRatedTorque, kMaxTorque, 0);
        torque = torqueGraph();
        QCOMPARE(torque.valueTitle, QStringLiteral("Nm"));
        QVERIFY(std::fabs(torque.points[0].y() - kWithoutGear.peakTorque) < 1e-6);
    }
};

QTEST_MAIN(TestGearMotor)
#include "tst_gearmotor.moc"
