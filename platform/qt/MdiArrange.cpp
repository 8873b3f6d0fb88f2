#include "platform/qt/MdiArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

using Windows = std::vector<QMdiSubWindow*>;

Windows Children(QMdiArea* area, bool minimised)
{
    Windows result;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && window->isMinimized() == minimised)
            result.push_back(window);
    return result;
}

// Scrolling moves the children; from the origin their places are the
// area's own.
void ScrollToOrigin(QMdiArea* area)
{
    area->horizontalScrollBar()->setValue(0);
    area->verticalScrollBar()->setValue(0);
}

QSize SmallestSize(const QMdiSubWindow* window)
{
    return window->minimumSize().expandedTo(window->minimumSizeHint());
}

// A maximised window goes back to the normal state first, and the area
// maximises none of the others meanwhile.
void RestoreMaximised(QMdiArea* area, const Windows& windows)
{
    const bool suspended = !area->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    if (suspended)
        area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    for (QMdiSubWindow* window : windows)
        if (window->isMaximized())
            window->showNormal();
    if (suspended)
        area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, false);
}

// The places of the minimised windows in rows of the given width, the
// first row at the bottom: frames relative to the top of the rows, and the
// height they take together.
struct IconRows {
    std::vector<QRect> frames;
    int height = 0;
};

IconRows PlaceIcons(const Windows& icons, int width)
{
    IconRows rows;
    if (icons.empty())
        return rows;
    const int rowHeight = icons.front()->height();
    std::vector<QPoint> places;  // x and row number
    int x = 0;
    int row = 0;
    for (QMdiSubWindow* icon : icons) {
        if (x > 0 && x + icon->width() > width) {
            x = 0;
            ++row;
        }
        places.emplace_back(x, row);
        x += icon->width();
    }
    rows.height = (row + 1) * rowHeight;
    for (size_t k = 0; k < icons.size(); ++k)
        rows.frames.emplace_back(QPoint(places[k].x(), (row - places[k].y()) * rowHeight), icons[k]->size());
    return rows;
}

// The scroll bars of the area: those windows of an extent bring, or those
// assumed.
struct Bars {
    bool wide = false;  // the horizontal bar
    bool tall = false;  // the vertical bar
    bool operator==(const Bars&) const = default;
};

Bars BarsFor(QMdiArea* area, const QSize& extent)
{
    const QSize most = area->maximumViewportSize();
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    Bars bars;
    // Each bar takes room from the other direction: twice settles it.
    for (int pass = 0; pass < 2; ++pass) {
        bars.tall = area->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && extent.height() > most.height() - (bars.wide ? bar : 0);
        bars.wide = area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && extent.width() > most.width() - (bars.tall ? bar : 0);
    }
    return bars;
}

// The room the viewport gives the windows with those bars, less the icons'
// rows along its bottom.
QSize Room(QMdiArea* area, const Bars& bars, int iconHeight)
{
    const QSize most = area->maximumViewportSize();
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    return QSize(most.width() - (bars.tall ? bar : 0), most.height() - (bars.wide ? bar : 0) - iconHeight);
}

// Frames for the windows and the extent they take together.
struct Layout {
    std::vector<QRect> frames;
    QSize extent;

    bool FitsIn(const QSize& room) const
    {
        return extent.width() <= room.width() && extent.height() <= room.height();
    }
    // How much of the extent lies outside the room.
    long long Spill(const QSize& room) const
    {
        const long long all = 1LL * extent.width() * extent.height();
        return all - 1LL * std::min(extent.width(), room.width()) * std::min(extent.height(), room.height());
    }
};

// The share k of a length split into count parts.
int Share(int length, int k, int count)
{
    return length * (k + 1) / count - length * k / count;
}

// Lengths for parts with these smallest lengths that fill the room: as
// equal as their smallest lengths allow, none below its smallest (they
// then take more than the room).
std::vector<int> Spread(int room, const std::vector<int>& smallest)
{
    const int count = static_cast<int>(smallest.size());
    std::vector<int> lengths(smallest.size(), -1);
    int left = room;
    int open = count;
    for (bool settled = false; !settled && open > 0;) {
        settled = true;
        for (int k = 0; k < count; ++k) {
            if (lengths[static_cast<size_t>(k)] < 0 && smallest[static_cast<size_t>(k)] > left / open) {
                lengths[static_cast<size_t>(k)] = smallest[static_cast<size_t>(k)];
                left -= smallest[static_cast<size_t>(k)];
                --open;
                settled = false;
                break;
            }
        }
    }
    for (int k = 0, share = 0; k < count; ++k)
        if (lengths[static_cast<size_t>(k)] < 0)
            lengths[static_cast<size_t>(k)] = Share(left, share++, open);
    return lengths;
}

// Where a window that would reach into the icons' rows (from the room's
// bottom, iconHeight high) starts instead: below them.
int ClearOfIcons(int top, int length, const QSize& room, int iconHeight)
{
    return iconHeight > 0 && top < room.height() + iconHeight && top + length > room.height()
               ? room.height() + iconHeight
               : top;
}

