#include "document/bracket_step_command.h"

#include "document/bracket_document.h"

namespace kaz::gui {

BracketStepCommand::BracketStepCommand(BracketDocument* document, const QString& text,
                                       kaz::BracketChange change, MergeKind kind,
                                       std::uint64_t mergeKey)
    : QUndoCommand(text),
      m_document(document),
      m_change(std::move(change)),
      m_kind(kind),
      m_mergeKey(mergeKey) {}

void BracketStepCommand::undo() { m_document->applyStep(m_change, kaz::ChangeSource::Undone); }

void BracketStepCommand::redo() {
    m_document->applyStep(m_change, m_done ? kaz::ChangeSource::Redone : kaz::ChangeSource::Done);
    m_done = true;
}

bool BracketStepCommand::mergeWith(const QUndoCommand* other) {
    const auto* later = static_cast<const BracketStepCommand*>(other);
    if (later->m_kind != m_kind || later->m_mergeKey != m_mergeKey) return false;
    m_change.append(later->m_change);
    setText(later->text());  // a press merged with its double click is a 取り消し
    // A step that ends where it began (a name typed and erased) leaves the history.
    if (m_change.isEmpty()) setObsolete(true);
    return true;
}

size_t BracketStepCommand::heldBytes() const {
    // QUndoCommand keeps a private part with its text (shared with the literal it was made
    // from) and an empty list of children.
    constexpr size_t kPrivatePart = 64;
    return sizeof(*this) + kPrivatePart + m_change.heldBytes() - sizeof(m_change);
}

}  // namespace kaz::gui
