#include "view/member_name_edit.h"

#include "document/bracket_document.h"
#include "common/cp932_text.h"
#include "common/qt_colors.h"
#include "common/ui_fonts.h"

CMemberEdit::CMemberEdit(CKaz_editDoc* doc, int member, QWidget* parent)
    : QLineEdit(parent), m_pDoc(doc), m_nMember(member) {
    setFont(JapaneseFontPoints(11));
    setValidator(new Cp932Validator(-1, this));
    setFocusPolicy(Qt::StrongFocus);
    RefreshText();
    RefreshColors();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_pDoc->SetMemberName(m_nMember, ToCp932Lenient(text));
    });
}

void CMemberEdit::RefreshText() {
    const QString text = m_pDoc->GetMemberNameText(m_nMember);
    if (text != this->text()) setText(text);
}

void CMemberEdit::RefreshColors() {
    QPalette pal = palette();
    const QColor back = QColorFromString(m_pDoc->GetColors().m_strBackColor);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Text, QColorFromString(m_pDoc->GetColors().m_strMemberColor));
    setPalette(pal);
}
