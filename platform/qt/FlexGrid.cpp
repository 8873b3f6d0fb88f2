#include "platform/qt/FlexGrid.h"

#include "platform/qt/FreeText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace platform {

// Sees every change of a line editor's text, whatever made it, so that
// text that came past the key filter is held to the window's rules.
class FlexGridPasteGuard : public QValidator {
public:
    FlexGridPasteGuard(FlexGrid* grid, QObject* parent) : QValidator(parent), grid_(grid) {}
    State validate(QString& input, int& pos) const override { return grid_->ValidateEditorChange(input, pos); }

private:
    FlexGrid* grid_;
};

// The line editor of a cell. Text that comes into it past the keys (pasted
// by a shortcut, the context menu or the middle button, dropped, committed
// by an input method) goes to the grid with the range of the text it
// replaces, so that the window sees the text the editor would then hold.
class FlexGridLineEdit : public QLineEdit {
public:
    FlexGridLineEdit(FlexGrid* grid, const QString& text, QWidget* parent) : QLineEdit(text, parent), grid_(grid) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Paste)) {
            event->accept();
            PasteOverSelection();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        // The standard menu, its Paste entry (the one wired to paste())
        // wired to the grid's paste instead.
        QMenu* menu = createStandardContextMenu();
        for (QAction* entry : menu->actions()) {
            // (QLineEdit wires it by the signal's and slot's names.)
            if (disconnect(entry, SIGNAL(triggered()), this, SLOT(paste())))
                connect(entry, &QAction::triggered, this, [this] { PasteOverSelection(); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        // The middle button pastes the selection of X11 at the cursor (its
        // press put the cursor there).
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
            deselect();
            grid_->PasteIntoEditor(QGuiApplication::clipboard()->text(QClipboard::Selection), cursorPosition(), 0);
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
    }

    void dropEvent(QDropEvent* event) override
    {
        // A drop goes in where it falls; a selection stays (as in any line
        // editor). The editor starts no drag of its own.
        if (!event->mimeData()->hasText()) {
            QLineEdit::dropEvent(event);
            return;
        }
        event->acceptProposedAction();
        deselect();
        grid_->PasteIntoEditor(event->mimeData()->text(), cursorPositionAt(event->position().toPoint()), 0);
    }

    void inputMethodEvent(QInputMethodEvent* event) override
    {
        if (event->commitString().isEmpty()) {
            QLineEdit::inputMethodEvent(event);
            return;
        }
        // The commit replaces the selection, or the range the input method
        // names around the cursor; what it composes on goes on as before.
        const int start = hasSelectedText() ? selectionStart() : cursorPosition() + event->replacementStart();
        const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : event->replacementLength();
        // An input method types: the blanks it commits stay, a line end
        // after a phrase goes.
        grid_->InsertIntoEditor(WithoutControlsAround(event->commitString()), start, length);
        QInputMethodEvent composing(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&composing);
    }

private:
    void PasteOverSelection()
    {
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
        grid_->PasteIntoEditor(QGuiApplication::clipboard()->text(), start, length);
    }

    FlexGrid* grid_;
};

// Creates the cell editors and draws the current cell as the selection.
// It never copies between editor and cell: the grid does that itself, so
// that its events come in their order.
class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const int row = grid_->GridRow(index.row());
        const QString text = grid_->TextMatrix(row, index.column());
        const QString list = grid_->ComboList(row, index.column());
        QWidget* editor;
        if (!list.isEmpty()) {
            auto* combo = new QComboBox(parent);
            combo->setFrame(false);
            combo->addItems(list.split('|'));
            combo->setCurrentIndex(combo->findText(text));
            QObject::connect(combo, &QComboBox::activated, grid_, [this] { grid_->FinishEdit(true); });
            editor = combo;
        } else {
            auto* line = new FlexGridLineEdit(grid_, text, parent);
            line->setFrame(false);
            line->setValidator(new FlexGridPasteGuard(grid_, line));
            editor = line;
        }
        grid_->EditorCreated(editor);
        return editor;
    }
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

    // A text too wide for its cell shows that it is cut: a number as
    // "###" (or as many of those marks as fit: a part of a number would
    // read as another number), any other text cut short with "..."; where
    // the cell is too narrow even for that inside its margins, the mark is
    // drawn over the margins, clipped to the cell. Never an empty cell.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shown = option;
        initStyleOption(&shown, index);
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const int room = option.rect.width() - 2 * margin;
        const QFontMetrics metrics(shown.font);
        const QString text = shown.text;
        if (text.isEmpty() || metrics.horizontalAdvance(text) <= room) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QString mark;
        if (IsNumberText(text)) {
            mark = QStringLiteral("###");
            while (mark.size() > 1 && metrics.horizontalAdvance(mark) > room)
                mark.chop(1);
        } else {
            mark = metrics.elidedText(text, Qt::ElideRight, room);
            if (mark.isEmpty())
                mark = QString(QChar(0x2026));
        }
        shown.text = QString();
        style->drawControl(QStyle::CE_ItemViewItem, &shown, painter, view);
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(shown.font);
        const QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        painter->setPen(shown.palette.color(group, option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const bool fits = metrics.horizontalAdvance(mark) <= room;
        const QRect textRect = fits ? option.rect.adjusted(margin, 0, -margin, 0) : option.rect;
        painter->drawText(textRect, static_cast<int>(shown.displayAlignment) | Qt::TextSingleLine, mark);
        painter->restore();
    }

protected:
    // A number as the grid shows one: a number text to its end.
    static bool IsNumberText(const QString& text)
    {
        return nFctNumberTextForm(text.trimmed().toStdString()) == NumberTextForm::Whole;
    }

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
        if (index == grid_->currentIndex())
            option->state |= QStyle::State_Selected;
        else
            option->state &= ~QStyle::State_Selected;
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (object != grid_->editor_)
            return false;
        auto* combo = qobject_cast<QComboBox*>(grid_->editor_);
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!grid_->FilterEditorKey(key))
                return true;
            // A closed list steps with the arrow keys; the step is no pick.
            if (combo && !(key->modifiers() & Qt::AltModifier)
                && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
                const int step = key->key() == Qt::Key_Up ? -1 : 1;
                combo->setCurrentIndex(std::clamp(combo->currentIndex() + step, 0, combo->count() - 1));
                return true;
            }
            return false;
        }
        case QEvent::Wheel:
            return combo != nullptr;
        case QEvent::FocusOut:
            if (!grid_->Contains(QApplication::focusWidget()) || QApplication::focusWidget() == grid_)
                grid_->FinishEdit(true);
            return false;
        default:
            return false;
        }
    }

