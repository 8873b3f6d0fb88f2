// The grid of the axis windows, driven as a user drives it: clicks, typed
// keys, Enter and Escape, the cells read back; its events and their order.
#include "foundation/basMaterialLists.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/ReferenceListAdapter.h"
#include "shell/basWindowSlots.h"
#include "tests/support/TestAppFolder.h"
#include "tests/ui/support/EditorPaste.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

using platform::FlexGrid;

Q_DECLARE_METATYPE(testing_support::PasteRoute)

namespace {

constexpr int kRowPixels = 18;  // 270 twips at 15 twips per pixel

// A window with a grid of four columns and a line edit to take the focus
// away; every event of the grid is logged by name.
class GridWindow : public QWidget {
public:
    GridWindow()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(&grid);
        layout->addWidget(&other);
        grid.SetFormatString("^ |<Parameter|<Data|<Unit");
        grid.SetRows(6);
        for (int row = 1; row < 6; ++row) {
            grid.SetTextMatrix(row, 1, QString("P%1").arg(row));
            grid.SetTextMatrix(row, 2, QString::number(row * 10));
            grid.SetTextMatrix(row, 3, "mm");
        }
        QObject::connect(&grid, &FlexGrid::BeforeEdit, [this](int row, int col, bool& cancel) {
            log << QString("BeforeEdit %1,%2").arg(row).arg(col);
            cancel = col < 2 || refuseOpen;
        });
        QObject::connect(&grid, &FlexGrid::KeyDownEdit, [this](int row, int, int& key, Qt::KeyboardModifiers) {
            if (key == Qt::Key_Return) {
                log << "KeyDownEdit Enter";
                if (enterMovesDown)
                    grid.SetRow(row + 1);
            }
        });
        QObject::connect(&grid, &FlexGrid::KeyPressEdit, [this](int, int, QChar& key) {
            log << QString("KeyPressEdit %1").arg(key == QChar(8) ? QString("BS") : QString(key));
            if (key == '-')
                key = QChar();
            else if (key == 'a')
                key = 'b';
        });
        QObject::connect(&grid, &FlexGrid::PasteEdit, [this](int, int, QString& text, bool& cancel) {
            log << QString("PasteEdit %1 gives %2").arg(grid.PastedText(), text);
            cancel = text.contains('x');
            if (pasteReplaces)
                text = grid.PastedText();
        });
        QObject::connect(&grid, &FlexGrid::ValidateEdit, [this](int row, int col, bool& cancel) {
            log << QString("ValidateEdit %1,%2 %3").arg(row).arg(col).arg(grid.EditText());
            cancel = refuseValue;
        });
        QObject::connect(&grid, &FlexGrid::AfterEdit, [this](int row, int col) {
            log << QString("AfterEdit %1,%2 %3").arg(row).arg(col).arg(grid.TextMatrix(row, col));
        });
        QObject::connect(&grid, &FlexGrid::KeyPress, [this](QChar& key) {
            log << (key == '\r' ? QString("KeyPress Enter") : QString("KeyPress ") + key);
        });
        QObject::connect(&grid, &FlexGrid::RowColChange, [this] {
            log << QString("RowColChange %1,%2").arg(grid.Row()).arg(grid.Col());
        });
        QObject::connect(&grid, &FlexGrid::Click, [this] { log << "Click"; });
        QObject::connect(&grid, &FlexGrid::DblClick, [this] { log << "DblClick"; });
        QObject::connect(&grid, &FlexGrid::GotFocus, [this] { log << "GotFocus"; });
        QObject::connect(&grid, &FlexGrid::LostFocus, [this] { log << "LostFocus"; });
        resize(400, 300);
    }

    QPoint CellCentre(int row, int col) const
    {
        return grid.visualRect(grid.model()->index(grid.QtRow(row), col)).center();
    }
    void ClickCell(int row, int col) { QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(row, col)); }

    FlexGrid grid;
    QLineEdit other;
    QStringList log;
    bool refuseOpen = false;
    bool refuseValue = false;
    bool enterMovesDown = false;
    bool pasteReplaces = false;
};

} // namespace

