#include "bracket/sheet_layout.h"

#include <algorithm>

#include "bracket/bracket.h"
#include "bracket/bracket_shape.h"
#include "bracket/sheet_marks.h"
#include "bracket/sheet_picture_plan.h"

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
// Each round's name keeps this far from its column's edges, so that neighbours never touch.
constexpr int kRoundNameInset = 2;
constexpr int kFootHeight = 12;  // added below the bracket for the draw number
constexpr int kFootTextHeight = 16;
constexpr int kSeedMarkWidth = 30;  // "[128]"
constexpr int kSeedMarkGap = 2;
constexpr int kMatchNumberWidth = 26;
constexpr int kMatchNumberHeight = 13;
constexpr int kMatchNumberGap = 4;  // from the join, and above the stroke's middle
constexpr int kNameBoxesRight = 160;
// The third place, below the bracket: its heading, then a pair of lines as high as a first
// round's, its names in the two columns before them.
constexpr int kThirdPlaceGap = 10;
constexpr int kThirdPlaceHeadingHeight = 14;
// Right above the upper line, outside it: the window's line widget covers the line's area.
constexpr int kThirdPlaceHeadingTop = -kThirdPlaceHeadingHeight;
constexpr int kThirdPlaceLineHeight = 34;
constexpr int kThirdPlaceNameWidth = 140;
constexpr int kThirdPlaceNameHeight = 20;
constexpr int kThirdPlaceResultWidth = 200;
constexpr int kThirdPlaceResultHeight = 20;

// The two-sided middle: the final's lines reach from just above their strokes to below their
// scores; the champion's line stands above them, up to the champion's name.
constexpr int kFinalAboveStroke = 2;  // the top of the stroke's four pixels
constexpr int kFinalBelowStroke = 35;
constexpr int kChampionStem = 14;
constexpr int kChampionNameHeight = 20;
constexpr int kChampionNameGap = 3;

int middle(const Rect& rect) { return rect.top + rect.height / 2; }

Rect mirrored(const Rect& rect, int centre) {
    return {2 * centre - rect.right(), rect.top, rect.width, rect.height};
}

// The first line of round `round` of a bracket of `members` members.
int firstLineOfRound(int members, int round) { return 2 * members - ((2 * members) >> round); }

// Where a two-sided bracket's middle lies in the bracket's own pixels: the left half is laid out
// as a one-sided bracket of half the members, whose final line is the left finalist's.
struct TwoSidedMiddle {
    Rect halfFinal;  // the left half's own final line, as a one-sided half lays it out
    int centre = 0;  // the right edge of that line
    int stroke = 0;  // the y of the final's strokes
};

TwoSidedMiddle twoSidedMiddle(int members) {
    TwoSidedMiddle m;
    const int half = members / 2;
    m.halfFinal = lineRect(half, lineCountForMembers(half) - 1, memberPitch(members));
    m.centre = m.halfFinal.right();
    m.stroke = middle(m.halfFinal);
    return m;
}

// How high the champion's line of a two-sided bracket rises above the final's strokes. From 8
// members on the champion's name stands above the semi-finalists' lines and the numbers over
// them, where the columns of both semi-finals are free, and the line rises to it; with 4 there
// is no room above the first round, and the name stands between the first round's joins.
int championStem(int members) {
    const TwoSidedMiddle m = twoSidedMiddle(members);
    const int rounds = roundsForMembers(members);
    if (rounds < 4) return kChampionStem;
    const int half = members / 2;
    const Rect semiFinalist =
        lineRect(half, firstLineOfRound(half, rounds - 3), memberPitch(members));
    // The line reaches as high as the numbers of the matches that feed the semi-finalists.
    const int top = middle(semiFinalist) - kMatchNumberGap / 2 - kMatchNumberHeight;
    return std::max(kChampionStem, m.stroke - kFinalAboveStroke - top);
}

// The width of the champion's name on a two-sided sheet: the final's two columns, and from 8
// members on the semi-finalists' two besides.
int championBandWidth(int members) { return (roundsForMembers(members) < 4 ? 2 : 4) * kRoundWidth; }

// Line `line`'s area of a two-sided bracket in the bracket's own pixels (before the sheet
// moves it).
Rect twoSidedLineRect(int members, int line) {
    const LinePlace place = placeOfLine(members, line);
    const TwoSidedMiddle m = twoSidedMiddle(members);
    const int rounds = roundsForMembers(members);
    if (place.round == rounds - 1) {
        const int stem = championStem(members);
        return {m.centre - m.halfFinal.width / 2, m.stroke - kFinalAboveStroke - stem,
                m.halfFinal.width, stem};
    }
    const bool right = place.position >= place.size / 2;
    Rect rect;
    if (place.round == rounds - 2) {
        rect = {m.halfFinal.left, m.stroke - kFinalAboveStroke, m.halfFinal.width,
                kFinalAboveStroke + kFinalBelowStroke};
    } else {
        const int position = right ? place.position - place.size / 2 : place.position;
        rect = lineRect(members / 2, firstLineOfRound(members / 2, place.round) + position,
                        memberPitch(members));
    }
    return right ? mirrored(rect, m.centre) : rect;
}

