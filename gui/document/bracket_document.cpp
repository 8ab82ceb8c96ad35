#include "document/bracket_document.h"

#include <QFileInfo>

#include "bracket/line_rules.h"
#include "bridge/qt_text.h"
#include "document/file_access.h"
#include "io/kaz_format.h"

BracketDocument::BracketDocument(kaz::Bracket bracket, QObject* parent)
    : QObject(parent), m_bracket(std::move(bracket)) {}

QString BracketDocument::memberNameText(int i) const { return fromCp932(m_bracket.memberName(i)); }

void BracketDocument::setMemberName(int i, std::string name) {
    m_bracket.setMemberName(i, std::move(name));
    emit memberNameChanged(i);
}

QString BracketDocument::championText() const { return fromCp932(m_bracket.champion()); }

void BracketDocument::setChampion(std::string name) {
    m_bracket.setChampion(std::move(name));
    emit championChanged();
}

void BracketDocument::setLineScore(int line, std::string score) {
    m_bracket.setLineScore(line, std::move(score));
    emit lineChanged(line);
}

void BracketDocument::leftClickLine(int line) {
    for (int changed : kaz::leftClickLine(m_bracket, line)) emit lineChanged(changed);
}

void BracketDocument::doubleClickLine(int line) {
    for (int changed : kaz::doubleClickLine(m_bracket, line)) emit lineChanged(changed);
}

void BracketDocument::setHtmlSettings(const kaz::ColorSet& colors, bool boldScores,
                                      bool boldMemberNames) {
    m_bracket.colors() = colors;
    m_bracket.setBoldFlags(boldScores, boldMemberNames);
    emit settingsChanged();
}

kaz::Status BracketDocument::save(const QString& path) {
    kaz::Status written = saveFile(path, kaz::writeKaz(m_bracket));
    if (!written) return written;
    m_bracket.markSaved();
    m_changedUntilStored = false;
    setFilePath(path);
    return written;
}

void BracketDocument::setTitle(const QString& title) {
    m_title = title;
    emit titleChanged();
}

void BracketDocument::setFilePath(const QString& path) {
    m_filePath = path;
    setTitle(QFileInfo(path).fileName());
}
