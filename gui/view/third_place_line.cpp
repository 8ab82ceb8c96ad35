#include "view/third_place_line.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <array>

#include "bracket/sheet_layout.h"
#include "bracket/third_place.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "dialogs/match_score_dialog.h"
#include "document/bracket_document.h"
#include "painting/bracket_renderer.h"
#include "painting/scene_painter.h"
#include "text/text_limits.h"
#include "view/line_results.h"

namespace kaz::gui {

namespace {

QRect unitedArea(const kaz::ThirdPlaceLayout& layout) {
    QRect area = render::toQRect(layout.heading);
    for (const kaz::Rect& rect :
         {layout.names[0], layout.names[1], layout.lines[0], layout.lines[1], layout.result}) {
        area |= render::toQRect(rect);
    }
    return area;
}

}  // namespace

ThirdPlaceLine::ThirdPlaceLine(BracketDocument* document, int side, const ScreenScene& scene,
                               QWidget* canvas)
    : ClickableLine(scene, {kaz::SceneTag::Kind::ThirdPlaceSide, side}, canvas),
      m_document(document),
      m_side(side) {
    connect(document, &BracketDocument::changed, this, [this](const kaz::DocumentChange& change) {
        if (kaz::affectsThirdPlace(change, m_document->bracket())) repaintThirdPlace();
    });
}

void ThirdPlaceLine::place(const kaz::ThirdPlaceLayout& layout, int percent) {
    const kaz::Rect& line = layout.lines[size_t(m_side)];
    m_area = render::zoomedCover(unitedArea(layout), percent);
    placeOnSheet(line, percent);
    setVisible(line.width > 0 && line.height > 0);
}

void ThirdPlaceLine::repaintThirdPlace() {
    if (m_area.isEmpty()) return;
    update();
    parentWidget()->update(m_area);
}

void ThirdPlaceLine::click() {
    m_pressKept = !changeResult(this, m_document, kaz::ResultPlace::thirdPlaceSide(m_side),
                                kaz::ResultAction::Press);
}

void ThirdPlaceLine::doubleClick() {
    if (m_pressKept) return;
    changeResult(this, m_document, kaz::ResultPlace::thirdPlaceSide(m_side),
                 kaz::ResultAction::ResetMessage);
}

// As a match's scores: Escape, the close box and Enter on the texts as they were change nothing.
void ThirdPlaceLine::askText(const QPoint& where) {
    const kaz::Bracket& bracket = m_document->bracket();
    if (refuseUnknownSide(this, bracket, m_side)) return;
    std::array<QString, 2> names;
    std::array<QString, 2> scores;
    for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
        names[size_t(side)] = memberText(bracket, kaz::thirdPlaceMember(bracket, side));
        scores[size_t(side)] = render::fromDocumentText(bracket.thirdPlaceResult(side).score);
    }
    MatchScoreDialog dialog(thirdPlaceMatchTitle(bracket), names, scores, window());
    dialog.focusSide(m_side);
    dialog.move(where);
    QPointer<ThirdPlaceLine> self(this);
    if (dialog.exec() != QDialog::Accepted || !self || !dialog.isChanged()) return;
    m_document->setThirdPlaceScores(kaz::trimScore(dialog.score(0)),
                                    kaz::trimScore(dialog.score(1)));
}

}  // namespace kaz::gui
