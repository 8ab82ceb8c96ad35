// What a change says it touched, over random steps: exactly the parts that differ, and the
// third place wherever what it shows differs, done and undone; and the window's scene, which a
// click only recolours (taking away the scores it cleared), the same as one made afresh.

#include <QtTest>
#include <array>
#include <random>
#include <tuple>

#include "bracket/bracket.h"
#include "bracket/bracket_change.h"
#include "bracket/document_change.h"
#include "bracket/member_progress.h"
#include "bracket/result_proposal.h"
#include "bracket/third_place.h"
#include "scene/sheet_scene.h"

using namespace kaz;

namespace {

// Everything the third place shows.
struct ThirdPlaceShown {
    std::array<int, kThirdPlaceSides> members{};
    std::array<std::string, kThirdPlaceSides> names;
    std::array<LineState, kThirdPlaceSides> states{};
    ThirdPlaceResults results;

    bool operator==(const ThirdPlaceShown& o) const {
        return members == o.members && names == o.names && states == o.states &&
               results == o.results;
    }
};

ThirdPlaceShown thirdPlaceShown(const Bracket& bracket) {
    ThirdPlaceShown shown;
    shown.members = thirdPlaceMembers(bracket);
    for (int side = 0; side < kThirdPlaceSides; ++side) {
        const int member = shown.members[size_t(side)];
        if (member >= 0) shown.names[size_t(side)] = bracket.memberName(member);
        shown.states[size_t(side)] = thirdPlaceLineState(bracket, side);
    }
    shown.results = bracket.thirdPlaceResults();
    return shown;
}

// What a listener hears of: the lines whose state and whose score changed, the names and the
// marks by member, the champion and the third-place results.
using Parts =
    std::tuple<std::vector<int>, std::vector<int>, std::vector<int>, std::vector<int>, bool, bool>;

Parts heardParts(const DocumentChange& change) {
    return {change.lines, change.scores,   change.names,
            change.marks, change.champion, change.thirdPlace};
}

// The same, worked out by comparing two brackets.
Parts differences(const Bracket& from, const Bracket& to) {
    Parts parts;
    auto& [lines, scores, names, marks, champion, thirdPlace] = parts;
    for (int line = 0; line < from.lineCount(); ++line) {
        if (from.lineState(line) != to.lineState(line)) lines.push_back(line);
        if (from.lineScore(line) != to.lineScore(line)) scores.push_back(line);
    }
    for (int member = 0; member < from.memberCount(); ++member) {
        if (from.memberName(member) != to.memberName(member)) names.push_back(member);
        if (!(from.memberMarks(member) == to.memberMarks(member))) marks.push_back(member);
    }
    champion = from.champion() != to.champion();
    thirdPlace = from.thirdPlaceResults() != to.thirdPlaceResults();
    return parts;
}

// A random step of any kind the lines, names, byes and scores take.
BracketChange randomStep(const Bracket& bracket, std::mt19937& random) {
    auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    const int lines = bracket.lineCount();
    const int members = bracket.memberCount();
    switch (pick(8)) {
        case 0:
        case 1:  // a member carried on, so that results reach the semi-finals
            return proposeResult(bracket,
                                 ResultPlace::line(memberStandingLine(bracket, pick(members))),
                                 ResultAction::Press)
                .change;
        case 2:
        case 3:
            return proposeResult(bracket, ResultPlace::line(pick(lines)),
                                 pick(3) ? ResultAction::Press : ResultAction::PressAndReset)
                .change;
        case 4:
            return proposeResult(bracket, ResultPlace::thirdPlaceSide(pick(2)),
                                 pick(2) ? ResultAction::Press : ResultAction::PressAndReset)
                .change;
        case 5:
            return namesChange(bracket, pick(members),
                               {std::vector<std::string>{"", "N"}[pick(2)]});
        case 6: return byeChange(bracket, pick(members), pick(2));
        default:
            return pick(2) ? scoreChange(bracket, pick(lines), "2")
                           : thirdPlaceScoreChange(bracket, pick(2), pick(2) ? "1" : "");
    }
}

// Seven pixels a byte: the scene's items, not its measures, are compared.
class ByteMetrics : public TextMetrics {
public:
    TextRun run(TextRole, std::string_view utf8, int stretch) const override {
        const int width = int(utf8.size()) * 7 * stretch / 100;
        return {width, 0, width};
    }
    int lineHeight(TextRole) const override { return 14; }
};

bool sameItems(const Scene& a, const Scene& b) {
    const auto same = [](const SceneItem& x, const SceneItem& y) {
        const auto rect = [](const Rect& r) { return std::tie(r.left, r.top, r.width, r.height); };
        return x.kind == y.kind && x.ink == y.ink && rect(x.rect) == rect(y.rect) &&
               x.tag == y.tag && x.text == y.text;
    };
    return std::equal(a.items.begin(), a.items.end(), b.items.begin(), b.items.end(), same) &&
           a.tagged == b.tagged && a.taggedStart == b.taggedStart;
}

}  // namespace

