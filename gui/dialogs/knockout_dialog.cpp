#include "dialogs/knockout_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/draw_number_box.h"

namespace kaz::gui {

KnockoutDialog::KnockoutDialog(const kaz::PoolStage& stage, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("決勝トーナメントを作る"));
    const int size = kaz::knockoutSize(stage);
    const bool runnersUp = stage.rules.through >= 2;
    auto* about = new QLabel(runnersUp ? tr("各ブロックの1位と2位で %1人用の決勝トーナメント表を"
                                            "作ります。1位はシードの位置に、2位は自分のブロックの"
                                            "1位と反対の山に入ります。")
                                             .arg(size)
                                       : tr("各ブロックの1位で %1人用の決勝トーナメント表を"
                                            "作ります。1位はブロック順にシードの位置に入ります。")
                                             .arg(size),
                             this);
    about->setWordWrap(true);
    m_byLot = new QRadioButton(tr("2位を抽選で入れる(&R)"), this);
    m_byLot->setObjectName(QStringLiteral("byLotButton"));
    m_inOrder = new QRadioButton(tr("2位をブロック順に入れる(&I)"), this);
    m_inOrder->setObjectName(QStringLiteral("inOrderButton"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_byLot);
    group->addButton(m_inOrder);
    m_byLot->setChecked(true);
    m_drawNumber = makeDrawNumberBox(this);
    auto* numberLabel = new QLabel(tr("抽選番号(&E):"), this);
    numberLabel->setBuddy(m_drawNumber);
    for (QWidget* choice :
         {static_cast<QWidget*>(m_byLot), static_cast<QWidget*>(m_inOrder),
          static_cast<QWidget*>(m_drawNumber), static_cast<QWidget*>(numberLabel)}) {
        choice->setEnabled(runnersUp);
    }
    connect(m_byLot, &QRadioButton::toggled, m_drawNumber, &QWidget::setEnabled);

    auto* choices = new QGridLayout;
    choices->addWidget(m_byLot, 0, 0, 1, 2);
    choices->addWidget(numberLabel, 1, 0);
    choices->addWidget(m_drawNumber, 1, 1);
    choices->addWidget(m_inOrder, 2, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(choices);
    layout->addWidget(buttons);
}

kaz::KnockoutOptions KnockoutDialog::options() const {
    return {m_byLot->isEnabled() && m_byLot->isChecked(), uint32_t(m_drawNumber->value())};
}

}  // namespace kaz::gui
