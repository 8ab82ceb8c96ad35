#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "bracket/bracket_shape.h"
#include "bracket/line_result.h"
#include "text/messages.h"

// How an organiser's sheet shows around the bare bracket: a title and a second line, the
// rounds' names, match numbers, the club column, the draw that made it, the third place and the
// two-sided layout. Each member's club, seed and bye are the bracket's member data beside the
// names (MemberMarks), the third-place match's results sit beside the line results.

namespace kaz {

// How a sheet shows third place: not at all, both semi-finals' losers as third (as kendo and
// judo events rank them), or a match between them.
enum class ThirdPlace : int32_t {
    None = 0,
    Shared = 1,
    Match = 2,
};

// The language of the words a sheet writes of its own (round names, 3位決定戦, 抽選番号, the
// page's title): the sheet's, stored with it, whatever the editor's language.
enum class SheetLanguage : int32_t {
    Japanese = 0,
    English = 1,
};

// The language of a new bracket's sheet, made by a program that speaks `language` (the editor,
// kazdraw): its own words in the words of the program around it.
constexpr SheetLanguage sheetLanguageOf(Language language) {
    return language == Language::English ? SheetLanguage::English : SheetLanguage::Japanese;
}

// The language a sheet in `language` writes its words in.
constexpr Language languageOf(SheetLanguage language) {
    return language == SheetLanguage::English ? Language::English : Language::Japanese;
}

// The sides of the third-place match: the loser of the upper semi-final, and of the lower.
constexpr int kThirdPlaceSides = 2;

// The third-place match's results by side: Won on the winner's side, Open otherwise, and each
// side's score.
using ThirdPlaceResults = std::array<LineResult, kThirdPlaceSides>;

// Where a knockout's first-round slot takes its member from: a place (1位, 2位) of a pool of
// the pool stage the knockout was made from. Until that pool is decided the slot's name is its
// placeholder, 「Aブロック1位」; then it is the member's, with their club and the mark 「A1」.
struct PoolSlot {
    int pool = -1;         // the pool's index in its stage; -1 for a slot of no pool
    int place = 0;         // 1 or 2
    std::string poolName;  // the pool's name as the stage last gave it, for the mark
    bool filled = false;   // the pool's member stands in the slot

    bool isSet() const { return pool >= 0; }
    bool operator==(const PoolSlot& o) const {
        return pool == o.pool && place == o.place && poolName == o.poolName && filled == o.filled;
    }
    bool operator!=(const PoolSlot& o) const { return !(*this == o); }
};

// What the sheet shows beside a member's name. Text is document text without control
// characters, a club within kMaxClubCharacters.
struct MemberMarks {
    std::string club;   // empty for none
    int seed = 0;       // the seed number, 0 for none
    bool bye = false;   // for a first-round slot: a bye, whose name is empty
    PoolSlot fromPool;  // for a first-round slot of a knockout made from pools

    bool isEmpty() const { return club.empty() && seed == 0 && !bye && !fromPool.isSet(); }
    bool operator==(const MemberMarks& o) const {
        return club == o.club && seed == o.seed && bye == o.bye && fromPool == o.fromPool;
    }
    bool operator!=(const MemberMarks& o) const { return !(*this == o); }
};

// Text is document text (text/document_text.h) without control characters, within the limits
// of text/text_limits.h (counted on its CP932 form).
// Entries beyond the bracket's rounds stay empty.
struct SheetInfo {
    std::string title;
    std::string subtitle;  // the second line: the date and the venue, say
    // By round (column): 0 for the first round's lines, the last for the champion's column.
    // Empty for the default name (defaultRoundName), which is never stored.
    std::array<std::string, kMaxRounds> roundNames;
    bool matchNumbers = false;           // the matches numbered 1, 2, 3, …
    bool clubColumn = false;             // the club column shown even while no club is set
    std::optional<uint32_t> drawNumber;  // the number of the draw that made the bracket
    ThirdPlace thirdPlace = ThirdPlace::None;
    // The first half of the members down the left edge, the second half down the right, the
    // final in the middle.
    bool twoSided = false;
    SheetLanguage language = SheetLanguage::Japanese;
    // The file of the pool stage a knockout was made from (a UTF-8 path); empty for none.
    std::string poolFile;
    // The printed sheet carries the QR code of the venue's server (会場配信) in its corner.
    bool venueQrCode = false;

    // True when nothing is set. A bracket whose sheet is empty, with no member's marks and no
    // third-place result (usesSheet in bracket.h), shows no sheet.
    bool isEmpty() const;

    bool operator==(const SheetInfo& o) const;
    bool operator!=(const SheetInfo& o) const { return !(*this == o); }
};

// The sheet with nothing set, made once.
const SheetInfo& emptySheet();

}  // namespace kaz
