#pragma once

#include <QDialog>

#include "pools/knockout_draw.h"

class QRadioButton;
class QSpinBox;

namespace kaz::gui {

// 決勝トーナメントを作る: how the runners-up of a pool stage take their places in its knockout,
// by lot (a draw number, the same knockout again from the same number) or in pool order. With
// only the pools' winners going through, nothing is drawn and the choice is off.
class KnockoutDialog : public QDialog {
    Q_OBJECT
public:
    KnockoutDialog(const kaz::PoolStage& stage, QWidget* parent = nullptr);

    kaz::KnockoutOptions options() const;

private:
    QRadioButton* m_byLot;
    QRadioButton* m_inOrder;
    QSpinBox* m_drawNumber;
};

}  // namespace kaz::gui
