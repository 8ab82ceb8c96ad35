#include "dialogs/html_settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "color/color_value.h"
#include "common/cp932_validator.h"
#include "common/dialog_units.h"
#include "desktop/desktop_services.h"
#include "text/cp932.h"
#include "widgets/color_swatch.h"

namespace kaz::gui {

namespace {

const char* const kRowLabels[kaz::ColorSet::kCount] = {
    QT_TRANSLATE_NOOP("kaz::gui::HtmlSettingsDialog", "勝利線色"),
    QT_TRANSLATE_NOOP("kaz::gui::HtmlSettingsDialog", "敗北線色"),
    QT_TRANSLATE_NOOP("kaz::gui::HtmlSettingsDialog", "背景色"),
    QT_TRANSLATE_NOOP("kaz::gui::HtmlSettingsDialog", "メンバー名表示色"),
    QT_TRANSLATE_NOOP("kaz::gui::HtmlSettingsDialog", "点数表示色"),
};

}  // namespace

HtmlSettingsDialog::HtmlSettingsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("HTML設定"));
    setFont(render::japaneseUiFont());
    const DialogUnits dlu(font());

    // Nothing is shown until the caller hands over the bracket's colours.
    for (int row = 0; row < kaz::ColorSet::kCount; ++row) m_colors.at(row).clear();

    auto* layout = new QVBoxLayout(this);
    auto* validator = new Cp932Validator(SIZE_MAX, this);
    validator->setFieldName(tr("色"));
    for (int row = 0; row < kaz::ColorSet::kCount; ++row) {
        auto* group = new QGroupBox(tr(kRowLabels[row]), this);
        auto* rowLayout = new QHBoxLayout(group);
        Row& r = m_rows[size_t(row)];
        r.swatch = new ColorSwatch(group);
        r.swatch->setFixedSize(dlu.size(17, 18));
        r.swatch->setObjectName(QStringLiteral("swatch%1").arg(row));
        r.edit = new QLineEdit(group);
        r.edit->setValidator(validator);
        // Room for a colour string at least, and 40 dialog units where that is more.
        const int textWidth = r.edit->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDD"));
        r.edit->setMinimumWidth(std::max(dlu.x(40), textWidth + 12));
        r.edit->setObjectName(QStringLiteral("colorEdit%1").arg(row));
        r.browse = new QPushButton(tr("参照"), group);
        r.browse->setMinimumSize(dlu.size(40, 14));
        r.browse->setObjectName(QStringLiteral("browseButton%1").arg(row));
        rowLayout->addWidget(r.swatch);
        rowLayout->addStretch(1);
        rowLayout->addWidget(r.edit, 2);
        rowLayout->addStretch(1);
        rowLayout->addWidget(r.browse);
        layout->addWidget(group);

        connect(r.edit, &QLineEdit::textChanged, this, [this, row] { onUpdateColor(row); });
        connect(r.browse, &QPushButton::clicked, this, [this, row] { onBrowseColor(row); });
    }

    m_checkBoldMember = new QCheckBox(tr("ﾒﾝﾊﾞｰ名太字"), this);
    m_checkBoldMember->setObjectName(QStringLiteral("boldMemberCheck"));
    m_checkBoldScore = new QCheckBox(tr("点数太字"), this);
    m_checkBoldScore->setObjectName(QStringLiteral("boldScoreCheck"));
    auto* checks = new QHBoxLayout;
    checks->addStretch(1);
    checks->addWidget(m_checkBoldMember);
    checks->addStretch(1);
    checks->addWidget(m_checkBoldScore);
    checks->addStretch(1);
    m_unreadableNote = new QLabel(this);
    m_unreadableNote->setObjectName(QStringLiteral("unreadableNote"));
    m_unreadableNote->setWordWrap(true);
    layout->addWidget(m_unreadableNote);
    layout->addStretch(1);
    layout->addLayout(checks);

    m_buttonOk = new QPushButton(QStringLiteral("OK"), this);
    m_buttonOk->setObjectName(QStringLiteral("okButton"));
    m_buttonOk->setDefault(true);
    m_buttonOk->setMinimumSize(dlu.size(49, 14));
    m_buttonCancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    m_buttonCancel->setObjectName(QStringLiteral("cancelButton"));
    m_buttonCancel->setMinimumSize(dlu.size(49, 14));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_buttonOk);
    buttons->addStretch(1);
    buttons->addWidget(m_buttonCancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(m_buttonOk, &QPushButton::clicked, this, &HtmlSettingsDialog::accept);
    connect(m_buttonCancel, &QPushButton::clicked, this, &HtmlSettingsDialog::reject);

    // The tab order is fixed and does not follow the rows.
    QWidget* const order[] = {
        m_buttonOk,        m_buttonCancel,   m_rows[0].edit,   m_rows[0].browse, m_rows[1].edit,
        m_rows[2].edit,    m_rows[3].edit,   m_rows[1].browse, m_rows[2].browse, m_rows[3].browse,
        m_checkBoldMember, m_checkBoldScore, m_rows[4].edit,   m_rows[4].browse,
    };
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    resize(sizeHint().expandedTo(dlu.size(175, 259)));
}

