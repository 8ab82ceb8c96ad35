#include "painting/third_place_painter.h"

#include <QPainter>
#include <vector>

#include "bracket/line_style.h"
#include "bracket/sheet_picture_plan.h"
#include "bracket/sheet_words.h"
#include "bracket/third_place.h"
#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "painting/bracket_painter.h"
#include "painting/name_column.h"
#include "painting/shrunk_text.h"

namespace kaz::render {
namespace {

constexpr int kHeadingPixels = 12;
constexpr int kResultPixels = 14;
constexpr int kResultWeight = 600;
constexpr int kEmptyPlaceWidth = 110;  // a name box's width

// `text` within `rect`, condensed (down to the names' least stretch) to fit it. `measured` is
// `font` as sized in the bracket's pixels: a printer's font is sized for its own resolution,
// and measured as such it would seem to fit where it does not.
void drawFitted(QPainter& painter, QFont font, const QFont& measured, const QRect& rect,
                Qt::Alignment alignment, const QString& text) {
    const int stretch = fittingStretch(measured, text, rect.width());
    if (stretch != 100) font.setStretch(stretch);
    painter.setFont(font);
    drawSheetText(painter, rect, alignment | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

QString nameOf(const kaz::Bracket& bracket, int member) {
    return fromDocumentText(bracket.memberName(member)).left(kMostCharactersShown);
}

}  // namespace

namespace {

LineLook thirdPlaceLook(const kaz::Bracket& bracket, int side) {
    return {kaz::thirdPlaceLineColors(bracket, side), bracket.thirdPlaceResult(side).score,
            side == 0 ? kaz::LineKind::Upper : kaz::LineKind::Lower};
}

}  // namespace

void paintThirdPlaceLine(QPainter& painter, const kaz::Bracket& bracket, int side,
                         const QRect& area) {
    paintLineLook(painter, bracket.colors(), thirdPlaceLook(bracket, side), area);
}

void paintThirdPlace(QPainter& painter, const kaz::Bracket& bracket, const kaz::SheetLayout& layout,
                     ThirdPlaceLines lines) {
    const kaz::ThirdPlaceLayout& place = layout.thirdPlace;
    if (!place.shown()) return;
    const bool match = bracket.sheet().thirdPlace == kaz::ThirdPlace::Match;
    // The sheet's words, in the sheet's language whatever the editor's.
    const kaz::SheetWords& words = kaz::sheetWords(bracket.sheet().language);
    painter.save();
    painter.setPen(qColorFromString(bracket.colors().memberColor));
    const QFont heading = japaneseFontPixels(kHeadingPixels);
    drawFitted(painter, heading, heading, toQRect(place.heading), Qt::AlignLeft,
               QString::fromUtf8(match ? words.thirdPlaceMatch : words.thirdPlace));
    const QFont nameFont = memberNameFont(painter.device());
    const QFont measuredName = memberNameFont(nullptr);
    for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
        const int member = kaz::thirdPlaceMember(bracket, side);
        const QRect name =
            toQRect(place.names[size_t(side)]).adjusted(0, 0, -kaz::kThirdPlaceNameGap, 0);
        if (member >= 0) {
            drawFitted(painter, nameFont, measuredName, name, Qt::AlignRight,
                       nameOf(bracket, member));
        } else {
            // Before its semi-final the side's place shows empty, as a name box does.
            painter.drawRect(QRectF(name.adjusted(name.width() - kEmptyPlaceWidth, 0, 0, 0))
                                 .adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    if (match && lines == ThirdPlaceLines::Drawn) {
        std::vector<DrawnLine> sides;
        for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
            sides.push_back({thirdPlaceLook(bracket, side), toQRect(place.lines[size_t(side)]),
                             kaz::LineShape()});
            paintLineLook(painter, bracket.colors(), sides.back().look, sides.back().area,
                          sides.back().shape, LineParts::Stroke);
            paintLineLook(painter, bracket.colors(), sides.back().look, sides.back().area,
                          sides.back().shape, LineParts::Score);
        }
        paintPairJoin(painter, bracket.colors(), sides[0], sides[1]);
    }
    const int winner = kaz::thirdPlaceWinner(bracket);
    if (winner >= 0) {
        painter.setPen(qColorFromString(bracket.colors().scoreColor));
        // Condensed to end within the sheet, which a long name would otherwise run past.
        const QRect sheet(QPoint(0, 0), toQSize(layout.extent));
        const QFont result = emboldened(japaneseFontPixels(kResultPixels, kResultWeight));
        drawFitted(
            painter, result, result, toQRect(place.result).intersected(sheet), Qt::AlignLeft,
            QString::fromUtf8(words.thirdPlace) + QLatin1Char(' ') + nameOf(bracket, winner));
    }
    painter.restore();
}

}  // namespace kaz::render