private:
    FlexGrid* grid_;
};

namespace {

QColor Black() { return QColor(0, 0, 0); }

// Ends the line editor's current undo step, so that the next edit is undone
// on its own: the editor starts a new step when its cursor moves, so the
// cursor steps aside and back (the selection goes).
void EndUndoStep(QLineEdit* line)
{
    const int cursor = line->cursorPosition();
    if (line->text().isEmpty())
        return;
    line->setCursorPosition(cursor > 0 ? cursor - 1 : cursor + 1);
    line->setCursorPosition(cursor);
}

// Every grid of the program, for FinishAllEdits.
std::vector<FlexGrid*>& AllGrids()
{
    static std::vector<FlexGrid*> grids;
    return grids;
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    AllGrids().push_back(this);
    setItemDelegate(new FlexGridDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setWordWrap(false);
    SetStandardRowHeights();
    ApplySelectionPalette();
    connect(qApp, &QApplication::focusChanged, this, &FlexGrid::FocusChanged);
}

FlexGrid::~FlexGrid()
{
    std::erase(AllGrids(), this);
    disconnect(qApp, &QApplication::focusChanged, this, &FlexGrid::FocusChanged);
    if (editor_)  // an editor going with the grid stores nothing
        editor_->removeEventFilter(itemDelegate());
}

// ---- Rows and columns -------------------------------------------------------

int FlexGrid::QtRow(int row) const
{
    return row >= fixedRows_ ? row - fixedRows_ : -1;
}

int FlexGrid::GridRow(int qtRow) const
{
    return qtRow >= 0 ? qtRow + fixedRows_ : -1;
}

void FlexGrid::SetFixedRows(int fixedRows)
{
    const int rows = Rows();
    fixedRows_ = std::clamp(fixedRows, 0, 1);
    horizontalHeader()->setVisible(fixedRows_ == 1);
    SetRows(rows);
}

void FlexGrid::SetRows(int rows)
{
    if (editor_)
        FinishEdit(true);
    setRowCount(std::max(rows - fixedRows_, 0));
}

int FlexGrid::Rows() const
{
    return rowCount() + fixedRows_;
}

void FlexGrid::SetCols(int cols)
{
    setColumnCount(cols);
    alignments_.resize(cols, Qt::AlignLeft);
}

void FlexGrid::SetFormatString(const QString& format)
{
    const QStringList columns = format.split('|');
    SetCols(columns.size());
    for (int col = 0; col < columns.size(); ++col) {
        QString text = columns[col];
        Qt::Alignment alignment = Qt::AlignLeft;
        if (text.startsWith('<') || text.startsWith('^') || text.startsWith('>')) {
            alignment = text[0] == '^' ? Qt::AlignHCenter : text[0] == '>' ? Qt::AlignRight : Qt::AlignLeft;
            text.remove(0, 1);
        }
        alignments_[col] = alignment;
        for (int row = 0; row < Rows(); ++row)
            if (QTableWidgetItem* cell = Item(row, col, false))
                cell->setTextAlignment(Alignment(col));
        if (fixedRows_ == 1)
            SetTextMatrix(0, col, text);
    }
}

void FlexGrid::SetColWidthFractions(const std::vector<double>& fractions)
{
    widthFractions_ = fractions;
    ApplyColWidths();
}

void FlexGrid::ApplyColWidths()
{
    const int width = viewport()->width();
    const int last = columnCount() - 1;
    if (widthFractions_.empty() || last < 0)
        return;
    int used = 0;
    for (int col = 0; col < last; ++col) {
        if (col < int(widthFractions_.size()))
            setColumnWidth(col, int(widthFractions_[size_t(col)] * width));
        used += columnWidth(col);
    }
    setColumnWidth(last, std::max(width - used, 1));
}

bool FlexGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize)
        ApplyColWidths();
    if (event->type() == QEvent::ToolTip && ShowCutTextTip(static_cast<QHelpEvent*>(event)))
        return true;
    return QTableWidget::viewportEvent(event);
}

