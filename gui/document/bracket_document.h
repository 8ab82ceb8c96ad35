#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/document_change.h"
#include "bracket/refusal.h"
#include "bracket/result_proposal.h"
#include "document/bracket_step_command.h"
#include "io/result.h"

class QUndoStack;
namespace kaz {
struct BracketChange;
}

namespace kaz::gui {

// One open bracket: owns the live bracket and its undo history, and tells every view of it
// what changed. Views and widgets keep no bracket state of their own; they call the operations
// here. Every change is one step in the history, which all windows on the bracket share; a step
// done, undone or redone is heard once, on changed(), saying exactly the lines, names, champion,
// colours, sheet or third place it touched.
class BracketDocument : public QObject {
    Q_OBJECT
public:
    // A document on a bracket: a new one of a chosen size, or one read from a file.
    explicit BracketDocument(kaz::Bracket bracket, QObject* parent = nullptr);
    ~BracketDocument() override;

    const kaz::Bracket& bracket() const { return m_bracket; }
    int memberCount() const { return m_bracket.memberCount(); }
    int roundCount() const { return m_bracket.roundCount(); }
    const kaz::ColorSet& colors() const { return m_bracket.colors(); }

    // The undo history. Each step's text names it: 名前の入力, 勝ち上がり, 取り消し, 点数,
    // 優勝者名, 色の設定, 名前の貼り付け, 表の設定, シード, 不戦勝, 所属の列, 所属の入力. Saving
    // leaves it as it is.
    QUndoStack* undoStack() const { return m_undoStack; }

    QString memberNameText(int i) const;
    // Typing in member i's box, as CP932 bytes: one step (名前の入力) for the whole typing in
    // one box, until endTyping() or any other step.
    void setMemberName(int i, std::string name);
    // Member i's club, and typing in its club box, as CP932 bytes: one step (所属の入力) for the
    // whole typing in one box, as a name's. A club beyond the members is refused. Erasing the
    // last club keeps the column shown (the 所属 choice hides it).
    QString memberClubText(int i) const;
    void setMemberClub(int i, std::string club);
    // Ends the typing step: the next edit of a name or club is a step of its own. A box calls this
    // when it loses the focus; undo and redo end it too.
    void endTyping();
    // Names pasted into the boxes from member `first` down, as one step (名前の貼り付け).
    // Returns how many names were left out because there is no box for them.
    int pasteMemberNames(int first, const std::vector<std::string>& names);

    QString championText() const;
    void setChampion(std::string name);

    kaz::LineState lineState(int line) const { return m_bracket.lineState(line); }
    const std::string& lineScore(int line) const { return m_bracket.lineScore(line); }
    void setLineScore(int line, std::string score);
    // Both scores of the match `line` plays, upper line's first, as one step (点数).
    void setMatchScores(int line, std::string upperScore, std::string lowerScore);

    // What a result change at `place` would do, as the core works it out (bracket/
    // result_proposal.h): the step, what it clears, or why it is refused. A double-click message
    // right after its press on the same place is worked out with that press, as one gesture.
    kaz::ResultProposal proposeResult(kaz::ResultPlace place, kaz::ResultAction action) const;
    // Makes exactly the step a proposal holds (nothing for a refused one): a press is a step
    // (勝ち上がり), a reset another (取り消し), and the double-click message right after its
    // press, as a mouse delivers it, joins the press's step.
    void commitResult(const kaz::ResultProposal& proposal);

    // A left press and the double-click message on a line, and on side `side` of the
    // third-place match, proposed and committed without a question.
    void leftClickLine(int line);
    void doubleClickLine(int line);
    void leftClickThirdPlace(int side);
    void doubleClickThirdPlace(int side);
    // The third-place match's scores; each step named as a line's.
    void setThirdPlaceScore(int side, std::string score);
    void setThirdPlaceScores(std::string upperScore, std::string lowerScore);

    // The HTML settings: colours and bold flags, as one step (色の設定).
    void setHtmlSettings(const kaz::ColorSet& colors, bool boldScores, bool boldMemberNames);

