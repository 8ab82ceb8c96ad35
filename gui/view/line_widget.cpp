#include "view/line_widget.h"

#include <QPainter>
#include <QPointer>
#include <array>

#include "bracket/member_progress.h"
#include "bracket/sheet_layout.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "dialogs/match_score_dialog.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "painting/bracket_renderer.h"
#include "painting/scene_painter.h"
#include "text/text_limits.h"
#include "view/line_results.h"

namespace kaz::gui {

LineWidget::LineWidget(BracketDocument* document, int index, const kaz::SheetLayout& layout,
                       const ScreenScene& scene, QWidget* parent)
    : ClickableLine(scene, {kaz::SceneTag::Kind::Line, index}, parent),
      m_document(document),
      m_layout(layout),
      m_index(index),
      m_kind(document->bracket().lineKind(index)) {}

void LineWidget::click() {
    m_pressKept =
        !changeResult(this, m_document, kaz::ResultPlace::line(m_index), kaz::ResultAction::Press);
}

void LineWidget::doubleClick() {
    // A press the user chose not to make leaves its double click nothing to take back.
    if (m_pressKept) return;
    changeResult(this, m_document, kaz::ResultPlace::line(m_index),
                 kaz::ResultAction::ResetMessage);
}

// Escape and the close box change nothing, and neither does Enter on the texts as they were (a
// stray right click and Enter cannot wipe a score or the champion). The champion's dialog
// offers the final's winner's name while no champion is named: Enter takes it.
void LineWidget::askText(const QPoint& where) {
    const kaz::Bracket& bracket = m_document->bracket();
    if (refuseUnreachedLine(this, bracket, m_index)) return;
    if (m_kind != kaz::LineKind::Final) {
        askMatchScores(where);
        return;
    }
    ChampionDialog dialog(window());
    const bool offersWinner = bracket.champion().empty();
    if (offersWinner) {
        const int winner = kaz::memberOnLine(bracket, m_index);
        if (winner >= 0)
            dialog.setInitialText(render::fromDocumentText(bracket.memberName(winner)));
    } else {
        dialog.setInitialText(m_document->championText());
    }
    dialog.setSubject(matchLabel(bracket, m_index));
    dialog.move(where);
    QPointer<LineWidget> self(this);
    if (dialog.exec() != QDialog::Accepted || !self) return;
    if (!dialog.isTextChanged() && !offersWinner) return;
    m_document->setChampion(dialog.enteredText());
}

void LineWidget::askMatchScores(const QPoint& where) {
    const kaz::Bracket& bracket = m_document->bracket();
    const int upper = m_index - (m_kind == kaz::LineKind::Lower ? 1 : 0);
    std::array<QString, 2> names;
    std::array<QString, 2> scores;
    for (int side = 0; side < 2; ++side) {
        // A bye or a slot without a name holds nobody, who takes no score.
        if (kaz::playerStandsOn(bracket, upper + side)) {
            names[size_t(side)] = memberOnLineText(bracket, upper + side);
        }
        scores[size_t(side)] = render::fromDocumentText(bracket.lineScore(upper + side));
    }
    MatchScoreDialog dialog(matchTitle(bracket, m_index), names, scores, window());
    dialog.focusSide(m_index - upper);
    dialog.move(where);
    QPointer<LineWidget> self(this);
    if (dialog.exec() != QDialog::Accepted || !self || !dialog.isChanged()) return;
    m_document->setMatchScores(m_index, kaz::trimScore(dialog.score(0)),
                               kaz::trimScore(dialog.score(1)));
}

}  // namespace kaz::gui