// The windows of each line, by their index in the list of windows.
using Lines = std::vector<std::vector<size_t>>;

// Rows when stacked, else columns: the length of a size along a line and
// its thickness across the lines.
int Along(const QSize& size, bool stacked)
{
    return stacked ? size.width() : size.height();
}

int Across(const QSize& size, bool stacked)
{
    return stacked ? size.height() : size.width();
}

// The windows in that many lines in their order, the later lines taking one
// window more where they do not divide evenly.
Lines InOrder(size_t count, int lines)
{
    Lines result(static_cast<size_t>(lines));
    const int windows = static_cast<int>(count);
    for (int line = 0, next = 0; line < lines; ++line) {
        const int inLine = windows / lines + (line >= lines - windows % lines ? 1 : 0);
        for (int k = 0; k < inLine; ++k, ++next)
            result[static_cast<size_t>(line)].push_back(static_cast<size_t>(next));
    }
    return result;
}

// The windows in those lines. The lines share the room, and the windows of
// a line share its length, as equally as their smallest sizes allow: where
// those do not fit, the lines spill over, past the icons' rows. The frames
// follow the order of the windows.
Layout InLines(const std::vector<QSize>& smallest, const Lines& lines, const QSize& room, int iconHeight, bool stacked)
{
    std::vector<int> thickest;
    for (const std::vector<size_t>& line : lines) {
        int thick = 0;
        for (size_t window : line)
            thick = std::max(thick, Across(smallest[window], stacked));
        thickest.push_back(thick);
    }
    Layout layout;
    layout.frames.resize(smallest.size());
    const std::vector<int> thickness = Spread(Across(room, stacked), thickest);
    int offset = 0;
    for (size_t line = 0; line < lines.size(); ++line) {
        const std::vector<size_t>& inLine = lines[line];
        std::vector<int> least;
        for (size_t window : inLine)
            least.push_back(Along(smallest[window], stacked));
        const std::vector<int> lengths = Spread(Along(room, stacked), least);
        const int thick = thickness[line];
        if (stacked)
            offset = ClearOfIcons(offset, thick, room, iconHeight);
        int position = 0;
        for (size_t k = 0; k < inLine.size(); ++k) {
            if (!stacked)
                position = ClearOfIcons(position, lengths[k], room, iconHeight);
            const QRect frame = stacked ? QRect(position, offset, lengths[k], thick) : QRect(offset, position, thick, lengths[k]);
            layout.frames[inLine[k]] = frame;
            layout.extent = layout.extent.expandedTo(QSize(frame.right() + 1, frame.bottom() + 1));
            position += lengths[k];
        }
        offset += thick;
    }
    return layout;
}

// The grouping of the windows into lines with the most lines that fits the
// room at their smallest sizes; of those with as many, the first when each
// window in its order goes into the earliest line it fits. Lines come in
// the order of their first windows. Empty when none fits.
class FittingLines {
public:
    FittingLines(const std::vector<QSize>& smallest, const QSize& room, bool stacked)
        : smallest_(smallest)
        , length_(Along(room, stacked))
        , thickness_(Across(room, stacked))
        , stacked_(stacked)
    {
        Place(0, 0);
    }

    const Lines& Best() const { return best_; }

private:
    struct Line {
        std::vector<size_t> windows;
        int length = 0;
        int thickness = 0;
    };

    // Puts the window next into each line it fits, or a new one, and goes
    // on with the window after it; thickness is that of the lines so far.
    void Place(size_t next, int thickness)
    {
        if (next == smallest_.size()) {
            if (lines_.size() > best_.size()) {
                best_.clear();
                for (const Line& line : lines_)
                    best_.push_back(line.windows);
            }
            return;
        }
        const int length = Along(smallest_[next], stacked_);
        const int thick = Across(smallest_[next], stacked_);
        for (size_t k = 0; k <= lines_.size(); ++k) {
            const bool opened = k == lines_.size();
            if (opened)
                lines_.emplace_back();
            const Line before = lines_[k];
            const int thicker = std::max(before.thickness, thick);
            if (before.length + length <= length_ && thickness - before.thickness + thicker <= thickness_) {
                lines_[k].windows.push_back(next);
                lines_[k].length += length;
                lines_[k].thickness = thicker;
                Place(next + 1, thickness - before.thickness + thicker);
                lines_[k] = before;
            }
            if (opened)
                lines_.pop_back();
        }
    }

    const std::vector<QSize>& smallest_;
    const int length_;
    const int thickness_;
    const bool stacked_;
    std::vector<Line> lines_;
    Lines best_;
};

// The layout with the most lines of the windows in their order that fits
// the room. Where none does, the windows go into other lines where those
// fit; where nothing fits, the layout in order that spills least.
Layout BestLines(const std::vector<QSize>& smallest, const QSize& room, int iconHeight, bool stacked)
{
    Layout fitting;
    Layout spilling;
    for (int lines = 1; lines <= static_cast<int>(smallest.size()); ++lines) {
        Layout layout = InLines(smallest, InOrder(smallest.size(), lines), room, iconHeight, stacked);
        if (layout.FitsIn(room))
            fitting = layout;
        else if (spilling.frames.empty() || layout.Spill(room) < spilling.Spill(room))
            spilling = layout;
    }
    if (!fitting.frames.empty())
        return fitting;
    const FittingLines grouped(smallest, room, stacked);
    return grouped.Best().empty() ? spilling : InLines(smallest, grouped.Best(), room, iconHeight, stacked);
}

