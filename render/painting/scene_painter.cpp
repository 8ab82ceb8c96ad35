#include "painting/scene_painter.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "painting/shrunk_text.h"

namespace kaz::render {
namespace {

constexpr qreal kScreenDpi = 96;
// How far a fill reaches past its rectangle on a device that smooths edges.
constexpr qreal kSeamReach = 1;

QColor inkColor(const kaz::ColorSet& colors, kaz::Ink ink) {
    switch (ink) {
        case kaz::Ink::Win: return qColorFromString(colors.winLineColor);
        case kaz::Ink::Lose: return qColorFromString(colors.loseLineColor);
        case kaz::Ink::Background: return qColorFromString(colors.backgroundColor);
        case kaz::Ink::Member: return qColorFromString(colors.memberColor);
        case kaz::Ink::Score: return qColorFromString(colors.scoreColor);
    }
    return QColor();
}

bool smoothsEdges(QPainter& painter) {
    return painter.paintEngine() && painter.paintEngine()->type() != QPaintEngine::Raster;
}

// True when the device's pixels are not the sheet's: a half pixel can show there.
bool finerThanTheSheet(QPainter& painter) {
    const QTransform transform = painter.deviceTransform();
    return smoothsEdges(painter) || transform.m11() != 1 || transform.m22() != 1;
}

// A fill's rectangle as the device draws it.
QRectF fillArea(const kaz::SceneItem& item, bool finer) {
    const QRectF area(toQRect(item.rect));
    if (!finer) return area;
    return area.adjusted(-item.finerLeft / 2.0, 0, item.finerRight / 2.0, 0);
}

QRectF reached(const QRectF& area, uint8_t reach) {
    return area.adjusted(
        reach & kaz::ReachLeft ? -kSeamReach : 0, reach & kaz::ReachTop ? -kSeamReach : 0,
        reach & kaz::ReachRight ? kSeamReach : 0, reach & kaz::ReachBottom ? kSeamReach : 0);
}

// True when `lower` continues `upper` straight down in its colour.
bool continues(const kaz::SceneItem& upper, const kaz::SceneItem& lower) {
    return lower.kind == kaz::SceneItem::Kind::Fill && lower.ink == upper.ink &&
           lower.rect.left == upper.rect.left && lower.rect.width == upper.rect.width &&
           lower.finerLeft == upper.finerLeft && lower.finerRight == upper.finerRight &&
           lower.rect.top == upper.rect.bottom();
}

Qt::Alignment alignmentOf(const kaz::SceneItem& item) {
    const Qt::Alignment horizontal = item.anchor == kaz::Anchor::Start    ? Qt::AlignLeft
                                     : item.anchor == kaz::Anchor::Middle ? Qt::AlignHCenter
                                                                          : Qt::AlignRight;
    const Qt::Alignment vertical = item.vertical == kaz::VerticalAnchor::Top ? Qt::AlignTop
                                   : item.vertical == kaz::VerticalAnchor::Bottom
                                       ? Qt::AlignBottom
                                       : Qt::AlignVCenter;
    return horizontal | vertical;
}

void paintText(QPainter& painter, const kaz::SceneItem& item, const QFont& font,
               const kaz::ColorSet& colors) {
    const QString text = QString::fromUtf8(item.text.data(), qsizetype(item.text.size()));
    painter.save();
    if (item.clip.width > 0 && item.clip.height > 0) {
        painter.setClipRect(toQRect(item.clip), Qt::IntersectClip);
    }
    painter.setFont(font);
    QRect rect = toQRect(item.rect);
    Qt::Alignment alignment = alignmentOf(item);
    if (item.backdrop) {
        // An opaque background behind the text only (its ink may stand out of its advance),
        // and the text drawn in that box, placed by its advance in whole pixels.
        const QFontMetrics metrics = painter.fontMetrics();
        const int advance = metrics.horizontalAdvance(text);
        const int left = item.anchor == kaz::Anchor::Start ? rect.left()
                         : item.anchor == kaz::Anchor::Middle
                             ? rect.left() + (rect.width() - advance) / 2
                             : rect.left() + rect.width() - advance;
        const QRect box(left, rect.top(), advance, metrics.height());
        const QRect ink =
            metrics.boundingRect(text).translated(left, rect.top() + metrics.ascent());
        painter.fillRect(box.united(ink), inkColor(colors, kaz::Ink::Background));
        rect = box;
        alignment = Qt::AlignLeft | Qt::AlignTop;
    }
    painter.setPen(inkColor(colors, item.ink));
    drawSheetText(
        painter, rect,
        int(alignment) | Qt::TextSingleLine | (item.clipToRect ? 0 : int(Qt::TextDontClip)), text);
    painter.restore();
}

}  // namespace

QFont sceneFont(const kaz::TextFace& face, const QPaintDevice* device, int stretch) {
    QFont font;
    if (face.plain) {
        font = japaneseFontPixels(int(std::lround(face.pixels)), face.weight);
    } else {
        // Sized in points for the device, so that it is as large in the sheet's pixels anywhere.
        const int dpi =
            device && device->logicalDpiY() > 0 ? device->logicalDpiY() : int(kScreenDpi);
        const qreal points = std::round(face.pixels * 72 / kScreenDpi * 1000) / 1000;
        font = japaneseFontPoints(points * kScreenDpi / dpi);
        if (face.weight != QFont::Normal) font.setWeight(QFont::Weight(face.weight));
    }
    if (face.weight > QFont::Normal) font = emboldened(font);
    if (stretch != 100) font.setStretch(stretch);
    return font;
}

QtTextMetrics::QtTextMetrics(const kaz::SceneStyle& style)
    : m_style(style), m_reference(1, 1, QImage::Format_RGB32) {
    m_lineHeights.fill(-1);
}

QFont QtTextMetrics::font(kaz::TextRole role, int stretch) const {
    return sceneFont(m_style.face(role), &m_reference, stretch);
}

kaz::TextRun QtTextMetrics::run(kaz::TextRole role, std::string_view utf8, int stretch) const {
    std::string key;
    key.reserve(utf8.size() + 2);
    key += char(role);
    key += char(stretch);
    key += utf8;
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (const auto found = m_runs.find(key); found != m_runs.end()) return found->second;
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    const QFont face = font(role, stretch);
    const QFontMetricsF metrics(face, &m_reference);
    const QFontMetrics whole(face, &m_reference);
    const qreal ink = text.isEmpty() ? 0 : metrics.tightBoundingRect(text).right();
    const kaz::TextRun run{whole.horizontalAdvance(text), whole.boundingRect(text).left(),
                           int(std::ceil(std::max(metrics.horizontalAdvance(text), ink)))};
    // A bounded memory: the widths of one sheet's texts.
    if (m_runs.size() > 4096) m_runs.clear();
    m_runs.emplace(std::move(key), run);
    return run;
}

int QtTextMetrics::lineHeight(kaz::TextRole role) const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    int& height = m_lineHeights[size_t(role)];
    if (height < 0) height = QFontMetrics(font(role, 100), &m_reference).height();
    return height;
}

