#include "bracket/refusal.h"

#include "bracket/bracket.h"
#include "bracket/member_progress.h"
#include "bracket/sheet_marks.h"
#include "bracket/third_place.h"
#include "text/document_text.h"
#include "text/utf8.h"

namespace kaz {

namespace {

// A refusal is one line: a long name is cut to its first characters.
constexpr int kShownNameCharacters = 64;

bool isSpace(char32_t c) {
    return c == U' ' || (c >= U'\t' && c <= U'\r') || c == 0x85 || c == 0xA0 || c == 0x3000;
}

// The start of a member's name as a refusal names it: its first characters, white space at
// its ends dropped and each run of it inside made one space.
std::string shownName(const std::string& name) {
    const std::string utf8 = shownText(name);
    std::string out;
    bool space = false;
    int characters = 0;
    for (size_t at = 0; at < utf8.size() && characters < kShownNameCharacters; ++characters) {
        const Utf8Char c = decodeUtf8(utf8, at);
        const size_t length = c.length == 0 ? 1 : c.length;
        if (isSpace(c.point) && c.length != 0) {
            space = !out.empty();
        } else {
            if (space) out += ' ';
            space = false;
            out.append(utf8, at, length);
        }
        at += length;
    }
    return out;
}

}  // namespace

std::optional<Refusal> seedRefusal(const Bracket& bracket, int member, int seed) {
    const int members = bracket.memberCount();
    if (seed < 0 || seed > members) return Refusal(MessageId::SeedOutOfRange, {members});
    for (int other = 0; seed > 0 && other < members; ++other) {
        if (other == member || bracket.memberSeed(other) != seed) continue;
        const std::string name = shownName(bracket.memberName(other));
        if (name.empty()) return Refusal(MessageId::SeedHeldByNumber, {seed, other + 1});
        return Refusal(MessageId::SeedHeldByName, {seed, name, other + 1});
    }
    return std::nullopt;
}

std::optional<Refusal> byeRefusal(const Bracket& bracket, int slot, bool bye) {
    if (bye && !bracket.memberName(slot).empty()) return Refusal(MessageId::ByeWithName);
    return std::nullopt;
}

std::optional<Refusal> clubColumnRefusal(const Bracket& bracket, bool shown) {
    // A club set shows the column whatever the flag says.
    if (!shown && hasClubs(bracket)) return Refusal(MessageId::ClubColumnInUse);
    return std::nullopt;
}

std::optional<Refusal> sheetRefusal(const Bracket& bracket, const SheetInfo& sheet) {
    if (!sheetFits(bracket, sheet)) return Refusal(MessageId::SheetDoesNotFit);
    return std::nullopt;
}

std::optional<Refusal> lineRefusal(const Bracket& bracket, int line) {
    if (!memberStandsOn(bracket, line)) return Refusal(MessageId::NobodyOnLine);
    return std::nullopt;
}

std::optional<Refusal> thirdPlaceRefusal(const Bracket& bracket, int side) {
    if (thirdPlaceMember(bracket, side) < 0) return Refusal(MessageId::NobodyOnLine);
    return std::nullopt;
}

std::optional<Refusal> thirdPlaceWinRefusal(const Bracket& bracket, int side) {
    if (auto refusal = thirdPlaceRefusal(bracket, side)) return refusal;
    if (thirdPlaceMember(bracket, 1 - side) < 0) {
        return Refusal(MessageId::ThirdPlaceOpponentUnknown);
    }
    return std::nullopt;
}

}  // namespace kaz
