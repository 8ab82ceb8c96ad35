#pragma once

#include "bracket/bracket_shape.h"
#include "bracket/sheet_layout.h"
#include "view/clickable_line.h"

namespace kaz::gui {

class BracketDocument;

// One bracket line: draws its horizontal stroke, its half of the pair's vertical join, its
// score and the number of the match that feeds it from the document (a bye's line not at all), and
// turns mouse input into document operations. A left press marks or takes back a win, a double
// click resets, a right press asks for the score (or, on the final line, the champion's name); a
// line of round 2 or later that nobody stands on refuses them all.
class LineWidget : public ClickableLine {
    Q_OBJECT
public:
    // `layout` is the view's sheet, which the view keeps laid out as the sheet changes.
    LineWidget(BracketDocument* document, int index, const kaz::SheetLayout& layout,
               const ScreenScene& scene, QWidget* parent);

    int index() const { return m_index; }
    kaz::LineKind kind() const { return m_kind; }

    // Asks for the scores of the match this line plays, both sides at once with this line's
    // field focused, or on the final line for the champion's name (offering the final's winner's
    // name while no champion is named), in a dialog whose corner is at `where` (screen
    // coordinates). Enter stores what the fields hold, as one step; Escape and the close box
    // change nothing.
    void askText(const QPoint& where) override;

protected:
    void click() override;
    void doubleClick() override;

private:
    void askMatchScores(const QPoint& where);

    BracketDocument* m_document;
    const kaz::SheetLayout& m_layout;
    int m_index;
    kaz::LineKind m_kind;
    bool m_pressKept = false;  // the last press changed nothing: refused, or the user said いいえ
};

}  // namespace kaz::gui
