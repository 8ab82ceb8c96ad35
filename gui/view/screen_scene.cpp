#include "view/screen_scene.h"

#include "document/bracket_document.h"
#include "painting/bracket_renderer.h"
#include "scene/sheet_scene.h"

namespace kaz::gui {

ScreenScene::ScreenScene(BracketDocument* document, QObject* parent)
    : QObject(parent), m_document(document) {
    // Every change of the bracket comes on this signal. A click's recolours its lines and takes
    // away the scores it cleared; after any other the scene is made again when painted.
    connect(document, &BracketDocument::changed, this, [this](const kaz::DocumentChange& change) {
        if (m_scene && !kaz::applyResultChange(*m_scene, m_document->bracket(), change)) {
            m_scene.reset();
        }
    });
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
