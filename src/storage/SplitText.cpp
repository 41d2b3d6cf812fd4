#include "storage/SplitText.h"

namespace selvana {

QStringList SplitText(const QString& text, const QString& separator)
{
    if (separator.isEmpty())
        return {text};
    QStringList pieces;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(separator, from);
        if (at < 0)
            break;
        pieces.append(text.mid(from, at - from));
        from = at + separator.size();
    }
    pieces.append(text.mid(from));
    return pieces;
}

} // namespace selvana
