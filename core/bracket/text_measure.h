#pragma once

#include <string_view>

// How wide an output draws the texts of a sheet, in the sheet's pixels: Qt's font metrics for
// the window, the printer and images, an estimate for the live page, which cannot measure the
// browser's fonts. The sheet's picture is planned from these widths alone.

namespace kaz {

// A text as an output lays it out: its width, and whether the output cut it short before
// measuring (a name too long to be laid out whole).
struct MeasuredText {
    int width = 0;
    bool cut = false;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Member `member`'s name as the output draws it.
    virtual MeasuredText name(int member) const = 0;
    // Member `member`'s club; a width of 0 where none is set.
    virtual MeasuredText club(int member) const = 0;
    // The sheet's title and second line as drawn condensed towards `room` as far as the output
    // condenses them: their full width where that fits; 0 where there is none.
    virtual int title(int room) const = 0;
    virtual int subtitle(int room) const = 0;
};

// What a text of the sheet is, which gives it its face in every output.
enum class TextRole {
    Name,
    Club,
    SeedMark,
    Score,
    RoundName,
    Title,
    Subtitle,
    Champion,
    MatchNumber,
    ThirdPlace,  // the heading, a side's name and the winner of the third place
    DrawNumber,
};
constexpr int kTextRoles = int(TextRole::DrawNumber) + 1;

// How one text is drawn in an output's face for its role: the pen's advance, where its ink
// starts after the pen, and how far right of the pen its ink and advance reach, in whole pixels.
struct TextRun {
    int advance = 0;
    int inkLeft = 0;
    int width = 0;
};

// An output's measure of any text of a role (UTF-8) at `stretch` percent of its face's width.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual TextRun run(TextRole role, std::string_view utf8, int stretch) const = 0;
    // The height of a line of text of `role`.
    virtual int lineHeight(TextRole role) const = 0;
};

}  // namespace kaz
