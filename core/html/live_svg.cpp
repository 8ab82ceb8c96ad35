#include <algorithm>
#include <vector>

#include "bracket/bracket_geometry.h"
#include "bracket/cleared_results.h"
#include "bracket/line_style.h"
#include "bracket/round_names.h"
#include "bracket/sheet_layout.h"
#include "bracket/sheet_marks.h"
#include "bracket/sheet_picture_plan.h"
#include "bracket/sheet_words.h"
#include "bracket/third_place.h"
#include "html/live_parts.h"
#include "text/document_text.h"

namespace kaz::live {
namespace {

// Font sizes in CSS pixels, as the page's style sets them per class (no text under 12, so that
// the chart reads on a phone at its natural size).
constexpr int kNamePixels = 13;
constexpr int kClubPixels = 12;
constexpr int kTitlePixels = 18;
constexpr int kSubtitlePixels = 14;
constexpr int kSmallPixels = 12;  // round names, seed marks, match numbers, scores, the foot
constexpr int kChampionPixels = 15;
// Where a name starts in its box; how far into its column a club starts (ends, mirrored), so
// that the club stands apart from the name.
constexpr int kNameMargin = kPageNameMargin;
constexpr int kClubGap = kPageClubGap;
// The least room between two round names: each is drawn at most its column's width less this.
constexpr int kRoundNameGap = 8;
// The most characters of a name the chart draws.
constexpr size_t kMostCharacters = 64;

enum class Anchor { Start, Middle, End };

struct Chart {
    PageBuffer& out;
    const Bracket& bracket;
    SheetPicturePlan plan;
    const SheetLayout& layout = plan.layout;
};

int pixelsWide(const std::string& utf8, int pixels) {
    return (estimatedWidth(utf8) * pixels + 99) / 100;
}

void appendRect(PageBuffer& out, const char* cls, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    out += "<rect class=\"";
    out += cls;
    out += "\" x=\"";
    html::appendInt(out, x);
    out += "\" y=\"";
    html::appendInt(out, y);
    out += "\" width=\"";
    html::appendInt(out, width);
    out += "\" height=\"";
    html::appendInt(out, height);
    out += "\"/>";
}

// The start of a text element, its middle at `y`; with `length` > 0 it is drawn that wide,
// whatever the font.
void openText(PageBuffer& out, const char* cls, Anchor anchor, int x, int y, int length) {
    out += "<text class=\"";
    out += cls;
    out += anchor == Anchor::End ? " e" : anchor == Anchor::Middle ? " m" : "";
    out += "\" x=\"";
    html::appendInt(out, x);
    out += "\" y=\"";
    html::appendInt(out, y);
    if (length > 0) {
        out += "\" textLength=\"";
        html::appendInt(out, length);
        out += "\" lengthAdjust=\"spacingAndGlyphs";
    }
    out += "\">";
}

// The length a text `wide` pixels wide is condensed to in `room`: 0 where it fits.
int condensed(int wide, int room) { return room > 0 && wide > room ? room : 0; }

// One text (UTF-8), its middle at `y`, condensed to `room` pixels where it would be wider.
void appendTextAt(PageBuffer& out, const char* cls, Anchor anchor, int x, int y,
                  const std::string& utf8, int pixels, int room) {
    if (utf8.empty()) return;
    openText(out, cls, anchor, x, y, condensed(pixelsWide(utf8, pixels), room));
    appendText(out, utf8);
    out += "</text>";
}

// A text in `rect`, vertically centred.
void appendTextIn(PageBuffer& out, const char* cls, Anchor anchor, const Rect& rect,
                  const std::string& utf8, int pixels) {
    if (rect.width <= 0) return;
    const int x = anchor == Anchor::Start    ? rect.left
                  : anchor == Anchor::Middle ? rect.left + rect.width / 2
                                             : rect.right();
    appendTextAt(out, cls, anchor, x, rect.top + rect.height / 2, utf8, pixels, rect.width);
}

const char* colorClass(LineColor color) { return color == LineColor::Win ? "w" : "l"; }

// A line as the pictures draw it, in `colors`: its stroke across its area, its share of the
// pair's join at the edge it joins on, and its score beside the stroke.
void appendLine(PageBuffer& out, const Rect& area, const LineColors& colors,
                const std::string& score, LineKind kind, const LineShape& shape) {
    if (!shape.drawn) return;
    const char* stroke = colorClass(colors.stroke);
    if (shape.upright) {
        appendRect(out, stroke, area.left + area.width / 2 - kStrokeWidth / 2, area.top,
                   kStrokeWidth, area.height);
        return;
    }
    const int middle = area.top + area.height / 2 + shape.strokeShift;
    appendRect(out, stroke, area.left, middle - kStrokeWidth / 2, area.width, kStrokeWidth);
    if (shape.joined && kind != LineKind::Final) {
        const int x = shape.mirrored ? area.left : area.right() - kJoinShare;
        if (kind == LineKind::Upper) {
            appendRect(out, colorClass(colors.join), x, middle + 1, kJoinShare,
                       area.bottom() - middle - 1);
        } else {
            appendRect(out, colorClass(colors.join), x, area.top, kJoinShare,
                       middle - 2 - area.top);
        }
    }
    if (kind == LineKind::Final || score.empty()) return;
    const LineKind side = shape.scoreBelow ? LineKind::Upper : kind;
    const int top = std::clamp(area.top + scoreTop(side, area.height) + shape.strokeShift, area.top,
                               std::max(area.top, area.bottom() - kSmallPixels - 2));
    const int y = top + kSmallPixels / 2 + 1;
    const std::string text = shownText(score);
    const int room = area.width - kScoreGap;
    if (shape.mirrored) {
        appendTextAt(out, "s", Anchor::Start, area.left + kScoreGap, y, text, kSmallPixels, room);
    } else {
        appendTextAt(out, "s", Anchor::End, area.right() - kScoreGap, y, text, kSmallPixels, room);
    }
}

// How wide member `member`'s seed mark and the space beside it are drawn; 0 without a seed.
int seedMarkPixels(const Bracket& bracket, int member) {
    const int seed = bracket.memberSeed(member);
    return seed > 0 ? pixelsWide(seedMark(seed) + " ", kSmallPixels) : 0;
}

// A name with its seed mark beside it, on its outer side: the mark before a name aligned to its
// right end, after a name of the right edge. One text, so that the mark keeps to the name
// whatever the font makes of its width.
void appendMarkedName(Chart& chart, Anchor anchor, int x, int y, const std::string& name,
                      int member, int room) {
    const int seed = chart.bracket.memberSeed(member);
    const int wide = pixelsWide(name, kNamePixels) + seedMarkPixels(chart.bracket, member);
    openText(chart.out, "n", anchor, x, y, condensed(wide, room));
    const auto mark = [&] {
        chart.out += "<tspan class=\"x\">";
        chart.out += seedMark(seed);
        chart.out += "</tspan>";
    };
    if (anchor == Anchor::End) {
        mark();
        chart.out += ' ';
    }
    appendText(chart.out, name);
    if (anchor != Anchor::End) {
        chart.out += ' ';
        mark();
    }
    chart.out += "</text>";
}

void appendNames(Chart& chart, const std::vector<std::string>& names,
                 const std::vector<std::string>& clubs) {
    const SheetLayout& layout = chart.layout;
    const int nameExtra = chart.plan.names.extraWidth;
    const bool widened = chart.plan.names.widened();
    for (int member = 0; member < chart.bracket.memberCount(); ++member) {
        const bool right = isOnRightSide(layout, member);
        Rect box = sheetNameRect(layout, member);
        if (right) box.left -= nameExtra;
        box.width += nameExtra;
        const int room = chart.plan.names.room;
        const int y = box.top + box.height / 2;
        const std::string& name = names[size_t(member)];
        const int seed = chart.bracket.memberSeed(member);
        // A short name of the left edge starts at its box, its mark in the margin before it.
        const bool markInMargin = !widened && !right;
        if (seed > 0 && markInMargin) {
            appendTextIn(chart.out, "x", Anchor::End, seedMarkRect(layout, member), seedMark(seed),
                         kSmallPixels);
        }
        const Anchor anchor = widened && !right ? Anchor::End : Anchor::Start;
        const int x = anchor == Anchor::End ? box.right() - kInkGap : box.left + kNameMargin;
        if (seed > 0 && !markInMargin) {
            appendMarkedName(chart, anchor, x, y, name, member, room);
        } else {
            appendTextAt(chart.out, "n", anchor, x, y, name, kNamePixels, room);
        }
        if (layout.hasClubColumn()) {
            const Rect club = sheetClubRect(layout, member);
            const int clubRoom = chart.plan.clubs.room;
            if (right) {
                appendTextAt(chart.out, "k", Anchor::End, club.right() - kClubGap, y,
                             clubs[size_t(member)], kClubPixels, clubRoom);
            } else {
                appendTextAt(chart.out, "k", Anchor::Start, club.left + kClubGap, y,
                             clubs[size_t(member)], kClubPixels, clubRoom);
            }
        }
    }
}

// A round's name centred over its column, never wider than the column less a gap, so that
// neighbouring names never meet: drawn exactly as wide as estimated, or condensed.
void appendRoundName(PageBuffer& out, const Rect& column, const std::string& utf8) {
    const int room = column.width - kRoundNameGap;
    if (utf8.empty() || room <= 0) return;
    openText(out, "x", Anchor::Middle, column.left + column.width / 2,
             column.top + column.height / 2, std::min(pixelsWide(utf8, kSmallPixels), room));
    appendText(out, utf8);
    out += "</text>";
}

void appendHeader(Chart& chart, const std::string& title, const std::string& subtitle) {
    const SheetLayout& layout = chart.layout;
    appendTextIn(chart.out, "t", Anchor::Middle, layout.title, title, kTitlePixels);
    appendTextIn(chart.out, "st", Anchor::Middle, layout.subtitle, subtitle, kSubtitlePixels);
    for (size_t round = 0; round < layout.roundNames.size(); ++round) {
        const std::string name = shownText(sheetRoundName(chart.bracket, int(round)));
        appendRoundName(chart.out, layout.roundNames[round], name);
        if (round < layout.mirroredRoundNames.size()) {
            appendRoundName(chart.out, layout.mirroredRoundNames[round], name);
        }
    }
}

void appendMatchNumbers(Chart& chart) {
    const Bracket& bracket = chart.bracket;
    if (!bracket.sheet().matchNumbers) return;
    const int members = bracket.memberCount();
    const std::vector<int> numbers = matchNumbersByLine(bracket);
    for (int line = 0; line < bracket.lineCount(); ++line) {
        if (bracket.lineKind(line) != LineKind::Upper) continue;
        const int number = numbers[size_t(nextRoundLine(members, line))];
        if (number == 0) continue;
        appendTextIn(
            chart.out, "x", isLineOnRightSide(chart.layout, line) ? Anchor::End : Anchor::Start,
            matchNumberRect(chart.layout, members, line), std::to_string(number), kSmallPixels);
    }
}

void appendChampion(Chart& chart) {
    const Bracket& bracket = chart.bracket;
    if (bracket.champion().empty()) return;
    const std::string name = shortened(shownText(bracket.champion()), kMostCharacters);
    const SheetLayout& layout = chart.layout;
    if (layout.twoSided) {
        const Rect& band = layout.champion;
        appendTextAt(chart.out, "ch", Anchor::Middle, band.left + band.width / 2,
                     band.bottom() - kChampionPixels / 2 - 1, name, kChampionPixels, band.width);
        return;
    }
    const Point at = championPosition(bracket.memberCount());
    const int x = at.x + layout.bracketOrigin.x;
    appendTextAt(chart.out, "ch", Anchor::Start, x,
                 at.y + layout.bracketOrigin.y + kChampionPixels / 2 + 2, name, kChampionPixels,
                 layout.extent.width - x - kNameMargin);
}

void appendThirdPlace(Chart& chart, const std::vector<std::string>& names) {
    const Bracket& bracket = chart.bracket;
    const ThirdPlaceLayout& place = chart.layout.thirdPlace;
    if (!place.shown()) return;
    const bool match = bracket.sheet().thirdPlace == ThirdPlace::Match;
    const int winner = thirdPlaceWinner(bracket);
    const bool decided = winner >= 0;
    if (match && bracket.sheet().matchNumbers) {
        appendTextIn(chart.out, "x", Anchor::Start, thirdPlaceNumberRect(chart.layout),
                     std::to_string(thirdPlaceMatchNumber(bracket)), kSmallPixels);
    }
    const SheetWords& words = sheetWords(bracket.sheet().language);
    appendTextIn(chart.out, "x", Anchor::Start, place.heading,
                 match ? words.thirdPlaceMatch : words.thirdPlace, kSmallPixels);
    for (int side = 0; side < kThirdPlaceSides; ++side) {
        const int member = thirdPlaceMember(bracket, side);
        if (member >= 0) {
            Rect box = place.names[size_t(side)];
            box.width -= kThirdPlaceNameGap;
            appendTextIn(chart.out, "n", Anchor::End, box, names[size_t(member)], kNamePixels);
        }
        if (match) {
            appendLine(chart.out, place.lines[size_t(side)], thirdPlaceLineColors(bracket, side),
                       bracket.thirdPlaceResult(side).score,
                       side == 0 ? LineKind::Upper : LineKind::Lower, LineShape());
        }
    }
    if (decided) {
        Rect result = place.result;
        result.width = std::min(result.width, chart.layout.extent.width - result.left);
        appendTextIn(chart.out, "ch", Anchor::Start, result,
                     std::string(words.thirdPlace) + " " + names[size_t(winner)], kChampionPixels);
    }
}

std::string titleText(const Bracket& bracket) { return shownText(bracket.sheet().title); }

// How wide the chart draws the texts of `bracket`'s sheet: an estimate, the page cannot
// measure the browser's fonts. A name's width takes in its seed mark, drawn inside its text
// where the column is widened; a title is condensed into any room (textLength).
class PageMeasure : public TextMeasure {
public:
    PageMeasure(const Bracket& bracket, const std::vector<std::string>& names,
                const std::vector<std::string>& clubs, const std::string& title,
                const std::string& subtitle)
        : m_bracket(bracket),
          m_names(names),
          m_clubs(clubs),
          m_title(pixelsWide(title, kTitlePixels)),
          m_subtitle(pixelsWide(subtitle, kSubtitlePixels)) {}

