#pragma once

#include "widgets/text_field.h"

namespace kaz::gui {

class BracketDocument;

// The club box after one member's name box, in the sheet's club column. Every edit goes into
// the document at once, one step for the typing in one box as a name's; the undo keys and the
// menu's undo items act on the bracket's history, as in a name box.
class MemberClubEdit : public TextField {
    Q_OBJECT
public:
    MemberClubEdit(BracketDocument* doc, int member, QWidget* parent);

    int member() const { return m_member; }

    // Shows the document's club (after an edit in another window on the same bracket).
    void refreshText();
    // Takes the document's member-name and background colours.
    void refreshColors();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void addUndoItems(QMenu* menu) override;

private:
    BracketDocument* m_document;
    int m_member;
};

}  // namespace kaz::gui
