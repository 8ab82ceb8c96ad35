#pragma once

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
    // Member `member`'s name as the output draws it (with the seed mark where the output draws
    // the mark inside the name's text).
    virtual MeasuredText name(int member) const = 0;
    // Member `member`'s club; a width of 0 where none is set.
    virtual MeasuredText club(int member) const = 0;
    // The sheet's title and second line as drawn condensed towards `room` as far as the output
    // condenses them: their full width where that fits; 0 where there is none.
    virtual int title(int room) const = 0;
    virtual int subtitle(int room) const = 0;
};

}  // namespace kaz
