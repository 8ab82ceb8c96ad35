#include "dialogs/text_input_dialog.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <algorithm>

#include "bridge/fonts.h"
#include "bridge/qt_text.h"
#include "common/cp932_validator.h"
#include "common/dialog_units.h"
#include "common/notice.h"
#include "common/refusal_notice.h"
#include "text/text_limits.h"
#include "widgets/text_field.h"

namespace kaz::gui {

namespace {

// The widest a subject label grows, in pixels; a longer one is cut with "…".
constexpr int kMostSubjectWidth = 480;

// How wide a window manager's title bar needs to be for `caption` whole: the text in a bold
// face at least as large as the application's, beside the window's icon and its buttons.
int captionBarWidth(const QWidget& window, const QString& caption) {
    QFont font = QApplication::font();
    if (font.pointSizeF() < window.font().pointSizeF()) font = window.font();
    font.setBold(true);
    const int bar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return QFontMetrics(font).horizontalAdvance(caption) + 4 * bar;
}

}  // namespace

TextInputDialog::TextInputDialog(const QString& caption, QSize templateSize, QSize editSize,
                                 size_t maxCharacters, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    setFont(render::japaneseUiFont());
    const DialogUnits dlu(font());
    const QSize size = dlu.size(templateSize.width(), templateSize.height());
    resize(std::max(size.width(), captionBarWidth(*this, caption)), size.height());
    m_edit = new TextField(maxCharacters, this);
    m_edit->setGeometry(dlu.rect(7, 7, editSize.width(), editSize.height()));
    m_edit->setFocus();
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        const QString refusal = m_acceptCheck ? m_acceptCheck() : QString();
        if (refusal.isEmpty()) {
            accept();
        } else {
            tell(m_edit, refusal, Notice::Refused);
        }
    });
    m_refusalLine = makeRefusalLine(this);
    placeRefusalLine();
    // The frame's corner goes to the pointer, even where that puts part of it off the screen;
    // having been moved, the dialog is not centred on its owner.
    move(QCursor::pos());
}

void TextInputDialog::setInitialText(const QString& text) {
    m_initialText = text;
    m_edit->showText(text);
    m_edit->selectAll();
}

void TextInputDialog::setSubject(const QString& text) {
    const DialogUnits dlu(font());
    const int margin = dlu.x(7);
    const QFontMetrics metrics(font());
    if (m_subject == nullptr) {
        m_subject = new QLabel(this);
        m_subject->setTextFormat(Qt::PlainText);
        // The label goes above the field, which moves down by its height.
        const int shift = metrics.height() + dlu.y(3);
        m_edit->move(m_edit->x(), m_edit->y() + shift);
        resize(width(), height() + shift);
        placeRefusalLine();
    }
    const QString shown = metrics.elidedText(text, Qt::ElideRight, kMostSubjectWidth);
    m_subject->setText(shown);
    m_subject->setGeometry(margin, dlu.y(5), metrics.horizontalAdvance(shown) + 2,
                           metrics.height());
    resize(std::max(width(), m_subject->width() + 2 * margin), height());
}

void TextInputDialog::setAcceptCheck(std::function<QString()> check) {
    m_acceptCheck = std::move(check);
}

void TextInputDialog::placeRefusalLine() {
    const DialogUnits dlu(font());
    m_refusalLine->move(dlu.x(7), m_edit->geometry().bottom() + dlu.y(3));
}

bool TextInputDialog::isTextChanged() const { return m_edit->text() != m_initialText; }

QLineEdit* TextInputDialog::edit() const { return m_edit; }

std::string TextInputDialog::enteredText() const { return render::toDocumentText(m_edit->text()); }

ChampionDialog::ChampionDialog(QWidget* parent)
    : TextInputDialog(tr("優勝者名入力"), QSize(77, 29), QSize(63, 14), kaz::kMaxChampionCharacters,
                      parent) {
    static_cast<TextField*>(edit())->setFieldName(tr("優勝者名"));
}

SeedDialog::SeedDialog(int members, QWidget* parent)
    : TextInputDialog(tr("シード入力"), QSize(77, 29), QSize(37, 13), 4, parent) {
    static_cast<TextField*>(edit())->setFieldName(tr("シード"));
    setSubject(tr("1 から %1 までの番号 (空欄でシードなし)").arg(members));
}

int SeedDialog::seed() const {
    const QString typed = edit()->text().normalized(QString::NormalizationForm_KC).trimmed();
    if (typed.isEmpty()) return 0;
    bool number = false;
    const int seed = typed.toInt(&number);
    return number ? seed : -1;
}

}  // namespace kaz::gui
