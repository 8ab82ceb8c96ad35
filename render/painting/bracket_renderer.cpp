#include "painting/bracket_renderer.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "bracket/bracket_geometry.h"
#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "painting/bracket_painter.h"

namespace {

// The name boxes' font is 11 points on a screen of 96 dots per inch; pictures keep that size
// in the bracket's pixels whatever the resolution of the device.
constexpr qreal kNamePoints = 11;
constexpr qreal kScreenDpi = 96;
// Where a name box starts its text: past its frame (1 pixel in the editor's style) and the
// edit's own margin of 2 pixels.
constexpr int kNameLeftMargin = 3;
// The bytes are cut first, so that only a small part of a long name is converted.
constexpr size_t kMostBytesConverted = 4 * kMostCharactersShown;

QString shownName(const std::string& cp932) {
    return fromCp932(cp932.substr(0, kMostBytesConverted)).left(kMostCharactersShown);
}

void paintMemberNames(QPainter& painter, const kaz::Bracket& bracket) {
    const QPaintDevice* device = painter.device();
    const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : int(kScreenDpi);
    painter.save();
    painter.setFont(japaneseFontPoints(kNamePoints * kScreenDpi / dpi));
    painter.setPen(qColorFromString(bracket.colors().memberColor));
    for (int member = 0; member < bracket.memberCount(); ++member) {
        // Text drawn into a rectangle is cut at its edges.
        const QRect text = toQRect(kaz::memberNameRect(member)).adjusted(kNameLeftMargin, 0, 0, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         shownName(bracket.memberName(member)));
    }
    painter.restore();
}

}  // namespace

QSize bracketExtent(const kaz::Bracket& bracket) {
    return toQSize(kaz::bracketExtent(bracket.memberCount()));
}

void renderBracket(QPainter& painter, const kaz::Bracket& bracket) {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), bracketExtent(bracket)),
                     qColorFromString(bracket.colors().backgroundColor));
    paintMemberNames(painter, bracket);
    for (int line = 0; line < bracket.lineCount(); ++line) {
        paintLine(painter, bracket, line, toQRect(kaz::lineRect(bracket.memberCount(), line)));
    }
    paintChampion(painter, bracket);
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
