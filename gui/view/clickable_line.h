#pragma once

#include <QRect>
#include <QWidget>

#include "bracket/sheet_zoom.h"
#include "scene/scene.h"

class QPainter;

namespace kaz::gui {

class ScreenScene;

// A line of the sheet that takes results from the mouse, as every such line does: a left press
// is a click, the double-click message follows that press, a right press asks for the line's
// text. A press counts only on the line's ink or within a few screen pixels of it, at every
// zoom: the white space between matches takes nothing. Neither takes the keyboard focus, which
// stays in the name box. It paints the items of the view's scene tagged as its own, and takes
// presses where they lie.
class ClickableLine : public QWidget {
    Q_OBJECT
public:
    ClickableLine(const ScreenScene& scene, kaz::SceneTag tag, QWidget* parent);

    // Puts the line over `area` of the sheet (the sheet's own pixels) zoomed to `percent`: the
    // line takes every pixel whose point of the sheet lies in `area`, so a click hits the line
    // under the pointer at every zoom.
    void placeOnSheet(const kaz::Rect& area, int percent);

    // Asks for the line's text in a dialog with its corner at `where` (screen coordinates).
    virtual void askText(const QPoint& where) = 0;
    // The same from the keyboard: the dialog opens at the line's stroke.
    void askTextAtLine();

protected:
    virtual void click() = 0;
    virtual void doubleClick() = 0;

    // Its part of the picture the sheet makes at this zoom.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // True when a press at `position` (the widget's own pixels) is on the line.
    bool takesPress(const QPointF& position) const;

    const ScreenScene& m_scene;
    kaz::SceneTag m_tag;
    bool m_pressTaken = false;  // the last left press was on the line
    int m_zoom = kaz::kActualSize;
};

}  // namespace kaz::gui