    MeasuredText name(int member) const override {
        return {
            pixelsWide(m_names[size_t(member)], kNamePixels) + seedMarkPixels(m_bracket, member),
            false};
    }
    MeasuredText club(int member) const override {
        return {pixelsWide(m_clubs[size_t(member)], kClubPixels), false};
    }
    int title(int room) const override { return std::min(m_title, room); }
    int subtitle(int room) const override { return std::min(m_subtitle, room); }

private:
    const Bracket& m_bracket;
    const std::vector<std::string>& m_names;
    const std::vector<std::string>& m_clubs;
    int m_title;
    int m_subtitle;
};

}  // namespace

void writeLiveChart(PageBuffer& out, const Bracket& bracket) {
    const int members = bracket.memberCount();
    const SheetInfo& sheet = bracket.sheet();
    std::vector<std::string> names(static_cast<size_t>(members));
    std::vector<std::string> clubs(static_cast<size_t>(members));
    for (int member = 0; member < members; ++member) {
        const size_t m = size_t(member);
        names[m] = shortened(shownText(bracket.memberName(member)), kMostCharacters);
        clubs[m] = shownText(bracket.memberClub(member));
    }
    const bool sheetShown = isSheetShown(bracket);
    const std::string title = sheetShown ? titleText(bracket) : std::string();
    const std::string subtitle = sheetShown ? shownText(sheet.subtitle) : std::string();
    const PageMeasure measure(bracket, names, clubs, title, subtitle);
    Chart chart{out, bracket, planSheetPicture(bracket, measure, estimatedPictureStyle())};
    const SheetLayout& layout = chart.layout;
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"c\" width=\"";
    html::appendInt(out, layout.extent.width);
    out += "\" height=\"";
    html::appendInt(out, layout.extent.height);
    out += "\" viewBox=\"0 0 ";
    html::appendInt(out, layout.extent.width);
    out += ' ';
    html::appendInt(out, layout.extent.height);
    out += "\" role=\"img\" aria-label=\"";
    out += std::string_view(sheetWords(sheet.language).chartLabel);
    out += "\">\n";
    appendRect(out, "bg", 0, 0, layout.extent.width, layout.extent.height);
    appendHeader(chart, title, subtitle);
    appendNames(chart, names, clubs);
    out += '\n';
    for (int line = 0; line < bracket.lineCount(); ++line) {
        appendLine(out, sheetLineRect(layout, members, line), lineColors(bracket, line),
                   bracket.lineScore(line), bracket.lineKind(line), sheetLineShape(bracket, line));
    }
    out += '\n';
    appendMatchNumbers(chart);
    appendChampion(chart);
    appendThirdPlace(chart, names);
    if (sheetShown && sheet.drawNumber) {
        appendTextIn(out, "x", Anchor::Start, layout.drawNumber,
                     shownText(drawNumberText(*sheet.drawNumber, sheet.language)), kSmallPixels);
    }
    out += "</svg>";
}

}  // namespace kaz::live
