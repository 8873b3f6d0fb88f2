// The velocity profile window driven as a user drives it: the quick setup
// typed in and submitted, segments edited in the table, the motion mode
// switched, the profile cleared, and the graphs read back as numbers.
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "design/frmAxisDesign.h"
#include "model/basMechanismChain.h"
#include "platform/core/ResourceStrings.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/LineGraph.h"
#include "profile/frmProfile.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/ProgramRun.h"

#include <QComboBox>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QtTest>

#include <cmath>

using platform::FlexGrid;
using testing_support::ProgramRun;

namespace {

constexpr int16_t kAxis = 1;
constexpr double kPi = 3.14159265358979;

// The program in metric units with its default axis, the profile window of
// that axis in front.
struct ProfileRun {
    ProfileRun()
    {
        run.WriteSettings("[Unit Settings]\nUnits=1\n");
        started = run.Start();
        if (!started)
            return;
        profile = ProfileWindow(kAxis);
        Activate();
    }
    // Brings the window to the front from the design window, as a click
    // on it would.
    void Activate()
    {
        AxisDesignWindow(kAxis)->BringToFront();
        profile->BringToFront();
        QTest::qWait(1);
    }
    FlexGrid* QuickSetup() const { return profile->findChild<FlexGrid*>("vsfQuickSetup"); }
    FlexGrid* Segments() const { return profile->findChild<FlexGrid*>("vsfVelProfile"); }
    platform::LineGraph* Graph(const char* name) const { return profile->findChild<platform::LineGraph*>(name); }
    QRadioButton* Option(int k) const
    {
        return profile->findChild<QRadioButton*>(QStringLiteral("optMotionMode_%1").arg(k));
    }
    QAction* Tool(const char* key) const { return profile->findChild<QAction*>(key); }
    // Submit of the quick setup.
    void Submit() const { QTest::mouseClick(profile->findChild<QPushButton*>("vseTransfer"), Qt::LeftButton); }
    // The second entry of the quick-setup mode list, chosen with the keyboard.
    void ChooseTrapezoidal() const
    {
        auto* combo = profile->findChild<QComboBox*>("cboProfileMode");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
    }
    std::vector<int> MessageNumbers() { return testing_support::MessageNumbers(run.Messages()); }

    ProgramRun run;
    bool started = false;
    frmProfile* profile = nullptr;
};

using testing_support::ClickCell;
using testing_support::TypeIntoCell;

// Picks a unit from the drop-down list of a quick-setup unit cell.
bool PickUnit(FlexGrid* grid, int row, const QString& unit)
{
    return testing_support::PickFromCellList(grid, row, 3, unit) && !grid->IsEditing();
}

// A steel disk 200 mm x 20 mm (7.85 g/cm^3) as the axis's chain.
void AppendSteelDisk()
{
    SubAppendMechanism(kAxis, MechanismType::Disk);
    SubSetMechanismParameterValue(kAxis, 0, 0, 200);
    SubSetMechanismParameterValue(kAxis, 0, 1, 20);
    SubSetMechanismParameterValue(kAxis, 0, 3, 7.85);
}

// A leadscrew of 5 mm/rev appended as the chain's linear end.
void AppendLeadscrew()
{
    SubAppendMechanism(kAxis, MechanismType::Leadscrew);
    SubSetMechanismParameterValue(kAxis, nFctGetMechanismCount(kAxis) - 1, 3, 5.0);
}

// Types a trapezoidal move of 600 rpm for 1 s with 0.2 s ramps (the
// deceleration time follows the acceleration time).
bool EnterTrapezoid(FlexGrid* quick)
{
    return TypeIntoCell(quick, 1, 1, "600") && TypeIntoCell(quick, 2, 1, "1") && TypeIntoCell(quick, 4, 1, "0.2");
}

// Segment s (from 0), field f (0 initial velocity .. 5 load weight).
int SegmentRow(int s, int f)
{
    return 6 * s + f + 1;
}

QStringList Column(FlexGrid* grid, int col, int firstRow, int lastRow)
{
    QStringList cells;
    for (int r = firstRow; r <= lastRow; ++r)
        cells << grid->TextMatrix(r, col);
    return cells;
}

double SegmentValue(int s, int16_t field)
{
    ParamRec p;
    SubGetProfileSegmentParameter(kAxis, static_cast<int16_t>(s), field, p);
    return p.Data;
}

bool Close(double a, double b, double tolerance = 1e-6)
{
    return std::fabs(a - b) <= tolerance * std::max(1.0, std::fabs(b));
}

} // namespace

class ProfileWindowTest : public QObject {
    Q_OBJECT
private slots:
    void windowControlsAndActivation();
    void trapezoidalSubmitFillsTheSegmentTable();
    void submitRefusesRampsLongerThanTheMove();
    void timeAxisSpacingFollowsTheMove();
    void finalVelocityIsHandedOnToTheNextSegment();
    void minusSignOnlyWhereAValueMayBeNegative();
    void decimalCommaOfTheLocale();
    void loadFlagTakesYesOrNo();
    void loadFlagSpeaksTheLanguageChosen();
    void rowsTheAxisDoesNotHoldTakeNoValue();
    void cursorStepsOverInitialVelocityRows();
    void linearNeedsATravelValue();
    void activationFollowsTheChainsEnd();
    void theOptionShownSelectedStartsNoSwitch();
    void clearKeepsLinearMotion();
    void dwellUnitChangeInTriangularMode();
    void unitChangeAcrossLinearAndRotaryNeedsALead();
    void unitSystemChangeRetitlesTheGraphs();
    void torqueGraphStepsAreTheSegmentTorques();
    void bothGraphsShareOneTimeAxis();
    void paintsATrapezoidalMoveAtBothSizes();
};

