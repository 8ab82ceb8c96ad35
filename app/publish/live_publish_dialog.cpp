#include "publish/live_publish_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "desktop/desktop_services.h"
#include "publish/page_name.h"

namespace kaz::app {

LivePublishDialog::LivePublishDialog(const QString& pageName, const QString& folder,
                                     QWidget* parent)
    : QDialog(parent),
      m_about(new QLabel(this)),
      m_off(new QRadioButton(tr("公開しない(&N)"), this)),
      m_on(new QRadioButton(tr("次のﾌｫﾙﾀﾞに公開する(&P):"), this)),
      m_folder(new QLineEdit(QDir::toNativeSeparators(folder), this)),
      m_pageName(new QLineEdit(pageName, this)),
      m_refusal(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("ライブ公開"));
    m_about->setWordWrap(true);
    auto* browse = new QPushButton(tr("参照(&B)..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    m_off->setObjectName(QStringLiteral("off"));
    m_pageName->setObjectName(QStringLiteral("pageName"));
    m_folder->setObjectName(QStringLiteral("folder"));
    m_refusal->setObjectName(QStringLiteral("refusal"));
    m_refusal->setWordWrap(true);
    m_refusal->setStyleSheet(QStringLiteral("color: #C00000"));
    auto* pageLabel = new QLabel(tr("ﾍﾟｰｼﾞのﾌｧｲﾙ名(&F):"), this);
    pageLabel->setBuddy(m_pageName);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_about, 0, 0, 1, 2);
    layout->addWidget(m_off, 1, 0, 1, 2);
    layout->addWidget(m_on, 2, 0, 1, 2);
    layout->addWidget(m_folder, 3, 0);
    layout->addWidget(browse, 3, 1);
    layout->addWidget(pageLabel, 4, 0, 1, 2);
    layout->addWidget(m_pageName, 5, 0, 1, 2);
    layout->addWidget(m_refusal, 6, 0, 1, 2);
    layout->addWidget(m_buttons, 7, 0, 1, 2);
    (folder.isEmpty() ? m_off : m_on)->setChecked(true);
    m_folder->setMinimumWidth(m_folder->fontMetrics().averageCharWidth() * 48);
    connect(browse, &QPushButton::clicked, this, &LivePublishDialog::browse);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_on, &QRadioButton::toggled, this, &LivePublishDialog::update);
    for (QLineEdit* field : {m_folder, m_pageName}) {
        connect(field, &QLineEdit::textChanged, this, [this] {
            m_on->setChecked(true);
            update();
        });
    }
    update();
}

QString LivePublishDialog::folder() const {
    return m_on->isChecked() ? QDir::fromNativeSeparators(m_folder->text().trimmed()) : QString();
}

QString LivePublishDialog::pageName() const { return PageName::withSuffix(m_pageName->text()); }

void LivePublishDialog::browse() {
    const QString chosen =
        gui::DesktopServices::instance().chooseFolder(this, tr("公開するﾌｫﾙﾀﾞ"), folder());
    if (!chosen.isEmpty()) m_folder->setText(QDir::toNativeSeparators(chosen));
}

// Publishing needs a folder that is there and a name a file can have; what is missing is said
// here, below them, with OK off until it is mended.
void LivePublishDialog::update() {
    const QString refusal = m_on->isChecked() ? this->refusal() : QString();
    m_refusal->setText(refusal);
    m_refusal->setVisible(!refusal.isEmpty());
    m_about->setText(
        tr("変更のたびに %1 をこのﾌｫﾙﾀﾞに書き直します。ﾌﾞﾗｳｻﾞは 30 秒ごとに読み直します。")
            .arg(pageName()));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(refusal.isEmpty());
}

QString LivePublishDialog::refusal() const {
    const QString chosen = folder();
    if (chosen.isEmpty()) return tr("公開するﾌｫﾙﾀﾞを指定してください。");
    if (!QFileInfo(chosen).isDir())
        return tr("ﾌｫﾙﾀﾞ %1 が見つかりません。").arg(QDir::toNativeSeparators(chosen));
    return PageName::refusal(m_pageName->text());
}

}  // namespace kaz::app
