#pragma once
#include "foundation/basGlobalFunctionsNumbers.h"

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QTableWidget>
#include <QValidator>

#include <vector>

namespace platform {

// The grid of the parameter, reference-list, quick-setup and segment tables.
//
// Rows: grid row numbers count the fixed (header) rows first. With one fixed
// row (the default) grid row 0 is the header, shown in the horizontal header
// and filled from the format string, and grid row r is Qt row r - 1; with no
// fixed row (the info grids) grid row r is Qt row r. QtRow() is the only
// place that maps the two. Rows() counts the fixed row; Row() is -1 while no
// cell is current. Row heights are 270 twips (18 pixels).
//
// Editing: no cell opens by itself. A key typed into the current cell, F2 or
// EditCell() opens the current cell; the window's handlers decide the rest.
// A cell whose ComboList is set opens a drop-down list of its "|"-separated
// items, any other cell a line editor.
//
// Events, in the order they come:
//   focus:  GotFocus, LostFocus, only when the focus enters or leaves the grid
//           with its editor (opening or closing the editor is no change);
//   mouse:  GotFocus (when it moves here), RowColChange (when the cell
//           changes), Click on release; a double click gives DblClick and no
//           second Click;
//   keys outside the editor: KeyDown (key may be set to 0 to drop it), then
//           KeyPress for a character (Enter is '\r'; set to 0 to drop it),
//           then the grid's own handling (moving, or opening the editor with
//           the typed character as its first key);
//   an edit: BeforeEdit (cancel refuses to open), for every key KeyDownEdit
//           (key 0 drops it) and for characters and Backspace KeyPressEdit
//           (the character may be dropped (0) or changed), then on Enter,
//           on a pick from the list, on leaving the cell or the grid:
//           ValidateEdit (cancel refuses: the editor closes and the cell
//           keeps its old text; EditText() may be changed to change what is
//           stored), the text goes into the cell, the editor closes, then
//           AfterEdit. Escape closes the editor without Validate/AfterEdit.
//           Enter gives KeyDownEdit first, so a handler that moves the
//           current cell there finishes the edit before the move. Text that
//           reaches a line editor past its keys (pasted by keys, menu or
//           middle button, dropped, committed by an input method), and any
//           other change the editor makes by itself (cut, delete, undo),
//           gives PasteEdit first.
//
// Number cells: a cell given a rule by SetNumberCell takes numbers only,
// and no window judges them. Its editor holds the grammar of a number text
// and the rule of the minus sign: a typed key (after KeyPressEdit) by
// nFctNumberKeyFault, text put in from outside by nFctPastedNumberFault,
// an edit of the editor's own by nFctEditedNumberFault; Backspace is free.
// When it opens, the old value waits to be replaced: the first key or
// paste taken replaces it (Backspace and the editor's own edits edit it
// and leave it waiting). At
// the end of the edit, before ValidateEdit, the text is held to every limit
// of a stored value, its sign included (nFctStoredNumberFault), whatever
// edit left it: a refused text is not stored and the cell keeps its value.
// Every refusal is told in the message bar (SubShowNumberFault).
//
// Text cells: the line editor of any other cell holds one line of free
// text: every character is judged whole (an emoji is one, a soft hyphen or
// a joiner is text), a tab, a line end or another control character inside
// the text becomes a blank, and text holding half a character is refused
// and told in the message bar.
//
// Every command finishes the open edits before it works (FinishAllEdits,
// called for all of them by RunCommand, Commands.h), so that it finds what
// the user typed stored, in the unit shown.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kRowHeightTwips = 270;

    // The fixed rows at the top: 1 (header, the default) or 0.
    void SetFixedRows(int fixedRows);
    int FixedRows() const { return fixedRows_; }

    // Columns, header texts and alignments from a format string: columns
    // separated by "|", each text led by "<" (left), "^" (centre) or ">"
    // (right). The alignment holds for the whole column.
    void SetFormatString(const QString& format);

