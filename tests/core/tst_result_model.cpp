#include <QRandomGenerator>
#include <QTest>
#include <array>
#include <string>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/bracket_change.h"
#include "bracket/member_progress.h"
#include "bracket/result_proposal.h"
#include "bracket/third_place.h"

using namespace kaz;

namespace {

// A plain model of a bracket's results, kept by matches rather than line states: each match's
// winner and the players it was played by, each line's score, the champion's name and the
// third-place match. Its rules: nobody plays from a slot that holds nobody (a bye, a slot
// without a name), and a bye's opponent has won by the draw, for good; a match keeps its
// result and scores only while it still has the players it was played by (a side that nobody
// had reached yet may be filled); a match whose result changes or is taken back loses its own
// scores, while scores typed before a match is decided stay.
struct ResultModel {
    int members = 0;
    int lines = 0;
    std::vector<std::string> names;
    std::vector<bool> bye;
    std::vector<int> winner;                 // by the line the match feeds: -1, or the side
    std::vector<std::array<int, 2>> played;  // by the line the match feeds: its players
    std::vector<std::string> score;          // by line
    std::string champion;
    bool finalMarked = false;  // the final line itself clicked
    bool thirdPlaceMatch = false;
    std::array<int, 2> thirdSides{-1, -1};
    int thirdWinner = -1;  // the side
    std::array<std::string, 2> thirdScore;

    ResultModel(int memberCount, std::vector<std::string> memberNames, std::vector<bool> byes,
                bool withThirdPlace)
        : members(memberCount),
          lines(2 * memberCount - 1),
          names(std::move(memberNames)),
          bye(std::move(byes)),
          winner(size_t(lines), -1),
          played(size_t(lines), {-1, -1}),
          score(size_t(lines)),
          thirdPlaceMatch(withThirdPlace) {
        for (int slot = 0; slot < members; ++slot) {
            if (bye[size_t(slot)] && !holdsNobody(slot ^ 1)) setWinner(slot ^ 1, side(slot ^ 1));
        }
    }

    bool operator==(const ResultModel& o) const {
        return winner == o.winner && score == o.score && champion == o.champion &&
               finalMarked == o.finalMarked && thirdWinner == o.thirdWinner &&
               thirdScore == o.thirdScore;
    }

    bool holdsNobody(int slot) const { return bye[size_t(slot)] || names[size_t(slot)].empty(); }
    int finalLine() const { return lines - 1; }
    int next(int line) const { return nextRoundLine(members, line); }
    int side(int line) const { return kindOfLine(members, line) == LineKind::Lower ? 1 : 0; }
    // The two lines that feed `line`.
    std::array<int, 2> feeders(int line) const {
        const LinePlace place = placeOfLine(members, line);
        const int upper = line - place.position - 2 * place.size + 2 * place.position;
        return {upper, upper + 1};
    }
    int occupant(int line) const {
        if (line < members) return holdsNobody(line) ? -1 : line;
        const int w = winner[size_t(line)];
        return w < 0 ? -1 : occupant(feeders(line)[size_t(w)]);
    }
    bool won(int line) const {
        if (line == finalLine()) return finalMarked;
        return winner[size_t(next(line))] == side(line);
    }
    bool byeWin(int line) const { return line < members && bye[size_t(line ^ 1)] && won(line); }
    // The semi-final losers, once their semi-finals are decided.
    std::array<int, 2> semiFinalLosers() const {
        std::array<int, 2> losers{-1, -1};
        for (int s = 0; s < 2; ++s) {
            const int finalist = lines - 3 + s;
            const int w = winner[size_t(finalist)];
            if (w >= 0) losers[size_t(s)] = occupant(feeders(finalist)[size_t(1 - w)]);
        }
        return losers;
    }

