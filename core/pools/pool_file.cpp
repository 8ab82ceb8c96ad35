#include "pools/pool_file.h"

#include <array>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

#include "pools/pool_change.h"
#include "text/document_text.h"
#include "text/text_limits.h"
#include "text/utf8.h"

namespace kaz {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;  // written in the order the members are added

// Each enumeration's values as the file names them.
template <typename E>
using Names = std::array<std::pair<E, std::string_view>, 4>;

constexpr std::array<std::pair<SheetLanguage, std::string_view>, 2> kLanguages{
    {{SheetLanguage::Japanese, "ja"}, {SheetLanguage::English, "en"}}};
constexpr std::array<std::pair<Withdrawal, std::string_view>, 3> kWithdrawals{
    {{Withdrawal::None, "none"},
     {Withdrawal::MatchesLost, "matchesLost"},
     {Withdrawal::MatchesRemoved, "matchesRemoved"}}};
constexpr Names<MatchOutcome> kOutcomes{{{MatchOutcome::Unplayed, "unplayed"},
                                         {MatchOutcome::FirstWins, "firstWins"},
                                         {MatchOutcome::SecondWins, "secondWins"},
                                         {MatchOutcome::Draw, "draw"}}};
constexpr Names<TieBreak> kTieBreaks{{{TieBreak::HeadToHead, "headToHead"},
                                      {TieBreak::ScoreDifference, "scoreDifference"},
                                      {TieBreak::ScoresFor, "scoresFor"},
                                      {TieBreak::Lot, "lot"}}};
constexpr std::array<std::pair<ResultMarks, std::string_view>, 2> kMarks{
    {{ResultMarks::Circles, "circles"}, {ResultMarks::Crosses, "crosses"}}};

template <typename Table, typename E>
bool isKnown(const Table& table, E value) {
    for (const auto& entry : table) {
        if (entry.first == value) return true;
    }
    return false;
}

// An unknown value (no stage that fits holds one) is written as the first name.
template <typename Table, typename E>
std::string nameOf(const Table& table, E value) {
    for (const auto& entry : table) {
        if (entry.first == value) return std::string(entry.second);
    }
    return std::string(table.front().second);
}

bool textFits(const std::string& text, size_t limit) {
    return isUtf8(text) && textLength(text) <= limit && !hasControlCharacter(text);
}

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

bool poolFits(const Pool& pool) {
    const int members = int(pool.members.size());
    if (!textFits(pool.name, kMaxPoolNameCharacters) ||
        !inRange(members, kMinPoolSize, kMaxPoolSize) ||
        pool.matches.size() != size_t(members * (members - 1) / 2)) {
        return false;
    }
    for (const PoolMember& member : pool.members) {
        if (!textFits(member.name, kMaxMemberNameCharacters) ||
            !textFits(member.club, kMaxClubCharacters) ||
            !inRange(member.seed, 0, kMaxPoolEntrants) ||
            !isKnown(kWithdrawals, member.withdrawal)) {
            return false;
        }
    }
    std::array<bool, kMaxPoolSize * kMaxPoolSize> paired{};
    for (const PoolMatch& match : pool.matches) {
        if (!inRange(match.first, 0, members - 1) || !inRange(match.second, 0, members - 1) ||
            match.first >= match.second || !isKnown(kOutcomes, match.outcome) ||
            !inRange(match.firstScore, -1, kMaxPoolScore) ||
            !inRange(match.secondScore, -1, kMaxPoolScore)) {
            return false;
        }
        if (match.walkover && match.outcome != MatchOutcome::FirstWins &&
            match.outcome != MatchOutcome::SecondWins) {
            return false;
        }
        bool& pair = paired[size_t(match.first * kMaxPoolSize + match.second)];
        if (pair) return false;
        pair = true;
    }
    std::array<bool, kMaxPoolSize> drawn{};
    for (const int member : pool.lot) {
        if (!inRange(member, 0, members - 1) || drawn[size_t(member)]) return false;
        drawn[size_t(member)] = true;
    }
    return true;
}

bool rulesFit(const PoolRules& rules) {
    if (!inRange(rules.winPoints, -kMaxPoolPoints, kMaxPoolPoints) ||
        !inRange(rules.drawPoints, -kMaxPoolPoints, kMaxPoolPoints) ||
        !inRange(rules.lossPoints, -kMaxPoolPoints, kMaxPoolPoints) ||
        !inRange(rules.through, 1, 2) || !isKnown(kMarks, rules.marks)) {
        return false;
    }
    std::array<bool, kTieBreaks.size()> used{};
    for (const TieBreak tieBreak : rules.tieBreaks) {
        if (!isKnown(kTieBreaks, tieBreak) || used[size_t(tieBreak)]) return false;
        used[size_t(tieBreak)] = true;
    }
    return true;
}

// -- writing

OrderedJson scoreJson(int score) { return score < 0 ? OrderedJson() : OrderedJson(score); }

OrderedJson poolJson(const Pool& pool) {
    OrderedJson members = OrderedJson::array();
    for (const PoolMember& member : pool.members) {
        members.push_back({{"name", member.name},
                           {"club", member.club},
                           {"seed", member.seed},
                           {"withdrawal", nameOf(kWithdrawals, member.withdrawal)}});
    }
    OrderedJson matches = OrderedJson::array();
    for (const PoolMatch& match : pool.matches) {
        matches.push_back({{"first", match.first},
                           {"second", match.second},
                           {"outcome", nameOf(kOutcomes, match.outcome)},
                           {"walkover", match.walkover},
                           {"firstScore", scoreJson(match.firstScore)},
                           {"secondScore", scoreJson(match.secondScore)}});
    }
    OrderedJson pooled;
    pooled["name"] = pool.name;
    pooled["members"] = std::move(members);
    pooled["matches"] = std::move(matches);
    pooled["lot"] = pool.lot;
    return pooled;
}

// -- reading: each function takes a value of the file into the stage, false where it cannot

// A value that is too deep or one too many makes the parse keep nothing more; the reader then
// refuses the file.
struct ParseBounds {
    size_t values = 0;
    bool exceeded = false;

