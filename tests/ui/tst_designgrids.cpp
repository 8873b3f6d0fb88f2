// The parameter grids of the axis design window over the running program:
// typing values and units as a user does, manufacturer and product key, the
// reference lists, Enter, refills after chain commands and unit switches,
// and a whole axis typed in whose results match a hand calculation.
#include "design/frmAxisDesign.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "model/basChangeDetection.h"
#include "platform/qt/FlexGrid.h"
#include "shell/MDIMain.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/support/EditorPaste.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/ProgramRun.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

using platform::FlexGrid;
using testing_support::MessageNumbers;
using testing_support::ProgramRun;

namespace {

constexpr int16_t kAxis = 1;

// Keys go where the user's keys go: to the widget with the focus.
QWidget* Focused()
{
    return QApplication::focusWidget();
}
void TypeKeys(const QString& keys)
{
    for (QChar key : keys)
        QTest::keyClick(Focused(), key.toLatin1());
}

// The design window of axis 1, driven through its tools and grids.
class Design {
public:
    explicit Design(ProgramRun& run) : run_(run), window_(AxisDesignWindow(kAxis))
    {
        window_->SetWindowState(0);
        window_->resize(1000, 640);
        QApplication::processEvents();
    }
    frmAxisDesign* Window() const { return window_; }
    FlexGrid* Grid(const char* name) const { return window_->findChild<FlexGrid*>(name); }
    QAction* Tool(const char* key) const { return window_->findChild<QAction*>(key); }
    void Append(const char* palette) const
    {
        Tool(palette)->trigger();
        Tool("vseToolAppend")->trigger();
    }
    void ChooseLoad(int index) const { window_->findChild<QComboBox*>("cboLoad")->setCurrentIndex(index); }