bool FlexGrid::ShowCutTextTip(QHelpEvent* event)
{
    // A text wider than its cell shows whole in a tip; a text that fits
    // needs none.
    const QModelIndex index = indexAt(event->pos());
    const QString text = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    if (text.isEmpty() || fontMetrics().horizontalAdvance(text) + margin <= visualRect(index).width()) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(event->globalPos(), text, viewport(), visualRect(index));
    return true;
}

int FlexGrid::RowHeightPixels() const
{
    return kRowHeightTwips / kTwipsPerPixel;
}

void FlexGrid::SetStandardRowHeights()
{
    verticalHeader()->setDefaultSectionSize(RowHeightPixels());
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, RowHeightPixels());
    horizontalHeader()->setFixedHeight(RowHeightPixels());
}

// ---- The current cell -------------------------------------------------------

int FlexGrid::Row() const
{
    return currentIndex().isValid() ? GridRow(currentIndex().row()) : -1;
}

int FlexGrid::Col() const
{
    return currentIndex().isValid() ? currentIndex().column() : lastCol_;
}

void FlexGrid::SetRow(int row)
{
    SetRowCol(row, Col());
}

void FlexGrid::SetCol(int col)
{
    SetRowCol(Row(), col);
}

void FlexGrid::SetRowCol(int row, int col)
{
    if (editor_)
        FinishEdit(true);
    lastCol_ = std::clamp(col, 0, std::max(columnCount() - 1, 0));
    const int qtRow = QtRow(row);
    // The cell made current by the program does not scroll the grid (the
    // program scrolls with SetTopRow): a click that gives the grid the
    // focus, whose handlers move the current cell, lands where it aimed.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    if (qtRow < 0 || qtRow >= rowCount() || columnCount() == 0)
        setCurrentIndex(QModelIndex());
    else
        setCurrentIndex(model()->index(qtRow, lastCol_));
    setAutoScroll(scrolls);
}

int FlexGrid::TopRow() const
{
    return GridRow(std::max(rowAt(0), 0));
}

int FlexGrid::BottomRow() const
{
    const int last = rowAt(viewport()->height() - 1);
    return GridRow(last >= 0 ? last : rowCount() - 1);
}

void FlexGrid::SetTopRow(int row)
{
    executeDelayedItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(std::max(QtRow(row), 0));
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableWidget::currentChanged(current, previous);
    if (current.isValid())
        lastCol_ = current.column();
    viewport()->update();
    emit RowColChange();
}

// ---- Cells ------------------------------------------------------------------

