#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <utility>

class QIODevice;

namespace selvana {

class GridTable;

// Table files: Windows-1250 text without a byte-order mark, lines ended by CR LF.
//   C,R          column and row counts, header rows and columns included
//   cw c,w       the width of column c, one line per column
//   c,r,text     one line per non-empty cell, rows outer; the text may hold commas
// A cell's line breaks travel as TAB (CR) and BS (LF), since the line itself cannot hold them.

// The largest file we read: beyond it a file is corrupt, not data.
inline constexpr qint64 kMaxTableFileBytes = 256 * 1024 * 1024;

// Throws AppError naming a cell text that Windows-1250 or the format cannot hold; such a
// text is never written as a substitute character.
QByteArray encodeTableFile(const GridTable& table);

// Applies a file's bytes to table: its size (unless the count line is empty), widths and the
// cells it names; cells the file does not name keep their contents. Malformed lines are
// skipped. Throws AppError "File contains no data or corrupt file " + path before changing
// anything when the counts are missing, no numbers or out of bounds.
void decodeTableFile(const QByteArray& bytes, GridTable& table, const QString& path);

// Writes all bytes, checking every write's count; false on a short or failed write.
bool writeFully(QIODevice& device, QByteArrayView bytes);

// false on a short or failed write; throws as encodeTableFile before writing anything.
bool writeTableFile(const GridTable& table, QIODevice& device);

// Throws AppError "Cannot open file " + path (also for anything but a regular file), or as
// decodeTableFile.
void loadTableFile(GridTable& table, const QString& path);

// As loadTableFile, for a table the program saves again: a file that cannot be read is first
// moved aside (path + ".ostecen", numbered when taken), so the next save cannot overwrite it,
// and the error says where it went. With setAside false (a reader beside a running program)
// the file stays where it is.
void loadSavedTableFile(GridTable& table, const QString& path, bool setAside = true);

// Puts a device in front of each save file; tests hand in one that fails like a full disk.
using SaveFilter = std::function<std::unique_ptr<QIODevice>(QIODevice& saveFile)>;

// Saves one table atomically, or tables that belong together as one change (SaveTableSet).
// Throws AppError "Cannot Create " + path with the old files whole, or as encodeTableFile
// before any file is touched.
void SaveTableFiles(const QList<std::pair<const GridTable*, QString>>& files, const SaveFilter& filter = {});

bool fitsWindows1250(QStringView text);
// Whether a cell text comes back from a table file unchanged (with the multi-line flag on).
bool fitsTableFile(QStringView text);

} // namespace selvana
