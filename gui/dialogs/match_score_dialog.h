#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <string>

namespace kaz::gui {

class TextField;

// "点数入力" for a whole match: its name, then both sides with a score field each,
// 「第3試合 1回戦: 岡田 悠人 [ 3 ] − [ 1 ] 林 結翔」, opening with its corner at the pointer. Enter
// in either field accepts; Escape and the close box cancel. A side nobody has reached yet shows
// "（未定）" and takes no score.
class MatchScoreDialog : public QDialog {
    Q_OBJECT
public:
    // `match` names the match ("第3試合 1回戦"); `names` are its sides, upper first, empty for a
    // side nobody has reached; `scores` their scores now.
    MatchScoreDialog(const QString& match, const std::array<QString, 2>& names,
                     const std::array<QString, 2>& scores, QWidget* parent);

    // Puts the cursor into side `side`'s field, its score selected so that typing replaces it.
    void focusSide(int side);
    // True when a field no longer holds the score it opened with.
    bool isChanged() const;
    // Side `side`'s score as typed, in CP932.
    std::string score(int side) const;
    TextField* field(int side) const { return m_fields[size_t(side)]; }

private:
    std::array<TextField*, 2> m_fields{};
    std::array<QString, 2> m_initial;
};

}  // namespace kaz::gui
