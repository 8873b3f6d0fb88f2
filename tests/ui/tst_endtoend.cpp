// One axis from an empty program to a printed report, as a user builds it:
// New Axis from the menu, a gearbox and a leadscrew put together with the
// palette and typed into the design window's grids with a weight load and a
// motor, a trapezoidal move typed into the velocity profile's quick setup
// and submitted, then Print into a PDF file. The motor speed, the reflected
// inertia and the RMS and peak torques read back from the PDF are checked
// against a hand calculation and against the model's own results.
#include "design/frmAxisDesign.h"
#include "foundation/basGlobalFunctions.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/ImageControl.h"
#include "profile/frmProfile.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/PdfReport.h"
#include "tests/ui/support/ProgramRun.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <cmath>

using platform::FlexGrid;
using testing_support::PrintedLineOf;
using testing_support::PrintedRowOf;
using testing_support::TypeIntoCell;

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- The axis, worked out by hand in SI -----------------------------------
//
// Leadscrew: steel, 20 mm x 500 mm, lead 10 mm/rev, 90 %, friction 0.1, level.
// Gearbox before it: ratio 3, 90 %, own inertia 0.2 kg.cm^2 = 2e-5 kg.m^2.
// Load: a weight of 500 N on the screw. Motor: rotor 0.5 kg.cm^2 = 5e-5 kg.m^2.
// Move: 150 mm/s, 1 s in all with 0.25 s ramps, then a dwell of 0.5 s.
// g = 9.8067 m/s^2; a density becomes a weight per volume as rho x 9.81e-6
// N/mm^3 (the program's rule for g/cm^3), the mass is that weight / g.
//
// Screw: V = pi 0.01^2 x 0.5 = 1.570796e-4 m^3; W = 7.85 x 9.81e-6 N/mm^3 x
//   1.570796e8 mm^3 = 12.096467 N; m = 12.096467 / 9.8067 = 1.2334901 kg;
//   Js = m r^2 / 2 = 1.2334901 x 1e-4 / 2 = 6.1674503e-5 kg.m^2.
// Weight: m = 500 / 9.8067 = 50.985551 kg; (p / 2 pi)^2 = (0.01 / 2 pi)^2 =
//   2.5330296e-6 m^2; Jl = 1.2914791e-4 kg.m^2, through the screw's 90 %
//   1.4349768e-4 kg.m^2.
// At the gearbox output: Js + Jl / 0.9 = 2.0517218e-4 kg.m^2; at its input
//   / 3^2 / 0.9 + 2e-5 = 4.5329899e-5 kg.m^2 = 0.45329899 kg.cm^2 (the load
//   inertia the motor sees).
// Friction 0.1 x 500 N = 50 N; at the screw 50 x 0.01 / (2 pi x 0.9) =
//   0.088419413 N.m; at the motor / (3 x 0.9) = 0.032747931 N.m.
// Speed: 150 mm/s / 10 mm = 15 rev/s at the screw, x 3 = 45 rev/s = 2700 rpm.
// Acceleration: 600 mm/s^2 = 60 rev/s^2 at the screw, 180 rev/s^2 at the
//   motor: alpha = 2 pi x 180 = 1130.9734 rad/s^2.
// Without the motor: J alpha = 4.5329899e-5 x 1130.9734 = 0.051266908 N.m;
//   segment torques 0.084014838 (ramp up, 0.25 s), 0.032747931 (0.5 s),
//   0.032747931 - 0.051266908 = -0.018518977 (ramp down, 0.25 s), 0 at rest
//   (0.5 s). Peak 0.084014838 N.m; RMS = sqrt((0.084014838^2 x 0.25 +
//   0.032747931^2 x 0.5 + 0.018518977^2 x 0.25) / 1.5) = 0.039887967 N.m.
// With the rotor: J = 9.5329899e-5 kg.m^2, J alpha = 0.10781558 N.m; ramp
//   up 0.14056351, ramp down -0.075067645 N.m; peak 0.14056351 N.m; RMS =
//   sqrt((0.14056351^2 x 0.25 + 0.032747931^2 x 0.5 + 0.075067645^2 x 0.25)
//   / 1.5) = 0.067747207 N.m; total inertia 0.95329899 kg.cm^2.
constexpr double kMotorSpeedRpm = 2700.0;
constexpr double kLoadInertiaKgCm2 = 0.45329899;
constexpr double kConstantTorque = 0.032747931;
constexpr double kRmsTorque = 0.039887967;
constexpr double kPeakTorque = 0.084014838;
constexpr double kSystemRmsTorque = 0.067747207;
constexpr double kSystemPeakTorque = 0.14056351;
constexpr double kTotalInertiaKgCm2 = 0.95329899;

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

    testing_support::ProgramRun run;

    // Clicks the value cell of the row, types the keys and presses Enter.
    static void Type(FlexGrid* grid, int valueCol, int row, const QString& keys)
    {
        QVERIFY2(TypeIntoCell(grid, row, valueCol, keys),
                 qPrintable(QStringLiteral("%1 row %2").arg(grid->objectName()).arg(row)));
    }
    static QList<platform::ImageControl*> Pictures(frmAxisDesign* design)
    {
        QList<platform::ImageControl*> shown;
        for (auto* picture : design->findChildren<platform::ImageControl*>())
            if (picture->objectName().startsWith("imgMechanism_") && picture->isVisible())
                shown.append(picture);
        std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        return shown;
    }
    // Picks the entry of that text with the arrow keys.
    static void ChooseByKeys(QComboBox* combo, const QString& text)
    {
        combo->setFocus();
        const int target = combo->findText(text);
        QVERIFY2(target >= 0, qPrintable(text));
        while (combo->currentIndex() != target)
            QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }

    void BuildTheAxisInTheDesignWindow(frmAxisDesign* design);
    void TypeTheMoveIntoTheProfile(frmProfile* profile);

