// Expense sheets are packed into one cell of the order book, so they arrive with the file's
// bytes: unpacking must not crash, and a sheet packed again must unpack to the same cells.
#include "FuzzSupport.h"

#include "base/AppError.h"
#include "base/Windows1250.h"
#include "storage/GridTable.h"
#include "storage/PackedTable.h"

#include <QString>

using namespace Qt::StringLiterals;
using namespace selvana;

namespace {

// Like the program's sheets: titles in row 0 that unpacking keeps, a number column.
GridTable blankSheet()
{
    GridTable sheet(6, 2, 1, 1);
    const QString titles[] = {u"R.br."_s, u"Datum"_s, u"Opis"_s, u"Iznos"_s, u"Valuta"_s, u"Tečaj"_s};
    for (int c = 0; c < 6; ++c)
        sheet.setCell(c, 0, titles[c]);
    return sheet;
}

// Whether the sheet was too large for the round trip.
bool unpackAndRepack(const QString& text)
{
    GridTable sheet = blankSheet();
    try {
        UnpackTable(text, sheet);
    } catch (const AppError&) {
        return false;
    }
    if (fuzz::tooLargeToRoundTrip(sheet))
        return true;
    // Unpacked cells hold no separators, so packing must not throw either.
    const QString packed = PackTable(sheet);
    if (packed.isEmpty())
        return false;
    GridTable again = blankSheet();
    UnpackTable(packed, again);
    fuzz::requireSameContents(sheet, again, "a packed sheet unpacks different");
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    // As read from a table file, and as pasted or typed; -1 keeps a huge sheet out of the corpus.
    const bool large = unpackAndRepack(Windows1250::decode(bytes));
    return unpackAndRepack(QString::fromUtf8(bytes)) || large ? -1 : 0;
}
