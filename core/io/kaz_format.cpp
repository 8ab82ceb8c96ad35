#include "io/kaz_format.h"

#include <cstdint>
#include <vector>

#include "io/kaz_codec.h"
#include "io/sheet_block.h"
#include "text/document_text.h"
#include "text/text_limits.h"

namespace kaz {

std::string writeKaz(const Bracket& bracket) {
    std::string out;
    const int members = bracket.memberCount();
    appendKazInt(out, static_cast<uint32_t>(members));
    for (int i = 0; i < members; ++i) appendKazString(out, cp932Form(bracket.memberName(i)));
    appendKazInt(out, static_cast<uint32_t>(bracket.lineCount()));
    for (int line = 0; line < bracket.lineCount(); ++line) {
        appendKazInt(out, static_cast<uint32_t>(bracket.lineState(line)));
        appendKazString(out, cp932Form(bracket.lineScore(line)));
    }
    appendKazInt(out, static_cast<uint32_t>(bracket.roundCount()));
    for (int row = 0; row < ColorSet::kCount; ++row) {
        appendKazString(out, bracket.colors().at(row));
    }
    appendKazString(out, cp932Form(bracket.champion()));
    appendSheetBlock(out, bracket);
    return out;
}

std::optional<Bracket> readKaz(std::string_view bytes) {
    KazReader in(bytes);
    int32_t members = 0;
    if (!in.readInt32(members) || !isValidMemberCount(members)) return std::nullopt;

    BracketContent content;
    for (int i = 0; i < members; ++i) {
        if (!in.readText(content.memberNames[size_t(i)])) return std::nullopt;
    }

    uint32_t lineCount = 0;
    if (!in.readUInt(4, lineCount) ||
        lineCount != static_cast<uint32_t>(lineCountForMembers(members))) {
        return std::nullopt;
    }
    std::vector<LineResult>& lines = content.lines;
    lines.resize(lineCount);
    for (LineResult& line : lines) {
        int32_t state = 0;
        if (!in.readInt32(state) || !in.readText(line.score)) return std::nullopt;
        line.state = static_cast<LineState>(state);
    }

    int32_t rounds = 0;
    if (!in.readInt32(rounds) || rounds != roundsForMembers(members)) return std::nullopt;

    ColorSet& colors = content.colors;
    for (int row = 0; row < ColorSet::kCount; ++row) {
        if (!in.readString(colors.at(row)) || colors.at(row).size() > kColorStringBytes) {
            return std::nullopt;
        }
    }
    if (!in.readText(content.champion)) return std::nullopt;
    if (!readSheetBlock(in, members, rounds, content)) return std::nullopt;

    Bracket bracket = Bracket::fromStored(members, std::move(content));
    if (!sheetFits(bracket)) return std::nullopt;
    return bracket;
}

}  // namespace kaz
