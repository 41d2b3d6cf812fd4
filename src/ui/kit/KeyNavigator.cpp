#include "ui/kit/KeyNavigator.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace selvana {

namespace {

// Moves the focus as Tab and Shift+Tab would, so the tab order decides where.
void moveFocus(QWidget* widget, bool forward)
{
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(widget, &tab);
}

} // namespace

bool KeyNavigator::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget))
        return false;
    // Dialogs (a file chooser, a message box) keep Enter for their default button.
    if (qobject_cast<QDialog*>(widget->window()))
        return false;
    const bool entry = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                       qobject_cast<QDateTimeEdit*>(widget);
    if (!entry)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    // Down and Up change a date or time picker's value; there only Enter moves on.
    const bool picker = qobject_cast<QDateTimeEdit*>(widget) != nullptr;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: moveFocus(widget, true); return true;
    case Qt::Key_Down:
        if (picker)
            return false;
        moveFocus(widget, true);
        return true;
    case Qt::Key_Up:
        if (picker)
            return false;
        moveFocus(widget, false);
        return true;
    default: return false;
    }
}

} // namespace selvana
