#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bracket/bracket_geometry.h"
#include "bracket/sheet_picture_plan.h"
#include "bracket/text_measure.h"

// The picture of a sheet as data: every filled rectangle and text that an output draws, in the
// order it draws them, each with its colour role and, for the window, what it belongs to. The
// window, the printer, the images and the live page all draw a scene made here; each only turns
// its items into its own calls. A stroke is a rectangle kStrokeWidth high across its line's
// area; a join is drawn as the lines' two shares, one rectangle each.

namespace kaz {

class Bracket;

// Which of the bracket's colours an item takes.
enum class Ink : uint8_t { Win, Lose, Background, Member, Score };

enum class Anchor : uint8_t { Start, Middle, End };
enum class VerticalAnchor : uint8_t { Top, Middle, Bottom };

// What an item belongs to, for the window's hit tests and repaints.
struct SceneTag {
    enum class Kind : uint8_t { None, Line, MemberBox, ThirdPlaceSide, PoolMatch, PoolMember };
    Kind kind = Kind::None;
    // The line, the member, the side, a pool match's number less one, or a pool member as
    // pool * kMaxPoolSize + member
    int index = -1;

    bool operator==(const SceneTag& o) const { return kind == o.kind && index == o.index; }
};

// The sides of a fill that reach a pixel further on a device that smooths edges, under what is
// drawn after it, so that no hairline shows where two parts merely meet.
enum SeamReach : uint8_t {
    ReachNone = 0,
    ReachLeft = 1,
    ReachTop = 2,
    ReachRight = 4,
    ReachBottom = 8
};

struct TextFace {
    double pixels = 12;
    int weight = 400;
    // Drawn in plain pixels of exactly its colour where the output can (the sheet's small
    // texts); else smoothed (the names and clubs, sized as the name boxes' face).
    bool plain = true;
};

struct SceneItem {
    // A filled rectangle, a one-pixel outline within it, a text, or (on screen) a place that
    // takes a click but draws nothing: a bye's line, which can then be told why it wins nothing.
    enum class Kind : uint8_t { Fill, Frame, Text, Hit };
    Kind kind = Kind::Fill;
    Ink ink = Ink::Member;
    Rect rect;  // the fill, the frame, or the box the text stands in
    SceneTag tag;
    uint8_t reach = ReachNone;  // a fill's SeamReach
    // Where a device has finer pixels than the sheet's, a fill's left and right edges lie this
    // many half pixels further out (negative: in) than its rectangle's: a join's share is half
    // of its pen, which whole pixels can only round.
    int8_t finerLeft = 0;
    int8_t finerRight = 0;

    // A text: its string (UTF-8), role and face, where it stands in its rectangle, and the fit.
    std::string text;
    TextRole role = TextRole::Name;
    Anchor anchor = Anchor::Start;
    VerticalAnchor vertical = VerticalAnchor::Middle;
    int room = 0;  // the width it may take (0: any)
    TextFace face;
    int width = 0;            // its width as fitted, measured by the output that built the scene
    int stretch = 100;        // the fit: the face condensed to this percent
    bool keepsWidth = false;  // something stands beside it by its measured width
    bool clipToRect = false;  // cut at its rectangle where it would overrun it
    Rect clip;                // also cut at this (zero-sized: not)
    bool backdrop = false;    // its box and ink cleared to the background first (a score)
};

struct Scene {
    Size extent;
    std::vector<SceneItem> items;  // in drawing order, the background first
    // The items of each line, then of each third-place side, in drawing order: indices into
    // `items` from taggedStart[slot] to taggedStart[slot + 1] (indexScene).
    std::vector<uint32_t> tagged;
    std::vector<uint32_t> taggedStart;
    int lines = 0;
};

// Indexes `scene`'s items by the line (of `lines`) or third-place side they belong to.
void indexScene(Scene& scene, int lines);

// The items of `scene` tagged `tag` (a line or a third-place side), in drawing order.
struct TaggedItems {
    const uint32_t* first = nullptr;
    const uint32_t* last = nullptr;
    const uint32_t* begin() const { return first; }
    const uint32_t* end() const { return last; }
};
TaggedItems taggedItems(const Scene& scene, SceneTag tag);

// Where `after` draws differently from `before`: the rectangles of the items either draws and
// the other does not, whatever their order; nothing where the two have different extents, which
// then differ everywhere.
std::optional<std::vector<Rect>> changedRects(const Scene& before, const Scene& after);

// True when `point` lies within `reach` pixels of a rectangle that a line or third-place side
// (`tag`) fills or takes clicks on: the white space between matches belongs to no line.
bool hitNear(const Scene& scene, SceneTag tag, Point point, int reach);

// An output's faces and measures: the pictures' (the window's too), or the live page's.
struct SceneStyle {
    PictureStyle columns;
    std::array<TextFace, kTextRoles> faces{};
    int roundNameGap = 0;  // the least room between neighbouring round names
    // Between a seed mark and its name: a page's texts keep apart by more, since a browser's
    // font may draw a name a little wider than estimated.
    int seedMarkGap = 3;
    // A score is kept within its line's area: where lines stand close (64 and 128 members) a
    // browser's font would otherwise bring an upper and a lower score together.
    bool scoresWithinLine = false;
    // The screen: its boxes show the names and clubs, so the scene has none of them, and its
    // sheet is laid out as it is given (not widened for any text).
    bool screen = false;

    const TextFace& face(TextRole role) const { return faces[size_t(role)]; }
};

// The pictures': the window, the printer, PNG, PDF and the clipboard, measured with Qt's fonts.
SceneStyle pictureSceneStyle();
// The live page's chart, measured by an estimate.
SceneStyle pageSceneStyle();

}  // namespace kaz
