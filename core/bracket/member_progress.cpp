#include "bracket/member_progress.h"

#include "bracket/bracket.h"

namespace kaz {
namespace {

struct Progress {
    int standing = 0;
    int lastWon = -1;
};

Progress progressOf(const Bracket& bracket, int member) {
    Progress progress{member, -1};
    while (bracket.lineState(progress.standing) == LineState::Won) {
        progress.lastWon = progress.standing;
        const int next = nextRoundLine(bracket.memberCount(), progress.standing);
        if (next < 0) break;  // won the final line
        progress.standing = next;
    }
    return progress;
}

}  // namespace

int memberStandingLine(const Bracket& bracket, int member) {
    return progressOf(bracket, member).standing;
}

int memberLastWonLine(const Bracket& bracket, int member) {
    return progressOf(bracket, member).lastWon;
}

}  // namespace kaz
