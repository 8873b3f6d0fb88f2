#include "platform/qt/MdiArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

std::vector<QMdiSubWindow*> Children(QMdiArea* area, bool minimised)
{
    std::vector<QMdiSubWindow*> result;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && window->isMinimized() == minimised)
            result.push_back(window);
    return result;
}

// Splits the viewport into equal bands along one direction.
void Tile(QMdiArea* area, bool stacked)
{
    std::vector<QMdiSubWindow*> windows = Children(area, false);
    if (windows.empty())
        return;
    const QRect space = area->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    const int extent = stacked ? space.height() : space.width();
    int start = 0;
    for (int i = 0; i < count; ++i) {
        const int end = extent * (i + 1) / count;
        QMdiSubWindow* window = windows[static_cast<size_t>(i)];
        if (window->isMaximized())
            window->showNormal();
        if (stacked)
            window->setGeometry(0, start, space.width(), end - start);
        else
            window->setGeometry(start, 0, end - start, space.height());
        start = end;
    }
    KeepWindowsReachable(area);
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
    const QRect space = area->viewport()->rect();
    int x = 0;
    int row = 0;
    for (QMdiSubWindow* window : Children(area, true)) {
        const QSize size = window->size();
        if (x > 0 && x + size.width() > space.width()) {
            x = 0;
            ++row;
        }
        window->move(x, space.height() - (row + 1) * size.height());
        x += size.width();
    }
    KeepWindowsReachable(area);
}

void Cascade(QMdiArea* area)
{
    area->cascadeSubWindows();
    KeepWindowsReachable(area);
}

void KeepWindowsReachable(QMdiArea* area)
{
    // Scrolling moves the children; from the origin their places are the
    // area's own.
    area->horizontalScrollBar()->setValue(0);
    area->verticalScrollBar()->setValue(0);
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
