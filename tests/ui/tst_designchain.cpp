// The axis design window driven as a user drives it: the palette and the
// chain commands, the picture row, the buffer, the load type and help.
#include "design/frmAnalysis.h"
#include "design/frmAxisDesign.h"
#include "design/frmMotorReq.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "model/basChangeDetection.h"
#include "model/basMechanismChain.h"
#include "model/basWindowStatus.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/ImageControl.h"
#include "profile/frmProfile.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/ProgramRun.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QMdiArea>
#include <QtTest>

#include <algorithm>
#include <cmath>

using testing_support::MessageNumbers;
using testing_support::ProgramRun;

namespace {

// The design window of an axis, worked through its toolbars and pictures.
class DesignDriver {
public:
    explicit DesignDriver(int16_t axis) : axis_(axis), window_(AxisDesignWindow(axis)) {}
    frmAxisDesign* Window() const { return window_; }

    QAction* Tool(const char* key) const { return window_->findChild<QAction*>(key); }
    // Picks a palette tool, then gives the command of the top toolbar.
    void Command(const char* command, const char* palette = nullptr) const
    {
        if (palette)
            Tool(palette)->trigger();
        Tool(command)->trigger();
    }
    void AppendAll(const QStringList& palette) const
    {
        for (const QString& key : palette)
            Command("vseToolAppend", key.toLatin1().constData());
    }
    // The mechanism pictures shown, left to right.
    QList<platform::ImageControl*> Pictures() const
    {
        QList<platform::ImageControl*> shown;
        for (auto* picture : window_->findChildren<platform::ImageControl*>())
            if (picture->objectName().startsWith("imgMechanism_") && picture->isVisible())
                shown.append(picture);
        std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        return shown;
    }
    QStringList PictureNames() const
    {
        QStringList names;
        for (auto* picture : Pictures())
            names << picture->accessibleName();
        return names;
    }
    // [Gearbox, Leadscrew] with that lead, the axis in linear motion.
    void BuildLinearAxis(double lead) const
    {
        AppendAll({"Gearbox", "Leadscrew"});
        SubSetMechanismParameterValue(axis_, 1, 3, lead);
        SubSetMotionMode(axis_, 1);
    }
    void ClickPicture(int position) const { QTest::mouseClick(Pictures().at(position), Qt::LeftButton); }
    // The chain of the axis record.
    QList<int> ModelChain() const
    {
        QList<int> chain;
        for (int16_t i = 0; i < nFctGetMechanismCount(axis_); ++i)
            chain << nFctGetMechanismType(axis_, i);
        return chain;
    }
    bool RefusalShown() const
    {
        return window_->findChild<platform::ImageControl*>("imgCancel")->isVisible()
               && window_->findChild<QTimer*>("tmrSystem")->isActive();
    }
    // The framed picture positions.
    QList<int> Framed() const
    {
        QList<int> framed;
        const auto pictures = Pictures();
        for (int i = 0; i < pictures.size(); ++i)
            if (pictures[i]->BorderStyle() == 1)
                framed << i;
        return framed;
    }
    bool ElementToolsEnabled(bool enabled) const
    {
        for (const char* key : {"vseToolInsert", "vseToolCut", "vseToolReplace", "vseToolCopy"})
            if (Tool(key)->isEnabled() != enabled)
                return false;
        return true;
    }

private:
    int16_t axis_;
    frmAxisDesign* window_;
};

// File > Save As under that name in the run's folder, then File > Open of it.
void SaveAndReopen(ProgramRun& run, const char* name)
{
    const std::string file = run.Folder().file(name);
    run.fileAnswers = {file};
    run.Trigger("mnuFileFunction_2");
    run.fileAnswers = {file};
    run.Trigger("mnuFileFunction_1");
}

} // namespace

