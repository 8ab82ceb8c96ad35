#pragma once

#include <QRect>

#include "bracket/sheet_layout.h"
#include "view/clickable_line.h"

namespace kaz::gui {

class BracketDocument;

// One side of the third-place match below the final (side 0 the upper semi-final's loser):
// draws its line from the document and takes the mouse as a bracket line does. A left press
// marks or takes back the side's win, a double click resets, a right press asks for its score;
// a side whose semi-final is undecided refuses them all, and a win waits for both sides. The
// heading and the names are the canvas's; this side repaints them when a semi-final, the final
// or a name changes.
class ThirdPlaceLine : public ClickableLine {
    Q_OBJECT
public:
    ThirdPlaceLine(BracketDocument* document, int side, const ScreenScene& scene, QWidget* canvas);

    int side() const { return m_side; }
    // Puts the side where `layout` says, zoomed to `percent`; hidden where the sheet plays no
    // match.
    void place(const kaz::ThirdPlaceLayout& layout, int percent);

    // Asks for the side's score in the dialog lines use, its corner at `where` (screen
    // coordinates).
    void askText(const QPoint& where) override;

protected:
    void click() override;
    void doubleClick() override;

private:
    // The third place's heading, names and result changed with line `line`, or with a name.
    void repaintThirdPlace();

    BracketDocument* m_document;
    int m_side;
    QRect m_area;              // the whole third place on the canvas, as zoomed
    bool m_pressKept = false;  // the last press changed nothing: refused
};

}  // namespace kaz::gui
