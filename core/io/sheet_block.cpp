#include "io/sheet_block.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace kaz {
namespace {

// The smallest record: its tag and an empty string.
constexpr size_t kMinRecordBytes = 5;

void appendInt(std::string& out, int value) { appendKazInt(out, static_cast<uint32_t>(value)); }

// "count, then per entry: index, value" over the first `size` entries of `values` that
// `isSet`; nothing when none is.
template <typename Array, typename IsSet, typename AppendValue>
std::string indexedRecord(const Array& values, int size, IsSet isSet, AppendValue appendValue) {
    std::string entries;
    int count = 0;
    for (int i = 0; i < size; ++i) {
        if (!isSet(values[size_t(i)])) continue;
        ++count;
        appendInt(entries, i);
        appendValue(entries, values[size_t(i)]);
    }
    if (count == 0) return std::string();
    std::string record;
    appendInt(record, count);
    return record + entries;
}

std::string flagRecord(bool on) { return on ? std::string("\x01\x00\x00\x00", 4) : std::string(); }

// The known records' bytes by tag (index 0 unused); empty for a record not written.
std::vector<std::string> knownRecords(const SheetInfo& sheet, int members, int rounds) {
    const auto nonEmpty = [](const std::string& text) { return !text.empty(); };
    const auto appendText = [](std::string& out, const std::string& text) {
        appendKazString(out, text);
    };
    std::vector<std::string> records(size_t(kLastSheetTag) + 1);
    const auto at = [&records](SheetTag tag) -> std::string& { return records[size_t(tag)]; };
    at(SheetTag::Title) = sheet.title;
    at(SheetTag::Subtitle) = sheet.subtitle;
    at(SheetTag::RoundNames) = indexedRecord(sheet.roundNames, rounds, nonEmpty, appendText);
    at(SheetTag::Clubs) = indexedRecord(sheet.clubs, members, nonEmpty, appendText);
    at(SheetTag::Seeds) = indexedRecord(
        sheet.seeds, members, [](int seed) { return seed != 0; }, appendInt);
    at(SheetTag::MatchNumbers) = flagRecord(sheet.matchNumbers);
    at(SheetTag::Byes) = indexedRecord(
        sheet.byes, members, [](bool bye) { return bye; }, [](std::string&, bool) {});
    if (sheet.drawNumber) appendKazInt(at(SheetTag::DrawNumber), *sheet.drawNumber);
    at(SheetTag::ClubColumn) = flagRecord(sheet.clubColumn);
    if (sheet.thirdPlace != ThirdPlace::None) {
        appendInt(at(SheetTag::ThirdPlace), static_cast<int>(sheet.thirdPlace));
    }
    if (sheet.thirdPlaceSides != emptySheet().thirdPlaceSides) {
        for (const LineResult& side : sheet.thirdPlaceSides) {
            appendInt(at(SheetTag::ThirdPlaceResults), static_cast<int>(side.state));
            appendKazString(at(SheetTag::ThirdPlaceResults), side.score);
        }
    }
    at(SheetTag::TwoSided) = flagRecord(sheet.twoSided);
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

// Fills the part of `sheet` that the record of `tag` holds; false when its bytes do not
// parse, hold nothing, or leave bytes over.
bool readKnownRecord(SheetTag tag, std::string_view bytes, int members, int rounds,
                     SheetInfo& sheet) {
    KazReader in(bytes);
    // Reads one non-empty string into `target` at the entry's index.
    const auto readText = [](auto& target) {
        return [&target](KazReader& r, size_t index) {
            return r.readString(target[index]) && !target[index].empty();
        };
    };
    bool read = false;
    switch (tag) {
        case SheetTag::Title: sheet.title = std::string(bytes); return !bytes.empty();
        case SheetTag::Subtitle: sheet.subtitle = std::string(bytes); return !bytes.empty();
        case SheetTag::RoundNames:
            read = readIndexed(in, rounds, readText(sheet.roundNames));
            break;
        case SheetTag::Clubs: read = readIndexed(in, members, readText(sheet.clubs)); break;
        case SheetTag::Seeds:
            read = readIndexed(in, members, [&sheet](KazReader& r, size_t member) {
                int32_t seed = 0;
                sheet.seeds[member] = r.readInt32(seed) ? seed : 0;
                return seed >= 1;
            });
            break;
        case SheetTag::MatchNumbers: read = readFlag(in, sheet.matchNumbers); break;
        case SheetTag::Byes:
            read = readIndexed(in, members, [&sheet](KazReader&, size_t slot) {
                sheet.byes[slot] = true;
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
            for (LineResult& side : sheet.thirdPlaceSides) {
                int32_t state = 0;
                read = read && in.readInt32(state) && (state == 0 || state == 1) &&
                       in.readString(side.score);
                side.state = static_cast<LineState>(state);
            }
            break;
        case SheetTag::TwoSided: read = readFlag(in, sheet.twoSided); break;
    }
    return read && in.atEnd();
}

}  // namespace

void appendSheetBlock(std::string& out, const SheetInfo& sheet, int members, int rounds) {
    if (sheet.isEmpty()) return;
    const std::vector<std::string> known = knownRecords(sheet, members, rounds);
    std::string records;
    int count = 0;
    const auto append = [&](int32_t tag, const std::string& bytes) {
        appendInt(records, tag);
        appendKazString(records, bytes);
        ++count;
    };
    // Unknown records after the known record they followed, or where it would stand.
    const auto appendUnknownAfter = [&](int32_t after) {
        for (const UnknownSheetRecord& record : sheet.unknownRecords) {
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

bool readSheetBlock(KazReader& in, int members, int rounds, SheetInfo& sheet) {
    if (!in.skipIf(kSheetBlockMark)) return true;
    int32_t version = 0;
    int32_t count = 0;
    if (!in.readInt32(version) || version != kSheetBlockVersion || !in.readInt32(count) ||
        count < 0 || size_t(count) > in.left() / kMinRecordBytes) {
        return false;
    }
    std::array<bool, size_t(kLastSheetTag) + 1> seen{};
    int32_t lastKnown = 0;
    for (int32_t i = 0; i < count; ++i) {
        int32_t tag = 0;
        std::string_view bytes;
        if (!in.readInt32(tag) || !in.readRawString(bytes)) return false;
        if (tag < 1 || tag > kLastSheetTag) {
            sheet.unknownRecords.push_back({tag, std::string(bytes), lastKnown});
            continue;
        }
        if (seen[size_t(tag)] ||
            !readKnownRecord(static_cast<SheetTag>(tag), bytes, members, rounds, sheet)) {
            return false;
        }
        seen[size_t(tag)] = true;
        lastKnown = tag;
    }
    // Held in the order they are written, which puts the known records in the order of their
    // tags; a file that had them otherwise then reads back equal once it is written.
    std::stable_sort(
        sheet.unknownRecords.begin(), sheet.unknownRecords.end(),
        [](const UnknownSheetRecord& a, const UnknownSheetRecord& b) { return a.after < b.after; });
    return true;
}

}  // namespace kaz
