#include "painting/bracket_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "bracket/bracket_geometry.h"
#include "bracket/line_style.h"
#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "painting/name_column.h"

namespace kaz::render {

namespace {

constexpr int kStrokeWidth = 4;
constexpr int kJoinWidth = 7;
constexpr int kScoreFontPixels = 12;
constexpr int kChampionFontPixels = 14;
constexpr int kChampionWeight = 600;

// A state that has no colour (only a file can bring one) is drawn as an open line.
QColor lineColor(const kaz::ColorSet& colors, kaz::LineColor which) {
    return qColorFromString(kaz::colorString(colors, which, colors.loseLineColor));
}

// Where a score's text is drawn in a line's `area` (the rectangle of its advance, from the pen
// position): measured with the font really used, it ends where the layout of six pixels a byte
// ends it, six pixels before the join; where that would cut its first glyph, it moves right
// just far enough for all its ink to show. A score too wide for that is condensed first.
QRect scoreTextRect(const QFontMetrics& metrics, const QString& text, int bytes, kaz::LineKind kind,
                    const QRect& area, bool mirrored) {
    const int end = kaz::scoreLeft(area.width(), bytes) + 6 * bytes;  // six pixels a byte
    const int advance = metrics.horizontalAdvance(text);
    const int inkLeft = metrics.boundingRect(text).left();
    // A mirrored line's score begins as far after its join (at its left edge) as the other
    // ends before it.
    const int pen =
        mirrored ? std::max(area.width() - end - inkLeft, 0) : std::max(end - advance, -inkLeft);
    return QRect(area.left() + pen, area.top() + kaz::scoreTop(kind, area.height()), advance,
                 metrics.height());
}

// A score whose line's stroke is shifted (a line run straight from a bye's opponent) moves
// with the stroke, kept within the line's area.
void paintScore(QPainter& painter, const kaz::ColorSet& colors, const LineLook& look,
                const QRect& area, const kaz::LineShape& shape) {
    const int shift = shape.strokeShift;
    const std::string& score = look.score;
    if (score.empty()) return;
    const QString text = fromCp932(score).left(kMostCharactersShown);
    // A score wider than the line left of its join is condensed, as names are, so that it
    // never runs under the join (a pixel is kept clear before it).
    QFont font = japaneseFontPixels(kScoreFontPixels);
    const int room = area.width() - kJoinWidth / 2 - 1;
    const int stretch = fittingStretch(font, text, room);
    if (stretch != 100) font.setStretch(stretch);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const kaz::LineKind kind = shape.scoreBelow ? kaz::LineKind::Upper : look.kind;
    QRect textRect =
        scoreTextRect(metrics, text, static_cast<int>(score.size()), kind, area, shape.mirrored);
    if (shift != 0) {
        textRect.moveTop(std::clamp(textRect.top() + shift, area.top(),
                                    std::max(area.top(), area.bottom() + 1 - textRect.height())));
    }
    // An opaque background behind the text only (its ink may stand out of its advance).
    const QRect ink =
        metrics.boundingRect(text).translated(textRect.left(), textRect.top() + metrics.ascent());
    painter.fillRect(textRect.united(ink), qColorFromString(colors.backgroundColor));
    painter.setPen(qColorFromString(colors.scoreColor));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace

void paintLineLook(QPainter& painter, const kaz::ColorSet& colors, const LineLook& look,
                   const QRect& area, const kaz::LineShape& shape) {
    if (!shape.drawn) return;
    const kaz::LineColors lineColors = kaz::lineColors(look.state);
    const kaz::LineKind kind = look.kind;
    const int left = area.left();
    const int right = area.left() + area.width();
    const int middle = area.top() + area.height() / 2 + shape.strokeShift;

    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setPen(
        QPen(lineColor(colors, lineColors.stroke), kStrokeWidth, Qt::SolidLine, Qt::FlatCap));
    if (shape.upright) {
        const int centre = area.left() + area.width() / 2;
        painter.drawLine(centre, area.top(), centre, area.bottom() + 1);
        painter.restore();
        return;
    }
    painter.drawLine(left, middle, right, middle);
    if (kind != kaz::LineKind::Final) paintScore(painter, colors, look, area, shape);
    // The join goes last, so that no score can break it. It is centred on the line's right
    // edge (a mirrored line's left edge), so only half of it lies in this line; the pair's
    // lines meet at its middle.
    if (!shape.joined) {
        painter.restore();
        return;
    }
    painter.setPen(
        QPen(lineColor(colors, lineColors.join), kJoinWidth, Qt::SolidLine, Qt::FlatCap));
    const int edge = shape.mirrored ? left : right;
    if (kind == kaz::LineKind::Upper) painter.drawLine(edge, middle + 1, edge, area.bottom() + 1);
    if (kind == kaz::LineKind::Lower) painter.drawLine(edge, middle - 2, edge, area.top());
    painter.restore();
}

void paintLine(QPainter& painter, const kaz::Bracket& bracket, int line, const QRect& area,
               const kaz::LineShape& shape) {
    paintLineLook(
        painter, bracket.colors(),
        LineLook{bracket.lineState(line), bracket.lineScore(line), bracket.lineKind(line)}, area,
        shape);
}

void paintChampion(QPainter& painter, const kaz::Bracket& bracket, const kaz::SheetLayout& layout) {
    if (bracket.champion().empty()) return;
    const QString name = fromCp932(bracket.champion()).left(kMostCharactersShown);
    painter.save();
    painter.setFont(emboldened(japaneseFontPixels(kChampionFontPixels, kChampionWeight)));
    painter.setPen(qColorFromString(bracket.colors().scoreColor));
    if (layout.twoSided) {
        // Centred above the final, cut at its band; a name wider than the band is condensed.
        const QRect band = toQRect(layout.champion).translated(-toQPoint(layout.bracketOrigin));
        painter.setClipRect(band, Qt::IntersectClip);
        const int stretch = fittingStretch(painter.font(), name, band.width());
        if (stretch != 100) {
            QFont font = painter.font();
            font.setStretch(stretch);
            painter.setFont(font);
        }
        painter.drawText(band, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine, name);
        painter.restore();
        return;
    }
    const QPoint at = toQPoint(kaz::championPosition(bracket.memberCount()));
    const QSize extent = toQSize(kaz::bracketExtent(bracket.memberCount()));
    painter.setClipRect(QRect(at.x(), 0, extent.width() - at.x(), extent.height()),
                        Qt::IntersectClip);
    painter.drawText(at.x(), at.y() + painter.fontMetrics().ascent(), name);
    painter.restore();
}

}  // namespace kaz::render
