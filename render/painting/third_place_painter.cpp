#include "painting/third_place_painter.h"

#include <QPainter>

#include "bracket/third_place.h"
#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "painting/bracket_painter.h"
#include "painting/name_column.h"

namespace kaz::render {
namespace {

constexpr int kHeadingPixels = 12;
constexpr int kResultPixels = 14;
constexpr int kResultWeight = 600;
constexpr int kNameGap = 4;  // between a side's name and its line

// Document content: the same in every language.
const char* const kMatchHeading = "3位決定戦";
const char* const kSharedHeading = "3位";
const char* const kWinnerMark = "3位 ";

// `text` within `rect`, condensed (down to the names' least stretch) to fit it.
void drawFitted(QPainter& painter, QFont font, const QRect& rect, Qt::Alignment alignment,
                const QString& text) {
    const int stretch = fittingStretch(font, text, rect.width());
    if (stretch != 100) font.setStretch(stretch);
    painter.setFont(font);
    painter.drawText(rect, alignment | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

QString nameOf(const kaz::Bracket& bracket, int member) {
    return fromCp932(bracket.memberName(member)).left(kMostCharactersShown);
}

}  // namespace

void paintThirdPlaceLine(QPainter& painter, const kaz::Bracket& bracket, int side,
                         const QRect& area) {
    const kaz::LineResult& result = bracket.sheet().thirdPlaceSides[size_t(side)];
    paintLineLook(painter, bracket.colors(),
                  LineLook{kaz::thirdPlaceLineState(bracket, side), result.score,
                           side == 0 ? kaz::LineKind::Upper : kaz::LineKind::Lower},
                  area);
}

void paintThirdPlace(QPainter& painter, const kaz::Bracket& bracket, const kaz::SheetLayout& layout,
                     ThirdPlaceLines lines) {
    const kaz::ThirdPlaceLayout& place = layout.thirdPlace;
    if (!place.shown()) return;
    const bool match = bracket.sheet().thirdPlace == kaz::ThirdPlace::Match;
    painter.save();
    painter.setPen(qColorFromString(bracket.colors().memberColor));
    drawFitted(painter, japaneseFontPixels(kHeadingPixels), toQRect(place.heading), Qt::AlignLeft,
               QString::fromUtf8(match ? kMatchHeading : kSharedHeading));
    const QFont nameFont = memberNameFont(painter.device());
    for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
        const int member = kaz::thirdPlaceMember(bracket, side);
        if (member < 0) continue;
        drawFitted(painter, nameFont,
                   toQRect(place.names[size_t(side)]).adjusted(0, 0, -kNameGap, 0), Qt::AlignRight,
                   nameOf(bracket, member));
    }
    if (match && lines == ThirdPlaceLines::Drawn) {
        for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
            paintThirdPlaceLine(painter, bracket, side, toQRect(place.lines[size_t(side)]));
        }
    }
    const int winner = kaz::thirdPlaceWinner(bracket);
    if (winner >= 0) {
        painter.setPen(qColorFromString(bracket.colors().scoreColor));
        // Condensed to end within the sheet, which a long name would otherwise run past.
        const QRect sheet(QPoint(0, 0), toQSize(layout.extent));
        drawFitted(painter, emboldened(japaneseFontPixels(kResultPixels, kResultWeight)),
                   toQRect(place.result).intersected(sheet), Qt::AlignLeft,
                   QString::fromUtf8(kWinnerMark) + nameOf(bracket, winner));
    }
    painter.restore();
}

}  // namespace kaz::render