    // Widths as shares of the grid's visible width, column by column from
    // column 0; they follow the grid when it is resized. Columns without a
    // share keep their width; the last column fills the rest, so no
    // horizontal scroll bar shows.
    void SetColWidthFractions(const std::vector<double>& fractions);

    // All rows 270 twips high, the header included.
    void SetStandardRowHeights();
    int RowHeightPixels() const;

    // Rows including the fixed rows; Cols. An open edit is finished first and
    // stored (as by Enter), as it is by Clear.
    void SetRows(int rows);
    int Rows() const;
    void SetCols(int cols);
    int Cols() const { return columnCount(); }

    // The current cell; -1 for no current row. Setting the row or column
    // while an edit is open finishes the edit first; it does not scroll.
    int Row() const;
    int Col() const;
    void SetRow(int row);
    void SetCol(int col);
    void SetRowCol(int row, int col);
    // First and last rows wholly or partly visible below the fixed rows.
    int TopRow() const;
    int BottomRow() const;
    void SetTopRow(int row);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    // The text colour of one cell; an invalid colour restores the grid's.
    void SetCellForeColor(int row, int col, const QColor& color);
    QColor CellForeColor(int row, int col) const;

    // The drop-down list of one cell, items separated by "|"; empty for
    // free entry.
    void SetComboList(int row, int col, const QString& list);
    QString ComboList(int row, int col) const;

    // Makes the cell a number cell with that rule of the minus sign.
    void SetNumberCell(int row, int col, const NumberKeyRule& rule);
    bool IsNumberCell(int row, int col) const;

    // Empties every cell (header texts included), its colours, lists and
    // number rules.
    void Clear();

    // Opens the editor on the current cell (BeforeEdit first).
    void EditCell();
    bool IsEditing() const { return editor_ != nullptr; }
    // The text of the open editor (also inside ValidateEdit).
    QString EditText() const;
    void SetEditText(const QString& text);
    QWidget* Editor() const { return editor_; }
    // The text put into the editor, while PasteEdit runs.
    QString PastedText() const;
    // While PasteEdit runs: true for text put in from outside (a paste, a
    // drop, an input method), false for an edit the editor made by itself.
    bool PastingText() const { return pasting_; }
    // The line editor's text before and after its cursor, its selection
    // taken out: where a typed key goes in.
    void EditTextAroundCursor(QString& before, QString& after) const;
    // Finishes the open edit of every grid as Enter does (ValidateEdit,
    // then AfterEdit).
    static void FinishAllEdits();

    // Colours: the cells' back colour, and the current cell's colours.
    void SetBackColor(const QColor& color);
    QColor BackColor() const { return backColor_; }
    void SetBackColorSel(const QColor& color);
    void SetForeColorSel(const QColor& color);
    QColor BackColorSel() const;
    QColor ForeColorSel() const;
    // The current cell shows these colours while the grid has the focus and
    // none (back colour, black text) while it has not.
    void SetFocusSelectionColors(const QColor& back, const QColor& fore);

