#include "dialogs/sheet_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "bracket/bracket.h"
#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
#include "bridge/fonts.h"
#include "bridge/qt_text.h"
#include "common/dialog_units.h"
#include "common/notice.h"
#include "text/text_limits.h"
#include "widgets/text_field.h"

namespace kaz::gui {

void SheetSettingsDialog::Text::show(const std::string& text) {
    bytes = text;
    shown = render::fromDocumentText(text);
    field->showText(shown);
}

std::string SheetSettingsDialog::Text::value() const {
    return field->text() == shown ? bytes : render::toDocumentText(field->text());
}

SheetSettingsDialog::SheetSettingsDialog(const kaz::Bracket& bracket, QWidget* parent)
    : QDialog(parent), m_sheet(bracket.sheet()), m_showsClubColumn(kaz::showsClubColumn(bracket)) {
    setWindowTitle(tr("表の設定"));
    setFont(render::japaneseUiFont());
    const DialogUnits dlu(font());
    auto* layout = new QVBoxLayout(this);

    const auto makeField = [this, &dlu](Text& text, const QString& name, const QString& fieldName,
                                        size_t maxCharacters) {
        text.field = new TextField(maxCharacters, this);
        text.field->setObjectName(name);
        text.field->setFieldName(fieldName);
        text.field->setMinimumWidth(dlu.x(160));
    };
    auto* texts = new QFormLayout;
    makeField(m_title, QStringLiteral("titleField"), tr("大会名"), kaz::kMaxSheetTitleCharacters);
    m_title.show(m_sheet.title);
    texts->addRow(tr("大会名"), m_title.field);
    makeField(m_subtitle, QStringLiteral("subtitleField"), tr("2行目"),
              kaz::kMaxSheetSubtitleCharacters);
    m_subtitle.show(m_sheet.subtitle);
    texts->addRow(tr("2行目 (日付、会場など)"), m_subtitle.field);
    layout->addLayout(texts);

    // One box a round, first round first; the default shows while the box is empty.
    auto* roundGroup = new QGroupBox(tr("回戦名 (空欄は既定の名前)"), this);
    auto* rounds = new QFormLayout(roundGroup);
    m_rounds.resize(size_t(bracket.roundCount()));
    for (int round = 0; round < bracket.roundCount(); ++round) {
        Text& text = m_rounds[size_t(round)];
        makeField(text, QStringLiteral("roundField%1").arg(round), tr("回戦名"),
                  kaz::kMaxRoundNameCharacters);
        text.show(m_sheet.roundNames[size_t(round)]);
        rounds->addRow(tr("%1列目").arg(round + 1), text.field);
    }
    layout->addWidget(roundGroup);

    m_matchNumbers = new QCheckBox(tr("試合番号"), this);
    m_matchNumbers->setObjectName(QStringLiteral("matchNumbersBox"));
    m_matchNumbers->setChecked(m_sheet.matchNumbers);
    m_clubColumn = new QCheckBox(tr("所属の列"), this);
    m_clubColumn->setObjectName(QStringLiteral("clubColumnBox"));
    // The column shows while a member has a club, whatever the choice: so does the box.
    m_clubColumn->setChecked(m_showsClubColumn);
    m_clubColumn->setEnabled(!kaz::hasClubs(bracket));
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_matchNumbers);
    checks->addWidget(m_clubColumn);
    checks->addStretch(1);
    layout->addLayout(checks);

    m_thirdPlace = new QComboBox(this);
    m_thirdPlace->setObjectName(QStringLiteral("thirdPlaceBox"));
    m_thirdPlace->addItems({tr("なし"), tr("2名"), tr("3位決定戦を行う")});
    m_thirdPlace->setCurrentIndex(static_cast<int>(m_sheet.thirdPlace));
    m_twoSided = new QCheckBox(tr("左右に分ける"), this);
    m_twoSided->setObjectName(QStringLiteral("twoSidedBox"));
    m_twoSided->setChecked(m_sheet.twoSided);
    m_venueQrCode = new QCheckBox(tr("印刷した表の隅に会場配信のQRコードを入れる"), this);
    m_venueQrCode->setObjectName(QStringLiteral("venueQrCodeBox"));
    m_venueQrCode->setChecked(m_sheet.venueQrCode);
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("languageBox"));
    m_language->addItems({QStringLiteral("日本語"), QStringLiteral("English")});
    m_language->setCurrentIndex(static_cast<int>(m_sheet.language));
    // The round boxes show the defaults of the language chosen.
    const auto showDefaults = [this, members = bracket.memberCount()] {
        const auto language = static_cast<kaz::SheetLanguage>(m_language->currentIndex());
        for (size_t round = 0; round < m_rounds.size(); ++round) {
            m_rounds[round].field->setPlaceholderText(
                QString::fromStdString(kaz::defaultRoundName(members, int(round), language)));
        }
    };
    showDefaults();
    connect(m_language, &QComboBox::currentIndexChanged, this, showDefaults);
    auto* shape = new QFormLayout;
    shape->addRow(tr("3位"), m_thirdPlace);
    shape->addRow(m_twoSided);
    shape->addRow(tr("言語"), m_language);
    shape->addRow(m_venueQrCode);
    layout->addLayout(shape);
    layout->addWidget(makeRefusalLine(this));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setMinimumSize(dlu.size(49, 14));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setMinimumSize(dlu.size(49, 14));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_title.field->setFocus();
}

kaz::SheetInfo SheetSettingsDialog::sheet() const {
    kaz::SheetInfo sheet = m_sheet;
    sheet.title = m_title.value();
    sheet.subtitle = m_subtitle.value();
    // A name typed as its default is the default, which is not stored.
    for (size_t round = 0; round < m_rounds.size(); ++round) {
        const Text& text = m_rounds[round];
        const bool isDefault = text.field->text() == text.field->placeholderText();
        sheet.roundNames[round] = isDefault ? std::string() : text.value();
    }
    sheet.matchNumbers = m_matchNumbers->isChecked();
    // Left as it showed, the choice stays as it was stored.
    if (m_clubColumn->isChecked() != m_showsClubColumn) {
        sheet.clubColumn = m_clubColumn->isChecked();
    }
    sheet.thirdPlace = static_cast<kaz::ThirdPlace>(m_thirdPlace->currentIndex());
    sheet.twoSided = m_twoSided->isChecked();
    sheet.venueQrCode = m_venueQrCode->isChecked();
    sheet.language = static_cast<kaz::SheetLanguage>(m_language->currentIndex());
    return sheet;
}

}  // namespace kaz::gui
