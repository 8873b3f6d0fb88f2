// Every value typed or pasted into a grid of the design and profile windows
// lands in the entry it was typed for, or is refused with the old value
// kept: pasted text obeys the rules of typed keys, a number the display
// cannot show is refused, an edit still open when a command runs is
// finished first, in the unit the user saw, and a click in the outline
// takes the keyboard to the window it names.
#include "design/frmAnalysis.h"
#include "design/frmAxisDesign.h"
#include "design/frmMotorReq.h"
#include "foundation/basGlobalFunctions.h"
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
#include "shell/MDIMain.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/EditorPaste.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/PdfReport.h"
#include "tests/ui/support/OffscreenScreen.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/ReportTestAxis.h"
#include "tests/ui/support/WindowSystemInput.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <cmath>
#include <functional>
#include <tuple>
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

    // Stores the old text in the value cell and opens it again: the open
    // editor, or nullptr.
    QLineEdit* Reopen(Cell cell, int row, const QString& old) const
    {
        FlexGrid* grid = Grid(cell);
        const int col = ValueColumn(cell);
        if (!TypeIntoCell(grid, row, col, old))
            return nullptr;
        ClickCell(grid, row, col);
        return qobject_cast<QLineEdit*>(grid->Editor());
    }

    // Stores 3 in the value cell, opens it again and puts the text in,
    // typed or pasted by Ctrl+V, without Enter: the open editor, or nullptr.
    QLineEdit* EnterAfterThree(Cell cell, int row, const QString& text, bool pasted) const
    {
        FlexGrid* grid = Grid(cell);
        const int col = ValueColumn(cell);
        if (!TypeIntoCell(grid, row, col, "3") || !QTest::qWaitFor([&] { return Entry(cell, row).Data == 3.0; }))
            return nullptr;
        ClickCell(grid, row, col);
        auto* line = qobject_cast<QLineEdit*>(grid->Editor());
        if (!line)
            return nullptr;
        if (!pasted)
            QTest::keyClicks(line, text);
        else if (!testing_support::PutIntoEditor(line, text, testing_support::PasteRoute::Keys))
            return nullptr;
        return line;
    }

    ProgramRun run;
    bool started = false;
};

// Text put into the open editor from the clipboard, by Ctrl+V or by the
// editor's context menu.
enum class PasteBy { Keys, Menu };

void Paste(FlexGrid* grid, const QString& text, PasteBy by)
{
    auto* line = qobject_cast<QLineEdit*>(grid->Editor());
    QVERIFY(line);
    using testing_support::PasteRoute;
    QVERIFY(testing_support::PutIntoEditor(line, text, by == PasteBy::Keys ? PasteRoute::Keys : PasteRoute::Menu));
}

// An edit the line editor makes by itself, or text code sets into it.
enum class OwnEdit { Backspace, Delete, Cut, Undo, Redo, PasteSlot, TextByCode };