// The third place below the final, its lines in the final's column and its names in the two
// columns before; the sheet grows down by it. Its heading stands beside what it names: above
// the upper line's stroke, or for two third places right of their names.
ThirdPlaceLayout layoutThirdPlace(const SheetLayout& layout, int members, ThirdPlace thirdPlace) {
    ThirdPlaceLayout place;
    if (thirdPlace == ThirdPlace::None) return place;
    // The final's pair is the last but one and the one before; the champion's line is the last.
    Rect finalLine = sheetLineRect(layout, members, lineCountForMembers(members) - 3);
    // Two-sided, the third place stands in the middle, centred under the final.
    if (layout.twoSided) finalLine.left = layout.centre - finalLine.width / 2;
    const int linesTop = layout.extent.height + kThirdPlaceGap;
    const int namesLeft = finalLine.left - kThirdPlaceNameWidth;
    for (int side = 0; side < 2; ++side) {
        const Rect line{finalLine.left, linesTop + side * kThirdPlaceLineHeight, finalLine.width,
                        kThirdPlaceLineHeight};
        place.names[size_t(side)] = {namesLeft, middle(line) - kThirdPlaceNameHeight / 2,
                                     kThirdPlaceNameWidth, kThirdPlaceNameHeight};
        if (thirdPlace == ThirdPlace::Match) place.lines[size_t(side)] = line;
    }
    const int join = linesTop + kThirdPlaceLineHeight;
    if (thirdPlace == ThirdPlace::Match) {
        place.heading = {finalLine.left, linesTop + kThirdPlaceHeadingTop, finalLine.width,
                         kThirdPlaceHeadingHeight};
        place.result = {finalLine.right() + 5, join - kThirdPlaceResultHeight / 2,
                        kThirdPlaceResultWidth, kThirdPlaceResultHeight};
    } else {
        place.heading = {finalLine.left, join - kThirdPlaceHeadingHeight / 2, finalLine.width,
                         kThirdPlaceHeadingHeight};
    }
    return place;
}

}  // namespace

bool isSheetShown(const Bracket& bracket) { return usesSheet(bracket); }

