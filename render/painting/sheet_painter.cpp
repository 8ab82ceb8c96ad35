#include "painting/sheet_painter.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
#include "bracket/sheet_picture_plan.h"
#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "painting/bracket_painter.h"
#include "painting/shrunk_text.h"

namespace kaz::render {
namespace {

constexpr int kTitlePixels = 18;
constexpr int kSubtitlePixels = 13;
constexpr int kRoundNamePixels = 12;
constexpr int kSmallPixels = 10;  // match numbers, the draw number
constexpr int kSeedPixels = 12;   // as large as the round names, to be read on screen
constexpr int kTitleWeight = 600;
// Between a seed mark and its name.
constexpr int kSeedMarkGap = 3;

QFont titleFont() { return emboldened(japaneseFontPixels(kTitlePixels, kTitleWeight)); }
QFont subtitleFont() { return japaneseFontPixels(kSubtitlePixels); }

QFont stretched(QFont font, int stretch) {
    if (stretch != 100) font.setStretch(stretch);
    return font;
}

void drawText(QPainter& painter, const QFont& font, int stretch, const QRect& rect,
              Qt::Alignment alignment, const QString& text) {
    painter.setFont(stretched(font, stretch));
    drawSheetText(painter, rect,
                  alignment | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void paintClubs(QPainter& painter, const kaz::Bracket& bracket, const SheetPicture& sheet) {
    if (!sheet.layout.hasClubColumn() || sheet.clubs.names.empty()) return;
    for (int member = 0; member < bracket.memberCount(); ++member) {
        const DrawnName& club = sheet.clubs.names[size_t(member)];
        if (club.text.isEmpty()) continue;
        painter.setFont(memberNameFont(painter.device(), club.stretch));
        // A club stands next to its name, on the right side as on the left: away from the line.
        const bool right = kaz::isOnRightSide(sheet.layout, member);
        const QRect box = sheetClubBox(sheet.layout, member);
        drawSheetText(
            painter, textRectIn(box, sheet.clubs, right),
            (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
            club.text);
    }
}

// Where member `member`'s seed mark stands: on the outer side of its name as drawn, which a
// widened column moves away from the box's edge; on screen, where the boxes show the names, in
// the margin before the box.
QRect seedMarkPlace(const SheetPicture& sheet, int member) {
    const QRect margin = toQRect(kaz::seedMarkRect(sheet.layout, member));
    if (sheet.names.names.empty()) return margin;
    const DrawnName& name = sheet.names.names[size_t(member)];
    const QRect text = sheetNameTextRect(sheet.layout, member, sheet.names);
    const int width = textWidthAt(memberNameFont(nullptr), name.text, name.stretch);
    if (kaz::isOnRightSide(sheet.layout, member)) {
        return QRect(text.left() + width + kSeedMarkGap, margin.top(), margin.width(),
                     margin.height());
    }
    const int start =
        sheet.names.alignment() == Qt::AlignRight ? text.right() + 1 - width : text.left();
    return QRect(start - kSeedMarkGap - margin.width(), margin.top(), margin.width(),
                 margin.height());
}

void paintSeedMarks(QPainter& painter, const kaz::Bracket& bracket, const SheetPicture& sheet) {
    const QFont font = japaneseFontPixels(kSeedPixels);
    for (int member = 0; member < bracket.memberCount(); ++member) {
        const int seed = bracket.memberSeed(member);
        if (seed == 0) continue;
        // Next to its name, on the outer side.
        drawText(painter, font, 100, seedMarkPlace(sheet, member),
                 kaz::isOnRightSide(sheet.layout, member) ? Qt::AlignLeft : Qt::AlignRight,
                 QString::fromStdString(kaz::seedMark(seed)));
    }
}

void paintMatchNumbers(QPainter& painter, const kaz::Bracket& bracket, const SheetPicture& sheet) {
    for (int line = 0; line < bracket.lineCount(); ++line) {
        if (bracket.lineKind(line) == kaz::LineKind::Upper) {
            paintMatchNumber(painter, bracket, sheet.layout, line);
        }
    }
}

// One rule for every round's name, typed or default: all are condensed alike, as far as the
// widest needs to fit its column (down to kLeastRoundStretch); a name still too wide there
// goes on two lines, broken at its spaces where it has them ("2回戦" over "10:30"), and then
// every name stands from the row's top, where the row has room below it before the first line.
constexpr int kLeastRoundStretch = 70;

// `text` broken at its spaces into lines that each fit `room` at `stretch` where they can.
QString brokenAtSpaces(const QFont& font, const QString& text, int stretch, int room) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = lines.isEmpty() ? word : lines.back() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && textWidthAt(font, longer, stretch) <= room) {
            lines.back() = longer;
        } else {
            lines.append(word);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void paintRoundNames(QPainter& painter, const kaz::Bracket& bracket, const SheetPicture& sheet) {
    const QFont font = japaneseFontPixels(kRoundNamePixels);
    const kaz::SheetLayout& layout = sheet.layout;
    std::vector<std::pair<QString, QRect>> names;
    for (size_t round = 0; round < layout.roundNames.size(); ++round) {
        const QString name = fromDocumentText(kaz::sheetRoundName(bracket, int(round)));
        for (const auto* rects : {&layout.roundNames, &layout.mirroredRoundNames}) {
            if (round < rects->size() && (*rects)[round].width > 0) {
                names.emplace_back(name, toQRect((*rects)[round]));
            }
        }
    }
    int stretch = 100;
    for (const auto& [name, rect] : names) {
        stretch = std::min(stretch, fittingStretch(font, name, rect.width()));
    }
    stretch = std::max(stretch, kLeastRoundStretch);
    bool wrapped = false;
    for (const auto& [name, rect] : names) {
        wrapped = wrapped || textWidthAt(font, name, stretch) > rect.width();
    }
    painter.setFont(stretched(font, stretch));
    for (const auto& [name, rect] : names) {
        if (!wrapped) {
            drawSheetText(painter, rect, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                          name);
            continue;
        }
        drawSheetText(painter, rect,
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip,
                      brokenAtSpaces(font, name, stretch, rect.width()));
    }
}

}  // namespace

namespace {

// The widths of a picture's texts, measured with the fonts they are drawn in; the names and
// clubs as the picture lays them out.
class PictureMeasure : public kaz::TextMeasure {
public:
    explicit PictureMeasure(const kaz::Bracket& bracket) {
        std::vector<std::string> names;
        for (int member = 0; member < bracket.memberCount(); ++member) {
            names.push_back(bracket.memberName(member));
        }
        m_names = measureColumnTexts(names);
        const kaz::SheetInfo& info = bracket.sheet();
        if (!kaz::isSheetShown(bracket)) return;
        if (kaz::hasClubs(bracket)) {
            std::vector<std::string> clubs;
            for (int member = 0; member < bracket.memberCount(); ++member) {
                clubs.push_back(bracket.memberClub(member));
            }
            m_clubs = measureColumnTexts(clubs);
        }
        m_title = fromDocumentText(info.title);
        m_subtitle = fromDocumentText(info.subtitle);
    }

    kaz::MeasuredText name(int member) const override { return m_names.measured[size_t(member)]; }
    kaz::MeasuredText club(int member) const override { return m_clubs.measured[size_t(member)]; }
    int title(int room) const override { return condensed(titleFont(), m_title, room); }
    int subtitle(int room) const override { return condensed(subtitleFont(), m_subtitle, room); }

    const ColumnTexts& names() const { return m_names; }
    const ColumnTexts& clubs() const { return m_clubs; }
    const QString& titleText() const { return m_title; }
    const QString& subtitleText() const { return m_subtitle; }

private:
    static int condensed(const QFont& font, const QString& text, int room) {
        return textWidthAt(font, text, fittingStretch(font, text, room));
    }

    ColumnTexts m_names;
    ColumnTexts m_clubs;
    QString m_title;
    QString m_subtitle;
};

SheetPicture planPicture(const kaz::Bracket& bracket) {
    const PictureMeasure measure(bracket);
    const kaz::SheetPicturePlan plan =
        kaz::planSheetPicture(bracket, measure, kaz::measuredPictureStyle());
    SheetPicture sheet;
    sheet.names = fitColumn(measure.names(), plan.names);
    if (!measure.clubs().texts.empty()) sheet.clubs = fitColumn(measure.clubs(), plan.clubs);
    if (kaz::isSheetShown(bracket)) {
        sheet.title = {measure.titleText(),
                       fittingStretch(titleFont(), measure.titleText(), plan.titleRoom)};
        sheet.subtitle = {
            measure.subtitleText(),
            fittingStretch(subtitleFont(), measure.subtitleText(), plan.subtitleRoom)};
    }
    sheet.layout = plan.layout;
    return sheet;
}

// What a picture's plan is made from: the names and the sheet (not the lines, scores,
// champion or colours, which are drawn as they stand).
struct PlanInputs {
    int members = 0;
    std::vector<std::string> names;
    std::vector<kaz::MemberMarks> marks;  // a club or a seed mark widens a column too
    kaz::SheetInfo sheet;
    kaz::ThirdPlaceResults thirdPlace;

    bool matches(const kaz::Bracket& bracket) const {
        if (members != bracket.memberCount() || !(sheet == bracket.sheet()) ||
            thirdPlace != bracket.thirdPlaceResults()) {
            return false;
        }
        for (int member = 0; member < members; ++member) {
            if (names[size_t(member)] != bracket.memberName(member) ||
                !(marks[size_t(member)] == bracket.memberMarks(member))) {
                return false;
            }
        }
        return true;
    }
};

}  // namespace

SheetPicture layoutSheetPicture(const kaz::Bracket& bracket) {
    // A print, an image or a preview asks for the same bracket's picture several times (its
    // extent, its orientation, its painting): the last plan is kept while its inputs stand.
    static std::mutex mutex;
    static std::optional<std::pair<PlanInputs, SheetPicture>> last;
    const std::lock_guard<std::mutex> lock(mutex);
    if (last && last->first.matches(bracket)) return last->second;
    PlanInputs inputs{bracket.memberCount(), {}, {}, bracket.sheet(), bracket.thirdPlaceResults()};
    for (int member = 0; member < inputs.members; ++member) {
        inputs.names.push_back(bracket.memberName(member));
        inputs.marks.push_back(bracket.memberMarks(member));
    }
    last.emplace(std::move(inputs), planPicture(bracket));
    return last->second;
}

SheetPicture screenSheet(const kaz::Bracket& bracket, const kaz::SheetLayout& layout) {
    SheetPicture sheet;
    sheet.title.text = fromDocumentText(bracket.sheet().title);
    sheet.subtitle.text = fromDocumentText(bracket.sheet().subtitle);
    sheet.layout = layout;
    return sheet;
}

void paintMatchNumber(QPainter& painter, const kaz::Bracket& bracket,
                      const kaz::SheetLayout& layout, int upperLine) {
    if (!bracket.sheet().matchNumbers) return;
    const int members = bracket.memberCount();
    // One number a pair, at its upper line; a pair with a bye plays no match and has none.
    const int number =
        kaz::matchNumbersByLine(bracket)[size_t(kaz::nextRoundLine(members, upperLine))];
    if (number == 0) return;
    painter.save();
    painter.setPen(qColorFromString(bracket.colors().memberColor));
    drawText(painter, japaneseFontPixels(kSmallPixels), 100,
             toQRect(kaz::matchNumberRect(layout, members, upperLine)),
             kaz::isLineOnRightSide(layout, upperLine) ? Qt::AlignRight : Qt::AlignLeft,
             QString::number(number));
    painter.restore();
}

void paintSheetTexts(QPainter& painter, const kaz::Bracket& bracket, const SheetPicture& sheet) {
    const kaz::SheetInfo& info = bracket.sheet();
    if (!kaz::isSheetShown(bracket)) return;
    painter.save();
    painter.setPen(qColorFromString(bracket.colors().memberColor));
    const kaz::SheetLayout& layout = sheet.layout;
    if (!sheet.title.text.isEmpty()) {
        drawText(painter, titleFont(), sheet.title.stretch, toQRect(layout.title), Qt::AlignHCenter,
                 sheet.title.text);
    }
    if (!sheet.subtitle.text.isEmpty()) {
        drawText(painter, subtitleFont(), sheet.subtitle.stretch, toQRect(layout.subtitle),
                 Qt::AlignHCenter, sheet.subtitle.text);
    }
    paintRoundNames(painter, bracket, sheet);
    paintClubs(painter, bracket, sheet);
    paintSeedMarks(painter, bracket, sheet);
    paintMatchNumbers(painter, bracket, sheet);
    if (info.drawNumber) {
        drawText(painter, japaneseFontPixels(kSmallPixels), 100, toQRect(layout.drawNumber),
                 Qt::AlignLeft,
                 fromDocumentText(kaz::drawNumberText(*info.drawNumber, info.language)));
    }
    painter.restore();
}

}  // namespace kaz::render
