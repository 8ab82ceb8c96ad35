#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "draw/list_encoding.h"
#include "text/messages.h"

// The list of entrants a draw starts from: one entrant a line, "name", "name<sep>club" or
// "name<sep>club<sep>seed", where <sep> is a tab or a comma.

namespace kaz {

constexpr int kMinEntrants = 2;
constexpr int kMaxEntrants = 128;

// A list longer than this is refused before it is read.
constexpr size_t kMaxEntrantListBytes = size_t{1} << 20;

// One entrant of the list. Text is document text (text/document_text.h).
struct Entrant {
    std::string name;
    std::string club;  // empty when none is given
    int seed = 0;      // 1 … entrant count, 0 for none
    int line = 0;      // the list's line it came from, from 1
};

// Why a list cannot be drawn: a line (from 1; 0 for the list as a whole) and the reason.
struct ListProblem {
    int line = 0;
    Message reason;
};

struct EntrantList {
    std::vector<Entrant> entrants;      // every entrant line read, in order (for counting;
                                        // drawn only when there are no problems)
    std::vector<ListProblem> problems;  // empty when the list can be drawn
    // What is drawn all the same, in line order: each character an older program shows as 〓,
    // kept as typed, at its first line ("「𠮷」は入力のまま残します。…"), and each name that an
    // earlier line has.
    std::vector<ListProblem> notes;
    TextEncoding encoding = TextEncoding::Utf8;  // the encoding the list was read in
    bool encodingAutomatic = false;              // chosen by the list's content
};

// The name a member gets in the bracket: the name, or "名前（所属）" when the club is added.
std::string memberNameOf(const Entrant& entrant, bool clubInName);

// Reads a list in `encoding` (decodeListText; a line it cannot read, or a UTF-8 line amid
// another encoding, is a problem of that line): fields trimmed, CSV quoting, blank lines and "#"
// lines skipped. A heading on the first line (名前, 氏名, 選手名, name, player; 所属, 学校,
// チーム, 団体, クラブ, club, team; シード, seed, seeding; in any order, the Latin words in either
// case and width) is skipped and tells the order of the columns; a number column it names (No.,
// 番号, #) is skipped on every line. A character Shift_JIS cannot hold is kept, with a note at
// its first line; a name an earlier line has is noted too. Every problem found is reported with
// its line, at most one a line; reading stops at the first entrant beyond kMaxEntrants.
// `clubInName` makes the name limit count the club too; without it the club, bound for the sheet's
// club column, has a limit of its own.
EntrantList readEntrantList(std::string_view bytes, bool clubInName,
                            ListEncoding encoding = ListEncoding::Automatic);

// "参加者が1人だけです。…" for a list of fewer than kMinEntrants entrants.
Message tooFewEntrantsText(int count);

// "3行目: 名前がありません。" (the reason alone for the list as a whole); a note the same way.
Message listProblemText(const ListProblem& problem);

}  // namespace kaz
