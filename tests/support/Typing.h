// Types text into a widget as the keyboard would, umlauts included (Qt
// Test's own key clicks take ASCII only).
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}
