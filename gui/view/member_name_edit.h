#pragma once

#include <QLineEdit>

class CKaz_editDoc;

// The name box of one member. Every edit goes into the document at once and marks the name
// as edited; text set by the program does not. Characters CP932 cannot hold are refused.
class CMemberEdit : public QLineEdit {
    Q_OBJECT
public:
    CMemberEdit(CKaz_editDoc* doc, int member, QWidget* parent);

    int Member() const { return m_nMember; }

    // Shows the document's name (after an edit in another window on the same bracket).
    void RefreshText();
    // Takes the document's member-name and background colours.
    void RefreshColors();

private:
    CKaz_editDoc* m_pDoc;
    int m_nMember;
};