void ProfileWindowTest::windowControlsAndActivation()
{
    ProfileRun p;
    QVERIFY(p.started);
    QCOMPARE(p.profile->windowTitle(), QStringLiteral("Velocity Profile -  1"));
    QCOMPARE(gnTreeActiveLine, int16_t(3));
    auto* combo = p.profile->findChild<QComboBox*>("cboProfileMode");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(1), QStringLiteral("Trapezoidal"));
    QVERIFY(p.Option(0)->isChecked());
    QVERIFY(!p.Option(1)->isEnabled());  // the chain has no linear end
    auto* tools = p.profile->findChild<QToolBar*>("vseVelocityTools");
    QVERIFY(tools);
    for (const char* key : {"vseVelocityClear", "vseVelocityRotary", "vseVelocityLinear", "vseVelocityHelp"})
        QVERIFY2(p.Tool(key) && tools->actions().contains(p.Tool(key)), key);
    QVERIFY(p.Tool("vseVelocityRotary")->isChecked());
    QVERIFY(!p.Tool("vseVelocityLinear")->isChecked());

    // Triangular: velocity, total time, distance, dwell time.
    FlexGrid* quick = p.QuickSetup();
    QCOMPARE(Column(quick, 0, 1, 4), (QStringList{"Velocity", "Total Time", "Distance", "Dwell Time"}));
    QCOMPARE(quick->TextMatrix(5, 0), QString());
    // Ten segments of six rows, numbered 1 to 10.
    FlexGrid* table = p.Segments();
    QCOMPARE(table->Rows(), 61);
    QCOMPARE(table->TextMatrix(1, 0), QStringLiteral("1"));
    QCOMPARE(table->TextMatrix(55, 0), QStringLiteral("10"));
    QCOMPARE(table->TextMatrix(2, 0), QString());
    QCOMPARE(table->TextMatrix(6, 2), QStringLiteral("Yes"));

    // Both sizes keep the tables at the right edge in a fixed width and
    // share the rest between the two graphs, one above the other.
    p.profile->showNormal();
    QWidget* content = p.profile->widget();
    auto frame = [&](const char* name) {
        QWidget* w = p.profile->findChild<QWidget*>(name);
        return QRect(w->mapTo(content, QPoint(0, 0)), w->size());
    };
    for (const QSize& size : {QSize(760, 540), p.profile->minimumSize()}) {
        p.profile->resize(size);
        QTest::qWait(20);
        const QRect quickPanel = frame("vseQuickSetup");
        const QRect segmentPanel = frame("vseVelProfile");
        const QRect velocityPanel = frame("vseVelocityGraph");
        const QRect torquePanel = frame("vseTorqueGraph");
        QCOMPARE(quickPanel.width(), segmentPanel.width());
        QCOMPARE(quickPanel.left(), segmentPanel.left());
        QVERIFY(content->width() - quickPanel.right() < 10);
        QVERIFY(segmentPanel.top() > quickPanel.bottom());
        QVERIFY(velocityPanel.right() < quickPanel.left());
        QVERIFY(torquePanel.top() > velocityPanel.bottom());
        QVERIFY(std::abs(velocityPanel.height() - torquePanel.height()) <= 1);
        QVERIFY(p.Graph("grpTorque")->height() >= 60);
    }

    // F1 in the window (here in a grid) opens the window's help page.
    p.Segments()->setFocus();
    QTest::keyClick(p.Segments(), Qt::Key_F1);
    auto* viewer = p.run.Main()->findChild<platform::HelpViewer*>();
    QVERIFY(viewer);
    QVERIFY(viewer->CurrentPage().endsWith("help/VelocityProfile.htm"));

    // The close box only minimises.
    p.profile->close();
    QTRY_VERIFY(p.profile->isMinimized());
    QCOMPARE(ProfileWindow(kAxis), p.profile);
}

void ProfileWindowTest::trapezoidalSubmitFillsTheSegmentTable()
{
    ProfileRun p;
    QVERIFY(p.started);
    p.ChooseTrapezoidal();
    QCOMPARE(nFctGetQuickSetupMode(kAxis), int16_t(QuickSetupMode::Trapezoidal));
    FlexGrid* quick = p.QuickSetup();
    QCOMPARE(Column(quick, 0, 1, 6),
             (QStringList{"Velocity", "Total Time", "Distance", "Accel. Time", "Decel. Time", "Dwell Time"}));

    // 600 rpm for 1 s with 0.2 s ramps; the deceleration time follows the
    // acceleration time while it is 0.
    QVERIFY(EnterTrapezoid(quick));
    QCOMPARE(quick->TextMatrix(5, 1), QStringLiteral("0.2"));
    ParamRec decel;
    nFctGetQuickSetupParameter(kAxis, 4, decel);
    QCOMPARE(decel.Data, 0.2);
    // Distance S = 10 rev/s x (0.1 + 0.6 + 0.1) s = 8 rev.
    QCOMPARE(Column(quick, 2, 1, 6), (QStringList{"600", "1", "8", "0.2", "0.2", "0"}));
    // A partner that is not 0 is left alone.
    QVERIFY(TypeIntoCell(quick, 5, 1, "0.3"));
    QCOMPARE(quick->TextMatrix(4, 1), QStringLiteral("0.2"));
    QVERIFY(TypeIntoCell(quick, 5, 1, "0.2"));

    p.Submit();
    QVERIFY(p.MessageNumbers().empty());

    // Ramp up 0 -> 600 rpm in 0.2 s: 3000 rpm/s, 10 rev/s / 2 x 0.2 s = 1 rev;
    // constant 600 rpm for 0.6 s: 6 rev; ramp down in 0.2 s: -3000 rpm/s, 1 rev.
    FlexGrid* table = p.Segments();
    QCOMPARE(Column(table, 3, 1, 5), (QStringList{"0", "600", "0.2", "3000", "1"}));
    QCOMPARE(Column(table, 3, 7, 11), (QStringList{"600", "600", "0.6", "0", "6"}));
    QCOMPARE(Column(table, 3, 13, 17), (QStringList{"600", "0", "0.2", "-3000", "1"}));
    QCOMPARE(Column(table, 3, 19, 23), (QStringList{"0", "0", "0", "0", "0"}));
    // The entries keep what defines each segment: velocities and durations.
    QCOMPARE(Column(table, 2, 1, 5), (QStringList{"0", "600", "0.2", "0", "0"}));
    QCOMPARE(table->TextMatrix(4, 4), QStringLiteral("rev/min/s"));

    // The velocity graph: the trapezoid's corners, then the empty segments
    // at the end time.
    const platform::GraphData velocity = p.Graph("grpVelocity")->Data();
    QCOMPARE(velocity.points.size(), size_t(11));
    const QPointF corners[] = {{0, 0}, {0.2, 600}, {0.8, 600}, {1.0, 0}};
    for (size_t k = 0; k < 4; ++k) {
        QVERIFY2(Close(velocity.points[k].x(), corners[k].x()) && Close(velocity.points[k].y(), corners[k].y()),
                 qPrintable(QStringLiteral("point %1").arg(k)));
    }
    for (size_t k = 4; k < 11; ++k)
        QVERIFY(Close(velocity.points[k].x(), 1.0) && velocity.points[k].y() == 0.0);
    QCOMPARE(velocity.upper, 600.0);
    QCOMPARE(velocity.lowerExtent, 0.0);
    QCOMPARE(velocity.valueTitle, QStringLiteral("rpm"));
    QCOMPARE(velocity.timeTitle, QStringLiteral("s"));

    // Back to Triangular: four rows, the stored ramp times hidden but kept.
    auto* combo = p.profile->findChild<QComboBox*>("cboProfileMode");
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(nFctGetQuickSetupMode(kAxis), int16_t(QuickSetupMode::Triangular));
    QCOMPARE(Column(quick, 0, 1, 5), (QStringList{"Velocity", "Total Time", "Distance", "Dwell Time", ""}));
    QCOMPARE(Column(quick, 1, 1, 4), (QStringList{"600", "1", "0", "0"}));
    p.ChooseTrapezoidal();
    QCOMPARE(Column(quick, 1, 4, 5), (QStringList{"0.2", "0.2"}));
}

