#pragma once

#include <QScrollArea>

#include "bracket/sheet_zoom.h"

namespace kaz::gui {

// The scrolling view of a sheet that zooms (25 % to 400 %, the view's own, never stored): a
// zoom keeps the place of the sheet under its anchor where it was, and Ctrl with the wheel zooms
// about the pointer, a step a notch. What the sheet looks like at a zoom is the view's own.
class ZoomedScrollArea : public QScrollArea {
    Q_OBJECT
public:
    // The zoom in percent: 100 shows the sheet in its own pixels.
    int zoom() const { return m_zoom; }
    // Zooms to `percent` (kept within 25 … 400 %) so that the place of the sheet at `anchor`, a
    // point of the viewport, stays there.
    void setZoom(int percent, const QPoint& anchor);
    // The same about the middle of the viewport.
    void setZoom(int percent);
    // Zooms so that the whole sheet fits the window (within 25 … 400 %).
    void zoomToFit();

signals:
    void zoomChanged(int percent);

protected:
    explicit ZoomedScrollArea(QWidget* parent);

    // Width and height of the sheet in its own pixels.
    virtual QSize sheetExtent() const = 0;
    // Lays the sheet out at zoom(), which has just changed; the canvas takes its new size here.
    virtual void applyZoom() = 0;

    void wheelEvent(QWheelEvent* event) override;

private:
    int m_zoom = kaz::kActualSize;
    int m_wheelTurn = 0;  // Ctrl+wheel turned towards the next step, in eighths of a degree
};

}  // namespace kaz::gui
