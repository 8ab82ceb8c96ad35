#pragma once

#include <QLineEdit>
#include <cstddef>

class QMenu;

// A single-line field of the editor (a name box, the score and champion fields). Every paste,
// from the keys, the context menu or the middle button, goes through pasteText(), which takes
// what it can: characters Shift_JIS cannot hold and control characters are left out, text
// beyond the byte limit is cut, and either beeps with the usual refusal in the status bar.
// No control character ever gets in, typed, pasted or dropped.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    // `maxBytes` limits the text to that many CP932 bytes (a double-byte character counts 2).
    explicit TextField(size_t maxBytes, QWidget* parent = nullptr);

    size_t maxBytes() const { return m_maxBytes; }

    // Pastes `text` at the cursor, over the selection: its first entry (the first line of a
    // list, up to a tab; see kaz::pastedEntries), made to fit. Returns how many entries were
    // left out.
    virtual int pasteText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Adjusts the context menu before it shows; its paste already goes through pasteText().
    virtual void adjustContextMenu(QMenu* menu);
    // The action of the standard context menu named `name` ("edit-undo", "edit-paste", …).
    static QAction* menuAction(QMenu* menu, const QString& name);
    // The text without its selection, in CP932 bytes, as the byte limit counts it.
    size_t bytesOutsideSelection() const;
    // Tells the user what a paste left out: a beep and the refusal in the status bar.
    void announceLeftOut(bool dropped, bool cut);

private:
    size_t m_maxBytes;
};
