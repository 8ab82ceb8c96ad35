#pragma once

#include <QMdiSubWindow>

namespace kaz::gui {
class PoolDocument;
class PoolView;
}  // namespace kaz::gui

namespace kaz::app {

// The child window of one pool stage: its caption is the document's title, marked while it has
// changes not stored. Closing it asks whether to save them (`closeRequested`).
class PoolWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit PoolWindow(gui::PoolDocument* doc, QWidget* parent = nullptr);

    gui::PoolDocument* document() const { return m_document; }
    gui::PoolView* view() const { return m_view; }
    // The caption without the mark of changes: the stage's title.
    QString caption() const;

signals:
    // Asked before the window closes; a handler sets `allow` to false to keep it open.
    void closeRequested(PoolWindow* window, bool* allow);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    gui::PoolDocument* m_document;
    gui::PoolView* m_view;
};

}  // namespace kaz::app
