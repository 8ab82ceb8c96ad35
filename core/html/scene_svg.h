#pragma once

#include <string_view>

#include "bracket/text_measure.h"
#include "html/html_cells.h"
#include "scene/scene.h"

// The SVG backend of the scene (scene/scene.h): the live page's chart, and any scene a test
// draws through both backends.

namespace kaz {

// `scene` as one <svg> element as large as its extent, labelled `label` (UTF-8, escaped): a
// <rect> a fill (a pair's join of one colour as one) or frame, classed by its ink, and a <text>
// a text, classed by its role, its middle at the height its anchor gives by `metrics`' line
// heights. The page's style gives the classes their colours and faces.
void appendSceneSvg(html::PageBuffer& out, const Scene& scene, const TextMetrics& metrics,
                    std::string_view label);

}  // namespace kaz
