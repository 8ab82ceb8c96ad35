#include "painting/bracket_painter.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

#include "bracket/bracket_geometry.h"
#include "bracket/line_style.h"
#include "bracket/sheet_picture_plan.h"
#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "painting/name_column.h"
#include "painting/shrunk_text.h"

namespace kaz::render {

namespace {

constexpr int kScoreFontPixels = 12;
constexpr int kChampionFontPixels = 14;
constexpr int kChampionWeight = 600;
// How far a line's stroke and join reach past its area on a device that smooths edges.
constexpr qreal kSeamReach = 1;

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
    const QString text = fromDocumentText(score).left(kMostCharactersShown);
    // A score wider than the line left of its join is condensed, as names are, so that it
    // never runs under the join (a pixel is kept clear before it).
    QFont font = japaneseFontPixels(kScoreFontPixels);
    const int room = area.width() - kaz::kJoinWidth / 2 - 1;
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
    drawSheetText(painter, textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace

void paintLineLook(QPainter& painter, const kaz::ColorSet& colors, const LineLook& look,
                   const QRect& area, const kaz::LineShape& shape, LineParts parts) {
    if (!shape.drawn) return;
    auto draws = [parts](LineParts part) { return parts == LineParts::All || parts == part; };
    const kaz::LineColors& lineColors = look.colors;
    const kaz::LineKind kind = look.kind;
    const int left = area.left();
    const int right = area.left() + area.width();
    const int middle = area.top() + area.height() / 2 + shape.strokeShift;
    const int edge = shape.mirrored ? left : right;
    // A device that smooths edges (a PDF, a printer) shows a hairline wherever two parts merely
    // meet: there each part reaches a little under the one drawn after it (see LineParts).
    const qreal reach =
        painter.paintEngine() && painter.paintEngine()->type() != QPaintEngine::Raster ? kSeamReach
                                                                                       : 0;

    if (draws(LineParts::Stroke)) {
        painter.save();
        painter.setPen(QPen(lineColor(colors, lineColors.stroke), kaz::kStrokeWidth, Qt::SolidLine,
                            Qt::FlatCap));
        if (reach > 0) {
            painter.setClipRect(QRectF(area).adjusted(-reach, -reach, reach, reach),
                                Qt::IntersectClip);
        } else {
            painter.setClipRect(area, Qt::IntersectClip);
        }
        if (shape.upright) {
            const int centre = area.left() + area.width() / 2;
            if (reach > 0) {
                painter.drawLine(QLineF(centre, area.top(), centre, area.bottom() + 1 + reach));
            } else {
                painter.drawLine(centre, area.top(), centre, area.bottom() + 1);
            }
        } else if (reach > 0) {
            painter.drawLine(QLineF(left - reach, middle, right + reach, middle));
        } else {
            painter.drawLine(left, middle, right, middle);
        }
        painter.restore();
    }
    if (shape.upright) return;
    if (draws(LineParts::Score) && kind != kaz::LineKind::Final) {
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);
        paintScore(painter, colors, look, area, shape);
        painter.restore();
    }
    // The join goes last, so that no score can break it. It is centred on the line's right
    // edge (a mirrored line's left edge), so only half of it lies in this line; the pair's
    // lines meet at its middle.
    if (!draws(LineParts::Join) || !shape.joined) return;
    painter.save();
    painter.setPen(
        QPen(lineColor(colors, lineColors.join), kaz::kJoinWidth, Qt::SolidLine, Qt::FlatCap));
    if (reach > 0 && kind == kaz::LineKind::Upper) {
        // Under the lower line's share, which is drawn after it.
        painter.setClipRect(QRectF(area).adjusted(0, 0, 0, reach), Qt::IntersectClip);
        painter.drawLine(QLineF(edge, middle + 1, edge, area.bottom() + 1 + reach));
    } else {
        painter.setClipRect(area, Qt::IntersectClip);
        if (kind == kaz::LineKind::Upper) {
            painter.drawLine(edge, middle + 1, edge, area.bottom() + 1);
        }
        if (kind == kaz::LineKind::Lower) painter.drawLine(edge, middle - 2, edge, area.top());
    }
    painter.restore();
}

void paintLine(QPainter& painter, const kaz::Bracket& bracket, int line, const QRect& area,
               const kaz::LineShape& shape, LineParts parts) {
    paintLineLook(painter, bracket.colors(), lineLook(bracket, line), area, shape, parts);
}

LineLook lineLook(const kaz::Bracket& bracket, int line) {
    return {kaz::lineColors(bracket, line), bracket.lineScore(line), bracket.lineKind(line)};
}

void paintPairJoin(QPainter& painter, const kaz::ColorSet& colors, const DrawnLine& upper,
                   const DrawnLine& lower) {
    const bool smoothed =
        painter.paintEngine() && painter.paintEngine()->type() != QPaintEngine::Raster;
    const bool whole = smoothed && upper.shape.drawn && upper.shape.joined && lower.shape.drawn &&
                       lower.shape.joined && upper.look.colors.join == lower.look.colors.join;
    if (!whole) {
        paintLineLook(painter, colors, upper.look, upper.area, upper.shape, LineParts::Join);
        paintLineLook(painter, colors, lower.look, lower.area, lower.shape, LineParts::Join);
        return;
    }
    // The pen's half inside the lines, from below the upper stroke's middle to above the
    // lower's, as the two shares draw it.
    const int top = upper.area.top() + upper.area.height() / 2 + upper.shape.strokeShift + 1;
    const int bottom = lower.area.top() + lower.area.height() / 2 + lower.shape.strokeShift - 2;
    const qreal half = kaz::kJoinWidth / 2.0;
    const qreal edge =
        upper.shape.mirrored ? upper.area.left() : upper.area.left() + upper.area.width();
    const qreal left = upper.shape.mirrored ? edge : edge - half;
    painter.fillRect(QRectF(left, top, half, bottom - top),
                     lineColor(colors, upper.look.colors.join));
}

void paintChampion(QPainter& painter, const kaz::Bracket& bracket, const kaz::SheetLayout& layout) {
    if (bracket.champion().empty()) return;
    const QString name = fromDocumentText(bracket.champion()).left(kMostCharactersShown);
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
        drawSheetText(painter, band, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine, name);
        painter.restore();
        return;
    }
    const QPoint at = toQPoint(kaz::championPosition(bracket.memberCount()));
    const QSize extent = toQSize(kaz::bracketExtent(bracket.memberCount()));
    painter.setClipRect(QRect(at.x(), 0, extent.width() - at.x(), extent.height()),
                        Qt::IntersectClip);
    drawSheetText(painter,
                  QRect(at, QSize(extent.width() - at.x(), painter.fontMetrics().height())),
                  Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, name);
    painter.restore();
}

}  // namespace kaz::render
