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

namespace kaz::app {

LivePublishDialog::LivePublishDialog(const QString& pageName, const QString& folder,
                                     QWidget* parent)
    : QDialog(parent),
      m_off(new QRadioButton(tr("公開しない(&N)"), this)),
      m_on(new QRadioButton(tr("次のﾌｫﾙﾀﾞに公開する(&P):"), this)),
      m_folder(new QLineEdit(QDir::toNativeSeparators(folder), this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("ライブ公開"));
    auto* about = new QLabel(
        tr("変更のたびに %1 をこのﾌｫﾙﾀﾞに書き直します。ﾌﾞﾗｳｻﾞは 30 秒ごとに読み直します。")
            .arg(pageName),
        this);
    about->setWordWrap(true);
    auto* browse = new QPushButton(tr("参照(&B)..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    m_off->setObjectName(QStringLiteral("off"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(about, 0, 0, 1, 2);
    layout->addWidget(m_off, 1, 0, 1, 2);
    layout->addWidget(m_on, 2, 0, 1, 2);
    layout->addWidget(m_folder, 3, 0);
    layout->addWidget(browse, 3, 1);
    layout->addWidget(m_buttons, 4, 0, 1, 2);
    (folder.isEmpty() ? m_off : m_on)->setChecked(true);
    m_folder->setMinimumWidth(m_folder->fontMetrics().averageCharWidth() * 48);
    connect(browse, &QPushButton::clicked, this, &LivePublishDialog::browse);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_on, &QRadioButton::toggled, this, &LivePublishDialog::updateOk);
    connect(m_folder, &QLineEdit::textChanged, this, [this] {
        m_on->setChecked(true);
        updateOk();
    });
    updateOk();
}

QString LivePublishDialog::folder() const {
    return m_on->isChecked() ? QDir::fromNativeSeparators(m_folder->text().trimmed()) : QString();
}

void LivePublishDialog::browse() {
    const QString chosen =
        gui::DesktopServices::instance().chooseFolder(this, tr("公開するﾌｫﾙﾀﾞ"), folder());
    if (!chosen.isEmpty()) m_folder->setText(QDir::toNativeSeparators(chosen));
}

// Publishing needs a folder that is there.
void LivePublishDialog::updateOk() {
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(m_off->isChecked() || QFileInfo(folder()).isDir());
}

}  // namespace kaz::app
