#pragma once

#include <QString>
#include <QStringList>

namespace selvana {

class GridTable;

// One lookup list: a data table whose column 0 is a unique key (exact, case-sensitive),
// kept in its own table file. The table belongs to the window; the list works on it.
class LookupList {
public:
    // columns: how many columns a record has. fixedColumns: the table is cut or widened to
    // exactly that many whenever a record is written; otherwise it only grows to them.
    LookupList(GridTable& table, QString path, int columns, bool fixedColumns);

    GridTable& table() { return m_table; }
    const GridTable& table() const { return m_table; }
    QString path() const { return m_path; }
    int columns() const { return m_columns; }

    // Empties the table, then loads the file when it exists; false when there is none.
    // Throws AppError for an unreadable or corrupt file (the table stays empty), which is
    // first moved aside unless setAside is false.
    bool load(bool setAside = true);
    // Makes the table exactly as wide as a record.
    void fitColumns();

    // The row whose key is key, or -1; the current row stays as it is.
    int find(const QString& key) const;
    // The first row with an empty key (the empty table's row 0), or -1.
    int findEmptyKey() const;
    QStringList keys() const;
    QString cell(int col, int row) const;

    // Makes room for a new record and makes its row current: row 0 of the empty table,
    // otherwise an appended row.
    void newRecordRow();
    // Writes a record into the current row and saves the file; throws AppError.
    void writeCurrent(const QStringList& record);
    // A record of its key only, unless the key is empty or known; the current row stays.
    // Saves the file; false when nothing was added.
    bool autoAdd(const QString& key);
    // Deletes the current record and saves; the last record leaves the empty table and no
    // file at all. True when the list is empty afterwards.
    bool deleteCurrent();
    void save() const;

private:
    void fitForWrite();

    GridTable& m_table;
    QString m_path;
    int m_columns;
    bool m_fixedColumns;
};

} // namespace selvana
