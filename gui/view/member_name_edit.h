#pragma once

#include "view/member_box.h"

namespace kaz::gui {

class BracketDocument;

// The name box of one member. Every edit goes into the document at once, as a step of the
// bracket's undo history; text set by the program is none. The box has no undo of its own:
// its undo and redo keys and menu items act on the bracket's history. From the box the keyboard
// also enters the member's results:
// - Alt+Right: a left click on the line where the member stands now (nothing on the final line);
// - Alt+Left: a double click on the last line it won;
// - F2: the score of its most recently decided match (the line it last won or lost on), or of
//   the line where it stands when it has played none; on the final line the champion's name.
// For a side of the third-place match (a semi-final's loser, while the sheet plays the match)
// the keys act on that match, its most recent: Alt+Right wins it, Alt+Left takes back its win
// there (or, without one, as above), F2 asks for its score there.
// A name longer than the box shows whole in the box's tooltip.
class MemberNameEdit : public MemberBox {
    Q_OBJECT
public:
    MemberNameEdit(BracketDocument* doc, int member, QWidget* parent);

    // Shows the document's name (after an edit in another window on the same bracket).
    void refreshText();

    // A paste into this box. Text of several lines fills this box and the boxes below it, one
    // name a line, as one step; lines beyond the last box are left out and the status bar says
    // how many, and which characters became 〓 on which line. A line beyond the name's limit
    // refuses the whole paste. A single name replaces the selection. Returns how many names
    // were left out.
    int pasteText(const QString& text) override;

signals:
    // F2: the score (or on the final line the champion's name) of `line` is to be asked for.
    void lineTextRequested(int line);
    // F2 from a side of the third-place match: that side's score is to be asked for.
    void thirdPlaceScoreRequested(int side);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The zoom changes the box's size and text: whether the name fits is asked again.
    void resizeEvent(QResizeEvent* event) override;
    // シード... ("seed") and 不戦勝 ("bye", checked while the slot is a bye; only for an empty
    // slot).
    void addOwnItems(QMenu* menu) override;

private:
    void updateToolTip();
    // Asks for the member's seed and sets it; a number the bracket refuses is told in the
    // dialog, which stays open.
    void askSeed();
    // The keys the box takes for itself before any window's shortcut: the bracket's undo and
    // redo, and the result keys.
    bool handleBracketKey(const QKeyEvent* event, bool run);
    // Alt+Right, Alt+Left and F2.
    void winNextMatch();
    void takeBackLastWin();
    void askLastScore();
    // The side of the third-place match this member plays on, or -1.
    int thirdPlaceSide() const;
};

}  // namespace kaz::gui
