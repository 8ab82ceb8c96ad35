#include "recovery/recovery_dialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kaz::app {

namespace {

QString describe(const kaz::RecoveryRecord& record) {
    const QString path = QDir::toNativeSeparators(QString::fromStdString(record.originalPath));
    const QString when = QDateTime::fromSecsSinceEpoch(record.savedAt)
                             .toLocalTime()
                             .toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    QString text = QString::fromStdString(record.title) + QStringLiteral("\n    ");
    if (!path.isEmpty()) text += path + QStringLiteral("    ");
    return text + when;
}

}  // namespace

RecoveryDialog::RecoveryDialog(const QList<RecoveryManager::Leftover>& leftovers, QWidget* parent)
    : QDialog(parent),
      m_leftovers(leftovers),
      m_list(new QListWidget(this)),
      m_restore(new QPushButton(tr("復元(&R)"), this)),
      m_later(new QPushButton(tr("後で(&L)"), this)),
      m_discard(new QPushButton(tr("破棄(&D)"), this)) {
    setWindowTitle(tr("ﾄﾞｷｭﾒﾝﾄの復元"));
    const QString explanation =
        tr("前回終了しなかったときの変更が残っています。復元するﾄﾞｷｭﾒﾝﾄを選んでください。");
    auto* text = new QLabel(explanation, this);
    text->setWordWrap(true);
    for (const RecoveryManager::Leftover& leftover : m_leftovers) {
        auto* item = new QListWidgetItem(describe(leftover.record), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_restore, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_later, QDialogButtonBox::RejectRole);
    buttons->addButton(m_discard, QDialogButtonBox::DestructiveRole);
    m_restore->setDefault(true);
    auto choose = [this](Choice choice) {
        m_choice = choice;
        choice == Choice::Later ? reject() : accept();
    };
    connect(m_restore, &QPushButton::clicked, this, [choose] { choose(Choice::Restore); });
    connect(m_later, &QPushButton::clicked, this, [choose] { choose(Choice::Later); });
    connect(m_discard, &QPushButton::clicked, this, [choose] { choose(Choice::Discard); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(560, 300);
}

QList<RecoveryManager::Leftover> RecoveryDialog::chosen() const {
    QList<RecoveryManager::Leftover> ticked;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked) ticked << m_leftovers[i];
    }
    return ticked;
}

}  // namespace kaz::app
