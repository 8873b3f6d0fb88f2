#include "platform/qt/OutlineTree.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace platform {

OutlineTree::OutlineTree(QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(false);
    setTextElideMode(Qt::ElideRight);
    header()->setStretchLastSection(true);
    header()->setMinimumSectionSize(1);
    connect(this, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem* item) { item->setExpanded(true); });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
        const int line = LineOfItem(item);
        if (line >= 0)
            emit LineClicked(line);
    });
}

void OutlineTree::Clear()
{
    lines_.clear();
    clear();
    emit LinesChanged();
}

int OutlineTree::AddLine(const QString& text, int indent)
{
    QTreeWidgetItem* parentItem = nullptr;
    for (auto it = lines_.rbegin(); it != lines_.rend(); ++it) {
        if (it->indent < indent) {
            parentItem = it->item;
            break;
        }
    }
    auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setToolTip(0, text);
    lines_.push_back({item, indent, 0});
    emit LinesChanged();
    return LineCount() - 1;
}

QString OutlineTree::LineText(int line) const
{
    const QTreeWidgetItem* item = LineItem(line);
    return item ? item->text(0) : QString();
}

int OutlineTree::Indent(int line) const
{
    return LineItem(line) ? lines_[static_cast<size_t>(line)].indent : -1;
}

bool OutlineTree::SetPictureType(int line, int pictureType)
{
    QTreeWidgetItem* item = LineItem(line);
    if (!item)
        return false;
    lines_[static_cast<size_t>(line)].picture = pictureType;
    const bool marked = pictureType == kPictureMarked;
    item->setIcon(0, marked ? style()->standardIcon(QStyle::SP_ArrowRight) : QIcon());
    QFont font = item->font(0);
    font.setBold(marked);
    item->setFont(0, font);
    // One highlight: the marked line is the selected one, so no line
    // clicked earlier stays highlighted beside the mark.
    if (marked && currentItem() != item) {
        const QSignalBlocker quiet(this);
        setCurrentItem(item);
        viewport()->update();
    }
    return true;
}

int OutlineTree::PictureType(int line) const
{
    return LineItem(line) ? lines_[static_cast<size_t>(line)].picture : -1;
}

void OutlineTree::ExpandAll()
{
    for (const Line& line : lines_)
        line.item->setExpanded(true);
}

int OutlineTree::ListIndex() const
{
    return LineOfItem(currentItem());
}

QTreeWidgetItem* OutlineTree::LineItem(int line) const
{
    if (line < 0 || line >= LineCount())
        return nullptr;
    return lines_[static_cast<size_t>(line)].item;
}

int OutlineTree::WidestLine(int indent) const
{
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int iconSpace = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this) + 4;
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 4;
    int widest = 0;
    for (const Line& line : lines_) {
        if (line.indent != indent)
            continue;
        int depth = 0;
        for (const QTreeWidgetItem* up = line.item->parent(); up; up = up->parent())
            ++depth;
        const int width = depth * indentation() + iconSpace + metrics.horizontalAdvance(line.item->text(0)) + margins;
        widest = std::max(widest, width);
    }
    return widest;
}

int OutlineTree::NeededWidth(int indent) const
{
    const int scrollBar = verticalScrollBar()->isVisible() ? verticalScrollBar()->sizeHint().width() : 0;
    return WidestLine(indent) + 2 * frameWidth() + scrollBar;
}

int OutlineTree::LineOfItem(const QTreeWidgetItem* item) const
{
    if (!item)
        return -1;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].item == item)
            return static_cast<int>(i);
    return -1;
}

} // namespace platform