void HtmlSettingsDialog::setColorSet(kaz::ColorSet colors) { m_colors = std::move(colors); }

void HtmlSettingsDialog::setBoldFlags(bool boldScores, bool boldMemberNames) {
    m_boldScores = boldScores;
    m_boldMemberNames = boldMemberNames;
}

void HtmlSettingsDialog::showEvent(QShowEvent* event) {
    // Every run starts from the values handed over, as a freshly created dialog would.
    if (!event->spontaneous()) initDialog();
    QDialog::showEvent(event);
}

void HtmlSettingsDialog::initDialog() {
    m_checkBoldMember->setChecked(m_boldMemberNames);
    m_checkBoldScore->setChecked(m_boldScores);
    for (int row = 0; row < kaz::ColorSet::kCount; ++row) {
        Row& r = m_rows[size_t(row)];
        r.shownBytes = m_colors.at(row);
        r.shownText = QString::fromStdString(kaz::cp932ToUtf8(r.shownBytes));
        {
            // setText raises no change when the text is already there, so the row's
            // update handling is run explicitly, once.
            const QSignalBlocker blocker(r.edit);
            r.edit->setText(r.shownText);
        }
        onUpdateColor(row);
    }
    m_buttonOk->setFocus(Qt::OtherFocusReason);
}

// The swatch shows what the row's text stands for: a colour read from the bracket as the screen
// paints it, a typed one as it would be stored; text that is no colour crosses it out.
void HtmlSettingsDialog::onUpdateColor(int row) {
    Row& r = m_rows[size_t(row)];
    if (r.edit->text() == r.shownText) {
        r.value = kaz::colorFromString(r.shownBytes);
        r.readable = true;
    } else {
        const std::optional<std::string> typed = render::colorStringFromTyped(r.edit->text());
        r.value = typed ? kaz::colorFromString(*typed) : kaz::ColorValue(0);
        r.readable = typed.has_value();
    }
    if (r.readable) {
        r.swatch->setColor(r.value);
    } else {
        r.swatch->setNoColor();
    }
    updateUnreadableNote();
}

void HtmlSettingsDialog::updateUnreadableNote() {
    for (const Row& r : m_rows) {
        if (r.edit != nullptr && !r.readable) {
            m_unreadableNote->setText(tr("色として読めません: %1").arg(r.edit->text()));
            return;
        }
    }
    m_unreadableNote->clear();
}

void HtmlSettingsDialog::onBrowseColor(int row) {
    Row& r = m_rows[size_t(row)];
    const std::optional<QColor> chosen =
        DesktopServices::instance().chooseColor(this, render::toQColor(r.value));
    if (!chosen) return;
    r.edit->setText(QString::fromStdString(kaz::colorToString(render::fromQColor(*chosen))));
}

void HtmlSettingsDialog::accept() {
    // A row whose text is as it was opened keeps its bytes exactly, whatever they are; a
    // changed one must be a colour, and is stored in the one form.
    kaz::ColorSet colors = m_colors;
    for (int row = 0; row < kaz::ColorSet::kCount; ++row) {
        const Row& r = m_rows[size_t(row)];
        if (r.edit->text() == r.shownText) {
            colors.at(row) = r.shownBytes;
            continue;
        }
        const std::optional<std::string> typed = render::colorStringFromTyped(r.edit->text());
        if (!typed) {
            // The line in the dialog already says why.
            r.edit->setFocus(Qt::OtherFocusReason);
            QApplication::beep();
            return;
        }
        colors.at(row) = *typed;
    }
    m_colors = std::move(colors);
    m_boldMemberNames = m_checkBoldMember->isChecked();
    m_boldScores = m_checkBoldScore->isChecked();
    QDialog::accept();
}

}  // namespace kaz::gui
