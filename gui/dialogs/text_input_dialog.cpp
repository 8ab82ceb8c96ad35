#include "dialogs/text_input_dialog.h"

#include <QCursor>
#include <QLineEdit>

#include "common/cp932_text.h"
#include "common/ui_fonts.h"

TextInputDlg::TextInputDlg(const QString& caption, QSize templateSize, QSize editSize,
                           int maxBytes, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    setFont(JapaneseUiFont());
    const DialogUnits dlu(font());
    resize(dlu.Size(templateSize.width(), templateSize.height()));
    m_edit = new QLineEdit(this);
    m_edit->setGeometry(dlu.Rect(7, 7, editSize.width(), editSize.height()));
    m_edit->setValidator(new Cp932Validator(maxBytes, m_edit));
    m_edit->setFocus();
    connect(m_edit, &QLineEdit::returnPressed, this, &QDialog::accept);
    // The frame's corner goes to the pointer, even where that puts part of it off the screen;
    // having been moved, the dialog is not centred on its owner.
    move(QCursor::pos());
}

std::string TextInputDlg::GetText() const { return ToCp932Lenient(m_edit->text()); }

CScoreInputDlg::CScoreInputDlg(QWidget* parent)
    : TextInputDlg(QStringLiteral("点数入力"), QSize(51, 27), QSize(37, 13), 9, parent) {}

CChampionNameDlg::CChampionNameDlg(QWidget* parent)
    : TextInputDlg(QStringLiteral("優勝者名入力"), QSize(77, 29), QSize(63, 14), 15, parent) {}

std::string TrimScore(const std::string& text) {
    static const char kBlanks[] = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::string();
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}