// Lays the windows out with the arrangement, in the room that is left once
// the scroll bars its extent brings are there, and the icons below them.
template <typename Arrangement>
void Arrange(QMdiArea* area, const Windows& windows, Arrangement arrange)
{
    ScrollToOrigin(area);
    const Windows icons = Children(area, true);
    const IconRows iconRows = PlaceIcons(icons, area->maximumViewportSize().width());
    // The layout that brings the very scroll bars it was laid out for,
    // with as few as may be: the icons' row follows the viewport's bottom
    // edge, wherever the bars leave it.
    QSize room = Room(area, Bars(), iconRows.height);
    Layout layout;
    if (!windows.empty()) {
        for (const Bars assumed : {Bars{false, false}, Bars{false, true}, Bars{true, false}, Bars{true, true}}) {
            room = Room(area, assumed, iconRows.height);
            layout = arrange(room, iconRows.height);
            if (BarsFor(area, layout.extent) == assumed)
                break;
        }
        for (size_t k = 0; k < windows.size(); ++k)
            windows[k]->setGeometry(layout.frames[k]);
    }
    // The icons along the bottom edge of the viewport, in rows as wide as
    // it is, where the area itself puts them again whenever the viewport
    // changes size.
    const IconRows placed = PlaceIcons(icons, room.width());
    for (size_t k = 0; k < icons.size(); ++k)
        icons[k]->setGeometry(placed.frames[k].translated(0, room.height() + iconRows.height - placed.height));
}

void Tile(QMdiArea* area, bool stacked)
{
    const Windows windows = Children(area, false);
    if (windows.empty())
        return;
    RestoreMaximised(area, windows);
    std::vector<QSize> smallest;
    for (const QMdiSubWindow* window : windows)
        smallest.push_back(SmallestSize(window));
    Arrange(area, windows, [&](const QSize& room, int iconHeight) { return BestLines(smallest, room, iconHeight, stacked); });
}

} // namespace

void TileHorizontally(QMdiArea* area)
{
    Tile(area, true);
}

void TileVertically(QMdiArea* area)
{
    Tile(area, false);
}

void ArrangeIcons(QMdiArea* area)
{
    ScrollToOrigin(area);
    const IconRows rows = PlaceIcons(Children(area, true), area->viewport()->width());
    const Windows icons = Children(area, true);
    for (size_t k = 0; k < icons.size(); ++k)
        icons[k]->move(rows.frames[k].translated(0, area->viewport()->height() - rows.height).topLeft());
    KeepWindowsReachable(area);
}

void Cascade(QMdiArea* area)
{
    Windows windows = Children(area, false);
    if (windows.empty())
        return;
    // The active window last, in front.
    QMdiSubWindow* active = area->activeSubWindow();
    if (auto it = std::find(windows.begin(), windows.end(), active); it != windows.end())
        std::rotate(it, it + 1, windows.end());
    RestoreMaximised(area, windows);
    // One step: a whole title bar with the frame above it. The windows
    // overlap anyway: where the area is too small for them at their
    // comfortable sizes they shrink to their least sizes (and scroll their
    // contents) before the area scrolls, so every title bar stays in sight.
    int step = 1;
    QSize smallest;
    for (QMdiSubWindow* window : windows) {
        step = std::max(step, window->contentsRect().top());
        smallest = smallest.expandedTo(window->minimumSize());
    }
    const int count = static_cast<int>(windows.size());
    const int offset = (count - 1) * step;
    Arrange(area, windows, [&](const QSize& room, int) {
        const QSize size = QSize(room.width() - offset, room.height() - offset).expandedTo(smallest);
        Layout layout;
        for (int k = 0; k < count; ++k)
            layout.frames.emplace_back(QPoint(k * step, k * step), size);
        layout.extent = size + QSize(offset, offset);
        return layout;
    });
    for (QMdiSubWindow* window : windows)
        window->raise();
    area->setActiveSubWindow(windows.back());
}

void KeepWindowsReachable(QMdiArea* area)
{
    ScrollToOrigin(area);
    const QRect space = area->viewport()->rect();
    for (QMdiSubWindow* window : area->subWindowList()) {
        if (!window->isVisible() || window->isMaximized())
            continue;
        QRect frame = window->geometry();
        if (!window->isMinimized())
            frame.setSize(frame.size().boundedTo(space.size()).expandedTo(window->minimumSize()));
        frame.moveTo(std::clamp(frame.x(), 0, std::max(space.width() - frame.width(), 0)),
                     std::clamp(frame.y(), 0, std::max(space.height() - frame.height(), 0)));
        if (frame != window->geometry())
            window->setGeometry(frame);
    }
}

} // namespace platform
