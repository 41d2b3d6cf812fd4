#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace selvana::test {

// Types text as key presses, letters beyond ASCII included (QTest::keyClicks takes ASCII only).
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &release);
    }
}

// The window's widget of that name and kind; a missing one ends the test run loudly.
template <class T> T* child(QWidget& window, const QString& name)
{
    auto* widget = window.findChild<T*>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

} // namespace selvana::test
