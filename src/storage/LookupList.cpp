#include "storage/LookupList.h"

#include "storage/GridTable.h"
#include "storage/TableFile.h"

#include <QFile>

#include <algorithm>

namespace selvana {

LookupList::LookupList(GridTable& table, QString path, int columns, bool fixedColumns)
    : m_table(table), m_path(std::move(path)), m_columns(columns), m_fixedColumns(fixedColumns)
{}

bool LookupList::load(bool setAside)
{
    m_table.ResetRows(1);
    if (!QFile::exists(m_path))
        return false;
    loadSavedTableFile(m_table, m_path, setAside);
    return true;
}

void LookupList::fitColumns()
{
    m_table.setColCount(m_columns);
}

void LookupList::fitForWrite()
{
    // A file written by hand may have fewer columns; a record must never lose a field.
    if (m_fixedColumns)
        fitColumns();
    else
        m_table.setColCount(std::max(m_table.colCount(), m_columns));
}

int LookupList::find(const QString& key) const
{
    if (key.isEmpty())
        return -1;
    for (int r = 0; r < m_table.rowCount(); ++r) {
        if (m_table.cell(0, r) == key)
            return r;
    }
    return -1;
}

int LookupList::findEmptyKey() const
{
    for (int r = 0; r < m_table.rowCount(); ++r) {
        if (m_table.cell(0, r).isEmpty())
            return r;
    }
    return -1;
}

QStringList LookupList::keys() const
{
    return m_table.ColumnTexts(0);
}

QString LookupList::cell(int col, int row) const
{
    return m_table.cell(col, row);
}

void LookupList::newRecordRow()
{
    if (m_table.hasData())
        m_table.AppendRow();
    else
        m_table.SelectRow(0);
}

void LookupList::writeCurrent(const QStringList& record)
{
    {
        GridTable::Batch batch(m_table);
        fitForWrite();
        const int row = m_table.currentRow();
        for (int c = 0; c < record.size(); ++c)
            m_table.setCell(c, row, record.at(c));
    }
    save();
}

bool LookupList::autoAdd(const QString& key)
{
    if (key.isEmpty() || find(key) >= 0)
        return false;
    {
        GridTable::Batch batch(m_table);
        const int row = m_table.hasData() ? m_table.rowCount() : 0;
        m_table.setRowCount(row + 1); // unlike AppendRow, keeps the current row
        m_table.setCell(0, row, key);
    }
    save();
    return true;
}

bool LookupList::deleteCurrent()
{
    if (m_table.rowCount() < 2) {
        m_table.ResetRows(1);
        QFile::remove(m_path);
        return true;
    }
    m_table.DeleteRow(m_table.currentRow());
    save();
    return false;
}

void LookupList::save() const
{
    m_table.SaveToTableFile(m_path);
}

} // namespace selvana
