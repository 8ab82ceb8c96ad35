#pragma once

#include <QScrollArea>
#include <vector>

class CKaz_editDoc;
class CKaz_line;
class CMemberEdit;
class BracketCanvas;

// The scrolling view of one bracket: name boxes down the left, one line widget per bracket
// line round by round to the right, the champion's name right of the final line. It lays the
// bracket out once; afterwards every change comes from the document and repaints in place.
class CKaz_editView : public QScrollArea {
    Q_OBJECT
public:
    explicit CKaz_editView(CKaz_editDoc* doc, QWidget* parent = nullptr);

    CKaz_editDoc* GetDocument() const { return m_pDoc; }
    const std::vector<CMemberEdit*>& NameEdits() const { return m_vecNameEdit; }
    const std::vector<CKaz_line*>& Lines() const { return m_vecLine; }
    QWidget* Canvas() const;

    // Top-left corner of the champion's name in the bracket's own coordinates.
    QPoint ChampionPosition() const;
    // Width and height of the bracket: 70 per round + 260, and 34 per member + 50.
    QSize BracketExtent() const;

protected:
    bool event(QEvent* event) override;

private:
    void LayoutBracket();
    void CreateNameEdits(int count);
    void CreateLines(int count);
    // A page is a tenth of the extent and a line a tenth of a page, on either axis.
    void ApplyScrollSteps();
    void OnSettingsChanged();

    CKaz_editDoc* m_pDoc;
    BracketCanvas* m_canvas;
    std::vector<CMemberEdit*> m_vecNameEdit;
    std::vector<CKaz_line*> m_vecLine;
};
