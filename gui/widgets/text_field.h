#pragma once

#include <QLineEdit>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "text/pasted_text.h"

class QMenu;

namespace kaz::gui {

class FieldValidator;

// Adds an item named `name` (an object name, for tests and tools) to a context menu; `run`
// runs when it is chosen.
QAction* addMenuItem(QMenu* menu, const char* name, const QString& text, bool enabled,
                     std::function<void()> run);
// The same, showing `key` (Qt's portable form, "Ctrl+Z") beside the text as the menu shows
// a command's keys.
QAction* addMenuItem(QMenu* menu, const char* name, const QString& text, const char* key,
                     bool enabled, std::function<void()> run);

// A single-line field of the editor (a name box, the score and champion fields), with a context
// menu in the editor's words. Every paste, from the keys, the menu or the middle button, goes
// through pasteText(): a character Shift_JIS cannot hold is kept (older programs show it as 〓)
// and control characters are left out, each told in the status bar with a beep; a paste that would
// pass the limit is refused whole ("点数は 32 文字までです。"), never cut, as a keystroke is.
// No control character ever gets in, typed, pasted or dropped.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    // `maxCharacters` limits the text to that many characters, whatever their script.
    explicit TextField(size_t maxCharacters, QWidget* parent = nullptr);

    size_t maxCharacters() const { return m_maxCharacters; }

    // The field's name in the user's words ("点数"), which a refusal of a text too long names.
    void setFieldName(const QString& name);
    const QString& fieldName() const;

    // Shows `text` set by the program: it is not checked, so a text from a file that is too
    // long or holds a control character shows as it is (and an edit takes the character out).
    void showText(const QString& text);

    // Pastes `text` at the cursor, over the selection: its first entry (the first line of a
    // list, up to a tab; see kaz::pastedEntries), or nothing when it would pass the limit.
    // Returns how many entries were left out.
    virtual int pasteText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The context menu's first items, 元に戻す and やり直し (named "edit-undo", "edit-redo"):
    // here the field's own undo.
    virtual void addUndoItems(QMenu* menu);
    // The context menu's last items, after すべて選択: none here.
    virtual void addOwnItems(QMenu* menu);
    // The characters of the text without its selection, as the limit counts them.
    size_t charactersOutsideSelection() const;
    // A pasted entry as document text for `room` characters, or nothing when it would pass them:
    // that refusal is announced (with the entry's line when `numbered`). What was changed on the
    // way (characters older programs show as 〓, control characters left out) is added to
    // `notes`.
    std::optional<std::string> fitEntry(const kaz::PastedEntry& entry, size_t room,
                                        QStringList& notes, bool numbered = false);
    // Tells the user what a paste changed: a beep and the notes in the status bar.
    void announceNotes(QStringList notes);

private:
    friend class FieldValidator;

    size_t m_maxCharacters;
    FieldValidator* m_validator;
    QString m_previousText;  // the text before the edit being checked
    bool m_showingText = false;
};

}  // namespace kaz::gui
