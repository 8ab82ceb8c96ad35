#include "view/line_results.h"

#include <QApplication>
#include <QCoreApplication>

#include "bracket/bracket.h"
#include "bracket/member_progress.h"
#include "bracket/round_names.h"
#include "bridge/qt_text.h"
#include "common/refusal_notice.h"
#include "common/ui_text.h"
#include "document/bracket_document.h"

namespace kaz::gui {

namespace {

// Beyond this many characters a name is cut with "…": a label or a status bar shows no more.
constexpr int kMostNameCharacters = 64;

QString roundName(const kaz::Bracket& bracket, int matchRound) {
    return uiText(kaz::matchRoundName(bracket.memberCount(), matchRound));
}

}  // namespace

QString memberOnLineText(const kaz::Bracket& bracket, int line) {
    return memberText(bracket, kaz::memberOnLine(bracket, line));
}

QString memberText(const kaz::Bracket& bracket, int member) {
    if (member < 0) return QString();
    // Only the beginning of a long name is converted.
    const std::string& name = bracket.memberName(member);
    QString text = render::fromCp932(name.substr(0, 4 * kMostNameCharacters)).simplified();
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

bool refuseUnreachedLine(QWidget* where, const kaz::Bracket& bracket, int line) {
    if (kaz::memberStandsOn(bracket, line)) return false;
    refuseNobodyThere(where);
    return true;
}

void refuseNobodyThere(QWidget* where) {
    QApplication::beep();
    const QString unreached =
        QCoreApplication::translate("kaz::gui::LineResults", "この線にはまだﾒﾝﾊﾞｰがいません。");
    announceDone(where, unreached);
}

void clickLine(QWidget* where, BracketDocument* document, int line) {
    const kaz::Bracket& bracket = document->bracket();
    if (refuseUnreachedLine(where, bracket, line)) return;
    document->leftClickLine(line);
    if (bracket.lineState(line) != kaz::LineState::Won) return;
    const int members = bracket.memberCount();
    const int next = kaz::nextRoundLine(members, line);
    const bool champion = next < 0 || bracket.lineKind(next) == kaz::LineKind::Final;
    const QString who = memberOnLineText(bracket, line);
    if (champion) {
        announceDone(where,
                     QCoreApplication::translate("kaz::gui::LineResults", "%1: 優勝").arg(who));
        return;
    }
    const QString round = roundName(bracket, kaz::placeOfLine(members, next).round + 1);
    announceDone(where,
                 QCoreApplication::translate("kaz::gui::LineResults", "%1: %2へ").arg(who, round));
}

}  // namespace kaz::gui