// From "2e-5" in the editor to "-5" by the edit: Backspace twice after the
// "e", "2e" selected and deleted or cut, a cut undone past a later key or
// redone after its undo, "-5" pasted over everything by the editor's own
// paste slot, or set by code.
void LeaveMinusFive(QLineEdit* line, OwnEdit edit)
{
    const auto cutTwoE = [line] {
        line->setSelection(0, 2);
        QTest::keySequence(line, QKeySequence::Cut);
    };
    switch (edit) {
    case OwnEdit::Backspace:
        line->setCursorPosition(2);
        QTest::keyClick(line, Qt::Key_Backspace);
        QTest::keyClick(line, Qt::Key_Backspace);
        break;
    case OwnEdit::Delete:
        line->setSelection(0, 2);
        QTest::keyClick(line, Qt::Key_Delete);
        break;
    case OwnEdit::Cut:
        cutTwoE();
        break;
    case OwnEdit::Undo:
        cutTwoE();
        line->selectAll();
        QTest::keyClick(line, Qt::Key_7);
        QTest::keySequence(line, QKeySequence::Undo);
        break;
    case OwnEdit::Redo:
        cutTwoE();
        QTest::keySequence(line, QKeySequence::Undo);
        QTest::keySequence(line, QKeySequence::Redo);
        break;
    case OwnEdit::PasteSlot:
        QGuiApplication::clipboard()->setText(QStringLiteral("-5"));
        line->selectAll();
        QMetaObject::invokeMethod(line, "paste");
        break;
    case OwnEdit::TextByCode:
        line->setText(QStringLiteral("-5"));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Cell)
Q_DECLARE_METATYPE(PasteBy)
Q_DECLARE_METATYPE(OwnEdit)
Q_DECLARE_METATYPE(testing_support::PasteRoute)

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
        const QString nineNines(9, '9');  // more digits before the mark than the display has
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
        row("diameter 1e308", mech, 1, "20") << "1e308" << keys << true << "20" << 20.0;
        row("diameter 1e-320", mech, 1, "20") << "1e-320" << menu << true << "20" << 20.0;
        row("diameter nine nines", mech, 1, "20") << nineNines << keys << true << "20" << 20.0;
        row("diameter with its unit", mech, 1, "20") << "50.8 mm" << keys << false << "20" << 20.0;
        row("diameter on two lines", mech, 1, "20") << "5\n0" << keys << false << "20" << 20.0;
        // Solid cylinder and motor, row 1.
        row("load 12", Cell::Load, 1, "3") << "12" << menu << true << "12" << 12.0;
        row("load -5", Cell::Load, 1, "3") << "-5" << keys << false << "3" << 3.0;
        row("motor 3000", Cell::Motor, 1, "1500") << "3000" << keys << true << "3000" << 3000.0;
        row("motor 0.0000000001", Cell::Motor, 1, "1500") << "0.0000000001" << keys << true << "1500" << 1500.0;
        // Quick setup: a minus sign starts a velocity (row 1) and nothing else.
        row("quick velocity -50", Cell::QuickSetup, 1, "60") << "-50" << keys << true << "-50" << -50.0;
        row("quick time -2", Cell::QuickSetup, 2, "1") << "-2" << menu << false << "1" << 1.0;
        // Segment table: a minus sign in every field but the duration.
        const Cell seg = Cell::Segment;
        const int duration = SegmentRow(1, 2);
        row("segment duration -5", seg, duration, "2") << "-5" << keys << false << "2" << 2.0;
        row("segment duration 1e308", seg, duration, "2") << "1e308" << menu << true << "2" << 2.0;
        row("segment duration nine nines", seg, duration, "2") << nineNines << keys << true << "2" << 2.0;
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
    // The keyboard focus stays in the editor while the command runs (as a
    // shortcut or a tool leaves it), so leaving the cell cannot store the
    // edit first: each row fails when commands do not finish open edits.
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
    // the focus. The clicks come through the X server, so the press and the
    // release arrive queued as a user's do.
    void OutlineClickMovesTheKeyboard()
    {
        if (!testing_support::OnXServer())
            QSKIP("the click must come through an X server, as a user's does");
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
            QVERIFY(testing_support::ClickThroughXServer(tree->viewport(), tree->visualItemRect(item).center()));
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

    // Text put into a value cell over a selection, or where none is, by each
    // route a user has, lands as the editor then shows it: in a freshly
    // opened cell it replaces the old value as a first key does; in a cell
    // being edited it takes the place of the selection (a drop falls where
    // it is let go). Text from a spreadsheet loses its blanks and line end;
    // a number of more digits than a value holds keeps 15 of them.
    void PastedTextLandsAsTheEditorShowsIt_data()
    {
        using testing_support::PasteRoute;
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("typed");   // before the selection; empty: freshly opened
        QTest::addColumn<int>("from");        // the selection: -1 all, else from ...
        QTest::addColumn<int>("length");      // ... length characters (0: none, the cursor at the end)
        QTest::addColumn<PasteRoute>("route");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("editor");  // the editor's text after the paste
        QTest::addColumn<double>("stored");
        const Cell mech = Cell::Mechanism;  // belt-pulley row 1: motor pulley diameter, 20 mm
        const Cell seg = Cell::Segment;
        const int velocity = SegmentRow(0, 1);  // final velocity of segment 1
        const auto add = [](const char* what, PasteRoute route, Cell cell, int row, const char* old, const char* typed,
                            int from, int length, const char* pasted, const char* editor, double stored) {
            QTest::addRow("%s, %s", what, testing_support::RouteName(route))
                << cell << row << QString(old) << QString(typed) << from << length << route << QString(pasted)
                << QString(editor) << stored;
        };
        const PasteRoute all4[] = {PasteRoute::Keys, PasteRoute::Menu, PasteRoute::Drop, PasteRoute::InputMethod};
        for (PasteRoute route : all4) {
            add("fresh 20, all, 25", route, mech, 1, "20", "", -1, 0, "25", "25", 25.0);
            add("fresh 20, all, 120", route, mech, 1, "20", "", -1, 0, "120", "120", 120.0);
            add("fresh 20, all, 200", route, mech, 1, "20", "", -1, 0, "200", "200", 200.0);
            add("fresh 20, part, 5", route, mech, 1, "20", "", 1, 1, "5", "5", 5.0);
            add("fresh 20, none, 25", route, mech, 1, "20", "", 0, 0, "25", "25", 25.0);
            add("editing 12, none, 5", route, mech, 1, "20", "12", 0, 0, "5", "125", 125.0);
            add("fresh velocity -5, all, -7", route, seg, velocity, "-5", "", -1, 0, "-7", "-7", -7.0);
            add("spreadsheet cell 12.5", route, mech, 1, "20", "", -1, 0, "12.5\n", "12.5", 12.5);
        }
        // A drop falls where it is let go (here at the cursor, which stands
        // after the selection), the other routes replace the selection.
        for (PasteRoute route : {PasteRoute::Keys, PasteRoute::Menu, PasteRoute::InputMethod}) {
            add("editing 12, all, 25", route, mech, 1, "20", "12", -1, 0, "25", "25", 25.0);
            add("editing 12, part, 50", route, mech, 1, "20", "12", 1, 1, "50", "150", 150.0);
            add("editing velocity -5, part, 7", route, seg, velocity, "-5", "-5", 1, 1, "7", "-7", -7.0);
            add("editing velocity -5, all, -7", route, seg, velocity, "-5", "-5", -1, 0, "-7", "-7", -7.0);
        }
        add("editing 12, all, 5", PasteRoute::Drop, mech, 1, "20", "12", -1, 0, "5", "125", 125.0);
        add("editing 12, part, 5", PasteRoute::Drop, mech, 1, "20", "12", 0, 1, "5", "152", 152.0);
        add("quick velocity 60, all, -50", PasteRoute::Keys, Cell::QuickSetup, 1, "60", "", -1, 0, "-50", "-50", -50.0);
        add("spreadsheet cell with blanks and tabs", PasteRoute::Menu, mech, 1, "20", "", -1, 0, "\t 12.5 \r\n", "12.5",
            12.5);
        add("spreadsheet velocity", PasteRoute::Keys, seg, velocity, "-5", "", -1, 0, "-7\r\n", "-7", -7.0);
        add("calculator pi", PasteRoute::Keys, mech, 1, "20", "", -1, 0, "3.14159265358979323846", "3.14159265358979",
            3.14159265358979);
        add("calculator 1/7 after 0", PasteRoute::Menu, mech, 1, "20", "0", 0, 0, ".142857142857142857", "0.142857142857143",
            0.142857142857143);
    }
    void PastedTextLandsAsTheEditorShowsIt()
    {
        QFETCH(Cell, cell);
        QFETCH(int, row);
        QFETCH(QString, old);
        QFETCH(QString, typed);
        QFETCH(int, from);
        QFETCH(int, length);
        QFETCH(testing_support::PasteRoute, route);
        QFETCH(QString, pasted);
        QFETCH(QString, editor);
        QFETCH(double, stored);
        Program p;
        QVERIFY(p.started);
        p.Prepare(cell);
        FlexGrid* grid = p.Grid(cell);
        const int col = Program::ValueColumn(cell);
        QVERIFY(TypeIntoCell(grid, row, col, old));
        QTRY_COMPARE(Program::Entry(cell, row).Data, dFctTextToDouble(old.toStdString()));
        ClickCell(grid, row, col);
        auto* line = qobject_cast<QLineEdit*>(grid->Editor());
        QVERIFY(line);
        QTest::keyClicks(line, typed);
        QCOMPARE(line->text(), typed.isEmpty() ? old : typed);
        if (from < 0)
            line->selectAll();
        else if (length > 0)
            line->setSelection(from, length);
        else
            line->end(false);
        QVERIFY(testing_support::PutIntoEditor(line, pasted, route));
        QCOMPARE(line->text(), editor);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QCOMPARE(Program::Entry(cell, row).Data, stored);
        QCOMPARE(grid->TextMatrix(row, col), QString::fromStdString(sFctFormatNumber(stored)));
    }

    // The middle button of X11 pastes the selection through the same rule:
    // into a freshly opened cell it replaces the old value; a negative
    // value where none may stand is refused, the old one kept, and the
    // message bar says why. (Only a window system with a selection has it.)
    void MiddleButtonPastesTheSelectionByTheRules()
    {
        if (!QGuiApplication::clipboard()->supportsSelection())
            QSKIP("no X11 selection on this platform");
        Program p;
        QVERIFY(p.started);
        p.Prepare(Cell::Mechanism);
        FlexGrid* grid = p.Grid(Cell::Mechanism);
        QVERIFY(TypeIntoCell(grid, 1, 2, "20"));
        QTRY_COMPARE(Program::Entry(Cell::Mechanism, 1).Data, 20.0);
        const auto middleClick = [&](const QString& selection, const QString& editorAfter) {
            QGuiApplication::clipboard()->setText(selection, QClipboard::Selection);
            QTRY_COMPARE(QGuiApplication::clipboard()->text(QClipboard::Selection), selection);
            ClickCell(grid, 1, 2);
            auto* line = qobject_cast<QLineEdit*>(grid->Editor());
            QVERIFY(line);
            QTest::mouseClick(line, Qt::MiddleButton, {}, QPoint(line->width() - 4, line->height() / 2));
            QCOMPARE(line->text(), editorAfter);
            QTest::keyClick(line, Qt::Key_Return);
            QTRY_VERIFY(!grid->IsEditing());
        };
        middleClick("25\n", "25");
        QCOMPARE(Program::Entry(Cell::Mechanism, 1).Data, 25.0);
        middleClick("-5", "25");
        QCOMPARE(Program::Entry(Cell::Mechanism, 1).Data, 25.0);
        QCOMPARE(p.run.Main()->lblMessage()->text(), QString::fromStdString(sFctNumberFaultText(NumberEntry::Pasted, NumberFault::Negative)));
    }

    // Under a locale with a decimal comma a point is the decimal mark too:
    // typed, pasted, or the decimal key of a keypad that writes a point.
    // One mark per number, and a grouping mark is no part of one.
    void PointIsADecimalMarkUnderACommaLocale()
    {
        Program p;
        QVERIFY(p.started);
        const std::string separator = gsDecimalSeparator;
        gsDecimalSeparator.assign(1, ',');  // (an assignment of "," trips a false warning of GCC 12)
        p.Prepare(Cell::Mechanism);
        FlexGrid* grid = p.Grid(Cell::Mechanism);
        const auto entered = [] { return Program::Entry(Cell::Mechanism, 1).Data; };
        QVERIFY(TypeIntoCell(grid, 1, 2, "2.5"));
        QTRY_COMPARE(entered(), 2.5);
        QCOMPARE(grid->TextMatrix(1, 2), QStringLiteral("2,5"));
        QVERIFY(TypeIntoCell(grid, 1, 2, "7,25"));
        QTRY_COMPARE(entered(), 7.25);
        ClickCell(grid, 1, 2);
        QVERIFY(grid->IsEditing());
        QTest::keyClick(grid->Editor(), Qt::Key_3);
        QTest::keyClick(grid->Editor(), Qt::Key_Period, Qt::KeypadModifier);  // a US keypad's decimal key
        QTest::keyClick(grid->Editor(), Qt::Key_5, Qt::KeypadModifier);
        QTest::keyClick(grid->Editor(), Qt::Key_Period, Qt::KeypadModifier);  // a second mark is refused
        QCOMPARE(grid->EditText(), QStringLiteral("3.5"));
        QTest::keyClick(grid->Editor(), Qt::Key_Return);
        QTRY_COMPARE(entered(), 3.5);
        ClickCell(grid, 1, 2);
        auto* line = qobject_cast<QLineEdit*>(grid->Editor());
        QVERIFY(line);
        QVERIFY(testing_support::PutIntoEditor(line, "12.75", testing_support::PasteRoute::Keys));
        QVERIFY(testing_support::PutIntoEditor(line, "1.234,5", testing_support::PasteRoute::Keys));
        QCOMPARE(line->text(), QStringLiteral("12.75"));
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(entered(), 12.75);
        QCOMPARE(grid->TextMatrix(1, 2), QStringLiteral("12,75"));
        gsDecimalSeparator = separator;
    }

    // A refused entry tells why in the main window's message bar, in the
    // language of the program, with no message box; the cell keeps its
    // value, and the next value stored takes the text away.
    void RefusalSaysWhyInTheMessageBar_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("why");
        const auto add = [](const char* name, bool german, Cell cell, int row, const QString& text, bool pasted,
                            const char* why) {
            QTest::newRow(name) << german << cell << row << text << pasted << QString::fromUtf8(why);
        };
        const int velocity = SegmentRow(0, 1);
        const char* tooLong = "Not stored: more than 8 digits before the decimal mark";
        add("twenty nines typed", false, Cell::Mechanism, 1, QString(20, '9'), false, tooLong);
        add("twenty nines pasted", false, Cell::Motor, 1, QString(20, '9'), true, tooLong);
        add("1e8 typed", false, Cell::Motor, 1, "1e8", false, tooLong);
        add("sixteen digits typed", false, Cell::Segment, velocity, "1.234567890123456", false,
            "Not stored: more than 15 significant digits");
        add("0.0000000001 typed", false, Cell::Load, 1, "0.0000000001", false, "Not stored: a value this small shows as 0");
        add("1e-10 pasted", false, Cell::Load, 1, "1e-10", true, "Not stored: a value this small shows as 0");
        add("-5 pasted", false, Cell::Mechanism, 1, "-5", true, "Not pasted: this value cannot be negative");
        add("a unit pasted", false, Cell::QuickSetup, 1, "50 rpm", true, "Not pasted: the text is not a number");
        add("an unfinished power of ten pasted", false, Cell::Segment, velocity, "1.546E-", true,
            "Not pasted: the text is not a number");
        add("an unfinished power of ten typed", false, Cell::Segment, velocity, "1.546E-", false,
            "Not stored: the text is not a number");
        add("twenty nines typed, German", true, Cell::Mechanism, 1, QString(20, '9'), false,
            "Nicht übernommen: mehr als 8 Stellen vor dem Dezimalzeichen");
        add("-5 pasted, German", true, Cell::Load, 1, "-5", true, "Nicht eingefügt: dieser Wert kann nicht negativ sein");
    }
    void RefusalSaysWhyInTheMessageBar()
    {
        QFETCH(bool, german);
        QFETCH(Cell, cell);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(QString, why);
        Program p;
        QVERIFY(p.started);
        if (german)
            p.run.Trigger("mnuLanguage_2");
        QCOMPARE(gnLanguageOffset, int16_t(german ? 1000 : 0));
        p.Prepare(cell);
        FlexGrid* grid = p.Grid(cell);
        const int col = Program::ValueColumn(cell);
        QLabel* bar = p.run.Main()->lblMessage();
        const size_t messages = testing_support::MessageNumbers(p.run.Messages()).size();
        QLineEdit* line = p.EnterAfterThree(cell, row, text, pasted);
        QVERIFY(line);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QCOMPARE(bar->text(), why);
        QCOMPARE(Program::Entry(cell, row).Data, 3.0);
        QCOMPARE(grid->TextMatrix(row, col), QStringLiteral("3"));
        QCOMPARE(testing_support::MessageNumbers(p.run.Messages()).size(), messages);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(TypeIntoCell(grid, row, col, "4"));
        QTRY_COMPARE(Program::Entry(cell, row).Data, 4.0);
        QCOMPARE(bar->text(), QString());
    }

    // A number with a power of ten, typed or pasted in the form the
    // program shows, a spreadsheet's or a calculator's, is that number in
    // every kind of number cell and under both decimal marks.
    void PowersOfTenAreTheNumbersTheyName_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<double>("stored");
        const auto add = [](const char* name, bool comma, Cell cell, int row, const char* text, bool pasted,
                            double stored) {
            QTest::newRow(name) << comma << cell << row << QString(text) << pasted << stored;
        };
        const int velocity = SegmentRow(0, 1);
        const int duration = SegmentRow(1, 2);
        for (const bool pasted : {false, true}) {
            const std::string how = pasted ? " pasted" : " typed";
            const auto name = [&how](const char* what) { return QByteArray(what) + how.c_str(); };
            add(name("design 1e-7"), false, Cell::Mechanism, 1, "1e-7", pasted, 1e-7);
            add(name("design 3.457E-6"), false, Cell::Mechanism, 1, "3.457E-6", pasted, 3.457e-6);
            add(name("design 1,5e-4 under the comma"), true, Cell::Motor, 4, "1,5e-4", pasted, 1.5e-4);
            add(name("design 1.5e-4 under the comma"), true, Cell::Motor, 4, "1.5e-4", pasted, 1.5e-4);
            add(name("design 2.5E3"), false, Cell::Load, 1, "2.5E3", pasted, 2500.0);
            add(name("design 1.546E-05"), false, Cell::Motor, 4, "1.546E-05", pasted, 1.546e-5);
            add(name("design 2E+2"), false, Cell::Motor, 1, "2E+2", pasted, 200.0);
            add(name("quick setup 2.5E3"), false, Cell::QuickSetup, 1, "2.5E3", pasted, 2500.0);
            add(name("quick setup -1,2E3 under the comma"), true, Cell::QuickSetup, 1, "-1,2E3", pasted, -1200.0);
            add(name("segment -1.234E-4"), false, Cell::Segment, velocity, "-1.234E-4", pasted, -1.234e-4);
            add(name("segment 1,546E-5 under the comma"), true, Cell::Segment, velocity, "1,546E-5", pasted, 1.546e-5);
            add(name("segment duration 2.5e-1"), false, Cell::Segment, duration, "2.5e-1", pasted, 0.25);
        }
    }
    void PowersOfTenAreTheNumbersTheyName()
    {
        QFETCH(bool, comma);
        QFETCH(Cell, cell);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(double, stored);
        Program p;
        QVERIFY(p.started);
        const std::string separator = gsDecimalSeparator;
        gsDecimalSeparator.assign(1, comma ? ',' : '.');
        p.Prepare(cell);
        FlexGrid* grid = p.Grid(cell);
        QLineEdit* line = p.EnterAfterThree(cell, row, text, pasted);
        QVERIFY(line);
        QCOMPARE(line->text(), text);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QVERIFY2(Close(Program::Entry(cell, row).Data, stored), qPrintable(QString::number(Program::Entry(cell, row).Data)));
        QCOMPARE(p.run.Main()->lblMessage()->text(), QString());
        gsDecimalSeparator = separator;
    }

    // The text a cell shows for 1.546e-5, copied out of its editor and
    // pasted into another cell, stores 1.546e-5 there.
    void ShownNumberCopiedOutPastesBack_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point") << false << "1.546E-5";
        QTest::newRow("comma") << true << "1,546E-5";
    }
    void ShownNumberCopiedOutPastesBack()
    {
        QFETCH(bool, comma);
        QFETCH(QString, shown);
        Program p;
        QVERIFY(p.started);
        const std::string separator = gsDecimalSeparator;
        gsDecimalSeparator.assign(1, comma ? ',' : '.');
        p.Prepare(Cell::Segment);
        FlexGrid* grid = p.Grid(Cell::Segment);
        const int from = SegmentRow(0, 1);
        const int to = SegmentRow(1, 1);
        QVERIFY(TypeIntoCell(grid, from, 2, comma ? "0,00001546" : "0.00001546"));
        QTRY_COMPARE(grid->TextMatrix(from, 2), shown);
        ClickCell(grid, from, 2);
        auto* line = qobject_cast<QLineEdit*>(grid->Editor());
        QVERIFY(line);
        line->selectAll();
        QTest::keySequence(line, QKeySequence::Copy);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), shown);
        QTest::keyClick(line, Qt::Key_Escape);
        QTRY_VERIFY(!grid->IsEditing());
        ClickCell(grid, to, 2);
        line = qobject_cast<QLineEdit*>(grid->Editor());
        QVERIFY(line);
        QTest::keySequence(line, QKeySequence::Paste);
        QCOMPARE(line->text(), shown);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QVERIFY(Close(Program::Entry(Cell::Segment, to).Data, 1.546e-5));
        QCOMPARE(grid->TextMatrix(to, 2), shown);
        gsDecimalSeparator = separator;
    }

    // A key the cell cannot take is refused and told at once, before
    // Enter, in the language of the program; the keys taken go on.
    void RefusedKeyIsToldAtOnce_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("editor");  // after the keys
        QTest::addColumn<QString>("why");
        const auto add = [](const char* name, bool german, Cell cell, const char* keys, const char* editor,
                            const char* why) {
            QTest::newRow(name) << german << cell << QString(keys) << QString(editor) << QString::fromUtf8(why);
        };
        add("minus in a positive cell", false, Cell::Mechanism, "-5", "5", "Not taken: this value cannot be negative");
        add("minus in a positive cell, German", true, Cell::Mechanism, "-5", "5",
            "Nicht angenommen: dieser Wert kann nicht negativ sein");
        add("minus in the quick setup's time", false, Cell::QuickSetup, "-2", "2",
            "Not taken: this value cannot be negative");
        add("a letter", false, Cell::Load, "1x2", "12", "Not taken: \"x\" is no part of a number");
        add("a letter, German", true, Cell::Load, "1x2", "12", "Nicht angenommen: „x“ ist kein Teil einer Zahl");
        add("a second decimal mark", false, Cell::Motor, "1.2.3", "1.23", "Not taken: a number has only one decimal mark");
        add("a grouping mark", false, Cell::Segment, "1,234", "1234", "Not taken: a grouping mark is no part of a number");
        add("a second power of ten", false, Cell::Mechanism, "1e5e", "1e5", "Not taken: \"e\" cannot stand there in a number");
    }
    void RefusedKeyIsToldAtOnce()
    {
        QFETCH(bool, german);
        QFETCH(Cell, cell);
        QFETCH(QString, keys);
        QFETCH(QString, editor);
        QFETCH(QString, why);
        Program p;
        QVERIFY(p.started);
        const std::string separator = gsDecimalSeparator;
        gsDecimalSeparator.assign(1, '.');  // the German texts with the point: the key rule is the test
        if (german)
            p.run.Trigger("mnuLanguage_2");
        gsDecimalSeparator.assign(1, '.');
        p.Prepare(cell);
        FlexGrid* grid = p.Grid(cell);
        const int row = cell == Cell::QuickSetup ? 2 : cell == Cell::Segment ? SegmentRow(1, 2) : 1;
        QLabel* bar = p.run.Main()->lblMessage();
        const size_t messages = testing_support::MessageNumbers(p.run.Messages()).size();
        QLineEdit* line = p.EnterAfterThree(cell, row, keys, false);
        QVERIFY(line);
        QCOMPARE(line->text(), editor);
        QCOMPARE(bar->text(), why);
        QVERIFY(grid->IsEditing());
        QCOMPARE(testing_support::MessageNumbers(p.run.Messages()).size(), messages);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QVERIFY(Close(Program::Entry(cell, row).Data, dFctTextToDouble(editor.toStdString())));
        gsDecimalSeparator = separator;
    }

    // Whatever edit leaves "-5" in the editor of a cell that takes no
    // negative value (a belt's Motor Pulley Diameter, a segment's
    // Duration, the quick setup's Accel. Time), Enter refuses it and says
    // why; the axis keeps the value it had.
    void OwnEditsCannotStoreANegativeValue_data()
    {
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<int>("row");
        QTest::addColumn<OwnEdit>("edit");
        const std::pair<const char*, OwnEdit> edits[] = {
            {"Backspace", OwnEdit::Backspace}, {"Delete", OwnEdit::Delete},       {"Cut", OwnEdit::Cut},
            {"Undo", OwnEdit::Undo},           {"Redo", OwnEdit::Redo},           {"paste slot", OwnEdit::PasteSlot},
            {"text set by code", OwnEdit::TextByCode},
        };
        const std::tuple<const char*, Cell, int> cells[] = {
            {"motor pulley diameter", Cell::Mechanism, 1},
            {"segment duration", Cell::Segment, SegmentRow(1, 2)},
            {"quick-setup time", Cell::QuickSetup, 2},
        };
        for (const auto& [cellName, cell, row] : cells)
            for (const auto& [editName, edit] : edits)
                QTest::addRow("%s, %s", cellName, editName) << cell << row << edit;
    }
    void OwnEditsCannotStoreANegativeValue()
    {
        QFETCH(Cell, cell);
        QFETCH(int, row);
        QFETCH(OwnEdit, edit);
        Program p;
        QVERIFY(p.started);
        p.Prepare(cell);
        if (cell == Cell::Mechanism)
            QCOMPARE(Program::Entry(cell, row).TextID, int16_t(67));  // Motor Pulley Diameter
        FlexGrid* grid = p.Grid(cell);
        QLineEdit* line = p.EnterAfterThree(cell, row, "2e-5", false);
        QVERIFY(line);
        QCOMPARE(line->text(), QStringLiteral("2e-5"));
        LeaveMinusFive(line, edit);
        QCOMPARE(line->text(), QStringLiteral("-5"));
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QCOMPARE(Program::Entry(cell, row).Data, 3.0);
        QCOMPARE(grid->TextMatrix(row, Program::ValueColumn(cell)), QStringLiteral("3"));
        QCOMPARE(p.run.Main()->lblMessage()->text(), QStringLiteral("Not stored: this value cannot be negative"));
    }

    // A minus sign refused as it is typed says why it is: "cannot be
    // negative" only where the cell takes no negative value; where the
    // cell takes one only as a new value, or no number has a minus there,
    // it says so.
    void RefusedMinusSignTellsTheTrueReason_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("cursor");  // where the minus sign is typed
        QTest::addColumn<QString>("why");
        const auto add = [](const char* name, bool german, Cell cell, int row, const char* typed, int cursor,
                            const char* why) {
            QTest::newRow(name) << german << cell << row << QString(typed) << cursor << QString::fromUtf8(why);
        };
        const int velocity = SegmentRow(0, 1);
        const int duration = SegmentRow(1, 2);
        add("quick-setup velocity: 5, Home, minus", false, Cell::QuickSetup, 1, "5", 0,
            "Not taken: a minus sign only starts a new value");
        add("quick-setup velocity: 5, Home, minus, German", true, Cell::QuickSetup, 1, "5", 0,
            "Nicht angenommen: ein Minuszeichen beginnt nur einen neuen Wert");
        add("design: minus between 1 and e5", false, Cell::Mechanism, 1, "1e5", 1,
            "Not taken: \"-\" cannot stand there in a number");
        add("segment velocity: minus between 1 and e5", false, Cell::Segment, velocity, "1e5", 1,
            "Not taken: \"-\" cannot stand there in a number");
        add("quick-setup velocity: minus after 5", false, Cell::QuickSetup, 1, "5", 1,
            "Not taken: \"-\" cannot stand there in a number");
        add("design: 5, Home, minus", false, Cell::Mechanism, 1, "5", 0, "Not taken: this value cannot be negative");
        add("segment duration: 5, Home, minus", false, Cell::Segment, duration, "5", 0,
            "Not taken: this value cannot be negative");
    }
    void RefusedMinusSignTellsTheTrueReason()
    {
        QFETCH(bool, german);
        QFETCH(Cell, cell);
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(int, cursor);
        QFETCH(QString, why);
        Program p;
        QVERIFY(p.started);
        if (german)
            p.run.Trigger("mnuLanguage_2");
        p.Prepare(cell);
        QLineEdit* line = p.EnterAfterThree(cell, row, typed, false);
        QVERIFY(line);
        QTest::keyClick(line, Qt::Key_Home);
        for (int step = 0; step < cursor; ++step)
            QTest::keyClick(line, Qt::Key_Right);
        QTest::keyClick(line, Qt::Key_Minus);
        QCOMPARE(line->text(), typed);
        QCOMPARE(p.run.Main()->lblMessage()->text(), why);
    }

    // The editor's own edits, as Backspace, leave the old value waiting to
    // be replaced: the quick setup's velocity emptied by Delete or Cut takes
    // a minus sign as the start of its new value, and "60", Home, Delete,
    // "5" gives 5 as "60", Backspace, "5" does.
    void OwnEditsLeaveTheOldValueWaiting_data()
    {
        QTest::addColumn<OwnEdit>("edit");
        QTest::addColumn<int>("from");   // the part of "60" the edit takes away
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::newRow("all deleted, -5") << OwnEdit::Delete << 0 << 2 << "-5" << -5.0;
        QTest::newRow("all cut, -5") << OwnEdit::Cut << 0 << 2 << "-5" << -5.0;
        QTest::newRow("6 deleted, 5") << OwnEdit::Delete << 0 << 1 << "5" << 5.0;
    }
    void OwnEditsLeaveTheOldValueWaiting()
    {
        QFETCH(OwnEdit, edit);
        QFETCH(int, from);
        QFETCH(int, length);
        QFETCH(QString, typed);
        QFETCH(double, stored);
        Program p;
        QVERIFY(p.started);
        p.Prepare(Cell::QuickSetup);
        FlexGrid* grid = p.Grid(Cell::QuickSetup);
        QLineEdit* line = p.Reopen(Cell::QuickSetup, 1, "60");
        QVERIFY(line);
        QCOMPARE(line->text(), QStringLiteral("60"));
        line->setSelection(from, length);
        if (edit == OwnEdit::Cut)
            QTest::keySequence(line, QKeySequence::Cut);
        else
            QTest::keyClick(line, Qt::Key_Delete);
        QCOMPARE(line->text(), QStringLiteral("60").remove(from, length));
        QTest::keyClicks(line, typed);
        QCOMPARE(line->text(), typed);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QCOMPARE(Program::Entry(Cell::QuickSetup, 1).Data, stored);
    }

    // The editor's undo and redo work after a paste as after typed keys;
    // an edit of its own (Delete, Cut) that leaves no number is refused and
    // says it was not taken.
    void UndoRedoAndEditsAfterAPaste()
    {
        Program p;
        QVERIFY(p.started);
        p.Prepare(Cell::Mechanism);
        FlexGrid* grid = p.Grid(Cell::Mechanism);
        QLineEdit* line = p.Reopen(Cell::Mechanism, 1, "20");
        QVERIFY(line);
        QTest::keyClick(line, Qt::Key_4);
        QVERIFY(testing_support::PutIntoEditor(line, "5", testing_support::PasteRoute::Keys));
        QCOMPARE(line->text(), QStringLiteral("45"));
        QTest::keySequence(line, QKeySequence::Undo);
        QCOMPARE(line->text(), QStringLiteral("4"));
        QTest::keySequence(line, QKeySequence::Redo);
        QCOMPARE(line->text(), QStringLiteral("45"));
        QVERIFY(testing_support::PutIntoEditor(line, "e-5", testing_support::PasteRoute::Menu));
        QCOMPARE(line->text(), QStringLiteral("45e-5"));
        QTest::keySequence(line, QKeySequence::Undo);
        QCOMPARE(line->text(), QStringLiteral("45"));
        QTest::keySequence(line, QKeySequence::Redo);
        QCOMPARE(line->text(), QStringLiteral("45e-5"));
        // Delete of the "e", and Cut of "45", would leave no number.
        QLabel* bar = p.run.Main()->lblMessage();
        line->setCursorPosition(2);
        QTest::keyClick(line, Qt::Key_Delete);
        QCOMPARE(line->text(), QStringLiteral("45e-5"));
        QCOMPARE(bar->text(), QStringLiteral("Not taken: the text is not a number"));
        bar->clear();
        line->setSelection(0, 2);
        QTest::keySequence(line, QKeySequence::Cut);
        QCOMPARE(line->text(), QStringLiteral("45e-5"));
        QCOMPARE(bar->text(), QStringLiteral("Not taken: the text is not a number"));
        // Deleting "-5" leaves a power of ten still to be typed.
        line->setSelection(3, 2);
        QTest::keyClick(line, Qt::Key_Delete);
        QCOMPARE(line->text(), QStringLiteral("45e"));
        QTest::keyClicks(line, "2");
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QCOMPARE(Program::Entry(Cell::Mechanism, 1).Data, 4500.0);
    }

    // Small inertias keep their digits: 0.0000003 kg.m^2 (0.003 kg.cm^2, a
    // micro-motor's rotor) is taken, and 1.546e-5 kg.m^2 shows 1.546E-5
    // in the grid, in a cell it fits, and in the report.
    void SmallInertiasAreShownStoredAndPrinted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0.0000003") << "0.0000003" << 3e-7 << "0.0000003";
        QTest::newRow("0.00001546") << "0.00001546" << 1.546e-5 << "1.546E-5";
    }
    void SmallInertiasAreShownStoredAndPrinted()
    {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        Program p;
        QVERIFY(p.started);
        testing_support::BuildDiskAxis(kAxis);  // an axis the report can calculate
        p.Prepare(Cell::Motor);
        p.Design()->mSubWriteMotorDataToTable();
        FlexGrid* grid = p.Grid(Cell::Motor);
        constexpr int kRotorInertiaRow = 4;  // motor entry 3
        QCOMPARE(Program::Entry(Cell::Motor, kRotorInertiaRow).TextID, int16_t(220));
        const QString kgm2 = QString::fromUtf8("kgm\u00b2");
        QVERIFY(testing_support::PickFromCellList(grid, kRotorInertiaRow, 2, kgm2));
        QTRY_COMPARE(QString::fromStdString(Program::Entry(Cell::Motor, kRotorInertiaRow).UnitText), kgm2);
        QVERIFY(TypeIntoCell(grid, kRotorInertiaRow, 1, typed));
        QTRY_COMPARE(Program::Entry(Cell::Motor, kRotorInertiaRow).Data, stored);
        QCOMPARE(grid->TextMatrix(kRotorInertiaRow, 1), shown);
        // The text fits into its cell as the grid draws it.
        const QRect cell = grid->visualRect(grid->model()->index(grid->QtRow(kRotorInertiaRow), 1));
        QVERIFY2(grid->fontMetrics().horizontalAdvance(shown) < cell.width(),
                 qPrintable(QString("%1 px in %2 px").arg(grid->fontMetrics().horizontalAdvance(shown)).arg(cell.width())));
        // The report's motor data: the label, the value in its field, a
        // blank and the unit.
        p.Tool(p.Report(), "vseToolShow")->trigger();
        const auto* preview = p.Report()->findChild<platform::ReportPreview*>("vsPrinter");
        const QString report = QString::fromStdString(preview->Document().Text());
        const QString label = QString::fromStdString(sFctGetText(220));
        const QRegularExpression line(QRegularExpression::escape(label) + "\\s+(\\S+) +(\\S+)");
        const QRegularExpressionMatch printed = line.match(report);
        QVERIFY2(printed.hasMatch(), qPrintable(report.left(2000)));
        QCOMPARE(printed.captured(1), shown);
        QCOMPARE(printed.captured(2), kgm2);
        // A key that takes a character of the power of ten leaves no number:
        // refused at Enter, the value kept.
        if (!shown.contains('E'))
            return;
        grid->setFocus();
        grid->SetRowCol(kRotorInertiaRow, 1);
        grid->EditCell();
        QVERIFY(grid->IsEditing());
        auto* editor = qobject_cast<QLineEdit*>(grid->Editor());
        QVERIFY(editor);
        QCOMPARE(editor->text(), shown);
        editor->end(false);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(editor->text(), shown.chopped(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!grid->IsEditing());
        QCOMPARE(Program::Entry(Cell::Motor, kRotorInertiaRow).Data, stored);
        QCOMPARE(grid->TextMatrix(kRotorInertiaRow, 1), shown);
        QCOMPARE(p.run.Main()->lblMessage()->text(), QString::fromStdString(sFctNumberFaultText(NumberEntry::Stored, NumberFault::NotANumber)));
    }

    // A small servo's rotor of 0.025 kg.cm^2 switched to kg.m^2 shows
    // 0.0000025 (1 kg.cm^2 = 1e-4 kg.m^2), not 0.000003.
    void SmallInertiaConvertedKeepsItsDigits()
    {
        Program p;
        QVERIFY(p.started);
        testing_support::BuildDiskAxis(kAxis);
        p.Prepare(Cell::Motor);
        p.Design()->mSubWriteMotorDataToTable();
        FlexGrid* grid = p.Grid(Cell::Motor);
        constexpr int kRotorInertiaRow = 4;
        QCOMPARE(grid->TextMatrix(kRotorInertiaRow, 2), QString::fromUtf8("kgcm\u00b2"));
        QVERIFY(TypeIntoCell(grid, kRotorInertiaRow, 1, "0.025"));
        QTRY_COMPARE(Program::Entry(Cell::Motor, kRotorInertiaRow).Data, 0.025);
        QVERIFY(testing_support::PickFromCellList(grid, kRotorInertiaRow, 2, QString::fromUtf8("kgm\u00b2")));
        QTRY_COMPARE(grid->TextMatrix(kRotorInertiaRow, 1), QStringLiteral("0.0000025"));
        QVERIFY(std::fabs(Program::Entry(Cell::Motor, kRotorInertiaRow).Data - 2.5e-6) <= 1e-15);
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
    const auto diskProfile = [](Program& p) {
        testing_support::BuildDiskAxis(kAxis);
        p.Profile()->mSubUpdateScreenToUnitClass();
    };
    const auto diskMotor = [](Program& p) {
        testing_support::BuildDiskAxis(kAxis);
        p.Design()->mSubWriteMotorDataToTable();
    };
    // A modal text window of the design window against the text the model
    // gives once the command has run: 1 when it was built from what was
    // typed (and the typed value changed it).
    const auto modalTextAgainstModel = [](const char* tool, std::string (*build)()) {
        return [tool, build](Program& p, double& seen) {
            const auto lines = [](const std::string& text) { return QString::fromStdString(text).remove('\r').trimmed(); };
            const QString before = lines(build());
            QString shown;
            WhenModalShows([&shown](QWidget* window) {
                shown = window->findChild<QPlainTextEdit*>("txtAnalysis")->toPlainText().remove('\r').trimmed();
            });
            p.Tool(p.Design(), tool)->trigger();
            const QString after = lines(build());
            QVERIFY(after != before);
            seen = shown == after ? 1.0 : 0.0;
        };
    };
    // The segment's duration in a report, shown or printed.
    const auto reportedDuration = [](const QString& text) {
        const QString segment = QString::fromStdString(sFctGetText(194));
        const QString segment2 = text.section(segment + " 2", 1).section(segment + " 3", 0, 0);
        const QString label = QString::fromStdString(sFctGetText(Program::Entry(Cell::Segment, SegmentRow(1, 2)).TextID));
        const QRegularExpression line(QRegularExpression::escape(label) + "\\s+(\\S+)\\s");
        return line.match(segment2).captured(1).toDouble();
    };
    // Asked to save when the program ends: 1.
    const auto askedToSave = [](Program& p, const std::function<void()>& end) {
        p.run.Messages().answers.push_back(kResultNo);
        const std::vector<int> before = testing_support::MessageNumbers(p.run.Messages());
        end();
        const std::vector<int> after = testing_support::MessageNumbers(p.run.Messages());
        return after.size() == before.size() + 1 && after.back() == 4001 ? 1.0 : 0.0;
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
        {"Language > German after a motor speed", Cell::Motor, 1, "2500", nullptr,
         [](Program& p, double& seen) {
             p.run.Trigger("mnuLanguage_2");
             QCOMPARE(p.Grid(Cell::Motor)->TextMatrix(1, 1), QStringLiteral("2500"));
             seen = Program::Entry(Cell::Motor, 1).Data;
         },
         2500.0},
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
        // Weight Only is refused on a rotary axis: the load stays.
        {"load choice Weight Only after a load value", Cell::Load, 1, "42", nullptr,
         [](Program& p, double& seen) {
             p.Design()->findChild<QComboBox*>("cboLoad")->setCurrentIndex(1);
             seen = Program::Entry(Cell::Load, 1).Data;
         },
         42.0},
        // A motor of 100 rpm is too slow for the disk's 120 rpm.
        {"Analyze after a motor speed", Cell::Motor, 1, "100", diskMotor,
         modalTextAgainstModel("vseToolAnalyze", [] { return sFctBuildAxisAnalysisText(kAxis); }), 1.0},
        {"Motor Requirements after a segment duration", Cell::Segment, SegmentRow(1, 2), "3", diskProfile,
         modalTextAgainstModel("MotorReq",
                               [] {
                                   std::string text;
                                   nFctBuildMotorRequirementsText(kAxis, text);
                                   return text;
                               }),
         1.0},
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
         [askedToSave](Program& p, double& seen) {
             seen = askedToSave(p, [&p] { QVERIFY(p.run.CloseByUser()); });
         },
         1.0},
        {"File > Exit after a motor speed asks to save", Cell::Motor, 1, "2500", nullptr,
         [askedToSave](Program& p, double& seen) {
             seen = askedToSave(p, [&p] { p.run.Trigger("mnuFileFunction_21"); });
         },
         1.0},
        // Submit of a triangular move of 600 rpm in 1 s: its top speed.
        {"Submit after a quick-setup velocity", Cell::QuickSetup, 1, "600",
         [](Program& p) { QVERIFY(TypeIntoCell(p.Grid(Cell::QuickSetup), 2, 1, "1")); },
         [](Program& p, double& seen) {
             p.Profile()->findChild<QPushButton*>("vseTransfer")->click();
             ParamRec top;
             SubGetProfileSegmentParameter(kAxis, 0, SegmentParam::FinalVelocity, top);
             seen = top.Data;
         },
         600.0},
        // Row 4 is the dwell time of a triangular quick setup and the
        // acceleration time of a trapezoidal one, whose dwell is row 6.
        {"quick-setup mode Trapezoidal after a dwell time", Cell::QuickSetup, 4, "2", nullptr,
         [](Program& p, double& seen) {
             auto* mode = p.Profile()->findChild<QComboBox*>("cboProfileMode");
             mode->setCurrentIndex(QuickSetupMode::Trapezoidal);
             emit mode->activated(QuickSetupMode::Trapezoidal);
             seen = Program::Entry(Cell::QuickSetup, 6).Data;
         },
         2.0},
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
        // the report shows and prints them.
        {"Show after a segment duration", Cell::Segment, SegmentRow(1, 2), "3", diskProfile,
         [reportedDuration](Program& p, double& seen) {
             p.Tool(p.Report(), "vseToolShow")->trigger();
             const auto* preview = p.Report()->findChild<platform::ReportPreview*>("vsPrinter");
             seen = reportedDuration(QString::fromStdString(preview->Document().Text()));
         },
         3.0},
        {"Print after a segment duration", Cell::Segment, SegmentRow(1, 2), "3", diskProfile,
         [reportedDuration](Program& p, double& seen) {
             const QString pdf = QString::fromStdString(p.run.Folder().file("axis.pdf"));
             testing_support::PdfPrinting printing(pdf);
             p.Tool(p.Report(), "vseToolPrint")->trigger();
             seen = reportedDuration(testing_support::PdfText(pdf));
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
