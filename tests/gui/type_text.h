#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>

// Types `text` into `widget` one character at a time, as a keyboard or an input method would
// deliver it (QTest::keyClicks can only type Latin-1).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}
