#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace kaz::gui {

class TextField;

// A caption and one single-line field, no buttons, opening with its outer top-left corner at
// the mouse pointer, wide enough for its whole caption in a title bar. Enter accepts what is typed;
// Escape and the close box cancel. A paste takes what fits (see TextField).
class TextInputDialog : public QDialog {
    Q_OBJECT
public:
    // `maxCharacters` limits the field to that many characters.
    TextInputDialog(const QString& caption, QSize templateSize, QSize editSize,
                    size_t maxCharacters, QWidget* parent);

    // Fills the field with the text there is now, selected, so that typing replaces it and
    // Enter keeps it.
    void setInitialText(const QString& text);
    // Shows `text` (what the text belongs to) above the field, widening the dialog for it.
    void setSubject(const QString& text);
    // Enter accepts only while `check` finds nothing to refuse: its refusal shows in the dialog,
    // which stays open.
    void setAcceptCheck(std::function<QString()> check);
    // True when the field no longer holds the initial text.
    bool isTextChanged() const;

    // The field's text in CP932.
    std::string enteredText() const;
    QLineEdit* edit() const;

private:
    // The line that shows a refused keystroke or paste, below the field.
    void placeRefusalLine();

    TextField* m_edit;
    QLabel* m_refusalLine = nullptr;
    std::function<QString()> m_acceptCheck;
    QLabel* m_subject = nullptr;
    QString m_initialText;
};

// "優勝者名入力": the champion's name, as long as a member's name.
class ChampionDialog : public TextInputDialog {
    Q_OBJECT
public:
    explicit ChampionDialog(QWidget* parent = nullptr);
};

// "シード入力": a member's seed number, 1 to `members`, or an empty field for none.
class SeedDialog : public TextInputDialog {
    Q_OBJECT
public:
    SeedDialog(int members, QWidget* parent = nullptr);

    // The number typed (full-width digits too), 0 for an empty field, -1 for anything else.
    int seed() const;
};

}  // namespace kaz::gui
