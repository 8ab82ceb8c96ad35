#pragma once

#include <vector>

#include "bracket/document_change.h"
#include "bracket/sheet_layout.h"
#include "view/zoomed_scroll_area.h"

namespace kaz::gui {

class BracketDocument;
class LineWidget;
class MemberClubEdit;
class MemberNameEdit;
class BracketCanvas;
class ScreenScene;
class ThirdPlaceLine;

// The scrolling view of one bracket: name boxes down the left, one line widget per bracket
// line round by round to the right, the champion's name right of the final line, and around
// them the sheet (title, round names, a club box after each name box while the club column
// shows, seed marks, match numbers, draw number) where the core's sheet layout puts it. A
// two-sided sheet puts the second half's boxes down the right edge, their lines mirrored, and
// the champion's name above the final in the middle; Tab still runs by member, so through the
// left side top to bottom, then the right. The boxes and lines are made once; a change of the
// sheet's shape moves them, and every other change comes from the document and repaints in place.
// At every zoom, boxes, lines and texts scale together.
class BracketView : public ZoomedScrollArea {
    Q_OBJECT
public:
    explicit BracketView(BracketDocument* document, QWidget* parent = nullptr);

    BracketDocument* document() const { return m_document; }
    const std::vector<MemberNameEdit*>& nameEdits() const { return m_nameEdits; }
    // The club boxes, one per member once the club column has shown (hidden while it does not);
    // none before.
    const std::vector<MemberClubEdit*>& clubEdits() const { return m_clubEdits; }
    const std::vector<LineWidget*>& lineWidgets() const { return m_lineWidgets; }
    // The two sides of the third-place match, shown while the sheet plays it.
    const std::vector<ThirdPlaceLine*>& thirdPlaceLines() const { return m_thirdPlaceLines; }
    QWidget* canvas() const;
    // The sheet as the window shows it, which every part of the view paints.
    const ScreenScene& screenScene() const { return *m_scene; }
    // Where the sheet lies now, at the screen's base size.
    const kaz::SheetLayout& sheetLayout() const { return m_layout; }

    // Top-left corner of the champion's name on the sheet (one-sided), in the sheet's own pixels.
    QPoint championPosition() const;
    // The band of the sheet that the champion's name is drawn in, in the sheet's own pixels.
    QRect championBand() const;
    // Width and height of the sheet in its own pixels; without one, of the bracket: 70 per round
    // + 260, and 34 (28 from 64 members on) per member + 50.
    QSize bracketExtent() const;

    // The whole bracket as zoomed, so that a window opens large enough to show all of it.
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    QSize sheetExtent() const override { return bracketExtent(); }
    void applyZoom() override;

private:
    void layoutBracket();
    // Puts every box and line where the sheet's layout says, and shows the club boxes while the
    // club column does.
    void placeWidgets();
    void showClubBoxes(bool shown);
    // `rect` of the sheet's own pixels as the canvas shows it now.
    QRect onCanvas(const QRect& rect) const;
    // A page is a tenth of the extent as shown and a line a tenth of a page, on either axis.
    void applyScrollSteps();
    // Repaints what a change of the document touched, and only that.
    void onChanged(const kaz::DocumentChange& change);
    void onSettingsChanged();
    void onSheetChanged();

    BracketDocument* m_document;
    ScreenScene* m_scene;
    BracketCanvas* m_canvas;
    kaz::SheetLayout m_layout;
    std::vector<MemberNameEdit*> m_nameEdits;
    std::vector<MemberClubEdit*> m_clubEdits;
    std::vector<LineWidget*> m_lineWidgets;
    std::vector<ThirdPlaceLine*> m_thirdPlaceLines;
};

}  // namespace kaz::gui