void ProfileWindowTest::submitRefusesRampsLongerThanTheMove()
{
    ProfileRun p;
    QVERIFY(p.started);
    p.ChooseTrapezoidal();
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(TypeIntoCell(quick, 1, 1, "600"));
    QVERIFY(TypeIntoCell(quick, 2, 1, "1"));
    // 0.6 s + 0.6 s of ramps in a move of 1 s.
    QVERIFY(TypeIntoCell(quick, 4, 1, "0.6"));
    QCOMPARE(quick->TextMatrix(5, 1), QStringLiteral("0.6"));
    const QStringList before = Column(p.Segments(), 2, 1, 60);
    p.Submit();
    QCOMPARE(p.MessageNumbers(), std::vector<int>{2006});
    QCOMPARE(Column(p.Segments(), 2, 1, 60), before);
    QVERIFY(bFctProfileEmpty(kAxis));
}

void ProfileWindowTest::timeAxisSpacingFollowsTheMove()
{
    // A triangular move of T seconds: under 1 s a tick every 0.1 s (0.2 s
    // from 0.8 s on), then one a second up to 20 s, above that the whole
    // part of T / 10.
    const std::pair<const char*, double> cases[] = {{"0.4", 0.1}, {"20", 1.0}, {"20.5", 2.0}};
    for (const auto& [time, spacing] : cases) {
        ProfileRun p;
        QVERIFY(p.started);
        FlexGrid* quick = p.QuickSetup();
        QVERIFY(TypeIntoCell(quick, 1, 1, "60"));
        QVERIFY(TypeIntoCell(quick, 2, 1, time));
        p.Submit();
        const platform::GraphData velocity = p.Graph("grpVelocity")->Data();
        QVERIFY(!velocity.points.empty());
        // The graph reads the table's values in single precision.
        QVERIFY(std::fabs(velocity.points.back().x() - QString(time).toDouble()) < 1e-6);
        QCOMPARE(velocity.tickSpacing, spacing);
        QCOMPARE(velocity.labelSpacing, spacing);
    }
}

