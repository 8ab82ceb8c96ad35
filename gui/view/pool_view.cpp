#include "view/pool_view.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <algorithm>
#include <tuple>

#include "bridge/qt_geometry.h"
#include "color/color_set.h"
#include "common/notice.h"
#include "dialogs/pool_match_dialog.h"
#include "document/pool_document.h"
#include "draw/draw_random.h"
#include "painting/pool_picture.h"
#include "painting/scene_painter.h"
#include "pools/pool_standings.h"

namespace kaz::gui {

namespace {

using render::toQRect;

// The union of what match `number` draws and takes clicks on: its two cells and its line of
// the order of play.
QRect matchArea(const kaz::Scene& scene, int number) {
    QRect area;
    for (const kaz::SceneItem& item : scene.items) {
        if (item.tag.kind == kaz::SceneTag::Kind::PoolMatch && item.tag.index == number - 1) {
            area = area.united(toQRect(item.rect));
        }
    }
    return area;
}

}  // namespace

// The sheet's surface: the scene at the view's zoom, the current match framed.
class PoolView::Canvas : public QWidget {
public:
    explicit Canvas(PoolView* view) : QWidget(view), m_view(view) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        const qreal scale = qreal(m_view->zoom()) / kaz::kActualSize;
        painter.scale(scale, scale);
        // The part to paint in the sheet's own pixels, a pixel to spare all round.
        const QRect exposed =
            QRectF(QRectF(event->rect()).topLeft() / scale, QRectF(event->rect()).size() / scale)
                .toAlignedRect()
                .adjusted(-1, -1, 1, 1);
        const kaz::Scene& scene = m_view->scene();
        // Only what lies in the part to paint: a result repaints its own cells and standings.
        render::paintScene(painter, scene, kaz::ColorSet(), [&exposed](const kaz::SceneItem& item) {
            return toQRect(item.rect).intersects(exposed);
        });
        if (m_view->m_current > 0 && m_view->hasFocus()) {
            for (const kaz::SceneItem& item : scene.items) {
                if (item.tag.kind != kaz::SceneTag::Kind::PoolMatch ||
                    item.tag.index != m_view->m_current - 1) {
                    continue;
                }
                painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(toQRect(item.rect).adjusted(1, 1, -1, -1));
            }
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
            m_view->pressed(event->position().toPoint(), event->button(),
                            event->globalPosition().toPoint());
        }
    }

private:
    PoolView* m_view;
};

PoolView::PoolView(PoolDocument* document, QWidget* parent)
    : ZoomedScrollArea(parent), m_document(document), m_canvas(new Canvas(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setWidget(m_canvas);
    applyZoom();
    connect(document, &PoolDocument::changed, this, &PoolView::onChanged);
}

const kaz::Scene& PoolView::scene() const {
    if (!m_scene) m_scene = render::poolStageScene(m_document->stage());
    return *m_scene;
}

std::optional<kaz::PoolMatchPlace> PoolView::matchAt(const QPoint& point) const {
    for (const kaz::SceneItem& item : scene().items) {
        if (item.tag.kind == kaz::SceneTag::Kind::PoolMatch && toQRect(item.rect).contains(point)) {
            return kaz::poolMatchOfNumber(m_document->stage(), item.tag.index + 1);
        }
    }
    return std::nullopt;
}

void PoolView::setCurrentMatch(int number) {
    if (number < 1 || number > matchCount()) return;
    m_current = number;
    const QRect area = render::zoomedCover(matchArea(scene(), number), zoom());
    if (!area.isEmpty()) {
        ensureVisible(area.center().x(), area.center().y(), area.width() / 2 + 8,
                      area.height() / 2 + 8);
    }
    m_canvas->update();
}

QPoint PoolView::cellCentre(int number) const {
    for (const kaz::SceneItem& item : scene().items) {
        if (item.tag.kind == kaz::SceneTag::Kind::PoolMatch && item.tag.index == number - 1) {
            return onCanvas(item.rect).center();
        }
    }
    return {};
}

QRect PoolView::onCanvas(const kaz::Rect& rect) const {
    return render::zoomedCover(toQRect(rect), zoom());
}

QSize PoolView::sheetExtent() const { return render::toQSize(scene().extent); }

void PoolView::applyZoom() {
    m_canvas->resize(render::toQSize(kaz::zoomed(scene().extent, zoom())));
    m_canvas->update();
}

void PoolView::enterResult(int number) {
    const kaz::PoolStage& stage = m_document->stage();
    const std::optional<kaz::PoolMatchPlace> place = kaz::poolMatchOfNumber(stage, number);
    if (!place) return;
    setCurrentMatch(number);
    const kaz::Pool& pool = stage.pools[size_t(place->pool)];
    const kaz::PoolMatch& match = pool.matches[size_t(place->match)];
    const std::array<QString, 2> names{
        QString::fromStdString(pool.members[size_t(match.first)].name),
        QString::fromStdString(pool.members[size_t(match.second)].name)};
    const QString title =
        tr("第%1試合 %2ブロック").arg(number).arg(QString::fromStdString(pool.name));
    QPointer<PoolDocument> document(m_document);
    const kaz::PoolMatchPlace at = *place;
    PoolMatchDialog dialog(
        title, names, match, stage.rules.drawsAllowed,
        [document, at](const kaz::EnteredResult& entered) -> std::optional<kaz::Refusal> {
            if (!document) return std::nullopt;
            return document->proposeResult(at.pool, at.match, entered).refusal;
        },
        window());
    QPointer<PoolView> self(this);
    if (dialog.exec() != QDialog::Accepted || !self || !document) return;
    m_document->commitResult(m_document->proposeResult(at.pool, at.match, dialog.entered()));
}

QSize PoolView::sizeHint() const {
    const int frame = 2 * frameWidth();
    return m_canvas->size() + QSize(frame, frame);
}

void PoolView::keyPressEvent(QKeyEvent* event) {
    const int count = matchCount();
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: setCurrentMatch(m_current <= 1 ? 1 : m_current - 1); return;
        case Qt::Key_Down:
        case Qt::Key_Right: setCurrentMatch(m_current >= count ? count : m_current + 1); return;
        case Qt::Key_Home: setCurrentMatch(1); return;
        case Qt::Key_End: setCurrentMatch(count); return;
        case Qt::Key_F2:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_current > 0) enterResult(m_current);
            return;
        case Qt::Key_Delete:
            if (const auto place = kaz::poolMatchOfNumber(m_document->stage(), m_current)) {
                m_document->commitResult(
                    m_document->proposeResult(place->pool, place->match, kaz::EnteredResult{}));
            }
            return;
        default: ZoomedScrollArea::keyPressEvent(event);
    }
}

