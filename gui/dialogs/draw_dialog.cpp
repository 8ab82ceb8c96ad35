#include "dialogs/draw_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTextBlock>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "bridge/fonts.h"
#include "common/dialog_units.h"
#include "common/ui_text.h"
#include "desktop/desktop_services.h"
#include "dialogs/draw_number_box.h"
#include "dialogs/draw_preview.h"
#include "dialogs/pool_names.h"
#include "document/file_access.h"
#include "draw/bracket_draw.h"
#include "draw/entrant_list.h"
#include "draw/list_text.h"
#include "draw/seed_order.h"
#include "io/file_io.h"
#include "pools/pool_draw.h"
#include "pools/pool_words.h"
#include "text/messages.h"
#include "text/text_limits.h"

namespace kaz::gui {

namespace {

constexpr int kSizes[] = {0, 4, 8, 16, 32, 64, 128};  // the size list's items; 0 for 自動

// "13人 → 16人用 (不戦勝 3)": the bracket size is shown as soon as the count allows one.
QString summaryText(int entrants, bool tooMany, int chosenSize) {
    if (tooMany) {
        return QCoreApplication::translate("kaz::gui::DrawDialog", "%1人を超えています")
            .arg(kaz::kMaxEntrants);
    }
    const QString count = QCoreApplication::translate("kaz::gui::DrawDialog", "%1人").arg(entrants);
    if (entrants < kaz::kMinEntrants) return count;
    const int size = chosenSize == 0 ? kaz::smallestDrawSize(entrants) : chosenSize;
    if (!kaz::isDrawSizeAllowed(entrants, size)) return count;
    if (size == entrants) {
        return QCoreApplication::translate("kaz::gui::DrawDialog", "%1人 → %2人用")
            .arg(entrants)
            .arg(size);
    }
    return QCoreApplication::translate("kaz::gui::DrawDialog", "%1人 → %2人用 (不戦勝 %3)")
        .arg(entrants)
        .arg(size)
        .arg(size - entrants);
}

// The encoding combo's items: 自動, then the encodings a list can be read in.
constexpr kaz::ListEncoding kEncodings[] = {kaz::ListEncoding::Automatic, kaz::ListEncoding::Utf8,
                                            kaz::ListEncoding::ShiftJis,
                                            kaz::ListEncoding::Windows1252};
constexpr kaz::TextEncoding kChosenEncodings[] = {
    kaz::TextEncoding::Utf8, kaz::TextEncoding::ShiftJis, kaz::TextEncoding::Windows1252};

}  // namespace

DrawDialog::DrawDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("組み合わせ抽選"));
    setFont(render::japaneseUiFont());
    const DialogUnits dlu(font());

    // The list, its count and its problems on the left.
    m_listEdit = new QPlainTextEdit(this);
    m_listEdit->setObjectName(QStringLiteral("listEdit"));
    m_listEdit->setLineWrapMode(QPlainTextEdit::NoWrap);  // a line of the list is a line here
    // The example's names are the reader's own: they are translated apart.
    const QString example = tr("山田 太郎,A高,1\n佐藤 花子,B高\n鈴木 一郎");
    m_listEdit->setPlaceholderText(
        tr("1行に1人: 名前、所属、シード (タブかカンマで区切る)\n例:\n%1").arg(example));
    m_listEdit->setMinimumSize(dlu.size(150, 120));
    auto* listLabel = new QLabel(tr("参加者リスト(&L):"), this);
    listLabel->setBuddy(m_listEdit);
    m_loadButton = new QPushButton(tr("読み込み(&O)..."), this);
    m_loadButton->setObjectName(QStringLiteral("loadButton"));
    // A typed or pasted list is text already: the encoding is a file's.
    m_encodingCombo = new QComboBox(this);
    m_encodingCombo->setObjectName(QStringLiteral("encodingCombo"));
    m_encodingCombo->addItem(tr("自動"));
    for (const kaz::TextEncoding encoding : kChosenEncodings) {
        m_encodingCombo->addItem(QString::fromLatin1(kaz::encodingName(encoding)));
    }
    m_encodingCombo->setEnabled(false);
    auto* encodingLabel = new QLabel(tr("文字コード(&D):"), this);
    encodingLabel->setBuddy(m_encodingCombo);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summaryLabel"));
    m_noticeHeading = new QLabel(this);
    m_noticeHeading->setObjectName(QStringLiteral("noticeHeading"));
    m_notices = new QListWidget(this);
    m_notices->setObjectName(QStringLiteral("noticeList"));
    m_notices->setMinimumHeight(dlu.y(52));
    m_noteHeading = new QLabel(tr("リストの注意:"), this);
    m_noteHeading->setObjectName(QStringLiteral("noteHeading"));
    m_notes = new QListWidget(this);
    m_notes->setObjectName(QStringLiteral("noteList"));
    m_notes->setMinimumHeight(dlu.y(30));
    m_unavoidable = new QLabel(this);
    m_unavoidable->setObjectName(QStringLiteral("unavoidableNote"));
    m_unavoidable->setWordWrap(true);

    auto* listHeader = new QHBoxLayout;
    listHeader->addWidget(listLabel);
    listHeader->addStretch(1);
    listHeader->addWidget(encodingLabel);
    listHeader->addWidget(m_encodingCombo);
    listHeader->addWidget(m_loadButton);
    auto* left = new QVBoxLayout;
    left->addLayout(listHeader);
    left->addWidget(m_listEdit, 1);
    left->addWidget(m_summary);
    left->addWidget(m_noticeHeading);
    left->addWidget(m_notices, 1);
    left->addWidget(m_noteHeading);
    left->addWidget(m_notes);
    left->addWidget(m_unavoidable);

    // The options and the picture on the right.
    m_sizeCombo = new QComboBox(this);
    m_sizeCombo->setObjectName(QStringLiteral("sizeCombo"));
    for (const int size : kSizes) {
        m_sizeCombo->addItem(size == 0 ? tr("自動") : tr("%1人用").arg(size), size);
    }
    auto* sizeLabel = new QLabel(tr("表の大きさ(&S):"), this);
    sizeLabel->setBuddy(m_sizeCombo);
    m_byLot = new QRadioButton(tr("抽選する(&R)"), this);
    m_byLot->setObjectName(QStringLiteral("byLotButton"));
    m_byLot->setChecked(true);
    m_inOrder = new QRadioButton(tr("リストの順(&I)"), this);
    m_inOrder->setObjectName(QStringLiteral("inOrderButton"));
    m_keepClubsApart = new QCheckBox(tr("所属を離す(&K)"), this);
    m_keepClubsApart->setObjectName(QStringLiteral("keepClubsApartCheck"));
    m_keepClubsApart->setChecked(true);
    m_clubInName = new QCheckBox(tr("名前に所属を付ける(&C)"), this);
    m_clubInName->setObjectName(QStringLiteral("clubInNameCheck"));
    m_drawNumber = makeDrawNumberBox(this);
    auto* numberLabel = new QLabel(tr("抽選番号(&E):"), this);
    numberLabel->setBuddy(m_drawNumber);
    m_newNumber = new QPushButton(tr("別の番号(&N)"), this);
    m_newNumber->setObjectName(QStringLiteral("newNumberButton"));

    // A bracket or pools: each kind's options show while it is chosen.
    m_bracketKind = new QRadioButton(tr("トーナメント(&T)"), this);
    m_bracketKind->setObjectName(QStringLiteral("bracketKindButton"));
    m_poolKind = new QRadioButton(tr("予選リーグ(&P)"), this);
    m_poolKind->setObjectName(QStringLiteral("poolKindButton"));
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_bracketKind);
    kinds->addButton(m_poolKind);
    auto* order = new QButtonGroup(this);
    order->addButton(m_byLot);
    order->addButton(m_inOrder);
    // Checked once in their groups: radio buttons of one parent are otherwise one choice.
    m_bracketKind->setChecked(true);
    m_byLot->setChecked(true);
    m_poolBy = new QComboBox(this);
    m_poolBy->setObjectName(QStringLiteral("poolByCombo"));
    m_poolBy->addItem(tr("1ブロックの人数"));
    m_poolBy->addItem(tr("ブロック数"));
    m_poolNumber = new QSpinBox(this);
    m_poolNumber->setObjectName(QStringLiteral("poolNumberBox"));
    m_poolNumber->setRange(kaz::kMinPoolSize, kaz::kMaxPoolSize);
    m_poolNumber->setValue(4);
    m_through = new QComboBox(this);
    m_through->setObjectName(QStringLiteral("throughCombo"));
    m_through->addItem(tr("1位"));
    m_through->addItem(tr("1位と2位"));
    auto* throughLabel = new QLabel(tr("勝ち上がり(&U):"), this);
    throughLabel->setBuddy(m_through);
    m_poolNames = new QLineEdit(this);
    m_poolNames->setObjectName(QStringLiteral("poolNamesEdit"));
    m_poolNames->setPlaceholderText(tr("A, B, C, …"));
    auto* namesLabel = new QLabel(tr("ブロック名(&M):"), this);
    namesLabel->setBuddy(m_poolNames);
    m_bracketOptions = {sizeLabel, m_sizeCombo, m_byLot, m_inOrder};
    m_poolOptions = {m_poolBy, m_poolNumber, throughLabel, m_through, namesLabel, m_poolNames};

    auto* options = new QGridLayout;
    options->addWidget(m_bracketKind, 0, 0);
    options->addWidget(m_poolKind, 0, 1, 1, 2);
    options->addWidget(sizeLabel, 1, 0);
    options->addWidget(m_sizeCombo, 1, 1, 1, 2);
    options->addWidget(m_byLot, 2, 0);
    options->addWidget(m_inOrder, 2, 1, 1, 2);
    options->addWidget(m_poolBy, 3, 0);
    options->addWidget(m_poolNumber, 3, 1);
    options->addWidget(throughLabel, 4, 0);
    options->addWidget(m_through, 4, 1, 1, 2);
    options->addWidget(namesLabel, 5, 0);
    options->addWidget(m_poolNames, 5, 1, 1, 2);
    options->addWidget(m_keepClubsApart, 6, 0);
    options->addWidget(m_clubInName, 6, 1, 1, 2);
    options->addWidget(numberLabel, 7, 0);
    options->addWidget(m_drawNumber, 7, 1);
    options->addWidget(m_newNumber, 7, 2);

    m_preview = new DrawPreview(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setMinimumSize(dlu.size(120, 120));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_ok->setMinimumSize(dlu.size(50, 14));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setMinimumSize(dlu.size(50, 14));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* right = new QVBoxLayout;
    right->addLayout(options);
    right->addWidget(m_preview, 1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    connect(m_listEdit, &QPlainTextEdit::textChanged, this, &DrawDialog::listEdited);
    connect(m_encodingCombo, &QComboBox::activated, this, &DrawDialog::rereadList);
    connect(m_sizeCombo, &QComboBox::currentIndexChanged, this, &DrawDialog::redraw);
    connect(m_byLot, &QRadioButton::toggled, this, &DrawDialog::redraw);
    connect(m_keepClubsApart, &QCheckBox::toggled, this, &DrawDialog::redraw);
    connect(m_clubInName, &QCheckBox::toggled, this, &DrawDialog::redraw);
    connect(m_drawNumber, &QSpinBox::valueChanged, this, &DrawDialog::redraw);
    connect(m_poolKind, &QRadioButton::toggled, this, [this] {
        showKindOptions();
        redraw();
    });
    connect(m_poolBy, &QComboBox::currentIndexChanged, this, [this](int bySize) {
        // A pool size of 3 … 8, or 1 … 32 pools; the number kept where it still fits.
        const bool bySizeNow = bySize == 0;
        m_poolNumber->setRange(bySizeNow ? kaz::kMinPoolSize : 1,
                               bySizeNow ? kaz::kMaxPoolSize : kaz::kMaxPools);
        redraw();
    });
    connect(m_poolNumber, &QSpinBox::valueChanged, this, &DrawDialog::redraw);
    connect(m_through, &QComboBox::currentIndexChanged, this, &DrawDialog::redraw);
    connect(m_poolNames, &QLineEdit::textChanged, this, &DrawDialog::redraw);
    connect(m_loadButton, &QPushButton::clicked, this, &DrawDialog::loadList);
    connect(m_newNumber, &QPushButton::clicked, this, &DrawDialog::pickNewNumber);
    connect(m_notices, &QListWidget::itemActivated, this, &DrawDialog::goToLine);
    connect(m_notes, &QListWidget::itemActivated, this, &DrawDialog::goToLine);
    connect(m_ok, &QPushButton::clicked, this, &DrawDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &DrawDialog::reject);

    // Large enough for the picture's names to be read, as far as the screen allows.
    const QSize screenRoom = screen()->availableGeometry().size() * 9 / 10;
    resize(sizeHint().expandedTo(dlu.size(360, 240)).boundedTo(screenRoom));
    m_listEdit->setFocus();
    showKindOptions();
    redraw();
}

void DrawDialog::showKindOptions() {
    const bool pools = m_poolKind->isChecked();
    for (QWidget* option : m_bracketOptions) option->setVisible(!pools);
    for (QWidget* option : m_poolOptions) option->setVisible(pools);
}

void DrawDialog::setChoices(const DrawChoices& choices) {
    const int item = m_sizeCombo->findData(choices.size);
    m_sizeCombo->setCurrentIndex(item < 0 ? 0 : item);
    (choices.byLot ? m_byLot : m_inOrder)->setChecked(true);
    m_keepClubsApart->setChecked(choices.keepClubsApart);
    m_clubInName->setChecked(choices.clubInName);
    (choices.pools ? m_poolKind : m_bracketKind)->setChecked(true);
    m_poolBy->setCurrentIndex(choices.poolsBySize ? 0 : 1);
    m_poolNumber->setValue(choices.poolNumber);
    m_through->setCurrentIndex(choices.through == 2 ? 1 : 0);
}

DrawChoices DrawDialog::choices() const {
    DrawChoices choices;
    choices.size = m_sizeCombo->currentData().toInt();
    choices.byLot = m_byLot->isChecked();
    choices.keepClubsApart = m_keepClubsApart->isChecked();
    choices.clubInName = m_clubInName->isChecked();
    choices.pools = m_poolKind->isChecked();
    choices.poolsBySize = m_poolBy->currentIndex() == 0;
    choices.poolNumber = m_poolNumber->value();
    choices.through = m_through->currentIndex() == 1 ? 2 : 1;
    return choices;
}

uint32_t DrawDialog::drawNumber() const { return uint32_t(m_drawNumber->value()); }

void DrawDialog::setDrawNumber(uint32_t number) { m_drawNumber->setValue(int(number)); }

void DrawDialog::setSheetLanguage(kaz::SheetLanguage language) {
    m_sheetLanguage = language;
    redraw();
}

const std::optional<kaz::Bracket>& DrawDialog::drawnBracket() const { return m_preview->bracket(); }

const std::optional<kaz::PoolStage>& DrawDialog::drawnPools() const { return m_preview->pools(); }

void DrawDialog::accept() {
    // Enter in a field while the list cannot be drawn
    if (!drawnBracket() && !drawnPools()) return;
    QDialog::accept();
}

void DrawDialog::redraw() {
    const DrawChoices chosen = choices();
    // The lot's options mean nothing for a list taken in its order; pools are always drawn.
    const bool byLot = chosen.byLot || chosen.pools;
    m_keepClubsApart->setEnabled(byLot);
    m_drawNumber->setEnabled(byLot);
    m_newNumber->setEnabled(byLot);

    kaz::EntrantList list;
    // The text is converted only when it can be within the limit: a UTF-16 unit is at least
    // one UTF-8 byte. A list as read from its file is read from its bytes, whose lines that did
    // not read cleanly the text no longer tells.
    if (m_listAsRead && m_fileBytes) {
        list = kaz::readEntrantList(*m_fileBytes, chosen.clubInName,
                                    kEncodings[m_encodingCombo->currentIndex()]);
    } else if (m_listEdit->document()->characterCount() - 1 > int(kaz::kMaxEntrantListBytes)) {
        list.problems.push_back({0, kaz::Message(kaz::MessageId::ListTooLarge)});
    } else {
        const QByteArray utf8 = m_listEdit->toPlainText().toUtf8();
        list = kaz::readEntrantList(std::string_view(utf8.constData(), size_t(utf8.size())),
                                    chosen.clubInName, kaz::ListEncoding::Utf8);
    }
    const int entrants = static_cast<int>(list.entrants.size());
    bool overLimit = false;
    for (const kaz::ListProblem& problem : list.problems) {
        overLimit |= problem.reason.id == kaz::MessageId::TooManyEntrants;
    }
    if (chosen.pools) {
        m_summary->setText(QString());
        redrawPools(list, chosen);
        return;
    }
    updateSizes(entrants);
    if (list.problems.empty()) {
        if (auto sizeProblem = kaz::drawSizeProblem(entrants, chosen.size)) {
            list.problems.push_back({0, std::move(*sizeProblem)});
        }
    }

    std::optional<kaz::Draw> draw;
    if (list.problems.empty()) {
        kaz::DrawOptions options;
        options.size = chosen.size;
        options.byLot = chosen.byLot;
        options.keepClubsApart = chosen.keepClubsApart;
        options.drawNumber = drawNumber();
        draw = kaz::drawEntrants(list.entrants, options);
    }

    m_summary->setText(summaryText(entrants, overLimit, chosen.size));
    showListLines(list);
    const bool meetings = list.problems.empty() && draw && !draw->earlyMeetings.empty();
    if (meetings) {
        const int size = static_cast<int>(draw->entrantAt.size());
        for (const kaz::ClubMeeting& meeting : draw->earlyMeetings) {
            m_notices->addItem(uiText(kaz::clubMeetingText(meeting, list.entrants, size)));
        }
    }
    if (!list.problems.empty()) {
        m_noticeHeading->setText(tr("リストの誤り:"));
    } else if (meetings) {
        m_noticeHeading->setText(tr("決勝より前に当たる同じ所属の組:"));
    } else {
        m_noticeHeading->clear();
    }
    showUnavoidable(draw ? kaz::unavoidableMeetingTexts(list.entrants, int(draw->entrantAt.size()))
                         : std::vector<kaz::Message>());

    if (draw) {
        kaz::Bracket drawn = kaz::makeDrawnBracket(*draw, list.entrants, chosen.clubInName);
        kaz::SheetInfo sheet = drawn.sheet();
        sheet.language = m_sheetLanguage;
        drawn.setSheet(std::move(sheet));
        m_preview->setBracket(std::move(drawn));
    } else {
        m_preview->setBracket(std::nullopt);
    }
    m_ok->setEnabled(draw.has_value());
}

void DrawDialog::showListLines(const kaz::EntrantList& list) {
    m_notices->clear();
    m_notes->clear();
    // The problems, and apart from them what is drawn all the same, each going to its line.
    for (auto [lines, widget] :
         {std::pair(&list.problems, m_notices), std::pair(&list.notes, m_notes)}) {
        for (const kaz::ListProblem& problem : *lines) {
            auto* item = new QListWidgetItem(uiText(kaz::listProblemText(problem)), widget);
            item->setData(Qt::UserRole, problem.line);
        }
    }
    m_noteHeading->setVisible(!list.notes.empty());
    m_notes->setVisible(!list.notes.empty());
}

void DrawDialog::redrawPools(kaz::EntrantList& list, const DrawChoices& chosen) {
    const int entrants = static_cast<int>(list.entrants.size());
    kaz::PoolDrawOptions options;
    (chosen.poolsBySize ? options.poolSize : options.pools) = chosen.poolNumber;
    options.through = chosen.through;
    options.keepClubsApart = chosen.keepClubsApart;
    options.drawNumber = drawNumber();
    options.language = m_sheetLanguage;
    std::optional<kaz::PoolDraw> draw;
    if (list.problems.empty()) {
        draw = kaz::drawPools(list.entrants, options);
        if (!draw) {
            list.problems.push_back(
                {0, kaz::Message(kaz::MessageId::PoolsCannotBeDrawn, {entrants})});
        }
    }
    showListLines(list);
    if (draw) {
        // The organiser's names, in turn, for as many pools as they name.
        std::vector<std::string> names;
        for (const kaz::Pool& pool : draw->stage.pools) names.push_back(pool.name);
        names = typedPoolNames(m_poolNames->text(), std::move(names));
        for (size_t pool = 0; pool < names.size(); ++pool) {
            draw->stage.pools[pool].name = std::move(names[pool]);
        }
        const std::vector<int> sizes = kaz::poolSizes(entrants, options);
        m_summary->setText(tr("%1人 → %2ブロック (%3人〜%4人)")
                               .arg(entrants)
                               .arg(sizes.size())
                               .arg(sizes.back())
                               .arg(sizes.front()));
        for (const kaz::PoolClubPair& pair : draw->clubPairs) {
            const kaz::Entrant& first = list.entrants[size_t(pair.first)];
            m_notices->addItem(uiText(kaz::Message(
                kaz::MessageId::SameClubInPool,
                {kaz::poolTitle(m_sheetLanguage, draw->stage.pools[size_t(pair.pool)].name),
                 first.name, list.entrants[size_t(pair.second)].name,
                 kaz::MessageValue::name(first.club)})));
        }
    } else {
        m_summary->setText(tr("%1人").arg(entrants));
    }
    if (!list.problems.empty()) {
        m_noticeHeading->setText(tr("リストの誤り:"));
    } else if (draw && !draw->clubPairs.empty()) {
        m_noticeHeading->setText(tr("同じブロックに入った同じ所属の組:"));
    } else {
        m_noticeHeading->clear();
    }
    showUnavoidable(
        draw ? kaz::unavoidablePoolPairTexts(list.entrants, int(draw->stage.pools.size()))
             : std::vector<kaz::Message>());
    if (draw) {
        m_preview->setPools(std::move(draw->stage));
    } else {
        m_preview->setPools(std::nullopt);
    }
    m_ok->setEnabled(draw.has_value());
}

void DrawDialog::showUnavoidable(const std::vector<kaz::Message>& texts) {
    if (texts.empty()) {
        m_unavoidable->clear();
        m_unavoidable->hide();
        return;
    }
    QString text = tr("この所属の人数では、次の組は避けられません:");
    for (const kaz::Message& line : texts) text += QLatin1Char('\n') + uiText(line);
    m_unavoidable->setText(text);
    m_unavoidable->show();
}

void DrawDialog::updateSizes(int entrants) {
    auto* model = qobject_cast<QStandardItemModel*>(m_sizeCombo->model());
    if (!model) return;
    const bool countable = entrants >= kaz::kMinEntrants && entrants <= kaz::kMaxEntrants;
    for (int row = 0; row < model->rowCount(); ++row) {
        const int size = kSizes[row];
        const bool suits = size == 0 || !countable || kaz::isDrawSizeAllowed(entrants, size);
        model->item(row)->setEnabled(suits);
    }
}

void DrawDialog::loadList() {
    const QString path = DesktopServices::instance().chooseOpenFile(
        this, tr("参加者リストを開く"),
        {tr("参加者リスト (*.txt *.csv *.tsv)"), tr("すべてのﾌｧｲﾙ (*.*)")});
    if (path.isEmpty()) return;
    const kaz::Result<std::string> bytes = kaz::readWholeFile(
        corePath(path), kaz::kMaxEntrantListBytes, kaz::ReadableFiles::RegularOnly);
    if (!bytes) {
        // A regular file refused as of an invalid format is one over the limit.
        if (bytes.failure().cause == kaz::FileError::InvalidFormat && QFileInfo(path).isFile()) {
            DesktopServices::instance().showError(
                this, tr("%1: %2").arg(QDir::toNativeSeparators(path),
                                       uiText(kaz::Message(kaz::MessageId::ListTooLarge))));
        } else {
            showFailure(this, bytes.failure());
        }
        return;
    }
    m_fileBytes = *bytes;
    m_encodingCombo->setEnabled(true);
    rereadList();
}

void DrawDialog::rereadList() {
    if (!m_fileBytes) return;
    const kaz::ListText text =
        kaz::decodeListText(*m_fileBytes, kEncodings[m_encodingCombo->currentIndex()]);
    m_encodingCombo->setItemText(
        0, text.automatic
               ? tr("自動 (%1)").arg(QString::fromLatin1(kaz::encodingName(text.encoding)))
               : tr("自動"));
    m_settingList = true;
    m_listEdit->setPlainText(QString::fromStdString(text.utf8));
    m_settingList = false;
    m_listAsRead = true;
    redraw();
}

void DrawDialog::listEdited() {
    if (!m_settingList) m_listAsRead = false;
    redraw();
}

void DrawDialog::pickNewNumber() {
    const uint32_t old = drawNumber();
    uint32_t number = kaz::pickDrawNumber();
    while (number == old) number = kaz::pickDrawNumber();
    setDrawNumber(number);
}

void DrawDialog::goToLine(QListWidgetItem* item) {
    const int line = item->data(Qt::UserRole).toInt();
    if (line <= 0) return;
    const QTextBlock block = m_listEdit->document()->findBlockByNumber(line - 1);
    if (!block.isValid()) return;
    m_listEdit->setTextCursor(QTextCursor(block));
    m_listEdit->setFocus();
}

}  // namespace kaz::gui
