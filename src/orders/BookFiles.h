#pragma once

#include <QString>

namespace selvana {

class GridTable;

// Reads an order book's two files as one: finishes or drops a save that a crash cut off
// (unless readOnly), then loads both and checks that they describe the same orders, row for
// row by the number in column 0. orders and settlements change only when all is well.
// Returns false when the book has no files yet. Throws AppError naming the files when they
// cannot be read or do not belong together; nothing is written then.
bool loadBookFiles(const QString& ordersPath, const QString& settlementsPath, GridTable& orders,
                   GridTable& settlements, bool readOnly);

} // namespace selvana
