#include "support/window_cascade.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

namespace kaz::app {

int cascadeOffset(int index, QSize area, int step) {
    step = std::max(step, 1);
    // The last offset whose window still reaches the middle of the area.
    const int last =
        std::max(0, std::min(area.width() - area.width() / 2, area.height() - area.height() / 2));
    const int positions = last / step + 1;
    return step * (std::max(index, 0) % positions);
}

void placeInCascade(QMdiSubWindow* window, int index, QMdiArea* area) {
    const QSize size = area->viewport()->size();
    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const int offset = cascadeOffset(index, size, step);
    window->move(offset, offset);
    window->resize(window->sizeHint().boundedTo(size - QSize(offset, offset)));
}

void growToContent(QMdiSubWindow* window) {
    QMdiArea* area = window->mdiArea();
    if (area == nullptr || window->isMaximized() || window->isMinimized()) return;
    const QSize room = area->viewport()->size() - QSize(window->x(), window->y());
    window->resize(window->size().expandedTo(window->sizeHint().boundedTo(room)));
}

void cascadeWindows(QMdiArea* area) {
    int index = 0;
    // In stacking order, so that the window on top stays on top and ends lowest.
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::StackingOrder)) {
        if (window->isMinimized() || window->isHidden()) continue;
        if (window->isMaximized()) window->showNormal();
        placeInCascade(window, index++, area);
    }
}

}  // namespace kaz::app
