#pragma once

#include <QString>

#include "bracket/result_proposal.h"

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

// "第42・50試合の結果と優勝者名": the decided matches a change takes away, and the champion's
// name where it goes with them; an empty text for none.
QString clearedResultsText(const kaz::ClearedResults& cleared);

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

// The one road of a result from the mouse and the keys: asks the core what `action` at `place`
// would do (kaz::proposeResult), tells a refusal with a beep in the status bar, asks first where
// the change would clear decided later results (naming them, the match's own scores too, いいえ
// the default), makes exactly the change proposed, and tells what it did for a few seconds:
// "山田 太郎: 2回戦へ" (the round the member has moved into), "山田 太郎: 優勝" once the final is
// won, "山田 太郎: 3位", and that the match's scores went where no question said so. False when
// it was refused or the user kept the results.
bool changeResult(QWidget* where, BracketDocument* document, kaz::ResultPlace place,
                  kaz::ResultAction action);

}  // namespace kaz::gui