private slots:
    void initTestCase()
    {
        run.WriteSettings("[Options]\nLoad Default Axis=False\n[Unit Settings]\nUnits=1\n");
        QVERIFY(run.Start());
        QVERIFY(run.ChildCaptions().isEmpty());
    }

    void axisFromNewAxisToPrintedReport();
};

void TestEndToEnd::BuildTheAxisInTheDesignWindow(frmAxisDesign* design)
{
    auto tool = [&](const char* key) { return design->findChild<QAction*>(key); };
    for (const char* palette : {"Gearbox", "Leadscrew"}) {
        tool(palette)->trigger();
        tool("vseToolAppend")->trigger();
    }
    QCOMPARE(nFctGetMechanismCount(1), int16_t(2));
    QCOMPARE(nFctGetMechanismType(1, 0), int16_t(MechanismType::Gearbox));
    QCOMPARE(nFctGetMechanismType(1, 1), int16_t(MechanismType::Leadscrew));
    const auto pictures = Pictures(design);
    QCOMPARE(pictures.size(), 2);

    FlexGrid* mechanism = design->findChild<FlexGrid*>("vsfMechanism");
    struct Entry {
        int row;
        QString keys;
        QString unit;
    };
    // Gearbox: efficiency, own inertia, ratio.
    QTest::mouseClick(pictures[0], Qt::LeftButton);
    for (const Entry& e : {Entry{1, "90", "%"}, Entry{2, "0.2", "kgcm²"}, Entry{3, "3", "-"}}) {
        Type(mechanism, 2, e.row, e.keys);
        QCOMPARE(mechanism->TextMatrix(e.row, 2), e.keys);
        QCOMPARE(mechanism->TextMatrix(e.row, 3), e.unit);
    }
    // Leadscrew: diameter, length, density, lead, efficiency, friction.
    QTest::mouseClick(pictures[1], Qt::LeftButton);
    for (const Entry& e : {Entry{1, "20", "mm"}, Entry{2, "500", "mm"}, Entry{3, "7.85", "g/cm³"},
                           Entry{4, "10", "mm/rev"}, Entry{5, "90", "%"}, Entry{6, "0.1", "-"}}) {
        Type(mechanism, 2, e.row, e.keys);
        QCOMPARE(mechanism->TextMatrix(e.row, 2), e.keys);
        QCOMPARE(mechanism->TextMatrix(e.row, 3), e.unit);
    }

    ChooseByKeys(design->findChild<QComboBox*>("cboLoad"), "Weight Only");
    QCOMPARE(nFctGetLoadType(1), int16_t(LoadType::WeightOnly));
    FlexGrid* load = design->findChild<FlexGrid*>("vsfLoad");
    Type(load, 2, 1, "500");
    QCOMPARE(load->TextMatrix(1, 3), QString("N"));

    // Motor: rated speed, rated and peak torque, rotor inertia.
    QTest::mouseClick(design->findChild<QWidget*>("imgMotor"), Qt::LeftButton);
    FlexGrid* motor = design->findChild<FlexGrid*>("vsfMotor");
    for (const Entry& e : {Entry{1, "3000", "rpm"}, Entry{2, "0.3", "Nm"}, Entry{3, "0.9", "Nm"},
                           Entry{4, "0.5", "kgcm²"}}) {
        Type(motor, 1, e.row, e.keys);
        QCOMPARE(motor->TextMatrix(e.row, 1), e.keys);
        QCOMPARE(motor->TextMatrix(e.row, 2), e.unit);
    }
}

