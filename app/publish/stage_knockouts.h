#pragma once

#include <QObject>

namespace kaz::gui {
class BracketDocument;
class PoolDocument;
}  // namespace kaz::gui

namespace kaz::app {

// Which open knockout was made from an open pool stage, as publishing asks it: a stage with its
// knockout is published as the event's one page. KnockoutLinks (documents/) is the one.
class StageKnockouts : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The knockout made from `stage` that is open beside it, or null.
    virtual gui::BracketDocument* knockoutOf(const gui::PoolDocument* stage) const = 0;

signals:
    // The knockout of `stage` changed, or came or went.
    void knockoutChanged(gui::PoolDocument* stage);
};

}  // namespace kaz::app
