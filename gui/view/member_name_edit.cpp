#include "view/member_name_edit.h"

#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QUndoStack>
#include <algorithm>

#include "bracket/bracket.h"
#include "bracket/member_progress.h"
#include "bracket/third_place.h"
#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_text.h"
#include "common/cp932_validator.h"
#include "common/notice.h"
#include "common/refusal_notice.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "document/history_step.h"
#include "text/pasted_text.h"
#include "text/text_limits.h"
#include "view/line_results.h"
#include "view/third_place_line.h"

namespace kaz::gui {

namespace {

// A line edit's own margin either side of its text.
constexpr int kEditTextMargin = 2;
constexpr int kMostTooltipCharacters = 256;

bool isUndoKey(const QKeyEvent* event) {
    return event->matches(QKeySequence::Undo) ||
           (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::AltModifier);
}

bool isRedoKey(const QKeyEvent* event) {
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    return event->matches(QKeySequence::Redo) ||
           (event->key() == Qt::Key_Y && mods == Qt::ControlModifier) ||
           (event->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier));
}

}  // namespace

MemberNameEdit::MemberNameEdit(BracketDocument* doc, int member, QWidget* parent)
    : MemberBox(kaz::kMaxMemberNameCharacters, doc, member, parent) {
    setFieldName(tr("名前"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("%1人目").arg(member + 1));
    refreshText();
    connect(this, &QLineEdit::textChanged, this, &MemberNameEdit::updateToolTip);
    updateToolTip();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_document->setMemberName(m_member, render::toDocumentText(text));
    });
}

void MemberNameEdit::refreshText() {
    const QString text = m_document->memberNameText(m_member);
    if (text != this->text()) showText(text);
}

// The box keeps its size; a name it cannot show whole is shown whole in its tooltip, as plain
// text on one line (a name may look like markup).
void MemberNameEdit::updateToolTip() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 2 * kEditTextMargin;
    const QString name = text();
    if (fontMetrics().horizontalAdvance(name) <= room) {
        setToolTip(QString());
        return;
    }
    // Beyond what a screen can show, the tooltip ends with "…".
    const QString shown = name.size() > kMostTooltipCharacters
                              ? name.left(kMostTooltipCharacters) + QChar(0x2026)
                              : name;
    setToolTip(QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(shown.toHtmlEscaped()));
}

int MemberNameEdit::pasteText(const QString& text) {
    const std::vector<kaz::PastedEntry> entries = kaz::pastedEntries(text.toStdString());
    if (entries.empty()) return 0;
    QStringList notes;
    std::vector<std::string> names;
    if (entries.size() == 1) {
        // One name goes where the cursor is, over the selection.
        const size_t room =
            maxCharacters() - std::min(maxCharacters(), charactersOutsideSelection());
        const std::optional<std::string> fitted = fitEntry(entries.front(), room, notes);
        if (!fitted) return 1;
        QString name = this->text();
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const QString pasted = render::fromDocumentText(*fitted);
        name.replace(start, hasSelectedText() ? selectedText().size() : 0, pasted);
        names.push_back(render::toDocumentText(name));
        m_document->pasteMemberNames(m_member, names);
        refreshText();
        setCursorPosition(start + static_cast<int>(pasted.size()));
        announceNotes(notes);
        return 0;
    }
    // The lines the boxes from here down take are pasted whole or not at all.
    const size_t room = size_t(std::max(0, m_document->memberCount() - m_member));
    const int leftOut = static_cast<int>(entries.size() - std::min(entries.size(), room));
    for (size_t i = 0; i < entries.size() - size_t(leftOut); ++i) {
        const std::optional<std::string> fitted =
            fitEntry(entries[i], maxCharacters(), notes, true);
        if (!fitted) return static_cast<int>(entries.size());
        names.push_back(*fitted);
    }
    m_document->pasteMemberNames(m_member, names);
    if (leftOut > 0) {
        notes << tr("名前の欄が足りないため、%1 行を貼り付けませんでした。").arg(leftOut);
    }
    announceNotes(notes);
    return leftOut;
}

void MemberNameEdit::resizeEvent(QResizeEvent* event) {
    MemberBox::resizeEvent(event);
    updateToolTip();
}

bool MemberNameEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        handleBracketKey(static_cast<QKeyEvent*>(event), false)) {
        event->accept();
        return true;
    }
    return TextField::event(event);
}

void MemberNameEdit::keyPressEvent(QKeyEvent* event) {
    if (handleBracketKey(event, true)) {
        event->accept();
        return;
    }
    TextField::keyPressEvent(event);
}

