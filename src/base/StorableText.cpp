#include "base/StorableText.h"

#include "base/AppError.h"
#include "base/Windows1250.h"

using namespace Qt::StringLiterals;

namespace selvana::StorableText {

QChar firstUnstorable(const QString& text, bool multiLine)
{
    for (const QChar ch : text) {
        if (ch == u'\t' || ch == u'\b')
            return ch;
        if (!multiLine && (ch == u'\r' || ch == u'\n'))
            return ch;
        if (ch.unicode() < 0x80)
            continue;
        if (ch.isSurrogate() || !Windows1250::canEncode(QStringView(&ch, 1)))
            return ch;
    }
    return QChar();
}

void check(const QString& text, bool multiLine)
{
    const QChar bad = firstUnstorable(text, multiLine);
    if (bad.isNull())
        return;
    const QString shown = bad == u'\t'                     ? u"TAB"_s
                          : (bad == u'\r' || bad == u'\n') ? u"novi red"_s
                          : bad.unicode() < 0x20           ? u"kontrolni znak"_s
                                                           : QString(bad);
    throw AppError(
        u"Tekst sadrži znak koji se ne može spremiti: %1. Uklonite ga i pokušajte ponovno."_s.arg(shown));
}

} // namespace selvana::StorableText
