// Every value typed or pasted into a grid of the design and profile windows
// lands in the entry it was typed for, or is refused with the old value
// kept: pasted text obeys the rules of typed keys, a number the display
// cannot show is refused, an edit still open when a command runs is
// finished first, in the unit the user saw, and a click in the outline
// takes the keyboard to the window it names.
#include "design/frmAxisDesign.h"
#include "foundation/basTextResources.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "model/basChangeDetection.h"
#include "model/basMechanismChain.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/OutlineTree.h"
#include "platform/qt/ReportPages.h"
#include "profile/frmProfile.h"
#include "report/frmReport.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/OffscreenScreen.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/ReportTestAxis.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

using platform::FlexGrid;
using testing_support::ClickCell;
using testing_support::ProgramRun;
using testing_support::TypeIntoCell;

namespace {

constexpr int16_t kAxis = 1;
constexpr int kSolidCylinder = 2;  // entry of the load choice

// The grids a value is entered in, with the entry a row stands for.
enum class Cell { Mechanism, Load, Motor, QuickSetup, Segment };

int SegmentRow(int s, int f)
{
    return 6 * s + f + 1;
}

bool Close(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

// The program in metric units with its default axis.
class Program {
public:
    Program()
    {
        run.WriteSettings("[Unit Settings]\nUnits=1\n");
        started = run.Start();
    }
    frmAxisDesign* Design() const { return AxisDesignWindow(kAxis); }
    frmProfile* Profile() const { return ProfileWindow(kAxis); }
    frmReport* Report() const { return ReportWindow(kAxis); }
    QAction* Tool(QWidget* window, const char* key) const { return window->findChild<QAction*>(key); }

    void ShowDesign() const
    {
        Design()->BringToFront();
        Design()->SetWindowState(0);
        Design()->resize(1000, 640);
        QApplication::processEvents();
    }
    void ShowProfile() const
    {
        Profile()->BringToFront();
        QTest::qWait(1);
    }
    void Append(const char* palette) const
    {
        Tool(Design(), palette)->trigger();
        Tool(Design(), "vseToolAppend")->trigger();
    }

    // The window and grid of a kind of cell, made ready for entry: the
    // mechanism appended, a solid cylinder for the load.
    void Prepare(Cell cell, const char* mechanism = "BeltPulley") const
    {
        if (cell == Cell::QuickSetup || cell == Cell::Segment) {
            ShowProfile();
            return;
        }
        ShowDesign();
        if (cell == Cell::Mechanism)
            Append(mechanism);
        else if (cell == Cell::Load)
            Design()->findChild<QComboBox*>("cboLoad")->setCurrentIndex(kSolidCylinder);
    }
    FlexGrid* Grid(Cell cell) const
    {
        switch (cell) {
        case Cell::Mechanism: return Design()->findChild<FlexGrid*>("vsfMechanism");
        case Cell::Load: return Design()->findChild<FlexGrid*>("vsfLoad");
        case Cell::Motor: return Design()->findChild<FlexGrid*>("vsfMotor");
        case Cell::QuickSetup: return Profile()->findChild<FlexGrid*>("vsfQuickSetup");
        case Cell::Segment: return Profile()->findChild<FlexGrid*>("vsfVelProfile");
        }
        return nullptr;
    }
    static int ValueColumn(Cell cell) { return cell == Cell::Motor || cell == Cell::QuickSetup ? 1 : 2; }
    // The entry of a row as the model holds it.
    static ParamRec Entry(Cell cell, int row)
    {
        const auto index = static_cast<int16_t>(row - 1);
        ParamRec entry;
        switch (cell) {
        case Cell::Mechanism: {
            MechRec mechanism;
            nFctGetMechanism(kAxis, 0, mechanism);
            entry = mechanism.MechanismData[static_cast<size_t>(index)];
            break;
        }
        case Cell::Load: nFctGetLoadParameter(kAxis, index, entry); break;
        case Cell::Motor: nFctGetMotorParameter(kAxis, index, entry); break;
        case Cell::QuickSetup: nFctGetQuickSetupParameter(kAxis, index, entry); break;
        case Cell::Segment:
            SubGetProfileSegmentParameter(kAxis, static_cast<int16_t>(index / 6), static_cast<int16_t>(index % 6), entry);
            break;
        }
        return entry;
    }
    // Clicks the value cell, which opens its editor, and types the keys
    // without Enter.
    bool TypeWithoutEnter(Cell cell, int row, const QString& keys) const
    {
        FlexGrid* grid = Grid(cell);
        ClickCell(grid, row, ValueColumn(cell));
        if (!grid->IsEditing())
            return false;
        QTest::keyClicks(grid->Editor(), keys);
        return grid->IsEditing();
    }

    ProgramRun run;
    bool started = false;
};

// Text put into the open editor from the clipboard, by Ctrl+V or by the
// editor's context menu.
enum class PasteBy { Keys, Menu };

void Paste(FlexGrid* grid, const QString& text, PasteBy by)
{
    QGuiApplication::clipboard()->setText(text);
    auto* line = qobject_cast<QLineEdit*>(grid->Editor());
    QVERIFY(line);
    if (by == PasteBy::Keys) {
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        return;
    }
    const std::unique_ptr<QMenu> menu(line->createStandardContextMenu());
    // The entry that shows the paste shortcut.
    const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    const QList<QAction*> entries = menu->actions();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&shortcut](QAction* entry) { return entry->text().endsWith('\t' + shortcut); });
    QAction* paste = found != entries.end() ? *found : nullptr;
    QVERIFY(paste && paste->isEnabled());
    paste->trigger();
}

} // namespace

