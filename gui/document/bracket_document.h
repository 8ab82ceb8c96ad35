#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "bracket/bracket.h"
#include "io/result.h"

// One open bracket: owns the live bracket and tells every view of it what changed. Views and
// widgets keep no bracket state of their own; they call the operations here.
class BracketDocument : public QObject {
    Q_OBJECT
public:
    // A document on a bracket: a new one of a chosen size, or one read from a file.
    explicit BracketDocument(kaz::Bracket bracket, QObject* parent = nullptr);

    const kaz::Bracket& bracket() const { return m_bracket; }
    int memberCount() const { return m_bracket.memberCount(); }
    int roundCount() const { return m_bracket.roundCount(); }
    const kaz::ColorSet& colors() const { return m_bracket.colors(); }

    QString memberNameText(int i) const;
    // A user's edit of member name i, as CP932 bytes.
    void setMemberName(int i, std::string name);

    QString championText() const;
    void setChampion(std::string name);

    kaz::LineState lineState(int line) const { return m_bracket.lineState(line); }
    const std::string& lineScore(int line) const { return m_bracket.lineScore(line); }
    void setLineScore(int line, std::string score);

    // A left press and the double-click message on a line, with the advancement rule; the
    // views hear of exactly the lines that changed.
    void leftClickLine(int line);
    void doubleClickLine(int line);

    // The HTML settings: colours and bold flags.
    void setHtmlSettings(const kaz::ColorSet& colors, bool boldScores, bool boldMemberNames);

    // The change check: does the bracket differ from what was last loaded or stored?
    bool isChanged() const { return m_changedUntilStored || m_bracket.isChanged(); }
    // Counts the bracket as changed until it is stored, whatever it holds: for one brought back
    // after a crash, which its file does not hold yet.
    void markChangedUntilStored() { m_changedUntilStored = true; }

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

signals:
    void lineChanged(int line);
    void memberNameChanged(int member);
    void championChanged();
    void settingsChanged();
    void titleChanged();

private:
    kaz::Bracket m_bracket;
    QString m_filePath;
    QString m_title;
    bool m_changedUntilStored = false;
};
