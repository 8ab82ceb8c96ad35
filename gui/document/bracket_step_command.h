#pragma once

#include <QUndoCommand>
#include <cstdint>

#include "bracket/bracket_change.h"

namespace kaz::gui {

class BracketDocument;

// One step in a bracket's undo history. It keeps what the step changed (the core's record of
// the parts it touched, with their values before and after) and, undone or redone, puts exactly
// those back through the document, which signals each part so that every view repaints it.
class BracketStepCommand : public QUndoCommand {
public:
    // Steps that may grow by merging: typing in one name box, and a press on a line followed by
    // its double click. Two steps merge when they share kind and key.
    enum class MergeKind : int { None = -1, Typing = 1, LinePress = 2 };

    BracketStepCommand(BracketDocument* document, const QString& text, kaz::BracketChange change,
                       MergeKind kind = MergeKind::None, std::uint64_t mergeKey = 0);

    void undo() override;
    void redo() override;
    int id() const override { return static_cast<int>(m_kind); }
    bool mergeWith(const QUndoCommand* other) override;

    const kaz::BracketChange& change() const { return m_change; }
    // The memory this step holds: the command and its record.
    size_t heldBytes() const;

private:
    BracketDocument* m_document;
    kaz::BracketChange m_change;
    MergeKind m_kind;
    // Whether the step was done once: a later redo is heard as redone. (Beside the kind, it
    // takes no room of its own.)
    bool m_done = false;
    std::uint64_t m_mergeKey;
};

}  // namespace kaz::gui
