#include "view/line_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <memory>

#include "bracket/bracket_geometry.h"
#include "bracket/line_style.h"
#include "common/cp932_text.h"
#include "common/qt_colors.h"
#include "common/ui_fonts.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "text/text_limits.h"

LineWidget::LineWidget(BracketDocument* document, int index, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_index(index),
      m_kind(document->bracket().lineKind(index)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LineWidget::paintEvent(QPaintEvent*) {
    const kaz::ColorSet& colors = m_document->colors();
    // A state that has no colour (only a file can bring one) is drawn as an open line.
    auto color = [&colors](kaz::LineColor which) {
        return qColorFromString(kaz::colorString(colors, which, colors.loseLineColor));
    };
    const kaz::LineColors lineColors = kaz::lineColors(m_document->lineState(m_index));
    const QColor back = qColorFromString(colors.backgroundColor);
    const int w = width();
    const int h = height();
    const int m = h / 2;

    QPainter painter(this);
    painter.fillRect(rect(), back);

    painter.setPen(QPen(color(lineColors.stroke), 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(0, m, w, m);
    if (m_kind != kaz::LineKind::Final) paintScore(painter, back);
    // The join goes last, so that no score can break it.
    painter.setPen(QPen(color(lineColors.join), 7, Qt::SolidLine, Qt::FlatCap));
    if (m_kind == kaz::LineKind::Upper) painter.drawLine(w, m + 1, w, h);
    if (m_kind == kaz::LineKind::Lower) painter.drawLine(w, m - 2, w, 0);
}

void LineWidget::paintScore(QPainter& painter, const QColor& back) {
    const std::string& score = m_document->lineScore(m_index);
    if (score.empty()) return;
    const int w = width();
    const int h = height();
    const int y = kaz::scoreTop(m_kind, h);
    const int x = kaz::scoreLeft(w, static_cast<int>(score.size()));
    const QString text = fromCp932(score);
    painter.setFont(japaneseFontPixels(12));
    const QRect textRect = painter.fontMetrics().boundingRect(QRect(x, y, w, h), 0, text);
    // An opaque background behind the text only.
    painter.fillRect(textRect, back);
    painter.setPen(qColorFromString(m_document->colors().scoreColor));
    painter.drawText(textRect, 0, text);
}

void LineWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_document->leftClickLine(m_index);
    if (event->button() == Qt::RightButton) askText();
    QWidget::mousePressEvent(event);
}

void LineWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The press before this message was already handled as a left click.
    if (event->button() == Qt::LeftButton) m_document->doubleClickLine(m_index);
}

// Asks for the score, or on the final line for the champion's name. Enter stores what was
// typed (an empty field clears it); Escape and the close box change nothing, so that a stray
// right click cannot wipe a score or the champion.
void LineWidget::askText() {
    const bool isFinal = m_kind == kaz::LineKind::Final;
    std::unique_ptr<TextInputDialog> dialog;
    if (isFinal) {
        dialog = std::make_unique<ChampionDialog>(window());
    } else {
        dialog = std::make_unique<ScoreDialog>(window());
    }
    QPointer<LineWidget> self(this);
    if (dialog->exec() != QDialog::Accepted || !self) return;
    if (isFinal) {
        m_document->setChampion(dialog->enteredText());
    } else {
        m_document->setLineScore(m_index, kaz::trimScore(dialog->enteredText()));
    }
}
