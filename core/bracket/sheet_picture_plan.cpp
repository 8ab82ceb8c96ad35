#include "bracket/sheet_picture_plan.h"

#include <algorithm>
#include <climits>

#include "bracket/bracket.h"
#include "bracket/bracket_geometry.h"
#include "bracket/sheet_marks.h"

namespace kaz {

ColumnPlan planColumn(const std::vector<MeasuredText>& texts, const ColumnStyle& style) {
    int widest = 0;
    bool cut = false;
    for (const MeasuredText& text : texts) {
        widest = std::max(widest, text.width);
        cut = cut || text.cut;
    }
    ColumnPlan column;
    const int boxText = style.box - style.margin;
    const int fits = style.estimated ? boxText - style.inkGap : boxText;
    if (cut || widest > fits) {
        const int most = style.box * (kColumnMostBoxes - 1);
        column.extraWidth = cut ? most : std::min(most, widest + style.inkGap - boxText);
    }
    column.room = boxText + column.extraWidth - (column.widened() ? style.inkGap : 0);
    return column;
}

PictureStyle measuredPictureStyle() {
    PictureStyle style;
    style.names = {memberNameRect(0).width, kPictureNameMargin, kInkGap, false};
    // A club's box is its column less the gap on its name's side.
    style.clubs = {kClubBoxWidth - kPictureClubGap, kPictureNameMargin, kInkGap, false};
    style.clubsOnly = true;
    return style;
}

PictureStyle estimatedPictureStyle() {
    PictureStyle style;
    style.names = {memberNameRect(0).width, kPageNameMargin, kInkGap, true};
    // A club stands the gap into its column and runs to its end.
    style.clubs = {kClubBoxWidth, kPageClubGap + kPageNameMargin, 0, true};
    return style;
}

int headerWidth(int sheetWidth, int textWidth) {
    return std::max(sheetWidth,
                    std::min(textWidth + 2 * kTitleSideMargin, kTitleMostWidening * sheetWidth));
}

SheetPicturePlan planSheetPicture(const Bracket& bracket, const TextMeasure& measure,
                                  const PictureStyle& style) {
    SheetPicturePlan plan;
    const int members = bracket.memberCount();
    std::vector<MeasuredText> texts(size_t(std::max(members, 0)));
    for (int member = 0; member < members; ++member) texts[size_t(member)] = measure.name(member);
    plan.names = planColumn(texts, style.names);
    SheetWidening widening;
    widening.nameColumn = plan.names.extraWidth;
    widening.clubsOnly = style.clubsOnly;
    if (isSheetShown(bracket)) {
        if (style.clubsOnly ? hasClubs(bracket) : showsClubColumn(bracket)) {
            for (int member = 0; member < members; ++member) {
                texts[size_t(member)] = measure.club(member);
            }
            plan.clubs = planColumn(texts, style.clubs);
        }
        widening.clubColumn = plan.clubs.extraWidth;
        const int width = layoutSheet(bracket, widening).extent.width;
        // A header widens the sheet as far as its full width needs, up to its most; condensed
        // towards that room, it widens it further only where the output cannot condense it so far.
        const auto room = [&](int full) { return headerWidth(width, full) - 2 * kTitleSideMargin; };
        plan.titleRoom = room(measure.title(INT_MAX));
        plan.subtitleRoom = room(measure.subtitle(INT_MAX));
        widening.leastWidth =
            std::max(std::max(plan.titleRoom, measure.title(plan.titleRoom)),
                     std::max(plan.subtitleRoom, measure.subtitle(plan.subtitleRoom))) +
            2 * kTitleSideMargin;
    }
    plan.layout = layoutSheet(bracket, widening);
    return plan;
}

}  // namespace kaz