    // Applies the one rule, round by round, after `line`'s match changed.
    void settle(int line, int championBefore) {
        for (int fed = members; fed < lines; ++fed) {
            const std::array<int, 2> sides = feeders(fed);
            std::array<int, 2>& players = played[size_t(fed)];
            const std::array<int, 2> now{occupant(sides[0]), occupant(sides[1])};
            const bool lost = (players[0] >= 0 && players[0] != now[0]) ||
                              (players[1] >= 0 && players[1] != now[1]);
            if (lost) {
                winner[size_t(fed)] = -1;
                score[size_t(sides[0])].clear();
                score[size_t(sides[1])].clear();
            }
            players = now;
        }
        const int championNow = occupant(finalLine());
        if (championNow != championBefore) {
            finalMarked = false;
            score[size_t(finalLine())].clear();
            if (championNow >= 0) {
                if (championBefore >= 0 || champion.empty()) champion = names[size_t(championNow)];
            } else {
                const bool playsTheFinal = next(line) == finalLine();
                if (!playsTheFinal || champion == names[size_t(championBefore)]) champion.clear();
            }
        }
        const std::array<int, 2> losers = thirdPlaceMatch ? semiFinalLosers() : thirdSides;
        if (losers != thirdSides) {
            thirdWinner = -1;
            thirdScore = {};
            thirdSides = losers;
        }
    }

    void setWinner(int line, int w) {
        const int championBefore = occupant(finalLine());
        int& current = winner[size_t(next(line))];
        if (current >= 0 && current != w) {
            score[size_t(line)].clear();
            score[size_t(line ^ 1)].clear();
        }
        current = w;
        settle(line, championBefore);
    }

    bool refuses(int line) const { return occupant(line) < 0 || byeWin(line); }
    void click(int line) {
        if (refuses(line)) return;
        if (line == finalLine()) {
            finalMarked = !finalMarked;
            return;
        }
        setWinner(line, won(line) ? -1 : side(line));
    }
    // A whole double click, the press and its message: the match loses its result, and its
    // scores only where it had one. A press that gives a bye's win leaves that win standing.
    void doubleClick(int line) {
        if (refuses(line)) return;
        if (line == finalLine()) {
            finalMarked = false;
            return;
        }
        if (!won(line) && line < members && bye[size_t(line ^ 1)]) {
            click(line);
            return;
        }
        setWinner(line, -1);
    }
    void setScore(int line, const std::string& text) {
        if (occupant(line) >= 0) score[size_t(line)] = text;
    }
    void setChampion(const std::string& name) {
        if (name.empty() || occupant(finalLine()) >= 0) champion = name;
    }
    void clickThirdPlace(int s) {
        if (thirdSides[0] < 0 || thirdSides[1] < 0) return;
        if (thirdWinner >= 0) thirdScore = {};
        thirdWinner = thirdWinner == s ? -1 : s;
    }
    void doubleClickThirdPlace() {
        if (thirdSides[0] < 0 || thirdSides[1] < 0) return;
        if (thirdWinner >= 0) thirdScore = {};
        thirdWinner = -1;
    }
    void setThirdPlaceScore(int s, const std::string& text) {
        if (thirdSides[size_t(s)] >= 0) thirdScore[size_t(s)] = text;
    }
};

// What must hold of any bracket the editor made, whatever the model says: nobody wins on a line
// that holds nobody, a later line is occupied exactly when one of its feeding lines won, and no
// score stands where nobody stands.
QString brokenInvariant(const Bracket& bracket) {
    const int members = bracket.memberCount();
    for (int line = 0; line < bracket.lineCount(); ++line) {
        const bool player = playerStandsOn(bracket, line);
        if (!player && bracket.lineState(line) == LineState::Won) {
            return QStringLiteral("line %1 holds nobody but won").arg(line);
        }
        if (!player && !bracket.lineScore(line).empty()) {
            return QStringLiteral("line %1 holds nobody but has a score").arg(line);
        }
        if (line < members) continue;
        const LinePlace place = placeOfLine(members, line);
        const int upperFeeder = line - place.position - 2 * place.size + 2 * place.position;
        const bool fed = bracket.lineState(upperFeeder) == LineState::Won ||
                         bracket.lineState(upperFeeder + 1) == LineState::Won;
        if (fed != (bracket.lineState(line) != LineState::Open)) {
            return QStringLiteral("line %1 is %2occupied").arg(line).arg(fed ? "not " : "");
        }
    }
    return QString();
}

// Where the bracket and the model disagree, or an empty text.
QString difference(const Bracket& bracket, const ResultModel& model) {
    for (int line = 0; line < bracket.lineCount(); ++line) {
        const int shown = playerStandsOn(bracket, line) ? memberOnLine(bracket, line) : -1;
        if (shown != model.occupant(line)) {
            return QStringLiteral("line %1 shows member %2, not %3")
                .arg(line)
                .arg(shown)
                .arg(model.occupant(line));
        }
        if ((bracket.lineState(line) == LineState::Won) != model.won(line)) {
            return QStringLiteral("line %1 is %2won").arg(line).arg(model.won(line) ? "not " : "");
        }
        if (bracket.lineScore(line) != model.score[size_t(line)]) {
            return QStringLiteral("line %1 has the score \"%2\", not \"%3\"")
                .arg(line)
                .arg(QString::fromStdString(bracket.lineScore(line)),
                     QString::fromStdString(model.score[size_t(line)]));
        }
    }
    if (bracket.champion() != model.champion) {
        return QStringLiteral("the champion is \"%1\", not \"%2\"")
            .arg(QString::fromStdString(bracket.champion()),
                 QString::fromStdString(model.champion));
    }
    if (!model.thirdPlaceMatch) return QString();
    const int modelThird = model.thirdWinner < 0 ? -1 : model.thirdSides[size_t(model.thirdWinner)];
    if (thirdPlaceMembers(bracket) != model.thirdSides || thirdPlaceWinner(bracket) != modelThird) {
        return QStringLiteral("the third place differs");
    }
    for (int s = 0; s < kThirdPlaceSides; ++s) {
        if (bracket.thirdPlaceResult(s).score != model.thirdScore[size_t(s)]) {
            return QStringLiteral("third-place side %1's score differs").arg(s);
        }
    }
    return QString();
}

// The editor's road: each gesture asks the core for a proposal and makes exactly its step; a
// double click's message is proposed with the press it follows.
struct Editor {
    Bracket& bracket;

