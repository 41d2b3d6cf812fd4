#pragma once

#include "storage/GridTable.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace selvana::fuzz {

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken property is a finding like a crash: abort, so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "FUZZ FINDING: %s\n", what);
    std::abort();
}

// Tables above this many cells are only read, and kept out of the corpus (libFuzzer's -1):
// their round trip checks nothing a small one does not, at seconds per run under ASan.
inline bool tooLargeToRoundTrip(const GridTable& table)
{
    return qint64(table.colCount()) * table.rowCount() > 100'000;
}

// Sizes, widths and every cell; listeners and the current row are no stored contents.
inline void requireSameContents(const GridTable& expected, const GridTable& actual, const char* what)
{
    if (expected.colCount() != actual.colCount() || expected.rowCount() != actual.rowCount())
        fail(what);
    for (int c = 0; c < expected.colCount(); ++c) {
        if (expected.colWidth(c) != actual.colWidth(c))
            fail(what);
    }
    // Row by row, as the cells are stored.
    for (int r = 0; r < expected.rowCount(); ++r) {
        for (int c = 0; c < expected.colCount(); ++c) {
            if (expected.cell(c, r) != actual.cell(c, r)) {
                std::fprintf(stderr, "cell (%d,%d): \"%s\" became \"%s\"\n", c, r,
                             qUtf8Printable(expected.cell(c, r)), qUtf8Printable(actual.cell(c, r)));
                fail(what);
            }
        }
    }
}

} // namespace selvana::fuzz
