#pragma once

#include <QMdiSubWindow>

class CKaz_editDoc;
class CKaz_editView;

// The child window that frames one view of a bracket. Its caption is the document's title,
// with ":1", ":2" … when the bracket is shown in more than one window.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CKaz_editDoc* doc, QWidget* parent = nullptr);

    CKaz_editDoc* GetDocument() const { return m_pDoc; }
    CKaz_editView* GetView() const { return m_pView; }

    // Sets the caption from the document's title and this window's number among its windows
    // (0 when it is the only one).
    void UpdateCaption(int number);

signals:
    // Asked before the window closes; a handler sets `allow` to false to keep it open.
    void closeRequested(CChildFrame* frame, bool* allow);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CKaz_editDoc* m_pDoc;
    CKaz_editView* m_pView;
};
