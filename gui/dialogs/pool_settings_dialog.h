#pragma once

#include <QDialog>

#include "pools/pool_change.h"
#include "pools/pool_stage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace kaz::gui {

// "表の設定" of a pool stage: the sheet's title, second line and language, the pools' names (as
// the draw takes them: separated by commas, "、" or spaces), the points of a win,
// a draw and a loss, whether draws are allowed, how a result is marked (○● or ○×), how many of
// each pool go through, and the tie-breaks in the order the organiser arranges them (each
// ticked to be used, moved with 上へ and 下へ).
class PoolSettingsDialog : public QDialog {
    Q_OBJECT
public:
    PoolSettingsDialog(const kaz::PoolStage& stage, QWidget* parent = nullptr);

    kaz::PoolRules rules() const;
    kaz::PoolSheet sheet() const;

    QLineEdit* titleField() const { return m_title; }
    QLineEdit* poolNamesField() const { return m_poolNames; }
    QSpinBox* pointsBox(int which) const { return m_points[size_t(which)]; }  // win, draw, loss
    QCheckBox* drawsBox() const { return m_draws; }
    QListWidget* tieBreakList() const { return m_tieBreaks; }
    // Moves the current tie-break one place up (-1) or down (+1).
    void moveTieBreak(int by);

private:
    kaz::PoolRules m_rules;
    std::vector<std::string> m_names;  // the pools' names as they were
    QLineEdit* m_title;
    QLineEdit* m_poolNames;
    QLineEdit* m_subtitle;
    QComboBox* m_language;
    std::array<QSpinBox*, 3> m_points{};
    QCheckBox* m_draws;
    QComboBox* m_marks;
    QComboBox* m_through;
    QListWidget* m_tieBreaks;
};

}  // namespace kaz::gui
