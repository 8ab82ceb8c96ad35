#include "bracket/bracket_change.h"

#include <algorithm>
#include <utility>

#include "bracket/line_rules.h"
#include "bracket/member_progress.h"
#include "bracket/third_place.h"

namespace kaz {
namespace {

// Heap bytes of a string beyond its own object (none while it fits the small-string buffer).
size_t heapBytes(const std::string& text) {
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

size_t heapBytes(const LineResult& result) { return heapBytes(result.score); }

size_t heapBytes(const OutputSettings& settings) {
    size_t bytes = 0;
    for (int row = 0; row < ColorSet::kCount; ++row) bytes += heapBytes(settings.colors.at(row));
    return bytes;
}

size_t heapBytes(const SheetInfo& sheet) {
    size_t bytes = heapBytes(sheet.title) + heapBytes(sheet.subtitle);
    for (const std::string& name : sheet.roundNames) bytes += heapBytes(name);
    return bytes;
}

size_t heapBytes(const MemberMarks& marks) { return heapBytes(marks.club); }

size_t heapBytes(const ThirdPlaceResults& results) {
    return heapBytes(results[0]) + heapBytes(results[1]);
}

template <typename T>
size_t heapBytes(const Change<T>& change) {
    return heapBytes(change.before) + heapBytes(change.after);
}

void applySettings(Bracket& bracket, const OutputSettings& settings) {
    bracket.colors() = settings.colors;
    bracket.setBoldFlags(settings.boldScores, settings.boldMemberNames);
}

// Folds the parts of a later step into `parts`: a part both touched keeps its first `before`
// and takes the later `after`; parts that end where they began are dropped.
template <typename Part, typename Key, typename T>
void appendParts(std::vector<Part>& parts, const std::vector<Part>& later, Key Part::*key,
                 Change<T> Part::*change) {
    for (const Part& next : later) {
        auto same = std::find_if(parts.begin(), parts.end(),
                                 [&](const Part& part) { return part.*key == next.*key; });
        if (same == parts.end()) {
            parts.push_back(next);
        } else {
            ((*same).*change).after = (next.*change).after;
        }
    }
    parts.erase(std::remove_if(parts.begin(), parts.end(),
                               [&](const Part& part) {
                                   return (part.*change).before == (part.*change).after;
                               }),
                parts.end());
}

template <typename T>
void appendChange(OptionalPart<Change<T>>& change, const OptionalPart<Change<T>>& later) {
    if (!later) return;
    if (change) {
        change->after = later->after;
    } else {
        change = later;
    }
    if (change->before == change->after) change.reset();
}

// What `rule` does to a copy of `bracket`, as a step.
template <typename Rule>
BracketChange changeOfRule(const Bracket& bracket, Rule rule) {
    Bracket copy = bracket;
    const LineRecorder recorder(copy);
    rule(copy);
    return recorder.finish(copy);
}

}  // namespace

OutputSettings outputSettingsOf(const Bracket& bracket) {
    return OutputSettings{bracket.colors(), bracket.boldScores(), bracket.boldMemberNames()};
}

bool BracketChange::isEmpty() const {
    return lines.empty() && names.empty() && marks.empty() && !champion && !settings && !sheet &&
           !thirdPlaceResults;
}

void BracketChange::undo(Bracket& bracket) const {
    for (const LineChange& change : lines) bracket.setLineResult(change.line, change.result.before);
    for (const NameChange& change : names) bracket.setMemberName(change.member, change.name.before);
    for (const MarksChange& change : marks) {
        bracket.setMemberMarks(change.member, change.marks.before);
    }
    if (champion) bracket.setChampion(champion->before);
    if (settings) applySettings(bracket, settings->before);
    if (sheet) bracket.setSheet(sheet->before);
    if (thirdPlaceResults) bracket.setThirdPlaceResults(thirdPlaceResults->before);
}

void BracketChange::redo(Bracket& bracket) const {
    for (const LineChange& change : lines) bracket.setLineResult(change.line, change.result.after);
    for (const NameChange& change : names) bracket.setMemberName(change.member, change.name.after);
    for (const MarksChange& change : marks) {
        bracket.setMemberMarks(change.member, change.marks.after);
    }
    if (champion) bracket.setChampion(champion->after);
    if (settings) applySettings(bracket, settings->after);
    if (sheet) bracket.setSheet(sheet->after);
    if (thirdPlaceResults) bracket.setThirdPlaceResults(thirdPlaceResults->after);
}

void BracketChange::append(const BracketChange& later) {
    appendParts(lines, later.lines, &LineChange::line, &LineChange::result);
    appendParts(names, later.names, &NameChange::member, &NameChange::name);
    appendParts(marks, later.marks, &MarksChange::member, &MarksChange::marks);
    appendChange(champion, later.champion);
    appendChange(settings, later.settings);
    appendChange(sheet, later.sheet);
    appendChange(thirdPlaceResults, later.thirdPlaceResults);
}

size_t BracketChange::heldBytes() const {
    size_t bytes = sizeof(*this) + lines.capacity() * sizeof(LineChange) +
                   names.capacity() * sizeof(NameChange) + marks.capacity() * sizeof(MarksChange);
    for (const LineChange& change : lines) bytes += heapBytes(change.result);
    for (const NameChange& change : names) bytes += heapBytes(change.name);
    for (const MarksChange& change : marks) bytes += heapBytes(change.marks);
    if (champion) bytes += sizeof(*champion) + heapBytes(*champion);
    if (settings) bytes += sizeof(*settings) + heapBytes(*settings);
    if (sheet) bytes += sizeof(*sheet) + heapBytes(*sheet);
    if (thirdPlaceResults) bytes += sizeof(*thirdPlaceResults) + heapBytes(*thirdPlaceResults);
    return bytes;
}

LineRecorder::LineRecorder(const Bracket& bracket)
    : m_lines(bracket.lineResults()),
      m_champion(bracket.champion()),
      m_thirdPlaceResults(bracket.thirdPlaceResults()) {}

BracketChange LineRecorder::finish(const Bracket& bracket) const {
    BracketChange change;
    for (int line = 0; line < bracket.lineCount(); ++line) {
        const LineResult& before = m_lines[static_cast<size_t>(line)];
        if (!(bracket.lineResult(line) == before)) {
            change.lines.push_back(LineChange{line, {before, bracket.lineResult(line)}});
        }
    }
    if (bracket.champion() != m_champion) {
        change.champion = Change<std::string>{m_champion, bracket.champion()};
    }
    if (bracket.thirdPlaceResults() != m_thirdPlaceResults) {
        change.thirdPlaceResults =
            Change<ThirdPlaceResults>{m_thirdPlaceResults, bracket.thirdPlaceResults()};
    }
    return change;
}

BracketChange namesChange(const Bracket& bracket, int first,
                          const std::vector<std::string>& names) {
    BracketChange change;
    for (size_t i = 0; i < names.size(); ++i) {
        const int member = first + static_cast<int>(i);
        if (member < 0 || member >= bracket.memberCount()) break;
        if (bracket.memberName(member) != names[i]) {
            change.names.push_back(NameChange{member, {bracket.memberName(member), names[i]}});
        }
        if (!names[i].empty() && bracket.isBye(member)) {
            MemberMarks marks = bracket.memberMarks(member);
            marks.bye = false;
            change.marks.push_back(MarksChange{member, {bracket.memberMarks(member), marks}});
        }
    }
    return change;
}

BracketChange scoreChange(const Bracket& bracket, int line, std::string score) {
    BracketChange change;
    if (!score.empty() && !playerStandsOn(bracket, line)) return change;
    if (bracket.lineScore(line) != score) {
        LineResult after = bracket.lineResult(line);
        after.score = std::move(score);
        change.lines.push_back(LineChange{line, {bracket.lineResult(line), std::move(after)}});
    }
    return change;
}

BracketChange matchScoresChange(const Bracket& bracket, int line, std::string upperScore,
                                std::string lowerScore) {
    if (bracket.lineKind(line) == LineKind::Final) return BracketChange();  // plays no match
    const int upper = line - (bracket.lineKind(line) == LineKind::Lower ? 1 : 0);
    BracketChange change = scoreChange(bracket, upper, std::move(upperScore));
    for (LineChange& lower : scoreChange(bracket, upper + 1, std::move(lowerScore)).lines) {
        change.lines.push_back(std::move(lower));
    }
    return change;
}

BracketChange thirdPlaceScoresChange(const Bracket& bracket, std::string upperScore,
                                     std::string lowerScore) {
    BracketChange change = thirdPlaceScoreChange(bracket, 0, std::move(upperScore));
    Bracket upperSet = bracket;
    change.redo(upperSet);
    change.append(thirdPlaceScoreChange(upperSet, 1, std::move(lowerScore)));
    return change;
}

BracketChange thirdPlaceScoreChange(const Bracket& bracket, int side, std::string score) {
    if (side < 0 || side >= kThirdPlaceSides) return BracketChange();
    if (!score.empty() && thirdPlaceMember(bracket, side) < 0) return BracketChange();
    if (bracket.sheet().thirdPlace != ThirdPlace::Match) return BracketChange();
    ThirdPlaceResults results = bracket.thirdPlaceResults();
    results[size_t(side)].score = std::move(score);
    BracketChange change;
    if (results != bracket.thirdPlaceResults() && thirdPlaceResultsFit(bracket.sheet(), results)) {
        change.thirdPlaceResults =
            Change<ThirdPlaceResults>{bracket.thirdPlaceResults(), std::move(results)};
    }
    return change;
}

BracketChange championChange(const Bracket& bracket, std::string champion) {
    BracketChange change;
    if (!champion.empty() && !memberStandsOn(bracket, bracket.lineCount() - 1)) return change;
    if (bracket.champion() != champion) {
        change.champion = Change<std::string>{bracket.champion(), std::move(champion)};
    }
    return change;
}

BracketChange settingsChange(const Bracket& bracket, OutputSettings settings) {
    BracketChange change;
    OutputSettings before = outputSettingsOf(bracket);
    if (before != settings) {
        change.settings = Change<OutputSettings>{std::move(before), std::move(settings)};
    }
    return change;
}

BracketChange sheetChange(const Bracket& bracket, SheetInfo sheet) {
    BracketChange change;
    if (sheet == bracket.sheet() || !sheetFits(bracket, sheet)) return change;
    // Without the match its results have nothing to stand for.
    if (sheet.thirdPlace != ThirdPlace::Match &&
        bracket.thirdPlaceResults() != ThirdPlaceResults()) {
        change.thirdPlaceResults =
            Change<ThirdPlaceResults>{bracket.thirdPlaceResults(), ThirdPlaceResults()};
    }
    change.sheet = Change<SheetInfo>{bracket.sheet(), std::move(sheet)};
    return change;
}

BracketChange marksChange(const Bracket& bracket, int member, MemberMarks marks) {
    BracketChange change;
    if (!marksFit(bracket, member, marks) || marks == bracket.memberMarks(member)) return change;
    change.marks.push_back(MarksChange{member, {bracket.memberMarks(member), std::move(marks)}});
    return change;
}

BracketChange byeChange(const Bracket& bracket, int slot, bool bye) {
    if (slot < 0 || slot >= bracket.memberCount()) return BracketChange();
    MemberMarks marks = bracket.memberMarks(slot);
    marks.bye = bye;
    BracketChange change = marksChange(bracket, slot, std::move(marks));
    const int opponent = opponentLine(bracket.memberCount(), slot);
    if (change.isEmpty() || !bye || slotHoldsNobody(bracket, opponent)) return change;
    if (bracket.lineState(slot) == LineState::Won ||
        bracket.lineState(opponent) == LineState::Won) {
        return change;
    }
    Bracket marked = bracket;
    change.redo(marked);
    change.append(
        changeOfRule(marked, [opponent](Bracket& copy) { leftClickLine(copy, opponent); }));
    return change;
}

BracketChange clubChange(const Bracket& bracket, int member, std::string club) {
    if (member < 0 || member >= bracket.memberCount()) return BracketChange();
    MemberMarks marks = bracket.memberMarks(member);
    marks.club = std::move(club);
    const bool erased = marks.club.empty();
    BracketChange change = marksChange(bracket, member, std::move(marks));
    if (change.isEmpty() || !erased || bracket.sheet().clubColumn) return change;
    for (int other = 0; other < bracket.memberCount(); ++other) {
        if (other != member && !bracket.memberClub(other).empty()) return change;
    }
    // The last club erased: the column stays, since only its own setting hides it.
    SheetInfo sheet = bracket.sheet();
    sheet.clubColumn = true;
    change.sheet = Change<SheetInfo>{bracket.sheet(), std::move(sheet)};
    return change;
}

}  // namespace kaz