class TestDesignChain : public QObject {
    Q_OBJECT
private slots:
    void layoutShowsToolbarsPicturesAndPanels()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        QVERIFY(design.Window());
        for (const char* name : {"vsfMechInfo", "vsfMechanism", "vsfMotorInfo", "vsfMotor", "vsfLoad"})
            QVERIFY2(design.Window()->findChild<platform::FlexGrid*>(name), name);
        // Top toolbar and palette captions, two lines where the text has them.
        QCOMPARE(design.Tool("MotorReq")->text(), QString("Motor\nRequirements"));
        QCOMPARE(design.Tool("Winder1")->text(), QString("Winder - \nCenter Driven"));
        QCOMPARE(design.Tool("Title")->text(), QString("Available Mechanisms"));
        QVERIFY(design.ElementToolsEnabled(false));
        QVERIFY(!design.Tool("Buffer")->isEnabled());
        // The motor picture, selected at the first activation with its panel.
        auto* motor = design.Window()->findChild<platform::ImageControl*>("imgMotor");
        QCOMPARE(motor->accessibleName(), QString("RotaryMotor1.BMP"));
        QCOMPARE(motor->BorderStyle(), 1);
        QVERIFY(design.Window()->findChild<QFrame*>("vseMotor")->isVisible());
        auto* load = design.Window()->findChild<QComboBox*>("cboLoad");
        QCOMPARE(load->count(), 5);
        QCOMPARE(load->itemText(4), QString("Solid Rectangular"));
        // Restored, the window shows its content at its normal size, within
        // the area of the axis windows.
        design.Window()->SetWindowState(0);
        const QSize room = design.Window()->mdiArea()->viewport()->size();
        QVERIFY(design.Window()->width() >= std::min(700, room.width()));
        QVERIFY(design.Window()->height() >= std::min(500, room.height()));
        QVERIFY(design.Window()->width() <= std::max(room.width(), 200));
        // Dragged smaller than 200 x 367 pixels, it keeps that size.
        design.Window()->resize(100, 100);
        QCOMPARE(design.Window()->size(), QSize(200, 367));
        // A click on the load panel beside its grid focuses the grid.
        QVERIFY(QTest::qWaitForWindowActive(run.Main()));
        QTest::mouseClick(design.Window()->findChild<QFrame*>("vseLoad"), Qt::LeftButton, {}, QPoint(3, 3));
        QTRY_VERIFY(design.Window()->findChild<platform::FlexGrid*>("vsfLoad")->hasFocus());
    }

    void paletteSelectionIsExclusive()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.Tool("Gearbox")->trigger();
        design.Tool("Leadscrew")->trigger();
        QVERIFY(design.Tool("Leadscrew")->isChecked());
        QVERIFY(!design.Tool("Gearbox")->isChecked());
        // Picking a tool alone changes no chain.
        QVERIFY(design.ModelChain().isEmpty());
    }

    void chainRules_data()
    {
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<int>("select");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QList<int>>("after");  // empty list: refused

        const QStringList gearLead{"Gearbox", "Leadscrew"};
        QTest::newRow("append end device to empty chain") << QStringList{} << -1 << "vseToolAppend" << "Conveyor" << QList<int>{1};
        QTest::newRow("append transmission after end device") << gearLead << -1 << "vseToolAppend" << "Coupling" << QList<int>{};
        QTest::newRow("append second end device") << gearLead << -1 << "vseToolAppend" << "Conveyor" << QList<int>{};
        QTest::newRow("append transmission") << QStringList{"Gearbox"} << -1 << "vseToolAppend" << "BeltPulley" << QList<int>{4, 0};
        QTest::newRow("append end device after transmission") << QStringList{"Gearbox"} << -1 << "vseToolAppend" << "Winder2" << QList<int>{4, 62};
        QTest::newRow("append without palette tool") << QStringList{} << -1 << "vseToolAppend" << QString() << QList<int>{};
        QTest::newRow("replace first by end device") << gearLead << 0 << "vseToolReplace" << "Leadscrew" << QList<int>{};
        QTest::newRow("replace last by end device") << gearLead << 1 << "vseToolReplace" << "Conveyor" << QList<int>{4, 1};
        QTest::newRow("replace first by transmission") << gearLead << 0 << "vseToolReplace" << "Disk" << QList<int>{3, 5};
        QTest::newRow("replace end device by transmission") << gearLead << 1 << "vseToolReplace" << "Coupling" << QList<int>{4, 2};
        QTest::newRow("replace transmission before end by end") << QStringList{"Gearbox", "Coupling"} << 0 << "vseToolReplace" << "NipRoll" << QList<int>{};
        QTest::newRow("insert end device") << gearLead << 1 << "vseToolInsert" << "RackPinion" << QList<int>{};
        QTest::newRow("insert end device before transmission") << QStringList{"Gearbox"} << 0 << "vseToolInsert" << "RotaryTable" << QList<int>{};
        QTest::newRow("insert transmission before end device") << gearLead << 1 << "vseToolInsert" << "Coupling" << QList<int>{4, 2, 5};
        QTest::newRow("insert transmission first") << gearLead << 0 << "vseToolInsert" << "BeltPulley" << QList<int>{0, 4, 5};
        QTest::newRow("cut end device") << gearLead << 1 << "vseToolCut" << QString() << QList<int>{4};
        QTest::newRow("cut first element") << gearLead << 0 << "vseToolCut" << QString() << QList<int>{5};
    }

    void chainRules()
    {
        QFETCH(QStringList, chain);
        QFETCH(int, select);
        QFETCH(QString, command);
        QFETCH(QString, tool);
        QFETCH(QList<int>, after);
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.AppendAll(chain);
        QVERIFY(!design.RefusalShown());
        const QList<int> before = design.ModelChain();
        QCOMPARE(before.size(), chain.size());
        // After Append the new last element is selected; select another.
        if (select >= 0 && select != chain.size() - 1)
            design.ClickPicture(select);
        const QByteArray toolKey = tool.toLatin1();
        design.Command(command.toLatin1().constData(), tool.isEmpty() ? nullptr : toolKey.constData());

        QCOMPARE(design.RefusalShown(), after.isEmpty());
        QCOMPARE(design.ModelChain(), after.isEmpty() ? before : after);
        QCOMPARE(design.Pictures().size(), design.ModelChain().size());
        // A refusal never speaks.
        QVERIFY(run.Messages().messages.empty());
    }

    void refusalMarkBlinksAndHides()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.Command("vseToolAppend");  // no palette tool picked
        auto* mark = design.Window()->findChild<platform::ImageControl*>("imgCancel");
        auto* timer = design.Window()->findChild<QTimer*>("tmrSystem");
        QVERIFY(mark->isVisible());
        QCOMPARE(timer->interval(), 100);
        // Six ticks of 100 ms: shown, toggled five times, then hidden.
        int toggles = 0;
        bool last = mark->isVisible();
        QElapsedTimer clock;
        clock.start();
        while (timer->isActive() && clock.elapsed() < 3000) {
            QTest::qWait(20);
            if (mark->isVisible() != last) {
                last = mark->isVisible();
                ++toggles;
            }
        }
        QVERIFY(!timer->isActive());
        QVERIFY(!mark->isVisible());
        QCOMPARE(toggles, 5);
    }

    void limitOfSevenRefusesAppendAndInsertButReplaces()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.AppendAll({"Gearbox", "BeltPulley", "Coupling", "Disk", "BeltPulley", "Gearbox", "Leadscrew"});
        QCOMPARE(design.ModelChain(), (QList<int>{4, 0, 2, 3, 0, 4, 5}));
        QCOMPARE(design.PictureNames(), (QStringList{"Gearbox2.BMP", "BeltPulley2.BMP", "Coupling1.BMP", "Disk1.BMP",
                                                     "BeltPulley1.BMP", "Gearbox2.BMP", "Leadscrew2.BMP"}));
        design.Command("vseToolAppend", "Coupling");
        QVERIFY(design.RefusalShown());
        // For a look at the drive train with the refusal mark over it.
        design.Window()->SetWindowState(0);
        QApplication::processEvents();
        design.Window()->grab().save(QDir::temp().filePath("design_seven.png"));
        design.ClickPicture(2);
        design.Command("vseToolInsert", "Coupling");
        QCOMPARE(design.ModelChain(), (QList<int>{4, 0, 2, 3, 0, 4, 5}));
        design.Command("vseToolReplace", "Gearbox");
        QCOMPARE(design.ModelChain(), (QList<int>{4, 0, 4, 3, 0, 4, 5}));
        QCOMPARE(design.PictureNames().at(2), QString("Gearbox1.BMP"));
    }

    void insertSelectsTheNewElementAndRelevelsLaterPictures()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.AppendAll({"Gearbox", "Leadscrew"});
        QCOMPARE(design.PictureNames(), (QStringList{"Gearbox2.BMP", "Leadscrew2.BMP"}));
        QCOMPARE(design.Framed(), QList<int>{1});
        design.Command("vseToolInsert", "BeltPulley");
        QCOMPARE(design.ModelChain(), (QList<int>{4, 0, 5}));
        // The leadscrew now joins the pulley's lower shaft.
        QCOMPARE(design.PictureNames(), (QStringList{"Gearbox2.BMP", "BeltPulley2.BMP", "Leadscrew1.BMP"}));
        QCOMPARE(design.Framed(), QList<int>{1});
        // The help button names the selected mechanism's topic: a belt-pulley.
        dialog_tests::RecordingServices services;
        QTest::mouseClick(design.Window()->findChild<QPushButton*>("vseMechHelp"), Qt::LeftButton);
        QCOMPARE(services.helpPages.size(), size_t(1));
        QVERIFY(QString::fromStdString(services.helpPages[0]).endsWith("help/BeltPulley.htm"));
        // Each picture overlaps its left neighbour by 2 pixels, at one height.
        const auto pictures = design.Pictures();
        auto* motor = design.Window()->findChild<platform::ImageControl*>("imgMotor");
        QCOMPARE(pictures[0]->x(), motor->x() + motor->width() - 2);
        QCOMPARE(pictures[2]->x(), pictures[1]->x() + pictures[1]->width() - 2);
        QCOMPARE(pictures[2]->height(), motor->height());
    }

    void pictureNamesOfExampleChains_data()
    {
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("gearbox, belt-pulley, leadscrew") << QStringList{"Gearbox", "BeltPulley", "Leadscrew"}
                                                         << QStringList{"Gearbox2.BMP", "BeltPulley2.BMP", "Leadscrew1.BMP"};
        QTest::newRow("two belt-pulleys, conveyor") << QStringList{"BeltPulley", "BeltPulley", "Conveyor"}
                                                    << QStringList{"BeltPulley2.BMP", "BeltPulley1.BMP", "Conveyor2.BMP"};
        QTest::newRow("centre-driven winder") << QStringList{"Winder1"} << QStringList{"WinderCenter1.BMP"};
        QTest::newRow("surface-driven winder") << QStringList{"Winder2"} << QStringList{"WinderSurface2.BMP"};
        QTest::newRow("pulley, rack-pinion") << QStringList{"BeltPulley", "RackPinion"}
                                             << QStringList{"BeltPulley2.BMP", "RackPinion1.BMP"};
    }

    void pictureNamesOfExampleChains()
    {
        QFETCH(QStringList, chain);
        QFETCH(QStringList, names);
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.AppendAll(chain);
        QCOMPARE(design.PictureNames(), names);
        for (auto* picture : design.Pictures())
            QVERIFY(!picture->Picture().isNull());
    }

    void cutOfTheOnlyElementEmptiesTheChain()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.AppendAll({"Gearbox"});
        QVERIFY(design.ElementToolsEnabled(true));
        design.Command("vseToolCut");
        QVERIFY(design.ModelChain().isEmpty());
        QVERIFY(design.Pictures().isEmpty());
        QVERIFY(design.ElementToolsEnabled(false));
        // The cut element went into the buffer.
        QCOMPARE(nFctGetMechBufferType(), MechanismType::Gearbox);
        QVERIFY(design.Tool("Buffer")->isEnabled());
        QCOMPARE(design.Tool("Buffer")->toolTip(), QString("Buffer: Gearbox"));
        QCOMPARE(design.Tool("Buffer")->text(), QString("Buffer"));
    }

    void selectionOfPicturesAndMotorExcludeEachOther()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        auto* motor = design.Window()->findChild<platform::ImageControl*>("imgMotor");
        auto* motorPanel = design.Window()->findChild<QFrame*>("vseMotor");
        design.AppendAll({"Gearbox", "Disk"});
        // Append de-selected the motor.
        QCOMPARE(motor->BorderStyle(), 0);
        QVERIFY(!motorPanel->isVisible());
        design.ClickPicture(0);
        QCOMPARE(design.Framed(), QList<int>{0});
        // A click on the selected picture clears the selection.
        design.ClickPicture(0);
        QVERIFY(design.Framed().isEmpty());
        QVERIFY(design.ElementToolsEnabled(false));
        design.ClickPicture(1);
        QTest::mouseClick(motor, Qt::LeftButton);
        QVERIFY(design.Framed().isEmpty());
        QCOMPARE(motor->BorderStyle(), 1);
        QVERIFY(motorPanel->isVisible());
        QVERIFY(design.ElementToolsEnabled(false));
        // The help button does nothing while the motor is selected.
        dialog_tests::RecordingServices services;
        QTest::mouseClick(design.Window()->findChild<QPushButton*>("vseMechHelp"), Qt::LeftButton);
        QVERIFY(services.helpPages.empty());
        design.ClickPicture(1);
        QCOMPARE(motor->BorderStyle(), 0);
        QVERIFY(!motorPanel->isVisible());
        QTest::mouseClick(design.Window()->findChild<QPushButton*>("vseMechHelp"), Qt::LeftButton);
        QCOMPARE(services.helpPages.size(), size_t(1));
        QVERIFY(QString::fromStdString(services.helpPages[0]).endsWith("help/Disk.htm"));
    }

    void linearEndAsksBeforeReplaceAndCut_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("answer");
        QTest::addColumn<double>("pitch");  // 0: the switch to rotary is refused
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("messages");
        QTest::newRow("cut, no") << "vseToolCut" << "" << int(kResultNo) << 5.0 << QList<int>{4, 5} << 1 << QList<int>{4003};
        QTest::newRow("cut, yes") << "vseToolCut" << "" << int(kResultYes) << 5.0 << QList<int>{4} << 0 << QList<int>{4003};
        QTest::newRow("replace, yes") << "vseToolReplace" << "RackPinion" << int(kResultYes) << 5.0 << QList<int>{4, 6} << 0 << QList<int>{4003};
        QTest::newRow("replace, no") << "vseToolReplace" << "RackPinion" << int(kResultNo) << 5.0 << QList<int>{4, 5} << 1 << QList<int>{4003};
        // The profile refuses the switch (no lead to convert with): nothing changes.
        QTest::newRow("cut, yes, switch refused") << "vseToolCut" << "" << int(kResultYes) << 0.0 << QList<int>{4, 5} << 1 << QList<int>{4003, 2010};
    }

    void linearEndAsksBeforeReplaceAndCut()
    {
        QFETCH(QString, command);
        QFETCH(QString, tool);
        QFETCH(int, answer);
        QFETCH(double, pitch);
        QFETCH(QList<int>, after);
        QFETCH(int, mode);
        QFETCH(QList<int>, messages);
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.BuildLinearAxis(pitch);
        run.Messages().answers.push_back(static_cast<int16_t>(answer));
        const QByteArray toolKey = tool.toLatin1();
        design.Command(command.toLatin1().constData(), tool.isEmpty() ? nullptr : toolKey.constData());
        QCOMPARE(design.ModelChain(), after);
        QCOMPARE(design.Pictures().size(), after.size());
        QCOMPARE(nFctGetMotionMode(1), int16_t(mode));
        const std::vector<int> shown = MessageNumbers(run.Messages());
        QCOMPARE(QList<int>(shown.begin(), shown.end()), messages);
    }

    // Reopened from its file, the window has no palette tool pressed: a
    // Replace of the linear end is refused by the chain rules before any
    // question, and nothing changes (the motion mode stays linear).
    void refusedReplaceAsksNothingAndChangesNothing()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver(1).BuildLinearAxis(5.0);
        SaveAndReopen(run, "linear.dat");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(nFctGetMotionMode(1), int16_t(1));
        // 1 would say the axes differ from the file (2: only the windows moved).
        QVERIFY(nFctGetModifiedState() != 1);

        DesignDriver reopened(1);
        reopened.ClickPicture(1);
        run.Messages().answers = {kResultYes};
        reopened.Command("vseToolReplace");
        QVERIFY(reopened.RefusalShown());
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(reopened.ModelChain(), (QList<int>{4, 5}));
        QCOMPARE(reopened.Pictures().size(), 2);
        QCOMPARE(nFctGetMotionMode(1), int16_t(1));
        QVERIFY(ProfileWindow(1)->findChild<QRadioButton*>("optMotionMode_1")->isChecked());
        // The axis is the one read from the file, value for value.
        QVERIFY(nFctGetModifiedState() != 1);
    }

    void withoutItsProfileWindowTheLinearEndStays()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.BuildLinearAxis(5.0);
        SubUnloadAxisWindow(1, WindowKind::Profile);
        QTRY_VERIFY(!ProfileWindow(1));
        run.Messages().answers = {kResultYes, kResultYes};
        design.Command("vseToolCut");
        design.Command("vseToolReplace", "Conveyor");
        QCOMPARE(design.ModelChain(), (QList<int>{4, 5}));
        QCOMPARE(nFctGetMotionMode(1), int16_t(1));
    }

    void rotaryAxisChangesItsLinearEndWithoutAQuestion()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        design.AppendAll({"Gearbox", "Leadscrew"});
        design.Command("vseToolReplace", "RackPinion");
        QCOMPARE(design.ModelChain(), (QList<int>{4, 6}));
        design.Command("vseToolCut");
        QCOMPARE(design.ModelChain(), QList<int>{4});
        QVERIFY(run.Messages().messages.empty());
    }

    void copyInOneAxisPastesIntoAnother()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");
        DesignDriver first(1);
        DesignDriver second(2);
        QVERIFY(second.Window());
        // Copy with nothing selected does nothing.
        first.Command("vseToolCopy");
        QVERIFY(!first.Tool("Buffer")->isEnabled());
        first.AppendAll({"Gearbox", "Leadscrew"});
        first.ClickPicture(0);
        SubSetMechanismParameterValue(1, 0, 0, 12.5);
        SubSetMechanismManufacturer(1, 0, "Acme");
        first.Command("vseToolCopy");
        const QImage gearbox = first.Tool("Gearbox")->icon().pixmap(24, 24).toImage();
        for (const DesignDriver* design : {&first, &second}) {
            QAction* buffer = design->Tool("Buffer");
            QVERIFY(buffer->isEnabled());
            QCOMPARE(buffer->toolTip(), QString("Buffer: Gearbox"));
            QCOMPARE(buffer->text(), QString("Buffer"));
            QCOMPARE(buffer->icon().pixmap(24, 24).toImage(), gearbox);
        }
        // Pasted twice into the other axis: the buffered parameters each time.
        second.Command("vseToolAppend", "Buffer");
        second.Command("vseToolAppend", "Buffer");
        QCOMPARE(second.ModelChain(), (QList<int>{4, 4}));
        for (int16_t i = 0; i < 2; ++i) {
            MechRec pasted;
            nFctGetMechanism(2, i, pasted);
            QCOMPARE(pasted.MechanismData[0].Data, 12.5);
            QCOMPARE(pasted.Manufacturer, std::string("Acme"));
        }
        // Copy of a winder names it in full.
        second.Command("vseToolAppend", "Winder1");
        second.Command("vseToolCopy");
        QCOMPARE(first.Tool("Buffer")->toolTip(), QString("Buffer: Center Driven Winder"));
    }

    // A refused Weight Only keeps the load chosen and entered before it.
    void weightOnlyNeedsALinearEnd()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        QVERIFY(QTest::qWaitForWindowActive(run.Main()));
        DesignDriver design(1);
        auto* load = design.Window()->findChild<QComboBox*>("cboLoad");
        auto* grid = design.Window()->findChild<platform::FlexGrid*>("vsfLoad");
        // Solid Cylinder, then 12 for its diameter.
        load->setCurrentIndex(2);
        QCOMPARE(nFctGetLoadType(1), LoadType::SolidCylinder);
        QVERIFY(testing_support::TypeIntoCell(grid, 1, 2, "12"));

        load->setFocus();
        QTest::keyClick(load, Qt::Key_Up);  // Weight Only
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{3001});
        QCOMPARE(load->currentIndex(), 2);
        QCOMPARE(load->currentText(), QString("Solid Cylinder"));
        QCOMPARE(nFctGetLoadType(1), LoadType::SolidCylinder);
        ParamRec diameter;
        nFctGetLoadParameter(1, 0, diameter);
        QCOMPARE(diameter.Data, 12.0);
        QCOMPARE(grid->TextMatrix(1, 2), QString("12"));

        // With a linear end it is accepted.
        design.AppendAll({"Leadscrew"});
        load->setFocus();
        QTest::keyClick(load, Qt::Key_Up);
        QCOMPARE(nFctGetLoadType(1), LoadType::WeightOnly);
        QCOMPARE(load->currentIndex(), 1);
        QCOMPARE(run.Messages().messages.size(), size_t(1));
    }

    // An element copied in metric units and pasted after Units > English
    // Engineering shows in inches like the rest of the axis.
    void pastedElementTakesTheUnitsOfTheSystemNow()
    {
        ProgramRun run;
        run.WriteSettings("[Unit Settings]\nUnits=1\n");
        QVERIFY(run.Start());
        QVERIFY(QTest::qWaitForWindowActive(run.Main()));
        DesignDriver design(1);
        auto* grid = design.Window()->findChild<platform::FlexGrid*>("vsfMechanism");
        design.AppendAll({"BeltPulley"});
        QCOMPARE(grid->TextMatrix(1, 3), QString("mm"));
        const QString separator = QString::fromStdString(gsDecimalSeparator);
        QVERIFY(testing_support::TypeIntoCell(grid, 1, 2, "50" + separator + "8"));  // motor pulley diameter
        design.Command("vseToolCopy");

        run.Trigger("mnuUnitsFunction_0");
        QCOMPARE(gnUnitSystem, int16_t(0));
        design.Command("vseToolAppend", "Buffer");
        QCOMPARE(design.ModelChain(), (QList<int>{0, 0}));
        // 50.8 mm / 25.4 mm/in = 2 in, in the grid of the pasted element
        // and in the record of both.
        QCOMPARE(grid->TextMatrix(1, 2), QString("2"));
        QCOMPARE(grid->TextMatrix(1, 3), QString("in"));
        for (int16_t position = 0; position < 2; ++position) {
            MechRec pulley;
            nFctGetMechanism(1, position, pulley);
            QCOMPARE(QString::fromStdString(pulley.MechanismData[0].UnitText), QString("in"));
            QVERIFY(std::abs(pulley.MechanismData[0].Data - 2.0) < 1e-12);
        }
    }

    void helpAnalysisAndMotorTools()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        DesignDriver design(1);
        {
            dialog_tests::RecordingServices services;
            QTest::keyClick(design.Window()->findChild<platform::FlexGrid*>("vsfLoad"), Qt::Key_F1);
            design.Command("vseToolHelp");
            QCOMPARE(services.helpPages.size(), size_t(2));
            for (const std::string& page : services.helpPages)
                QVERIFY(QString::fromStdString(page).endsWith("help/AxisDesign.htm"));
        }
        gnAnalysisAxis = 0;
        bool analysisShown = false;
        dialog_tests::WhenModalShows([&](QWidget* modal) {
            analysisShown = qobject_cast<frmAnalysis*>(modal) && gnAnalysisAxis == 1;
        });
        design.Command("vseToolAnalyze");
        QVERIFY(analysisShown);
        gnAnalysisAxis = 0;
        bool requirementsShown = false;
        dialog_tests::WhenModalShows([&](QWidget* modal) {
            requirementsShown = qobject_cast<frmMotorReq*>(modal) && gnAnalysisAxis == 1;
        });
        design.Command("MotorReq");
        QVERIFY(requirementsShown);

        MotorRec motor;
        SubInitMotorRecord(motor, MotorType::AcServo);
        nFctSetAxisMotor(1, motor, 0);
        QVERIFY(model::FindAxis(1)->MotorDefined != 0);
        design.Command("ClearMotor");
        // The motor is cleared and the motor grid shows the default motor.
        QCOMPARE(model::FindAxis(1)->MotorIdentifier, MotorType::Motor);
        QCOMPARE(model::FindAxis(1)->MotorManufacturer, std::string());
    }

    void firstActivationRebuildsTheWindowFromTheAxis()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        {
            DesignDriver design(1);
            design.AppendAll({"Gearbox", "BeltPulley", "Leadscrew"});
            design.ClickPicture(0);
            design.Command("vseToolCopy");
            design.Window()->findChild<QComboBox*>("cboLoad")->setCurrentIndex(3);
        }
        SaveAndReopen(run, "chain.dat");
        QVERIFY(run.Messages().messages.empty());
        DesignDriver reopened(1);
        QVERIFY(reopened.Window());
        QCOMPARE(reopened.PictureNames(), (QStringList{"Gearbox2.BMP", "BeltPulley2.BMP", "Leadscrew1.BMP"}));
        QVERIFY(reopened.Framed().isEmpty());
        QCOMPARE(reopened.Window()->findChild<QComboBox*>("cboLoad")->currentIndex(), 3);
        QCOMPARE(nFctGetLoadType(1), LoadType::HollowCylinder);
        QCOMPARE(reopened.Window()->findChild<platform::ImageControl*>("imgMotor")->BorderStyle(), 1);
        // The buffer outlives the file; the new window shows what it holds.
        QVERIFY(reopened.Tool("Buffer")->isEnabled());
        QCOMPARE(reopened.Tool("Buffer")->toolTip(), QString("Buffer: Gearbox"));
        // The rebuilt chain takes commands like a built one.
        reopened.ClickPicture(2);
        reopened.Command("vseToolInsert", "Coupling");
        QCOMPARE(reopened.ModelChain(), (QList<int>{4, 0, 2, 5}));
        QCOMPARE(reopened.PictureNames(), (QStringList{"Gearbox2.BMP", "BeltPulley2.BMP", "Coupling1.BMP", "Leadscrew1.BMP"}));
    }

    void closeBoxMinimisesAndRecordsTheState()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        frmAxisDesign* design = AxisDesignWindow(1);
        design->close();
        QTRY_VERIFY(design->isMinimized());
        QVERIFY(AxisDesignWindow(1));
        const auto entry = std::find_if(gWindowStatus.begin(), gWindowStatus.end() - 1, [](const WindowStatusRow& row) {
            return row.AxisNumber == 1 && row.FormNumber == WindowKind::AxisDesign;
        });
        QVERIFY(entry != gWindowStatus.end() - 1);
        QCOMPARE(entry->Status, int16_t(1));
    }
};

QTEST_MAIN(TestDesignChain)
#include "tst_designchain.moc"
