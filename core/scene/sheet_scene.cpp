#include "scene/sheet_scene.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "bracket/bracket.h"
#include "bracket/bracket_geometry.h"
#include "bracket/cleared_results.h"
#include "bracket/document_change.h"
#include "bracket/line_style.h"
#include "bracket/round_names.h"
#include "bracket/sheet_layout.h"
#include "bracket/sheet_marks.h"
#include "bracket/sheet_words.h"
#include "bracket/third_place.h"
#include "scene/text_fit.h"

namespace kaz {

SheetTexts::SheetTexts(const Bracket& bracket, const TextMetrics& metrics, bool columns)
    : m_metrics(metrics) {
    const int members = columns ? bracket.memberCount() : 0;
    m_names.reserve(size_t(members));
    m_clubs.reserve(size_t(members));
    for (int member = 0; member < members; ++member) {
        m_names.push_back(column(TextRole::Name, bracket.memberName(member)));
        m_clubs.push_back(column(TextRole::Club, bracket.memberClub(member)));
    }
    if (!isSheetShown(bracket)) return;
    m_title = laidOutText(bracket.sheet().title);
    m_subtitle = laidOutText(bracket.sheet().subtitle);
}

SheetTexts::Column SheetTexts::column(TextRole role, const std::string& documentText) const {
    Column laidOut;
    laidOut.text = laidOutText(documentText, &laidOut.cut);
    if (!laidOut.text.empty()) laidOut.width = m_metrics.run(role, laidOut.text, 100).width;
    return laidOut;
}

MeasuredText SheetTexts::name(int member) const { return {nameWidth(member), nameCut(member)}; }

MeasuredText SheetTexts::club(int member) const { return {clubWidth(member), clubCut(member)}; }

int SheetTexts::condensed(TextRole role, const std::string& text, int room) const {
    if (text.empty()) return 0;
    return m_metrics.run(role, text, fittingStretch(m_metrics, role, text, room)).width;
}

int SheetTexts::title(int room) const { return condensed(TextRole::Title, m_title, room); }
int SheetTexts::subtitle(int room) const { return condensed(TextRole::Subtitle, m_subtitle, room); }

SheetPicturePlan planScene(const Bracket& bracket, const SheetTexts& texts,
                           const SceneStyle& style) {
    return planSheetPicture(bracket, texts, style.columns);
}

namespace {

// The least a round's name is condensed to; a name still too wide goes on more lines.
constexpr int kLeastRoundStretch = 70;

Ink lineInk(LineColor color) { return color == LineColor::Win ? Ink::Win : Ink::Lose; }

SceneTag lineTag(int line) { return {SceneTag::Kind::Line, line}; }
SceneTag memberTag(int member) { return {SceneTag::Kind::MemberBox, member}; }
SceneTag sideTag(int side) { return {SceneTag::Kind::ThirdPlaceSide, side}; }

class Builder {
public:
    Builder(const Bracket& bracket, const SheetPicturePlan& plan, const SheetTexts& texts,
            const TextMetrics& metrics, const SceneStyle& style)
        : m_bracket(bracket),
          m_plan(plan),
          m_layout(plan.layout),
          m_texts(texts),
          m_metrics(metrics),
          m_style(style) {}

