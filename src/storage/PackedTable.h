#pragma once

#include <QString>
#include <QStringView>

namespace selvana {

class GridTable;

// An expense sheet in one cell: "C/R\" then rows 1..R-1, cells joined by "|", each row ended
// by "\". The empty text when cell (0,1) is empty. Row 0 (the titles) is never written.
// Throws AppError when a written cell holds "|" or "\", which the format cannot carry, or the
// table is larger than UnpackTable reads.
QString PackTable(const GridTable& table);

// Fills table from a packed text; the empty text leaves it as it was. Row 0 keeps its titles.
// Throws AppError "'%s' is not a valid integer value" for counts that are no numbers or out of
// bounds (fewer than two rows included), before changing the table.
void UnpackTable(const QString& text, GridTable& table);

// Whether a sheet cell can be packed and read back unchanged.
bool fitsPackedCell(QStringView text);

} // namespace selvana