class TestFlexGrid : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = new GridWindow;
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        window_->other.setFocus();
        QTRY_VERIFY(window_->other.hasFocus());
        window_->log.clear();
    }
    void cleanup() { delete window_; }

    void LayoutFollowsFormatStringAndShares()
    {
        FlexGrid& grid = window_->grid;
        QCOMPARE(grid.Cols(), 4);
        QCOMPARE(grid.Rows(), 6);
        QCOMPARE(grid.rowCount(), 5);  // row 0 is the header
        QCOMPARE(grid.TextMatrix(0, 0), QString(" "));
        QCOMPARE(grid.TextMatrix(0, 2), QString("Data"));
        QCOMPARE(grid.horizontalHeaderItem(2)->text(), QString("Data"));
        QCOMPARE(grid.TextMatrix(1, 2), QString("10"));
        QCOMPARE(grid.item(0, 2)->text(), QString("10"));
        QVERIFY(grid.item(0, 0) == nullptr || (grid.item(0, 0)->textAlignment() & Qt::AlignHCenter));
        grid.SetTextMatrix(1, 0, "?");
        QVERIFY(grid.item(0, 0)->textAlignment() & Qt::AlignHCenter);
        QVERIFY(grid.item(0, 1)->textAlignment() & Qt::AlignLeft);
        QCOMPARE(grid.rowHeight(0), kRowPixels);
        QCOMPARE(grid.horizontalHeader()->height(), kRowPixels);

        grid.SetColWidthFractions({0.05, 0.45, 0.25, 0.25});
        const int width = grid.viewport()->width();
        QCOMPARE(grid.columnWidth(1), int(0.45 * width));
        window_->resize(600, 300);
        QTRY_COMPARE(grid.columnWidth(1), int(0.45 * grid.viewport()->width()));
        // Without a share the last column takes the rest: no horizontal scrolling.
        grid.SetColWidthFractions({0.05, 0.50, 0.25});
        const int inView = grid.viewport()->width();
        QCOMPARE(grid.columnWidth(3), inView - int(0.05 * inView) - int(0.50 * inView) - int(0.25 * inView));

        // Without a fixed row, grid row 0 is the first Qt row.
        FlexGrid info;
        info.SetFixedRows(0);
        info.SetRows(2);
        info.SetCols(2);
        info.SetTextMatrix(0, 1, "Maker");
        QCOMPARE(info.rowCount(), 2);
        QCOMPARE(info.item(0, 1)->text(), QString("Maker"));
        QVERIFY(info.horizontalHeader()->isHidden());
        info.SetRow(0);
        QCOMPARE(info.Row(), 0);
    }

    // A text cut off by its column shows whole in a tip; one that fits shows
    // none.
    void CutTextShowsWholeInATip()
    {
        FlexGrid& grid = window_->grid;
        const QString longText = "Durchmesser Motorriemenscheibe und noch mehr";
        grid.SetTextMatrix(1, 1, longText);
        grid.SetTextMatrix(2, 1, "Lead");
        QVERIFY(grid.fontMetrics().horizontalAdvance(longText) > grid.columnWidth(1));
        const auto tipAt = [&grid](int row) {
            QToolTip::hideText();  // hides after a moment
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
                return QStringLiteral("(the previous tip stayed)");
            const QPoint at = grid.visualRect(grid.model()->index(grid.QtRow(row), 1)).center();
            QHelpEvent help(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
            QApplication::sendEvent(grid.viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(1), longText);
        QCOMPARE(tipAt(2), QString());
    }

    // A number in a column too narrow for it still shows that the cell
    // holds something (cut short, or "###"), at every width down to a few
    // pixels; never an empty cell.
    void ANumberTooNarrowShowsItIsCut()
    {
        FlexGrid& grid = window_->grid;
        const QString number = "123456.789";
        const QModelIndex cell = grid.model()->index(grid.QtRow(1), 2);
        const auto picture = [&grid, &cell](const QString& text) {
            grid.SetTextMatrix(1, 2, text);
            return grid.viewport()->grab(grid.visualRect(cell).adjusted(1, 1, -1, -1)).toImage();
        };
        const int whole = grid.fontMetrics().horizontalAdvance(number);
        for (int width = 6; width <= whole + 10; ++width) {
            grid.setColumnWidth(2, width);
            QApplication::processEvents();
            QCOMPARE(grid.columnWidth(2), width);
            QVERIFY2(picture(number) != picture(QString()), qPrintable(QStringLiteral("empty at %1 px").arg(width)));
        }
    }

    // Cut short, a number shows "###" (a part of it would read as another
    // number) and any other text its first characters: a dotted product
    // key is no number, though it has only digits and points.
    void OnlyANumberCutShortShowsMarks()
    {
        FlexGrid& grid = window_->grid;
        const QModelIndex cell = grid.model()->index(grid.QtRow(1), 2);
        const auto picture = [&grid, &cell](const QString& text) {
            grid.SetTextMatrix(1, 2, text);
            return grid.viewport()->grab(grid.visualRect(cell).adjusted(1, 1, -1, -1)).toImage();
        };
        grid.setColumnWidth(2, grid.fontMetrics().horizontalAdvance("0000000"));
        QApplication::processEvents();
        QCOMPARE(picture("123456.789"), picture("-98765.4321E-5"));  // both "###"
        QVERIFY(picture("1.0.2.3.4.5") != picture("123456.789"));
        QCOMPARE(picture("1.0.2.3.4.5"), picture("1.0.2.3.4.6"));   // the same first characters
    }

    void ScrollBarsFollowTheRowsThatFit()
    {
        // 108 pixels are 6 rows of 18: the header and 5 data rows.
        FlexGrid grid;
        grid.SetFormatString("<A|<B");
        grid.resize(200, 6 * kRowPixels);
        SubSetGridScrollBars(&grid, 12);
        QCOMPARE(grid.Rows(), 13);
        QCOMPARE(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        SubSetGridScrollBars(&grid, 5);
        QCOMPARE(grid.Rows(), 50);
        QCOMPARE(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void TypingGoesThroughTheKeyFilter()
    {
        GridWindow& w = *window_;
        w.ClickCell(2, 2);
        QTest::keyClicks(nullptr, "1-a2");  // to the focus widget, as typed
        QVERIFY(w.grid.IsEditing());
        QCOMPARE(w.grid.EditText(), QString("201b2"));  // no first-key rule here: appended
        QTest::keyClick(w.grid.Editor(), Qt::Key_Backspace);
        QTest::keyClick(w.grid.Editor(), Qt::Key_Return);
        QVERIFY(!w.grid.IsEditing());
        QCOMPARE(w.grid.TextMatrix(2, 2), QString("201b"));
        QCOMPARE(w.log.filter("KeyPressEdit"),
                 QStringList({"KeyPressEdit 1", "KeyPressEdit -", "KeyPressEdit a", "KeyPressEdit 2", "KeyPressEdit BS"}));
    }

    void EventsComeInOrder()
    {
        GridWindow& w = *window_;
        w.ClickCell(1, 2);
        QCOMPARE(w.log, QStringList({"GotFocus", "RowColChange 1,2", "Click"}));
        w.log.clear();
        QTest::keyClick(&w.grid, '7');
        QTest::keyClick(w.grid.Editor(), Qt::Key_Return);
        QCOMPARE(w.log, QStringList({"KeyPress 7", "BeforeEdit 1,2", "KeyPressEdit 7", "KeyDownEdit Enter",
                                     "ValidateEdit 1,2 107", "AfterEdit 1,2 107"}));
        // Enter moved on by the handler: the edit ends before the move.
        w.log.clear();
        w.enterMovesDown = true;
        QTest::keyClick(&w.grid, Qt::Key_F2);
        QTest::keyClick(w.grid.Editor(), '5');
        QTest::keyClick(w.grid.Editor(), Qt::Key_Return);
        QCOMPARE(w.log, QStringList({"BeforeEdit 1,2", "KeyPressEdit 5", "KeyDownEdit Enter",
                                     "ValidateEdit 1,2 1075", "AfterEdit 1,2 1075", "RowColChange 2,2"}));
        QCOMPARE(w.grid.Row(), 2);
        // Enter outside an editor is a key press only.
        w.log.clear();
        QTest::keyClick(&w.grid, Qt::Key_Return);
        QCOMPARE(w.log, QStringList({"KeyPress Enter"}));
        // A double click (press, release, double click, release): one Click,
        // one DblClick.
        w.log.clear();
        const QPoint name = w.CellCentre(3, 1);
        QTest::mouseClick(w.grid.viewport(), Qt::LeftButton, {}, name);
        QTest::mouseDClick(w.grid.viewport(), Qt::LeftButton, {}, name);
        QTest::mouseRelease(w.grid.viewport(), Qt::LeftButton, {}, name);
        QCOMPARE(w.log.filter(QRegularExpression("Click")), QStringList({"Click", "DblClick"}));
        // Leaving the grid while editing: the edit is stored, then LostFocus.
        w.grid.SetRowCol(4, 2);
        w.log.clear();
        w.grid.EditCell();
        QTest::keyClick(w.grid.Editor(), '9');
        w.other.setFocus();
        QTRY_VERIFY(w.other.hasFocus());
        QCOMPARE(w.log, QStringList({"BeforeEdit 4,2", "KeyPressEdit 9", "ValidateEdit 4,2 409", "AfterEdit 4,2 409",
                                     "LostFocus"}));
    }

    void RefusalsKeepTheOldValue()
    {
        GridWindow& w = *window_;
        w.ClickCell(1, 1);  // the name column is refused
        QTest::keyClick(&w.grid, '3');
        QVERIFY(!w.grid.IsEditing());
        QCOMPARE(w.grid.TextMatrix(1, 1), QString("P1"));

        w.refuseOpen = true;
        w.ClickCell(1, 2);
        QTest::keyClick(&w.grid, '3');
        QVERIFY(!w.grid.IsEditing());
        QCOMPARE(w.grid.TextMatrix(1, 2), QString("10"));

        w.refuseOpen = false;
        w.refuseValue = true;
        w.log.clear();
        QTest::keyClick(&w.grid, '3');
        QTest::keyClick(w.grid.Editor(), Qt::Key_Return);
        QVERIFY(!w.grid.IsEditing());
        QCOMPARE(w.grid.TextMatrix(1, 2), QString("10"));
        QVERIFY(w.log.filter("AfterEdit").isEmpty());

        // Escape drops the edit without validating it.
        w.refuseValue = false;
        w.log.clear();
        QTest::keyClick(&w.grid, '4');
        QTest::keyClick(w.grid.Editor(), Qt::Key_Escape);
        QVERIFY(!w.grid.IsEditing());
        QCOMPARE(w.grid.TextMatrix(1, 2), QString("10"));
        QVERIFY(w.log.filter("Validate").isEmpty());
    }

    // Text that reaches the editor past its keys (by Ctrl+V, the context
    // menu, a drop or an input method) is offered with the whole text the
    // editor would then hold: a paste and a commit in place of the
    // selection, a drop where it falls; blanks and a line end around it are
    // dropped (an input method types, so its blanks stay); a refusal leaves the editor as it was, and the handler may
    // change what goes in. Ctrl+V is no typed "v".
    void TextPastTheKeysGivesPasteEdit_data()
    {
        QTest::addColumn<testing_support::PasteRoute>("route");
        for (auto route : {testing_support::PasteRoute::Keys, testing_support::PasteRoute::Menu,
                           testing_support::PasteRoute::Drop, testing_support::PasteRoute::InputMethod})
            QTest::newRow(testing_support::RouteName(route)) << route;
    }
    void TextPastTheKeysGivesPasteEdit()
    {
        QFETCH(testing_support::PasteRoute, route);
        const bool drop = route == testing_support::PasteRoute::Drop;
        GridWindow& w = *window_;
        w.ClickCell(2, 2);
        QTest::keyClick(&w.grid, Qt::Key_F2);
        auto* line = qobject_cast<QLineEdit*>(w.grid.Editor());
        QVERIFY(line);
        line->setSelection(1, 1);  // "0" of "20"; a drop falls at the cursor after it
        QVERIFY(testing_support::PutIntoEditor(line, "57\n", route));
        const QString taken = drop ? "2057" : "257";
        QCOMPARE(line->text(), taken);
        QCOMPARE(line->cursorPosition(), drop ? 4 : 3);
        line->setCursorPosition(1);
        QVERIFY(testing_support::PutIntoEditor(line, "1x", route));
        QCOMPARE(line->text(), taken);
        w.pasteReplaces = true;
        QVERIFY(testing_support::PutIntoEditor(line, " 64\t", route));
        const QString in64 = route == testing_support::PasteRoute::InputMethod ? " 64" : "64";
        QCOMPARE(line->text(), in64);
        QCOMPARE(line->cursorPosition(), in64.size());
        const QString into1x = drop ? "21x057" : "21x57";
        const QString into64 = taken.left(1) + in64 + taken.mid(1);
        QCOMPARE(w.log.filter("Paste"), QStringList({"PasteEdit 57 gives " + taken, "PasteEdit 1x gives " + into1x,
                                                     "PasteEdit " + in64 + " gives " + into64}));
        QVERIFY(w.log.filter("KeyPressEdit").isEmpty());
        // Typed keys and the grid's own changes are no paste; an edit of
        // the editor's own (here one by code) is offered as the whole text
        // it leaves.
        w.log.clear();
        w.pasteReplaces = false;
        QTest::keyClick(line, '3');
        w.grid.SetEditText("8");
        QVERIFY(w.log.filter("Paste").isEmpty());
        line->insert("5");
        QCOMPARE(w.log.filter("Paste"), QStringList({"PasteEdit 85 gives 85"}));
        line->insert("x");
        QCOMPARE(line->text(), QString("85"));
    }

    // An edit of the editor's own that the window takes as it is (Delete,
    // Cut, Undo) leaves the cursor where the edit put it, so the next key
    // goes in there.
    void EditorsOwnEditKeepsTheCursor()
    {
        GridWindow& w = *window_;
        w.grid.SetTextMatrix(2, 2, "12345");
        w.ClickCell(2, 2);
        QTest::keyClick(&w.grid, Qt::Key_F2);
        auto* line = qobject_cast<QLineEdit*>(w.grid.Editor());
        QVERIFY(line);
        line->setCursorPosition(2);
        QTest::keyClick(line, Qt::Key_Delete);
        QCOMPARE(line->text(), QString("1245"));
        QCOMPARE(line->cursorPosition(), 2);
        line->setSelection(1, 1);
        QTest::keySequence(line, QKeySequence::Cut);
        QCOMPARE(line->text(), QString("145"));
        QCOMPARE(line->cursorPosition(), 1);
        QTest::keyClick(line, '7');
        QCOMPARE(line->text(), QString("1745"));
        QCOMPARE(w.log.filter("PasteEdit"), QStringList({"PasteEdit 1245 gives 1245", "PasteEdit 145 gives 145"}));
    }

    // FinishAllEdits ends an open edit as Enter does; with none open it does
    // nothing.
    void FinishAllEditsStoresTheOpenEdit()
    {
        GridWindow& w = *window_;
        w.ClickCell(3, 2);
        QTest::keyClick(&w.grid, '4');
        w.log.clear();
        FlexGrid::FinishAllEdits();
        QVERIFY(!w.grid.IsEditing());
        QCOMPARE(w.log, QStringList({"ValidateEdit 3,2 304", "AfterEdit 3,2 304"}));
        FlexGrid::FinishAllEdits();
        QCOMPARE(w.log.size(), 2);
    }

    void CellWithAListOpensADropDown()
    {
        GridWindow& w = *window_;
        w.grid.SetComboList(2, 3, "mm|cm|in");
        w.ClickCell(2, 3);
        w.grid.EditCell();
        auto* combo = qobject_cast<QComboBox*>(w.grid.Editor());
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), QString("mm"));
        QTest::keyClick(combo, Qt::Key_Down);  // a step is no pick
        QVERIFY(w.grid.IsEditing());
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(w.grid.TextMatrix(2, 3), QString("in"));
        QVERIFY(w.log.contains("AfterEdit 2,3 in"));

        // A pick from the open list ends the edit at once.
        w.grid.EditCell();
        combo = qobject_cast<QComboBox*>(w.grid.Editor());
        QVERIFY(combo);
        emit combo->activated(1);
        QVERIFY(!w.grid.IsEditing());
        // Other cells have a line editor.
        w.grid.SetRowCol(2, 2);
        w.grid.EditCell();
        QVERIFY(qobject_cast<QLineEdit*>(w.grid.Editor()));
    }

    void ValidateEditMayChangeTheStoredText()
    {
        GridWindow& w = *window_;
        QObject::connect(&w.grid, &FlexGrid::ValidateEdit, &w.grid, [&w](int, int, bool&) { w.grid.SetEditText("cm"); });
        w.grid.SetComboList(1, 3, "mm|cm|in");
        w.ClickCell(1, 3);
        w.grid.EditCell();
        QTest::keyClick(w.grid.Editor(), Qt::Key_Down);
        QTest::keyClick(w.grid.Editor(), Qt::Key_Down);
        QTest::keyClick(w.grid.Editor(), Qt::Key_Return);
        QCOMPARE(w.grid.TextMatrix(1, 3), QString("cm"));
    }

    void SelectionColoursFollowTheFocus()
    {
        GridWindow& w = *window_;
        const QColor back(205, 205, 205), focused(224, 224, 224), navy(0, 0, 128);
        w.grid.SetBackColor(back);
        w.grid.SetFocusSelectionColors(focused, navy);
        QCOMPARE(w.grid.BackColorSel(), back);
        QCOMPARE(w.grid.ForeColorSel(), QColor(Qt::black));
        w.ClickCell(1, 2);
        QCOMPARE(w.grid.BackColorSel(), focused);
        QCOMPARE(w.grid.ForeColorSel(), navy);
        QCOMPARE(w.grid.palette().color(QPalette::Active, QPalette::Highlight), focused);
        w.grid.EditCell();  // the editor is still the grid
        QCOMPARE(w.grid.BackColorSel(), focused);
        QCOMPARE(w.log.filter("Focus"), QStringList({"GotFocus"}));
        w.other.setFocus();
        QTRY_COMPARE(w.grid.BackColorSel(), back);

        w.grid.SetCellForeColor(2, 2, QColor(0, 120, 60));
        QCOMPARE(w.grid.CellForeColor(2, 2), QColor(0, 120, 60));
        QCOMPARE(w.grid.item(1, 2)->foreground().color(), QColor(0, 120, 60));
    }

    void NoCurrentRowAndScrolling()
    {
        GridWindow& w = *window_;
        w.grid.SetRowCol(3, 2);
        QCOMPARE(w.grid.Row(), 3);
        w.grid.SetRow(-1);
        QCOMPARE(w.grid.Row(), -1);
        QCOMPARE(w.grid.Col(), 2);
        w.grid.SetRow(0);  // the header is never current
        QCOMPARE(w.grid.Row(), -1);
        w.grid.SetRows(40);
        QCOMPARE(w.grid.TopRow(), 1);
        w.grid.SetTopRow(10);
        QCOMPARE(w.grid.TopRow(), 10);
        QVERIFY(w.grid.BottomRow() > 10);
        w.grid.Clear();
        QCOMPARE(w.grid.TextMatrix(1, 2), QString());
        QCOMPARE(w.grid.TextMatrix(0, 2), QString());
    }

    // A cell made current by the program stays where the grid is scrolled
    // to, so a click that brings the focus lands on the cell aimed at, also
    // when the window moves the current cell as the grid gets the focus.
    void ProgramSetCellDoesNotScroll()
    {
        GridWindow& w = *window_;
        w.grid.SetRows(40);
        w.grid.SetRowCol(1, 1);
        w.grid.SetTopRow(20);
        w.grid.SetCol(2);
        QCOMPARE(w.grid.TopRow(), 20);
        QObject::connect(&w.grid, &FlexGrid::GotFocus, [&w] { w.grid.SetCol(3); });
        w.ClickCell(22, 2);
        QCOMPARE(w.grid.TopRow(), 20);
        QCOMPARE(w.grid.Row(), 22);
    }

    void MaterialListsFillTheGrid()
    {
        testing_support::TestAppFolder folder;
        FlexGrid grid;
        grid.SetFormatString("<Material|<g/cm3|<lb/in3");
        platform::ReferenceListAdapter list(&grid);
        QCOMPARE(nFctFillDensityGrid(list), int16_t(-1));
        QVERIFY(grid.Rows() > 2);
        QCOMPARE(grid.TextMatrix(0, 0), QString("Material"));
        QVERIFY(!grid.TextMatrix(1, 0).isEmpty());
        QVERIFY(!grid.TextMatrix(grid.Rows() - 1, 2).isEmpty());
        QVERIFY(grid.TextMatrix(1, 0) <= grid.TextMatrix(2, 0));
    }

private:
    GridWindow* window_ = nullptr;
};

QTEST_MAIN(TestFlexGrid)
#include "tst_flexgrid.moc"