    Scene build();

private:
    SceneItem& fill(const Rect& rect, Ink ink, SceneTag tag = {}, uint8_t reach = ReachNone) {
        // Made in place: most of a scene's items are fills.
        SceneItem& item = m_scene.items.emplace_back();
        item.rect = rect;
        item.ink = ink;
        item.tag = tag;
        item.reach = reach;
        return item;
    }
    SceneItem made(FittedText fit, TextRole role, const Rect& rect, Anchor anchor, Ink ink,
                   SceneTag tag) const {
        SceneItem item;
        item.kind = SceneItem::Kind::Text;
        item.ink = ink;
        item.rect = rect;
        item.tag = tag;
        item.role = role;
        item.anchor = anchor;
        item.text = std::move(fit.text);
        item.stretch = fit.stretch;
        item.width = fit.width;
        item.face = m_style.face(role);
        return item;
    }
    // A text as it stands, not fitted.
    SceneItem& text(std::string utf8, TextRole role, const Rect& rect, Anchor anchor,
                    Ink ink = Ink::Member, SceneTag tag = {}) {
        const int width = m_metrics.run(role, utf8, 100).width;
        m_scene.items.push_back(made({std::move(utf8), 100, width}, role, rect, anchor, ink, tag));
        return m_scene.items.back();
    }
    // A text measured `fullWidth` wide, fitted into `room` by the one rule.
    SceneItem fittedItem(std::string utf8, int fullWidth, TextRole role, const Rect& rect,
                         Anchor anchor, int room, Ink ink, SceneTag tag, bool cut) const {
        SceneItem item =
            made(fitMeasuredText(m_metrics, role, std::move(utf8), fullWidth, room, cut), role,
                 rect, anchor, ink, tag);
        item.room = room;
        return item;
    }
    SceneItem& fitted(std::string utf8, TextRole role, const Rect& rect, Anchor anchor, int room,
                      Ink ink = Ink::Member, SceneTag tag = {}) {
        const int fullWidth = m_metrics.run(role, utf8, 100).width;
        m_scene.items.push_back(
            fittedItem(std::move(utf8), fullWidth, role, rect, anchor, room, ink, tag, false));
        return m_scene.items.back();
    }

    void header();
    void roundNames();
    void clubs();
    std::vector<SceneItem> names() const;
    void seedMarks(std::vector<SceneItem>& names);
    void matchNumbers();
    void thirdPlace();
    void lines();
    void champion();

    enum class Part { Stroke, Score, Join };
    void line(const Rect& area, const LineColors& colors, const std::string& score, LineKind kind,
              const LineShape& shape, SceneTag tag, Part part);

