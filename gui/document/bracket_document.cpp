#include "document/bracket_document.h"

#include <QFileInfo>

#include "document/file_access.h"
#include "bracket/member_count.h"
#include "dialogs/member_count_dialog.h"
#include "common/cp932_text.h"
#include "bracket/line_rules.h"

CKaz_editDoc::CKaz_editDoc(QObject* parent) : CKaz_editDoc(kaz::Bracket(4), parent) {}

CKaz_editDoc::CKaz_editDoc(kaz::Bracket bracket, QObject* parent)
    : QObject(parent), m_bracket(std::move(bracket)) {}

bool CKaz_editDoc::OnNewDocument(QWidget* dialogParent) {
    CPlayerCountDlg dialog(dialogParent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const std::optional<std::string> text = ToCp932(dialog.m_strCount);
    const int players = text ? kaz::PlayersFromCountText(*text) : 0;
    if (players == 0) return false;
    m_bracket = kaz::Bracket(players);
    m_strPathName.clear();
    return true;
}

QString CKaz_editDoc::GetMemberNameText(int i) const {
    return FromCp932(m_bracket.GetMemberName(i));
}

void CKaz_editDoc::SetMemberName(int i, std::string name) {
    m_bracket.SetMemberName(i, std::move(name));
    emit memberNameChanged(i);
}

QString CKaz_editDoc::GetChampionText() const { return FromCp932(m_bracket.GetChampion()); }

void CKaz_editDoc::SetChampion(std::string name) {
    m_bracket.SetChampion(std::move(name));
    emit championChanged();
}

void CKaz_editDoc::SetScore(int line, std::string score) {
    m_bracket.SetScore(line, std::move(score));
    emit lineChanged(line);
}

void CKaz_editDoc::LeftClickLine(int line) {
    kaz::LeftClickLine(m_bracket, line);
    EmitLineAndNeighbours(line);
}

void CKaz_editDoc::DoubleClickLine(int line) {
    kaz::DoubleClickLine(m_bracket, line);
    EmitLineAndNeighbours(line);
}

void CKaz_editDoc::SetHtmlSettings(const kaz::ColorSet& colors, bool boldScore, bool boldMember) {
    m_bracket.GetColors() = colors;
    m_bracket.SetBoldFlags(boldScore, boldMember);
    emit settingsChanged();
}

QString CKaz_editDoc::OnSaveDocument(const QString& path) {
    const QString error = SaveBracketFile(path, m_bracket);
    if (!error.isEmpty()) return error;
    m_bracket.MarkSaved();
    SetPathName(path);
    return QString();
}

void CKaz_editDoc::SetTitle(const QString& title) {
    m_strTitle = title;
    emit titleChanged();
}

void CKaz_editDoc::SetPathName(const QString& path) {
    m_strPathName = path;
    SetTitle(QFileInfo(path).fileName());
}

void CKaz_editDoc::EmitLineAndNeighbours(int line) {
    emit lineChanged(line);
    const int players = m_bracket.GetPlayers();
    const int next = kaz::NextRoundLine(players, line);
    if (next >= 0) emit lineChanged(next);
    const int opponent = kaz::OpponentLine(players, line);
    if (opponent >= 0) emit lineChanged(opponent);
}