bool MemberNameEdit::handleBracketKey(const QKeyEvent* event, bool run) {
    QUndoStack* history = m_document->undoStack();
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (isUndoKey(event)) {
        if (run) takeHistoryStep(history, HistoryStep::Undo, this);
    } else if (isRedoKey(event)) {
        if (run) takeHistoryStep(history, HistoryStep::Redo, this);
    } else if (event->key() == Qt::Key_Right && mods == Qt::AltModifier) {
        if (run) winNextMatch();
    } else if (event->key() == Qt::Key_Left && mods == Qt::AltModifier) {
        if (run) takeBackLastWin();
    } else if (event->key() == Qt::Key_F2 && mods == Qt::NoModifier) {
        if (run) askLastScore();
    } else {
        return false;
    }
    return true;
}

void MemberNameEdit::winNextMatch() {
    const kaz::Bracket& bracket = m_document->bracket();
    const int side = thirdPlaceSide();
    if (side >= 0) {
        // A win there is its last: pressed again, the key leaves it.
        if (kaz::thirdPlaceWinner(bracket) != m_member) {
            changeResult(this, m_document, kaz::ResultPlace::thirdPlaceSide(side),
                         kaz::ResultAction::Press);
        }
        return;
    }
    const int line = kaz::memberStandingLine(bracket, m_member);
    // On the final line the champion is named with F2, not won with a click.
    if (bracket.lineKind(line) != kaz::LineKind::Final) {
        changeResult(this, m_document, kaz::ResultPlace::line(line), kaz::ResultAction::Press);
    }
}

void MemberNameEdit::takeBackLastWin() {
    const kaz::Bracket& bracket = m_document->bracket();
    const int side = thirdPlaceSide();
    if (side >= 0 && kaz::thirdPlaceWinner(bracket) == m_member) {
        changeResult(this, m_document, kaz::ResultPlace::thirdPlaceSide(side),
                     kaz::ResultAction::ResetMessage);
        return;
    }
    const int line = kaz::memberLastWonLine(bracket, m_member);
    if (line < 0) return;
    // A whole double click at once, as the mouse delivers its press and then its message.
    changeResult(this, m_document, kaz::ResultPlace::line(line), kaz::ResultAction::PressAndReset);
}

// The score of the match just played: the one the member last won or lost; the champion's name
// for the member who won the final.
void MemberNameEdit::askLastScore() {
    const kaz::Bracket& bracket = m_document->bracket();
    const int side = thirdPlaceSide();
    const int standing = kaz::memberStandingLine(bracket, m_member);
    if (side >= 0) {
        emit thirdPlaceScoreRequested(side);
    } else if (bracket.lineKind(standing) == kaz::LineKind::Final &&
               kaz::memberOnLine(bracket, standing) == m_member) {
        emit lineTextRequested(standing);
    } else {
        emit lineTextRequested(kaz::memberLastDecidedLine(bracket, m_member));
    }
}

int MemberNameEdit::thirdPlaceSide() const {
    const kaz::Bracket& bracket = m_document->bracket();
    if (bracket.sheet().thirdPlace != kaz::ThirdPlace::Match) return -1;
    for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
        if (kaz::thirdPlaceMember(bracket, side) == m_member) return side;
    }
    return -1;
}

void MemberNameEdit::addOwnItems(QMenu* menu) {
    const kaz::Bracket& bracket = m_document->bracket();
    const bool inBracket = m_member < bracket.memberCount();
    menu->addSeparator();
    addMenuItem(menu, "seed", tr("シード..."), inBracket, [this] { askSeed(); });
    const bool bye = inBracket && bracket.isBye(m_member);
    QAction* byeItem =
        addMenuItem(menu, "bye", tr("不戦勝"), inBracket && bracket.memberName(m_member).empty(),
                    [this, bye] { tell(this, m_document->setBye(m_member, !bye)); });
    byeItem->setCheckable(true);
    byeItem->setChecked(bye);
}

void MemberNameEdit::askSeed() {
    SeedDialog dialog(m_document->memberCount(), this);
    const int seed = m_document->bracket().memberSeed(m_member);
    dialog.setInitialText(seed > 0 ? QString::number(seed) : QString());
    // Enter asks the bracket for the seed: a number it refuses is shown in the dialog, which
    // stays open for another; one it takes is the step, and the dialog closes.
    dialog.setAcceptCheck(
        [this, &dialog] { return refusalText(m_document->setSeed(m_member, dialog.seed())); });
    dialog.exec();
}

}  // namespace kaz::gui