Qt::Alignment FlexGrid::Alignment(int col) const
{
    const Qt::Alignment horizontal = col < int(alignments_.size()) ? alignments_[col] : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

QTableWidgetItem* FlexGrid::Item(int row, int col, bool create) const
{
    if (col < 0 || col >= columnCount() || row < 0 || row >= Rows())
        return nullptr;
    const int qtRow = QtRow(row);
    QTableWidgetItem* cell = qtRow < 0 ? horizontalHeaderItem(col) : item(qtRow, col);
    if (!cell && create) {
        auto* self = const_cast<FlexGrid*>(this);
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Alignment(col));
        if (qtRow < 0)
            self->setHorizontalHeaderItem(col, cell);
        else
            self->setItem(qtRow, col, cell);
    }
    return cell;
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem* cell = Item(row, col, false);
    return cell ? cell->text() : QString();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text)
{
    if (QTableWidgetItem* cell = Item(row, col, true))
        cell->setText(text);
}

void FlexGrid::SetCellForeColor(int row, int col, const QColor& color)
{
    if (QTableWidgetItem* cell = Item(row, col, true))
        cell->setForeground(color.isValid() ? QBrush(color) : QBrush());
}

QColor FlexGrid::CellForeColor(int row, int col) const
{
    const QTableWidgetItem* cell = Item(row, col, false);
    if (cell && cell->foreground().style() != Qt::NoBrush)
        return cell->foreground().color();
    return palette().color(QPalette::Text);
}

void FlexGrid::SetComboList(int row, int col, const QString& list)
{
    if (list.isEmpty())
        comboLists_.remove({row, col});
    else
        comboLists_.insert({row, col}, list);
}

QString FlexGrid::ComboList(int row, int col) const
{
    return comboLists_.value({row, col});
}

void FlexGrid::Clear()
{
    if (editor_)
        FinishEdit(true);
    clearContents();
    for (int col = 0; col < columnCount(); ++col)
        if (QTableWidgetItem* header = horizontalHeaderItem(col))
            header->setText(QString());
    comboLists_.clear();
    numberRules_.clear();
}

// ---- Colours ----------------------------------------------------------------

void FlexGrid::SetBackColor(const QColor& color)
{
    backColor_ = color;
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
    ApplyFocusColors();
}

void FlexGrid::SetBackColorSel(const QColor& color)
{
    backColorSel_ = color;
    ApplySelectionPalette();
}

void FlexGrid::SetForeColorSel(const QColor& color)
{
    foreColorSel_ = color;
    ApplySelectionPalette();
}

QColor FlexGrid::BackColorSel() const
{
    return backColorSel_;
}

QColor FlexGrid::ForeColorSel() const
{
    return foreColorSel_;
}

void FlexGrid::ApplySelectionPalette()
{
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Highlight, backColorSel_);
        colors.setColor(group, QPalette::HighlightedText, foreColorSel_);
    }
    setPalette(colors);
}

void FlexGrid::SetFocusSelectionColors(const QColor& back, const QColor& fore)
{
    focusBack_ = back;
    focusFore_ = fore;
    ApplyFocusColors();
}

void FlexGrid::ApplyFocusColors()
{
    if (!focusBack_.isValid())
        return;
    backColorSel_ = hasFocusWithin_ ? focusBack_ : backColor_;
    foreColorSel_ = hasFocusWithin_ ? focusFore_ : Black();
    ApplySelectionPalette();
}

// ---- Focus ------------------------------------------------------------------

bool FlexGrid::Contains(QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget())
        if (widget == this)
            return true;
    return false;
}

void FlexGrid::FocusChanged(QWidget*, QWidget*)
{
    if (!finishing_)
        SyncFocus();
}

void FlexGrid::SyncFocus()
{
    const bool within = Contains(QApplication::focusWidget());
    if (within == hasFocusWithin_)
        return;
    hasFocusWithin_ = within;
    ApplyFocusColors();
    if (within)
        emit GotFocus();
    else
        emit LostFocus();
}

