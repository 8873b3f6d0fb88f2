// The units dialog over the running program: choosing the system and the
// units, OK, Default, Cancel and the keys, and what the axes make of it.
#include "foundation/basDatabaseAccess.h"
#include "foundation/basParameterControl.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisData.h"
#include "model/basMechanismChain.h"
#include "shell/frmUnits.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/ProgramRun.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <cmath>

using namespace dialog_tests;

namespace {

constexpr int16_t kBeltPulley = 0;
constexpr int16_t kFrictionTorque = 11;  // entry of the belt-pulley

QComboBox* List(QWidget* dialog, const QString& name)
{
    return dialog->findChild<QComboBox*>(name);
}

QPushButton* Command(QWidget* dialog, int index)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("vseCommand_%1").arg(index));
}

void Choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
}

// The friction torque of mechanism index of axis 1.
ParamRec FrictionTorque(int16_t index)
{
    MechRec mechanism;
    nFctGetMechanism(1, index, mechanism);
    return mechanism.MechanismData[kFrictionTorque];
}

// Runs act on the units dialog shown through its entry point.
void WithUnitsDialog(QWidget* mainWindow, std::function<void(QWidget*)> act)
{
    bool shown = false;
    WhenModalShows([&](QWidget* dialog) {
        shown = dialog->objectName() == "frmUnits";
        act(dialog);
    });
    ShowUnitsDialog(mainWindow);
    QVERIFY(shown);
}

} // namespace

class TestUnits : public QObject {
    Q_OBJECT
private slots:
    // Axis 1 (opened at start-up) with a belt-pulley whose friction torque
    // is 10 lb-in.
    void init()
    {
        run = std::make_unique<testing_support::ProgramRun>();
        QVERIFY(run->Start());
        QCOMPARE(gnUnitSystem, int16_t(0));
        SubAppendMechanism(1, kBeltPulley);
        SubSetMechanismParameterValue(1, 0, kFrictionTorque, 10);
        QCOMPARE(QString::fromStdString(FrictionTorque(0).UnitText), QStringLiteral("lb-in"));
    }

    void cleanup() { run.reset(); }

    // US Standard to Metric with Ncm chosen: the open axis is converted,
    // and a mechanism appended afterwards is in Ncm too.
    void switchingTheSystemConvertsTheOpenAxes()
    {
        WithUnitsDialog(run->Main(), [](QWidget* dialog) {
            auto* tabs = dialog->findChild<QTabWidget*>("tabMain");
            QCOMPARE(tabs->currentIndex(), 0);
            Choose(List(dialog, "cboUnit"), "Metric");
            QCOMPARE(tabs->currentIndex(), 1);  // the tab follows the system
            Choose(List(dialog, "cboMetricUnits_5"), "Ncm");
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
        });
        QCOMPARE(gnUnitSystem, int16_t(1));
        QCOMPARE(gnMTorqueUnit, int16_t(1));
        // 1 lbf = 4.4482216152605 N, 1 in = 0.0254 m: 10 lb-in = 1.12984829 Nm
        // = 112.984829 Ncm.
        const ParamRec torque = FrictionTorque(0);
        QCOMPARE(QString::fromStdString(torque.UnitText), QStringLiteral("Ncm"));
        QVERIFY2(std::abs(torque.Data - 112.984829) < 1e-4, qPrintable(QString::number(torque.Data, 'g', 12)));

        SubAppendMechanism(1, kBeltPulley);
        QCOMPARE(QString::fromStdString(FrictionTorque(1).UnitText), QStringLiteral("Ncm"));
    }