void ProfileWindowTest::finalVelocityIsHandedOnToTheNextSegment()
{
    ProfileRun p;
    QVERIFY(p.started);
    FlexGrid* table = p.Segments();
    // Segment 1's entered final velocity becomes segment 2's initial one.
    QVERIFY(TypeIntoCell(table, SegmentRow(0, 1), 2, "300"));
    QCOMPARE(table->TextMatrix(SegmentRow(1, 0), 2), QStringLiteral("300"));
    QCOMPARE(SegmentValue(1, SegmentParam::InitialVelocity), 300.0);
    // Its duration of 2 s completes it: (300 - 0) / 2 = 150 rpm/s.
    QVERIFY(TypeIntoCell(table, SegmentRow(0, 2), 2, "2"));
    QCOMPARE(table->TextMatrix(SegmentRow(0, 3), 3), QStringLiteral("150"));
    // Distance 5 rev/s / 2 x 2 s = 5 rev.
    QCOMPARE(table->TextMatrix(SegmentRow(0, 4), 3), QStringLiteral("5"));

    // Segment 3 from 0 for 2 s at 75 rpm/s: solved final velocity 150,
    // handed on to segment 4 in both of its cells.
    QVERIFY(TypeIntoCell(table, SegmentRow(2, 2), 2, "2"));
    QVERIFY(TypeIntoCell(table, SegmentRow(2, 3), 2, "75"));
    QCOMPARE(table->TextMatrix(SegmentRow(2, 1), 3), QStringLiteral("150"));
    QCOMPARE(table->TextMatrix(SegmentRow(3, 0), 2), QStringLiteral("150"));
    QCOMPARE(table->TextMatrix(SegmentRow(3, 0), 3), QStringLiteral("150"));
    QCOMPARE(SegmentValue(3, SegmentParam::InitialVelocity), 150.0);

    // An entered final velocity of 0 is handed on too.
    QVERIFY(TypeIntoCell(table, SegmentRow(4, 1), 2, "80"));
    QCOMPARE(SegmentValue(5, SegmentParam::InitialVelocity), 80.0);
    QVERIFY(TypeIntoCell(table, SegmentRow(4, 1), 2, "0"));
    QCOMPARE(table->TextMatrix(SegmentRow(5, 0), 2), QStringLiteral("0"));
    QCOMPARE(SegmentValue(5, SegmentParam::InitialVelocity), 0.0);

    // A velocity handed on is seen in the next segment's calculated values at
    // once: segment 7 from 0 to 100 rpm in 1 s, segment 8 on to 100 rpm in
    // 1 s; segment 7 then ends at 60 rpm, so segment 8 accelerates by
    // 40 rpm/s over (60 + 100) / 2 / 60 x 1 s = 1.3333 rev.
    QVERIFY(TypeIntoCell(table, SegmentRow(6, 1), 2, "100"));
    QVERIFY(TypeIntoCell(table, SegmentRow(6, 2), 2, "1"));
    QVERIFY(TypeIntoCell(table, SegmentRow(7, 1), 2, "100"));
    QVERIFY(TypeIntoCell(table, SegmentRow(7, 2), 2, "1"));
    QCOMPARE(table->TextMatrix(SegmentRow(7, 3), 3), QStringLiteral("0"));
    QVERIFY(TypeIntoCell(table, SegmentRow(6, 1), 2, "60"));
    QCOMPARE(table->TextMatrix(SegmentRow(7, 0), 3), QStringLiteral("60"));
    QCOMPARE(table->TextMatrix(SegmentRow(7, 3), 3), QStringLiteral("40"));
    QCOMPARE(table->TextMatrix(SegmentRow(7, 4), 3), QStringLiteral("1.3333"));

    // The last segment hands nothing on.
    const QStringList before = Column(table, 2, 1, 54);
    QVERIFY(TypeIntoCell(table, SegmentRow(9, 1), 2, "40"));
    QCOMPARE(SegmentValue(9, SegmentParam::FinalVelocity), 40.0);
    QCOMPARE(Column(table, 2, 1, 54), before);
    QCOMPARE(nFctGetSegmentCount(kAxis), int16_t(10));
}

void ProfileWindowTest::minusSignOnlyWhereAValueMayBeNegative()
{
    ProfileRun p;
    QVERIFY(p.started);
    struct Case {
        const char* what;
        bool segments;
        int row;
        const char* keys;
        const char* shown;
    };
    const Case cases[] = {
        {"segment velocity, first key", true, SegmentRow(0, 1), "-25", "-25"},
        {"segment duration", true, SegmentRow(1, 2), "-3", "3"},
        {"segment acceleration", true, SegmentRow(1, 3), "-4", "-4"},
        {"segment distance after a digit", true, SegmentRow(1, 4), "5-", "5"},
        {"quick-setup velocity, first key", false, 1, "-50", "-50"},
        {"quick-setup total time", false, 2, "-2", "2"},
        {"second separator", false, 3, "1.5.2", "1.52"},
        {"letters", false, 2, "a4b", "4"},
    };
    for (const Case& c : cases) {
        FlexGrid* grid = c.segments ? p.Segments() : p.QuickSetup();
        const int col = c.segments ? 2 : 1;
        QVERIFY2(TypeIntoCell(grid, c.row, col, c.keys), c.what);
        QVERIFY2(grid->TextMatrix(c.row, col) == c.shown, c.what);
    }
    QCOMPARE(SegmentValue(0, SegmentParam::FinalVelocity), -25.0);
    QCOMPARE(SegmentValue(1, SegmentParam::Duration), 3.0);
    ParamRec velocity;
    nFctGetQuickSetupParameter(kAxis, 0, velocity);
    QCOMPARE(velocity.Data, -50.0);
    // Backspace first edits the old text; the next digit still replaces it.
    FlexGrid* quick = p.QuickSetup();
    ClickCell(quick, 2, 1);
    QVERIFY(quick->IsEditing());
    QTest::keyClick(quick->Editor(), Qt::Key_Backspace);
    QTest::keyClicks(quick->Editor(), "7");
    QTest::keyClick(quick->Editor(), Qt::Key_Return);
    QCOMPARE(quick->TextMatrix(2, 1), QStringLiteral("7"));
}

void ProfileWindowTest::decimalCommaOfTheLocale()
{
    ProfileRun p;
    QVERIFY(p.started);
    const std::string separator = gsDecimalSeparator;
    gsDecimalSeparator.assign(1, ',');
    p.ChooseTrapezoidal();
    FlexGrid* quick = p.QuickSetup();
    // 0,5 s of acceleration is mirrored as typed; a point is a decimal mark
    // here too (the keypad's, or one copied from elsewhere).
    QVERIFY(TypeIntoCell(quick, 4, 1, "0,5"));
    QCOMPARE(quick->TextMatrix(5, 1), QStringLiteral("0,5"));
    ParamRec decel;
    nFctGetQuickSetupParameter(kAxis, 4, decel);
    QCOMPARE(decel.Data, 0.5);
    QVERIFY(TypeIntoCell(quick, 2, 1, "1.5"));
    QCOMPARE(quick->TextMatrix(2, 1), QStringLiteral("1,5"));
    QVERIFY(TypeIntoCell(quick, 2, 1, ",25"));
    QCOMPARE(quick->TextMatrix(2, 1), QStringLiteral("0,25"));
    gsDecimalSeparator = separator;
}

void ProfileWindowTest::loadFlagTakesYesOrNo()
{
    ProfileRun p;
    QVERIFY(p.started);
    FlexGrid* table = p.Segments();
    const int row = SegmentRow(0, 5);
    const std::pair<const char*, bool> cases[] = {{"x", false}, {"y", true}, {"N", false}, {"YES", true},
                                                  {"0", false}, {"1", true}};
    for (const auto& [keys, yes] : cases) {
        QVERIFY2(TypeIntoCell(table, row, 2, keys), keys);
        QCOMPARE(table->TextMatrix(row, 2), QString(yes ? "Yes" : "No"));
        QCOMPARE(table->TextMatrix(row, 3), QString(yes ? "Yes" : "No"));
        QCOMPARE(SegmentValue(0, SegmentParam::LoadWeightApplied), yes ? 1.0 : 0.0);
    }
}

