#include "support/app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "bridge/qt_colors.h"
#include "color/color_set.h"
#include "resources/toolbar/tb_about.xpm"
#include "resources/toolbar/tb_copy.xpm"
#include "resources/toolbar/tb_cut.xpm"
#include "resources/toolbar/tb_html_export.xpm"
#include "resources/toolbar/tb_html_settings.xpm"
#include "resources/toolbar/tb_new.xpm"
#include "resources/toolbar/tb_open.xpm"
#include "resources/toolbar/tb_paste.xpm"
#include "resources/toolbar/tb_print.xpm"
#include "resources/toolbar/tb_save.xpm"

namespace kaz::app {

namespace {

// The sizes every icon is drawn at; multiples of 16 keep the bracket lines on whole pixels.
const int kIconSizes[] = {16, 32, 48, 64, 128};

// A new bracket's win-line colour.
const QColor kWinColor = render::qColorFromString(kaz::ColorSet().winLineColor);
const QColor kGoldColor(0xFF, 0x90, 0x00);

// A small four-member bracket with the top member's way to the final marked, on a grid of
// `unit`-pixel cells whose origin is `origin`. The lines are filled rectangles so that they
// stay sharp at every size.
void drawBracket(QPainter& painter, QPoint origin, int unit, const QColor& line) {
    auto hLine = [&](int x0, int x1, int y, const QColor& color) {
        painter.fillRect(origin.x() + x0 * unit, origin.y() + y * unit, (x1 - x0 + 1) * unit, unit,
                         color);
    };
    auto vLine = [&](int x, int y0, int y1, const QColor& color) {
        painter.fillRect(origin.x() + x * unit, origin.y() + y0 * unit, unit, (y1 - y0 + 1) * unit,
                         color);
    };
    // Members at rows 0, 4, 7 and 11; semi-final lines at 2 and 9; the final at 5.
    hLine(0, 3, 4, line);
    hLine(0, 3, 7, line);
    hLine(0, 3, 11, line);
    vLine(3, 2, 4, line);
    vLine(3, 7, 11, line);
    hLine(3, 7, 9, line);
    vLine(7, 5, 9, line);
    // The winner's way, drawn last so that it lies on top where lines meet.
    hLine(0, 3, 0, kWinColor);
    vLine(3, 0, 2, kWinColor);
    hLine(3, 7, 2, kWinColor);
    vLine(7, 2, 5, kWinColor);
    hLine(7, 10, 5, kWinColor);
}

QImage drawDocumentIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal u = size / 16.0;
    auto polygon = [u](std::initializer_list<QPointF> points) {
        QPolygonF shape;
        for (const QPointF& p : points) shape << p * u;
        return shape;
    };
    // A page with its top right corner folded over: a grey outline, the white sheet, and the
    // fold as a light triangle.
    painter.setBrush(QColor(0x50, 0x50, 0x50));
    painter.drawPolygon(polygon({{1, 0}, {11, 0}, {15, 4}, {15, 16}, {1, 16}}));
    painter.setBrush(Qt::white);
    painter.drawPolygon(polygon({{2, 1}, {10, 1}, {10, 5}, {14, 5}, {14, 15}, {2, 15}}));
    painter.setBrush(QColor(0xD0, 0xD0, 0xD0));
    painter.drawPolygon(polygon({{11, 1.4}, {11, 4}, {13.6, 4}}));
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawBracket(painter, QPoint(int(3 * u), int(3 * u)), std::max(1, size / 16),
                QColor(0x80, 0x80, 0x80));
    return image;
}

QIcon makeIcon(QImage (*draw)(int)) {
    QIcon icon;
    for (const int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(draw(size)));
    return icon;
}

}  // namespace

QImage appIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    // A dark blue tile with rounded corners.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x3A, 0x6E));
    painter.drawRoundedRect(QRectF(0, 0, size, size), 3 * u, 3 * u);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawBracket(painter, QPoint(int(2 * u), int(2 * u)), std::max(1, size / 16), Qt::white);
    // The champion's place at the end of the final line.
    painter.fillRect(QRectF(12 * u, 6 * u, 2 * u, 2 * u), kGoldColor);
    return image;
}

QIcon appIcon() {
    static const QIcon icon = makeIcon(appIconImage);
    return icon;
}

QIcon documentIcon() {
    static const QIcon icon = makeIcon(drawDocumentIcon);
    return icon;
}

namespace {

// A bent arrow, pointing left for undo and right (mirrored) for redo, in the toolbar's size.
QPixmap historyArrow(bool redo) {
    QImage image(16, 15, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (redo) painter.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
    const QColor arrow(0x1F, 0x3A, 0x6E);
    QPainterPath bend;
    bend.moveTo(4, 6);
    bend.lineTo(10, 6);
    bend.cubicTo(15, 6, 15, 13, 10, 13);
    bend.lineTo(6, 13);
    painter.setPen(QPen(arrow, 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(bend);
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrow);
    painter.drawPolygon(QPolygonF({QPointF(0.5, 6), QPointF(5.5, 1.5), QPointF(5.5, 10.5)}));
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

QPixmap toolbarPicture(ToolbarPicture picture) {
    switch (picture) {
        case ToolbarPicture::New: return QPixmap(tb_new_xpm);
        case ToolbarPicture::Open: return QPixmap(tb_open_xpm);
        case ToolbarPicture::Save: return QPixmap(tb_save_xpm);
        case ToolbarPicture::Cut: return QPixmap(tb_cut_xpm);
        case ToolbarPicture::Copy: return QPixmap(tb_copy_xpm);
        case ToolbarPicture::Paste: return QPixmap(tb_paste_xpm);
        case ToolbarPicture::Undo: return historyArrow(false);
        case ToolbarPicture::Redo: return historyArrow(true);
        case ToolbarPicture::Print: return QPixmap(tb_print_xpm);
        case ToolbarPicture::HtmlExport: return QPixmap(tb_html_export_xpm);
        case ToolbarPicture::HtmlSettings: return QPixmap(tb_html_settings_xpm);
        case ToolbarPicture::About: return QPixmap(tb_about_xpm);
    }
    return QPixmap();
}

}  // namespace kaz::app
