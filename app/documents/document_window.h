#pragma once

#include <QMdiSubWindow>

namespace kaz::app {

// What the child window of a document of either kind has: the document's icon, the system menu
// of this kind of editor, and a close that is asked about first. It goes once closed.
class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT
signals:
    // Asked before the window closes; a handler sets `allow` to false to keep it open.
    void closeRequested(bool* allow);

protected:
    explicit DocumentWindow(QWidget* parent);
    void closeEvent(QCloseEvent* event) override;
};

// `title` followed by Qt's mark of unsaved changes, "[*]"; a "[*]" of the title's own stays
// as it is shown.
QString titleWithChangeMark(const QString& title);

}  // namespace kaz::app
