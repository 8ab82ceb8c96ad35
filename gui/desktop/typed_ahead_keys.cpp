#include "desktop/typed_ahead_keys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace kaz::gui {

TypedAheadKeys::TypedAheadKeys(QWidget* question) : m_question(question) {
    // On the application, since the keys go to whichever of the question's buttons has the focus.
    QCoreApplication::instance()->installEventFilter(this);
}

TypedAheadKeys::~TypedAheadKeys() { QCoreApplication::instance()->removeEventFilter(this); }

bool TypedAheadKeys::belongsToQuestion(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && (widget == m_question || m_question->isAncestorOf(widget));
}

bool TypedAheadKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_question && event->type() == QEvent::Show) m_shown.start();
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    if (!belongsToQuestion(watched)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool settled = m_shown.isValid() && m_shown.elapsed() >= kSettleMs;
    if (type == QEvent::KeyPress && settled && !key->isAutoRepeat()) {
        m_pressedSinceSettled.insert(key->key());
    }
    if (m_pressedSinceSettled.contains(key->key())) {
        // Its press was taken, so its release is too: a push button acts on the release.
        if (type == QEvent::KeyRelease && !key->isAutoRepeat()) {
            m_pressedSinceSettled.remove(key->key());
        }
        return false;
    }
    event->accept();
    return true;
}

}  // namespace kaz::gui
