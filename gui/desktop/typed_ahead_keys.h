#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>

class QWidget;

namespace kaz::gui {

// Keeps a question from being answered by keys meant for what came before it: a question that
// interrupts fast typing would otherwise take a Tab and a Return typed ahead (or queued while it
// opened) as its answer. Keys that reach the question before it has been on screen for a
// moment are dropped, and so is the release or repeat of a key pressed before then.
class TypedAheadKeys : public QObject {
public:
    // How long a question waits, once shown, before it takes keys.
    static constexpr int kSettleMs = 400;

    // Watches `question` for as long as this object lives.
    explicit TypedAheadKeys(QWidget* question);
    ~TypedAheadKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToQuestion(QObject* watched) const;

    QWidget* m_question;
    QElapsedTimer m_shown;
    QSet<int> m_pressedSinceSettled;
};

}  // namespace kaz::gui