void PoolView::onChanged(const kaz::PoolDocumentChange& change) {
    if (change.title) return;
    std::optional<kaz::Scene> before = std::move(m_scene);
    m_scene.reset();
    // What the change redraws; the whole sheet where it moved anything.
    const std::optional<std::vector<kaz::Rect>> changed =
        before ? kaz::changedRects(*before, scene()) : std::nullopt;
    if (!changed) {
        applyZoom();
        return;
    }
    QRegion dirty;
    for (const kaz::Rect& rect : *changed) dirty += onCanvas(rect).adjusted(-1, -1, 1, 1);
    m_canvas->update(dirty);
}

std::optional<std::pair<int, int>> PoolView::memberAt(const QPoint& point) const {
    for (const kaz::SceneItem& item : scene().items) {
        if (item.tag.kind == kaz::SceneTag::Kind::PoolMember &&
            toQRect(item.rect).contains(point)) {
            return std::pair(item.tag.index / kaz::kMaxPoolSize,
                             item.tag.index % kaz::kMaxPoolSize);
        }
    }
    return std::nullopt;
}

QMenu* PoolView::memberMenu(int pool, int member) {
    auto* menu = new QMenu(this);
    const kaz::Pool& shown = m_document->stage().pools[size_t(pool)];
    const kaz::Withdrawal now = shown.members[size_t(member)].withdrawal;
    const std::tuple<const char*, QString, kaz::Withdrawal> choices[] = {
        {"withdrawnLosing", tr("棄権 (残りの試合は負け)"), kaz::Withdrawal::MatchesLost},
        {"withdrawnRemoved", tr("棄権 (試合を成績から除く)"), kaz::Withdrawal::MatchesRemoved},
        {"notWithdrawn", tr("棄権しない"), kaz::Withdrawal::None},
    };
    QPointer<PoolDocument> document(m_document);
    for (const auto& [name, text, withdrawal] : choices) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setChecked(now == withdrawal);
        connect(action, &QAction::triggered, this, [document, pool, member, w = withdrawal] {
            if (document) document->setWithdrawal(pool, member, w);
        });
    }
    // A lot decides only among members the rules leave level.
    const kaz::PoolStandings standings = kaz::poolStandings(shown, m_document->stage().rules);
    for (const std::vector<int>& tie : standings.ties) {
        if (std::find(tie.begin(), tie.end(), member) == tie.end()) continue;
        menu->addSeparator();
        QAction* lot = menu->addAction(tr("抽選で順位を決める"));
        lot->setObjectName(QStringLiteral("drawLot"));
        connect(lot, &QAction::triggered, this, [document, pool, tie = tie] {
            if (!document) return;
            kaz::DrawRandom random(kaz::pickDrawNumber());
            document->setLot(pool,
                             kaz::drawLot(document->stage().pools[size_t(pool)], tie, random));
        });
    }
    return menu;
}

void PoolView::pressed(const QPoint& canvasPoint, Qt::MouseButton button,
                       const QPoint& globalPoint) {
    setFocus();
    const QPoint point(canvasPoint.x() * kaz::kActualSize / zoom(),
                       canvasPoint.y() * kaz::kActualSize / zoom());
    if (button == Qt::RightButton) {
        if (const auto member = memberAt(point)) {
            QMenu* menu = memberMenu(member->first, member->second);
            QPointer<PoolView> self(this);
            menu->exec(globalPoint);
            if (self) delete menu;
            return;
        }
    }
    const std::optional<kaz::PoolMatchPlace> place = matchAt(point);
    if (!place) return;
    enterResult(kaz::poolMatchNumber(m_document->stage(), place->pool, place->match));
}

int PoolView::matchCount() const {
    int count = 0;
    for (const kaz::Pool& pool : m_document->stage().pools) count += int(pool.matches.size());
    return count;
}

}  // namespace kaz::gui
