// Table files come from other machines and older versions: no bytes may crash the reader,
// and whatever it reads must come back unchanged through a save.
#include "FuzzSupport.h"

#include "base/AppError.h"
#include "storage/GridTable.h"
#include "storage/TableFile.h"

using namespace Qt::StringLiterals;
using namespace selvana;

namespace {

// Tables have a shape before a file is applied: a file with an empty count line keeps it.
GridTable blankTable(bool multiLine)
{
    GridTable table(4, 4, 1, 1);
    table.setMultiLine(multiLine);
    return table;
}

// Whether the table read was too large for the round trip.
bool readAndSave(const QByteArray& bytes, bool multiLine)
{
    const QString path = u"fuzz.tab"_s;
    GridTable table = blankTable(multiLine);
    try {
        decodeTableFile(bytes, table, path);
    } catch (const AppError&) {
        return false;
    }
    if (fuzz::tooLargeToRoundTrip(table))
        return true;
    QByteArray saved;
    try {
        saved = encodeTableFile(table);
    } catch (const AppError&) {
        return false;
    }
    // Our own file must read back: an AppError here escapes and counts as a finding.
    GridTable again = blankTable(multiLine);
    decodeTableFile(saved, again, path);
    fuzz::requireSameContents(table, again, "a saved table file reads back different");
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    // -1 keeps a huge table out of the corpus.
    const bool large = readAndSave(bytes, false);
    return readAndSave(bytes, true) || large ? -1 : 0;
}
