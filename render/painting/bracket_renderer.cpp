#include "painting/bracket_renderer.h"

#include <QPainter>
#include <algorithm>

#include "bracket/bracket_geometry.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "painting/bracket_painter.h"
#include "painting/name_column.h"
#include "painting/sheet_painter.h"
#include "painting/shrunk_text.h"
#include "painting/third_place_painter.h"

namespace kaz::render {

namespace {

void paintMemberNames(QPainter& painter, const kaz::Bracket& bracket,
                      const kaz::render::SheetPicture& sheet) {
    const NameColumn& column = sheet.names;
    painter.save();
    painter.setPen(qColorFromString(bracket.colors().memberColor));
    for (int member = 0; member < bracket.memberCount(); ++member) {
        const DrawnName& name = column.names[size_t(member)];
        painter.setFont(memberNameFont(painter.device(), name.stretch));
        // Text drawn into a rectangle is cut at its edges.
        const bool right = kaz::isOnRightSide(sheet.layout, member);
        drawSheetText(
            painter, sheetNameTextRect(sheet.layout, member, column),
            (right ? Qt::AlignLeft : column.alignment()) | Qt::AlignVCenter | Qt::TextSingleLine,
            name.text);
    }
    painter.restore();
}

}  // namespace

QSize bracketExtent(const kaz::Bracket& bracket) {
    return toQSize(kaz::render::layoutSheetPicture(bracket).layout.extent);
}

void renderBracket(QPainter& painter, const kaz::Bracket& bracket) {
    const kaz::render::SheetPicture sheet = kaz::render::layoutSheetPicture(bracket);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), toQSize(sheet.layout.extent)),
                     qColorFromString(bracket.colors().backgroundColor));
    kaz::render::paintSheetTexts(painter, bracket, sheet);
    paintMemberNames(painter, bracket, sheet);
    paintThirdPlace(painter, bracket, sheet.layout);
    // Everything right of the names moves with the columns' end, and down with the header.
    painter.translate(toQPoint(sheet.layout.bracketOrigin));
    const QPoint origin = toQPoint(sheet.layout.bracketOrigin);
    auto drawn = [&](int line) {
        return DrawnLine{lineLook(bracket, line),
                         toQRect(kaz::sheetLineRect(sheet.layout, bracket.memberCount(), line))
                             .translated(-origin),
                         kaz::sheetLineShape(bracket, line)};
    };
    for (LineParts parts : {LineParts::Stroke, LineParts::Score}) {
        for (int line = 0; line < bracket.lineCount(); ++line) {
            const DrawnLine at = drawn(line);
            paintLineLook(painter, bracket.colors(), at.look, at.area, at.shape, parts);
        }
    }
    for (int line = 0; line < bracket.lineCount(); ++line) {
        if (bracket.lineKind(line) == kaz::LineKind::Upper) {
            paintPairJoin(painter, bracket.colors(), drawn(line), drawn(line + 1));
        }
    }
    paintChampion(painter, bracket, sheet.layout);
    painter.restore();
}

QRectF fitCentred(const QSizeF& content, const QRectF& target) {
    if (content.isEmpty() || target.isEmpty()) return QRectF(target.center(), QSizeF(0, 0));
    const QSizeF fitted = content.scaled(target.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(0, 0), fitted);
    rect.moveCenter(target.center());
    return rect;
}

void renderBracketFitted(QPainter& painter, const kaz::Bracket& bracket, const QRectF& target) {
    const QSize size = bracketExtent(bracket);
    const QRectF place = fitCentred(size, target);
    if (place.isEmpty()) return;
    painter.save();
    painter.translate(place.topLeft());
    painter.scale(place.width() / size.width(), place.height() / size.height());
    renderBracket(painter, bracket);
    painter.restore();
}

QPageLayout::Orientation bestOrientation(const kaz::Bracket& bracket, const QPageLayout& layout) {
    const QSizeF size = bracketExtent(bracket);
    auto scaleUnder = [&](QPageLayout::Orientation orientation) {
        QPageLayout turned = layout;
        turned.setOrientation(orientation);
        const QSizeF area = turned.paintRect(QPageLayout::Point).size();
        return std::min(area.width() / size.width(), area.height() / size.height());
    };
    const qreal portrait = scaleUnder(QPageLayout::Portrait);
    const qreal landscape = scaleUnder(QPageLayout::Landscape);
    if (portrait == landscape) return layout.orientation();
    return portrait > landscape ? QPageLayout::Portrait : QPageLayout::Landscape;
}

}  // namespace kaz::render
