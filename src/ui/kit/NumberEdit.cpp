#include "ui/kit/NumberEdit.h"

#include <QApplication>
#include <QKeyEvent>

namespace selvana {

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool NumberEdit::acceptable(const QString& text) const
{
    int commas = 0;
    int decimalsTyped = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'-') {
            if (i != 0)
                return false;
        } else if (ch == u',') {
            if (++commas > 1 || m_decimals == 0)
                return false;
        } else if (ch == u'.') {
            if (commas > 0)
                return false; // grouping only in the whole part
        } else if (ch.isDigit() && ch.unicode() < 0x80) {
            if (commas > 0 && ++decimalsTyped > m_decimals)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    typed.replace(u'.', u',');
    QString next = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = hasSelectedText() ? int(selectedText().size()) : 0;
    next.replace(start, length, typed);
    if (!acceptable(next)) {
        QApplication::beep();
        return;
    }
    insert(typed);
}

} // namespace selvana
