#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The code page of our table files, by table: it is fast, and it does not depend on the
// platform's codec library carrying Windows code pages.
namespace selvana::Windows1250 {

// Never fails: the five unassigned bytes become the C1 controls of the same number, as
// Windows itself decodes them, so they also encode back.
QString decode(QByteArrayView bytes);

// Appends the bytes of text to out; false, with out as it was, when a character has no byte.
bool appendEncoded(QByteArray& out, QStringView text);

bool canEncode(QStringView text);

} // namespace selvana::Windows1250