void FlexGrid::focusInEvent(QFocusEvent* event)
{
    // Entering the grid makes no cell current by itself.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

// ---- Mouse and keys ---------------------------------------------------------

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    afterDoubleClick_ = false;
    QTableWidget::mousePressEvent(event);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (afterDoubleClick_)
        afterDoubleClick_ = false;
    else
        emit Click();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    afterDoubleClick_ = true;
    emit DblClick();
}

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    if (editor_) {  // passed on by the editor
        QTableWidget::keyPressEvent(event);
        return;
    }
    int key = event->key();
    emit KeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    // A character is judged whole: an emoji (a surrogate pair) or a format
    // character opens the editor as a letter does; KeyPress sees its first
    // code unit.
    const QString typed = TypedTextCharacter(event->text());
    if (enter || !typed.isEmpty()) {
        QChar character = enter ? QChar('\r') : typed[0];
        emit KeyPress(character);
        event->accept();
        if (!enter && !character.isNull())
            OpenEditor(event->key(), character == typed[0] ? typed : QString(character));
        return;
    }
    if (key == Qt::Key_F2) {
        event->accept();
        OpenEditor(0, QString());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// ---- Editing ----------------------------------------------------------------

void FlexGrid::EditCell()
{
    OpenEditor(0, QString());
}

bool FlexGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (opening_ || trigger != AllEditTriggers || !index.isValid())
        return QTableWidget::edit(index, trigger, event);
    // An edit asked for by code: the same road as EditCell.
    setCurrentIndex(index);
    EditCell();
    return editor_ != nullptr;
}

void FlexGrid::OpenEditor(int firstKey, const QString& firstText)
{
    const int row = Row();
    const int col = Col();
    if (editor_ || QtRow(row) < 0 || col < 0)
        return;
    bool cancel = false;
    emit BeforeEdit(row, col, cancel);
    if (cancel || editor_ || Row() != row || Col() != col)
        return;
    editRow_ = row;
    editCol_ = col;
    opening_ = true;
    QTableWidget::edit(currentIndex(), AllEditTriggers, nullptr);
    opening_ = false;
    if (!editor_)
        return;
    numberFirstKey_ = true;
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data())) {
        line->deselect();  // keys go after the old text; the window decides
        line->end(false);
    }
    if (!firstText.isEmpty()) {
        QKeyEvent typed(QEvent::KeyPress, firstKey, Qt::NoModifier, firstText);
        forwardingFirstKey_ = true;
        QCoreApplication::sendEvent(editor_, &typed);
        forwardingFirstKey_ = false;
    }
}

void FlexGrid::EditorCreated(QWidget* editor)
{
    editor_ = editor;
    auto* line = qobject_cast<QLineEdit*>(editor);
    editorText_ = line ? line->text() : QString();
}

void FlexGrid::FinishAllEdits()
{
    std::vector<QPointer<FlexGrid>> grids(AllGrids().begin(), AllGrids().end());
    for (const QPointer<FlexGrid>& grid : grids)
        if (grid && grid->editor_)
            grid->FinishEdit(true);
}

bool FlexGrid::FilterEditorKey(QKeyEvent* event)
{
    int key = event->key();
    if (!forwardingFirstKey_)  // the first key gave KeyDown already
        emit KeyDownEdit(editRow_, editCol_, key, event->modifiers());
    if (!editor_ || key == 0)
        return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        FinishEdit(true);
        return false;
    case Qt::Key_Escape:
        FinishEdit(false);
        return false;
    default:
        break;
    }
    // A key with Ctrl or Meta is a shortcut (paste, undo, ...), no typed
    // character: the editor handles it, and text it puts in is held to the
    // window's rules as PasteEdit.
    const QString text = event->text();
    const bool backspace = key == Qt::Key_Backspace;
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!backspace && (shortcut || text.isEmpty() || !text[0].isPrint()))
        return true;
    const QChar typed = backspace ? QChar(8) : text[0];
    QChar character = typed;
    emit KeyPressEdit(editRow_, editCol_, character);
    if (!editor_ || character.isNull())
        return false;
    if (character != QChar(8) && !TakeNumberKey(character))
        return false;
    auto* line = qobject_cast<QLineEdit*>(editor_.data());
    if (!line)
        return character == typed;
    // The key goes in here, so that the editor knows it for a typed one.
    const QScopedValueRollback known(knownChange_, true);
    if (character != typed)
        character == QChar(8) ? line->backspace() : line->insert(QString(character));
    else
        static_cast<QObject*>(line)->event(event);
    return false;
}

QValidator::State FlexGrid::ValidateEditorChange(QString& input, int& pos)
{
    if (knownChange_ || input == editorText_) {
        editorText_ = input;
        return QValidator::Acceptable;
    }
    // An edit of the editor's own (cut, delete, undo, or text put in by
    // code): the text it leaves is offered whole. The cursor stays where
    // the edit left it, unless the window changed the text.
    const QString offered = input;
    if (!OfferEditorText(input, input))
        return QValidator::Invalid;
    if (input != offered)
        pos = static_cast<int>(input.size());
    editorText_ = input;
    return QValidator::Acceptable;
}

