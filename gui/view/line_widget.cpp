#include "view/line_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <memory>

#include "bracket/bracket.h"
#include "document/bracket_document.h"
#include "common/cp932_text.h"
#include "common/qt_colors.h"
#include "common/ui_fonts.h"
#include "dialogs/text_input_dialog.h"

CKaz_line::CKaz_line(CKaz_editDoc* doc, int index, int kind, QWidget* parent)
    : QWidget(parent), m_pDoc(doc), m_nIndex(index), m_nKind(kind) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CKaz_line::paintEvent(QPaintEvent*) {
    const kaz::ColorSet& colors = m_pDoc->GetColors();
    const QColor win = QColorFromString(colors.m_strWinLineColor);
    const QColor lose = QColorFromString(colors.m_strLoseLineColor);
    const QColor back = QColorFromString(colors.m_strBackColor);
    const int state = m_pDoc->GetState(m_nIndex);
    const bool reached = state >= kaz::LINE_WON && state <= kaz::LINE_BEATEN;
    const int w = width();
    const int h = height();
    const int m = h / 2;

    QPainter painter(this);
    painter.fillRect(rect(), back);

    // The horizontal stroke carries any member standing on the line; the join only a win.
    painter.setPen(QPen(reached ? win : lose, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(0, m, w, m);
    if (m_nKind != kaz::KIND_FINAL) PaintScore(painter, back);
    // The join goes last, so that no score can break it.
    painter.setPen(QPen(state == kaz::LINE_WON ? win : lose, 7, Qt::SolidLine, Qt::FlatCap));
    if (m_nKind == kaz::KIND_UPPER) painter.drawLine(w, m + 1, w, h);
    if (m_nKind == kaz::KIND_LOWER) painter.drawLine(w, m - 2, w, 0);
}

void CKaz_line::PaintScore(QPainter& painter, const QColor& back) {
    const std::string& score = m_pDoc->GetScore(m_nIndex);
    if (score.empty()) return;
    const int w = width();
    const int h = height();
    const int y = m_nKind == kaz::KIND_UPPER ? (h / 4) * 3 - 4 : h / 4 - 6;
    // Right-aligned on six pixels a byte, ending about six pixels before the right edge.
    const int x = w - 6 * (static_cast<int>(score.size()) + 1);
    const QString text = FromCp932(score);
    painter.setFont(JapaneseFontPixels(12));
    const QRect textRect = painter.fontMetrics().boundingRect(QRect(x, y, w, h), 0, text);
    // An opaque background behind the text only.
    painter.fillRect(textRect, back);
    painter.setPen(QColorFromString(m_pDoc->GetColors().m_strScoreColor));
    painter.drawText(textRect, 0, text);
}

void CKaz_line::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pDoc->LeftClickLine(m_nIndex);
    if (event->button() == Qt::RightButton) AskText();
    QWidget::mousePressEvent(event);
}

void CKaz_line::mouseDoubleClickEvent(QMouseEvent* event) {
    // The press before this message was already handled as a left click.
    if (event->button() == Qt::LeftButton) m_pDoc->DoubleClickLine(m_nIndex);
}

// Asks for the score, or on the final line for the champion's name. Enter stores what was
// typed (an empty field clears it); Escape and the close box change nothing, so that a stray
// right click cannot wipe a score or the champion.
void CKaz_line::AskText() {
    const bool isFinal = m_nKind == kaz::KIND_FINAL;
    std::unique_ptr<TextInputDlg> dialog;
    if (isFinal) {
        dialog = std::make_unique<CChampionNameDlg>(window());
    } else {
        dialog = std::make_unique<CScoreInputDlg>(window());
    }
    QPointer<CKaz_line> self(this);
    if (dialog->exec() != QDialog::Accepted || !self) return;
    if (isFinal) {
        m_pDoc->SetChampion(dialog->GetText());
    } else {
        m_pDoc->SetScore(m_nIndex, TrimScore(dialog->GetText()));
    }
}
