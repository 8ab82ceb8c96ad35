#include "bracket/sheet_layout.h"

#include <algorithm>

#include "bracket/bracket.h"
#include "bracket/bracket_shape.h"
#include "bracket/sheet_marks.h"

namespace kaz {
namespace {

constexpr int kTopMargin = 8;
constexpr int kTitleHeight = 26;
constexpr int kSubtitleHeight = 20;
constexpr int kTitleGap = 4;  // between the title lines and the round names' row
// The round names' row lies in the bracket's own top margin, above the first names, and adds
// as much height as it takes.
constexpr int kRoundRowHeight = 18;
constexpr int kRoundRowTop = 6;  // within the bracket's moved top margin
constexpr int kFootHeight = 12;  // added below the bracket for the draw number
constexpr int kFootTextHeight = 16;
constexpr int kSeedMarkWidth = 24;
constexpr int kSeedMarkGap = 2;
constexpr int kMatchNumberWidth = 26;
constexpr int kMatchNumberHeight = 13;
constexpr int kMatchNumberGap = 4;  // from the join, and above the stroke's middle
constexpr int kNameBoxesRight = 160;
// The third place, below the bracket: its heading, then a pair of lines as high as a first
// round's, its names in the two columns before them.
constexpr int kThirdPlaceGap = 10;
constexpr int kThirdPlaceHeadingHeight = 18;
constexpr int kThirdPlaceLineHeight = 34;
constexpr int kThirdPlaceNameWidth = 140;
constexpr int kThirdPlaceNameHeight = 20;
constexpr int kThirdPlaceResultWidth = 200;
constexpr int kThirdPlaceResultHeight = 20;

int middle(const Rect& rect) { return rect.top + rect.height / 2; }

// The third place below the final, its lines in the final's column and its names in the two
// columns before; the sheet grows down by it.
ThirdPlaceLayout layoutThirdPlace(const SheetLayout& layout, int members, ThirdPlace thirdPlace) {
    ThirdPlaceLayout place;
    if (thirdPlace == ThirdPlace::None) return place;
    // The final's pair is the last but one and the one before; the champion's line is the last.
    const Rect finalLine = sheetLineRect(layout, members, lineCountForMembers(members) - 3);
    const int top = layout.extent.height + kThirdPlaceGap;
    const int namesLeft = finalLine.left - kThirdPlaceNameWidth;
    place.heading = {namesLeft, top, kThirdPlaceNameWidth + finalLine.width,
                     kThirdPlaceHeadingHeight};
    const int linesTop = top + kThirdPlaceHeadingHeight;
    for (int side = 0; side < 2; ++side) {
        const Rect line{finalLine.left, linesTop + side * kThirdPlaceLineHeight, finalLine.width,
                        kThirdPlaceLineHeight};
        place.names[size_t(side)] = {namesLeft, middle(line) - kThirdPlaceNameHeight / 2,
                                     kThirdPlaceNameWidth, kThirdPlaceNameHeight};
        if (thirdPlace == ThirdPlace::Match) place.lines[size_t(side)] = line;
    }
    if (thirdPlace == ThirdPlace::Match) {
        const int join = linesTop + kThirdPlaceLineHeight;
        place.result = {finalLine.right() + 5, join - kThirdPlaceResultHeight / 2,
                        kThirdPlaceResultWidth, kThirdPlaceResultHeight};
    }
    return place;
}

}  // namespace

bool isSheetShown(const SheetInfo& sheet) {
    SheetInfo known = sheet;
    known.unknownRecords.clear();
    return !known.isEmpty();
}

SheetLayout layoutSheet(const Bracket& bracket, const SheetWidening& widening) {
    const SheetInfo& sheet = bracket.sheet();
    const int members = bracket.memberCount();
    const Size bare = bracketExtent(members);
    SheetLayout layout;
    layout.clubLeft = kNameBoxesRight + widening.nameColumn;
    layout.bracketOrigin = {widening.nameColumn, 0};
    layout.extent = {bare.width + widening.nameColumn, bare.height};
    if (!isSheetShown(sheet)) return layout;

    int top = kTopMargin;
    if (!sheet.title.empty()) {
        layout.title = {0, top, 0, kTitleHeight};
        top += kTitleHeight;
    }
    if (!sheet.subtitle.empty()) {
        layout.subtitle = {0, top, 0, kSubtitleHeight};
        top += kSubtitleHeight;
    }
    const int titleBlock = top == kTopMargin ? 0 : top + kTitleGap;
    layout.headerHeight = titleBlock + kRoundRowHeight;

    if (showsClubColumn(sheet)) {
        layout.clubWidth = kClubBoxWidth + widening.clubColumn;
    }
    layout.bracketOrigin = {widening.nameColumn + layout.clubWidth, layout.headerHeight};

    const int rounds = roundsForMembers(members);
    int firstLine = 0;
    for (int round = 0, size = members; round < rounds; ++round, size /= 2) {
        const Rect line = sheetLineRect(layout, members, firstLine);
        layout.roundNames.push_back(
            {line.left, titleBlock + kRoundRowTop, line.width, kRoundRowHeight});
        firstLine += size;
    }

    layout.extent = {bare.width + layout.bracketOrigin.x, bare.height + layout.headerHeight};
    layout.thirdPlace = layoutThirdPlace(layout, members, sheet.thirdPlace);
    if (layout.thirdPlace.shown()) {
        const Rect& last = layout.thirdPlace.names[1];
        layout.extent.height =
            std::max(last.bottom(), layout.thirdPlace.lines[1].bottom()) + kThirdPlaceGap;
    }
    if (sheet.drawNumber) {
        layout.drawNumber = {memberNameRect(0).left, layout.extent.height - kFootTextHeight / 2, 0,
                             kFootTextHeight};
        layout.extent.height += kFootHeight;
    }
    layout.extent.width = std::max(layout.extent.width, widening.leastWidth);
    layout.drawNumber.width =
        layout.drawNumber.height > 0 ? layout.extent.width - layout.drawNumber.left : 0;
    if (layout.title.height > 0) layout.title.width = layout.extent.width;
    if (layout.subtitle.height > 0) layout.subtitle.width = layout.extent.width;
    return layout;
}

Rect sheetNameRect(const SheetLayout& layout, int member) {
    Rect rect = memberNameRect(member);
    rect.top += layout.headerHeight;
    return rect;
}

Rect sheetClubRect(const SheetLayout& layout, int member) {
    if (!layout.hasClubColumn()) return Rect();
    const Rect name = sheetNameRect(layout, member);
    return {layout.clubLeft, name.top, layout.clubWidth, name.height};
}

Rect seedMarkRect(const SheetLayout& layout, int member) {
    const Rect name = sheetNameRect(layout, member);
    return {name.left - kSeedMarkGap - kSeedMarkWidth, name.top, kSeedMarkWidth, name.height};
}

Rect sheetLineRect(const SheetLayout& layout, int members, int line) {
    Rect rect = lineRect(members, line);
    rect.left += layout.bracketOrigin.x;
    rect.top += layout.bracketOrigin.y;
    return rect;
}

Rect matchNumberRect(const SheetLayout& layout, int members, int line) {
    if (kindOfLine(members, line) == LineKind::Final) return Rect();
    const int upper = kindOfLine(members, line) == LineKind::Upper ? line : line - 1;
    const Rect area = sheetLineRect(layout, members, upper);
    // The pair meets at the bottom of its upper line, where the fed line's stroke runs.
    return {area.right() + kMatchNumberGap,
            area.bottom() - kMatchNumberGap / 2 - kMatchNumberHeight, kMatchNumberWidth,
            kMatchNumberHeight};
}

LineShape sheetLineShape(const Bracket& bracket, int line) {
    LineShape shape;
    const int members = bracket.memberCount();
    const LinePlace place = placeOfLine(members, line);
    if (place.round == 0) {
        shape.drawn = !isByeLine(bracket, line);
        shape.joined = !isByeLine(bracket, opponentLine(members, line));
    } else if (place.round == 1 && place.size > 1) {
        // Its feeders are the first-round lines 2p and 2p + 1.
        const int upper = 2 * place.position;
        const int lower = upper + 1;
        if (isByeLine(bracket, upper) != isByeLine(bracket, lower)) {
            const int straight = isByeLine(bracket, upper) ? lower : upper;
            shape.strokeShift =
                middle(lineRect(members, straight)) - middle(lineRect(members, line));
        }
    }
    return shape;
}

}  // namespace kaz
