#include "view/line_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <memory>

#include "bridge/qt_colors.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "painting/bracket_painter.h"
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
    QPainter painter(this);
    painter.fillRect(rect(), qColorFromString(m_document->colors().backgroundColor));
    paintLine(painter, m_document->bracket(), m_index, rect());
}

void LineWidget::mousePressEvent(QMouseEvent* event) {
    // Taken here: passed on, the press would reach the child window, which repaints for it.
    if (event->button() == Qt::LeftButton) {
        m_document->leftClickLine(m_index);
    } else if (event->button() == Qt::RightButton) {
        askText();
    } else {
        QWidget::mousePressEvent(event);
    }
}

void LineWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QWidget::mouseReleaseEvent(event);
    }
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
