#include "dialogs/text_input_dialog.h"

#include <QCursor>
#include <QLineEdit>

#include "bridge/qt_text.h"
#include "common/cp932_validator.h"
#include "bridge/fonts.h"
#include "common/dialog_units.h"
#include "text/text_limits.h"

TextInputDialog::TextInputDialog(const QString& caption, QSize templateSize, QSize editSize,
                                 size_t maxBytes, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    setFont(japaneseUiFont());
    const DialogUnits dlu(font());
    resize(dlu.size(templateSize.width(), templateSize.height()));
    m_edit = new QLineEdit(this);
    m_edit->setGeometry(dlu.rect(7, 7, editSize.width(), editSize.height()));
    m_edit->setValidator(new Cp932Validator(maxBytes, m_edit));
    m_edit->setFocus();
    connect(m_edit, &QLineEdit::returnPressed, this, &QDialog::accept);
    // The frame's corner goes to the pointer, even where that puts part of it off the screen;
    // having been moved, the dialog is not centred on its owner.
    move(QCursor::pos());
}

std::string TextInputDialog::enteredText() const { return toCp932Lenient(m_edit->text()); }

ScoreDialog::ScoreDialog(QWidget* parent)
    : TextInputDialog(QStringLiteral("点数入力"), QSize(51, 27), QSize(37, 13), kaz::kMaxScoreBytes,
                      parent) {}

ChampionDialog::ChampionDialog(QWidget* parent)
    : TextInputDialog(QStringLiteral("優勝者名入力"), QSize(77, 29), QSize(63, 14),
                      kaz::kMaxChampionBytes, parent) {}
