#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "storage/TableFile.h"

namespace selvana {

class GridTable;

// Tables that belong together (an order book's two files) change as one, surviving a crash at
// any instant: every new file is written in full beside its target (target + ".novi") and
// synced, then a mark naming the change is written atomically (first target + ".potvrda"),
// then the files are renamed into place and the mark removed. The mark is the commit point:
// without it the old files stand, with it the next RecoverTableFiles finishes the renames.
//
// A null table removes its file within the same change. Throws AppError "Cannot Create " + path
// (the old files whole) on a failed write, or as encodeTableFile before any file is touched.
void SaveTableSet(const QList<std::pair<const GridTable*, QString>>& files, const SaveFilter& filter = {});

// Finishes a change that a crash interrupted after its mark, or drops the leftovers of one
// that never reached it. Call before reading the files. Throws AppError when the leftovers do
// not describe a change that can be finished; the files are then left as they are.
void RecoverTableSet(const QStringList& paths);

// Whether a change to these files is under way or was cut off (readers that must not write
// use this instead of recovering).
bool TableSetPending(const QStringList& paths);

} // namespace selvana
