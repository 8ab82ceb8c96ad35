#pragma once

class QString;
class QWidget;

// Why typed text was refused.
enum class Refusal {
    NotInCp932,  // Shift_JIS cannot hold the character
    TooLong,     // the field's byte limit is reached
};

// "この文字は使えません。" or "これ以上入力できません。".
QString refusalText(Refusal why);

// Tells the user that a keystroke in `where` was refused: a beep, and the reason in the status
// bar of the main window `where` belongs to (through its dialog's owner, if need be), where it
// stays until the next prompt.
void announceRefusal(QWidget* where, Refusal why);

// Tells the user what a command did: `text` in the status bar of the main window `where`
// belongs to, until the bar returns to its idle text a few seconds later.
void announceDone(QWidget* where, const QString& text);
