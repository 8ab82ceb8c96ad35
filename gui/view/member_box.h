#pragma once

#include "widgets/text_field.h"

namespace kaz::gui {

class BracketDocument;

// A box of one member's row in the bracket view (its name or its club): coloured as the
// bracket's names, ends the document's typing step when it loses the focus, and offers the
// bracket's undo history in its menu in place of its own, which could change the text behind
// the history's back.
class MemberBox : public TextField {
    Q_OBJECT
public:
    MemberBox(size_t maxCharacters, BracketDocument* doc, int member, QWidget* parent);

    int member() const { return m_member; }

    // Takes the document's member-name and background colours.
    void refreshColors();
    // Sizes the text for the view's zoom, `percent`.
    void setZoom(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void addUndoItems(QMenu* menu) override;

    BracketDocument* m_document;
    int m_member;
};

}  // namespace kaz::gui
