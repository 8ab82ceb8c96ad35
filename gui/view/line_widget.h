#pragma once

#include <QWidget>

class CKaz_editDoc;
class QPainter;

// One bracket line: draws its horizontal stroke, its half of the pair's vertical join and
// its score from the document, and turns mouse input into document operations. A left press
// marks or unmarks a win, a double click resets, a right press asks for the score (or, on the
// final line, the champion's name).
class CKaz_line : public QWidget {
    Q_OBJECT
public:
    CKaz_line(CKaz_editDoc* doc, int index, int kind, QWidget* parent);

    int GetIndex() const { return m_nIndex; }
    int GetKind() const { return m_nKind; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void AskText();
    void PaintScore(QPainter& painter, const QColor& back);

    CKaz_editDoc* m_pDoc;
    int m_nIndex;
    int m_nKind;
};