Q_DECLARE_METATYPE(Cell)
Q_DECLARE_METATYPE(PasteBy)

class TestGridEntry : public QObject {
    Q_OBJECT

private slots:
    // Per kind of grid: the text pasted into a cell that holds an old value
    // replaces it as typed keys would, or is refused (at once, or when the
    // entry ends because the display could not show the number) and the
    // cell keeps the old value.
    void PasteObeysTheRulesOfTyping_data()
    {
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("typed");   // into the editor before the paste
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<PasteBy>("by");
        QTest::addColumn<bool>("taken");      // the paste went into the editor
        QTest::addColumn<QString>("shown");   // after Enter
        QTest::addColumn<double>("stored");
        const QString twentyNines(20, '9');
        const QString nines400(400, '9');
        const auto keys = PasteBy::Keys;
        const auto menu = PasteBy::Menu;
        const auto row = [](const char* name, Cell cell, int gridRow, const char* old,
                            const char* typed = "") -> QTestData& {
            return QTest::newRow(name) << cell << gridRow << QString(old) << QString(typed);
        };
        // Belt-pulley, row 1: the motor pulley diameter (mm), 20 before.
        const Cell mech = Cell::Mechanism;
        row("diameter 50.8", mech, 1, "20") << "50.8" << keys << true << "50.8" << 50.8;
        row("diameter 50.8 by the menu", mech, 1, "20") << "50.8" << menu << true << "50.8" << 50.8;
        row("diameter 1 typed, .5 pasted", mech, 1, "20", "1") << ".5" << keys << true << "1.5" << 1.5;
        row("diameter 1.5 typed, .5 pasted", mech, 1, "20", "1.5") << ".5" << menu << false << "1.5" << 1.5;
        row("diameter -5", mech, 1, "20") << "-5" << keys << false << "20" << 20.0;
        row("diameter -5 by the menu", mech, 1, "20") << "-5" << menu << false << "20" << 20.0;
        row("diameter 1e308", mech, 1, "20") << "1e308" << keys << false << "20" << 20.0;
        row("diameter 1e-320", mech, 1, "20") << "1e-320" << menu << false << "20" << 20.0;
        row("diameter twenty nines", mech, 1, "20") << twentyNines << keys << true << "20" << 20.0;
        row("diameter 400 nines", mech, 1, "20") << nines400 << keys << true << "20" << 20.0;
        row("diameter with its unit", mech, 1, "20") << "50.8 mm" << keys << false << "20" << 20.0;
        row("diameter on two lines", mech, 1, "20") << "5\n0" << keys << false << "20" << 20.0;
        // Solid cylinder and motor, row 1.
        row("load 12", Cell::Load, 1, "3") << "12" << menu << true << "12" << 12.0;
        row("load -5", Cell::Load, 1, "3") << "-5" << keys << false << "3" << 3.0;
        row("motor 3000", Cell::Motor, 1, "1500") << "3000" << keys << true << "3000" << 3000.0;
        row("motor 0.0000001", Cell::Motor, 1, "1500") << "0.0000001" << keys << true << "1500" << 1500.0;
        // Quick setup: a minus sign starts a velocity (row 1) and nothing else.
        row("quick velocity -50", Cell::QuickSetup, 1, "60") << "-50" << keys << true << "-50" << -50.0;
        row("quick time -2", Cell::QuickSetup, 2, "1") << "-2" << menu << false << "1" << 1.0;
        // Segment table: a minus sign in every field but the duration.
        const Cell seg = Cell::Segment;
        const int duration = SegmentRow(1, 2);
        row("segment duration -5", seg, duration, "2") << "-5" << keys << false << "2" << 2.0;
        row("segment duration 1e308", seg, duration, "2") << "1e308" << menu << false << "2" << 2.0;
        row("segment duration twenty nines", seg, duration, "2") << twentyNines << keys << true << "2" << 2.0;
        row("segment velocity -25", seg, SegmentRow(0, 1), "10") << "-25" << keys << true << "-25" << -25.0;
        row("segment acceleration -4-", seg, SegmentRow(1, 3), "1") << "-4-" << keys << false << "1" << 1.0;
        row("segment load flag yes", seg, SegmentRow(0, 5), "n") << "yes" << menu << true << "Yes" << 1.0;
    }
    void PasteObeysTheRulesOfTyping()
    {
        QFETCH(Cell, cell);
        QFETCH(int, row);
        QFETCH(QString, old);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(PasteBy, by);
        QFETCH(bool, taken);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        Program p;
        QVERIFY(p.started);
        p.Prepare(cell);
        FlexGrid* grid = p.Grid(cell);
        const int col = Program::ValueColumn(cell);
        QVERIFY(TypeIntoCell(grid, row, col, old));
        ClickCell(grid, row, col);
        QVERIFY(grid->IsEditing());
        QTest::keyClicks(grid->Editor(), typed);
        const QString before = grid->EditText();
        Paste(grid, pasted, by);
        // Pasted first, the text replaces the old value as a first key does.
        QCOMPARE(grid->EditText(), taken ? typed + pasted : before);
        QTest::keyClick(grid->Editor(), Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QCOMPARE(grid->TextMatrix(row, col), shown);
        QCOMPARE(Program::Entry(cell, row).Data, stored);
    }

    // An edit still open when a command runs is finished first, through the
    // path of Enter: the command finds the value typed, in the unit shown.
    void OpenEditIsFinishedBeforeTheCommand_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(Commands().size()); ++i)
            QTest::newRow(Commands()[static_cast<size_t>(i)].name) << i;
    }
    void OpenEditIsFinishedBeforeTheCommand()
    {
        QFETCH(int, index);
        const CommandCase& c = Commands()[static_cast<size_t>(index)];
        Program p;
        QVERIFY(p.started);
        p.Prepare(c.cell, c.mechanism);
        if (c.prepare)
            c.prepare(p);
        QVERIFY(p.TypeWithoutEnter(c.cell, c.row, c.typed));
        const QPointer<FlexGrid> grid = p.Grid(c.cell);
        double seen = std::nan("");
        c.command(p, seen);
        QVERIFY(!grid || !grid->IsEditing());
        QVERIFY2(Close(seen, c.expected), qPrintable(QString("%1, expected %2").arg(seen).arg(c.expected)));
    }

    // During an edit in the segment table, a click on "Axis Design" in the
    // outline ends the edit, activates the design window and gives it the
    // keyboard: the next key goes there, not into the load flag. So it does
    // when the design window is already the active one and the outline has
    // the focus.
    void OutlineClickMovesTheKeyboard()
    {
        Program p;
        QVERIFY(p.started);
        p.ShowProfile();
        FlexGrid* table = p.Grid(Cell::Segment);
        const int flagRow = SegmentRow(0, 5);
        QVERIFY(TypeIntoCell(table, flagRow, 2, "y"));
        QVERIFY(p.TypeWithoutEnter(Cell::Segment, SegmentRow(1, 2), "4"));
        auto* tree = p.run.Main()->findChild<platform::OutlineTree*>("outTree");
        auto* area = p.run.Main()->findChild<QMdiArea*>("mdiArea");
        const auto clickLine = [tree](int line) {
            QTreeWidgetItem* item = tree->LineItem(line);
            tree->scrollToItem(item);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
        };
        const int designLine = 2;  // 4p + 2 for the axis at position 0
        QCOMPARE(tree->LineText(designLine), QString::fromStdString(sFctGetText(35)));
        for (int line : {designLine, 0, designLine}) {
            clickLine(line);
            if (line == 0) {  // the file line does nothing; the outline has the focus
                QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tree));
                continue;
            }
            QVERIFY(!table->IsEditing());
            QCOMPARE(Program::Entry(Cell::Segment, SegmentRow(1, 2)).Data, 4.0);
            QCOMPARE(area->activeSubWindow(), static_cast<QMdiSubWindow*>(p.Design()));
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus && p.Design()->isAncestorOf(focus), focus ? focus->metaObject()->className() : "none");
            QTest::keyClick(focus, Qt::Key_N);
            QCOMPARE(Program::Entry(Cell::Segment, flagRow).Data, 1.0);
            QCOMPARE(table->TextMatrix(flagRow, 2), QStringLiteral("Yes"));
        }
    }

