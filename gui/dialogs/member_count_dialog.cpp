#include "dialogs/member_count_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "bracket/bracket_shape.h"
#include "bracket/member_count.h"
#include "bridge/fonts.h"
#include "bridge/qt_text.h"
#include "common/dialog_units.h"

namespace kaz::gui {

namespace {

// The width a title bar needs for the whole of `dialog`'s title in its own font, beside the
// icon and the buttons (each about as wide as the bar is high).
int titleBarWidth(const QWidget& dialog) {
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int bar =
        std::max(dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight), metrics.height());
    return metrics.horizontalAdvance(dialog.windowTitle()) + 4 * bar;
}

}  // namespace

MemberCountDialog::MemberCountDialog(QWidget* parent)
    : QDialog(parent), m_countText(tr("%1人用").arg(4)) {
    setWindowTitle(tr("新規トーナメント表　人数設定"));
    setFont(render::japaneseUiFont());
    const DialogUnits dlu(font());
    // Wider where the title needs it (in English), the controls centred in it.
    m_width = std::max(dlu.x(162), titleBarWidth(*this));
    setFixedSize(m_width, dlu.y(57));

    // Controls in template order, which is also the tab order.
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(dlu.rect(105, 13, 50, 14));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setGeometry(dlu.rect(105, 30, 50, 14));
    m_combo = new QComboBox(this);
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    // Only what is typed counts: no completion may turn "3" into "32人用".
    m_combo->setCompleter(nullptr);
    m_combo->setGeometry(dlu.rect(22, 29, 73, 14));
    // Each item holds its count: a translated item's text need not be one the core reads.
    for (int members = 4; members <= kaz::kMaxMembers; members *= 2)
        m_combo->addItem(tr("%1人用").arg(members), members);
    auto* label = new QLabel(tr("トーナメント人数選択"), this);
    label->setGeometry(dlu.rect(27, 14, 62, 8));
    // Below the controls, shown with a taller dialog once a text was refused.
    m_refusal = new QLabel(this);
    m_refusal->setObjectName(QStringLiteral("refusalLabel"));
    m_refusal->setWordWrap(true);
    m_refusal->setGeometry(dlu.rect(7, 50, 148, 20));
    m_refusal->hide();
    const int shift = (m_width - dlu.x(162)) / 2;
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        control->move(control->pos() + QPoint(shift, 0));

    // Opening selects the first item that begins with the current text.
    const int match = m_combo->findText(m_countText, Qt::MatchStartsWith);
    if (match >= 0) {
        m_combo->setCurrentIndex(match);
    } else {
        m_combo->setEditText(m_countText);
    }

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // The size box has the focus, its text selected: "16" and Enter typed at once make 16.
    m_combo->setFocus();
    m_combo->lineEdit()->selectAll();
}

void MemberCountDialog::accept() {
    const int item = m_combo->findText(m_combo->currentText());
    const std::optional<std::string> text = render::toCp932(m_combo->currentText());
    const int members = item >= 0 ? m_combo->itemData(item).toInt()
                        : text    ? kaz::memberCountFromText(*text)
                                  : 0;
    if (members == 0) {
        QApplication::beep();
        const DialogUnits dlu(font());
        setFixedSize(m_width, dlu.y(75));
        m_refusal->setText(
            tr("4人用、8人用、16人用、32人用、64人用、128人用のどれかを選んでください。"));
        m_refusal->show();
        m_combo->setFocus();
        m_combo->lineEdit()->selectAll();
        return;
    }
    m_countText = m_combo->currentText();
    m_memberCount = members;
    QDialog::accept();
}

}  // namespace kaz::gui
