#pragma once

#include <optional>
#include <utility>

#include "pools/pool_change.h"
#include "pools/pool_stage.h"
#include "scene/scene.h"
#include "view/zoomed_scroll_area.h"

class QMenu;

namespace kaz::gui {

class PoolDocument;

// The scrolling view of one pool stage: every pool's table (星取表) with its standings and its
// order of play, drawn from the core's scene as every output draws it. A click on a result cell
// or a line of the order of play opens the match dialog (the right button too); the keys move
// through the matches in the order of play (↑ ↓, Home, End), F2 or Enter opens the current one's
// dialog and Delete takes its result back. Every result is one step of the document. A right
// click on a member's name offers their withdrawal (棄権: the matches left counted as lost, or
// all their matches taken out) and, while the rules leave them level with others, a lot (抽選).
// The view zooms as a bracket's does. Points of the sheet are in its own pixels, at any zoom.
class PoolView : public ZoomedScrollArea {
    Q_OBJECT
public:
    explicit PoolView(PoolDocument* document, QWidget* parent = nullptr);

    PoolDocument* document() const { return m_document; }
    // The stage as shown, made again when first asked for after a change.
    const kaz::Scene& scene() const;
    // The match whose cell or order-of-play line lies at `point` of the sheet.
    std::optional<kaz::PoolMatchPlace> matchAt(const QPoint& point) const;
    // The match the keys act on, by its number across the stage (0 before any is chosen).
    int currentMatch() const { return m_current; }
    void setCurrentMatch(int number);
    // Opens the match dialog of the match numbered `number` and commits what it enters.
    void enterResult(int number);
    // Where match `number`'s first cell lies, in the canvas' pixels as zoomed (for a click on
    // it).
    QPoint cellCentre(int number) const;
    // The member whose name lies at `point` of the sheet: pool and member.
    std::optional<std::pair<int, int>> memberAt(const QPoint& point) const;
    // The menu of member `member` of pool `pool`, its actions named "withdrawnLosing",
    // "withdrawnRemoved", "notWithdrawn" and "drawLot"; the caller owns it.
    QMenu* memberMenu(int pool, int member);

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QSize sheetExtent() const override;
    void applyZoom() override;

private:
    class Canvas;
    friend class Canvas;

    void onChanged(const kaz::PoolDocumentChange& change);
    // A press at `point` of the canvas.
    void pressed(const QPoint& point, Qt::MouseButton button, const QPoint& globalPoint);
    // `rect` of the sheet as the canvas shows it now.
    QRect onCanvas(const kaz::Rect& rect) const;
    int matchCount() const;

    PoolDocument* m_document;
    Canvas* m_canvas;
    mutable std::optional<kaz::Scene> m_scene;
    int m_current = 0;
};

}  // namespace kaz::gui
