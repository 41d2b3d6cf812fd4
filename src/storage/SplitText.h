#pragma once

#include <QString>
#include <QStringList>

namespace selvana {

// The pieces of text between occurrences of separator (exact, case-sensitive). The empty text
// gives one empty piece; a trailing separator gives a final empty piece. An empty separator
// splits nothing.
QStringList SplitText(const QString& text, const QString& separator);

} // namespace selvana
