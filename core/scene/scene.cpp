#include "scene/scene.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "bracket/bracket_geometry.h"
#include "bracket/sheet_info.h"

namespace kaz {
namespace {

void setFace(SceneStyle& style, TextRole role, double pixels, int weight = 400, bool plain = true) {
    style.faces[size_t(role)] = {pixels, weight, plain};
}

// The slot of a tag in a scene's index; -1 where it has none.
int tagSlot(const SceneTag& tag, int lines) {
    if (tag.kind == SceneTag::Kind::Line && tag.index >= 0 && tag.index < lines) return tag.index;
    if (tag.kind == SceneTag::Kind::ThirdPlaceSide && tag.index >= 0 &&
        tag.index < kThirdPlaceSides) {
        return lines + tag.index;
    }
    return -1;
}

}  // namespace

void indexScene(Scene& scene, int lines) {
    scene.lines = lines;
    const size_t slots = size_t(lines + kThirdPlaceSides);
    scene.taggedStart.assign(slots + 1, 0);
    for (const SceneItem& item : scene.items) {
        const int slot = tagSlot(item.tag, lines);
        if (slot >= 0) ++scene.taggedStart[size_t(slot) + 1];
    }
    for (size_t slot = 0; slot < slots; ++slot) {
        scene.taggedStart[slot + 1] += scene.taggedStart[slot];
    }
    scene.tagged.assign(scene.taggedStart.back(), 0);
    std::vector<uint32_t> next(scene.taggedStart.begin(), scene.taggedStart.end() - 1);
    for (size_t at = 0; at < scene.items.size(); ++at) {
        const int slot = tagSlot(scene.items[at].tag, lines);
        if (slot >= 0) scene.tagged[next[size_t(slot)]++] = uint32_t(at);
    }
}

TaggedItems taggedItems(const Scene& scene, SceneTag tag) {
    const int slot = tagSlot(tag, scene.lines);
    if (slot < 0 || size_t(slot) + 1 >= scene.taggedStart.size()) return {};
    const uint32_t* base = scene.tagged.data();
    return {base + scene.taggedStart[size_t(slot)], base + scene.taggedStart[size_t(slot) + 1]};
}

namespace {

// The order in which items that draw alike stand next to each other.
bool drawnBefore(const SceneItem* a, const SceneItem* b) {
    return std::tie(a->rect.top, a->rect.left, a->rect.width, a->rect.height, a->kind, a->ink,
                    a->text, a->face.weight, a->face.pixels, a->stretch, a->anchor) <
           std::tie(b->rect.top, b->rect.left, b->rect.width, b->rect.height, b->kind, b->ink,
                    b->text, b->face.weight, b->face.pixels, b->stretch, b->anchor);
}

std::vector<const SceneItem*> sortedItems(const Scene& scene) {
    std::vector<const SceneItem*> items;
    items.reserve(scene.items.size());
    for (const SceneItem& item : scene.items) items.push_back(&item);
    std::sort(items.begin(), items.end(), drawnBefore);
    return items;
}

}  // namespace

std::optional<std::vector<Rect>> changedRects(const Scene& before, const Scene& after) {
    if (before.extent.width != after.extent.width || before.extent.height != after.extent.height) {
        return std::nullopt;
    }
    // What either draws and the other does not, whatever order they draw in.
    const std::vector<const SceneItem*> old = sortedItems(before);
    const std::vector<const SceneItem*> now = sortedItems(after);
    std::vector<const SceneItem*> differ;
    std::set_symmetric_difference(old.begin(), old.end(), now.begin(), now.end(),
                                  std::back_inserter(differ), drawnBefore);
    std::vector<Rect> changed;
    changed.reserve(differ.size());
    for (const SceneItem* item : differ) changed.push_back(item->rect);
    return changed;
}

bool hitNear(const Scene& scene, SceneTag tag, Point point, int reach) {
    for (uint32_t at : taggedItems(scene, tag)) {
        const SceneItem& item = scene.items[at];
        if (item.kind != SceneItem::Kind::Fill && item.kind != SceneItem::Kind::Hit) continue;
        const Rect& rect = item.rect;
        if (point.x >= rect.left - reach && point.x < rect.right() + reach &&
            point.y >= rect.top - reach && point.y < rect.bottom() + reach) {
            return true;
        }
    }
    return false;
}

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