void TestEndToEnd::TypeTheMoveIntoTheProfile(frmProfile* profile)
{
    // The chain ends in a leadscrew with a lead: linear on activation.
    AxisDesignWindow(1)->BringToFront();
    profile->BringToFront();
    QTest::qWait(1);
    QCOMPARE(nFctGetMotionMode(1), int16_t(MotionMode::Linear));
    QVERIFY(profile->findChild<QRadioButton*>("optMotionMode_1")->isChecked());

    ChooseByKeys(profile->findChild<QComboBox*>("cboProfileMode"), "Trapezoidal");
    FlexGrid* quick = profile->findChild<FlexGrid*>("vsfQuickSetup");
    // Velocity, total time, (distance), accel. and decel. time, dwell.
    for (const auto& [row, keys] : {std::pair{1, "150"}, {2, "1"}, {4, "0.25"}, {5, "0.25"}, {6, "0.5"}})
        Type(quick, 1, row, keys);
    QCOMPARE(quick->TextMatrix(1, 3), QString("mm/s"));
    // Distance 150 mm/s x (1 - 0.25) s = 112.5 mm.
    QCOMPARE(quick->TextMatrix(3, 2), QString("112.5"));
    QTest::mouseClick(profile->findChild<QPushButton*>("vseTransfer"), Qt::LeftButton);
    QVERIFY(run.Messages().messages.empty());
    // Ramp up, steady, ramp down and the dwell.
    QCOMPARE(nFctGetUsedSegmentCount(1), int16_t(4));
}

