// libFuzzer target for the entrant list and the draw. Whatever the bytes, reading gives a
// list or its problems, never a crash; a list that can be drawn gives, for any options, a
// draw with every entrant once, seeds in place and byes facing entrants, the same again for
// the same number, and a bracket that survives writing and reading back.
//
// The first four bytes choose the options (flags, then the draw number); the rest is the list.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "draw/bracket_draw.h"
#include "draw/entrant_list.h"
#include "draw/seed_order.h"
#include "io/kaz_format.h"
#include "text/document_text.h"
#include "text/text_limits.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

void checkDraw(const std::vector<kaz::Entrant>& entrants, const kaz::DrawOptions& options,
               bool clubInName) {
    const int count = static_cast<int>(entrants.size());
    const std::optional<kaz::Draw> draw = kaz::drawEntrants(entrants, options);
    check(draw.has_value(), "a list without problems is drawn");
    const int size = static_cast<int>(draw->entrantAt.size());
    check(size == (options.size ? options.size : kaz::smallestDrawSize(count)), "size");
    const std::vector<int>& order = draw->seedNumberAt;
    check(order.size() == size_t(size) && order[0] == 1 && order[size_t(size) - 1] == 2,
          "seeds 1 and 2 at the ends");
    std::vector<int> seen(entrants.size(), 0);
    for (int p = 0; p < size; ++p) {
        const int e = draw->entrantAt[size_t(p)];
        check((e < 0) == (order[size_t(p)] > count), "byes take the seed numbers past N");
        if (e < 0) {
            check(draw->entrantAt[size_t(p ^ 1)] >= 0, "no bye against a bye");
            check(order[size_t(p ^ 1)] <= size - count, "a bye beside a top seed");
            continue;
        }
        check(e < count && ++seen[size_t(e)] == 1, "each entrant once");
        const int seed = entrants[size_t(e)].seed;
        check(seed == 0 || seed == order[size_t(p)], "a seed at its place");
    }
    const std::optional<kaz::Draw> again = kaz::drawEntrants(entrants, options);
    check(again && again->entrantAt == draw->entrantAt, "the same number, the same draw");
    for (const kaz::ClubMeeting& meeting : draw->earlyMeetings) {
        check(!kaz::japaneseText(kaz::clubMeetingText(meeting, entrants, size)).empty(),
              "meeting text");
    }

    const kaz::Bracket bracket = kaz::makeDrawnBracket(*draw, entrants, clubInName);
    const std::string bytes = kaz::writeKaz(bracket);
    const std::optional<kaz::Bracket> read = kaz::readKaz(bytes);
    check(read.has_value() && read->memberCount() == size, "the bracket reads back");
    check(read->sheet() == bracket.sheet(), "the sheet reads back");
    for (int p = 0; p < size; ++p) {
        check(read->memberName(p) == bracket.memberName(p), "names read back");
        check(kaz::textLength(bracket.memberName(p)) <= kaz::kMaxMemberNameCharacters,
              "names fit the box");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const uint8_t flags = data[0];
    const bool clubInName = flags & 1;
    kaz::DrawOptions options;
    options.byLot = !(flags & 2);
    options.keepClubsApart = !(flags & 4);
    const int sizeChoice = (flags >> 3) & 7;  // 0: the smallest, 1 … 4: 4 … 32, else nonsense
    options.size = sizeChoice == 0 ? 0 : (2 << sizeChoice) + (sizeChoice > 4 ? 1 : 0);
    options.drawNumber =
        1 + ((uint32_t(data[1]) << 16 | uint32_t(data[2]) << 8 | data[3]) % kaz::kMaxDrawNumber);

    const std::string_view list(reinterpret_cast<const char*>(data + 4), size - 4);
    const kaz::EntrantList read = kaz::readEntrantList(list, clubInName);
    for (const kaz::ListProblem& note : read.notes) {
        check(note.line > 0 && (kaz::japaneseText(note.reason).find("〓") != std::string::npos ||
                                note.reason.id == kaz::MessageId::SameName),
              "a note names 〓 or a name an earlier line has");
    }
    if (!read.problems.empty()) {
        for (const kaz::ListProblem& problem : read.problems) {
            check(problem.line >= 0 && !kaz::japaneseText(problem.reason).empty(),
                  "a problem says why");
            check(!kaz::japaneseText(kaz::listProblemText(problem)).empty(), "problem text");
        }
        return 0;
    }
    const int count = static_cast<int>(read.entrants.size());
    check(count >= kaz::kMinEntrants && count <= kaz::kMaxEntrants, "entrant count");
    for (const kaz::Entrant& entrant : read.entrants) {
        check(!entrant.name.empty(), "every entrant has a name");
        check(entrant.seed >= 0 && entrant.seed <= count, "seed range");
    }
    if (kaz::drawSizeProblem(count, options.size)) {
        check(!kaz::drawEntrants(read.entrants, options), "a refused size draws nothing");
        return 0;
    }
    checkDraw(read.entrants, options, clubInName);
    return 0;
}
