#pragma once

#include <QMdiSubWindow>

namespace kaz::gui {
class BracketDocument;
class BracketView;
}  // namespace kaz::gui

namespace kaz::app {

// The child window that frames one view of a bracket. Its caption is the document's title,
// with ":1", ":2" … when the bracket is shown in more than one window, and a mark while the
// bracket has changes not stored (Qt's "[*]").
class BracketWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    BracketWindow(gui::BracketDocument* doc, QWidget* parent = nullptr);

    gui::BracketDocument* document() const { return m_document; }
    gui::BracketView* view() const { return m_view; }

    // Sets the caption from the document's title and this window's number among its windows
    // (0 when it is the only one).
    void updateCaption(int number);
    // The caption without the mark of changes.
    const QString& caption() const { return m_caption; }

signals:
    // Asked before the window closes; a handler sets `allow` to false to keep it open.
    void closeRequested(BracketWindow* window, bool* allow);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    gui::BracketDocument* m_document;
    gui::BracketView* m_view;
    QString m_caption;
};

// `title` followed by Qt's mark of unsaved changes, "[*]"; a "[*]" of the title's own stays
// as it is shown.
QString titleWithChangeMark(const QString& title);

}  // namespace kaz::app
