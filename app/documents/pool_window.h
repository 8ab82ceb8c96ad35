#pragma once

#include "documents/document_window.h"

namespace kaz::gui {
class PoolDocument;
class PoolView;
}  // namespace kaz::gui

namespace kaz::app {

// The child window of one pool stage: its caption is the document's title, marked while it has
// changes not stored.
class PoolWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit PoolWindow(gui::PoolDocument* doc, QWidget* parent = nullptr);

    gui::PoolDocument* document() const { return m_document; }
    gui::PoolView* view() const { return m_view; }
    // Sets the caption from the stage's title and this window's number among its windows (0
    // when it is the only one).
    void updateCaption(int number);

private:
    gui::PoolDocument* m_document;
    gui::PoolView* m_view;
};

}  // namespace kaz::app