private:
    // A command after a value typed without Enter, and what it must find:
    // seen is set by the command (or by a check right after it).
    struct CommandCase {
        const char* name;
        Cell cell;
        int row;
        const char* typed;
        std::function<void(Program&)> prepare;
        std::function<void(Program&, double& seen)> command;
        double expected;
        const char* mechanism = "BeltPulley";  // in the chain for a mechanism cell
    };
    static const std::vector<CommandCase>& Commands();
};

const std::vector<TestGridEntry::CommandCase>& TestGridEntry::Commands()
{
    using dialog_tests::WhenModalShows;
    const auto bufferEntry = [](size_t index) {
        MechRec buffered;
        SubGetMechanismBuffer(buffered);
        return buffered.MechanismData[index].Data;
    };
    // The motor value as a modal window of the design window finds it.
    const auto motorSeenBy = [](const char* tool) {
        return [tool](Program& p, double& seen) {
            WhenModalShows([&seen](QWidget*) { seen = Program::Entry(Cell::Motor, 1).Data; });
            p.Tool(p.Design(), tool)->trigger();
        };
    };
    static const std::vector<CommandCase> cases = {
        // 50.8 mm = 2 in exactly.
        {"Units > English Engineering after 50.8 mm", Cell::Mechanism, 1, "50.8", nullptr,
         [](Program& p, double& seen) {
             p.run.Trigger("mnuUnitsFunction_0");
             const ParamRec diameter = Program::Entry(Cell::Mechanism, 1);
             QCOMPARE(QString::fromStdString(diameter.UnitText), QStringLiteral("in"));
             FlexGrid* grid = p.Grid(Cell::Mechanism);
             QCOMPARE(grid->TextMatrix(1, 2), QStringLiteral("2"));
             QCOMPARE(grid->TextMatrix(1, 3), QStringLiteral("in"));
             seen = diameter.Data;
         },
         2.0},
        // Gearbox rows: 1 efficiency, 3 ratio.
        {"Copy after a ratio of 7", Cell::Mechanism, 3, "7", nullptr,
         [bufferEntry](Program& p, double& seen) {
             p.Tool(p.Design(), "vseToolCopy")->trigger();
             seen = bufferEntry(2);
         },
         7.0, "Gearbox"},
        {"Cut after an efficiency of 55", Cell::Mechanism, 1, "55", nullptr,
         [bufferEntry](Program& p, double& seen) {
             p.Tool(p.Design(), "vseToolCut")->trigger();
             seen = bufferEntry(0);
         },
         55.0, "Gearbox"},
        {"Append after a ratio of 3", Cell::Mechanism, 3, "3", nullptr,
         [](Program& p, double& seen) {
             p.Append("Coupling");
             seen = Program::Entry(Cell::Mechanism, 3).Data;
         },
         3.0, "Gearbox"},
        {"Analyze after a motor speed", Cell::Motor, 1, "2500", nullptr, motorSeenBy("vseToolAnalyze"), 2500.0},
        {"Motor Requirements after a motor speed", Cell::Motor, 1, "2500", nullptr, motorSeenBy("MotorReq"), 2500.0},
        {"Save As after a load value", Cell::Load, 1, "42", nullptr,
         [](Program& p, double& seen) {
             QTemporaryDir folder;
             p.run.fileAnswers.push_back(folder.filePath("axes.dat").toStdString());
             p.run.Trigger("mnuFileFunction_3");
             QCOMPARE(nFctGetModifiedState(), int16_t(0));  // what was saved is what is held
             seen = Program::Entry(Cell::Load, 1).Data;
         },
         42.0},
        {"closing the program after a motor speed asks to save", Cell::Motor, 1, "2500", nullptr,
         [](Program& p, double& seen) {
             p.run.Messages().answers.push_back(kResultNo);
             const std::vector<int> before = testing_support::MessageNumbers(p.run.Messages());
             QVERIFY(p.run.CloseByUser());
             const std::vector<int> after = testing_support::MessageNumbers(p.run.Messages());
             seen = after.size() == before.size() + 1 && after.back() == 4001 ? 1.0 : 0.0;
         },
         1.0},
        {"activating the profile window after a motor speed", Cell::Motor, 1, "2500", nullptr,
         [](Program& p, double& seen) {
             p.ShowProfile();
             seen = Program::Entry(Cell::Motor, 1).Data;
         },
         2500.0},
        // Submit of a triangular move of 600 rpm in 1 s: its top speed.
        {"Submit after a quick-setup velocity", Cell::QuickSetup, 1, "600",
         [](Program& p) { QVERIFY(TypeIntoCell(p.Grid(Cell::QuickSetup), 2, 1, "1")); },
         [](Program& p, double& seen) {
             QTest::mouseClick(p.Profile()->findChild<QPushButton*>("vseTransfer"), Qt::LeftButton);
             ParamRec top;
             SubGetProfileSegmentParameter(kAxis, 0, SegmentParam::FinalVelocity, top);
             seen = top.Data;
         },
         600.0},
        // With a lead of 5 mm/rev, 600 rpm = 10 rev/s are 50 mm/s.
        {"switch to linear motion after a quick-setup velocity", Cell::QuickSetup, 1, "600",
         [](Program& p) {
             QVERIFY(TypeIntoCell(p.Grid(Cell::QuickSetup), 2, 1, "1"));
             SubAppendMechanism(kAxis, MechanismType::Leadscrew);
             SubSetMechanismParameterValue(kAxis, 0, 3, 5.0);
             p.Design()->BringToFront();
             p.ShowProfile();
         },
         [](Program& p, double& seen) {
             p.Tool(p.Profile(), "vseVelocityLinear")->trigger();
             QCOMPARE(nFctGetMotionMode(kAxis), int16_t(MotionMode::Linear));
             seen = Program::Entry(Cell::QuickSetup, 1).Data;
         },
         50.0},
        // The disk axis holds 120 rpm for 1 s in segment 2; typed 3 s there,
        // the report shows them.
        {"Show after a segment duration", Cell::Segment, SegmentRow(1, 2), "3",
         [](Program& p) {
             testing_support::BuildDiskAxis(kAxis);
             p.Profile()->mSubUpdateScreenToUnitClass();
         },
         [](Program& p, double& seen) {
             p.Tool(p.Report(), "vseToolShow")->trigger();
             const auto* preview = p.Report()->findChild<platform::ReportPreview*>("vsPrinter");
             const QString text = QString::fromStdString(preview->Document().Text());
             const QString segment2 = text.section(QString::fromStdString(sFctGetText(194)) + " 2", 1).section(
                 QString::fromStdString(sFctGetText(194)) + " 3", 0, 0);
             const QString label = QString::fromStdString(sFctGetText(Program::Entry(Cell::Segment, SegmentRow(1, 2)).TextID));
             const QRegularExpression line(QRegularExpression::escape(label) + "\\s+(\\S+)\\s");
             seen = line.match(segment2).captured(1).toDouble();
         },
         3.0},
    };
    return cases;
}

// A screen of 1600 x 1200 pixels: above the 640 x 480 that hides the side
// panel with the outline, also at twice the scale.
int main(int argc, char** argv)
{
    return testing_support::RunOnOffscreenScreen<TestGridEntry>(1600, 1200, argc, argv);
}
#include "tst_gridentry.moc"