    // The Qt row of a grid row (-1 for a fixed row or none).
    int QtRow(int row) const;
    int GridRow(int qtRow) const;

signals:
    void BeforeEdit(int row, int col, bool& cancel);
    void KeyDownEdit(int row, int col, int& key, Qt::KeyboardModifiers modifiers);
    void KeyPressEdit(int row, int col, QChar& key);
    // Text about to go into the open line editor past its keys: text is the
    // whole text the editor would then hold (a paste in place of the
    // selection, or at the cursor; a drop where it falls), which the
    // handler may change; cancel refuses it (the editor keeps its text).
    // Meanwhile EditText() is the editor's text before, and PastedText()
    // the text put in (blanks and line ends around it dropped); for a
    // change the editor made by itself, the whole text it leaves. The grid
    // has held the text to its cell's rule (a number cell's, or that of
    // free text) before the handler sees it. A typed character that is no
    // single printable code unit (an emoji, a format character) goes into
    // the editor as a change of its own, past KeyPressEdit.
    void PasteEdit(int row, int col, QString& text, bool& cancel);
    void ValidateEdit(int row, int col, bool& cancel);
    void AfterEdit(int row, int col);
    void KeyDown(int& key, Qt::KeyboardModifiers modifiers);
    void KeyPress(QChar& key);
    void RowColChange();
    void Click();
    void DblClick();
    void GotFocus();
    void LostFocus();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Shows the whole text of a cell it does not fit in as a tip.
    bool ShowCutTextTip(class QHelpEvent* event);
    friend class FlexGridDelegate;
    friend class FlexGridPasteGuard;
    friend class FlexGridLineEdit;
    QTableWidgetItem* Item(int row, int col, bool create) const;
    void OpenEditor(int firstKey, const QString& firstText);
    Qt::Alignment Alignment(int col) const;
    // True when the editor passed the key on; false when it was dropped.
    bool FilterEditorKey(QKeyEvent* event);
    void FinishEdit(bool store);
    // A change of the line editor's text: let through when the grid, a
    // typed key or PasteIntoEditor made it; otherwise the text it leaves is
    // offered whole to PasteEdit, which may refuse it (Invalid undoes the
    // change).
    QValidator::State ValidateEditorChange(QString& input, int& pos);
    // Puts pasted text into the open line editor in place of length
    // characters from start, without the blanks, tabs and line ends around
    // it, through InsertIntoEditor (the editor's paste and drop come here).
    void PasteIntoEditor(const QString& text, int start, int length);
    // Puts text into the open line editor in place of length characters
    // from start, through PasteEdit (an input method's commit, typed, comes
    // here with its blanks).
    void InsertIntoEditor(const QString& text, int start, int length);
    // PasteEdit for the whole text, with the text put in; false when
    // refused.
    bool OfferEditorText(QString& whole, const QString& pasted);
    void EditorCreated(QWidget* editor);
    // The number cell rules of the open edit (FlexGridNumberCells.cpp):
    // the rule of its cell, nullptr where it is no number cell; a typed
    // character other than Backspace, the whole text a paste or an edit of
    // the editor's own leaves (which a paste may round), and the text
    // finished, each false when refused.
    const NumberKeyRule* EditedNumberRule() const;
    bool TakeNumberKey(QChar key);
    bool TakeNumberText(QString& whole);
    bool TakeFinishedNumber(int row, int col, const QString& text) const;
    // The whole text an edit of a text cell's line editor leaves, as one
    // line of free text; false when refused (FreeText.h).
    bool TakeFreeText(QString& whole) const;
    void ApplyColWidths();
    void ApplySelectionPalette();
    void ApplyFocusColors();
    void SyncFocus();
    void FocusChanged(QWidget* old, QWidget* now);
    bool Contains(QWidget* widget) const;

    int fixedRows_ = 1;
    std::vector<double> widthFractions_;
    QHash<QPair<int, int>, QString> comboLists_;
    QHash<QPair<int, int>, NumberKeyRule> numberRules_;
    // The old value of the number cell being edited waits to be replaced.
    bool numberFirstKey_ = false;
    QColor backColor_ = Qt::white;
    QColor backColorSel_ = QColor(0, 0, 128);
    QColor foreColorSel_ = Qt::white;
    QColor focusBack_, focusFore_;
    bool hasFocusWithin_ = false;
    bool afterDoubleClick_ = false;
    std::vector<Qt::Alignment> alignments_;
    int lastCol_ = 0;
    bool opening_ = false;
    bool forwardingFirstKey_ = false;

    QPointer<QWidget> editor_;
    int editRow_ = -1, editCol_ = -1;
    bool finishing_ = false;
    QString finishingText_;
    // The line editor's text as last let through; set while the grid, a
    // typed key or a paste changes it; the text put in while PasteEdit runs.
    QString editorText_;
    bool knownChange_ = false;
    QString pastedText_;
    bool pasting_ = false;
};

} // namespace platform
