#pragma once

#include <cstddef>
#include <optional>

#include "bracket/refusal.h"

class QLabel;
class QString;
class QWidget;

namespace kaz::gui {

// Why a field refused typed or pasted text: the field's own limits, checked where the text is
// typed (the bracket's refusals come from the core as kaz::Refusal).
enum class InputRefusal {
    UnusableCharacter,  // a control character, or one a field of CP932 alone cannot hold
    TooLong,            // the field's byte limit is reached
};

// "この文字は使えません。"; for a text too long "点数は 32 文字までです。", naming the field
// and its limit ("これ以上入力できません。" for a field without a name).
QString refusalText(InputRefusal why, const QString& field, size_t maxCharacters);

// Tells the user that a keystroke or paste in `where` was refused, or changed: a beep, and
// `text` in the dialog `where` is in, where the dialog has a refusal line (makeRefusalLine),
// otherwise in the status bar of the main window `where` belongs to (through its dialog's owner,
// if need be), where it stays until the next prompt.
void announceRefusal(QWidget* where, const QString& text);
// A dialog's own line for refusals, hidden until one comes: a refusal shows in the dialog the
// user is typing in, not behind it. In a dialog laid out by hand it goes where it is placed, and
// the dialog grows to show it.
QLabel* makeRefusalLine(QWidget* dialog);
// The same with the refusal's text for a field without a name.
void announceRefusal(QWidget* where, InputRefusal why);

// Announces `refusal` as announceRefusal does, unless it is empty (nothing was refused).
void announceIfRefused(QWidget* where, const QString& refusal);
// The same for a refusal of the core, in the user's language.
void announceIfRefused(QWidget* where, const std::optional<kaz::Refusal>& refusal);
// The refusal's text in the user's language, or an empty text for none.
QString refusalText(const std::optional<kaz::Refusal>& refusal);

// Tells the user what a command did: `text` in the status bar of the main window `where`
// belongs to, until the bar returns to its idle text a few seconds later.
void announceDone(QWidget* where, const QString& text);

}  // namespace kaz::gui
