#pragma once

#include <QObject>
#include <optional>

#include "bracket/bracket_geometry.h"
#include "color/color_set.h"
#include "scene/scene.h"

namespace kaz::gui {

class BracketDocument;

// The scene of a document's sheet as the window shows it, made when it is first asked for
// after a change and kept until the next: every widget of the view paints its part of the one
// scene, and the lines take clicks where their items lie.
class ScreenScene : public QObject {
    Q_OBJECT
public:
    ScreenScene(BracketDocument* document, QObject* parent);

    const kaz::Scene& scene() const;
    const kaz::ColorSet& colors() const;

    // True when `point` of the sheet lies within `reach` pixels of what the line or third-place
    // side `tag` draws, or of where a bye's line would draw its stroke.
    bool hitNear(kaz::SceneTag tag, kaz::Point point, int reach) const;

private:
    BracketDocument* m_document;
    mutable std::optional<kaz::Scene> m_scene;
};

}  // namespace kaz::gui