    bool keep(int depth) {
        if (exceeded || depth >= kMaxPoolFileDepth || ++values > kMaxPoolFileValues) {
            exceeded = true;
        }
        return !exceeded;
    }
};

const Json* memberOf(const Json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

bool readInt(const Json& value, int low, int high, int& out) {
    if (!value.is_number_integer()) return false;
    if (value.is_number_unsigned()) {
        const uint64_t number = value.get<uint64_t>();
        if (number > uint64_t(std::numeric_limits<int>::max())) return false;
        out = int(number);
    } else {
        const int64_t number = value.get<int64_t>();
        if (number < low || number > high) return false;
        out = int(number);
    }
    return inRange(out, low, high);
}

template <typename Table, typename E>
bool readName(const Json& value, const Table& table, E& out) {
    if (!value.is_string()) return false;
    const std::string& name = value.get_ref<const std::string&>();
    for (const auto& entry : table) {
        if (entry.second == name) {
            out = entry.first;
            return true;
        }
    }
    return false;
}

// An optional member: absent leaves `out` as it is; present, it must read.
template <typename Read>
bool readOptional(const Json& object, const char* key, Read read) {
    const Json* value = memberOf(object, key);
    return !value || read(*value);
}

bool readString(const Json& value, std::string& out) {
    if (!value.is_string()) return false;
    out = value.get<std::string>();
    return true;
}

bool readBool(const Json& value, bool& out) {
    if (!value.is_boolean()) return false;
    out = value.get<bool>();
    return true;
}

bool readScore(const Json& value, int& out) {
    if (value.is_null()) {
        out = -1;
        return true;
    }
    return readInt(value, 0, kMaxPoolScore, out);
}

bool readMember(const Json& value, PoolMember& member) {
    if (!value.is_object()) return false;
    const Json* name = memberOf(value, "name");
    return name && readString(*name, member.name) &&
           readOptional(value, "club", [&](const Json& v) { return readString(v, member.club); }) &&
           readOptional(
               value, "seed",
               [&](const Json& v) { return readInt(v, 0, kMaxPoolEntrants, member.seed); }) &&
           readOptional(value, "withdrawal", [&](const Json& v) {
               return readName(v, kWithdrawals, member.withdrawal);
           });
}

bool readMatch(const Json& value, PoolMatch& match) {
    if (!value.is_object()) return false;
    const Json* first = memberOf(value, "first");
    const Json* second = memberOf(value, "second");
    const Json* outcome = memberOf(value, "outcome");
    return first && second && outcome && readInt(*first, 0, kMaxPoolSize - 1, match.first) &&
           readInt(*second, 0, kMaxPoolSize - 1, match.second) &&
           readName(*outcome, kOutcomes, match.outcome) &&
           readOptional(value, "walkover",
                        [&](const Json& v) { return readBool(v, match.walkover); }) &&
           readOptional(value, "firstScore",
                        [&](const Json& v) { return readScore(v, match.firstScore); }) &&
           readOptional(value, "secondScore",
                        [&](const Json& v) { return readScore(v, match.secondScore); });
}

// Each element of the array `value` (of at most `most` elements) read into a new item of `out`.
template <typename T, typename Read>
bool readArray(const Json* value, size_t most, std::vector<T>& out, Read read) {
    if (!value || !value->is_array() || value->size() > most) return false;
    out.clear();
    out.reserve(value->size());
    for (const Json& element : *value) {
        out.emplace_back();
        if (!read(element, out.back())) return false;
    }
    return true;
}

bool readPool(const Json& value, Pool& pool) {
    if (!value.is_object()) return false;
    const auto readLotEntry = [](const Json& v, int& member) {
        return readInt(v, 0, kMaxPoolSize - 1, member);
    };
    return readOptional(value, "name", [&](const Json& v) { return readString(v, pool.name); }) &&
           readArray(memberOf(value, "members"), kMaxPoolSize, pool.members, readMember) &&
           readArray(memberOf(value, "matches"), size_t(kMaxPoolSize * (kMaxPoolSize - 1) / 2),
                     pool.matches, readMatch) &&
           readOptional(value, "lot", [&](const Json& v) {
               return readArray(&v, kMaxPoolSize, pool.lot, readLotEntry);
           });
}

bool readRules(const Json& value, PoolRules& rules) {
    if (!value.is_object()) return false;
    const auto points = [](int& out) {
        return [&out](const Json& v) { return readInt(v, -kMaxPoolPoints, kMaxPoolPoints, out); };
    };
    const auto readTieBreak = [](const Json& v, TieBreak& tieBreak) {
        return readName(v, kTieBreaks, tieBreak);
    };
    return readOptional(value, "winPoints", points(rules.winPoints)) &&
           readOptional(value, "drawPoints", points(rules.drawPoints)) &&
           readOptional(value, "lossPoints", points(rules.lossPoints)) &&
           readOptional(value, "drawsAllowed",
                        [&](const Json& v) { return readBool(v, rules.drawsAllowed); }) &&
           readOptional(value, "tieBreaks",
                        [&](const Json& v) {
                            return readArray(&v, kTieBreaks.size(), rules.tieBreaks, readTieBreak);
                        }) &&
           readOptional(value, "through",
                        [&](const Json& v) { return readInt(v, 1, 2, rules.through); }) &&
           readOptional(value, "marks",
                        [&](const Json& v) { return readName(v, kMarks, rules.marks); });
}

bool readStage(const Json& root, PoolStage& stage) {
    if (!root.is_object()) return false;
    const Json* format = memberOf(root, "format");
    const Json* version = memberOf(root, "version");
    int number = 0;
    if (!format || !format->is_string() ||
        format->get_ref<const std::string&>() != kPoolFileFormat || !version ||
        !readInt(*version, 1, kPoolFileVersion, number)) {
        return false;
    }
    const auto readDrawNumber = [&](const Json& v) {
        int drawNumber = 0;
        if (!readInt(v, 0, std::numeric_limits<int32_t>::max(), drawNumber)) return false;
        stage.drawNumber = uint32_t(drawNumber);
        return true;
    };
    return readOptional(root, "title", [&](const Json& v) { return readString(v, stage.title); }) &&
           readOptional(root, "subtitle",
                        [&](const Json& v) { return readString(v, stage.subtitle); }) &&
           readOptional(root, "language",
                        [&](const Json& v) { return readName(v, kLanguages, stage.language); }) &&
           readOptional(root, "drawNumber", readDrawNumber) &&
           readOptional(root, "rules", [&](const Json& v) { return readRules(v, stage.rules); }) &&
           readArray(memberOf(root, "pools"), size_t(kMaxPools), stage.pools, readPool);
}

}  // namespace

bool poolStageFits(const PoolStage& stage) {
    if (!inRange(int(stage.pools.size()), 1, kMaxPools) ||
        !textFits(stage.title, kMaxSheetTitleCharacters) ||
        !textFits(stage.subtitle, kMaxSheetSubtitleCharacters) ||
        !isKnown(kLanguages, stage.language) ||
        stage.drawNumber > uint32_t(std::numeric_limits<int32_t>::max()) ||
        !rulesFit(stage.rules)) {
        return false;
    }
    size_t entrants = 0;
    for (const Pool& pool : stage.pools) {
        if (!poolFits(pool)) return false;
        entrants += pool.members.size();
    }
    return entrants <= size_t(kMaxPoolEntrants);
}

std::string writePoolFile(const PoolStage& stage) {
    OrderedJson rules;
    rules["winPoints"] = stage.rules.winPoints;
    rules["drawPoints"] = stage.rules.drawPoints;
    rules["lossPoints"] = stage.rules.lossPoints;
    rules["drawsAllowed"] = stage.rules.drawsAllowed;
    rules["tieBreaks"] = OrderedJson::array();
    for (const TieBreak tieBreak : stage.rules.tieBreaks) {
        rules["tieBreaks"].push_back(nameOf(kTieBreaks, tieBreak));
    }
    rules["through"] = stage.rules.through;
    rules["marks"] = nameOf(kMarks, stage.rules.marks);

    OrderedJson file;
    file["format"] = kPoolFileFormat;
    file["version"] = kPoolFileVersion;
    file["title"] = stage.title;
    file["subtitle"] = stage.subtitle;
    file["language"] = nameOf(kLanguages, stage.language);
    file["drawNumber"] = stage.drawNumber;
    file["rules"] = std::move(rules);
    file["pools"] = OrderedJson::array();
    for (const Pool& pool : stage.pools) file["pools"].push_back(poolJson(pool));
    return file.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

std::optional<PoolStage> readPoolFile(std::string_view bytes) {
    if (bytes.size() > kMaxPoolFileBytes) return std::nullopt;
    try {
        ParseBounds bounds;
        const Json root = Json::parse(
            bytes.begin(), bytes.end(),
            [&bounds](int depth, Json::parse_event_t event, Json&) {
                // Each value is counted once: a container as it starts, anything else as it
                // is read. Its end and an object's key are not values.
                if (event == Json::parse_event_t::object_end ||
                    event == Json::parse_event_t::array_end || event == Json::parse_event_t::key) {
                    return !bounds.exceeded;
                }
                return bounds.keep(depth);
            },
            false);
        if (root.is_discarded() || bounds.exceeded) return std::nullopt;
        PoolStage stage;
        if (!readStage(root, stage) || !poolStageFits(stage)) return std::nullopt;
        return stage;
    } catch (const Json::exception&) {
        return std::nullopt;
    }
}

Result<PoolStage> loadPoolFile(const std::string& path, ReadableFiles accepted) {
    Result<std::string> bytes = readWholeFile(path, kMaxPoolFileBytes, accepted);
    if (!bytes) return bytes.failure();
    std::optional<PoolStage> stage = readPoolFile(*bytes);
    if (!stage) return Failure{FileError::InvalidFormat, path};
    return std::move(*stage);
}

}  // namespace kaz
