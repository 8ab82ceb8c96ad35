#include "io/sheet_block.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "bracket/bracket_texts.h"
#include "text/document_text.h"

namespace kaz {
namespace {

// The smallest record: its tag and an empty string.
constexpr size_t kMinRecordBytes = 5;

void appendInt(std::string& out, int value) { appendKazInt(out, static_cast<uint32_t>(value)); }

// "count, then per entry: index, value" over the first `size` entries of `values` that
// `isSet`; nothing when none is.
template <typename ValueAt, typename IsSet, typename AppendValue>
std::string indexedRecord(ValueAt valueAt, int size, IsSet isSet, AppendValue appendValue) {
    std::string entries;
    int count = 0;
    for (int i = 0; i < size; ++i) {
        if (!isSet(valueAt(i))) continue;
        ++count;
        appendInt(entries, i);
        appendValue(entries, valueAt(i));
    }
    if (count == 0) return std::string();
    std::string record;
    appendInt(record, count);
    return record + entries;
}

std::string flagRecord(bool on) { return on ? std::string("\x01\x00\x00\x00", 4) : std::string(); }

// The kinds of text whose exact record holds one text, its bytes, rather than indexed texts.
bool isSingleText(TextKind kind) {
    return kind == TextKind::Champion || kind == TextKind::Title || kind == TextKind::Subtitle;
}

int32_t exactTextTag(TextKind kind) {
    return int32_t(SheetTag::FirstExactText) + static_cast<int32_t>(kind);
}

// The exact texts' records into `records` (by tag): each text whose field does not give it back.
void appendExactTextRecords(std::vector<std::string>& records, const Bracket& bracket) {
    std::array<int, kTextKinds> counts{};
    std::array<std::string, kTextKinds> entries;
    forEachText(bracket.content(), [&](TextKind kind, size_t index, const std::string& text) {
        if (classicFieldHoldsExactly(kind, text)) return;
        const auto k = size_t(kind);
        ++counts[k];
        if (isSingleText(kind)) {
            entries[k] = text;
        } else {
            appendInt(entries[k], int(index));
            appendKazString(entries[k], text);
        }
    });
    for (int k = 0; k < kTextKinds; ++k) {
        if (counts[size_t(k)] == 0) continue;
        std::string& record = records[size_t(exactTextTag(static_cast<TextKind>(k)))];
        if (!isSingleText(static_cast<TextKind>(k))) appendInt(record, counts[size_t(k)]);
        record += entries[size_t(k)];
    }
}

// The known records' bytes by tag (index 0 unused); empty for a record not written.
std::vector<std::string> knownRecords(const Bracket& bracket) {
    const SheetInfo& sheet = bracket.sheet();
    const int members = bracket.memberCount();
    const int rounds = bracket.roundCount();
    const auto nonEmpty = [](const std::string& text) { return !text.empty(); };
    const auto appendText = [](std::string& out, const std::string& text) {
        appendKazString(out, cp932Form(text));
    };
    std::vector<std::string> records(size_t(kLastSheetTag) + 1);
    const auto at = [&records](SheetTag tag) -> std::string& { return records[size_t(tag)]; };
    at(SheetTag::Title) = cp932Form(sheet.title);
    at(SheetTag::Subtitle) = cp932Form(sheet.subtitle);
    at(SheetTag::RoundNames) = indexedRecord(
        [&sheet](int round) -> const std::string& { return sheet.roundNames[size_t(round)]; },
        rounds, nonEmpty, appendText);
    at(SheetTag::Clubs) = indexedRecord(
        [&bracket](int member) -> const std::string& { return bracket.memberClub(member); },
        members, nonEmpty, appendText);
    at(SheetTag::Seeds) =
        indexedRecord([&bracket](int member) { return bracket.memberSeed(member); }, members,
                      [](int seed) { return seed != 0; }, appendInt);
    at(SheetTag::MatchNumbers) = flagRecord(sheet.matchNumbers);
    at(SheetTag::Byes) =
        indexedRecord([&bracket](int slot) { return bracket.isBye(slot); }, members,
                      [](bool bye) { return bye; }, [](std::string&, bool) {});
    if (sheet.drawNumber) appendKazInt(at(SheetTag::DrawNumber), *sheet.drawNumber);
    at(SheetTag::ClubColumn) = flagRecord(sheet.clubColumn);
    if (sheet.thirdPlace != ThirdPlace::None) {
        appendInt(at(SheetTag::ThirdPlace), static_cast<int>(sheet.thirdPlace));
    }
    if (bracket.thirdPlaceResults() != ThirdPlaceResults()) {
        for (const LineResult& side : bracket.thirdPlaceResults()) {
            appendInt(at(SheetTag::ThirdPlaceResults), static_cast<int>(side.state));
            appendKazString(at(SheetTag::ThirdPlaceResults), cp932Form(side.score));
        }
    }
    at(SheetTag::TwoSided) = flagRecord(sheet.twoSided);
    at(SheetTag::SheetLanguage) = flagRecord(sheet.language == SheetLanguage::English);
    appendExactTextRecords(records, bracket);
    at(SheetTag::PoolFile) = sheet.poolFile;
    at(SheetTag::VenueQrCode) = flagRecord(sheet.venueQrCode);
    at(SheetTag::PoolSlots) = indexedRecord(
        [&bracket](int member) -> const PoolSlot& { return bracket.memberMarks(member).fromPool; },
        members, [](const PoolSlot& slot) { return slot.isSet(); },
        [](std::string& out, const PoolSlot& slot) {
            appendInt(out, slot.pool);
            appendInt(out, slot.place);
            appendInt(out, slot.filled ? 1 : 0);
            appendKazString(out, slot.poolName);
        });
    return records;
}

// Reads "count, then per entry: index, value" with indices ascending below `size`;
// `readValue(in, index)` reads one value and refuses an empty one.
template <typename ReadValue>
bool readIndexed(KazReader& in, int size, ReadValue readValue) {
    int32_t count = 0;
    if (!in.readInt32(count) || count < 1 || count > size) return false;
    int32_t last = -1;
    for (int32_t i = 0; i < count; ++i) {
        int32_t index = 0;
        if (!in.readInt32(index) || index <= last || index >= size) return false;
        if (!readValue(in, size_t(index))) return false;
        last = index;
    }
    return true;
}

bool readFlag(KazReader& in, bool& flag) {
    int32_t value = 0;
    flag = in.readInt32(value) && value == 1;
    return flag;
}

bool isExactTextTag(int32_t tag) {
    return tag >= int32_t(SheetTag::FirstExactText) && tag <= int32_t(SheetTag::LastExactText);
}

// The number of texts of `kind` in a bracket of `members` members and `rounds` rounds.
int textCount(TextKind kind, int members, int rounds) {
    switch (kind) {
        case TextKind::MemberName:
        case TextKind::Club: return members;
        case TextKind::Score: return lineCountForMembers(members);
        case TextKind::RoundName: return rounds;
        case TextKind::ThirdPlaceScore: return kThirdPlaceSides;
        default: return 1;
    }
}

// Reads the exact texts' record of `tag` into `texts`; false when its bytes do not parse.
bool readExactTexts(int32_t tag, std::string_view bytes, int members, int rounds,
                    ExactTexts& texts) {
    const auto kind = static_cast<TextKind>(tag - int32_t(SheetTag::FirstExactText));
    auto& entries = texts[size_t(kind)];
    if (isSingleText(kind)) {
        entries.emplace_back(0, bytes);
        return !bytes.empty();
    }
    KazReader in(bytes);
    return readIndexed(in, textCount(kind, members, rounds),
                       [&entries](KazReader& r, size_t index) {
                           std::string_view text;
                           if (!r.readRawString(text) || text.empty()) return false;
                           entries.emplace_back(index, text);
                           return true;
                       }) &&
           in.atEnd();
}

// Fills the part of `content` that the record of `tag` holds; false when its bytes do not
// parse, hold nothing, or leave bytes over.
bool readKnownRecord(SheetTag tag, std::string_view bytes, int members, int rounds,
                     BracketContent& content) {
    KazReader in(bytes);
    SheetInfo& sheet = content.sheet;
    auto& marks = content.memberMarks;
    // Reads one non-empty string into the entry's index of `target`, by `text(target[index])`.
    const auto readText = [](auto& target, auto text) {
        return [&target, text](KazReader& r, size_t index) {
            std::string& into = text(target[index]);
            return r.readText(into) && !into.empty();
        };
    };
    const auto itself = [](std::string& text) -> std::string& { return text; };
    bool read = false;
    switch (tag) {
        case SheetTag::Title: sheet.title = textFromCp932(bytes); return !bytes.empty();
        case SheetTag::Subtitle: sheet.subtitle = textFromCp932(bytes); return !bytes.empty();
        case SheetTag::RoundNames:
            read = readIndexed(in, rounds, readText(sheet.roundNames, itself));
            break;
        case SheetTag::Clubs:
            read =
                readIndexed(in, members,
                            readText(marks, [](MemberMarks& m) -> std::string& { return m.club; }));
            break;
        case SheetTag::Seeds:
            read = readIndexed(in, members, [&marks](KazReader& r, size_t member) {
                int32_t seed = 0;
                marks[member].seed = r.readInt32(seed) ? seed : 0;
                return seed >= 1;
            });
            break;
        case SheetTag::MatchNumbers: read = readFlag(in, sheet.matchNumbers); break;
        case SheetTag::Byes:
            read = readIndexed(in, members, [&marks](KazReader&, size_t slot) {
                marks[slot].bye = true;
                return true;
            });
            break;
        case SheetTag::DrawNumber: {
            int32_t number = 0;
            read = in.readInt32(number) && number >= 1;
            sheet.drawNumber = uint32_t(number);
            break;
        }
        case SheetTag::ClubColumn: read = readFlag(in, sheet.clubColumn); break;
        case SheetTag::ThirdPlace: {
            int32_t mode = 0;
            read = in.readInt32(mode) && (mode == 1 || mode == 2);
            sheet.thirdPlace = read ? static_cast<ThirdPlace>(mode) : ThirdPlace::None;
            break;
        }
        case SheetTag::ThirdPlaceResults:
            read = true;
            for (LineResult& side : content.thirdPlaceResults) {
                int32_t state = 0;
                read = read && in.readInt32(state) && (state == 0 || state == 1) &&
                       in.readText(side.score);
                side.state = static_cast<LineState>(state);
            }
            break;
        case SheetTag::TwoSided: read = readFlag(in, sheet.twoSided); break;
        case SheetTag::VenueQrCode: read = readFlag(in, sheet.venueQrCode); break;
        case SheetTag::SheetLanguage: {
            bool english = false;
            read = readFlag(in, english);
            sheet.language = english ? SheetLanguage::English : SheetLanguage::Japanese;
            break;
        }
        case SheetTag::PoolFile: sheet.poolFile = std::string(bytes); return !bytes.empty();
        case SheetTag::PoolSlots:
            read = readIndexed(in, members, [&marks](KazReader& r, size_t slot) {
                PoolSlot& from = marks[slot].fromPool;
                int32_t pool = 0, place = 0, filled = 0;
                std::string_view name;
                if (!r.readInt32(pool) || !r.readInt32(place) || !r.readInt32(filled) ||
                    !r.readRawString(name) || pool < 0 || (filled != 0 && filled != 1) ||
                    name.empty()) {
                    return false;
                }
                from = {pool, place, std::string(name), filled == 1};
                return true;
            });
            break;
        default: break;  // the exact texts: readExactTexts
    }
    return read && in.atEnd();
}

// A language record this version cannot show, perhaps a later version's, is kept as an unknown
// record, so that it survives a save; the sheet then shows Japanese.
bool isKnownLanguage(int32_t tag, std::string_view bytes) {
    return tag != int32_t(SheetTag::SheetLanguage) || bytes == flagRecord(true);
}

}  // namespace

void appendSheetBlock(std::string& out, const Bracket& bracket) {
    if (!hasSheetBlock(bracket)) return;
    const std::vector<std::string> known = knownRecords(bracket);
    static const UnknownSheetRecords none;
    const UnknownSheetRecords& unknown =
        bracket.unknownSheetRecords() ? *bracket.unknownSheetRecords() : none;
    std::string records;
    int count = 0;
    const auto append = [&](int32_t tag, const std::string& bytes) {
        appendInt(records, tag);
        appendKazString(records, bytes);
        ++count;
    };
    // Unknown records after the known record they followed, or where it would stand.
    const auto appendUnknownAfter = [&](int32_t after) {
        for (const UnknownSheetRecord& record : unknown.records) {
            const bool anchored = record.after >= 0 && record.after <= kLastSheetTag;
            if (anchored ? record.after == after : after == kLastSheetTag) {
                append(record.tag, record.bytes);
            }
        }
    };
    appendUnknownAfter(0);
    for (int32_t tag = 1; tag <= kLastSheetTag; ++tag) {
        if (!known[size_t(tag)].empty()) append(tag, known[size_t(tag)]);
        appendUnknownAfter(tag);
    }
    out += kSheetBlockMark;
    appendInt(out, kSheetBlockVersion);
    appendInt(out, count);
    out += records;
}

bool readSheetBlock(KazReader& in, int members, int rounds, BracketContent& content,
                    ExactTexts& exactTexts) {
    if (!in.skipIf(kSheetBlockMark)) return true;
    int32_t version = 0;
    int32_t count = 0;
    if (!in.readInt32(version) || version != kSheetBlockVersion || !in.readInt32(count) ||
        count < 0 || size_t(count) > in.left() / kMinRecordBytes) {
        return false;
    }
    std::array<bool, size_t(kLastSheetTag) + 1> seen{};
    std::vector<UnknownSheetRecord> unknown;
    int32_t lastKnown = 0;
    for (int32_t i = 0; i < count; ++i) {
        int32_t tag = 0;
        std::string_view bytes;
        if (!in.readInt32(tag) || !in.readRawString(bytes)) return false;
        if (tag < 1 || tag > kLastSheetTag || !isKnownLanguage(tag, bytes)) {
            unknown.push_back({tag, std::string(bytes), lastKnown});
            continue;
        }
        const bool read =
            isExactTextTag(tag)
                ? readExactTexts(tag, bytes, members, rounds, exactTexts)
                : readKnownRecord(static_cast<SheetTag>(tag), bytes, members, rounds, content);
        if (seen[size_t(tag)] || !read) return false;
        seen[size_t(tag)] = true;
        lastKnown = tag;
    }
    // Held in the order they are written, which puts the known records in the order of their
    // tags; a file that had them otherwise then reads back equal once it is written.
    std::stable_sort(
        unknown.begin(), unknown.end(),
        [](const UnknownSheetRecord& a, const UnknownSheetRecord& b) { return a.after < b.after; });
    if (!unknown.empty()) {
        content.unknownSheetRecords =
            std::make_shared<const UnknownSheetRecords>(UnknownSheetRecords{std::move(unknown)});
    }
    return true;
}

}  // namespace kaz
