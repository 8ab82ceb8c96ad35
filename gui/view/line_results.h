#pragma once

#include <QString>

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

// A line of round 2 or later that nobody stands on takes no result and no score: a beep and
// "この線にはまだﾒﾝﾊﾞｰがいません。" in the status bar. Returns true when it refused.
bool refuseUnreachedLine(QWidget* where, const kaz::Bracket& bracket, int line);
// That refusal, for a place that is not a bracket line.
void refuseNobodyThere(QWidget* where);

// A left click on `line`, from the mouse or the keyboard: refused where nobody stands; a win
// is told in the status bar for a few seconds, "山田 太郎: 2回戦へ" (the round the member has
// moved into) or "山田 太郎: 優勝" once the final is won.
void clickLine(QWidget* where, BracketDocument* document, int line);

}  // namespace kaz::gui
