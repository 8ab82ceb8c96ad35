#include "view/line_widget.h"

#include <QPainter>
#include <QPointer>
#include <memory>

#include "bracket/member_progress.h"
#include "bracket/sheet_layout.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_text.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "painting/bracket_painter.h"
#include "painting/sheet_painter.h"
#include "text/text_limits.h"
#include "view/line_results.h"

namespace kaz::gui {

LineWidget::LineWidget(BracketDocument* document, int index, QWidget* parent)
    : ClickableLine(parent),
      m_document(document),
      m_index(index),
      m_kind(document->bracket().lineKind(index)) {
    // The number of the match that feeds this line lies over its stroke, in its area.
    const kaz::Bracket& bracket = document->bracket();
    for (int line = 0; line < bracket.lineCount(); ++line) {
        if (bracket.lineKind(line) == kaz::LineKind::Upper &&
            kaz::nextRoundLine(bracket.memberCount(), line) == index) {
            m_fedBy = line;
        }
    }
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), render::qColorFromString(m_document->colors().backgroundColor));
    const kaz::Bracket& bracket = m_document->bracket();
    paintOnSheet(painter);
    render::paintLine(painter, bracket, m_index, sheetArea(),
                      kaz::sheetLineShape(bracket, m_index));
    if (m_fedBy >= 0 && bracket.sheet().matchNumbers) {
        render::paintMatchNumber(painter, bracket, kaz::layoutSheet(bracket), m_fedBy);
    }
}

void LineWidget::click() { clickLine(this, m_document, m_index); }

void LineWidget::doubleClick() { m_document->doubleClickLine(m_index); }

// Escape and the close box change nothing, and neither does Enter on the text as it was (a
// stray right click and Enter cannot wipe a score or the champion). The champion's dialog
// offers the final's winner's name while no champion is named: Enter takes it.
void LineWidget::askText(const QPoint& where) {
    const kaz::Bracket& bracket = m_document->bracket();
    if (refuseUnreachedLine(this, bracket, m_index)) return;
    const bool isFinal = m_kind == kaz::LineKind::Final;
    std::unique_ptr<TextInputDialog> dialog;
    if (isFinal) {
        dialog = std::make_unique<ChampionDialog>(window());
    } else {
        dialog = std::make_unique<ScoreDialog>(window());
    }
    const bool offersWinner = isFinal && bracket.champion().empty();
    if (offersWinner) {
        const int winner = kaz::memberOnLine(bracket, m_index);
        if (winner >= 0) dialog->setInitialText(render::fromCp932(bracket.memberName(winner)));
    } else {
        dialog->setInitialText(isFinal ? m_document->championText()
                                       : render::fromCp932(m_document->lineScore(m_index)));
    }
    dialog->setSubject(matchLabel(bracket, m_index));
    dialog->move(where);
    QPointer<LineWidget> self(this);
    if (dialog->exec() != QDialog::Accepted || !self) return;
    if (!dialog->isTextChanged() && !offersWinner) return;
    if (isFinal) {
        m_document->setChampion(dialog->enteredText());
    } else {
        m_document->setLineScore(m_index, kaz::trimScore(dialog->enteredText()));
    }
}

}  // namespace kaz::gui
