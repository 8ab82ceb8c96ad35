#pragma once

#include <QMdiSubWindow>

namespace kaz::app {

// What the child window of a document of either kind has: the document's icon, the system menu
// of this kind of editor, and a close that is asked about first. It goes once closed.
class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // The caption without the mark of changes: the document's title, with ":1", ":2" … when
    // the document is shown in more than one window.
    const QString& caption() const { return m_caption; }

signals:
    // Asked before the window closes; a handler sets `allow` to false to keep it open.
    void closeRequested(bool* allow);

protected:
    explicit DocumentWindow(QWidget* parent);
    void closeEvent(QCloseEvent* event) override;
    // Sets the caption from the document's `title` and this window's number among its windows
    // (0 when it is the only one), marked while the document has changes not stored.
    void setCaption(const QString& title, int number);

private:
    QString m_caption;
};

// `title` followed by Qt's mark of unsaved changes, "[*]"; a "[*]" of the title's own stays
// as it is shown.
QString titleWithChangeMark(const QString& title);

}  // namespace kaz::app