    BracketChange press(ResultPlace place) {
        const ResultProposal proposal = proposeResult(bracket, place, ResultAction::Press);
        proposal.change.redo(bracket);
        return proposal.change;
    }
    void doubleClick(ResultPlace place) {
        const ResultProposal pressed = proposeResult(bracket, place, ResultAction::Press);
        if (pressed.refusal) return;  // the message of a refused press is not sent
        pressed.change.redo(bracket);
        proposeResult(bracket, place, ResultAction::ResetMessage, &pressed.change)
            .change.redo(bracket);
    }
    void act(ResultPlace place, ResultAction action) {
        proposeResult(bracket, place, action).change.redo(bracket);
    }
};

}  // namespace

class TestResultModel : public QObject {
    Q_OBJECT

private slots:
    void randomSessionsFollowTheModel_data();
    void randomSessionsFollowTheModel();
};

void TestResultModel::randomSessionsFollowTheModel_data() {
    QTest::addColumn<int>("players");
    for (int players : {4, 8, 16, 32, 64, 128}) QTest::addRow("%d members", players) << players;
}

// Every operation a user can make, at random, on the bracket through the editor's road and by
// the model's own rule; after each the two must show the same results, and the bracket must
// keep its invariants. Sessions have byes and slots without a name, one or two sides, with or
// without a third-place match. Clicks favour the lines members stand on, so that sessions
// reach the final and change results decided long before.
void TestResultModel::randomSessionsFollowTheModel() {
    QFETCH(int, players);
    QRandomGenerator random(quint32(players) * 104729u);
    for (int session = 0; session < 24; ++session) {
        const bool thirdPlace = session % 2 == 0;
        std::vector<std::string> names;
        std::vector<bool> byes;
        for (int m = 0; m < players; ++m) {
            // Every fifth slot holds nobody, some as byes; others are named.
            const bool empty = m % 5 == 3;
            names.push_back(empty ? std::string() : "M" + std::to_string(m));
            byes.push_back(empty && session % 3 != 0);
        }
        Bracket bracket(players);
        for (int m = 0; m < players; ++m) bracket.setMemberName(m, names[size_t(m)]);
        SheetInfo sheet;
        sheet.thirdPlace = thirdPlace ? ThirdPlace::Match : ThirdPlace::None;
        sheet.twoSided = session % 4 < 2;
        bracket.setSheet(sheet);
        for (int m = 0; m < players; ++m) {
            if (byes[size_t(m)]) byeChange(bracket, m, true).redo(bracket);
        }
        ResultModel model(players, names, byes, thirdPlace);
        Editor editor{bracket};

        struct Done {
            BracketChange change;
            ResultModel before;
            ResultModel after;
        };
        std::vector<Done> history;
        size_t done = 0;
        QString wrong = difference(bracket, model);
        for (int step = 0; step < 300 && wrong.isEmpty(); ++step) {
            const int member = random.bounded(players);
            const int standingLine = memberStandingLine(bracket, member);
            const int line =
                random.bounded(3) == 0 ? random.bounded(bracket.lineCount()) : standingLine;
            const ResultPlace place = ResultPlace::line(line);
            const int side = random.bounded(kThirdPlaceSides);
            const int operation = random.bounded(13);
            const LineRecorder recorder(bracket);
            const ResultModel before = model;
            QString what;
            switch (operation) {
                case 0:
                case 1:
                    what = QStringLiteral("click %1").arg(line);
                    editor.press(place);
                    model.click(line);
                    break;
                case 2:
                    what = QStringLiteral("double click %1").arg(line);
                    editor.doubleClick(place);
                    model.doubleClick(line);
                    break;
                case 3:
                    what = QStringLiteral("scores of the match on %1").arg(line);
                    matchScoresChange(bracket, line, "2", "1").redo(bracket);
                    if (line != model.finalLine()) {
                        const int upper = line - model.side(line);
                        model.setScore(upper, "2");
                        model.setScore(upper + 1, "1");
                    }
                    break;
                case 4: {
                    what = QStringLiteral("champion");
                    const std::string name = random.bounded(2) == 0 ? "C" : "";
                    championChange(bracket, name).redo(bracket);
                    model.setChampion(name);
                    break;
                }
                case 5:
                    what = QStringLiteral("Alt+Right of member %1").arg(member);
                    if (standingLine != model.finalLine()) {
                        editor.act(ResultPlace::line(standingLine), ResultAction::Press);
                        model.click(standingLine);
                    }
                    break;
                case 6: {
                    what = QStringLiteral("Alt+Left of member %1").arg(member);
                    const int won = memberLastWonLine(bracket, member);
                    if (won >= 0) {
                        editor.act(ResultPlace::line(won), ResultAction::PressAndReset);
                        model.doubleClick(won);
                    }
                    break;
                }
                case 7:
                    what = QStringLiteral("third-place click on side %1").arg(side);
                    editor.press(ResultPlace::thirdPlaceSide(side));
                    if (thirdPlace) model.clickThirdPlace(side);
                    break;
                case 8:
                    what = QStringLiteral("third-place double click on side %1").arg(side);
                    editor.doubleClick(ResultPlace::thirdPlaceSide(side));
                    if (thirdPlace) model.doubleClickThirdPlace();
                    break;
                case 9:
                    what = QStringLiteral("third-place scores");
                    thirdPlaceScoresChange(bracket, "3", "0").redo(bracket);
                    if (thirdPlace) {
                        model.setThirdPlaceScore(0, "3");
                        model.setThirdPlaceScore(1, "0");
                    }
                    break;
                case 10:
                case 11:
                    what = QStringLiteral("undo");
                    if (done > 0) {
                        --done;
                        history[done].change.undo(bracket);
                        model = history[done].before;
                    }
                    break;
                default:
                    what = QStringLiteral("redo");
                    if (done < history.size()) {
                        history[done].change.redo(bracket);
                        model = history[done].after;
                        ++done;
                    }
                    break;
            }
            if (operation < 10) {
                BracketChange change = recorder.finish(bracket);
                if (!change.isEmpty()) {
                    history.erase(history.begin() + long(done), history.end());
                    history.push_back({std::move(change), before, model});
                    ++done;
                }
            }
            wrong = brokenInvariant(bracket);
            if (wrong.isEmpty()) wrong = difference(bracket, model);
            if (!wrong.isEmpty()) {
                wrong = QStringLiteral("session %1, step %2, %3: %4")
                            .arg(session)
                            .arg(step)
                            .arg(what, wrong);
            }
        }
        if (!wrong.isEmpty()) QFAIL(qPrintable(wrong));
    }
}

QTEST_GUILESS_MAIN(TestResultModel)
#include "tst_result_model.moc"
