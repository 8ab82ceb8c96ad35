#include "bracket/line_rules.h"

#include "bracket/bracket.h"
#include "bracket/member_progress.h"
#include "bracket/third_place.h"

namespace kaz {
namespace {

int finalLineOf(const Bracket& bracket) { return bracket.lineCount() - 1; }

// True when `line` is one of the final's two lines: the match whose winner is the champion.
bool playsTheFinal(const Bracket& bracket, int line) {
    return placeOfLine(bracket.memberCount(), line).size == 2;
}

// The champion's name follows the final: a new winner of the final replaces the name with its
// own (kept empty for a nameless member), and a final decided while no name is set takes the
// winner's name. A final no longer decided takes the name away, except where its own result was
// taken back and the name is not the one the editor filled in: a name typed by hand stays.
void settleChampion(Bracket& bracket, int line, int championBefore) {
    const int championAfter = memberOnLine(bracket, finalLineOf(bracket));
    if (championAfter == championBefore) return;
    if (championAfter >= 0) {
        if (championBefore >= 0 || bracket.champion().empty()) {
            bracket.setChampion(bracket.memberName(championAfter));
        }
        return;
    }
    const bool filledIn = bracket.champion() == bracket.memberName(championBefore);
    if (!playsTheFinal(bracket, line) || filledIn) bracket.setChampion(std::string());
}

// Runs `operation` on the bracket, settles the champion's name and the third place after it,
// and tells which lines it changed, state or score. A click reaches a handful of lines;
// comparing them all keeps the answer exact whatever the rule does.
template <typename Operation>
ChangedLines changedBy(Bracket& bracket, int line, Operation operation) {
    const std::vector<LineResult> before = bracket.lineResults();
    const std::array<int, kThirdPlaceSides> sidesBefore = thirdPlaceMembers(bracket);
    const int championBefore = memberOnLine(bracket, finalLineOf(bracket));
    operation();
    settleChampion(bracket, line, championBefore);
    settleThirdPlace(bracket, sidesBefore);
    ChangedLines changed;
    if (!(bracket.lineResult(line) == before[static_cast<size_t>(line)])) changed.push_back(line);
    for (int other = 0; other < bracket.lineCount(); ++other) {
        if (other != line && !(bracket.lineResult(other) == before[static_cast<size_t>(other)])) {
            changed.push_back(other);
        }
    }
    return changed;
}

// The member on `line` is no longer the one who played there: it is the new winner of the match
// feeding it (`arrived`), or nobody. A result stands only while its match has the players it was
// played by, so the match on `line` loses its result and both sides' scores, and, where it had
// been decided, the line it fed loses its member in turn, up to the final line. The members on
// the other sides stay on the lines they had reached.
void replaceMemberOn(Bracket& bracket, int line, bool arrived) {
    const int members = bracket.memberCount();
    while (bracket.lineKind(line) != LineKind::Final) {
        const int opponent = opponentLine(members, line);
        const bool decided = bracket.lineState(line) == LineState::Won ||
                             bracket.lineState(opponent) == LineState::Won;
        bracket.setLineResult(line,
                              LineResult{arrived ? LineState::Advanced : LineState::Open, {}});
        const LineState opponentState = bracket.lineState(opponent) == LineState::Won
                                            ? LineState::Advanced
                                            : bracket.lineState(opponent);
        bracket.setLineResult(opponent, LineResult{opponentState, {}});
        if (!decided) return;
        line = nextRoundLine(members, line);
        arrived = false;
    }
    bracket.setLineResult(line, LineResult{arrived ? LineState::Reached : LineState::Open, {}});
}

// The next-round line no longer holds the member who played there when the opponent had won
// the match (or, in a bracket from a file, when anybody stands there).
bool nextLineChangesHands(const Bracket& bracket, int line) {
    const int members = bracket.memberCount();
    return bracket.lineState(opponentLine(members, line)) == LineState::Won ||
           bracket.lineState(nextRoundLine(members, line)) != LineState::Open;
}

bool matchIsDecided(const Bracket& bracket, int line) {
    return bracket.lineState(line) == LineState::Won ||
           bracket.lineState(opponentLine(bracket.memberCount(), line)) == LineState::Won;
}

// The scores stood for the result just changed or taken back: both sides lose theirs.
void clearMatchScores(Bracket& bracket, int line) {
    bracket.setLineScore(line, std::string());
    bracket.setLineScore(opponentLine(bracket.memberCount(), line), std::string());
}

}  // namespace

void carryResult(Bracket& bracket, int line, LineOutcome outcome) {
    const int members = bracket.memberCount();
    const LinePlace place = placeOfLine(members, line);
    if (place.size <= 1) return;  // the final line feeds nothing

    const int next = nextRoundLine(members, line);
    if (outcome == LineOutcome::Reset) {
        bracket.setLineState(next, LineState::Open);
    } else if (place.size == 2) {
        bracket.setLineState(next, LineState::Reached);
    } else {
        bracket.setLineState(next, LineState::Advanced);
    }

    const int opponent = opponentLine(members, line);
    if (bracket.lineState(opponent) == LineState::Won) {
        bracket.setLineState(opponent, place.round == 0 ? LineState::Open : LineState::Beaten);
    }
}

ChangedLines leftClickLine(Bracket& bracket, int line) {
    if (!memberStandsOn(bracket, line)) return {};
    return changedBy(bracket, line, [&bracket, line] {
        const bool isFinal = bracket.lineKind(line) == LineKind::Final;
        switch (bracket.lineState(line)) {
            case LineState::Open:
            case LineState::Reached:
            case LineState::Advanced:
            case LineState::Beaten:
                if (!isFinal) {
                    const bool winnerChanges = matchIsDecided(bracket, line);
                    if (nextLineChangesHands(bracket, line)) {
                        replaceMemberOn(bracket, nextRoundLine(bracket.memberCount(), line), true);
                    }
                    carryResult(bracket, line, LineOutcome::Win);
                    // Scores typed before the match was decided stay with its first winner.
                    if (winnerChanges) clearMatchScores(bracket, line);
                }
                bracket.setLineState(line, LineState::Won);
                break;
            case LineState::Won:
                if (!isFinal) {
                    replaceMemberOn(bracket, nextRoundLine(bracket.memberCount(), line), false);
                    clearMatchScores(bracket, line);
                }
                bracket.setLineState(line, LineState::Reached);
                break;
            default: break;  // a state outside 0 … 4 (from a file) is left as it is
        }
    });
}

ChangedLines doubleClickLine(Bracket& bracket, int line) {
    if (!memberStandsOn(bracket, line)) return {};
    return changedBy(bracket, line, [&bracket, line] {
        const bool hadWon = bracket.lineState(line) == LineState::Won;
        const bool roundOne = placeOfLine(bracket.memberCount(), line).round == 0;
        if (bracket.lineKind(line) == LineKind::Final) {
            bracket.setLineState(line, roundOne ? LineState::Open : LineState::Reached);
            return;
        }
        if (matchIsDecided(bracket, line)) clearMatchScores(bracket, line);
        bracket.setLineState(line, roundOne ? LineState::Open : LineState::Reached);
        if (hadWon || nextLineChangesHands(bracket, line)) {
            replaceMemberOn(bracket, nextRoundLine(bracket.memberCount(), line), false);
        }
        carryResult(bracket, line, LineOutcome::Reset);
    });
}

}  // namespace kaz
