#include "view/member_name_edit.h"

#include "bridge/qt_text.h"
#include "common/cp932_validator.h"
#include "bridge/qt_colors.h"
#include "bridge/fonts.h"
#include "document/bracket_document.h"

MemberNameEdit::MemberNameEdit(BracketDocument* doc, int member, QWidget* parent)
    : QLineEdit(parent), m_document(doc), m_member(member) {
    setFont(japaneseFontPoints(11));
    setValidator(new Cp932Validator(SIZE_MAX, this));
    setFocusPolicy(Qt::StrongFocus);
    refreshText();
    refreshColors();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_document->setMemberName(m_member, toCp932Lenient(text));
    });
}

void MemberNameEdit::refreshText() {
    const QString text = m_document->memberNameText(m_member);
    if (text != this->text()) setText(text);
}

void MemberNameEdit::refreshColors() {
    QPalette pal = palette();
    const QColor back = qColorFromString(m_document->colors().backgroundColor);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Text, qColorFromString(m_document->colors().memberColor));
    setPalette(pal);
}

void MemberNameEdit::focusInEvent(QFocusEvent* event) {
    // The surface around the boxes hands the focus to the box that had it last, so that a
    // click on a line leaves the focus here (see BracketView).
    parentWidget()->setFocusProxy(this);
    QLineEdit::focusInEvent(event);
}
