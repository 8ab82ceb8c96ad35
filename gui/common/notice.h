#pragma once

#include <optional>

#include "bracket/refusal.h"

class QLabel;
class QString;
class QWidget;

namespace kaz::gui {

// How a notice shows, and for how long.
enum class Notice {
    Done,          // what a command did: in the status bar until it returns to its idle text a
                   // few seconds later
    Refused,       // why typed text or a change was refused: a beep, and the text in the refusal
                   // line of the dialog `where` is in where it has one (makeRefusalLine),
                   // otherwise in the status bar until the next prompt
    RefusedClick,  // why a click or a key on the sheet did nothing: a beep, and the text for a
                   // few seconds, as a command's
    Standing,      // a state that holds (where a file went, what publishing does): in the status
                   // bar until the next message
};

// Every notice of the editor passes here: `text` for the main window `where` belongs to (through
// its dialog's owner, if need be), shown as `kind` says. Failures that need an answer are the
// desktop's message boxes (desktop/desktop_services.h), not notices.
void tell(QWidget* where, const QString& text, Notice kind);
// The same for a message of the core, in the user's language.
void tell(QWidget* where, const kaz::Message& message, Notice kind);
// Tells `refusal` when there is one, and says whether there was.
bool tell(QWidget* where, const std::optional<kaz::Refusal>& refusal,
          Notice kind = Notice::Refused);

// A dialog's own line for refusals, hidden until one comes: a refusal shows in the dialog the
// user is typing in, not behind it. In a dialog laid out by hand it goes where it is placed, and
// the dialog grows to show it.
QLabel* makeRefusalLine(QWidget* dialog);

}  // namespace kaz::gui
