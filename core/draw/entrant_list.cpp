#include "draw/entrant_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "draw/list_text.h"
#include "text/document_text.h"
#include "text/messages.h"
#include "text/pasted_text.h"
#include "text/text_limits.h"
#include "text/utf8.h"

namespace kaz {
namespace {

// "（" and "）" in CP932, around the club added to a name.
constexpr std::string_view kOpenParen = "（";
constexpr std::string_view kCloseParen = "）";

// Name, club and seed.
constexpr size_t kFieldCount = 3;

// A seed as written is shown at most this long in a message.
constexpr size_t kShownSeedBytes = 24;

// Which column of a line holds the name, the club and the seed.
using Columns = std::array<size_t, kFieldCount>;
constexpr Columns kListOrder = {0, 1, 2};

// No column: a list without a number column.
constexpr size_t kNoColumn = SIZE_MAX;

// One line of the list that holds an entrant, its fields as UTF-8.
struct Row {
    int line = 0;
    std::vector<std::string> fields;
    bool badQuotes = false;
};

// The columns a heading line named: the name, club and seed, and the entrants' numbers,
// which the list skips (they are neither names, clubs nor seeds).
struct Heading {
    Columns columns = kListOrder;
    size_t numberColumn = kNoColumn;

    size_t columnCount() const { return kFieldCount + (numberColumn == kNoColumn ? 0 : 1); }
};

// The lines that hold entrants, and the columns a heading line named.
struct Rows {
    std::vector<Row> rows;
    Heading heading;
    bool headed = false;  // the first line was a heading
};

// The words a heading may use for the name, the club and the seed, the Latin ones in lower
// case; half-width katakana too, as this editor's own texts use them.
const std::array<std::vector<std::string_view>, kFieldCount> kHeadingWords = {{
    {"名前", "氏名", "選手名", "name", "player"},
    {"所属", "学校", "チーム", "ﾁｰﾑ", "団体", "クラブ", "ｸﾗﾌﾞ", "club", "team"},
    {"シード", "ｼｰﾄﾞ", "seed", "seeding"},
}};

// The words of a number column's heading, folded as above ("Ｎｏ．" is "no.").
const std::array<std::string_view, 5> kNumberWords = {"no", "no.", "#", "番号", "№"};

// `text` with full-width ASCII (U+FF01 … U+FF5E) as ASCII and ASCII letters in lower case,
// so that "ＮＡＭＥ", "Name" and "name" compare equal.
std::string folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if (text.compare(at, 2, "\xEF\xBC") == 0 || text.compare(at, 2, "\xEF\xBD") == 0) {
            const unsigned last =
                at + 2 < text.size() ? static_cast<unsigned char>(text[at + 2]) : 0;
            const unsigned codePoint = (text[at + 1] == '\xBC' ? 0xFF00 : 0xFF40) + (last - 0x80);
            if (last >= 0x80 && last <= 0xBF && codePoint >= 0xFF01 && codePoint <= 0xFF5E) {
                c = static_cast<char>(codePoint - 0xFF01 + 0x21);
                at += 2;
            }
        }
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

// The field (0 name, 1 club, 2 seed) a heading cell names, or kFieldCount.
size_t headingField(const std::string& cell) {
    const std::string word = folded(cell);
    for (size_t field = 0; field < kFieldCount; ++field) {
        const auto& words = kHeadingWords[field];
        if (std::find(words.begin(), words.end(), word) != words.end()) return field;
    }
    return kFieldCount;
}

// The columns a heading line names, in any order, each field at most once and the name
// among them, and at most one number column; the columns it leaves out follow in list order.
// Nothing for any other line.
std::optional<Heading> headingOf(const std::vector<std::string>& cells) {
    if (cells.empty() || cells.size() > kFieldCount + 1) return std::nullopt;
    Heading heading;
    std::array<bool, kFieldCount> named{};
    std::array<size_t, kFieldCount + 1> fieldOf{};  // of each column but the number column
    for (size_t column = 0; column < cells.size(); ++column) {
        const size_t field = headingField(cells[column]);
        if (field == kFieldCount && heading.numberColumn == kNoColumn &&
            std::find(kNumberWords.begin(), kNumberWords.end(), folded(cells[column])) !=
                kNumberWords.end()) {
            heading.numberColumn = column;
            continue;
        }
        if (field == kFieldCount || named[field]) return std::nullopt;
        named[field] = true;
        fieldOf[column] = field;
    }
    if (!named[0]) return std::nullopt;
    size_t field = 0;
    for (size_t column = cells.size(); column < heading.columnCount(); ++column) {
        while (named[field]) ++field;
        named[field] = true;
        fieldOf[column] = field;
    }
    for (size_t column = 0; column < heading.columnCount(); ++column) {
        if (column != heading.numberColumn) heading.columns[fieldOf[column]] = column;
    }
    return heading;
}

// True when a cell holds one of the heading words.
bool looksLikeHeading(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells) {
        const std::string text = folded(cell);
        for (const auto& words : kHeadingWords) {
            for (const std::string_view word : words) {
                if (text.find(word) != std::string::npos) return true;
            }
        }
    }
    return false;
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

// The field as document text, its characters that an older program shows as 〓 added to
// `beyond`, or the reason it cannot be.
std::optional<std::string> usableField(const std::string& utf8, std::optional<Message>& reason,
                                       std::vector<std::string>& beyond) {
    if (std::optional<Message> problem = unusableCharacterIn(utf8)) {
        reason = *problem;
        return std::nullopt;
    }
    for (std::string& one : charactersBeyondCp932(utf8)) {
        if (std::find(beyond.begin(), beyond.end(), one) == beyond.end()) beyond.push_back(one);
    }
    return utf8;
}

std::string shownSeed(const std::string& text) {
    if (text.size() <= kShownSeedBytes) return text;
    return utf8Prefix(text, kShownSeedBytes) + "…";
}

// Fills `entrant` from `row`, its fields in `columns`, and `beyond` with the characters an
// older program shows as 〓; the first problem of the row, or nothing.
std::optional<Message> checkRow(const Row& row, const Heading& heading, int entrantCount,
                                bool clubInName, Entrant& entrant,
                                std::vector<std::string>& beyond) {
    if (row.badQuotes) return Message(MessageId::BadQuotes);
    if (row.fields.size() > heading.columnCount()) return Message(MessageId::TooManyFields);
    const auto field = [&](size_t which) {
        const size_t column = heading.columns[which];
        return column < row.fields.size() ? row.fields[column] : std::string();
    };
    const std::string name = field(0);
    const std::string club = field(1);
    const std::string seed = field(2);
    if (name.empty()) return Message(MessageId::EmptyName);

    std::optional<Message> reason;
    const std::optional<std::string> usableName = usableField(name, reason, beyond);
    if (!usableName) return reason;
    const std::optional<std::string> usableClub = usableField(club, reason, beyond);
    if (!usableClub) return reason;
    entrant.name = *usableName;
    entrant.club = *usableClub;
    if (textLength(memberNameOf(entrant, clubInName)) > kMaxMemberNameCharacters) {
        const bool withClub = clubInName && !entrant.club.empty();
        return Message(withClub ? MessageId::NameWithClubTooLong : MessageId::NameTooLong,
                       {static_cast<long long>(kMaxMemberNameCharacters)});
    }
    if (!clubInName && textLength(entrant.club) > kMaxClubCharacters) {
        return Message(MessageId::ClubTooLong, {static_cast<long long>(kMaxClubCharacters)});
    }
    entrant.seed = seedFromText(seed);
    if (entrant.seed < 0 || entrant.seed > entrantCount) {
        entrant.seed = 0;
        return Message(MessageId::BadSeed, {shownSeed(seed), entrantCount});
    }
    return std::nullopt;
}

// The lines of the list that hold entrants, up to the first one beyond kMaxEntrants; a
// heading on the first line is left out and tells the order of the columns. A first line
// that starts with a number column's "#" is a heading when it reads as one, else a comment.
Rows entrantRows(std::string_view text) {
    Rows found;
    bool first = true;
    forEachLine(text, [&](int line, std::string_view content) {
        const bool comment = isCommentLine(content);
        if (comment && !first) return true;
        Row row{line, {}, false};
        row.badQuotes = !splitFields(content, kFieldCount + 1, row.fields);
        if (!row.badQuotes) {
            if (row.fields.empty()) return true;  // blank, or only separators
            const std::optional<Heading> heading = first ? headingOf(row.fields) : std::nullopt;
            if (heading) {
                found.heading = *heading;
                found.headed = true;
                first = false;
                return true;
            }
        }
        if (comment) return true;
        first = false;
        found.rows.push_back(std::move(row));
        return found.rows.size() <= size_t(kMaxEntrants);
    });
    return found;
}

}  // namespace

std::string memberNameOf(const Entrant& entrant, bool clubInName) {
    if (!clubInName || entrant.club.empty()) return entrant.name;
    std::string name;
    name.reserve(entrant.name.size() + entrant.club.size() + 4);
    name.append(entrant.name).append(kOpenParen).append(entrant.club).append(kCloseParen);
    return name;
}

Message tooFewEntrantsText(int count) {
    if (count <= 0) return Message(MessageId::NoEntrants);
    return Message(MessageId::TooFewEntrants, {count});
}

EntrantList readEntrantList(std::string_view bytes, bool clubInName, ListEncoding encoding) {
    EntrantList list;
    if (bytes.size() > kMaxEntrantListBytes) {
        list.problems.push_back({0, Message(MessageId::ListTooLarge)});
        return list;
    }
    const ListText text = decodeListText(bytes, encoding);
    list.encoding = text.encoding;
    list.encodingAutomatic = text.automatic;
    const Rows found = entrantRows(text.utf8);
    const std::vector<Row>& rows = found.rows;
    const int count = static_cast<int>(rows.size());
    if (count < kMinEntrants) list.problems.push_back({0, tooFewEntrantsText(count)});
    const auto has = [](const std::vector<int>& lines, int line) {
        return std::binary_search(lines.begin(), lines.end(), line);
    };
    const std::string encodingName = kaz::encodingName(text.encoding);

    std::array<int, kMaxEntrants + 1> seedLine{};  // the line that took each seed
    std::set<std::string> noted;                   // the characters noted so far
    std::map<std::string, int> nameLine;           // the first line of each name
    for (const Row& row : rows) {
        if (list.entrants.size() == size_t(kMaxEntrants)) {
            list.problems.push_back(
                {row.line, Message(MessageId::TooManyEntrants, {kMaxEntrants})});
            break;
        }
        Entrant entrant;
        entrant.line = row.line;
        std::vector<std::string> beyond;
        std::optional<Message> reason;
        // Bytes read wrongly make any other reason beside the point.
        if (has(text.utf8Lines, row.line)) {
            reason = Message(MessageId::Utf8LineInList, {encodingName});
        } else if (has(text.undecodedLines, row.line)) {
            reason = Message(MessageId::UndecodedLine, {encodingName});
        } else {
            reason = checkRow(row, found.heading, std::min(count, kMaxEntrants), clubInName,
                              entrant, beyond);
            // A heading the list does not know would otherwise be refused as an entrant.
            if (reason && !found.headed && &row == &rows.front() && looksLikeHeading(row.fields)) {
                reason = Message(MessageId::HeadingLike);
            }
        }
        if (!reason && entrant.seed > 0) {
            int& taken = seedLine[size_t(entrant.seed)];
            if (taken != 0) {
                reason = Message(MessageId::SameSeed, {entrant.seed, taken});
            } else {
                taken = row.line;
            }
        }
        if (reason) list.problems.push_back({row.line, std::move(*reason)});
        std::vector<std::string> firstSeen;  // of the characters, those not noted before
        for (std::string& one : beyond) {
            if (noted.insert(one).second) firstSeen.push_back(std::move(one));
        }
        if (!firstSeen.empty()) list.notes.push_back({row.line, keptAsTypedText(firstSeen)});
        if (!reason) {
            const auto [first, isNew] = nameLine.emplace(entrant.name, row.line);
            if (!isNew) {
                list.notes.push_back(
                    {row.line, Message(MessageId::SameName, {entrant.name, first->second})});
            }
        }
        list.entrants.push_back(std::move(entrant));
    }
    return list;
}

Message listProblemText(const ListProblem& problem) {
    if (problem.line <= 0) return problem.reason;
    return Message(MessageId::ListLine, {problem.line, problem.reason});
}

}  // namespace kaz