    void ClickCell(FlexGrid* grid, int row, int col) const { testing_support::ClickCell(grid, row, col); }
    // Clicks the value cell (which opens its editor), types and presses Enter.
    void Type(FlexGrid* grid, int row, const QString& keys) const
    {
        const int value = grid->objectName() == "vsfMotor" ? 1 : 2;
        QVERIFY2(testing_support::TypeIntoCell(grid, row, value, keys),
                 qPrintable(grid->objectName() + QString(" row %1").arg(row)));
    }
    // Opens the unit cell and picks a unit from its list.
    void ChooseUnit(FlexGrid* grid, int row, const QString& unit) const
    {
        const int col = grid->objectName() == "vsfMotor" ? 2 : 3;
        QVERIFY2(testing_support::PickFromCellList(grid, row, col, unit), qPrintable(unit));
    }
    MechRec Mechanism(int16_t position) const
    {
        MechRec mechanism;
        nFctGetMechanism(kAxis, position, mechanism);
        return mechanism;
    }

private:
    ProgramRun& run_;
    frmAxisDesign* window_;
};

// The text a Manufacturer or Product Key cell holds: the motor's or the
// mechanism's at chain position 0.
QString InfoText(const QString& grid, int row)
{
    const bool motor = grid == "vsfMotorInfo";
    if (row == 0)
        return QString::fromStdString(motor ? sFctGetMotorManufacturer(kAxis) : sFctGetMechanismManufacturer(kAxis, 0));
    return QString::fromStdString(motor ? sFctGetMotorProductKey(kAxis) : sFctGetMechanismProductKey(kAxis, 0));
}

// A key whose text is the character, sent where the user's keys go.
void TypeCharacter(const QString& character)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(Focused(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(Focused(), &release);
}

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // U+1F600, a surrogate pair

} // namespace

Q_DECLARE_METATYPE(testing_support::PasteRoute)

class TestDesignGrids : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        run_ = std::make_unique<ProgramRun>();
        QVERIFY(run_->Start());
        QVERIFY(QTest::qWaitForWindowActive(run_->Main()));
        design_ = std::make_unique<Design>(*run_);
        separator_ = gsDecimalSeparator;
        // Metric units, the values below are worked out in them.
        gnUnitSystem = 1;
        QVERIFY(bFctCreateParameterControlTable());
        SubUpdateAllWindowsToUnits();
    }
    void cleanup()
    {
        gsDecimalSeparator = separator_;
        design_.reset();
        run_.reset();
    }

    void GridsShowTheParametersOfTheAxis()
    {
        Design& d = *design_;
        FlexGrid* mechanism = d.Grid("vsfMechanism");
        d.Append("Leadscrew");
        QCOMPARE(mechanism->TextMatrix(0, 1), QString("Parameter"));
        QCOMPARE(mechanism->TextMatrix(1, 1), QString::fromStdString(sFctGetText(207)));
        QCOMPARE(mechanism->TextMatrix(1, 2), QString("0"));
        // "?" on density, efficiency and friction coefficient (entries 2, 4, 5).
        QStringList marks;
        for (int row = 1; row <= 12; ++row)
            marks << mechanism->TextMatrix(row, 0);
        QCOMPARE(marks.join(','), QString(",,?,,?,?,,,,,,"));
        QCOMPARE(mechanism->Row(), -1);
        // A required value (Status 0) in RGB(1,0,0), an optional one (1) in RGB(0,120,60).
        QCOMPARE(mechanism->CellForeColor(1, 2), QColor(1, 0, 0));
        QCOMPARE(mechanism->CellForeColor(6, 3), QColor(0, 120, 60));
        QCOMPARE(d.Grid("vsfMechInfo")->TextMatrix(0, 0), QString::fromStdString(sFctGetText(261)));

        QTest::mouseClick(d.Window()->findChild<QWidget*>("imgMotor"), Qt::LeftButton);
        FlexGrid* motor = d.Grid("vsfMotor");
        QCOMPARE(motor->TextMatrix(0, 0), QString("Parameter"));
        QVERIFY(!motor->TextMatrix(1, 0).isEmpty());

        FlexGrid* load = d.Grid("vsfLoad");
        d.ChooseLoad(2);  // solid cylinder: density on entry 2
        QCOMPARE(load->TextMatrix(3, 0), QString("?"));
        QCOMPARE(load->TextMatrix(1, 0), QString());
        d.ChooseLoad(0);  // None: no parameter rows
        QCOMPARE(load->TextMatrix(1, 1), QString());
    }

    void TypingStoresTheValue_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("other");
        QTest::newRow("point") << "." << ",";
        QTest::newRow("comma") << "," << ".";
    }
    void TypingStoresTheValue()
    {
        QFETCH(QString, separator);
        QFETCH(QString, other);
        gsDecimalSeparator = separator.toStdString();
        Design& d = *design_;
        d.Append("Leadscrew");
        FlexGrid* grid = d.Grid("vsfMechanism");
        // 1, separator, 5; the other separator, a second separator and the
        // minus sign are dropped.
        d.Type(grid, 1, "1" + separator + other + "-5" + separator);
        QCOMPARE(grid->TextMatrix(1, 2), "1" + separator + "5");
        QCOMPARE(d.Mechanism(0).MechanismData[0].Data, 1.5);
        // The first key replaces the old text; minus first is dropped.
        d.Type(grid, 1, "-2");
        QCOMPARE(grid->TextMatrix(1, 2), QString("2"));
        QCOMPARE(d.Mechanism(0).MechanismData[0].Data, 2.0);
        // Backspace first edits the old text, the next digit still replaces it.
        d.ClickCell(grid, 1, 2);
        QTest::keyClick(Focused(), Qt::Key_Backspace);
        QCOMPARE(grid->EditText(), QString());
        d.ClickCell(grid, 2, 2);  // leaving the cell stores it: empty is 0
        QCOMPARE(d.Mechanism(0).MechanismData[0].Data, 0.0);
        d.Type(grid, 1, "12");
        d.ClickCell(grid, 1, 2);
        QTest::keyClick(Focused(), Qt::Key_Backspace);
        TypeKeys("7");
        QTest::keyClick(Focused(), Qt::Key_Return);
        QCOMPARE(grid->TextMatrix(1, 2), QString("7"));
        QCOMPARE(d.Mechanism(0).MechanismData[0].Data, 7.0);
        // The motor and the load grids store the same way.
        d.Type(d.Grid("vsfMotor"), 1, "2" + separator + "25");
        MotorRec motor;
        nFctGetMotorRecord(kAxis, motor);
        QCOMPARE(motor.MotorData[0].Data, 2.25);
        d.ChooseLoad(1);
        d.Type(d.Grid("vsfLoad"), 1, "40");
        ParamRec weight;
        nFctGetLoadParameter(kAxis, 0, weight);
        QCOMPARE(weight.Data, 40.0);
    }

    // Restored small, then maximised: the mechanism grid fills its new
    // height, with rows drawn to its bottom and no scroll bar left over
    // from the small size when its parameters fit.
    void GridFillsItsSpaceAfterRestoreAndMaximise()
    {
        Design& d = *design_;
        d.Append("Leadscrew");
        FlexGrid* grid = d.Grid("vsfMechanism");
        int parameters = 0;
        while (!grid->TextMatrix(parameters + 1, 1).isEmpty())
            ++parameters;
        QVERIFY(parameters > 3);
        d.Window()->resize(d.Window()->minimumSize());
        QApplication::processEvents();
        QVERIFY(grid->verticalScrollBar()->isVisible());  // small: the parameters scroll
        for (int16_t state : {int16_t(2), int16_t(0), int16_t(2)}) {
            d.Window()->SetWindowState(state);
            QApplication::processEvents();
        }
        const int rowHeight = grid->RowHeightPixels();
        if (parameters * rowHeight > grid->viewport()->height()) {  // a small screen at a large scale
            QVERIFY(grid->verticalScrollBar()->isVisible());
            QCOMPARE(grid->Rows(), parameters + 1);
            return;
        }
        QVERIFY(!grid->verticalScrollBar()->isVisible());
        QVERIFY2((grid->Rows() - 1) * rowHeight >= grid->viewport()->height(),
                 qPrintable(QStringLiteral("%1 rows in %2 px").arg(grid->Rows()).arg(grid->viewport()->height())));
    }

    // In a mechanism grid too small for its parameters, Enter walks down
    // with the current row kept in sight (the grid scrolls as it goes; a
    // cell made current by the program alone does not scroll it).
    void EnterKeepsTheCurrentRowInSight()
    {
        Design& d = *design_;
        d.Append("Leadscrew");
        d.Window()->resize(d.Window()->minimumSize());
        QApplication::processEvents();
        FlexGrid* grid = d.Grid("vsfMechanism");
        QVERIFY(grid->verticalScrollBar()->isVisible());
        d.ClickCell(grid, 1, 2);
        QTest::keyClick(Focused(), Qt::Key_Escape);
        int row = 1;
        for (; !grid->TextMatrix(row + 1, 1).isEmpty(); ++row) {
            QTest::keyClick(Focused(), Qt::Key_Return);
            QCOMPARE(grid->Row(), row + 1);
            const QRect cell = grid->visualRect(grid->model()->index(grid->QtRow(row + 1), 2));
            QVERIFY2(grid->viewport()->rect().contains(cell), qPrintable(QStringLiteral("row %1 out of sight").arg(row + 1)));
        }
        QVERIFY(row > 3);
    }

    void NameCellsAndRowsBelowTheParametersDoNotOpen()
    {
        Design& d = *design_;
        d.Append("Gearbox");  // three parameters
        FlexGrid* grid = d.Grid("vsfMechanism");
        // A click on a name goes on to the value and opens it.
        d.ClickCell(grid, 1, 1);
        QVERIFY(grid->IsEditing());
        QCOMPARE(grid->Col(), 2);
        QTest::keyClick(Focused(), Qt::Key_Escape);
        // Below the parameters the last parameter row becomes current.
        d.ClickCell(grid, 6, 2);
        QCOMPARE(grid->Row(), 3);
        QTest::keyClick(Focused(), Qt::Key_Escape);
        // The name cell never opens by code either, nor a parameter with a
        // single unit (efficiency, %) its unit list.
        bool refused = false;
        grid->SetRowCol(1, 1);
        emit grid->BeforeEdit(1, 1, refused);
        QVERIFY(refused);
        refused = false;
        emit grid->BeforeEdit(1, 3, refused);
        QVERIFY(refused);
    }

    void UnitChangeConvertsTheValue()
    {
        Design& d = *design_;
        d.Append("BeltPulley");
        FlexGrid* grid = d.Grid("vsfMechanism");
        QCOMPARE(grid->TextMatrix(1, 3), QString("mm"));
        d.Type(grid, 1, "50.8");
        d.ChooseUnit(grid, 1, "in");
        // 50.8 mm / 25.4 mm per inch = 2 in.
        QCOMPARE(grid->TextMatrix(1, 2), QString("2"));
        QCOMPARE(grid->TextMatrix(1, 3), QString("in"));
        const ParamRec diameter = d.Mechanism(0).MechanismData[0];
        QCOMPARE(diameter.Data, 2.0);
        QCOMPARE(QString::fromStdString(diameter.UnitText), QString("in"));
    }

    void CrossUnitChangeWithoutLeadIsRefused()
    {
        Design& d = *design_;
        d.Append("Leadscrew");
        FlexGrid* grid = d.Grid("vsfMechanism");
        const int velocityRow = 12;  // entry 11, maximum velocity, in a rotary unit
        d.Type(grid, velocityRow, "600");
        const QString rotary = grid->TextMatrix(velocityRow, 3);
        const ParamRec before = d.Mechanism(0).MechanismData[11];
        QVERIFY(bFctIsRotaryUnit(before.UnitID));
        d.ChooseUnit(grid, velocityRow, "mm/s");
        QCOMPARE(MessageNumbers(run_->Messages()), std::vector<int>({2002}));
        const std::string& shown = run_->Messages().messages.back().text;
        QVERIFY(shown.find(sFctGetText(140)) != std::string::npos);
        QVERIFY(shown.find(sFctGetText(141)) != std::string::npos);
        QCOMPARE(grid->TextMatrix(velocityRow, 2), QString("600"));
        QCOMPARE(grid->TextMatrix(velocityRow, 3), rotary);
        QCOMPARE(d.Mechanism(0).MechanismData[11].UnitID, before.UnitID);
        QCOMPARE(d.Mechanism(0).MechanismData[11].Data, 600.0);

        // With a lead of 5 mm per revolution, 600 rev/min are 50 mm/s.
        // (600 / 60 rev/s x 5 mm)
        d.Type(grid, 4, "5");
        QCOMPARE(QString::fromStdString(d.Mechanism(0).MechanismData[3].UnitText), QString("mm/rev"));
        d.ChooseUnit(grid, velocityRow, "mm/s");
        QCOMPARE(grid->TextMatrix(velocityRow, 3), QString("mm/s"));
        QCOMPARE(d.Mechanism(0).MechanismData[11].Data, 50.0);
    }

    // Texts typed go in trimmed; an emoji typed goes in whole, as the key
    // that opens a cell and into an open editor.
    void ManufacturerAndProductKey()
    {
        Design& d = *design_;
        d.Append("Gearbox");
        FlexGrid* info = d.Grid("vsfMechInfo");
        d.ClickCell(info, 0, 1);
        QVERIFY(info->IsEditing());
        TypeKeys("  Acme Drives ");
        QTest::keyClick(Focused(), Qt::Key_Return);  // on to the product key
        QCOMPARE(info->Row(), 1);
        QVERIFY(!info->IsEditing());
        TypeCharacter(kEmoji);
        QVERIFY(info->IsEditing());
        TypeKeys("G-10");
        QTest::keyClick(Focused(), Qt::Key_Return);  // the key and the minus pass here
        QCOMPARE(QString::fromStdString(sFctGetMechanismManufacturer(kAxis, 0)), QString("Acme Drives"));
        QCOMPARE(QString::fromStdString(sFctGetMechanismProductKey(kAxis, 0)), kEmoji + "G-10");
        QCOMPARE(info->TextMatrix(0, 1), QString("Acme Drives"));
        QVERIFY(d.Grid("vsfMechanism")->hasFocus());  // passed on after the last row

        QTest::mouseClick(d.Window()->findChild<QWidget*>("imgMotor"), Qt::LeftButton);
        FlexGrid* motorInfo = d.Grid("vsfMotorInfo");
        d.ClickCell(motorInfo, 1, 1);
        TypeKeys("M-7 ");
        TypeCharacter(kEmoji);
        QTest::keyClick(Focused(), Qt::Key_Return);
        QCOMPARE(QString::fromStdString(sFctGetMotorProductKey(kAxis)), "M-7 " + kEmoji);
        QCOMPARE(run_->Main()->lblMessage()->text(), QString());
    }

    // Text pasted into a Manufacturer or Product Key cell by any route is
    // taken as one line, its characters judged whole: an emoji, a soft
    // hyphen and a joiner go in as they are, a tab or line end inside
    // becomes a blank (around the text they go). Half a character is
    // refused, told in the message bar, and the cell keeps its text.
    void PastedTextIsTakenOrRefusedWithAWord_data()
    {
        using testing_support::PasteRoute;
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("old");
        QTest::addColumn<PasteRoute>("route");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("told");
        const QString softHyphen(QChar(0x00AD));
        const QString joiner(QChar(0x200D));
        const QString halfEmoji(kEmoji[0]);
        const auto add = [](const char* what, const char* grid, int row, const QString& old, PasteRoute route,
                            const QString& pasted, const QString& stored, const char* told = "") {
            QTest::addRow("%s, %s", what, testing_support::RouteName(route))
                << QString(grid) << row << old << route << pasted << stored << QString(told);
        };
        const char* mech = "vsfMechInfo";
        for (PasteRoute route : {PasteRoute::Keys, PasteRoute::Menu, PasteRoute::Drop, PasteRoute::InputMethod}) {
            add("an emoji", mech, 0, "", route, "Servo " + kEmoji, "Servo " + kEmoji);
            add("a tab inside", mech, 0, "", route, "Acme\tDrives", "Acme Drives");
            add("a line end inside", mech, 0, "", route, "Acme\r\nDrives\n", "Acme Drives");
            add("half an emoji", mech, 0, "Acme", route, "Servo " + halfEmoji, "Acme",
                "Not pasted: the text holds half a character (U+D83D)");
        }
        const PasteRoute keys = PasteRoute::Keys;
        add("a soft hyphen", mech, 0, "", keys, "Servo" + softHyphen + "drive", "Servo" + softHyphen + "drive");
        add("a zero-width joiner", mech, 1, "", keys, "G" + joiner + "10", "G" + joiner + "10");
        add("motor key with a tab", "vsfMotorInfo", 1, "", keys, "MX\t200", "MX 200");
        add("motor maker, half an emoji", "vsfMotorInfo", 0, "Acme", keys, kEmoji.mid(1), "Acme",
            "Not pasted: the text holds half a character (U+DE00)");
    }
    void PastedTextIsTakenOrRefusedWithAWord()
    {
        QFETCH(QString, grid);
        QFETCH(int, row);
        QFETCH(QString, old);
        QFETCH(testing_support::PasteRoute, route);
        QFETCH(QString, pasted);
        QFETCH(QString, stored);
        QFETCH(QString, told);
        Design& d = *design_;
        d.Append("Gearbox");
        if (grid == "vsfMotorInfo")
            QTest::mouseClick(d.Window()->findChild<QWidget*>("imgMotor"), Qt::LeftButton);
        FlexGrid* info = d.Grid(qPrintable(grid));
        QVERIFY(testing_support::TypeIntoCell(info, row, 1, old));
        QTRY_COMPARE(InfoText(grid, row), old);
        d.ClickCell(info, row, 1);
        auto* line = qobject_cast<QLineEdit*>(info->Editor());
        QVERIFY(line);
        line->end(false);
        QVERIFY(testing_support::PutIntoEditor(line, pasted, route));
        QCOMPARE(line->text(), stored);
        QCOMPARE(run_->Main()->lblMessage()->text(), told);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!info->IsEditing());
        QCOMPARE(InfoText(grid, row), stored);
        QCOMPARE(info->TextMatrix(row, 1), stored);
    }

    // An input method types: the blank it commits between words stays, as
    // a blank typed by a key does (only pasted text loses its blanks
    // around it).
    void BlankCommittedByAnInputMethodStays_data()
    {
        QTest::addColumn<QString>("blank");
        QTest::newRow("blank") << QString(" ");
        QTest::newRow("ideographic space") << QString(QChar(0x3000));
    }
    void BlankCommittedByAnInputMethodStays()
    {
        QFETCH(QString, blank);
        Design& d = *design_;
        d.Append("Gearbox");
        FlexGrid* info = d.Grid("vsfMechInfo");
        d.ClickCell(info, 0, 1);
        TypeKeys("Acme");
        auto* line = qobject_cast<QLineEdit*>(info->Editor());
        QVERIFY(line);
        QVERIFY(testing_support::PutIntoEditor(line, blank, testing_support::PasteRoute::InputMethod));
        TypeKeys("Drives");
        QCOMPARE(line->text(), "Acme" + blank + "Drives");
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!info->IsEditing());
        QCOMPARE(InfoText("vsfMechInfo", 0), "Acme" + blank + "Drives");
    }

    void EnterWalksTheRows()
    {
        Design& d = *design_;
        // Without a selected mechanism a click on its grid goes to the load choice.
        d.ClickCell(d.Grid("vsfMechanism"), 1, 2);
        QTRY_VERIFY(d.Window()->findChild<QComboBox*>("cboLoad")->hasFocus());

        d.ChooseLoad(2);  // solid cylinder
        FlexGrid* load = d.Grid("vsfLoad");
        const int count = nFctGetLoadParameterCount(kAxis);
        QVERIFY(count >= 2);
        d.Type(load, 1, "3");
        QCOMPARE(load->Row(), 2);
        d.ClickCell(load, count, 2);
        TypeKeys("4");
        QTest::keyClick(Focused(), Qt::Key_Return);
        QCOMPARE(load->Row(), 1);
        QCOMPARE(load->TopRow(), 1);
        // Outside the editor Enter walks the same way.
        QTest::keyClick(load, Qt::Key_Return);
        QCOMPARE(load->Row(), 2);

        // The motor grid's last row goes on to its info grid, row 0.
        QTest::mouseClick(d.Window()->findChild<QWidget*>("imgMotor"), Qt::LeftButton);
        FlexGrid* motor = d.Grid("vsfMotor");
        MotorRec record;
        const int motorRows = nFctGetMotorRecord(kAxis, record);
        d.Type(motor, motorRows, "1");
        QVERIFY(d.Grid("vsfMotorInfo")->hasFocus());
        QCOMPARE(d.Grid("vsfMotorInfo")->Row(), 0);
    }

    void ReferenceListsWriteIntoTheirRow()
    {
        Design& d = *design_;
        auto* panel = d.Window()->findChild<QFrame*>("vseListBox");
        d.Append("Leadscrew");
        FlexGrid* grid = d.Grid("vsfMechanism");
        struct Pick {
            int row;
            const char* list;
            int column;  // of the list
            int length;  // characters taken after the first (0: the whole text)
        };
        // Friction coefficient (entry 5), efficiency (entry 4), density (entry 2).
        for (const Pick& pick : {Pick{6, "vsfCoefficient", 1, 4}, Pick{5, "vsfEfficiency", 1, 3},
                                 Pick{3, "vsfDensity", 1, 0}}) {
            d.ClickCell(grid, pick.row, 0);
            auto* list = d.Window()->findChild<FlexGrid*>(pick.list);
            QVERIFY(panel->isVisible());
            QVERIFY2(list->isVisible(), pick.list);
            QVERIFY(list->Rows() > 2);
            // Placed just below the row.
            const int rowBottom = grid->mapTo(d.Window()->widget(), QPoint(0, 0)).y() +
                                  (pick.row - grid->TopRow() + 2) * grid->RowHeightPixels();
            QCOMPARE(panel->y(), rowBottom);
            if (pick.row == 6)
                d.Window()->grab().save(QDir::temp().filePath("design_list.png"));
            const QString text = list->TextMatrix(2, pick.column);
            const QString taken = pick.length ? text.mid(1, pick.length) : text;
            d.ClickCell(list, 2, 0);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(list->model()->index(list->QtRow(2), 0)).center());
            QVERIFY(!panel->isVisible());
            const double expected = taken.toDouble();
            QCOMPARE(d.Mechanism(0).MechanismData[static_cast<size_t>(pick.row - 1)].Data, expected);
            QCOMPARE(grid->TextMatrix(pick.row, 2), QString::fromStdString(sFctFormatNumber(expected)));
        }
        // Escape and another column close the list.
        d.ClickCell(grid, 3, 0);
        QVERIFY(panel->isVisible());
        QTest::keyClick(d.Window()->findChild<FlexGrid*>("vsfDensity"), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        d.ClickCell(grid, 3, 0);
        QVERIFY(panel->isVisible());
        d.ClickCell(grid, 1, 2);
        QVERIFY(!panel->isVisible());
    }

    // The list opened from the mark leaves the row's value cell to be typed
    // into with a click, as any value cell.
    void ValueCellOfARowWithItsListShownOpensOnAClick()
    {
        Design& d = *design_;
        d.Append("Leadscrew");
        FlexGrid* grid = d.Grid("vsfMechanism");
        d.ClickCell(grid, 5, 0);  // efficiency, entry 4
        QVERIFY(d.Window()->findChild<QFrame*>("vseListBox")->isVisible());
        QVERIFY(!grid->IsEditing());
        d.ClickCell(grid, 5, 2);
        QVERIFY(grid->IsEditing());
        TypeKeys("9");
        QTest::keyClick(Focused(), Qt::Key_Return);
        QCOMPARE(d.Mechanism(0).MechanismData[4].Data, 9.0);
    }

    void PickIntoAScrolledGridAndShortenedPanel()
    {
        Design& d = *design_;
        d.Window()->resize(1000, 420);  // the mechanism grid now scrolls
        QApplication::processEvents();
        d.Append("BeltPulley");
        FlexGrid* grid = d.Grid("vsfMechanism");
        QCOMPARE(grid->Rows(), 13);  // 12 parameters and the header, with a scroll bar
        auto* panel = d.Window()->findChild<QFrame*>("vseListBox");
        d.ClickCell(grid, 11, 0);  // efficiency (entry 10), scrolled into view
        QVERIFY(grid->TopRow() > 1);
        QVERIFY(panel->isVisible());
        // Seven rows and 130 twips would pass the window's bottom: the panel
        // ends there, but is never lower than 800 twips (53 pixels).
        const int limit = d.Window()->widget()->height();
        QVERIFY(panel->height() == 53 || panel->geometry().bottom() < limit);
        QVERIFY(panel->height() < 7 * 18 + 8);
        auto* list = d.Window()->findChild<FlexGrid*>("vsfEfficiency");
        const double expected = list->TextMatrix(1, 1).mid(1, 3).toDouble();
        d.ClickCell(list, 1, 0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(d.Mechanism(0).MechanismData[10].Data, expected);
        QCOMPARE(grid->TextMatrix(11, 2), QString::fromStdString(sFctFormatNumber(expected)));
    }

    void FailedListIsNotTriedAgain()
    {
        Design& d = *design_;
        const std::string database = run_->Folder().file("APPDATA.MDB");
        QVERIFY(QFile::rename(QString::fromStdString(database), QString::fromStdString(database + ".away")));
        d.Append("Leadscrew");
        FlexGrid* grid = d.Grid("vsfMechanism");
        auto* panel = d.Window()->findChild<QFrame*>("vseListBox");
        QCOMPARE(grid->TextMatrix(3, 0), QString("?"));  // the marks stay
        d.ClickCell(grid, 3, 0);
        QVERIFY(!panel->isVisible());
        QVERIFY(run_->Messages().messages.empty());
        QVERIFY(QFile::rename(QString::fromStdString(database + ".away"), QString::fromStdString(database)));
        d.ClickCell(grid, 1, 2);
        d.ClickCell(grid, 3, 0);
        QVERIFY(!panel->isVisible());
        QCOMPARE(d.Window()->findChild<FlexGrid*>("vsfDensity")->Rows(), 1);
        // The other lists load as before.
        d.ClickCell(grid, 5, 0);
        QVERIFY(panel->isVisible());
    }

    void PickedDensityFollowsTheUnitSystemAndItsRow()
    {
        Design& d = *design_;
        auto* panel = d.Window()->findChild<QFrame*>("vseListBox");
        d.ChooseLoad(2);  // solid cylinder: density in row 3
        FlexGrid* load = d.Grid("vsfLoad");
        FlexGrid* list = d.Window()->findChild<FlexGrid*>("vsfDensity");
        d.ClickCell(load, 3, 0);
        QVERIFY(panel->isVisible());
        // Another grid refilled meanwhile (Clear Motor) does not retarget the list.
        d.Tool("ClearMotor")->trigger();
        QVERIFY(panel->isVisible());
        const int column = gnUnitSystem == 1 ? 1 : 2;  // g/cm³ metric, lb/in³ otherwise
        const double expected = list->TextMatrix(1, column).toDouble();
        d.ClickCell(list, 1, 0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->model()->index(0, 0)).center());
        ParamRec density;
        nFctGetLoadParameter(kAxis, 2, density);
        QCOMPARE(density.Data, expected);
        QCOMPARE(load->TextMatrix(3, 2), QString::fromStdString(sFctFormatNumber(expected)));
    }

    // A density picked into a cell shown in the other system's unit lands
    // in that unit: the list's own figure in it (Steel 7.85 g/cm³, 0.2836
    // lb/in³, as 7.85 × 16.387064 / 453.59237 = 0.28360), not the figure of
    // the session's system taken for a number in the cell's unit.
    void PickedDensityLandsInTheUnitOfItsCell_data()
    {
        QTest::addColumn<int16_t>("system");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("column");  // of the list, in the cell's unit
        QTest::addColumn<QString>("shown");
        QTest::newRow("metric session, lb/in³ cell") << int16_t(1) << "lb/in³" << 2 << "0.2836";
        QTest::newRow("English session, g/cm³ cell") << int16_t(0) << "g/cm³" << 1 << "7.85";
    }
    void PickedDensityLandsInTheUnitOfItsCell()
    {
        QFETCH(int16_t, system);
        QFETCH(QString, unit);
        QFETCH(int, column);
        QFETCH(QString, shown);
        gnUnitSystem = system;
        QVERIFY(bFctCreateParameterControlTable());
        SubUpdateAllWindowsToUnits();
        Design& d = *design_;
        d.ChooseLoad(2);  // solid cylinder: density in row 3
        FlexGrid* load = d.Grid("vsfLoad");
        d.ChooseUnit(load, 3, unit);
        QTRY_COMPARE(load->TextMatrix(3, 3), unit);
        d.ClickCell(load, 3, 0);
        FlexGrid* list = d.Window()->findChild<FlexGrid*>("vsfDensity");
        QVERIFY(list->isVisible());
        int steel = 1;
        while (steel < list->Rows() && list->TextMatrix(steel, 0) != "Steel")
            ++steel;
        QVERIFY(steel < list->Rows());
        // The two figures of the row agree to the four decimals of lb/in³.
        const double gramsPerCubicCentimetrePerPoundPerCubicInch = 453.59237 / 16.387064;
        QVERIFY(std::fabs(list->TextMatrix(steel, 1).toDouble() / gramsPerCubicCentimetrePerPoundPerCubicInch -
                          list->TextMatrix(steel, 2).toDouble()) < 0.5e-4);
        d.ClickCell(list, steel, 0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->model()->index(list->QtRow(steel), 0)).center());
        ParamRec density;
        nFctGetLoadParameter(kAxis, 2, density);
        QCOMPARE(QString::fromStdString(density.UnitText), unit);
        QCOMPARE(density.Data, list->TextMatrix(steel, column).toDouble());
        QCOMPARE(load->TextMatrix(3, 2), shown);
    }

    // Under a decimal comma the lists show their figures with the comma, as
    // every other number on the screen, and a pick still stores the figure
    // (Aluminium on aluminium 1.40, steel 7.85 g/cm³ or 0.2836 lb/in³).
    void ListsShowTheSessionsDecimalMark()
    {
        gsDecimalSeparator.assign(1, ',');
        Design& d = *design_;
        d.Append("Leadscrew");
        FlexGrid* grid = d.Grid("vsfMechanism");
        const auto rowOf = [](FlexGrid* list, const QString& name) {
            int row = 1;
            while (row < list->Rows() && list->TextMatrix(row, 0) != name)
                ++row;
            return row;
        };
        const auto pick = [&d](FlexGrid* list, int row) {
            d.ClickCell(list, row, 0);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(list->model()->index(list->QtRow(row), 0)).center());
        };
        d.ClickCell(grid, 6, 0);  // friction coefficient (entry 5)
        FlexGrid* coefficients = d.Window()->findChild<FlexGrid*>("vsfCoefficient");
        QVERIFY(coefficients->isVisible());
        for (int row = 1; row < coefficients->Rows(); ++row)
            QVERIFY2(!coefficients->TextMatrix(row, 1).contains('.'), qPrintable(coefficients->TextMatrix(row, 1)));
        const int aluminium = rowOf(coefficients, "Aluminium - Aluminium (dry)");
        QVERIFY(aluminium < coefficients->Rows());
        QCOMPARE(coefficients->TextMatrix(aluminium, 1), QStringLiteral(" 1,40"));
        pick(coefficients, aluminium);
        QCOMPARE(d.Mechanism(0).MechanismData[5].Data, 1.4);
        QCOMPARE(grid->TextMatrix(6, 2), QStringLiteral("1,4"));

        d.ClickCell(grid, 3, 0);  // density (entry 2)
        FlexGrid* densities = d.Window()->findChild<FlexGrid*>("vsfDensity");
        QVERIFY(densities->isVisible());
        const int steel = rowOf(densities, "Steel");
        QVERIFY(steel < densities->Rows());
        QCOMPARE(densities->TextMatrix(steel, 1), QStringLiteral("7,85"));
        QCOMPARE(densities->TextMatrix(steel, 2), QStringLiteral("0,2836"));
        pick(densities, steel);
        QCOMPARE(d.Mechanism(0).MechanismData[2].Data, 7.85);  // metric: g/cm³
        QCOMPARE(grid->TextMatrix(3, 2), QStringLiteral("7,85"));
    }

    // A list opens at its first row, also after a pick far down in it.
    void ListReopensAtItsFirstRow()
    {
        Design& d = *design_;
        d.ChooseLoad(2);  // solid cylinder: density in row 3
        FlexGrid* load = d.Grid("vsfLoad");
        FlexGrid* list = d.Window()->findChild<FlexGrid*>("vsfDensity");
        d.ClickCell(load, 3, 0);
        QVERIFY(list->isVisible());
        const int last = list->Rows() - 1;
        QVERIFY(last > list->BottomRow());  // the list scrolls
        d.ClickCell(list, last, 0);
        QVERIFY(list->TopRow() > 1);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->model()->index(list->QtRow(last), 0)).center());
        QVERIFY(!list->isVisible());
        d.ClickCell(load, 3, 2);
        d.ClickCell(load, 3, 0);
        QVERIFY(list->isVisible());
        QApplication::processEvents();
        QCOMPARE(list->TopRow(), 1);
        // A key in the list starts from its first row, not from the last pick.
        QTest::keyClick(list, Qt::Key_Down);
        QApplication::processEvents();
        QCOMPARE(list->TopRow(), 1);
    }

    // A list left open while the load became None has no row to write to:
    // a pick shows no value in the empty load grid.
    void PickForALoadThatIsGoneShowsNothing()
    {
        Design& d = *design_;
        d.ChooseLoad(2);  // solid cylinder: density in row 3
        FlexGrid* load = d.Grid("vsfLoad");
        FlexGrid* list = d.Window()->findChild<FlexGrid*>("vsfDensity");
        d.ClickCell(load, 3, 0);
        QVERIFY(d.Window()->findChild<QFrame*>("vseListBox")->isVisible());
        d.ChooseLoad(0);
        QCOMPARE(nFctGetLoadParameterCount(kAxis), int16_t(0));
        d.ClickCell(list, 1, 0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(load->TextMatrix(3, 2), QString());
    }

    // A value still in its editor when a chain command refills the grid is
    // stored, in the mechanism it was typed for, as leaving the cell would.
    void ValueInTheEditorIsKeptWhenTheChainChanges_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("gearboxPosition");  // after the command
        QTest::newRow("append") << "vseToolAppend" << 0;
        QTest::newRow("insert") << "vseToolInsert" << 1;
    }
    void ValueInTheEditorIsKeptWhenTheChainChanges()
    {
        QFETCH(QString, command);
        QFETCH(int, gearboxPosition);
        Design& d = *design_;
        d.Append("Gearbox");
        FlexGrid* grid = d.Grid("vsfMechanism");
        d.ClickCell(grid, 2, 2);
        QVERIFY(grid->IsEditing());
        TypeKeys("9");
        d.Tool("Coupling")->trigger();
        d.Tool(command.toLatin1().constData())->trigger();
        const MechRec gearbox = d.Mechanism(static_cast<int16_t>(gearboxPosition));
        QCOMPARE(gearbox.Identifier, MechanismType::Gearbox);
        QCOMPARE(gearbox.MechanismData[1].Data, 9.0);
        QCOMPARE(d.Mechanism(static_cast<int16_t>(1 - gearboxPosition)).MechanismData[1].Data, 0.0);
    }

    void GridsAreRefilledAfterChainCommandsAndUnitSwitch()
    {
        Design& d = *design_;
        d.Append("Leadscrew");
        FlexGrid* grid = d.Grid("vsfMechanism");
        d.Type(grid, 1, "20");
        // Replace by a gearbox: its three parameters.
        d.Tool("Gearbox")->trigger();
        d.Tool("vseToolReplace")->trigger();
        QCOMPARE(grid->TextMatrix(1, 1), QString::fromStdString(sFctGetText(89)));
        QCOMPARE(grid->TextMatrix(4, 1), QString());
        // Cut: the chain is empty, so is the grid.
        d.Tool("vseToolCut")->trigger();
        QCOMPARE(grid->TextMatrix(1, 1), QString());

        // A unit-system switch converts the values and refills the grids.
        d.Append("BeltPulley");
        d.Type(grid, 1, "25.4");
        const QString before = grid->TextMatrix(1, 3);
        gnUnitSystem = gnUnitSystem == 1 ? 0 : 1;
        SubUpdateAllWindowsToUnits();
        const QString after = grid->TextMatrix(1, 3);
        QVERIFY(after != before);
        const ParamRec diameter = d.Mechanism(0).MechanismData[0];
        QCOMPARE(after, QString::fromStdString(diameter.UnitText));
        QCOMPARE(grid->TextMatrix(1, 2), QString::fromStdString(sFctFormatNumber(diameter.Data)));
    }

    void ClearMotorIsAChange()
    {
        Design& d = *design_;
        QTest::mouseClick(d.Window()->findChild<QWidget*>("imgMotor"), Qt::LeftButton);
        d.Type(d.Grid("vsfMotor"), 1, "3000");
        SubSaveAxesSnapshot();  // as after a save
        QVERIFY(nFctGetModifiedState() != 1);
        d.Tool("ClearMotor")->trigger();
        QCOMPARE(d.Grid("vsfMotor")->TextMatrix(1, 1), QString("0"));
        QCOMPARE(nFctGetModifiedState(), int16_t(1));
        // Exit asks to save; Cancel keeps the program.
        run_->Messages().answers = {kResultCancel};
        QVERIFY(!run_->CloseByUser());
        QCOMPARE(MessageNumbers(run_->Messages()).back(), 4001);
        // Clearing the default motor again is no change.
        SubSaveAxesSnapshot();
        d.Tool("ClearMotor")->trigger();
        QVERIFY(nFctGetModifiedState() != 1);
    }

    void WholeAxisTypedIn()
    {
        // Belt: motor pulley 40 mm (3 N), one load pulley 120 mm (6 N), belt
        // 2 N, 90 %; conveyor: drive pulley 60 mm (8 N), belt 15 N, friction
        // 0.2, 85 %; weight load 100 N. g = 9.8067 m/s^2.
        // Conveyor: pulley 0.5 x 8 / g x 0.03^2 = 3.67096e-4; belt and load
        // 115 / g x 0.03^2 / 0.85 = 0.0124165; together 0.0127836 kg.m^2.
        // Belt, ratio 120 / 40 = 3: motor pulley 0.5 x 3 / g x 0.02^2 =
        // 6.11827e-5, belt 2 / g x 0.02^2 / 0.9 = 9.06410e-5, load pulley
        // 0.5 x 6 / g x 0.06^2 = 1.10129e-3 and the conveyor through 90 % and
        // 3^2: (1.10129e-3 + 0.0127836) / 0.9 / 9 = 1.71418e-3; reflected
        // inertia 1.86600e-3 kg.m^2.
        // Friction (15 + 100) x 0.2 = 23 N at 0.03 m through 85 %: 0.811765
        // N.m at the pulley, at the motor / (3 x 0.9) = 0.300654 N.m.
        const double inertia = 1.8660045e-3;
        const double constantTorque = 0.30065359;
        Design& d = *design_;
        if (gnUnitSystem != 1) {
            gnUnitSystem = 1;
            SubUpdateAllWindowsToUnits();
        }
        FlexGrid* grid = d.Grid("vsfMechanism");
        d.Append("BeltPulley");
        const std::vector<std::pair<int, QString>> belt{{1, "40"}, {2, "3"}, {5, "1"}, {6, "120"},
                                                        {7, "6"}, {10, "2"}, {11, "90"}};
        for (const auto& [row, text] : belt)
            d.Type(grid, row, text);
        d.Append("Conveyor");
        const std::vector<std::pair<int, QString>> conveyor{{1, "60"}, {2, "8"}, {6, "15"}, {7, "0.2"},
                                                            {8, "85"}};
        for (const auto& [row, text] : conveyor)
            d.Type(grid, row, text);
        d.ChooseLoad(1);
        d.Type(d.Grid("vsfLoad"), 1, "100");
        QCOMPARE(grid->TextMatrix(1, 3), QString("mm"));
        QCOMPARE(grid->TextMatrix(2, 3), QString("N"));
        QCOMPARE(d.Grid("vsfLoad")->TextMatrix(1, 3), QString("N"));

        // The load counts once a segment of the motion carries it: one
        // segment of 2 s up to 60 rev/min (the profile window's part).
        if (nFctGetSegmentCount(kAxis) == 0)
            nFctInitProfileSegments(kAxis);
        nFctSetProfileSegmentValue(kAxis, 0, SegmentParam::FinalVelocity, 60);
        nFctSetProfileSegmentValue(kAxis, 0, SegmentParam::Duration, 2);
        SubCalcAxisResults(kAxis);
        const AxisRec typed = gAxis[static_cast<size_t>(nFctFindAxisIndex(kAxis))];
        QVERIFY(std::abs(typed.AxisResult[1].Value - inertia) < 1e-6 * inertia);
        QVERIFY(std::abs(typed.AxisResult[2].Value - constantTorque) < 1e-6 * constantTorque);

        // The same axis built through the accessors gives the same results.
        const int16_t position = 0;
        for (const auto& [row, text] : belt)
            SubSetMechanismParameterValue(kAxis, position, static_cast<int16_t>(row - 1), text.toDouble());
        for (const auto& [row, text] : conveyor)
            SubSetMechanismParameterValue(kAxis, 1, static_cast<int16_t>(row - 1), text.toDouble());
        nFctSetLoadParameterValue(kAxis, 0, 100);
        SubCalcAxisResults(kAxis);
        const AxisRec& built = gAxis[static_cast<size_t>(nFctFindAxisIndex(kAxis))];
        QCOMPARE(built.AxisResult[1].Value, typed.AxisResult[1].Value);
        QCOMPARE(built.AxisResult[2].Value, typed.AxisResult[2].Value);

        d.Window()->grab().save(QDir::temp().filePath("design_grids.png"));
    }

private:
    std::unique_ptr<ProgramRun> run_;
    std::unique_ptr<Design> design_;
    std::string separator_;
};

QTEST_MAIN(TestDesignGrids)
#include "tst_designgrids.moc"
