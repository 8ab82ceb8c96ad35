#include "draw/entrant_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "draw/list_text.h"
#include "text/cp932.h"
#include "text/messages.h"
#include "text/text_limits.h"

namespace kaz {
namespace {

// "（" and "）" in CP932, around the club added to a name.
constexpr std::string_view kOpenParen = "\x81\x69";
constexpr std::string_view kCloseParen = "\x81\x6A";

// Name, club and seed.
constexpr size_t kFieldCount = 3;

// A seed as written is shown at most this long in a message.
constexpr size_t kShownSeedBytes = 24;

// One line of the list that holds an entrant, its fields as UTF-8.
struct Row {
    int line = 0;
    std::vector<std::string> fields;
    bool badQuotes = false;
};

bool isHeading(const std::vector<std::string>& fields) {
    static constexpr std::array<std::array<std::string_view, 2>, 3> kHeadings = {{
        {"名前", "name"},
        {"所属", "club"},
        {"シード", "seed"},
    }};
    if (fields.empty() || fields.size() > kHeadings.size()) return false;
    for (size_t i = 0; i < fields.size(); ++i) {
        std::string lower = fields[i];
        std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        });
        if (lower != kHeadings[i][0] && lower != kHeadings[i][1]) return false;
    }
    return true;
}

// The seed written in a field: 1 … 999 from ASCII or full-width digits; 0 for an empty field;
// -1 for anything else (0 and 1000 and more included, which no list can use).
int seedFromText(std::string_view text) {
    if (text.empty()) return 0;
    int value = 0;
    size_t at = 0;
    while (at < text.size()) {
        int digit = -1;
        if (text[at] >= '0' && text[at] <= '9') {
            digit = text[at] - '0';
            at += 1;
        } else if (text.substr(at, 2) == "\xEF\xBC" && at + 2 < text.size()) {
            const unsigned char last = static_cast<unsigned char>(text[at + 2]);
            if (last >= 0x90 && last <= 0x99) digit = last - 0x90;  // U+FF10 … U+FF19
            at += 3;
        }
        if (digit < 0) return -1;
        value = value * 10 + digit;
        if (value >= 1000) return -1;
    }
    return value == 0 ? -1 : value;
}

// The field as CP932, or the reason it cannot be.
std::optional<std::string> toCp932Field(const std::string& utf8, std::string& reason) {
    if (const std::optional<std::string> problem = unusableCharacterIn(utf8)) {
        reason = *problem;
        return std::nullopt;
    }
    return utf8ToCp932(utf8);  // unusableCharacterIn has found every character it refuses
}

std::string shownSeed(const std::string& text) {
    if (text.size() <= kShownSeedBytes) return text;
    return utf8Prefix(text, kShownSeedBytes) + "…";
}

// Fills `entrant` from `row`; the first problem of the row, or an empty text.
std::string checkRow(const Row& row, int entrantCount, bool clubInName, Entrant& entrant) {
    if (row.badQuotes) return kBadQuotesMessage;
    if (row.fields.size() > kFieldCount) return kTooManyFieldsMessage;
    const std::string& name = row.fields[0];
    const std::string club = row.fields.size() > 1 ? row.fields[1] : std::string();
    const std::string seed = row.fields.size() > 2 ? row.fields[2] : std::string();
    if (name.empty()) return kEmptyNameMessage;

    std::string reason;
    const std::optional<std::string> cpName = toCp932Field(name, reason);
    if (!cpName) return reason;
    const std::optional<std::string> cpClub = toCp932Field(club, reason);
    if (!cpClub) return reason;
    entrant.name = *cpName;
    entrant.club = *cpClub;
    if (memberNameOf(entrant, clubInName).size() > kMaxMemberNameBytes) {
        const bool withClub = clubInName && !entrant.club.empty();
        return fillIn(withClub ? kNameWithClubTooLongMessage : kNameTooLongMessage,
                      {std::to_string(kMaxMemberNameBytes)});
    }
    entrant.seed = seedFromText(seed);
    if (entrant.seed < 0 || entrant.seed > entrantCount) {
        entrant.seed = 0;
        return fillIn(kBadSeedMessage, {shownSeed(seed), std::to_string(entrantCount)});
    }
    return std::string();
}

// The lines of the list that hold entrants, up to the first one beyond kMaxEntrants.
std::vector<Row> entrantRows(std::string_view text) {
    std::vector<Row> rows;
    bool first = true;
    forEachLine(text, [&](int line, std::string_view content) {
        if (isCommentLine(content)) return true;
        Row row{line, {}, false};
        row.badQuotes = !splitFields(content, kFieldCount, row.fields);
        if (!row.badQuotes) {
            if (row.fields.empty()) return true;  // blank, or only separators
            if (first && isHeading(row.fields)) {
                first = false;
                return true;
            }
        }
        first = false;
        rows.push_back(std::move(row));
        return rows.size() <= size_t(kMaxEntrants);
    });
    return rows;
}

}  // namespace

std::string memberNameOf(const Entrant& entrant, bool clubInName) {
    if (!clubInName || entrant.club.empty()) return entrant.name;
    std::string name;
    name.reserve(entrant.name.size() + entrant.club.size() + 4);
    name.append(entrant.name).append(kOpenParen).append(entrant.club).append(kCloseParen);
    return name;
}

EntrantList readEntrantList(std::string_view bytes, bool clubInName) {
    EntrantList list;
    if (bytes.size() > kMaxEntrantListBytes) {
        list.problems.push_back({0, kListTooLargeMessage});
        return list;
    }
    const std::vector<Row> rows = entrantRows(listTextAsUtf8(bytes));
    const int count = static_cast<int>(rows.size());
    if (count < kMinEntrants) {
        list.problems.push_back({0, fillIn(kTooFewEntrantsMessage, {std::to_string(count)})});
    }

    std::array<int, kMaxEntrants + 1> seedLine{};  // the line that took each seed
    for (const Row& row : rows) {
        if (list.entrants.size() == size_t(kMaxEntrants)) {
            list.problems.push_back(
                {row.line, fillIn(kTooManyEntrantsMessage, {std::to_string(kMaxEntrants)})});
            break;
        }
        Entrant entrant;
        entrant.line = row.line;
        std::string reason = checkRow(row, std::min(count, kMaxEntrants), clubInName, entrant);
        if (reason.empty() && entrant.seed > 0) {
            int& taken = seedLine[size_t(entrant.seed)];
            if (taken != 0) {
                reason =
                    fillIn(kSameSeedMessage, {std::to_string(entrant.seed), std::to_string(taken)});
            } else {
                taken = row.line;
            }
        }
        if (!reason.empty()) list.problems.push_back({row.line, std::move(reason)});
        list.entrants.push_back(std::move(entrant));
    }
    return list;
}

std::string listProblemText(const ListProblem& problem) {
    if (problem.line <= 0) return problem.reason;
    return fillIn(kListLineMessage, {std::to_string(problem.line), problem.reason});
}

}  // namespace kaz
