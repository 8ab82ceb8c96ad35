#pragma once

#include <QString>
#include <functional>

class QWidget;
namespace kaz {
class Bracket;
}

namespace kaz::gui {

class BracketDocument;

// The results on the lines in words: who plays a match, what a click did, why it did nothing.
// The rules themselves are the core's.

// The member standing on `line` as the user knows it: its name, or "N人目" where none is
// typed; an empty text when nobody stands there.
QString memberOnLineText(const kaz::Bracket& bracket, int line);
// The same for member `member`.
QString memberText(const kaz::Bracket& bracket, int member);

// "2回戦: 山田 太郎 − 佐藤 花子": the match played on `line`, its upper line's member first,
// "（未定）" for a side nobody has reached. For the final line: "決勝の勝者: 山田 太郎".
QString matchLabel(const kaz::Bracket& bracket, int line);

// "第3試合 1回戦": the number and round of the match `line` plays (the round alone for a match
// without a number).
QString matchTitle(const kaz::Bracket& bracket, int line);
// "第4試合 3位決定戦".
QString thirdPlaceMatchTitle(const kaz::Bracket& bracket);

// A line of round 2 or later that nobody stands on takes no result and no score: the core's
// refusal (kaz::lineRefusal) with a beep, its text in the status bar. Returns true when it
// refused.
bool refuseUnreachedLine(QWidget* where, const kaz::Bracket& bracket, int line);
// The same for a side of the third-place match (kaz::thirdPlaceRefusal).
bool refuseUnknownSide(QWidget* where, const kaz::Bracket& bracket, int side);
// The same for a win on side `side` of the third-place match, refused while either side's
// member is unknown.
bool refuseThirdPlaceWin(QWidget* where, const kaz::Bracket& bracket, int side);

// Tries `operation` on a copy of the bracket first: where it would clear the results of decided
// later matches, asks before, naming what would go ("第26試合の勝者を 林 結翔 に変えると、
// 第42・50試合の結果と優勝者名が消えます。変えますか?", いいえ the default). True to go on.
bool confirmResultChange(QWidget* where, const kaz::Bracket& bracket, int line,
                         const std::function<void(kaz::Bracket&)>& operation);

// A left click on `line`, from the mouse or the keyboard: refused where nobody stands; asked
// first where it would clear later results; a win is told in the status bar for a few seconds,
// "山田 太郎: 2回戦へ" (the round the member has moved into) or "山田 太郎: 優勝" once the final
// is won. False when it was refused or the user kept the results.
bool clickLine(QWidget* where, BracketDocument* document, int line);
// The double-click message on `line` (after its press), or with `withPress` the press and the
// message as the keyboard takes a win back; asked first as above.
void resetLine(QWidget* where, BracketDocument* document, int line, bool withPress);

}  // namespace kaz::gui