// After Language > German the new application's profile shows and reads the
// German Yes/No texts and keys of the string table.
void ProfileWindowTest::loadFlagSpeaksTheLanguageChosen()
{
    ProfileRun p;
    QVERIFY(p.started);
    p.run.Trigger("mnuLanguage_2");
    QCOMPARE(gnLanguageOffset, int16_t(1000));
    p.profile = ProfileWindow(kAxis);  // of the axis the switch opened anew
    QVERIFY(p.profile);
    p.Activate();
    const auto text = [](int id) { return QString::fromUtf8(platform::FindResourceString(id)); };
    const QString no = text(1151), yes = text(1152), yesKey = text(1153), noKey = text(1154);
    QVERIFY(yesKey.toUpper() != "Y" && yes.toUpper() != "YES");
    FlexGrid* table = p.Segments();
    const int row = SegmentRow(0, 5);
    QCOMPARE(table->TextMatrix(row, 2), yes);  // a new segment carries the load
    const std::pair<QString, bool> cases[] = {
        {noKey, false}, {yesKey, true}, {"y", false}, {yesKey.toLower(), true}, {"x", false}, {yes.toUpper(), true}};
    for (const auto& [keys, isYes] : cases) {
        QVERIFY2(TypeIntoCell(table, row, 2, keys), qPrintable(keys));
        QCOMPARE(table->TextMatrix(row, 2), isYes ? yes : no);
        QCOMPARE(table->TextMatrix(row, 3), isYes ? yes : no);
        QCOMPARE(SegmentValue(0, SegmentParam::LoadWeightApplied), isYes ? 1.0 : 0.0);
    }
}

void ProfileWindowTest::rowsTheAxisDoesNotHoldTakeNoValue()
{
    ProfileRun p;
    QVERIFY(p.started);
    // An axis with three segments (as an application file may bring).
    AxisRec* axis = model::FindAxis(kAxis);
    axis->NumberOfMotionSegments = 3;
    axis->MotionSegments.resize(4);
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(TypeIntoCell(quick, 1, 1, "60"));
    QVERIFY(TypeIntoCell(quick, 2, 1, "2"));
    p.Submit();
    FlexGrid* table = p.Segments();
    QCOMPARE(table->TextMatrix(SegmentRow(9, 0), 0), QStringLiteral("10"));
    // Segment 3 takes a value; segment 4 does not exist and opens no editor.
    QVERIFY(TypeIntoCell(table, SegmentRow(2, 2), 2, "4"));
    QCOMPARE(SegmentValue(2, SegmentParam::Duration), 4.0);
    QVERIFY(!TypeIntoCell(table, SegmentRow(3, 2), 2, "5"));
    QCOMPARE(table->TextMatrix(SegmentRow(3, 2), 2), QStringLiteral("0"));
    QCOMPARE(nFctGetSegmentCount(kAxis), int16_t(3));
}

void ProfileWindowTest::cursorStepsOverInitialVelocityRows()
{
    ProfileRun p;
    QVERIFY(p.started);
    FlexGrid* table = p.Segments();
    // From row 2 down onto segment 2's initial velocity: on to its final
    // velocity, where the editor opens.
    ClickCell(table, SegmentRow(1, 0), 2);
    QCOMPARE(table->Row(), SegmentRow(1, 1));
    QVERIFY(table->IsEditing());
    QTest::keyClick(table->Editor(), Qt::Key_Escape);
    // From below up onto it: back to segment 1's load flag.
    ClickCell(table, SegmentRow(1, 3), 2);
    QTest::keyClick(table->Editor(), Qt::Key_Escape);
    ClickCell(table, SegmentRow(1, 0), 2);
    QCOMPARE(table->Row(), SegmentRow(0, 5));
    QTest::keyClick(table->Editor(), Qt::Key_Escape);
    // The arrow key from there steps over it too, and a click on another
    // column stays in the Data Entry column.
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->Row(), SegmentRow(1, 1));
    ClickCell(table, SegmentRow(2, 2), 1);
    QCOMPARE(table->Col(), 2);
    QCOMPARE(table->Row(), SegmentRow(2, 2));
    QTest::keyClick(table->Editor(), Qt::Key_Escape);
    // Enter outside the editor on the last row goes round to the top, and on
    // past segment 1's initial velocity.
    ClickCell(table, 60, 2);
    QTest::keyClick(table->Editor(), Qt::Key_Escape);
    QCOMPARE(table->Row(), 60);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(table->Row(), 2);
    // Enter in the editor moves down and past the next initial velocity.
    QVERIFY(TypeIntoCell(table, SegmentRow(0, 5), 2, "y"));
    QCOMPARE(table->Row(), SegmentRow(1, 1));
}

