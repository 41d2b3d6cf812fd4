#pragma once

#include <QString>

namespace selvana::StorableText {

// The first character of text that the table files cannot hold (outside Windows-1250,
// or a TAB, or a line break in a single-line field); a null QChar when all is well.
QChar firstUnstorable(const QString& text, bool multiLine);
// Throws AppError with the user's message when text holds such a character.
void check(const QString& text, bool multiLine = false);

} // namespace selvana::StorableText