    const Bracket& m_bracket;
    const SheetPicturePlan& m_plan;
    const SheetLayout& m_layout;
    const SheetTexts& m_texts;
    const TextMetrics& m_metrics;
    const SceneStyle& m_style;
    Scene m_scene;
};

Scene Builder::build() {
    m_scene.extent = m_layout.extent;
    // At most a stroke, a score, a join's share and a match number a line, and a name, a club
    // and a seed mark a member, besides the sheet's few: the items are never moved.
    m_scene.items.reserve(size_t(4 * m_bracket.lineCount() + 3 * m_bracket.memberCount() + 64));
    fill({0, 0, m_layout.extent.width, m_layout.extent.height}, Ink::Background);
    // The names are fitted first: the seed marks stand by them as drawn.
    std::vector<SceneItem> drawnNames = m_style.screen ? std::vector<SceneItem>() : names();
    if (isSheetShown(m_bracket)) {
        header();
        roundNames();
        clubs();
        seedMarks(drawnNames);
        matchNumbers();
        const SheetInfo& info = m_bracket.sheet();
        if (info.drawNumber) {
            text(laidOutText(drawNumberText(*info.drawNumber, info.language)), TextRole::DrawNumber,
                 m_layout.drawNumber, Anchor::Start);
        }
    }
    for (SceneItem& item : drawnNames) {
        if (!item.text.empty()) m_scene.items.push_back(std::move(item));
    }
    thirdPlace();
    lines();
    champion();
    return std::move(m_scene);
}

void Builder::header() {
    const std::string& title = m_texts.titleText();
    const std::string& subtitle = m_texts.subtitleText();
    // Condensed towards the room the plan gave them; the sheet is wide enough for them so.
    if (!title.empty()) {
        const int stretch = fittingStretch(m_metrics, TextRole::Title, title, m_plan.titleRoom);
        const int width = m_metrics.run(TextRole::Title, title, stretch).width;
        m_scene.items.push_back(made({title, stretch, width}, TextRole::Title, m_layout.title,
                                     Anchor::Middle, Ink::Member, {}));
        m_scene.items.back().room = m_plan.titleRoom;
    }
    if (!subtitle.empty()) {
        const int stretch =
            fittingStretch(m_metrics, TextRole::Subtitle, subtitle, m_plan.subtitleRoom);
        const int width = m_metrics.run(TextRole::Subtitle, subtitle, stretch).width;
        m_scene.items.push_back(made({subtitle, stretch, width}, TextRole::Subtitle,
                                     m_layout.subtitle, Anchor::Middle, Ink::Member, {}));
        m_scene.items.back().room = m_plan.subtitleRoom;
    }
}

// One rule for every round's name, typed or default: all are condensed alike, as far as the
// widest needs to fit its room (down to kLeastRoundStretch); a name still too wide there goes on
// more lines, broken at its spaces where it has them ("2回戦" over "10:30"), and then every name
// stands from the row's top, where the row has room below it before the first line.
void Builder::roundNames() {
    constexpr TextRole role = TextRole::RoundName;
    std::vector<std::pair<std::string, Rect>> names;
    for (size_t round = 0; round < m_layout.roundNames.size(); ++round) {
        const std::string name = laidOutText(sheetRoundName(m_bracket, int(round)));
        for (const auto* rects : {&m_layout.roundNames, &m_layout.mirroredRoundNames}) {
            if (round < rects->size() && (*rects)[round].width > 0) {
                Rect rect = (*rects)[round];
                // Neighbours keep the output's gap between them.
                rect.left += m_style.roundNameGap / 2;
                rect.width -= m_style.roundNameGap;
                if (rect.width > 0 && !name.empty()) names.emplace_back(name, rect);
            }
        }
    }
    int stretch = 100;
    for (const auto& [name, rect] : names) {
        stretch = std::min(stretch, fittingStretch(m_metrics, role, name, rect.width));
    }
    stretch = std::max(stretch, kLeastRoundStretch);
    bool wrapped = false;
    for (const auto& [name, rect] : names) {
        wrapped = wrapped || m_metrics.run(role, name, stretch).width > rect.width;
    }
    const int lineHeight = m_metrics.lineHeight(role);
    for (const auto& [name, rect] : names) {
        std::vector<std::string> parts;
        if (!wrapped) {
            parts.push_back(name);
        } else {
            // Broken at its spaces into lines that each fit where they can.
            size_t at = 0;
            while (at < name.size()) {
                const size_t space = std::min(name.find(' ', at), name.size());
                const std::string word = name.substr(at, space - at);
                at = space + 1;
                if (word.empty()) continue;
                const std::string longer = parts.empty() ? word : parts.back() + ' ' + word;
                if (!parts.empty() && m_metrics.run(role, longer, stretch).width <= rect.width) {
                    parts.back() = longer;
                } else {
                    parts.push_back(word);
                }
            }
        }
        for (size_t part = 0; part < parts.size(); ++part) {
            Rect place = rect;
            if (wrapped)
                place = {rect.left, rect.top + int(part) * lineHeight, rect.width, lineHeight};
            const int width = m_metrics.run(role, parts[part], stretch).width;
            SceneItem& item = m_scene.items.emplace_back(
                made({parts[part], stretch, width}, role, place, Anchor::Middle, Ink::Member, {}));
            item.room = rect.width;
            item.vertical = wrapped ? VerticalAnchor::Top : VerticalAnchor::Middle;
            item.clipToRect = !wrapped;
            // Drawn as wide as measured, so that no browser font brings neighbours together.
            item.keepsWidth = true;
        }
    }
}

void Builder::clubs() {
    if (!m_layout.hasClubColumn() || m_style.screen) return;
    const ColumnStyle& style = m_style.columns.clubs;
    const int lead = kClubBoxWidth - style.box + style.margin;
    const int inkGap = m_plan.clubs.widened() ? style.inkGap : 0;
    for (int member = 0; member < m_bracket.memberCount(); ++member) {
        const std::string& club = m_texts.clubText(member);
        if (club.empty()) continue;
        // A club stands next to its name, on the right side as on the left: away from the line.
        const Rect column = sheetClubRect(m_layout, member);
        const bool right = isOnRightSide(m_layout, member);
        const Rect rect = right ? Rect{column.left + inkGap, column.top,
                                       column.width - inkGap - lead, column.height}
                                : Rect{column.left + lead, column.top, column.width - lead - inkGap,
                                       column.height};
        SceneItem item = fittedItem(club, m_texts.clubWidth(member), TextRole::Club, rect,
                                    right ? Anchor::End : Anchor::Start, m_plan.clubs.room,
                                    Ink::Member, memberTag(member), m_texts.clubCut(member));
        item.clipToRect = true;
        m_scene.items.push_back(std::move(item));
    }
}

std::vector<SceneItem> Builder::names() const {
    const ColumnStyle& style = m_style.columns.names;
    const ColumnPlan& column = m_plan.names;
    std::vector<SceneItem> items;
    for (int member = 0; member < m_bracket.memberCount(); ++member) {
        const Rect box = sheetNameRect(m_layout, member);
        const bool right = isOnRightSide(m_layout, member);
        // On the left edge from the box's text margin to the column's end (in a widened column
        // to a little before it, the names ending near their lines); on the right edge the
        // column widens towards its lines, and holds its names from the margin next to them.
        Rect rect;
        Anchor anchor = Anchor::Start;
        if (right) {
            rect = {box.left - column.extraWidth + style.margin, box.top,
                    box.width + column.extraWidth - style.margin, box.height};
        } else {
            const int inkGap = column.widened() ? style.inkGap : 0;
            rect = {box.left + style.margin, box.top,
                    box.width + column.extraWidth - style.margin - inkGap, box.height};
            if (column.widened()) anchor = Anchor::End;
        }
        SceneItem item = fittedItem(m_texts.nameText(member), m_texts.nameWidth(member),
                                    TextRole::Name, rect, anchor, column.room, Ink::Member,
                                    memberTag(member), m_texts.nameCut(member));
        item.clipToRect = true;
        items.push_back(std::move(item));
    }
    return items;
}

// A seed's mark stands on the outer side of its name as drawn, which a widened column moves
// away from the box's edge; on screen, where the boxes show the names, in the margin before the
// box.
void Builder::seedMarks(std::vector<SceneItem>& names) {
    for (int member = 0; member < m_bracket.memberCount(); ++member) {
        const std::string mark = memberMark(m_bracket.memberMarks(member));
        if (mark.empty()) continue;
        const bool right = isOnRightSide(m_layout, member);
        Rect rect = seedMarkRect(m_layout, member);
        if (!names.empty()) {
            SceneItem& name = names[size_t(member)];
            // The output draws the name as wide as it measured it, the mark standing by it.
            name.keepsWidth = true;
            if (right) {
                rect.left = name.rect.left + name.width + m_style.seedMarkGap;
            } else {
                const int start =
                    name.anchor == Anchor::End ? name.rect.right() - name.width : name.rect.left;
                rect.left = start - m_style.seedMarkGap - rect.width;
            }
        }
        text(mark, TextRole::SeedMark, rect, right ? Anchor::Start : Anchor::End, Ink::Member,
             memberTag(member));
    }
}

void Builder::matchNumbers() {
    const int members = m_bracket.memberCount();
    if (!m_bracket.sheet().matchNumbers) return;
    // One number a pair, at its upper line, in the area of the line it feeds; a pair with a bye
    // plays no match and has none.
    const std::vector<int> numbers = matchNumbersByLine(m_bracket);
    for (int line = 0; line < m_bracket.lineCount(); ++line) {
        if (m_bracket.lineKind(line) != LineKind::Upper) continue;
        const int fed = nextRoundLine(members, line);
        const int number = numbers[size_t(fed)];
        if (number == 0) continue;
        text(std::to_string(number), TextRole::MatchNumber,
             matchNumberRect(m_layout, members, line),
             isLineOnRightSide(m_layout, line) ? Anchor::End : Anchor::Start, Ink::Member,
             lineTag(fed));
    }
    if (m_bracket.sheet().thirdPlace == ThirdPlace::Match) {
        text(std::to_string(thirdPlaceMatchNumber(m_bracket)), TextRole::MatchNumber,
             thirdPlaceNumberRect(m_layout), Anchor::Start);
    }
}

void Builder::thirdPlace() {
    const ThirdPlaceLayout& place = m_layout.thirdPlace;
    if (!place.shown()) return;
    const bool match = m_bracket.sheet().thirdPlace == ThirdPlace::Match;
    // The sheet's words, in the sheet's language whatever the editor's.
    const SheetWords& words = sheetWords(m_bracket.sheet().language);
    fitted(match ? words.thirdPlaceMatch : words.thirdPlace, TextRole::ThirdPlace, place.heading,
           Anchor::Start, place.heading.width)
        .clipToRect = true;
    for (int side = 0; side < kThirdPlaceSides; ++side) {
        const int member = thirdPlaceMember(m_bracket, side);
        Rect name = place.names[size_t(side)];
        name.width -= kThirdPlaceNameGap;
        if (member >= 0) {
            fitted(laidOutText(m_bracket.memberName(member)), TextRole::Name, name, Anchor::End,
                   name.width)
                .clipToRect = true;
        } else {
            // Before its semi-final the side's place shows empty, as a name box does.
            const int box = memberNameRect(0).width;
            fill({name.right() - box, name.top, box, name.height}, Ink::Member).kind =
                SceneItem::Kind::Frame;
        }
    }
    if (match) {
        for (int side = 0; side < kThirdPlaceSides; ++side) {
            for (Part part : {Part::Stroke, Part::Score}) {
                line(place.lines[size_t(side)], thirdPlaceLineColors(m_bracket, side),
                     m_bracket.thirdPlaceResult(side).score,
                     side == 0 ? LineKind::Upper : LineKind::Lower, LineShape(), sideTag(side),
                     part);
            }
        }
        for (int side = 0; side < kThirdPlaceSides; ++side) {
            line(place.lines[size_t(side)], thirdPlaceLineColors(m_bracket, side), std::string(),
                 side == 0 ? LineKind::Upper : LineKind::Lower, LineShape(), sideTag(side),
                 Part::Join);
        }
    }
    const int winner = thirdPlaceWinner(m_bracket);
    if (winner >= 0) {
        // Condensed to end within the sheet, which a long name would otherwise run past.
        Rect result = place.result;
        result.width = std::min(result.right(), m_layout.extent.width) - result.left;
        fitted(std::string(words.thirdPlace) + ' ' + laidOutText(m_bracket.memberName(winner)),
               TextRole::Champion, result, Anchor::Start, result.width, Ink::Score)
            .clipToRect = true;
    }
}

void Builder::lines() {
    const int members = m_bracket.memberCount();
    const size_t count = size_t(m_bracket.lineCount());
    std::vector<LineShape> shapes(count);
    std::vector<Rect> areas(count);
    std::vector<LineColors> colors(count);
    std::vector<LineKind> kinds(count);
    for (size_t at = 0; at < count; ++at) {
        kinds[at] = m_bracket.lineKind(int(at));
        shapes[at] = sheetLineShape(m_bracket, int(at));
        areas[at] = sheetLineRect(m_layout, members, int(at));
        colors[at] = lineColors(m_bracket, int(at));
    }
    // Every stroke, then every score, then every join: a stroke reaches under the parts drawn
    // after it where a device smooths edges, and no score can break a join.
    for (Part part : {Part::Stroke, Part::Score, Part::Join}) {
        for (size_t at = 0; at < count; ++at) {
            line(areas[at], colors[at], m_bracket.lineScore(int(at)), kinds[at], shapes[at],
                 lineTag(int(at)), part);
        }
    }
}

void Builder::line(const Rect& area, const LineColors& colors, const std::string& score,
                   LineKind kind, const LineShape& shape, SceneTag tag, Part part) {
    const int middle = area.top + area.height / 2 + shape.strokeShift;
    if (!shape.drawn) {
        // A bye's line draws nothing; on screen a click where its stroke would be is told why
        // it wins nothing.
        if (m_style.screen && part == Part::Stroke) {
            fill({area.left, middle - kStrokeWidth / 2, area.width, kStrokeWidth}, Ink::Background,
                 tag)
                .kind = SceneItem::Kind::Hit;
        }
        return;
    }
    if (part == Part::Stroke) {
        if (shape.upright) {
            fill({area.left + area.width / 2 - kStrokeWidth / 2, area.top, kStrokeWidth,
                  area.height},
                 lineInk(colors.stroke), tag, ReachBottom);
        } else {
            fill({area.left, middle - kStrokeWidth / 2, area.width, kStrokeWidth},
                 lineInk(colors.stroke), tag, ReachLeft | ReachRight);
        }
        return;
    }
    if (shape.upright || kind == LineKind::Final) return;
    if (part == Part::Join) {
        // Centred on the line's right edge (a mirrored line's left edge): its share lies in
        // this line, and the pair's lines meet at its middle.
        if (!shape.joined) return;
        const int share = joinShare(shape.mirrored);
        const int left = shape.mirrored ? area.left : area.right() - share;
        SceneItem& item =
            kind == LineKind::Upper
                ? fill({left, middle + 1, share, area.bottom() - middle - 1}, lineInk(colors.join),
                       tag, ReachBottom)
                : fill({left, area.top, share, middle - 2 - area.top}, lineInk(colors.join), tag);
        // Exactly half the pen's width, where the device can show it.
        const int halves = kJoinWidth - 2 * share;
        (shape.mirrored ? item.finerRight : item.finerLeft) = int8_t(halves);
        return;
    }
    if (score.empty()) return;
    // Condensed so that it never runs under the join (a pixel is kept clear before it); a
    // mirrored line's score, which begins after its join, takes as much room.
    constexpr TextRole role = TextRole::Score;
    const int room = area.width - kJoinBeforeEdge - 1;
    FittedText fit = fitText(m_metrics, role, laidOutText(score), room);
    const TextRun run = m_metrics.run(role, fit.text, fit.stretch);
    const int height = m_metrics.lineHeight(role);
    // Below the stroke on an upper line, above it on a lower one, moving with a shifted stroke
    // within the line's area.
    int top = area.top + scoreTop(shape.scoreBelow ? LineKind::Upper : kind, area.height);
    if (shape.strokeShift != 0 || m_style.scoresWithinLine) {
        top = std::clamp(top + shape.strokeShift, area.top,
                         std::max(area.top, area.bottom() - height));
    }
    // It ends where six pixels a byte would end it, kScoreGap before the join; where that would
    // cut its first glyph, it starts just far enough right for all its ink to show. A mirrored
    // line's score begins as far after its join.
    const int bytes = int(score.size());
    const int end = scoreLeft(area.width, bytes) + 6 * bytes;
    Rect rect{area.left, top, end, height};
    Anchor anchor = Anchor::End;
    if (shape.mirrored || end - run.advance < -run.inkLeft) {
        const int pen = shape.mirrored ? std::max(area.width - end - run.inkLeft, 0) : -run.inkLeft;
        rect = {area.left + pen, top, run.advance, height};
        anchor = Anchor::Start;
    }
    SceneItem item = made(std::move(fit), role, rect, anchor, Ink::Score, tag);
    item.room = room;
    item.vertical = VerticalAnchor::Top;
    item.clip = area;
    item.backdrop = true;
    m_scene.items.push_back(std::move(item));
}

void Builder::champion() {
    const std::string& champion = m_bracket.champion();
    if (champion.empty()) return;
    constexpr TextRole role = TextRole::Champion;
    std::string name = laidOutText(champion);
    if (m_layout.twoSided) {
        // Centred in its band above the final.
        const Rect& band = m_layout.champion;
        SceneItem& item =
            fitted(std::move(name), role, band, Anchor::Middle, band.width, Ink::Score);
        item.vertical = VerticalAnchor::Bottom;
        item.clipToRect = true;
        return;
    }
    // Right of the final line, within the sheet.
    const Point at = championPosition(m_bracket.memberCount());
    const int left = at.x + m_layout.bracketOrigin.x;
    const int room = m_layout.extent.width - left - m_style.columns.names.margin;
    SceneItem& item =
        fitted(std::move(name), role,
               {left, at.y + m_layout.bracketOrigin.y, room, m_metrics.lineHeight(role)},
               Anchor::Start, room, Ink::Score);
    item.vertical = VerticalAnchor::Top;
}

}  // namespace

Scene buildScene(const Bracket& bracket, const SheetPicturePlan& plan, const SheetTexts& texts,
                 const TextMetrics& metrics, const SceneStyle& style) {
    Scene scene = Builder(bracket, plan, texts, metrics, style).build();
    indexScene(scene, bracket.lineCount());
    return scene;
}

Scene buildScreenScene(const Bracket& bracket, const TextMetrics& metrics,
                       const SceneStyle& style) {
    const SheetTexts texts(bracket, metrics, false);
    SheetPicturePlan plan;
    plan.layout = layoutSheet(bracket);
    plan.titleRoom = plan.subtitleRoom = std::numeric_limits<int>::max();
    return buildScene(bracket, plan, texts, metrics, style);
}

bool applyResultChange(Scene& scene, const Bracket& bracket, const DocumentChange& change) {
    const bool onlyResults = !change.lines.empty() && change.names.empty() &&
                             change.marks.empty() && !change.champion && !change.colors &&
                             !change.sheet && !change.thirdPlace;
    if (!onlyResults || scene.lines != bracket.lineCount() || affectsThirdPlace(change, bracket)) {
        return false;
    }
    // A score is only ever cleared by a result; one written anew is laid out afresh.
    for (int line : change.scores) {
        if (!bracket.lineScore(line).empty()) return false;
    }
    if (!change.scores.empty()) {
        std::vector<char> cleared(size_t(bracket.lineCount()), 0);
        for (int line : change.scores) cleared[size_t(line)] = 1;
        const auto isClearedScore = [&](const SceneItem& item) {
            return item.kind == SceneItem::Kind::Text && item.role == TextRole::Score &&
                   item.tag.kind == SceneTag::Kind::Line && cleared[size_t(item.tag.index)];
        };
        auto& items = scene.items;
        items.erase(std::remove_if(items.begin(), items.end(), isClearedScore), items.end());
        indexScene(scene, bracket.lineCount());
    }
    const int members = bracket.memberCount();
    auto recolour = [&](int line) {
        const LineColors colors = lineColors(bracket, line);
        // A line's fills come as the builder made them: its stroke first, then its join.
        bool stroke = true;
        for (uint32_t at : taggedItems(scene, lineTag(line))) {
            SceneItem& item = scene.items[at];
            if (item.kind != SceneItem::Kind::Fill) continue;
            item.ink = lineInk(stroke ? colors.stroke : colors.join);
            stroke = false;
        }
    };
    for (int line : change.lines) {
        recolour(line);
        // A finalist's colours also follow its opponent's win.
        const int partner = lineColorPartner(members, line);
        if (partner >= 0) recolour(partner);
    }
    return true;
}

}  // namespace kaz
