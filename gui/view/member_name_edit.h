#pragma once

#include <QLineEdit>

class BracketDocument;

// The name box of one member. Every edit goes into the document at once and marks the name
// as edited; text set by the program does not. Characters CP932 cannot hold are refused.
class MemberNameEdit : public QLineEdit {
    Q_OBJECT
public:
    MemberNameEdit(BracketDocument* doc, int member, QWidget* parent);

    int member() const { return m_member; }

    // Shows the document's name (after an edit in another window on the same bracket).
    void refreshText();
    // Takes the document's member-name and background colours.
    void refreshColors();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    BracketDocument* m_document;
    int m_member;
};