void TestEndToEnd::axisFromNewAxisToPrintedReport()
{
    run.Trigger("mnuAxisSub_0");  // Axis > New Axis
    QCOMPARE(run.ChildCaptions().size(), 3);
    frmAxisDesign* design = AxisDesignWindow(1);
    QVERIFY(design);
    BuildTheAxisInTheDesignWindow(design);
    if (QTest::currentTestFailed())
        return;
    TypeTheMoveIntoTheProfile(ProfileWindow(1));
    if (QTest::currentTestFailed())
        return;

    const QString pdf = QString::fromStdString(run.Folder().file("axis.pdf"));
    const QStringList lines = testing_support::PrintedReportLines(1, pdf);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(run.Messages().messages.empty());
    QVERIFY2(lines.size() > 20, "pdftotext gave nothing");
    QVERIFY(PrintedLineOf(lines, "Mechanism No. 1 : Gearbox") > 0);
    QVERIFY(PrintedLineOf(lines, "Mechanism No. 2 : Leadscrew") > 0);

    // The model's own results, in the units the report prints.
    nFctGetMotorRequirements(1, model::kFalse);
    int16_t unit = 0;
    const double speed = dFctGetAxisResult(1, calc::AxisResultIndex::MotorVelocity, unit);
    const int16_t speedUnit = unit;
    const double constant = dFctGetAxisResult(1, calc::AxisResultIndex::ConstantTorque, unit);
    const int16_t constantUnit = unit;
    const double rms = dFctGetAxisResult(1, calc::RequirementIndex::RmsTorque, unit);
    const double peak = dFctGetAxisResult(1, calc::RequirementIndex::PeakTorque, unit);
    const int16_t torqueUnit = unit;
    SubCalcAxisResults(1);
    const double inertia = dFctGetAxisResult(1, calc::AxisResultIndex::ReflectedInertia, unit);
    const int16_t inertiaUnit = unit;
    nFctGetMotorRequirements(1, model::kTrue);
    const double systemRms = dFctGetRequirementResult(1, 0, unit);
    const double systemPeak = dFctGetRequirementResult(1, 1, unit);
    const int16_t systemUnit = unit;
    MotorRec motor;
    nFctGetMotorRecord(1, motor);
    const ParamRec& rotor = motor.MotorData[calc::MotorEntry::RotorInertia];
    const double totalInertia = inertia + rotor.Data * rotor.Factor;  // kg.m^2

    const int loadData = PrintedLineOf(lines, "Motor Load Data :");
    const int systemData = PrintedLineOf(lines, "System Data (incl. Motor Inertia) :", loadData);
    QVERIFY(loadData > 0 && systemData > loadData);
    const struct {
        QString label;
        int from;
        double hand;  // in the printed unit
        QString unit;
        double model;  // in the model's result unit
        int16_t modelUnit;
        int16_t unitType;
        const char* system;
        double toPrinted;  // model unit -> printed unit
    } rows[] = {
        {"Max. Velocity", loadData, kMotorSpeedRpm, "rpm", speed, speedUnit, 5, "NA", 60.0},
        {"Constant Torque", loadData, kConstantTorque, "Nm", constant, constantUnit, 12, "M", 1.0},
        {"RMS Torque", loadData, kRmsTorque, "Nm", rms, torqueUnit, 12, "M", 1.0},
        {"Peak Torque", loadData, kPeakTorque, "Nm", peak, torqueUnit, 12, "M", 1.0},
        {"Load Inertia", loadData, kLoadInertiaKgCm2, "kgcm²", inertia, inertiaUnit, 13, "M", 1e4},
        {"RMS Torque", systemData, kSystemRmsTorque, "Nm", systemRms, systemUnit, 12, "M", 1.0},
        {"Peak Torque", systemData, kSystemPeakTorque, "Nm", systemPeak, systemUnit, 12, "M", 1.0},
        {"Total Inertia", systemData, kTotalInertiaKgCm2, "kgcm²", totalInertia, inertiaUnit, 13, "M", 1e4},
    };
    for (const auto& row : rows) {
        const testing_support::PrintedRow printed = PrintedRowOf(lines, row.label, row.from);
        const QByteArray where =
            (row.label + " after line " + QString::number(row.from) + ": " + printed.line).toUtf8();
        QVERIFY2(!printed.number.isEmpty(), where.constData());
        // The calculation: the model's result agrees with the hand value.
        QVERIFY2(std::fabs(row.model * row.toPrinted - row.hand) <= 1e-6 * row.hand,
                 qPrintable(QStringLiteral("%1: model %2, hand %3")
                                .arg(QString(where))
                                .arg(row.model * row.toPrinted, 0, 'g', 10)
                                .arg(row.hand, 0, 'g', 10)));
        // The print: the hand value at the precision printed, in its unit ...
        bool isNumber = false;
        const double value = printed.number.toDouble(&isNumber);
        QVERIFY2(isNumber, where.constData());
        QVERIFY2(std::fabs(value - row.hand) <= testing_support::PrintedHalfStep(row.hand) * 1.001, where.constData());
        QCOMPARE(printed.unit, row.unit);
        // ... and exactly the model's result as the report formats it.
        std::string unitText;
        const std::string formatted =
            sFctFormatValueWithUnit(row.model, row.unitType, row.modelUnit, unitText, row.system);
        QCOMPARE(printed.number, QString::fromStdString(formatted));
        QCOMPARE(printed.unit, QString::fromStdString(unitText));
    }
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
