#pragma once

#include <QWidget>

namespace kaz::gui {

// A line of the sheet that takes results from the mouse, as every such line does: a left press
// is a click, the double-click message follows that press, a right press asks for the line's
// text. Neither takes the keyboard focus, which stays in the name box.
class ClickableLine : public QWidget {
    Q_OBJECT
public:
    explicit ClickableLine(QWidget* parent);

    // Asks for the line's text in a dialog with its corner at `where` (screen coordinates).
    virtual void askText(const QPoint& where) = 0;
    // The same from the keyboard: the dialog opens at the line's stroke.
    void askTextAtLine();

protected:
    virtual void click() = 0;
    virtual void doubleClick() = 0;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace kaz::gui
