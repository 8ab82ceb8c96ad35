#pragma once

#include <QLineEdit>
#include <cstddef>
#include <functional>

class QMenu;

// Adds an item named `name` (an object name, for tests and tools) to a context menu; `run`
// runs when it is chosen.
QAction* addMenuItem(QMenu* menu, const char* name, const QString& text, bool enabled,
                     std::function<void()> run);

// A single-line field of the editor (a name box, the score and champion fields), with a context
// menu in the editor's words. Every paste, from the keys, the menu or the middle button, goes
// through pasteText(), which takes
// what it can: characters Shift_JIS cannot hold and control characters are left out, text
// beyond the byte limit is cut, and either beeps with the usual refusal in the status bar.
// No control character ever gets in, typed, pasted or dropped.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    // `maxBytes` limits the text to that many CP932 bytes (a double-byte character counts 2).
    explicit TextField(size_t maxBytes, QWidget* parent = nullptr);

    size_t maxBytes() const { return m_maxBytes; }

    // Shows `text` set by the program: it is not checked, so a text from a file that is too
    // long or holds a control character shows as it is (and an edit takes the character out).
    void showText(const QString& text);

    // Pastes `text` at the cursor, over the selection: its first entry (the first line of a
    // list, up to a tab; see kaz::pastedEntries), made to fit. Returns how many entries were
    // left out.
    virtual int pasteText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The context menu's first items, 元に戻す and やり直し (named "edit-undo", "edit-redo"):
    // here the field's own undo.
    virtual void addUndoItems(QMenu* menu);
    // The text without its selection, in CP932 bytes, as the byte limit counts it.
    size_t bytesOutsideSelection() const;
    // Tells the user what a paste left out: a beep and the refusal in the status bar.
    void announceLeftOut(bool dropped, bool cut);

private:
    friend class FieldValidator;

    size_t m_maxBytes;
    QString m_previousText;  // the text before the edit being checked
    bool m_showingText = false;
};
