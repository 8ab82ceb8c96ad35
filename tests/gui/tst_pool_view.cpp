// The pool stage's window: a click on a result cell opens the match dialog, what it enters is
// one step that the table and the standings show at once, a refused result keeps the dialog
// open and changes nothing, and the keys reach every match.

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QUndoStack>
#include <memory>

#include "color/color_set.h"
#include "dialogs/pool_match_dialog.h"
#include "document/pool_document.h"
#include "gui_test_support.h"
#include "painting/scene_painter.h"
#include "pools/pool_draw.h"
#include "pools/pool_standings.h"
#include "view/pool_view.h"

using namespace kaz;
using namespace kaz::gui;
using guitest::onNextDialog;

Q_DECLARE_METATYPE(MatchOutcome)

namespace {

PoolStage twoPoolsOfFour() {
    std::vector<Entrant> entrants(8);
    for (size_t e = 0; e < entrants.size(); ++e) entrants[e].name = "選手" + std::to_string(e + 1);
    PoolDrawOptions options;
    options.pools = 2;
    options.drawNumber = 7;
    return drawPools(entrants, options)->stage;
}

// Whether a text of the scene reads `text`.
bool sceneShows(const PoolView& view, const std::string& text) {
    for (const SceneItem& item : view.scene().items) {
        if (item.kind == SceneItem::Kind::Text && item.text == text) return true;
    }
    return false;
}

}  // namespace

class TestPoolView : public QObject {
    Q_OBJECT
private slots:
    void enteredInTheDialog_data();
    void enteredInTheDialog();
    void keysReachEveryMatch();
    void withdrawalAndLot();
    void resultRepaintsOnlyWhatChanged();
    void zoomedClicksReachTheirMatch_data();
    void zoomedClicksReachTheirMatch();
};

void TestPoolView::enteredInTheDialog_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("chosen");  // -1 none, 0 or 1 a side, 2 a draw
    QTest::addColumn<bool>("walkover");
    QTest::addColumn<MatchOutcome>("outcome");  // Unplayed: refused, the dialog stays open
    QTest::newRow("scores decide") << "21"
                                   << "15" << -1 << false << MatchOutcome::FirstWins;
    QTest::newRow("scores over the choice") << "9"
                                            << "21" << 0 << false << MatchOutcome::SecondWins;
    QTest::newRow("no scores, chosen") << ""
                                       << "" << 1 << false << MatchOutcome::SecondWins;
    QTest::newRow("walkover") << ""
                              << "" << 0 << true << MatchOutcome::FirstWins;
    QTest::newRow("level, draws not allowed") << "3"
                                              << "3" << -1 << false << MatchOutcome::Unplayed;
    QTest::newRow("one side's score") << "3"
                                      << "" << 0 << false << MatchOutcome::Unplayed;
}

