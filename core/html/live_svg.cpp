#include <cmath>
#include <vector>

#include "bracket/sheet_words.h"
#include "html/live_parts.h"
#include "html/scene_svg.h"
#include "scene/scene.h"
#include "scene/sheet_scene.h"

namespace kaz::live {
namespace {

// The chart's class of each text role: its face and colour in the page's style.
const char* textClass(TextRole role) {
    switch (role) {
        case TextRole::Name: return "n";
        case TextRole::Club: return "k";
        case TextRole::Score: return "s";
        case TextRole::Title: return "t";
        case TextRole::Subtitle: return "st";
        case TextRole::Champion: return "ch";
        case TextRole::SeedMark:
        case TextRole::RoundName:
        case TextRole::MatchNumber:
        case TextRole::ThirdPlace:
        case TextRole::DrawNumber: break;
    }
    return "x";
}

const char* fillClass(Ink ink) {
    switch (ink) {
        case Ink::Win: return "w";
        case Ink::Background: return "bg";
        case Ink::Member: return "g";  // a table's rules
        case Ink::Lose:
        case Ink::Score: break;
    }
    return "l";
}

void appendRect(PageBuffer& out, const char* cls, const Rect& rect) {
    if (rect.width <= 0 || rect.height <= 0) return;
    out += "<rect class=\"";
    out += cls;
    out += "\" x=\"";
    html::appendInt(out, rect.left);
    out += "\" y=\"";
    html::appendInt(out, rect.top);
    out += "\" width=\"";
    html::appendInt(out, rect.width);
    out += "\" height=\"";
    html::appendInt(out, rect.height);
    out += "\"/>";
}

// A text, its middle at the height its anchor gives; condensed, or drawn as wide as measured
// where something stands by it, with textLength.
void appendSceneText(PageBuffer& out, const SceneItem& item, const TextMetrics& metrics) {
    if (item.text.empty() || item.rect.width <= 0) return;
    const Rect& rect = item.rect;
    const int x = item.anchor == Anchor::Start    ? rect.left
                  : item.anchor == Anchor::Middle ? rect.left + rect.width / 2
                                                  : rect.right();
    const int line = metrics.lineHeight(item.role);
    const int y = item.vertical == VerticalAnchor::Top      ? rect.top + line / 2
                  : item.vertical == VerticalAnchor::Bottom ? rect.bottom() - line / 2
                                                            : rect.top + rect.height / 2;
    out += "<text class=\"";
    out += textClass(item.role);
    out += item.anchor == Anchor::End ? " e" : item.anchor == Anchor::Middle ? " m" : "";
    // A text in the win colour (who goes through, on a pool's table).
    if (item.ink == Ink::Win) out += " w";
    out += "\" x=\"";
    html::appendInt(out, x);
    out += "\" y=\"";
    html::appendInt(out, y);
    if ((item.stretch < 100 || item.keepsWidth) && item.width > 0) {
        out += "\" textLength=\"";
        html::appendInt(out, item.width);
        out += "\" lengthAdjust=\"spacingAndGlyphs";
    }
    out += "\">";
    appendText(out, item.text);
    out += "</text>";
}

}  // namespace

}  // namespace kaz::live

namespace kaz {

void appendSceneSvg(html::PageBuffer& out, const Scene& scene, const TextMetrics& metrics,
                    std::string_view label) {
    const Size& extent = scene.extent;
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"c\" width=\"";
    html::appendInt(out, extent.width);
    out += "\" height=\"";
    html::appendInt(out, extent.height);
    out += "\" viewBox=\"0 0 ";
    html::appendInt(out, extent.width);
    out += ' ';
    html::appendInt(out, extent.height);
    out += "\" role=\"img\" aria-label=\"";
    live::appendText(out, label);
    out += "\">\n";
    const std::vector<SceneItem>& items = scene.items;
    for (size_t at = 0; at < items.size(); ++at) {
        const SceneItem& item = items[at];
        switch (item.kind) {
            case SceneItem::Kind::Fill: {
                Rect rect = item.rect;
                // A pair's join of one colour as one rectangle.
                while (at + 1 < items.size() && items[at + 1].kind == SceneItem::Kind::Fill &&
                       items[at + 1].ink == item.ink && items[at + 1].rect.left == rect.left &&
                       items[at + 1].rect.width == rect.width &&
                       items[at + 1].rect.top == rect.bottom()) {
                    rect.height += items[++at].rect.height;
                }
                live::appendRect(out, live::fillClass(item.ink), rect);
                break;
            }
            case SceneItem::Kind::Frame: live::appendRect(out, "f", item.rect); break;
            case SceneItem::Kind::Text: live::appendSceneText(out, item, metrics); break;
            case SceneItem::Kind::Hit: break;
        }
    }
    out += "</svg>";
}

}  // namespace kaz

namespace kaz::live {

void writeLiveChart(PageBuffer& out, const Bracket& bracket) {
    static const SceneStyle style = pageSceneStyle();
    const PageMetrics metrics(style);
    const SheetTexts texts(bracket, metrics);
    const Scene scene =
        buildScene(bracket, planScene(bracket, texts, style), texts, metrics, style);
    appendSceneSvg(out, scene, metrics, sheetWords(bracket.sheet().language).chartLabel);
}

}  // namespace kaz::live
