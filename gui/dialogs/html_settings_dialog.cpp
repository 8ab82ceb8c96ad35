#include "dialogs/html_settings_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "desktop/desktop_services.h"
#include "text/cp932.h"
#include "common/cp932_text.h"
#include "common/qt_colors.h"
#include "common/ui_fonts.h"
#include "dialogs/color_swatch.h"
#include "color/color_value.h"

namespace {

const char* const kRowLabels[kaz::ColorSet::kCount] = {
    "勝利線色", "敗北線色", "背景色", "メンバー名表示色", "点数表示色",
};

// A colour string that is not exactly this long is stored as black.
constexpr size_t kColorStringBytes = 7;
const char kBlack[] = "#000000";

}  // namespace

CHtmlSettingsDlg::CHtmlSettingsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("HTML設定"));
    setFont(JapaneseUiFont());
    const DialogUnits dlu(font());

    // Nothing is shown until the caller hands over the bracket's colours.
    for (int row = 0; row < kaz::ColorSet::kCount; ++row) m_colors.At(row).clear();

    auto* layout = new QVBoxLayout(this);
    auto* validator = new Cp932Validator(-1, this);
    for (int row = 0; row < kaz::ColorSet::kCount; ++row) {
        auto* group = new QGroupBox(QString::fromUtf8(kRowLabels[row]), this);
        auto* rowLayout = new QHBoxLayout(group);
        Row& r = m_rows[size_t(row)];
        r.swatch = new CColorSwatch(group);
        r.swatch->setFixedSize(dlu.Size(17, 18));
        r.swatch->setObjectName(QStringLiteral("swatch%1").arg(row));
        r.edit = new QLineEdit(group);
        r.edit->setValidator(validator);
        // Room for a colour string at least, and 40 dialog units where that is more.
        const int textWidth = r.edit->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDD"));
        r.edit->setMinimumWidth(std::max(dlu.X(40), textWidth + 12));
        r.edit->setObjectName(QStringLiteral("colorEdit%1").arg(row));
        r.browse = new QPushButton(QStringLiteral("参照"), group);
        r.browse->setMinimumSize(dlu.Size(40, 14));
        r.browse->setObjectName(QStringLiteral("browseButton%1").arg(row));
        rowLayout->addWidget(r.swatch);
        rowLayout->addStretch(1);
        rowLayout->addWidget(r.edit, 2);
        rowLayout->addStretch(1);
        rowLayout->addWidget(r.browse);
        layout->addWidget(group);

        connect(r.edit, &QLineEdit::textChanged, this, [this, row] { OnUpdateColor(row); });
        connect(r.browse, &QPushButton::clicked, this, [this, row] { OnBrowseColor(row); });
    }

    m_checkBoldMember = new QCheckBox(QStringLiteral("ﾒﾝﾊﾞｰ名太字"), this);
    m_checkBoldMember->setObjectName(QStringLiteral("boldMemberCheck"));
    m_checkBoldScore = new QCheckBox(QStringLiteral("点数太字"), this);
    m_checkBoldScore->setObjectName(QStringLiteral("boldScoreCheck"));
    auto* checks = new QHBoxLayout;
    checks->addStretch(1);
    checks->addWidget(m_checkBoldMember);
    checks->addStretch(1);
    checks->addWidget(m_checkBoldScore);
    checks->addStretch(1);
    layout->addStretch(1);
    layout->addLayout(checks);

    m_buttonOk = new QPushButton(QStringLiteral("OK"), this);
    m_buttonOk->setObjectName(QStringLiteral("okButton"));
    m_buttonOk->setDefault(true);
    m_buttonOk->setMinimumSize(dlu.Size(49, 14));
    m_buttonCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_buttonCancel->setObjectName(QStringLiteral("cancelButton"));
    m_buttonCancel->setMinimumSize(dlu.Size(49, 14));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_buttonOk);
    buttons->addStretch(1);
    buttons->addWidget(m_buttonCancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(m_buttonOk, &QPushButton::clicked, this, &CHtmlSettingsDlg::accept);
    connect(m_buttonCancel, &QPushButton::clicked, this, &CHtmlSettingsDlg::reject);

    // The tab order is fixed and does not follow the rows.
    QWidget* const order[] = {
        m_buttonOk,        m_buttonCancel,   m_rows[0].edit,   m_rows[0].browse, m_rows[1].edit,
        m_rows[2].edit,    m_rows[3].edit,   m_rows[1].browse, m_rows[2].browse, m_rows[3].browse,
        m_checkBoldMember, m_checkBoldScore, m_rows[4].edit,   m_rows[4].browse,
    };
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    resize(sizeHint().expandedTo(dlu.Size(175, 259)));
}

void CHtmlSettingsDlg::SetColorSet(kaz::ColorSet colors) {
    m_colors = std::move(colors);
}

void CHtmlSettingsDlg::SetBoldFlags(bool score, bool member) {
    m_bBoldScore = score;
    m_bBoldMember = member;
}

void CHtmlSettingsDlg::showEvent(QShowEvent* event) {
    // Every run starts from the values handed over, as a freshly created dialog would.
    if (!event->spontaneous()) InitDialog();
    QDialog::showEvent(event);
}

void CHtmlSettingsDlg::InitDialog() {
    m_checkBoldMember->setChecked(m_bBoldMember);
    m_checkBoldScore->setChecked(m_bBoldScore);
    for (int row = 0; row < kaz::ColorSet::kCount; ++row) {
        Row& r = m_rows[size_t(row)];
        r.shownBytes = m_colors.At(row);
        r.shownText = QString::fromStdString(kaz::Cp932ToUtf8(r.shownBytes));
        {
            // setText raises no change when the text is already there, so the row's
            // update handling is run explicitly, once.
            const QSignalBlocker blocker(r.edit);
            r.edit->setText(r.shownText);
        }
        OnUpdateColor(row);
    }
    m_buttonOk->setFocus(Qt::OtherFocusReason);
}

void CHtmlSettingsDlg::OnUpdateColor(int row) {
    Row& r = m_rows[size_t(row)];
    const QString text = r.edit->text();
    m_colors.At(row) = text == r.shownText ? r.shownBytes : ToCp932Lenient(text);
    CheckColor(row);
    r.swatch->SetColor(kaz::ColorFromString(m_colors.At(row)));
}

void CHtmlSettingsDlg::CheckColor(int row) {
    // Only the length is checked; the edit keeps showing what was typed.
    if (m_colors.At(row).size() != kColorStringBytes) m_colors.At(row) = kBlack;
}

void CHtmlSettingsDlg::OnBrowseColor(int row) {
    const kaz::ColorValue initial = kaz::ColorFromString(m_colors.At(row));
    const std::optional<QColor> chosen =
        DesktopServices::Instance().ChooseColor(this, ToQColor(initial));
    if (!chosen) return;
    const kaz::ColorValue value = FromQColor(*chosen);
    Row& r = m_rows[size_t(row)];
    r.swatch->SetColor(value);
    m_colors.At(row) = kaz::ColorToString(value);
    r.edit->setText(QString::fromStdString(m_colors.At(row)));
}

void CHtmlSettingsDlg::accept() {
    // Only the check boxes are read back; the colour strings are already up to date.
    m_bBoldMember = m_checkBoldMember->isChecked();
    m_bBoldScore = m_checkBoldScore->isChecked();
    QDialog::accept();
}