namespace {

// Draws the items of `scene` at `order` (indices, in drawing order).
template <typename Order>
void paintItems(QPainter& painter, const kaz::Scene& scene, const kaz::ColorSet& colors,
                const Order& order) {
    const bool smoothed = smoothsEdges(painter);
    const bool finer = finerThanTheSheet(painter);
    const std::vector<kaz::SceneItem>& items = scene.items;
    for (auto at = order.begin(); at != order.end(); ++at) {
        const kaz::SceneItem& item = items[*at];
        switch (item.kind) {
            case kaz::SceneItem::Kind::Fill: {
                if (!smoothed) {
                    painter.fillRect(fillArea(item, finer), inkColor(colors, item.ink));
                    break;
                }
                QRectF area = reached(fillArea(item, finer), item.reach);
                const auto next = at + 1;
                if (next != order.end() && *next == *at + 1 && continues(item, items[*next])) {
                    // One piece, without the seam two would show.
                    area = fillArea(item, finer).united(fillArea(items[*next], finer));
                    at = next;
                }
                painter.fillRect(area, inkColor(colors, item.ink));
                break;
            }
            case kaz::SceneItem::Kind::Frame:
                painter.save();
                painter.setPen(inkColor(colors, item.ink));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(toQRect(item.rect)).adjusted(0.5, 0.5, -0.5, -0.5));
                painter.restore();
                break;
            case kaz::SceneItem::Kind::Text:
                if (item.text.empty()) break;
                paintText(painter, item, sceneFont(item.face, painter.device(), item.stretch),
                          colors);
                break;
            case kaz::SceneItem::Kind::Hit: break;
        }
    }
}

}  // namespace

void paintScene(QPainter& painter, const kaz::Scene& scene, const kaz::ColorSet& colors,
                const std::function<bool(const kaz::SceneItem&)>& drawn) {
    std::vector<uint32_t> order;
    order.reserve(scene.items.size());
    for (size_t at = 0; at < scene.items.size(); ++at) {
        if (!drawn || drawn(scene.items[at])) order.push_back(uint32_t(at));
    }
    paintItems(painter, scene, colors, order);
}

void paintTagged(QPainter& painter, const kaz::Scene& scene, const kaz::ColorSet& colors,
                 kaz::SceneTag tag) {
    paintItems(painter, scene, colors, kaz::taggedItems(scene, tag));
}

}  // namespace kaz::render
