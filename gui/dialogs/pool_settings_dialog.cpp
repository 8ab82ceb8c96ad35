#include "dialogs/pool_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "bridge/fonts.h"
#include "common/dialog_units.h"
#include "dialogs/pool_names.h"
#include "pools/pool_file.h"
#include "text/text_limits.h"

namespace kaz::gui {

namespace {

constexpr kaz::TieBreak kAllTieBreaks[] = {kaz::TieBreak::HeadToHead,
                                           kaz::TieBreak::ScoreDifference, kaz::TieBreak::ScoresFor,
                                           kaz::TieBreak::Lot};

QString tieBreakName(kaz::TieBreak tieBreak) {
    switch (tieBreak) {
        case kaz::TieBreak::HeadToHead: return PoolSettingsDialog::tr("直接対決");
        case kaz::TieBreak::ScoreDifference: return PoolSettingsDialog::tr("得失点差");
        case kaz::TieBreak::ScoresFor: return PoolSettingsDialog::tr("総得点");
        case kaz::TieBreak::Lot: return PoolSettingsDialog::tr("抽選");
    }
    return {};
}

QLineEdit* textLine(const std::string& text, const char* name, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setObjectName(QString::fromLatin1(name));
    // In UTF-16 units, so never more characters than the sheet keeps.
    field->setMaxLength(int(kaz::kMaxSheetTitleCharacters));
    return field;
}

}  // namespace

PoolSettingsDialog::PoolSettingsDialog(const kaz::PoolStage& stage, QWidget* parent)
    : QDialog(parent), m_rules(stage.rules), m_names(kaz::poolSheetOf(stage).poolNames) {
    setWindowTitle(tr("表の設定"));
    setFont(render::japaneseUiFont());
    const DialogUnits dlu(font());

    m_title = textLine(stage.title, "titleField", this);
    m_subtitle = textLine(stage.subtitle, "subtitleField", this);
    m_poolNames = new QLineEdit(poolNamesText(m_names), this);
    m_poolNames->setObjectName(QStringLiteral("poolNamesField"));
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("languageBox"));
    m_language->addItems({QStringLiteral("日本語"), QStringLiteral("English")});
    m_language->setCurrentIndex(static_cast<int>(stage.language));

    const int points[] = {m_rules.winPoints, m_rules.drawPoints, m_rules.lossPoints};
    const char* names[] = {"winPointsBox", "drawPointsBox", "lossPointsBox"};
    auto* pointsRow = new QHBoxLayout;
    const QString labels[] = {tr("勝ち"), tr("引き分け"), tr("負け")};
    for (size_t which = 0; which < m_points.size(); ++which) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(names[which]));
        box->setRange(-kaz::kMaxPoolPoints, kaz::kMaxPoolPoints);
        box->setValue(points[which]);
        m_points[which] = box;
        pointsRow->addWidget(new QLabel(labels[which], this));
        pointsRow->addWidget(box);
    }
    pointsRow->addStretch(1);
    m_draws = new QCheckBox(tr("引き分けあり"), this);
    m_draws->setObjectName(QStringLiteral("drawsBox"));
    m_draws->setChecked(m_rules.drawsAllowed);
    m_marks = new QComboBox(this);
    m_marks->setObjectName(QStringLiteral("marksBox"));
    m_marks->addItems({QStringLiteral("○ ● △"), QStringLiteral("○ × △")});
    m_marks->setCurrentIndex(static_cast<int>(m_rules.marks));
    m_through = new QComboBox(this);
    m_through->setObjectName(QStringLiteral("throughBox"));
    m_through->addItems({tr("1位"), tr("1位と2位")});
    m_through->setCurrentIndex(m_rules.through == 2 ? 1 : 0);

    // The tie-breaks used, in their order, then those not used.
    m_tieBreaks = new QListWidget(this);
    m_tieBreaks->setObjectName(QStringLiteral("tieBreakList"));
    std::vector<kaz::TieBreak> listed = m_rules.tieBreaks;
    for (const kaz::TieBreak tieBreak : kAllTieBreaks) {
        if (std::find(listed.begin(), listed.end(), tieBreak) == listed.end()) {
            listed.push_back(tieBreak);
        }
    }
    for (const kaz::TieBreak tieBreak : listed) {
        auto* item = new QListWidgetItem(tieBreakName(tieBreak), m_tieBreaks);
        item->setData(Qt::UserRole, static_cast<int>(tieBreak));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool used = std::find(m_rules.tieBreaks.begin(), m_rules.tieBreaks.end(), tieBreak) !=
                          m_rules.tieBreaks.end();
        item->setCheckState(used ? Qt::Checked : Qt::Unchecked);
    }
    m_tieBreaks->setCurrentRow(0);
    m_tieBreaks->setMaximumHeight(dlu.y(48));
    auto* up = new QPushButton(tr("上へ(&U)"), this);
    auto* down = new QPushButton(tr("下へ(&D)"), this);
    connect(up, &QPushButton::clicked, this, [this] { moveTieBreak(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveTieBreak(1); });
    auto* moves = new QVBoxLayout;
    moves->addWidget(up);
    moves->addWidget(down);
    moves->addStretch(1);
    auto* tieBreaks = new QHBoxLayout;
    tieBreaks->addWidget(m_tieBreaks, 1);
    tieBreaks->addLayout(moves);

    auto* form = new QFormLayout;
    form->addRow(tr("表題"), m_title);
    form->addRow(tr("2行目"), m_subtitle);
    form->addRow(tr("ブロック名"), m_poolNames);
    form->addRow(tr("勝点"), pointsRow);
    form->addRow(QString(), m_draws);
    form->addRow(tr("勝敗の印"), m_marks);
    form->addRow(tr("勝ち上がり"), m_through);
    form->addRow(tr("同点のときの順位"), tieBreaks);
    form->addRow(tr("言語"), m_language);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setMinimumSize(dlu.size(49, 14));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setMinimumSize(dlu.size(49, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    m_title->setFocus();
}

void PoolSettingsDialog::moveTieBreak(int by) {
    const int row = m_tieBreaks->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_tieBreaks->count()) return;
    QListWidgetItem* item = m_tieBreaks->takeItem(row);
    m_tieBreaks->insertItem(to, item);
    m_tieBreaks->setCurrentRow(to);
}

kaz::PoolRules PoolSettingsDialog::rules() const {
    kaz::PoolRules rules = m_rules;
    rules.winPoints = m_points[0]->value();
    rules.drawPoints = m_points[1]->value();
    rules.lossPoints = m_points[2]->value();
    rules.drawsAllowed = m_draws->isChecked();
    rules.marks = static_cast<kaz::ResultMarks>(m_marks->currentIndex());
    rules.through = m_through->currentIndex() == 1 ? 2 : 1;
    rules.tieBreaks.clear();
    for (int row = 0; row < m_tieBreaks->count(); ++row) {
        const QListWidgetItem* item = m_tieBreaks->item(row);
        if (item->checkState() == Qt::Checked) {
            rules.tieBreaks.push_back(static_cast<kaz::TieBreak>(item->data(Qt::UserRole).toInt()));
        }
    }
    return rules;
}

kaz::PoolSheet PoolSettingsDialog::sheet() const {
    return {kaz::withoutControlCharacters(m_title->text().toStdString()),
            kaz::withoutControlCharacters(m_subtitle->text().toStdString()),
            static_cast<kaz::SheetLanguage>(m_language->currentIndex()),
            typedPoolNames(m_poolNames->text(), m_names)};
}

}  // namespace kaz::gui
