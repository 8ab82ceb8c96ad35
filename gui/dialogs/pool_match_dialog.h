#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "bracket/refusal.h"
#include "pools/pool_change.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kaz::gui {

// "試合結果" for a pool match: its name, both sides with a score field each, the winner where
// the scores do not decide it (引き分け where the pool's rules allow draws), 不戦勝 for a match
// decided without play, and 結果の取り消し. OK asks `check` about what was entered and stays
// open with its refusal; Enter in a score field is OK.
class PoolMatchDialog : public QDialog {
    Q_OBJECT
public:
    using Check = std::function<std::optional<kaz::Refusal>(const kaz::EnteredResult&)>;

    // `match` names it ("第3試合 Aブロック"), `names` its sides, `current` the match as it
    // stands.
    PoolMatchDialog(const QString& match, const std::array<QString, 2>& names,
                    const kaz::PoolMatch& current, bool drawsAllowed, Check check, QWidget* parent);

    // The result as entered; the match taken back after 結果の取り消し.
    kaz::EnteredResult entered() const;
    QLineEdit* scoreField(int side) const { return m_scores[size_t(side)]; }
    QRadioButton* winnerButton(int side) const { return m_winners[size_t(side)]; }
    QRadioButton* drawButton() const { return m_draw; }
    QCheckBox* walkoverBox() const { return m_walkover; }

    void accept() override;

private:
    // The winner's buttons follow scores that decide the match.
    void followScores();
    void tryAccept(const kaz::EnteredResult& entered);

    std::array<QLineEdit*, 2> m_scores{};
    std::array<QRadioButton*, 2> m_winners{};
    QRadioButton* m_draw = nullptr;
    QCheckBox* m_walkover = nullptr;
    Check m_check;
    bool m_takenBack = false;
};

}  // namespace kaz::gui