    // Already metric: another torque unit converts nothing, but the next
    // mechanism takes the new unit.
    void aNewTorqueUnitAppliesToNewMechanismsOnly()
    {
        run->Trigger("mnuUnitsFunction_1");  // Units > Metric
        QCOMPARE(gnUnitSystem, int16_t(1));
        const ParamRec before = FrictionTorque(0);
        QCOMPARE(QString::fromStdString(before.UnitText), QStringLiteral("Nm"));

        WithUnitsDialog(run->Main(), [](QWidget* dialog) {
            QCOMPARE(dialog->findChild<QTabWidget*>("tabMain")->currentIndex(), 1);
            QCOMPARE(List(dialog, "cboUnit")->currentText(), QStringLiteral("Metric"));
            Choose(List(dialog, "cboMetricUnits_5"), "Ncm");
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
        });
        QCOMPARE(gnMTorqueUnit, int16_t(1));
        const ParamRec after = FrictionTorque(0);
        QCOMPARE(QString::fromStdString(after.UnitText), QStringLiteral("Nm"));
        QCOMPARE(after.Data, before.Data);

        SubAppendMechanism(1, kBeltPulley);
        QCOMPARE(QString::fromStdString(FrictionTorque(1).UnitText), QStringLiteral("Ncm"));
    }

    void okayStoresEverySelection()
    {
        WithUnitsDialog(run->Main(), [](QWidget* dialog) {
            Choose(List(dialog, "cboGeneralUnits_1"), "deg/s");
            Choose(List(dialog, "cboUSUnits_4"), "oz");
            Choose(List(dialog, "cboUSUnits_5"), "lb-ft");
            Choose(List(dialog, "cboMetricUnits_4"), "kg");
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
        });
        QCOMPARE(gnUnitSystem, int16_t(0));
        QCOMPARE(gnRotaryVelocityUnit, int16_t(2));  // n/s, rpm, deg/s
        QCOMPARE(gnEEWeightUnit, int16_t(1));
        QCOMPARE(gnEETorqueUnit, int16_t(2));
        QCOMPARE(gnMWeightUnit, int16_t(1));
        // Same system: the axis keeps its units and values.
        QCOMPARE(FrictionTorque(0).Data, 10.0);
        QCOMPARE(QString::fromStdString(FrictionTorque(0).UnitText), QStringLiteral("lb-in"));
    }

    void defaultShowsTheDefaultUnitsUntilOkay()
    {
        gnEETorqueUnit = 2;  // lb-ft
        gnMTorqueUnit = 1;   // Ncm
        WithUnitsDialog(run->Main(), [](QWidget* dialog) {
            QCOMPARE(List(dialog, "cboUSUnits_5")->currentText(), QStringLiteral("lb-ft"));
            QTest::mouseClick(Command(dialog, 2), Qt::LeftButton);
            QCOMPARE(List(dialog, "cboUSUnits_5")->currentText(), QStringLiteral("lb-in"));
            QCOMPARE(List(dialog, "cboMetricUnits_5")->currentText(), QStringLiteral("Nm"));
            QCOMPARE(List(dialog, "cboUnit")->currentIndex(), 0);  // the system is not touched
            QTest::mouseClick(Command(dialog, 1), Qt::LeftButton);
        });
        QCOMPARE(gnEETorqueUnit, int16_t(2));
        QCOMPARE(gnMTorqueUnit, int16_t(1));

        WithUnitsDialog(run->Main(), [](QWidget* dialog) {
            QTest::mouseClick(Command(dialog, 2), Qt::LeftButton);
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
        });
        // The Default positions are stored, not -1.
        QCOMPARE(gnEETorqueUnit, int16_t(0));
        QCOMPARE(gnMTorqueUnit, int16_t(0));
        QCOMPARE(gnEEWeightUnit, int16_t(0));
    }