class TestDocumentChange : public QObject {
    Q_OBJECT
private slots:
    void heardAsChanged_data();
    void heardAsChanged();
};

void TestDocumentChange::heardAsChanged_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<bool>("twoSided");
    QTest::addColumn<bool>("thirdPlace");
    for (int members : {4, 8, 16, 64}) {
        for (bool twoSided : {false, true}) {
            // Without a third place a click near the final only recolours the window's scene.
            const bool thirdPlace = members != 8;
            QTest::addRow("%d members%s%s", members, twoSided ? ", two-sided" : "",
                          thirdPlace ? "" : ", no third place")
                << members << twoSided << thirdPlace;
        }
    }
}

// Each step, done and undone, says exactly the lines, scores, names and marks that differ, and
// touches the third place wherever what it shows differs; steps far from the semi-finals do not.
void TestDocumentChange::heardAsChanged() {
    QFETCH(int, members);
    QFETCH(bool, twoSided);
    QFETCH(bool, thirdPlace);
    Bracket bracket(members);
    SheetInfo sheet;
    sheet.twoSided = twoSided;
    sheet.thirdPlace = thirdPlace ? ThirdPlace::Match : ThirdPlace::None;
    bracket.setSheet(sheet);
    for (int m = 0; m < members; ++m) bracket.setMemberName(m, "M" + std::to_string(m));
    std::mt19937 random(unsigned(members) + (twoSided ? 100u : 0u));
    const ByteMetrics metrics;
    SceneStyle screen = pageSceneStyle();
    screen.screen = true;
    Scene scene = buildScreenScene(bracket, metrics, screen);
    int recoloured = 0;
    int scoresCleared = 0;
    int touched = 0;
    int untouched = 0;
    for (int step = 0; step < 1500; ++step) {
        const BracketChange change = randomStep(bracket, random);
        if (change.isEmpty()) continue;
        for (ChangeSource source :
             {ChangeSource::Done, ChangeSource::Undone, ChangeSource::Redone}) {
            const Bracket before = bracket;
            const ThirdPlaceShown shownBefore = thirdPlaceShown(bracket);
            if (source == ChangeSource::Undone) {
                change.undo(bracket);
            } else {
                change.redo(bracket);
            }
            const DocumentChange heard = documentChangeOf(change, source);
            QCOMPARE(heard.source, source);
            QVERIFY(heardParts(heard) == differences(before, bracket));
            QVERIFY(heard.changesContent());
            const bool affects = affectsThirdPlace(heard, bracket);
            QVERIFY2(affects || thirdPlaceShown(bracket) == shownBefore,
                     qPrintable(QStringLiteral("step %1").arg(step)));
            ++(affects ? touched : untouched);
            const Scene fresh = buildScreenScene(bracket, metrics, screen);
            if (applyResultChange(scene, bracket, heard)) {
                QVERIFY2(sameItems(scene, fresh), qPrintable(QStringLiteral("step %1").arg(step)));
                ++recoloured;
                if (!heard.scores.empty()) ++scoresCleared;
            }
            scene = fresh;
            if (QTest::currentTestFailed()) return;
        }
    }
    QVERIFY(touched > 0 || !thirdPlace);
    QVERIFY(recoloured > 0);
    // Of four members with a third place every result concerns it.
    if (members > 4) QVERIFY(scoresCleared > 0);
    if (members >= 16) QVERIFY(untouched > touched);
}

QTEST_GUILESS_MAIN(TestDocumentChange)
#include "tst_document_change.moc"