bool FlexGrid::OfferEditorText(QString& whole, const QString& pasted)
{
    bool cancel = false;
    const QScopedValueRollback offered(pastedText_, pasted);
    if (!TakeNumberText(whole) || !TakeFreeText(whole))
        return false;
    emit PasteEdit(editRow_, editCol_, whole, cancel);
    return !cancel;
}

bool FlexGrid::TakeFreeText(QString& whole) const
{
    if (EditedNumberRule())
        return true;
    const std::u32string characters = FreeTextCharacters(whole);
    if (const char32_t broken = nFctFirstNoCharacter(characters)) {
        const NumberEntry entry = PastingText() ? NumberEntry::Pasted : NumberEntry::Typed;
        SubShowEntryRefusal(sFctFreeTextFaultText(entry, broken));
        return false;
    }
    whole = QString::fromStdU32String(FreeTextLine(characters));
    SubShowEntryRefusal({});
    return true;
}

void FlexGrid::PasteIntoEditor(const QString& text, int start, int length)
{
    // Blanks, tabs and line ends around the text (a spreadsheet cell ends
    // in one) are no part of it.
    InsertIntoEditor(text.trimmed(), start, length);
}

void FlexGrid::InsertIntoEditor(const QString& pasted, int start, int length)
{
    auto* line = qobject_cast<QLineEdit*>(editor_.data());
    if (!line || pasted.isEmpty())
        return;
    const QString before = line->text();
    start = std::clamp(start, 0, static_cast<int>(before.size()));
    const QString composed = before.left(start) + pasted + before.mid(start + std::max(length, 0));
    QString whole = composed;
    {
        const QScopedValueRollback pasting(pasting_, true);
        if (!OfferEditorText(whole, pasted) || !editor_)
            return;
    }
    // Put in as the editor's own insert, an undo step of its own as the
    // editor's paste is: the pasted text over the range it replaces, or the
    // whole text where the window changed it. The cursor ends after what
    // went in.
    const QScopedValueRollback known(knownChange_, true);
    EndUndoStep(line);
    if (whole == composed) {
        if (length > 0) {
            line->setSelection(start, length);
        } else {
            line->deselect();
            line->setCursorPosition(start);
        }
        line->insert(pasted);
    } else {
        line->selectAll();
        line->insert(whole);
    }
    EndUndoStep(line);
}

void FlexGrid::EditTextAroundCursor(QString& before, QString& after) const
{
    before.clear();
    after.clear();
    auto* line = qobject_cast<QLineEdit*>(editor_.data());
    if (!line)
        return;
    const QString text = line->text();
    const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    const int end = line->hasSelectedText() ? line->selectionEnd() : start;
    before = text.left(start);
    after = text.mid(end);
}

QString FlexGrid::PastedText() const
{
    return pastedText_;
}

QString FlexGrid::EditText() const
{
    if (finishing_)
        return finishingText_;
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data()))
        return line->text();
    if (auto* combo = qobject_cast<QComboBox*>(editor_.data()))
        return combo->currentText();
    return QString();
}

void FlexGrid::SetEditText(const QString& text)
{
    if (finishing_)
        finishingText_ = text;
    const QScopedValueRollback known(knownChange_, true);
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data()))
        line->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(editor_.data()))
        combo->setCurrentIndex(combo->findText(text));
}

void FlexGrid::FinishEdit(bool store)
{
    if (!editor_ || finishing_)
        return;
    const int row = editRow_;
    const int col = editCol_;
    finishingText_ = EditText();
    finishing_ = true;
    bool cancel = store && !TakeFinishedNumber(row, col, finishingText_);
    if (store && !cancel)
        emit ValidateEdit(row, col, cancel);
    const bool write = store && !cancel;
    if (write)
        SetTextMatrix(row, col, finishingText_);
    closeEditor(editor_, QAbstractItemDelegate::NoHint);
    finishing_ = false;
    if (write)
        emit AfterEdit(row, col);
    SyncFocus();
}

void FlexGrid::commitData(QWidget* editor)
{
    if (editor && editor == editor_)
        FinishEdit(true);
}

void FlexGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint)
{
    if (!editor || editor != editor_)
        return;  // already closed
    editor_ = nullptr;
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

} // namespace platform
