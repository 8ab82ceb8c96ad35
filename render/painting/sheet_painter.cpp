#include "painting/sheet_painter.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
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
constexpr int kTitleSideMargin = 16;
// A long title widens the picture up to this many times the width the bracket needs.
constexpr int kTitleMostWidening = 2;
// Between a seed mark and its name.
constexpr int kSeedMarkGap = 3;

QFont titleFont() { return emboldened(japaneseFontPixels(kTitlePixels, kTitleWeight)); }
QFont subtitleFont() { return japaneseFontPixels(kSubtitlePixels); }

QFont stretched(QFont font, int stretch) {
    if (stretch != 100) font.setStretch(stretch);
    return font;
}

// How `text` is drawn in `font` with `room` pixels, and how wide the sheet then is at least:
// whole at full width where it fits, or widening the sheet up to `mostRoom`, then condensed;
// where even the least stretch is too wide for `mostRoom`, as wide as that needs.
SheetText fitHeader(const QFont& font, const QString& text, int room, int mostRoom, int* width) {
    const int full = textWidthAt(font, text, 100);
    room = std::max(room, std::min(full, mostRoom));
    const int stretch = fittingStretch(font, text, room);
    room = std::max(room, textWidthAt(font, text, stretch));
    *width = room + 2 * kTitleSideMargin;
    return {text, stretch};
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
        const QString name = fromCp932(kaz::sheetRoundName(bracket, int(round)));
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

SheetPicture layoutSheetPicture(const kaz::Bracket& bracket) {
    SheetPicture sheet;
    sheet.names = layoutNameColumn(bracket);
    kaz::SheetWidening widening;
    widening.nameColumn = sheet.names.extraWidth;
    widening.clubsOnly = true;
    const kaz::SheetInfo& info = bracket.sheet();
    if (kaz::isSheetShown(bracket)) {
        sheet.clubs = layoutClubColumn(bracket);
        widening.clubColumn = sheet.clubs.extraWidth;
        const int width = kaz::layoutSheet(bracket, widening).extent.width;
        const int room = width - 2 * kTitleSideMargin;
        const int mostRoom = kTitleMostWidening * width - 2 * kTitleSideMargin;
        int titleWidth = 0;
        int subtitleWidth = 0;
        sheet.title = fitHeader(titleFont(), fromCp932(info.title), room, mostRoom, &titleWidth);
        sheet.subtitle =
            fitHeader(subtitleFont(), fromCp932(info.subtitle), room, mostRoom, &subtitleWidth);
        widening.leastWidth = std::max(titleWidth, subtitleWidth);
    }
    sheet.layout = kaz::layoutSheet(bracket, widening);
    return sheet;
}

SheetPicture layoutScreenSheet(const kaz::Bracket& bracket) {
    SheetPicture sheet;
    sheet.title.text = fromCp932(bracket.sheet().title);
    sheet.subtitle.text = fromCp932(bracket.sheet().subtitle);
    sheet.layout = kaz::layoutSheet(bracket);
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
                 Qt::AlignLeft, fromCp932(kaz::drawNumberText(*info.drawNumber)));
    }
    painter.restore();
}

}  // namespace kaz::render