    // A selection of -1 shows the Default unit and keeps its position even
    // when the dialog is cancelled; Escape is Cancel.
    void aDefaultSelectionBecomesThePositionOfTheDefault()
    {
        gnEEWeightUnit = -1;
        gnMTorqueUnit = 7;  // past the list
        WithUnitsDialog(run->Main(), [](QWidget* dialog) {
            QCOMPARE(List(dialog, "cboUSUnits_4")->currentText(), QStringLiteral("lb"));
            QCOMPARE(List(dialog, "cboMetricUnits_5")->currentText(), QStringLiteral("Nm"));
            Choose(List(dialog, "cboUnit"), "Metric");
            QTest::keyClick(List(dialog, "cboUSUnits_4"), Qt::Key_Escape);
        });
        QCOMPARE(gnEEWeightUnit, int16_t(0));
        QCOMPARE(gnMTorqueUnit, int16_t(0));
        QCOMPARE(gnUnitSystem, int16_t(0));
        QCOMPARE(FrictionTorque(0).Data, 10.0);
    }

    void listsHoldTheUnitsOfTheirTypeAndSystem()
    {
        WithUnitsDialog(run->Main(), [](QWidget* dialog) {
            const auto items = [dialog](const char* name) {
                QStringList texts;
                for (int k = 0; k < List(dialog, name)->count(); ++k)
                    texts << List(dialog, name)->itemText(k);
                return texts;
            };
            QCOMPARE(items("cboUnit"), QStringList({"US Standard", "Metric"}));
            QCOMPARE(items("cboUSUnits_5"), QStringList({"lb-in", "oz-in", "lb-ft"}));
            QCOMPARE(items("cboMetricUnits_5"), QStringList({"Nm", "Ncm"}));
            QCOMPARE(items("cboMetricUnits_4"), QStringList({"N", "kg"}));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Units - Setup..."));
            QTest::mouseClick(Command(dialog, 1), Qt::LeftButton);
        });
    }

    void f1OpensTheUnitsTopic()
    {
        RecordingServices services;
        frmUnits dialog(run->Main());
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(services.helpPages.size(), size_t(1));
        QVERIFY(QString::fromStdString(services.helpPages[0]).endsWith("help/UnitsSetup.htm"));
    }

    // A parameter table that cannot be rebuilt has shown its message and
    // keeps the previous table; the program goes on with the selections that
    // table was built for, so that both agree: the system, the torque unit
    // and the open axis stay as they were.
    void aFailedRebuildOfTheParameterTableKeepsTheProgramRunning()
    {
        const int16_t rows = gnParamControlCount;
        const int16_t torqueUnit = gnEETorqueUnit;
        const int16_t metricTorqueUnit = gnMTorqueUnit;
        SubCloseReferenceDatabase();
        WithUnitsDialog(run->Main(), [](QWidget* dialog) {
            Choose(List(dialog, "cboUSUnits_5"), "oz-in");
            Choose(List(dialog, "cboMetricUnits_5"), "Ncm");
            Choose(List(dialog, "cboUnit"), "Metric");
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
        });
        QCOMPARE(run->Messages().criticalBoxes.size(), size_t(1));
        QVERIFY(QString::fromStdString(run->Messages().criticalBoxes[0].title).endsWith("1003"));
        QCOMPARE(run->EndStatus(), -1);
        QVERIFY(run->Main()->isVisible());
        QCOMPARE(gnParamControlCount, rows);
        QCOMPARE(gnUnitSystem, int16_t(0));
        QCOMPARE(gnEETorqueUnit, torqueUnit);
        QCOMPARE(gnMTorqueUnit, metricTorqueUnit);
        QCOMPARE(FrictionTorque(0).Data, 10.0);
        QCOMPARE(QString::fromStdString(FrictionTorque(0).UnitText), QStringLiteral("lb-in"));
        // A new mechanism takes the unit of the table, which is the selected one.
        SubAppendMechanism(1, kBeltPulley);
        QCOMPARE(QString::fromStdString(FrictionTorque(1).UnitText), QStringLiteral("lb-in"));
        QCOMPARE(bFctOpenReferenceDatabase(), int16_t(-1));
    }

private:
    std::unique_ptr<testing_support::ProgramRun> run;
};

QTEST_MAIN(TestUnits)
#include "tst_units.moc"
