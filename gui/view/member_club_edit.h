#pragma once

#include "view/member_box.h"

namespace kaz::gui {

class BracketDocument;

// The club box after one member's name box, in the sheet's club column. Every edit goes into
// the document at once, one step for the typing in one box as a name's; the undo keys and the
// menu's undo items act on the bracket's history, as in a name box.
class MemberClubEdit : public MemberBox {
    Q_OBJECT
public:
    MemberClubEdit(BracketDocument* doc, int member, QWidget* parent);

    // Shows the document's club (after an edit in another window on the same bracket).
    void refreshText();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kaz::gui
