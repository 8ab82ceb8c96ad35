#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "bracket/bracket.h"

class QWidget;

// One open bracket: owns the live bracket and tells every view of it what changed. Views and
// widgets keep no bracket state of their own; they call the operations here.
class CKaz_editDoc : public QObject {
    Q_OBJECT
public:
    explicit CKaz_editDoc(QObject* parent = nullptr);
    // A document on an existing bracket (as read from a file, or made by a test).
    explicit CKaz_editDoc(kaz::Bracket bracket, QObject* parent = nullptr);

    // New: asks for the member count and makes an empty bracket of that size. False, with
    // nothing shown, when the dialog is cancelled or its text is none of the four choices.
    bool OnNewDocument(QWidget* dialogParent);

    const kaz::Bracket& GetBracket() const { return m_bracket; }
    int GetPlayers() const { return m_bracket.GetPlayers(); }
    int GetRounds() const { return m_bracket.GetRounds(); }
    const kaz::ColorSet& GetColors() const { return m_bracket.GetColors(); }

    QString GetMemberNameText(int i) const;
    // A user's edit of member name i, as CP932 bytes.
    void SetMemberName(int i, std::string name);

    QString GetChampionText() const;
    void SetChampion(std::string name);

    int GetState(int line) const { return m_bracket.GetState(line); }
    const std::string& GetScore(int line) const { return m_bracket.GetScore(line); }
    void SetScore(int line, std::string score);

    // A left press and the double-click message on a line, with the advancement rule.
    void LeftClickLine(int line);
    void DoubleClickLine(int line);

    // The HTML settings: colours and bold flags.
    void SetHtmlSettings(const kaz::ColorSet& colors, bool boldScore, bool boldMember);

    // The change check: does the bracket differ from what was last loaded or stored?
    bool IsModified() const { return m_bracket.IsChanged(); }

    // Stores the bracket at `path`. Only once the file was really written does the bracket
    // count as unchanged and take `path` as its file. Returns the failure message, or an empty
    // string on success.
    QString OnSaveDocument(const QString& path);

    // The file this bracket was loaded from or stored to (empty for a new one); setting it
    // also titles the bracket by the file's name.
    const QString& GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& path);
    // "新しいトーナメント表N" for a new bracket, the file name for a loaded or stored one.
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);

signals:
    void lineChanged(int line);
    void memberNameChanged(int member);
    void championChanged();
    void settingsChanged();
    void titleChanged();

private:
    // Tells the views about `line` and the two lines the rule may have changed with it.
    void EmitLineAndNeighbours(int line);

    kaz::Bracket m_bracket;
    QString m_strPathName;
    QString m_strTitle;
};
