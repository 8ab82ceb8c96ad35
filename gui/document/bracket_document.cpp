#include "document/bracket_document.h"

#include <QFileInfo>
#include <QUndoStack>
#include <algorithm>

#include "bracket/bracket_change.h"
#include "bracket/sheet_marks.h"
#include "bracket/third_place.h"
#include "bridge/qt_text.h"
#include "document/bracket_step_command.h"
#include "document/file_access.h"
#include "io/kaz_format.h"

namespace kaz::gui {

BracketDocument::BracketDocument(kaz::Bracket bracket, QObject* parent)
    : QObject(parent),
      m_bracket(std::move(bracket)),
      m_undoStack(new QUndoStack(this)),
      m_lastChangedState(isChanged()) {
    // Undo and redo, from any window or action, end the step that typing or a press may still
    // be growing.
    connect(m_undoStack, &QUndoStack::indexChanged, this, [this] {
        if (!m_pushing) endMerging();
    });
}

BracketDocument::~BracketDocument() {
    // The history signals into this document as it clears; it goes while the document is whole.
    delete m_undoStack;
}

QString BracketDocument::memberNameText(int i) const {
    return render::fromDocumentText(m_bracket.memberName(i));
}

void BracketDocument::setMemberName(int i, std::string name) {
    m_pressedPlace.reset();
    m_typingClub = -1;
    if (m_typingMember != i) {
        m_typingMember = i;
        m_typingKey = ++m_lastMergeKey;
    }
    pushStep(tr("名前の入力"), kaz::namesChange(m_bracket, i, {std::move(name)}),
             BracketStepCommand::MergeKind::Typing, m_typingKey);
}

QString BracketDocument::memberClubText(int i) const {
    return render::fromDocumentText(m_bracket.memberClub(i));
}

void BracketDocument::setMemberClub(int i, std::string club) {
    if (i < 0 || i >= memberCount()) return;
    m_pressedPlace.reset();
    m_typingMember = -1;
    if (m_typingClub != i) {
        m_typingClub = i;
        m_typingKey = ++m_lastMergeKey;
    }
    pushStep(tr("所属の入力"), kaz::clubChange(m_bracket, i, std::move(club)),
             BracketStepCommand::MergeKind::Typing, m_typingKey);
}

void BracketDocument::endTyping() {
    m_typingMember = -1;
    m_typingClub = -1;
}

int BracketDocument::pasteMemberNames(int first, const std::vector<std::string>& names) {
    endMerging();
    pushStep(tr("名前の貼り付け"), kaz::namesChange(m_bracket, first, names));
    const int room = std::max(0, memberCount() - first);
    return std::max(0, static_cast<int>(names.size()) - room);
}

QString BracketDocument::championText() const {
    return render::fromDocumentText(m_bracket.champion());
}

void BracketDocument::setChampion(std::string name) {
    endMerging();
    pushStep(tr("優勝者名"), kaz::championChange(m_bracket, std::move(name)));
}

void BracketDocument::setLineScore(int line, std::string score) {
    endMerging();
    pushStep(tr("点数"), kaz::scoreChange(m_bracket, line, std::move(score)));
}

void BracketDocument::setMatchScores(int line, std::string upperScore, std::string lowerScore) {
    endMerging();
    pushStep(tr("点数"),
             kaz::matchScoresChange(m_bracket, line, std::move(upperScore), std::move(lowerScore)));
}

kaz::ResultProposal BracketDocument::proposeResult(kaz::ResultPlace place,
                                                   kaz::ResultAction action) const {
    const bool afterItsPress =
        action == kaz::ResultAction::ResetMessage && m_pressedPlace && *m_pressedPlace == place;
    return kaz::proposeResult(m_bracket, place, action, afterItsPress ? &m_pressChange : nullptr);
}

void BracketDocument::commitResult(const kaz::ResultProposal& proposal) {
    const bool afterItsPress = proposal.action == kaz::ResultAction::ResetMessage &&
                               m_pressedPlace && *m_pressedPlace == proposal.place;
    const std::uint64_t pressKey = m_pressKey;
    endMerging();
    if (proposal.refusal) return;
    if (proposal.action == kaz::ResultAction::Press) {
        if (proposal.change.isEmpty()) return;
        m_pressKey = ++m_lastMergeKey;
        m_pressChange = proposal.change;
        m_pressedPlace = proposal.place;
        pushStep(tr("勝ち上がり"), proposal.change, BracketStepCommand::MergeKind::LinePress,
                 m_pressKey);
    } else if (afterItsPress) {
        // Joins the press's step even when the message itself changed nothing (the final line):
        // the step is then named for the double click.
        pushStep(tr("取り消し"), proposal.change, BracketStepCommand::MergeKind::LinePress,
                 pressKey, true);
    } else {
        pushStep(tr("取り消し"), proposal.change);
    }
}

void BracketDocument::leftClickLine(int line) {
    commitResult(proposeResult(kaz::ResultPlace::line(line), kaz::ResultAction::Press));
}

void BracketDocument::doubleClickLine(int line) {
    commitResult(proposeResult(kaz::ResultPlace::line(line), kaz::ResultAction::ResetMessage));
}

void BracketDocument::leftClickThirdPlace(int side) {
    commitResult(proposeResult(kaz::ResultPlace::thirdPlaceSide(side), kaz::ResultAction::Press));
}

void BracketDocument::doubleClickThirdPlace(int side) {
    commitResult(
        proposeResult(kaz::ResultPlace::thirdPlaceSide(side), kaz::ResultAction::ResetMessage));
}

void BracketDocument::setThirdPlaceScore(int side, std::string score) {
    endMerging();
    pushStep(tr("点数"), kaz::thirdPlaceScoreChange(m_bracket, side, std::move(score)));
}

void BracketDocument::setThirdPlaceScores(std::string upperScore, std::string lowerScore) {
    endMerging();
    pushStep(tr("点数"),
             kaz::thirdPlaceScoresChange(m_bracket, std::move(upperScore), std::move(lowerScore)));
}

void BracketDocument::setHtmlSettings(const kaz::ColorSet& colors, bool boldScores,
                                      bool boldMemberNames) {
    endMerging();
    pushStep(tr("色の設定"), kaz::settingsChange(m_bracket, kaz::OutputSettings{colors, boldScores,
                                                                                boldMemberNames}));
}

std::optional<kaz::Refusal> BracketDocument::setSheet(kaz::SheetInfo sheet) {
    endMerging();
    if (sheet == m_bracket.sheet()) return std::nullopt;
    if (auto refusal = kaz::sheetRefusal(m_bracket, sheet)) return refusal;
    pushStep(tr("表の設定"), kaz::sheetChange(m_bracket, std::move(sheet)));
    return std::nullopt;
}

std::optional<kaz::Refusal> BracketDocument::setSeed(int member, int seed) {
    endMerging();
    if (auto refusal = kaz::seedRefusal(m_bracket, member, seed)) return refusal;
    kaz::MemberMarks marks = m_bracket.memberMarks(member);
    marks.seed = seed;
    pushStep(tr("シード"), kaz::marksChange(m_bracket, member, std::move(marks)));
    return std::nullopt;
}

std::optional<kaz::Refusal> BracketDocument::setBye(int slot, bool bye) {
    endMerging();
    if (auto refusal = kaz::byeRefusal(m_bracket, slot, bye)) return refusal;
    pushStep(tr("不戦勝"), kaz::byeChange(m_bracket, slot, bye));
    return std::nullopt;
}

std::optional<kaz::Refusal> BracketDocument::setClubColumn(bool shown) {
    endMerging();
    if (auto refusal = kaz::clubColumnRefusal(m_bracket, shown)) return refusal;
    if (shown && kaz::showsClubColumn(m_bracket)) return std::nullopt;
    kaz::SheetInfo sheet = m_bracket.sheet();
    sheet.clubColumn = shown;
    pushStep(tr("所属の列"), kaz::sheetChange(m_bracket, std::move(sheet)));
    return std::nullopt;
}

void BracketDocument::fillFromPools(kaz::BracketChange change) {
    endMerging();
    pushStep(tr("予選リーグの結果を反映"), std::move(change));
}

void BracketDocument::setPoolFile(std::string link) {
    endMerging();
    kaz::SheetInfo sheet = m_bracket.sheet();
    sheet.poolFile = std::move(link);
    if (!kaz::sheetFits(m_bracket, sheet)) return;
    pushStep(tr("予選リーグのファイル"), kaz::sheetChange(m_bracket, std::move(sheet)));
}

void BracketDocument::pushStep(const QString& text, kaz::BracketChange change,
                               BracketStepCommand::MergeKind mergeKind, std::uint64_t mergeKey,
                               bool evenIfEmpty) {
    if (change.isEmpty() && !evenIfEmpty) return;
    m_pushing = true;
    m_undoStack->push(new BracketStepCommand(this, text, std::move(change), mergeKind, mergeKey));
    m_pushing = false;
}

void BracketDocument::applyStep(const kaz::BracketChange& change, kaz::ChangeSource source) {
    if (source == kaz::ChangeSource::Undone) {
        change.undo(m_bracket);
    } else {
        change.redo(m_bracket);
    }
    // A double click that joins its press's step and changes nothing itself changes no content.
    if (!change.isEmpty()) emit changed(kaz::documentChangeOf(change, source));
    noteChangedState();
}

void BracketDocument::endMerging() {
    endTyping();
    m_pressedPlace.reset();
}

kaz::Status BracketDocument::save(const QString& path) {
    kaz::Status written = saveFile(path, kaz::writeKaz(m_bracket));
    if (!written) return written;
    m_bracket.markSaved();
    m_changedUntilStored = false;
    setFilePath(path);
    noteChangedState();
    return written;
}

void BracketDocument::markChangedUntilStored() {
    m_changedUntilStored = true;
    noteChangedState();
}

void BracketDocument::noteChangedState() {
    if (isChanged() == m_lastChangedState) return;
    m_lastChangedState = isChanged();
    emit changedStateChanged(m_lastChangedState);
}

void BracketDocument::setTitle(const QString& title) {
    m_title = title;
    kaz::DocumentChange change;
    change.source = kaz::ChangeSource::Document;
    change.title = true;
    emit changed(change);
}

QString BracketDocument::fileStem() const {
    if (!m_filePath.isEmpty()) return QFileInfo(m_filePath).completeBaseName();
    // What Windows refuses in a file name, and control characters, become "_"; a name may not end
    // in a dot or a space there either.
    QString stem = render::fromDocumentText(m_bracket.sheet().title).simplified().left(100);
    for (QChar& c : stem) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F ||
            QStringLiteral("\\/:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    while (stem.endsWith(QLatin1Char('.')) || stem.endsWith(QLatin1Char(' '))) stem.chop(1);
    return stem.isEmpty() ? m_title : stem;
}

void BracketDocument::setFilePath(const QString& path) {
    m_filePath = path;
    setTitle(QFileInfo(path).fileName());
}

}  // namespace kaz::gui