void ProfileWindowTest::linearNeedsATravelValue()
{
    ProfileRun p;
    QVERIFY(p.started);
    // A leadscrew without lead: the profile stays rotary.
    SubAppendMechanism(kAxis, MechanismType::Leadscrew);
    p.Activate();
    QVERIFY(p.Option(1)->isEnabled());
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Rotary));
    QTest::mouseClick(p.Option(1), Qt::LeftButton);
    QCOMPARE(p.MessageNumbers(), std::vector<int>{2010});
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Rotary));
    QVERIFY(p.Option(0)->isChecked());
    QVERIFY(p.Tool("vseVelocityRotary")->isChecked());
    QCOMPARE(p.QuickSetup()->TextMatrix(1, 3), QStringLiteral("rpm"));
    // The same through the Linear tool.
    p.Tool("vseVelocityLinear")->trigger();
    QCOMPARE(p.MessageNumbers(), (std::vector<int>{2010, 2010}));
    QVERIFY(p.Option(0)->isChecked());
    QVERIFY(p.Tool("vseVelocityRotary")->isChecked());
    QVERIFY(!p.Tool("vseVelocityLinear")->isChecked());

    // With a lead of 5 mm/rev the switch goes through: a velocity of
    // 600 rpm = 10 rev/s becomes 50 mm/s.
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(TypeIntoCell(quick, 1, 1, "600"));
    SubSetMechanismParameterValue(kAxis, 0, 3, 5.0);
    QTest::mouseClick(p.Option(1), Qt::LeftButton);
    QCOMPARE(p.MessageNumbers().size(), size_t(2));
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
    QVERIFY(p.Option(1)->isChecked());
    QVERIFY(p.Tool("vseVelocityLinear")->isChecked());
    QVERIFY(!p.Tool("vseVelocityRotary")->isChecked());
    QCOMPARE(quick->TextMatrix(1, 3), QStringLiteral("mm/s"));
    QCOMPARE(quick->TextMatrix(1, 1), QStringLiteral("50"));
    QCOMPARE(quick->TextMatrix(3, 3), QStringLiteral("mm"));
    QCOMPARE(p.Segments()->TextMatrix(SegmentRow(0, 1), 4), QStringLiteral("mm/s"));
    QCOMPARE(p.Segments()->TextMatrix(SegmentRow(0, 3), 4), QStringLiteral("mm/s²"));
    // Back to rotary through the tool.
    p.Tool("vseVelocityRotary")->trigger();
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Rotary));
    QVERIFY(p.Option(0)->isChecked());
    QCOMPARE(quick->TextMatrix(1, 1), QStringLiteral("600"));
}

void ProfileWindowTest::activationFollowsTheChainsEnd()
{
    ProfileRun p;
    QVERIFY(p.started);
    // A leadscrew with a lead, but a quick-setup value already entered: the
    // axis stays rotary.
    QVERIFY(TypeIntoCell(p.QuickSetup(), 2, 1, "1"));
    AppendLeadscrew();
    p.Activate();
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Rotary));
    QVERIFY(p.Option(0)->isChecked());
    QVERIFY(p.Option(1)->isEnabled());
    // With nothing entered it switches to linear by itself.
    QVERIFY(TypeIntoCell(p.QuickSetup(), 2, 1, "0"));
    p.Activate();
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
    QVERIFY(p.Option(1)->isChecked());
    QVERIFY(p.Tool("vseVelocityLinear")->isChecked());
    QCOMPARE(p.QuickSetup()->TextMatrix(1, 3), QStringLiteral("mm/s"));
    // The linear end removed: shown as rotary, Linear not offered, the
    // stored mode kept.
    SubDeleteMechanism(kAxis, 0);
    p.Activate();
    QVERIFY(p.Option(0)->isChecked());
    QVERIFY(!p.Option(1)->isEnabled());
    QVERIFY(!p.Tool("vseVelocityLinear")->isEnabled());  // the tool as its option
    QVERIFY(p.Tool("vseVelocityRotary")->isChecked());
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
    // It comes back with the end.
    AppendLeadscrew();
    p.Activate();
    QVERIFY(p.Option(1)->isChecked());
    QVERIFY(p.Tool("vseVelocityLinear")->isChecked());
    QVERIFY(p.Tool("vseVelocityLinear")->isEnabled());
    // A rotary table at the end: neither the option nor the tool.
    SubDeleteMechanism(kAxis, 0);
    SubAppendMechanism(kAxis, MechanismType::RotaryTable);
    p.Activate();
    QVERIFY(!p.Option(1)->isEnabled());
    QVERIFY(!p.Tool("vseVelocityLinear")->isEnabled());
}

// A stored linear mode on a chain without a linear end shows Rotary: a
// click on that option, or its tool, starts no switch; Linear is not offered.
void ProfileWindowTest::theOptionShownSelectedStartsNoSwitch()
{
    ProfileRun p;
    QVERIFY(p.started);
    AppendLeadscrew();
    p.Activate();
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
    SubDeleteMechanism(kAxis, 0);
    p.Activate();
    QVERIFY(p.Option(0)->isChecked());
    QVERIFY(!p.Option(1)->isEnabled());
    const QStringList quickUnits = Column(p.QuickSetup(), 3, 1, 4);

    QTest::mouseClick(p.Option(0), Qt::LeftButton);
    p.Tool("vseVelocityRotary")->trigger();
    p.Tool("vseVelocityLinear")->trigger();
    QVERIFY(p.MessageNumbers().empty());
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
    QVERIFY(p.Option(0)->isChecked());
    QVERIFY(!p.Option(1)->isChecked());
    QVERIFY(p.Tool("vseVelocityRotary")->isChecked());
    QVERIFY(!p.Tool("vseVelocityLinear")->isChecked());
    QCOMPARE(Column(p.QuickSetup(), 3, 1, 4), quickUnits);
}

void ProfileWindowTest::clearKeepsLinearMotion()
{
    ProfileRun p;
    QVERIFY(p.started);
    // A leadscrew with a lead and no profile yet: linear on activation.
    AppendLeadscrew();
    p.Activate();
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
    QVERIFY(p.Option(1)->isChecked());
    p.ChooseTrapezoidal();
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(TypeIntoCell(quick, 1, 1, "50"));
    QVERIFY(TypeIntoCell(quick, 2, 1, "1"));
    p.Submit();
    QVERIFY(!bFctProfileEmpty(kAxis));

    p.Tool("vseVelocityClear")->trigger();
    QVERIFY(bFctProfileEmpty(kAxis));
    QVERIFY(bFctQuickSetupEmpty(kAxis));
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
    QCOMPARE(nFctGetQuickSetupMode(kAxis), int16_t(QuickSetupMode::Trapezoidal));
    QVERIFY(p.Option(1)->isChecked());
    QCOMPARE(quick->TextMatrix(1, 3), QStringLiteral("mm/s"));
    QCOMPARE(quick->TextMatrix(1, 1), QStringLiteral("0"));
    QCOMPARE(p.Segments()->TextMatrix(SegmentRow(0, 1), 4), QStringLiteral("mm/s"));
    QCOMPARE(p.Segments()->TextMatrix(SegmentRow(0, 1), 2), QStringLiteral("0"));
    QVERIFY(p.Graph("grpVelocity")->Data().points.empty());
    QVERIFY(p.Graph("grpTorque")->Data().points.empty());
}

