#pragma once

#include <QDialog>
#include <QString>
#include <string>

class QLineEdit;

// A caption and one single-line field, no buttons, opening with its outer top-left corner at
// the mouse pointer. Enter accepts what is typed; Escape and the close box cancel.
class TextInputDlg : public QDialog {
    Q_OBJECT
public:
    // `maxBytes` limits the field to that many CP932 bytes (a double-byte character counts 2).
    TextInputDlg(const QString& caption, QSize templateSize, QSize editSize, int maxBytes,
                 QWidget* parent);

    // The field's text in CP932.
    std::string GetText() const;
    QLineEdit* Edit() const { return m_edit; }

private:
    QLineEdit* m_edit;
};

// "点数入力": the score of a line, at most 9 bytes.
class CScoreInputDlg : public TextInputDlg {
    Q_OBJECT
public:
    explicit CScoreInputDlg(QWidget* parent = nullptr);
};

// "優勝者名入力": the champion's name, at most 15 bytes.
class CChampionNameDlg : public TextInputDlg {
    Q_OBJECT
public:
    explicit CChampionNameDlg(QWidget* parent = nullptr);
};

// A score as stored: the text without leading and trailing single-byte white space.
std::string TrimScore(const std::string& text);