    // The sheet around the bracket, each change one step. Each returns the core's refusal of the
    // change (nothing then changed, see bracket/refusal.h), for the caller to tell.
    // The whole sheet, as 表の設定 edits it (表の設定). A sheet that no longer plays the
    // third-place match drops its results in the same step.
    std::optional<kaz::Refusal> setSheet(kaz::SheetInfo sheet);
    // Member `member`'s seed number, 1 to the member count, or 0 for none (シード).
    std::optional<kaz::Refusal> setSeed(int member, int seed);
    // Marks or unmarks first-round slot `slot` as a bye (不戦勝).
    std::optional<kaz::Refusal> setBye(int slot, bool bye);
    // Shows or hides the club column (所属の列).
    std::optional<kaz::Refusal> setClubColumn(bool shown);

    // A knockout made from a pool stage: the stage's standings brought into its slots, as the
    // core worked them out (pools/knockout_fill.h), as one step (予選リーグの結果を反映).
    void fillFromPools(kaz::BracketChange change);
    // The pool stage's file as the knockout keeps it (予選リーグのファイル).
    void setPoolFile(std::string link);

    // The change check: does the bracket differ from what was last loaded or stored? It looks
    // at the content alone, so undoing back to the stored content makes it unchanged.
    bool isChanged() const { return m_changedUntilStored || m_bracket.isChanged(); }
    // Counts the bracket as changed until it is stored, whatever it holds: for one brought back
    // after a crash, which its file does not hold yet.
    void markChangedUntilStored();

    // Stores the bracket at `path`. Only once the file was really written does the bracket
    // count as unchanged and take `path` as its file.
    kaz::Status save(const QString& path);

    // The file this bracket was loaded from or stored to (empty for a new one); setting it
    // also titles the bracket by the file's name.
    const QString& filePath() const { return m_filePath; }
    void setFilePath(const QString& path);
    // "新しいトーナメント表N" for a new bracket, the file name for a loaded or stored one.
    const QString& title() const { return m_title; }
    void setTitle(const QString& title);
    // The name its files are proposed under, without a suffix: the bracket file's name; for a
    // bracket never stored, the sheet's title with what a file name cannot hold replaced, or
    // while there is none its title.
    QString fileStem() const;

signals:
    // The one signal of a change, which every view and everything that follows the whole bracket
    // (recovery files, live publishing, the window's title) hears: once for every step done,
    // undone or redone that changed anything, and once when the file or title changes (a save
    // names the bracket). The core says which parts a change touches (bracket/
    // document_change.h). A save changes no content.
    void changed(const kaz::DocumentChange& change);
    // The change check's answer turned: an edit, a save, or undo back to the stored content.
    // Heard after the change that turned it.
    void changedStateChanged(bool changed);

private:
    friend class BracketStepCommand;

    // Puts a step into the history, which makes it: every step is built as data against the
    // bracket as it is and applied once, by the history. An empty step is not kept, unless it is
    // to merge with the step before it.
    void pushStep(const QString& text, kaz::BracketChange change,
                  BracketStepCommand::MergeKind mergeKind = BracketStepCommand::MergeKind::None,
                  std::uint64_t mergeKey = 0, bool evenIfEmpty = false);
    // Sets the parts of a step to their values after it (before it, for an undo) and signals
    // what it touched.
    void applyStep(const kaz::BracketChange& change, kaz::ChangeSource source);
    // Forgets the typing step and the pending press: a later edit starts a step of its own.
    void endMerging();
    // Signals changedStateChanged when isChanged() no longer gives what it last gave.
    void noteChangedState();

    kaz::Bracket m_bracket;
    QUndoStack* m_undoStack;
    QString m_filePath;
    QString m_title;
    bool m_changedUntilStored = false;
    bool m_lastChangedState = false;
    bool m_pushing = false;
    std::uint64_t m_lastMergeKey = 0;
    int m_typingMember = -1;
    int m_typingClub = -1;
    std::uint64_t m_typingKey = 0;
    // The place just pressed and the press's step, for its double-click message.
    std::optional<kaz::ResultPlace> m_pressedPlace;
    kaz::BracketChange m_pressChange;
    std::uint64_t m_pressKey = 0;
};

}  // namespace kaz::gui