void TestPoolView::enteredInTheDialog() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, chosen);
    QFETCH(bool, walkover);
    QFETCH(MatchOutcome, outcome);
    PoolDocument document(twoPoolsOfFour());
    PoolView view(&document);
    view.resize(900, 700);
    guitest::showExposed(view);
    // The second pool's first match: numbered after the first pool's six.
    const int number = 7;
    const PoolMatch& before = document.stage().pools[1].matches[0];
    const PoolStanding winnerBefore =
        poolStandings(document.stage().pools[1], document.stage().rules)
            .members[size_t(before.first)];

    bool stayedOpen = false;
    QString refusal;
    onNextDialog<PoolMatchDialog>([&](PoolMatchDialog* dialog) {
        dialog->scoreField(0)->setText(first);
        dialog->scoreField(1)->setText(second);
        if (chosen == 2) dialog->drawButton()->setChecked(true);
        if (chosen == 0 || chosen == 1) dialog->winnerButton(chosen)->setChecked(true);
        dialog->walkoverBox()->setChecked(walkover);
        QTest::keyClick(dialog->scoreField(1), Qt::Key_Return);
        stayedOpen = dialog->isVisible();
        for (QLabel* line : dialog->findChildren<QLabel*>()) {
            if (line->isVisibleTo(dialog) && line->text().contains(QStringLiteral("。"))) {
                refusal = line->text();
            }
        }
    });
    QTest::mouseClick(view.widget(), Qt::LeftButton, {}, view.cellCentre(number));

    const PoolMatch& after = document.stage().pools[1].matches[0];
    QCOMPARE(after.outcome, outcome);
    if (outcome == MatchOutcome::Unplayed) {
        QVERIFY(stayedOpen);
        QVERIFY2(!refusal.isEmpty(), "the dialog does not say why");
        QCOMPARE(document.undoStack()->count(), 0);
        QVERIFY(!document.isChanged());
        return;
    }
    QVERIFY(!stayedOpen);
    QCOMPARE(after.walkover, walkover);
    QCOMPARE(document.undoStack()->count(), 1);
    QVERIFY(document.isChanged());
    // The table and the standings show it at once: the winner's mark, and a win more.
    const bool firstWon = outcome == MatchOutcome::FirstWins;
    const PoolStandings standings =
        poolStandings(document.stage().pools[1], document.stage().rules);
    const int winner = firstWon ? after.first : after.second;
    QCOMPARE(standings.members[size_t(winner)].wins, winnerBefore.wins + 1);
    std::string cell;
    if (!walkover && !first.isEmpty()) {
        cell = "○ " + (firstWon ? first + "-" + second : second + "-" + first).toStdString();
        QVERIFY2(sceneShows(view, cell), cell.c_str());
    }
    // One step, undone whole.
    document.undoStack()->undo();
    QVERIFY(document.stage().pools[1].matches[0] == before);
    QVERIFY(!document.isChanged());
    if (!cell.empty()) QVERIFY(!sceneShows(view, cell));
}

// ↓ from nothing chosen is the first match, End the last; Enter opens its dialog and Delete
// takes its result back.
void TestPoolView::keysReachEveryMatch() {
    PoolDocument document(twoPoolsOfFour());
    PoolView view(&document);
    guitest::showExposed(view);
    guitest::focus(&view);
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.currentMatch(), 1);
    QTest::keyClick(&view, Qt::Key_End);
    QCOMPARE(view.currentMatch(), 12);
    onNextDialog<PoolMatchDialog>([](PoolMatchDialog* dialog) {
        dialog->winnerButton(1)->setChecked(true);
        dialog->accept();
    });
    QTest::keyClick(&view, Qt::Key_F2);
    QCOMPARE(document.stage().pools[1].matches[5].outcome, MatchOutcome::SecondWins);
    QTest::keyClick(&view, Qt::Key_Delete);
    QVERIFY(!document.stage().pools[1].matches[5].isPlayed());
    QCOMPARE(document.undoStack()->count(), 2);
    QCOMPARE(document.undoStack()->undoText(), QStringLiteral("結果の取り消し"));
}

// A member's menu: a withdrawal that loses their matches shows on the table at once and is one
// step; members left level are decided by a lot drawn and recorded.
void TestPoolView::withdrawalAndLot() {
    PoolDocument document(twoPoolsOfFour());
    PoolView view(&document);
    guitest::showExposed(view);
    const std::string name = document.stage().pools[0].members[2].name;
    // The name down the side is where the menu opens.
    QPoint nameAt;
    for (const SceneItem& item : view.scene().items) {
        if (item.tag == SceneTag{SceneTag::Kind::PoolMember, 2}) {
            nameAt = QPoint(item.rect.left + 4, item.rect.top + item.rect.height / 2);
        }
    }
    QVERIFY(view.memberAt(nameAt) == std::pair(0, 2));

    std::unique_ptr<QMenu> menu(view.memberMenu(0, 2));
    QVERIFY(menu->findChild<QAction*>("notWithdrawn")->isChecked());
    menu->findChild<QAction*>("withdrawnLosing")->trigger();
    const Pool& pool = document.stage().pools[0];
    QCOMPARE(pool.members[2].withdrawal, Withdrawal::MatchesLost);
    QCOMPARE(poolStandings(pool, document.stage().rules).members[2].losses, 3);
    QVERIFY(sceneShows(view, "3 " + name + " (棄権)"));
    document.undoStack()->undo();
    QCOMPARE(document.stage().pools[0].members[2].withdrawal, Withdrawal::None);

    // Nothing played: all four are level, and only a lot tells them apart.
    QCOMPARE(int(poolStandings(pool, document.stage().rules).ties.size()), 1);
    menu.reset(view.memberMenu(0, 2));
    menu->findChild<QAction*>("drawLot")->trigger();
    QCOMPARE(int(document.stage().pools[0].lot.size()), 4);
    QVERIFY(poolStandings(document.stage().pools[0], document.stage().rules).ties.empty());
    QCOMPARE(document.undoStack()->undoText(), QStringLiteral("抽選"));
}

