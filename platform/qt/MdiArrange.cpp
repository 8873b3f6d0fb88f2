#include "platform/qt/MdiArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

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
}

} // namespace platform
