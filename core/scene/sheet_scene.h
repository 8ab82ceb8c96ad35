#pragma once

#include <string>
#include <vector>

#include "bracket/sheet_picture_plan.h"
#include "bracket/text_measure.h"
#include "scene/scene.h"

// The scene of a bracket's sheet: every rule of what the pictures and the page draw where, once.
// The rounds' names over their columns, the clubs, the seed marks beside their names as drawn,
// the match numbers (the third-place match's too), the draw number, the names, the third place,
// every line (a bye's missing stub, the mirrored lines and the upright champion's line of a
// two-sided sheet among them) with its score and its share of the pair's join, and the champion.

namespace kaz {

class Bracket;
struct DocumentChange;

// The texts of a sheet that plan its columns and headers, as an output measures them.
class SheetTexts : public TextMeasure {
public:
    // `columns`: with the names and clubs, which the screen's scene leaves to its boxes.
    SheetTexts(const Bracket& bracket, const TextMetrics& metrics, bool columns = true);

    MeasuredText name(int member) const override;
    MeasuredText club(int member) const override;
    int title(int room) const override;
    int subtitle(int room) const override;

    // The texts as laid out (text_fit.h), and the names' and clubs' full widths.
    const std::string& nameText(int member) const { return m_names[size_t(member)].text; }
    bool nameCut(int member) const { return m_names[size_t(member)].cut; }
    int nameWidth(int member) const { return m_names[size_t(member)].width; }
    const std::string& clubText(int member) const { return m_clubs[size_t(member)].text; }
    bool clubCut(int member) const { return m_clubs[size_t(member)].cut; }
    int clubWidth(int member) const { return m_clubs[size_t(member)].width; }
    const std::string& titleText() const { return m_title; }
    const std::string& subtitleText() const { return m_subtitle; }

private:
    struct Column {
        std::string text;
        int width = 0;  // measured once: the plan and the scene both need it
        bool cut = false;
    };
    Column column(TextRole role, const std::string& documentText) const;
    int condensed(TextRole role, const std::string& text, int room) const;

    const TextMetrics& m_metrics;
    std::vector<Column> m_names;
    std::vector<Column> m_clubs;
    std::string m_title;
    std::string m_subtitle;
};

// The picture of `bracket`'s sheet planned from `texts` (planSheetPicture), as `style` lays it out.
SheetPicturePlan planScene(const Bracket& bracket, const SheetTexts& texts,
                           const SceneStyle& style);

// The scene of `bracket` on the sheet that `plan` lays out, its texts measured by `metrics` and
// laid out as `style` says.
Scene buildScene(const Bracket& bracket, const SheetPicturePlan& plan, const SheetTexts& texts,
                 const TextMetrics& metrics, const SceneStyle& style);

// The scene of the sheet as the window shows it: laid out as it is given, nothing condensed
// (the sheet scrolls), the names and clubs left to their boxes. `style` is a screen's.
Scene buildScreenScene(const Bracket& bracket, const TextMetrics& metrics, const SceneStyle& style);

// Brings `scene`, built for the bracket before `change`, up to `bracket` after it where the
// change only carried results between lines, as a click does: the strokes and joins of those
// lines (and of the finalists beside them) take their colours anew, and the scores the change
// cleared are taken away, which is all such a change alters. False, leaving `scene` as it was,
// where the change touched anything else (a score written, a name, the champion, the third
// place) and the scene must be built again.
bool applyResultChange(Scene& scene, const Bracket& bracket, const DocumentChange& change);

}  // namespace kaz