// A result repaints only the rectangles the scene says changed: painting the stage as it was,
// then those rectangles afresh as the window does, gives the stage as it is now.
void TestPoolView::resultRepaintsOnlyWhatChanged() {
    PoolDocument document(twoPoolsOfFour());
    PoolView view(&document);
    // A pool's first result adds its ranks and moves what is below: the whole sheet is
    // repainted. A score changed after it moves nothing.
    document.commitResult(document.proposeResult(1, 0, {3, 1, MatchOutcome::Unplayed, false}));
    const Scene before = view.scene();
    document.commitResult(document.proposeResult(1, 0, {3, 2, MatchOutcome::Unplayed, false}));
    const Scene& after = view.scene();
    const std::optional<std::vector<Rect>> changed = changedRects(before, after);
    QVERIFY(changed && !changed->empty());
    const QSize size(after.extent.width, after.extent.height);
    const auto painted = [&size](const Scene& scene) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        render::paintScene(painter, scene, ColorSet());
        return image;
    };
    QImage repainted = painted(before);
    {
        QPainter painter(&repainted);
        for (const Rect& rect : *changed) {
            const QRect area =
                QRect(rect.left, rect.top, rect.width, rect.height).adjusted(-1, -1, 1, 1);
            painter.setClipRect(area);
            painter.fillRect(area, Qt::white);
            render::paintScene(painter, after, ColorSet(), [&area](const SceneItem& item) {
                return QRect(item.rect.left, item.rect.top, item.rect.width, item.rect.height)
                    .intersects(area);
            });
        }
    }
    QCOMPARE(repainted, painted(after));
}

void TestPoolView::zoomedClicksReachTheirMatch_data() {
    QTest::addColumn<int>("zoom");
    for (int zoom : {25, 67, 175, 400}) QTest::addRow("%d %%", zoom) << zoom;
}

// At every zoom the sheet grows or shrinks whole, and a click on a match's cell as zoomed opens
// that match.
void TestPoolView::zoomedClicksReachTheirMatch() {
    QFETCH(int, zoom);
    PoolDocument document(twoPoolsOfFour());
    PoolView view(&document);
    view.resize(500, 400);
    guitest::showExposed(view);
    view.setZoom(zoom);
    QCOMPARE(view.zoom(), zoom);
    const Size extent = view.scene().extent;
    QCOMPARE(view.widget()->size(), QSize(zoomed(extent.width, zoom), zoomed(extent.height, zoom)));
    for (int number : {1, 9, 12}) {
        QString opened;
        onNextDialog<PoolMatchDialog>([&opened](PoolMatchDialog* dialog) {
            opened = dialog->findChild<QLabel*>()->text();
            dialog->reject();
        });
        QTest::mouseClick(view.widget(), Qt::LeftButton, {}, view.cellCentre(number));
        QVERIFY2(opened.startsWith(QStringLiteral("第%1試合").arg(number)), qPrintable(opened));
    }
}

QTEST_MAIN(TestPoolView)
#include "tst_pool_view.moc"
