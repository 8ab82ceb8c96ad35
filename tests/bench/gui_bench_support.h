#pragma once

// What the GUI benchmarks share: counting paints and delivering pending updates.

#include <QApplication>
#include <QEvent>
#include <QObject>

namespace guibench {

// Counts the paint events delivered to the objects it filters.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// Delivers every pending update, so that whatever is dirty is painted now.
inline void paintPending() {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

}  // namespace guibench
