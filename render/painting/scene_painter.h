#pragma once

#include <QFont>
#include <QImage>
#include <array>
#include <functional>
#include <mutex>
#include <string_view>
#include <unordered_map>

#include "color/color_set.h"
#include "scene/scene.h"

class QPainter;
class QPaintDevice;

namespace kaz::render {

// The QPainter backend of the core's scene (scene/scene.h): the window, the printer, PNG, PDF,
// the clipboard and the draw preview. It only turns items into QPainter calls; what a device
// needs of its own is generic: on a device that smooths edges (a PDF, a printer) a fill reaches
// a pixel under what is drawn after it where the scene says so, and two fills of one colour
// that meet edge to edge one above the other (a pair's join) are drawn as one piece, since two
// would show a seam where they meet.

// The face of `face` for painting on `device` in the sheet's pixels, at `stretch` percent.
QFont sceneFont(const kaz::TextFace& face, const QPaintDevice* device, int stretch = 100);

// Texts measured with Qt's fonts in the faces of `style`, on an image of the screen's
// resolution, which is what the sheet's pixels are. The last widths are kept.
class QtTextMetrics : public kaz::TextMetrics {
public:
    explicit QtTextMetrics(const kaz::SceneStyle& style);
    kaz::TextRun run(kaz::TextRole role, std::string_view utf8, int stretch) const override;
    int lineHeight(kaz::TextRole role) const override;

private:
    QFont font(kaz::TextRole role, int stretch) const;

    kaz::SceneStyle m_style;
    QImage m_reference;
    // The kept widths, which a print or an image on another thread may ask for too.
    mutable std::mutex m_mutex;
    mutable std::unordered_map<std::string, kaz::TextRun> m_runs;
    mutable std::array<int, kaz::kTextRoles> m_lineHeights;
};

// Draws the items of `scene` that `drawn` takes (all where it is empty) with the sheet's
// top-left corner at the painter's origin, in `colors`.
void paintScene(QPainter& painter, const kaz::Scene& scene, const kaz::ColorSet& colors,
                const std::function<bool(const kaz::SceneItem&)>& drawn = {});

// Draws the items of `scene` tagged `tag` (a line or a third-place side), found by its index.
void paintTagged(QPainter& painter, const kaz::Scene& scene, const kaz::ColorSet& colors,
                 kaz::SceneTag tag);

}  // namespace kaz::render