SheetLayout layoutSheet(const Bracket& bracket, const SheetWidening& widening) {
    const SheetInfo& sheet = bracket.sheet();
    const int members = bracket.memberCount();
    Size bare = bracketExtent(members);
    SheetLayout layout;
    layout.members = members;
    layout.twoSided = sheet.twoSided && members >= 4;
    if (layout.twoSided) {
        // As high as a bracket of half the members; as wide as the mirror of its left half.
        bare = {2 * twoSidedMiddle(members).centre,
                bracketExtent(members / 2, memberPitch(members)).height};
    }
    layout.clubLeft = kNameBoxesRight + widening.nameColumn;
    layout.bracketOrigin = {widening.nameColumn, 0};
    layout.extent = {bare.width + widening.nameColumn, bare.height};
    if (!isSheetShown(bracket)) return layout;

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

    if (widening.clubsOnly ? hasClubs(bracket) : showsClubColumn(bracket)) {
        layout.clubWidth = kClubBoxWidth + widening.clubColumn;
    }
    layout.bracketOrigin = {widening.nameColumn + layout.clubWidth, layout.headerHeight};
    if (layout.twoSided) {
        layout.centre = twoSidedMiddle(members).centre + layout.bracketOrigin.x;
        const int band = championBandWidth(members);
        const Rect stem = sheetLineRect(layout, members, lineCountForMembers(members) - 1);
        layout.champion = {layout.centre - band / 2,
                           stem.top - kChampionNameGap - kChampionNameHeight, band,
                           kChampionNameHeight};
    }

    const int rounds = roundsForMembers(members);
    for (int round = 0; round < rounds; ++round) {
        const Rect line = sheetLineRect(layout, members, firstLineOfRound(members, round));
        Rect name{line.left + kRoundNameInset, titleBlock + kRoundRowTop,
                  line.width - 2 * kRoundNameInset, kRoundRowHeight};
        Rect copy;
        if (layout.twoSided && round >= rounds - 2) {
            // The final's name over the middle; the champion's column has none.
            name = round == rounds - 2
                       ? Rect{layout.centre - kRoundWidth + kRoundNameInset, name.top,
                              2 * (kRoundWidth - kRoundNameInset), kRoundRowHeight}
                       : Rect();
        } else if (layout.twoSided) {
            copy = mirrored(name, layout.centre);
        }
        layout.roundNames.push_back(name);
        layout.mirroredRoundNames.push_back(copy);
    }

    layout.extent = {bare.width + (layout.twoSided ? 2 : 1) * layout.bracketOrigin.x,
                     bare.height + layout.headerHeight};
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

bool isOnRightSide(const SheetLayout& layout, int member) {
    return layout.twoSided && member >= layout.members / 2;
}

bool isLineOnRightSide(const SheetLayout& layout, int line) {
    if (!layout.twoSided) return false;
    const LinePlace place = placeOfLine(layout.members, line);
    return place.size > 1 && place.position >= place.size / 2;
}

Rect sheetNameRect(const SheetLayout& layout, int member) {
    const bool right = isOnRightSide(layout, member);
    Rect rect =
        memberNameRect(right ? member - layout.members / 2 : member, memberPitch(layout.members));
    rect.top += layout.headerHeight;
    return right ? mirrored(rect, layout.centre) : rect;
}

Rect sheetClubRect(const SheetLayout& layout, int member) {
    if (!layout.hasClubColumn()) return Rect();
    const Rect name = sheetNameRect(layout, member);
    const Rect left{layout.clubLeft, name.top, layout.clubWidth, name.height};
    return isOnRightSide(layout, member) ? mirrored(left, layout.centre) : left;
}

Rect seedMarkRect(const SheetLayout& layout, int member) {
    const Rect name = sheetNameRect(layout, member);
    if (isOnRightSide(layout, member)) {
        return {name.right() + kSeedMarkGap, name.top, kSeedMarkWidth, name.height};
    }
    return {name.left - kSeedMarkGap - kSeedMarkWidth, name.top, kSeedMarkWidth, name.height};
}

Rect sheetLineRect(const SheetLayout& layout, int members, int line) {
    Rect rect = layout.twoSided ? twoSidedLineRect(members, line) : lineRect(members, line);
    rect.left += layout.bracketOrigin.x;
    rect.top += layout.bracketOrigin.y;
    return rect;
}

Rect matchNumberRect(const SheetLayout& layout, int members, int line) {
    if (kindOfLine(members, line) == LineKind::Final) return Rect();
    const int upper = kindOfLine(members, line) == LineKind::Upper ? line : line - 1;
    const Rect area = sheetLineRect(layout, members, upper);
    if (layout.twoSided) {
        const int rounds = roundsForMembers(members);
        const int round = placeOfLine(members, upper).round;
        if (round == rounds - 2) {
            // The final's: right of the champion's line, within it.
            const Rect stem = sheetLineRect(layout, members, lineCountForMembers(members) - 1);
            return {layout.centre + kMatchNumberGap, stem.bottom() - kMatchNumberHeight,
                    kMatchNumberWidth, kMatchNumberHeight};
        }
        if (round == rounds - 3) {
            // A final's line reaches only just above its stroke: the number goes below it.
            const Rect fed = sheetLineRect(layout, members, nextRoundLine(members, upper));
            const int left = isLineOnRightSide(layout, upper)
                                 ? area.left - kMatchNumberGap - kMatchNumberWidth
                                 : area.right() + kMatchNumberGap;
            return {left, fed.top + kFinalAboveStroke + kMatchNumberGap, kMatchNumberWidth,
                    kMatchNumberHeight};
        }
    }
    // The pair meets at the bottom of its upper line, where the fed line's stroke runs.
    const Rect number{area.right() + kMatchNumberGap,
                      area.bottom() - kMatchNumberGap / 2 - kMatchNumberHeight, kMatchNumberWidth,
                      kMatchNumberHeight};
    if (!isLineOnRightSide(layout, upper)) return number;
    return {area.left - kMatchNumberGap - kMatchNumberWidth, number.top, number.width,
            number.height};
}

Rect thirdPlaceNumberRect(const SheetLayout& layout) {
    const ThirdPlaceLayout& place = layout.thirdPlace;
    if (place.result.height <= 0) return Rect();
    return {place.lines[0].right() + kMatchNumberGap, place.result.top - kMatchNumberHeight,
            kMatchNumberWidth, kMatchNumberHeight};
}

LineShape sheetLineShape(const Bracket& bracket, int line) {
    LineShape shape;
    const int members = bracket.memberCount();
    const LinePlace place = placeOfLine(members, line);
    const bool twoSided = bracket.sheet().twoSided && members >= 4;
    const int rounds = roundsForMembers(members);
    auto area = [&](int of) {
        return twoSided ? twoSidedLineRect(members, of) : lineRect(members, of);
    };
    if (twoSided) {
        shape.mirrored = place.size > 1 && place.position >= place.size / 2;
        if (place.round == rounds - 1) {
            shape.upright = true;
            return shape;
        }
        if (place.round == rounds - 2) {
            // The finalists' strokes meet at the centre line, at the final's own height: a bye
            // before them does not move them, its opponent's line joins as any other.
            shape.joined = false;
            shape.scoreBelow = true;
            shape.strokeShift = twoSidedMiddle(members).stroke - middle(area(line));
            return shape;
        }
    }
    const bool straightRuns = !twoSided || rounds - 2 > 1;
    if (place.round == 0) {
        shape.drawn = !isByeLine(bracket, line);
        shape.joined = !straightRuns || !isByeLine(bracket, opponentLine(members, line));
    } else if (place.round == 1 && place.size > 1) {
        // Its feeders are the first-round lines 2p and 2p + 1.
        const int upper = 2 * place.position;
        const int lower = upper + 1;
        if (isByeLine(bracket, upper) != isByeLine(bracket, lower)) {
            const int straight = isByeLine(bracket, upper) ? lower : upper;
            shape.strokeShift = middle(area(straight)) - middle(area(line));
        }
    }
    return shape;
}

}  // namespace kaz
