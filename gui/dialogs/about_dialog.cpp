#include "dialogs/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "bridge/fonts.h"
#include "text/app_names.h"

namespace kaz::gui {

AboutDialog::AboutDialog(const QIcon& icon, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kaz::kApplicationTitle) + QStringLiteral("のバージョン情報"));
    setFont(render::japaneseUiFont());

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(icon.pixmap(32, 32));
    // Plain text: no "&" is taken for a mnemonic and no markup is interpreted.
    auto* name =
        new QLabel(QString::fromUtf8(kaz::kProductName) + QStringLiteral(" ver" KAZ_VERSION), this);
    name->setTextFormat(Qt::PlainText);
    name->setObjectName(QStringLiteral("versionLabel"));
    auto* line = new QLabel(QStringLiteral("Qt 6 版  HTML トーナメント表エディタ"), this);
    line->setTextFormat(Qt::PlainText);
    line->setObjectName(QStringLiteral("descriptionLabel"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(line);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(16);
    layout->addWidget(iconLabel, 0, Qt::AlignVCenter);
    layout->addLayout(texts, 1);
    layout->addWidget(ok, 0, Qt::AlignVCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

}  // namespace kaz::gui
