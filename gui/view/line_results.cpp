#include "view/line_results.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

#include "bracket/bracket.h"
#include "bracket/cleared_results.h"
#include "bracket/member_progress.h"
#include "bracket/round_names.h"
#include "bridge/qt_text.h"
#include "common/notice.h"
#include "common/ui_text.h"
#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "text/utf8.h"

namespace kaz::gui {

namespace {

// Beyond this many characters a name is cut with "…": a label or a status bar shows no more.
constexpr int kMostNameCharacters = 64;

QString roundName(const kaz::Bracket& bracket, int matchRound) {
    return uiText(kaz::matchRoundMessage(bracket.memberCount(), matchRound));
}

// "第26試合", or the round's name for a match that has no number.
QString matchName(const kaz::Bracket& bracket, int line) {
    const int number = kaz::matchNumberOfLine(bracket, line);
    if (number > 0)
        return QCoreApplication::translate("kaz::gui::LineResults", "第%1試合").arg(number);
    return roundName(bracket, kaz::placeOfLine(bracket.memberCount(), line).round + 1);
}

// The match played at `place`: "第26試合", "第4試合" for the third-place match.
QString matchNameAt(const kaz::Bracket& bracket, kaz::ResultPlace place) {
    if (place.kind == kaz::ResultPlace::Kind::ThirdPlaceSide) {
        return QCoreApplication::translate("kaz::gui::LineResults", "第%1試合")
            .arg(kaz::thirdPlaceMatchNumber(bracket));
    }
    return matchName(bracket, place.index);
}

}  // namespace

QString clearedResultsText(const kaz::ClearedResults& cleared) {
    QString text;
    if (!cleared.matchNumbers.empty()) {
        QStringList numbers;
        for (int number : cleared.matchNumbers) numbers << QString::number(number);
        text = numbers.size() == 1
                   ? QCoreApplication::translate("kaz::gui::LineResults", "第%1試合の結果",
                                                 "one match")
                         .arg(numbers.first())
                   : QCoreApplication::translate("kaz::gui::LineResults", "第%1試合の結果",
                                                 "several matches")
                         .arg(numbers.join(QCoreApplication::translate(
                             "kaz::gui::LineResults", "・", "between match numbers")));
        if (cleared.champion) {
            text = QCoreApplication::translate("kaz::gui::LineResults", "%1と優勝者名").arg(text);
        }
    }
    return text;
}

namespace {

// "第42・50試合の結果と優勝者名と第26試合の点数": what a change takes away besides its own
// result, or an empty text.
QString clearedText(const kaz::Bracket& bracket, const kaz::ResultProposal& proposal) {
    QString text = clearedResultsText(proposal.cleared);
    if (proposal.ownScoresCleared) {
        const QString match = matchNameAt(bracket, proposal.place);
        text = text.isEmpty()
                   ? QCoreApplication::translate("kaz::gui::LineResults", "%1の点数").arg(match)
                   : QCoreApplication::translate("kaz::gui::LineResults", "%1と%2の点数")
                         .arg(text, match);
    }
    return text;
}

}  // namespace

QString memberOnLineText(const kaz::Bracket& bracket, int line) {
    return memberText(bracket, kaz::memberOnLine(bracket, line));
}

QString memberText(const kaz::Bracket& bracket, int member) {
    if (member < 0) return QString();
    // Only the beginning of a long name is converted.
    const std::string& name = bracket.memberName(member);
    QString text =
        render::fromDocumentText(kaz::utf8Prefix(name, 4 * kMostNameCharacters)).simplified();
    if (text.isEmpty())
        return QCoreApplication::translate("kaz::gui::LineResults", "%1人目").arg(member + 1);
    if (text.size() > kMostNameCharacters) text = text.left(kMostNameCharacters) + QChar(0x2026);
    return text;
}

QString matchLabel(const kaz::Bracket& bracket, int line) {
    const int members = bracket.memberCount();
    const kaz::LinePlace place = kaz::placeOfLine(members, line);
    if (place.size <= 1) {
        return QCoreApplication::translate("kaz::gui::LineResults", "決勝の勝者: %1")
            .arg(memberOnLineText(bracket, line));
    }
    const int upper = line - place.position % 2;
    QString sides[2];
    for (int i = 0; i < 2; ++i) {
        sides[i] = memberOnLineText(bracket, upper + i);
        if (sides[i].isEmpty())
            sides[i] = QCoreApplication::translate("kaz::gui::LineResults", "（未定）");
    }
    return QCoreApplication::translate("kaz::gui::LineResults", "%1: %2 − %3")
        .arg(roundName(bracket, place.round + 1), sides[0], sides[1]);
}

QString matchTitle(const kaz::Bracket& bracket, int line) {
    const QString round =
        roundName(bracket, kaz::placeOfLine(bracket.memberCount(), line).round + 1);
    const int number = kaz::matchNumberOfLine(bracket, line);
    return number > 0 ? QCoreApplication::translate("kaz::gui::LineResults", "第%1試合 %2")
                            .arg(number)
                            .arg(round)
                      : round;
}

QString thirdPlaceMatchTitle(const kaz::Bracket& bracket) {
    return QCoreApplication::translate("kaz::gui::LineResults", "第%1試合 3位決定戦")
        .arg(kaz::thirdPlaceMatchNumber(bracket));
}

// A refused press on a line tells why for a while, as a command tells what it did.
bool refuseUnreachedLine(QWidget* where, const kaz::Bracket& bracket, int line) {
    return tell(where, kaz::lineRefusal(bracket, line), Notice::RefusedClick);
}

bool refuseUnknownSide(QWidget* where, const kaz::Bracket& bracket, int side) {
    return tell(where, kaz::thirdPlaceRefusal(bracket, side), Notice::RefusedClick);
}

bool refuseThirdPlaceWin(QWidget* where, const kaz::Bracket& bracket, int side) {
    return tell(where, kaz::thirdPlaceWinRefusal(bracket, side), Notice::RefusedClick);
}

namespace {

// Before a change that clears decided later results: names what would go ("第26試合の勝者を
// 林 結翔 に変えると、第42・50試合の結果と第26試合の点数が消えます。変えますか?", いいえ the
// default). True to go on.
bool confirmProposal(QWidget* where, const kaz::Bracket& bracket,
                     const kaz::ResultProposal& proposal) {
    if (!proposal.asks()) return true;
    const QString match = matchNameAt(bracket, proposal.place);
    const QString question =
        proposal.winner >= 0
            ? QCoreApplication::translate("kaz::gui::LineResults",
                                          "%1の勝者を %2 に変えると、%3が消えます。変えますか?")
                  .arg(match, memberText(bracket, proposal.winner), clearedText(bracket, proposal))
            : QCoreApplication::translate("kaz::gui::LineResults",
                                          "%1の結果を取り消すと、%2が消えます。取り消しますか?")
                  .arg(match, clearedText(bracket, proposal));
    return DesktopServices::instance().confirmLoss(where ? where->window() : nullptr, question);
}

// "山田 太郎: 2回戦へ" or "山田 太郎: 優勝" after a win on a line, "山田 太郎: 3位" in the
// third-place match; an empty text where nobody won.
QString winText(const kaz::Bracket& bracket, const kaz::ResultProposal& proposal) {
    if (proposal.action != kaz::ResultAction::Press || proposal.winner < 0) return QString();
    const QString who = memberText(bracket, proposal.winner);
    if (proposal.place.kind == kaz::ResultPlace::Kind::ThirdPlaceSide) {
        return QCoreApplication::translate("kaz::gui::LineResults", "%1: 3位").arg(who);
    }
    const int members = bracket.memberCount();
    const int next = kaz::nextRoundLine(members, proposal.place.index);
    if (next < 0 || bracket.lineKind(next) == kaz::LineKind::Final) {
        return QCoreApplication::translate("kaz::gui::LineResults", "%1: 優勝").arg(who);
    }
    const QString round = roundName(bracket, kaz::placeOfLine(members, next).round + 1);
    return QCoreApplication::translate("kaz::gui::LineResults", "%1: %2へ").arg(who, round);
}

}  // namespace

bool changeResult(QWidget* where, BracketDocument* document, kaz::ResultPlace place,
                  kaz::ResultAction action) {
    const kaz::ResultProposal proposal = document->proposeResult(place, action);
    if (tell(where, proposal.refusal, Notice::RefusedClick)) return false;
    if (!confirmProposal(where, document->bracket(), proposal)) return false;
    // Named from the bracket the change was worked out on: a match's number stays as asked.
    const QString match = matchNameAt(document->bracket(), place);
    document->commitResult(proposal);
    QString told = winText(document->bracket(), proposal);
    if (proposal.ownScoresCleared && !proposal.asks()) {
        told =
            told.isEmpty()
                ? QCoreApplication::translate("kaz::gui::LineResults", "%1の点数を消しました。")
                      .arg(match)
                : QCoreApplication::translate("kaz::gui::LineResults", "%1（%2の点数を消しました）")
                      .arg(told, match);
    }
    if (!told.isEmpty()) tell(where, told, Notice::Done);
    return true;
}

}  // namespace kaz::gui
