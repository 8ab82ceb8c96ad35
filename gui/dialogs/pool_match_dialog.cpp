#include "dialogs/pool_match_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "bridge/fonts.h"
#include "common/dialog_units.h"
#include "common/notice.h"
#include "common/refusal_notice.h"

namespace kaz::gui {

namespace {

// The widest a side's name grows, in pixels; a longer one is cut with "…".
constexpr int kMostNameWidth = 240;

int scoreOf(const QLineEdit* field) {
    bool ok = false;
    const int score = field->text().trimmed().toInt(&ok);
    return ok ? score : -1;
}

}  // namespace

PoolMatchDialog::PoolMatchDialog(const QString& match, const std::array<QString, 2>& names,
                                 const kaz::PoolMatch& current, bool drawsAllowed, Check check,
                                 QWidget* parent)
    : QDialog(parent), m_check(std::move(check)) {
    setWindowTitle(tr("試合結果"));
    setFont(render::japaneseUiFont());
    const DialogUnits dlu(font());
    const QFontMetrics metrics(font());

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("%1:").arg(match), this), 0, 0, 1, 3);
    auto* winners = new QButtonGroup(this);
    const std::array<int, 2> scores{current.firstScore, current.secondScore};
    for (int side = 0; side < 2; ++side) {
        auto* winner = new QRadioButton(
            metrics.elidedText(names[size_t(side)], Qt::ElideRight, kMostNameWidth), this);
        winner->setObjectName(side == 0 ? "firstWins" : "secondWins");
        winners->addButton(winner);
        m_winners[size_t(side)] = winner;
        auto* field = new QLineEdit(this);
        field->setObjectName(side == 0 ? "firstScore" : "secondScore");
        field->setValidator(new QIntValidator(0, kaz::kMaxPoolScore, field));
        field->setFixedWidth(dlu.x(30));
        field->setAlignment(Qt::AlignRight);
        if (scores[size_t(side)] >= 0) field->setText(QString::number(scores[size_t(side)]));
        connect(field, &QLineEdit::textEdited, this, &PoolMatchDialog::followScores);
        connect(field, &QLineEdit::returnPressed, this, &PoolMatchDialog::accept);
        m_scores[size_t(side)] = field;
        grid->addWidget(winner, 1 + side, 0);
        grid->addWidget(field, 1 + side, 1);
    }
    m_draw = new QRadioButton(tr("引き分け"), this);
    m_draw->setObjectName("draw");
    m_draw->setVisible(drawsAllowed);
    winners->addButton(m_draw);
    grid->addWidget(m_draw, 3, 0, 1, 2);
    m_walkover = new QCheckBox(tr("不戦勝 (棄権による)"), this);
    m_walkover->setObjectName("walkover");
    m_walkover->setChecked(current.walkover);
    grid->addWidget(m_walkover, 4, 0, 1, 2);
    switch (current.outcome) {
        case kaz::MatchOutcome::FirstWins: m_winners[0]->setChecked(true); break;
        case kaz::MatchOutcome::SecondWins: m_winners[1]->setChecked(true); break;
        case kaz::MatchOutcome::Draw: m_draw->setChecked(true); break;
        case kaz::MatchOutcome::Unplayed: break;
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    QPushButton* takeBack = buttons->addButton(tr("結果の取り消し"), QDialogButtonBox::ResetRole);
    takeBack->setObjectName("takeBack");
    takeBack->setEnabled(current.isPlayed());
    connect(buttons, &QDialogButtonBox::accepted, this, &PoolMatchDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(takeBack, &QPushButton::clicked, this, [this] {
        m_takenBack = true;
        tryAccept(kaz::EnteredResult{});
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(dlu.x(7), dlu.y(7), dlu.x(7), dlu.y(7));
    layout->addLayout(grid);
    layout->addWidget(makeRefusalLine(this));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    move(QCursor::pos());
    m_scores[0]->setFocus();
    m_scores[0]->selectAll();
}

kaz::EnteredResult PoolMatchDialog::entered() const {
    if (m_takenBack) return {};
    kaz::EnteredResult entered;
    entered.firstScore = scoreOf(m_scores[0]);
    entered.secondScore = scoreOf(m_scores[1]);
    entered.walkover = m_walkover->isChecked();
    if (m_winners[0]->isChecked()) entered.chosen = kaz::MatchOutcome::FirstWins;
    if (m_winners[1]->isChecked()) entered.chosen = kaz::MatchOutcome::SecondWins;
    if (m_draw->isChecked()) entered.chosen = kaz::MatchOutcome::Draw;
    return entered;
}

void PoolMatchDialog::accept() {
    m_takenBack = false;
    tryAccept(entered());
}

void PoolMatchDialog::tryAccept(const kaz::EnteredResult& entered) {
    if (m_check) {
        if (const std::optional<kaz::Refusal> refusal = m_check(entered)) {
            m_takenBack = false;
            tell(this, refusal, Notice::Refused);
            return;
        }
    }
    QDialog::accept();
}

void PoolMatchDialog::followScores() {
    const int first = scoreOf(m_scores[0]);
    const int second = scoreOf(m_scores[1]);
    if (first < 0 || second < 0) return;
    if (first != second) {
        m_winners[first > second ? 0 : 1]->setChecked(true);
    } else if (m_draw->isVisibleTo(this)) {
        m_draw->setChecked(true);
    }
}

}  // namespace kaz::gui
