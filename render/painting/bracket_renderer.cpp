#include "painting/bracket_renderer.h"

#include <QPainter>
#include <algorithm>
#include <limits>
#include <mutex>
#include <optional>
#include <utility>

#include "bridge/qt_geometry.h"
#include "painting/scene_painter.h"
#include "scene/sheet_scene.h"

namespace kaz::render {

std::shared_ptr<const kaz::Scene> pictureScene(const kaz::Bracket& bracket) {
    // A print, an image or a preview asks for the same bracket's picture several times (its
    // extent, its orientation, its painting): the last scene is kept while the bracket stands.
    static std::mutex mutex;
    static std::optional<std::pair<kaz::Bracket, std::shared_ptr<const kaz::Scene>>> last;
    const std::lock_guard<std::mutex> lock(mutex);
    if (last && last->first.memberCount() == bracket.memberCount() &&
        last->first.content() == bracket.content()) {
        return last->second;
    }
    static const kaz::SceneStyle style = kaz::pictureSceneStyle();
    static const QtTextMetrics metrics(style);
    const kaz::SheetTexts texts(bracket, metrics);
    const kaz::SheetPicturePlan plan = kaz::planScene(bracket, texts, style);
    auto scene =
        std::make_shared<const kaz::Scene>(kaz::buildScene(bracket, plan, texts, metrics, style));
    last.emplace(bracket, scene);
    return scene;
}

std::shared_ptr<const kaz::Scene> screenScene(const kaz::Bracket& bracket) {
    // Every widget of a window paints its part of the same scene: the last one is kept while
    // the bracket stands.
    static std::mutex mutex;
    static std::optional<std::pair<kaz::Bracket, std::shared_ptr<const kaz::Scene>>> last;
    const std::lock_guard<std::mutex> lock(mutex);
    if (last && last->first.memberCount() == bracket.memberCount() &&
        last->first.content() == bracket.content()) {
        return last->second;
    }
    static const kaz::SceneStyle style = [] {
        kaz::SceneStyle screen = kaz::pictureSceneStyle();
        screen.screen = true;
        return screen;
    }();
    static const QtTextMetrics metrics(style);
    const kaz::SheetTexts texts(bracket, metrics, false);
    kaz::SheetPicturePlan plan;
    plan.layout = kaz::layoutSheet(bracket);
    // Nothing is condensed: the sheet on screen is as wide as its boxes, and scrolls.
    plan.titleRoom = plan.subtitleRoom = std::numeric_limits<int>::max();
    auto scene =
        std::make_shared<const kaz::Scene>(kaz::buildScene(bracket, plan, texts, metrics, style));
    last.emplace(bracket, scene);
    return scene;
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
