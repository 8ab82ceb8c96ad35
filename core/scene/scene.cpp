#include "scene/scene.h"

#include "bracket/bracket_geometry.h"

namespace kaz {
namespace {

void setFace(SceneStyle& style, TextRole role, double pixels, int weight = 400, bool plain = true) {
    style.faces[size_t(role)] = {pixels, weight, plain};
}

}  // namespace

SceneStyle pictureSceneStyle() {
    SceneStyle style;
    style.columns = measuredPictureStyle();
    // The names' face is 11 points on a screen of 96 dots per inch.
    constexpr double kNamePixels = 11.0 * 96 / 72;
    setFace(style, TextRole::Name, kNamePixels, 400, false);
    setFace(style, TextRole::Club, kNamePixels, 400, false);
    setFace(style, TextRole::SeedMark, 12);  // as large as the round names, to be read on screen
    setFace(style, TextRole::Score, 12);
    setFace(style, TextRole::RoundName, 12);
    setFace(style, TextRole::Title, 18, 600);
    setFace(style, TextRole::Subtitle, 13);
    setFace(style, TextRole::Champion, 14, 600);
    setFace(style, TextRole::MatchNumber, 10);
    setFace(style, TextRole::ThirdPlace, 12);
    setFace(style, TextRole::DrawNumber, 10);
    return style;
}

SceneStyle pageSceneStyle() {
    SceneStyle style;
    style.columns = estimatedPictureStyle();
    // In CSS pixels, no text under 12, so that the chart reads on a phone at its natural size.
    setFace(style, TextRole::Name, 13);
    setFace(style, TextRole::Club, 12);
    setFace(style, TextRole::SeedMark, 12);
    setFace(style, TextRole::Score, 12);
    setFace(style, TextRole::RoundName, 12);
    setFace(style, TextRole::Title, 18, 700);
    setFace(style, TextRole::Subtitle, 14);
    setFace(style, TextRole::Champion, 15, 700);
    setFace(style, TextRole::MatchNumber, 12);
    setFace(style, TextRole::ThirdPlace, 12);
    setFace(style, TextRole::DrawNumber, 12);
    // A browser's face may draw wider than estimated: neighbouring round names keep this apart.
    style.roundNameGap = 8;
    style.seedMarkGap = 10;
    style.scoresWithinLine = true;
    return style;
}

}  // namespace kaz