void ProfileWindowTest::dwellUnitChangeInTriangularMode()
{
    ProfileRun p;
    QVERIFY(p.started);
    FlexGrid* quick = p.QuickSetup();
    QCOMPARE(quick->TextMatrix(4, 0), QStringLiteral("Dwell Time"));
    QVERIFY(TypeIntoCell(quick, 4, 1, "2"));
    // 2 s = 2000 ms, stored in the dwell time; the acceleration time (not
    // shown in this mode) keeps its unit.
    QVERIFY(PickUnit(quick, 4, "ms"));
    QTRY_COMPARE(quick->TextMatrix(4, 3), QStringLiteral("ms"));
    QCOMPARE(quick->TextMatrix(4, 1), QStringLiteral("2000"));
    const AxisRec& axis = *model::FindAxis(kAxis);
    QCOMPARE(axis.QuickSetupData[QuickSetupSlot::DwellTime].UnitText, std::string("ms"));
    QCOMPARE(axis.QuickSetupData[QuickSetupSlot::DwellTime].Data, 2000.0);
    QCOMPARE(axis.QuickSetupData[QuickSetupSlot::AccelTime].UnitText, std::string("s"));
    QCOMPARE(axis.QuickSetupData[QuickSetupSlot::AccelTime].Data, 0.0);
}

void ProfileWindowTest::unitChangeAcrossLinearAndRotaryNeedsALead()
{
    ProfileRun p;
    QVERIFY(p.started);
    // A linear axis whose quick setup is still in rotary units (as a file
    // may bring it), ending in a leadscrew without lead.
    SubAppendMechanism(kAxis, MechanismType::Leadscrew);
    SubSetMotionMode(kAxis, MotionMode::Linear);
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(TypeIntoCell(quick, 1, 1, "600"));
    p.Activate();
    QVERIFY(p.Option(1)->isChecked());
    // The velocity offers the linear units; without a lead none is taken.
    QVERIFY(PickUnit(quick, 1, "mm/s"));
    QCOMPARE(p.MessageNumbers(), std::vector<int>{2002});
    const std::string refusal = p.run.Messages().messages.back().text;
    QVERIFY(refusal.find(sFctGetText(140)) != std::string::npos);
    QVERIFY(refusal.find(sFctGetText(141)) != std::string::npos);
    QCOMPARE(quick->TextMatrix(1, 3), QStringLiteral("rpm"));
    QCOMPARE(quick->TextMatrix(1, 1), QStringLiteral("600"));
    // With 5 mm/rev: 600 rpm = 10 rev/s = 50 mm/s.
    SubSetMechanismParameterValue(kAxis, 0, 3, 5.0);
    QVERIFY(PickUnit(quick, 1, "mm/s"));
    QCOMPARE(quick->TextMatrix(1, 3), QStringLiteral("mm/s"));
    QCOMPARE(quick->TextMatrix(1, 1), QStringLiteral("50"));
    ParamRec velocity;
    nFctGetQuickSetupParameter(kAxis, 0, velocity);
    QCOMPARE(velocity.Data, 50.0);
    QCOMPARE(velocity.UnitText, std::string("mm/s"));
    QCOMPARE(velocity.UnitType, int16_t(4));
    // Within linear units: 50 mm/s = 3 m/min.
    QVERIFY(PickUnit(quick, 1, "m/min"));
    QCOMPARE(quick->TextMatrix(1, 1), QStringLiteral("3"));
    QCOMPARE(p.MessageNumbers().size(), size_t(1));
}

void ProfileWindowTest::unitSystemChangeRetitlesTheGraphs()
{
    ProfileRun p;
    QVERIFY(p.started);
    // A steel leadscrew 10 mm x 100 mm, 5 mm/rev at 90 %: linear on activation.
    SubAppendMechanism(kAxis, MechanismType::Leadscrew);
    for (const auto& [index, value] : {std::pair{0, 10.0}, {1, 100.0}, {2, 7.85}, {3, 5.0}, {4, 90.0}})
        SubSetMechanismParameterValue(kAxis, 0, static_cast<int16_t>(index), value);
    p.Activate();
    QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(TypeIntoCell(quick, 1, 1, "50"));
    QVERIFY(TypeIntoCell(quick, 2, 1, "2"));
    p.Submit();
    QCOMPARE(p.Graph("grpVelocity")->Data().valueTitle, QStringLiteral("mm/s"));
    QCOMPARE(p.Graph("grpTorque")->Data().valueTitle, QStringLiteral("Nm"));
    const double torqueNm = p.Graph("grpTorque")->Data().points.front().y();
    QVERIFY(torqueNm > 0.0);

    // English engineering: 50 mm/s = 1.9685 in/s; 1 N.m = 8.850746 lb-in.
    p.run.Trigger("mnuUnitsFunction_0");
    QCOMPARE(gnUnitSystem, int16_t(0));
    QCOMPARE(quick->TextMatrix(1, 3), QStringLiteral("in/s"));
    QCOMPARE(quick->TextMatrix(1, 1), QStringLiteral("1.9685"));
    QCOMPARE(p.Segments()->TextMatrix(SegmentRow(0, 1), 4), QStringLiteral("in/s"));
    const platform::GraphData velocity = p.Graph("grpVelocity")->Data();
    QCOMPARE(velocity.valueTitle, QStringLiteral("in/s"));
    QVERIFY(Close(velocity.upper, 50 / 25.4, 1e-4));
    const platform::GraphData torque = p.Graph("grpTorque")->Data();
    QCOMPARE(torque.valueTitle, QStringLiteral("lb-in"));
    QVERIFY(Close(torque.points.front().y(), torqueNm * 8.850746, 1e-4));
}

