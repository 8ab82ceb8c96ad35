#include "view/screen_scene.h"

#include "document/bracket_document.h"
#include "painting/bracket_renderer.h"

namespace kaz::gui {

ScreenScene::ScreenScene(BracketDocument* document, QObject* parent)
    : QObject(parent), m_document(document) {
    // Every change of the bracket comes on this signal; the scene is made again when painted.
    connect(document, &BracketDocument::changed, this, [this] { m_scene.reset(); });
}

const kaz::Scene& ScreenScene::scene() const {
    if (!m_scene) m_scene = render::screenScene(m_document->bracket());
    return *m_scene;
}

const kaz::ColorSet& ScreenScene::colors() const { return m_document->bracket().colors(); }

bool ScreenScene::hitNear(kaz::SceneTag tag, kaz::Point point, int reach) const {
    return kaz::hitNear(scene(), tag, point, reach);
}

}  // namespace kaz::gui
