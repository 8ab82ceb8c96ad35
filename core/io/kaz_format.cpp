#include "io/kaz_format.h"

#include <array>
#include <cstdint>
#include <vector>

#include "bracket/bracket_texts.h"
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
        appendKazString(out, classicField(TextKind::Score, bracket.lineScore(line)));
    }
    appendKazInt(out, static_cast<uint32_t>(bracket.roundCount()));
    for (int row = 0; row < ColorSet::kCount; ++row) {
        appendKazString(out, bracket.colors().at(row));
    }
    appendKazString(out, cp932Form(bracket.champion()));
    appendSheetBlock(out, bracket);
    return out;
}

namespace {

// A classic field as stored: its bytes, or its UTF-16 units.
struct StoredText {
    std::string_view bytes;
    bool utf16 = false;

    bool read(KazReader& in) { return in.readStoredString(bytes, utf16); }
};

// The classic part's texts as stored, made into text once the block's exact texts are known,
// so that a text the block holds exactly is read once.
struct StoredTexts {
    std::array<StoredText, kMaxMembers> names;
    std::vector<StoredText> scores;
    StoredText champion;

    const StoredText* of(TextKind kind, size_t index) const {
        switch (kind) {
            case TextKind::MemberName: return &names[index];
            case TextKind::Score: return &scores[index];
            case TextKind::Champion: return &champion;
            default: return nullptr;  // the block's own texts, read already
        }
    }
};

// Each text of `content`: the exact text where the block holds one that its field is still
// written from (a program that knows only the field may have changed it since), else the field.
void takeTexts(const StoredTexts& stored, const ExactTexts& exactTexts, BracketContent& content) {
    std::array<size_t, kTextKinds> next{};
    forEachText(content, [&](TextKind kind, size_t index, std::string& text) {
        const auto& entries = exactTexts[size_t(kind)];
        size_t& at = next[size_t(kind)];
        const bool hasExact = at < entries.size() && entries[at].first == index;
        const std::string_view exact = hasExact ? entries[at++].second : std::string_view();
        const StoredText* field = stored.of(kind, index);
        if (field != nullptr && field->utf16) text = textFromUtf16Le(field->bytes);
        const auto fits = [&] {
            if (field == nullptr) return isExactFormOf(exact, text);
            return isExactFormOfField(kind, exact, field->utf16 ? cp932Form(text) : field->bytes);
        };
        if (hasExact && fits()) {
            text.assign(exact.data(), exact.size());
        } else if (field != nullptr && !field->utf16) {
            text = textFromCp932(field->bytes);
        }
    });
}

}  // namespace

std::optional<Bracket> readKaz(std::string_view bytes) {
    KazReader in(bytes);
    int32_t members = 0;
    if (!in.readInt32(members) || !isValidMemberCount(members)) return std::nullopt;

    BracketContent content;
    StoredTexts stored;
    for (int i = 0; i < members; ++i) {
        if (!stored.names[size_t(i)].read(in)) return std::nullopt;
    }

    uint32_t lineCount = 0;
    if (!in.readUInt(4, lineCount) ||
        lineCount != static_cast<uint32_t>(lineCountForMembers(members))) {
        return std::nullopt;
    }
    std::vector<LineResult>& lines = content.lines;
    lines.resize(lineCount);
    stored.scores.resize(lineCount);
    for (size_t line = 0; line < lineCount; ++line) {
        int32_t state = 0;
        if (!in.readInt32(state) || !stored.scores[line].read(in)) return std::nullopt;
        lines[line].state = static_cast<LineState>(state);
    }

    int32_t rounds = 0;
    if (!in.readInt32(rounds) || rounds != roundsForMembers(members)) return std::nullopt;

    ColorSet& colors = content.colors;
    for (int row = 0; row < ColorSet::kCount; ++row) {
        if (!in.readString(colors.at(row)) || colors.at(row).size() > kColorStringBytes) {
            return std::nullopt;
        }
    }
    if (!stored.champion.read(in)) return std::nullopt;
    ExactTexts exactTexts;
    if (!readSheetBlock(in, members, rounds, content, exactTexts)) return std::nullopt;
    takeTexts(stored, exactTexts, content);

    Bracket bracket = Bracket::fromStored(members, std::move(content));
    if (!sheetFits(bracket)) return std::nullopt;
    return bracket;
}

}  // namespace kaz
