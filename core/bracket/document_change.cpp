#include "bracket/document_change.h"

#include <algorithm>

#include "bracket/bracket.h"
#include "bracket/bracket_change.h"
#include "bracket/third_place.h"

namespace kaz {

bool DocumentChange::isEmpty() const { return !changesContent() && !title; }

bool DocumentChange::changesContent() const {
    return !lines.empty() || !scores.empty() || !names.empty() || !marks.empty() || champion ||
           colors || sheet || thirdPlace;
}

DocumentChange documentChangeOf(const BracketChange& change, ChangeSource source) {
    DocumentChange heard;
    heard.source = source;
    for (const LineChange& line : change.lines) {
        if (line.result.before.state != line.result.after.state) heard.lines.push_back(line.line);
        if (line.result.before.score != line.result.after.score) heard.scores.push_back(line.line);
    }
    for (const NameChange& name : change.names) heard.names.push_back(name.member);
    for (const MarksChange& marks : change.marks) heard.marks.push_back(marks.member);
    // A step may list a part twice only where it was folded; listeners hear each once.
    for (std::vector<int>* parts : {&heard.lines, &heard.scores, &heard.names, &heard.marks}) {
        std::sort(parts->begin(), parts->end());
        parts->erase(std::unique(parts->begin(), parts->end()), parts->end());
    }
    heard.champion = bool(change.champion);
    heard.colors = bool(change.settings);
    heard.sheet = bool(change.sheet);
    heard.thirdPlace = bool(change.thirdPlaceResults);
    return heard;
}

bool affectsThirdPlace(const DocumentChange& change, const Bracket& bracket) {
    if (change.sheet || change.colors || change.thirdPlace) return true;
    const int members = bracket.memberCount();
    if (bracket.sheet().thirdPlace == ThirdPlace::None || members < 4) return false;
    // The semi-finals' four lines and the final's two: the final line itself decides nothing.
    const int first = semiFinalLines(members, 0)[0];
    const int last = bracket.lineCount() - 2;
    const auto deciding = [&](int line) { return line >= first && line <= last; };
    if (std::any_of(change.lines.begin(), change.lines.end(), deciding)) return true;
    const std::array<int, kThirdPlaceSides> shown = thirdPlaceMembers(bracket);
    const auto concerns = [&](int member) {
        return deciding(member) || member == shown[0] || member == shown[1];
    };
    return std::any_of(change.names.begin(), change.names.end(), concerns) ||
           std::any_of(change.marks.begin(), change.marks.end(), concerns);
}

bool affectsSheet(const DocumentChange& change) { return change.sheet || !change.marks.empty(); }

}  // namespace kaz
