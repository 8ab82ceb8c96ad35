#include "dialogs/draw_preview.h"

#include <QPainter>
#include <algorithm>

#include "color/color_set.h"
#include "painting/bracket_renderer.h"
#include "painting/pool_picture.h"
#include "painting/scene_painter.h"

namespace kaz::gui {

DrawPreview::DrawPreview(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DrawPreview::setBracket(std::optional<kaz::Bracket> bracket) {
    m_bracket = std::move(bracket);
    m_pools.reset();
    m_poolScene.reset();
    update();
}

void DrawPreview::setPools(std::optional<kaz::PoolStage> stage) {
    m_bracket.reset();
    m_pools = std::move(stage);
    m_poolScene.reset();
    if (m_pools) m_poolScene = render::poolStageScene(*m_pools);
    update();
}

// A 16-member bracket at four fifths of its size, where its names can still be read.
QSize DrawPreview::sizeHint() const { return render::bracketExtent(kaz::Bracket(16)) * 4 / 5; }

void DrawPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (m_poolScene) {
        const QRectF room = QRectF(rect()).adjusted(4, 4, -4, -4);
        const kaz::Size extent = m_poolScene->extent;
        const qreal scale = std::min({1.0, room.width() / std::max(1, extent.width),
                                      room.height() / std::max(1, extent.height)});
        painter.translate(room.topLeft());
        painter.scale(scale, scale);
        painter.fillRect(QRectF(0, 0, extent.width, extent.height), Qt::white);
        render::paintScene(painter, *m_poolScene, kaz::ColorSet());
        return;
    }
    if (!m_bracket) return;
    render::renderBracketFitted(painter, *m_bracket, QRectF(rect()).adjusted(4, 4, -4, -4));
}

}  // namespace kaz::gui
