#include "view/line_results.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

#include "bracket/bracket.h"
#include "bracket/cleared_results.h"
#include "bracket/line_rules.h"
#include "bracket/member_progress.h"
#include "bracket/round_names.h"
#include "bridge/qt_text.h"
#include "common/refusal_notice.h"
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

// "第42・50試合の結果と優勝者名".
QString clearedText(const kaz::ClearedResults& cleared) {
    QStringList numbers;
    for (int number : cleared.matchNumbers) numbers << QString::number(number);
    const QString matches =
        numbers.size() == 1
            ? QCoreApplication::translate("kaz::gui::LineResults", "第%1試合の結果", "one match")
                  .arg(numbers.first())
            : QCoreApplication::translate("kaz::gui::LineResults", "第%1試合の結果",
                                          "several matches")
                  .arg(numbers.join(QCoreApplication::translate("kaz::gui::LineResults", "・",
                                                                "between match numbers")));
    return cleared.champion
               ? QCoreApplication::translate("kaz::gui::LineResults", "%1と優勝者名").arg(matches)
               : matches;
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

namespace {

// A refused press on a line tells why for a while, as a command tells what it did.
bool announceLineRefusal(QWidget* where, const std::optional<kaz::Refusal>& refusal) {
    if (!refusal) return false;
    QApplication::beep();
    announceDone(where, uiText(*refusal));
    return true;
}

}  // namespace

bool refuseUnreachedLine(QWidget* where, const kaz::Bracket& bracket, int line) {
    return announceLineRefusal(where, kaz::lineRefusal(bracket, line));
}

bool refuseUnknownSide(QWidget* where, const kaz::Bracket& bracket, int side) {
    return announceLineRefusal(where, kaz::thirdPlaceRefusal(bracket, side));
}

bool refuseThirdPlaceWin(QWidget* where, const kaz::Bracket& bracket, int side) {
    return announceLineRefusal(where, kaz::thirdPlaceWinRefusal(bracket, side));
}

bool confirmResultChange(QWidget* where, const kaz::Bracket& bracket, int line,
                         const std::function<void(kaz::Bracket&)>& operation) {
    kaz::Bracket trial = bracket;
    operation(trial);
    const kaz::ClearedResults cleared = kaz::clearedResults(bracket, trial, line);
    if (cleared.matchNumbers.empty()) return true;
    const int upper = line - (bracket.lineKind(line) == kaz::LineKind::Lower ? 1 : 0);
    int winner = -1;
    for (int side : {upper, upper + 1}) {
        if (trial.lineState(side) == kaz::LineState::Won) winner = kaz::memberOnLine(trial, side);
    }
    const QString match = matchName(bracket, line);
    const QString question =
        winner >= 0
            ? QCoreApplication::translate("kaz::gui::LineResults",
                                          "%1の勝者を %2 に変えると、%3が消えます。変えますか?")
                  .arg(match, memberText(trial, winner), clearedText(cleared))
            : QCoreApplication::translate("kaz::gui::LineResults",
                                          "%1の結果を取り消すと、%2が消えます。取り消しますか?")
                  .arg(match, clearedText(cleared));
    return DesktopServices::instance().confirmLoss(where ? where->window() : nullptr, question);
}

bool clickLine(QWidget* where, BracketDocument* document, int line) {
    const kaz::Bracket& bracket = document->bracket();
    if (refuseUnreachedLine(where, bracket, line)) return false;
    const auto click = [line](kaz::Bracket& b) { kaz::leftClickLine(b, line); };
    if (!confirmResultChange(where, bracket, line, click)) return false;
    document->leftClickLine(line);
    if (bracket.lineState(line) != kaz::LineState::Won) return true;
    const int members = bracket.memberCount();
    const int next = kaz::nextRoundLine(members, line);
    const bool champion = next < 0 || bracket.lineKind(next) == kaz::LineKind::Final;
    const QString who = memberOnLineText(bracket, line);
    if (champion) {
        announceDone(where,
                     QCoreApplication::translate("kaz::gui::LineResults", "%1: 優勝").arg(who));
        return true;
    }
    const QString round = roundName(bracket, kaz::placeOfLine(members, next).round + 1);
    announceDone(where,
                 QCoreApplication::translate("kaz::gui::LineResults", "%1: %2へ").arg(who, round));
    return true;
}

void resetLine(QWidget* where, BracketDocument* document, int line, bool withPress) {
    const auto reset = [line, withPress](kaz::Bracket& b) {
        if (withPress) kaz::leftClickLine(b, line);
        kaz::doubleClickLine(b, line);
    };
    if (!confirmResultChange(where, document->bracket(), line, reset)) return;
    if (withPress) document->leftClickLine(line);
    document->doubleClickLine(line);
}

}  // namespace kaz::gui