void ProfileWindowTest::torqueGraphStepsAreTheSegmentTorques()
{
    ProfileRun p;
    QVERIFY(p.started);
    // A steel disk 200 mm x 20 mm: J = 7.85 g/cm^3 x pi x 10^2 x 2 cm^3
    // (taken as a weight at 9.81 / 9.8067 g) x (0.1 m)^2 / 2 = 0.0246698 kg.m^2.
    AppendSteelDisk();
    p.Activate();
    p.ChooseTrapezoidal();
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(EnterTrapezoid(quick));
    p.Submit();

    // 10 rev/s reached in 0.2 s: 50 rev/s^2, 2 pi x J x 50 = 7.75017 N.m up,
    // nothing at constant speed, -7.75017 N.m down.
    auto checkSteps = [&](double rampTorque) {
        const platform::GraphData torque = p.Graph("grpTorque")->Data();
        QCOMPARE(torque.valueTitle, QStringLiteral("Nm"));
        QCOMPARE(torque.points.size(), size_t(6));
        const QPointF steps[] = {{0, rampTorque}, {0.2, rampTorque}, {0.2, 0}, {0.8, 0}, {0.8, -rampTorque},
                                 {1.0, -rampTorque}};
        for (size_t k = 0; k < 6; ++k)
            QVERIFY2(Close(torque.points[k].x(), steps[k].x()) && Close(torque.points[k].y(), steps[k].y(), 1e-4),
                     qPrintable(QStringLiteral("point %1: %2").arg(k).arg(torque.points[k].y())));
        QVERIFY(Close(torque.upper, rampTorque, 1e-4));
        QVERIFY(Close(torque.lowerExtent, rampTorque, 1e-4));
    };
    checkSteps(2 * kPi * 0.0246698 * 50);

    // The chain changes (a disk of half the diameter: J / 16) and the
    // design window asks for the torque graph.
    SubSetMechanismParameterValue(kAxis, 0, 0, 100);
    p.profile->mSubDisplayTorqueGraph(0);
    checkSteps(2 * kPi * 0.0246698 / 16 * 50);
}

void ProfileWindowTest::bothGraphsShareOneTimeAxis()
{
    ProfileRun p;
    QVERIFY(p.started);
    // A steel disk of 20 mm x 2 mm under 600 rpm in 0.4 s: torques of about
    // 1e-4 N.m, whose value labels differ in width from the velocity's.
    SubAppendMechanism(kAxis, MechanismType::Disk);
    SubSetMechanismParameterValue(kAxis, 0, 0, 20);
    SubSetMechanismParameterValue(kAxis, 0, 1, 2);
    SubSetMechanismParameterValue(kAxis, 0, 3, 7.85);
    p.Activate();
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(TypeIntoCell(quick, 1, 1, "600"));
    QVERIFY(TypeIntoCell(quick, 2, 1, "0.4"));
    p.Submit();
    platform::LineGraph* velocity = p.Graph("grpVelocity");
    platform::LineGraph* torque = p.Graph("grpTorque");
    QVERIFY(!velocity->Data().points.empty());
    QVERIFY(!torque->Data().points.empty());

    // Alone, each graph's plot would start at its own labels' width.
    auto ownLeft = [](platform::LineGraph* graph) {
        platform::LineGraph alone;
        alone.setFont(graph->font());
        alone.resize(graph->size());
        alone.SetData(graph->Data());
        return alone.PlotArea().left();
    };
    QVERIFY(ownLeft(velocity) != ownLeft(torque));
    // In the window both start at the wider labels' edge, and t = 0 and
    // every tick stand at one x.
    const int left = std::max(ownLeft(velocity), ownLeft(torque));
    QCOMPARE(velocity->PlotArea().left(), left);
    QCOMPARE(torque->PlotArea().left(), left);
    auto windowX = [&p](platform::LineGraph* graph, double t) {
        return graph->mapTo(p.profile, QPointF(graph->TimeX(t), 0)).x();
    };
    const std::vector<platform::TimeTick> ticks = platform::TimeAxisTicks(velocity->Data());
    QCOMPARE(ticks.size(), size_t(5));  // 0 to 0.4 s every 0.1 s
    for (const platform::TimeTick& tick : ticks)
        QCOMPARE(windowX(velocity, tick.time), windowX(torque, tick.time));
}

void ProfileWindowTest::paintsATrapezoidalMoveAtBothSizes()
{
    ProfileRun p;
    QVERIFY(p.started);
    AppendSteelDisk();
    p.profile->showNormal();
    p.profile->resize(760, 540);
    p.Activate();
    p.ChooseTrapezoidal();
    FlexGrid* quick = p.QuickSetup();
    QVERIFY(EnterTrapezoid(quick));
    QVERIFY(TypeIntoCell(quick, 6, 1, "0.5"));
    p.Submit();
    // Both sizes paint the move; PROFILE_SCREENSHOT_DIR keeps the pictures
    // for a look.
    const QString folder = qEnvironmentVariable("PROFILE_SCREENSHOT_DIR");
    const std::pair<QSize, const char*> sizes[] = {{QSize(760, 540), "profile_trapezoid.png"},
                                                   {p.profile->minimumSize(), "profile_trapezoid_min.png"}};
    for (const auto& [size, file] : sizes) {
        p.profile->resize(size);
        QTest::qWait(20);
        QCOMPARE(p.profile->size(), size);
        const QImage picture = p.profile->grab().toImage();
        // The velocity line is drawn in its own colour.
        const QImage graph = p.Graph("grpVelocity")->grab().toImage();
        bool lineDrawn = false;
        for (int y = 0; y < graph.height() && !lineDrawn; ++y)
            for (int x = 0; x < graph.width() && !lineDrawn; ++x)
                lineDrawn = graph.pixelColor(x, y) == QColor(0, 0, 160);
        QVERIFY(lineDrawn);
        if (!folder.isEmpty())
            QVERIFY(picture.save(folder + "/" + file));
    }
}

QTEST_MAIN(ProfileWindowTest)
#include "tst_profile.moc"
