#include "dialogs/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "bridge/fonts.h"
#include "text/app_names.h"

namespace kaz::gui {

AboutDialog::AboutDialog(const QIcon& icon, QWidget* parent) : QDialog(parent) {
    static_assert(std::string_view(kaz::kApplicationTitle) == "カズボ");
    static_assert(std::string_view(kaz::kProductName) == "カズボー");
    setWindowTitle(tr("カズボのバージョン情報"));
    setFont(render::japaneseUiFont());

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(icon.pixmap(32, 32));
    // Plain text: no "&" is taken for a mnemonic and no markup is interpreted.
    auto* name = new QLabel(tr("カズボー ver%1").arg(QStringLiteral(KAZ_VERSION)), this);
    name->setTextFormat(Qt::PlainText);
    name->setObjectName(QStringLiteral("versionLabel"));
    auto* line = new QLabel(tr("Qt 6 版  HTML トーナメント表エディタ"), this);
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
