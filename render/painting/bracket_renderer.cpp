#include "painting/bracket_renderer.h"

#include <QPainter>
#include <algorithm>
#include <mutex>
#include <optional>
#include <utility>

#include "bridge/qt_geometry.h"
#include "painting/scene_painter.h"
#include "scene/sheet_scene.h"

namespace kaz::render {

namespace {

// The last scene made of a bracket, given again while the bracket stands: a print, an image or
// a preview asks for the same picture several times (its extent, its orientation, its
// painting).
class LastScene {
public:
    template <typename Make>
    std::shared_ptr<const kaz::Scene> of(const kaz::Bracket& bracket, Make make) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_last && m_last->first.memberCount() == bracket.memberCount() &&
            m_last->first.content() == bracket.content()) {
            return m_last->second;
        }
        auto scene = std::make_shared<const kaz::Scene>(make());
        m_last.emplace(bracket, scene);
        return scene;
    }

private:
    std::mutex m_mutex;
    std::optional<std::pair<kaz::Bracket, std::shared_ptr<const kaz::Scene>>> m_last;
};

const kaz::SceneStyle& pictureStyle() {
    static const kaz::SceneStyle style = kaz::pictureSceneStyle();
    return style;
}

const QtTextMetrics& pictureMetrics() {
    static const QtTextMetrics metrics(pictureStyle());
    return metrics;
}

}  // namespace

std::shared_ptr<const kaz::Scene> pictureScene(const kaz::Bracket& bracket) {
    static LastScene last;
    return last.of(bracket, [&] {
        const kaz::SheetTexts texts(bracket, pictureMetrics());
        const kaz::SheetPicturePlan plan = kaz::planScene(bracket, texts, pictureStyle());
        return kaz::buildScene(bracket, plan, texts, pictureMetrics(), pictureStyle());
    });
}

kaz::SheetLayout pictureLayout(const kaz::Bracket& bracket) {
    return kaz::planScene(bracket, kaz::SheetTexts(bracket, pictureMetrics()), pictureStyle())
        .layout;
}

kaz::Scene screenScene(const kaz::Bracket& bracket) {
    static const kaz::SceneStyle style = [] {
        kaz::SceneStyle screen = kaz::pictureSceneStyle();
        screen.screen = true;
        return screen;
    }();
    static const QtTextMetrics metrics(style);
    return kaz::buildScreenScene(bracket, metrics, style);
}

QSize bracketExtent(const kaz::Bracket& bracket) { return toQSize(pictureScene(bracket)->extent); }

void renderBracket(QPainter& painter, const kaz::Bracket& bracket) {
    const std::shared_ptr<const kaz::Scene> scene = pictureScene(bracket);
    painter.save();
    paintScene(painter, *scene, bracket.colors());
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
