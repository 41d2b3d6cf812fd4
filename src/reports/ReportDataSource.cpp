#include "reports/ReportDataSource.h"

namespace selvana {

TableDataSource::TableDataSource(const QStringList& fieldNames, const QList<QStringList>& rows)
    : m_fieldNames(fieldNames), m_rows(rows)
{}

void TableDataSource::setFieldNames(const QStringList& fieldNames)
{
    m_fieldNames = fieldNames;
}

void TableDataSource::addRow(const QStringList& values)
{
    m_rows.append(values);
}

void TableDataSource::clear()
{
    m_rows.clear();
}

int TableDataSource::rowCount() const
{
    return int(m_rows.size());
}

QString TableDataSource::value(int row, const QString& fieldName) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    const QStringList& values = m_rows.at(row);
    for (qsizetype column = 0; column < m_fieldNames.size(); ++column) {
        if (m_fieldNames.at(column).compare(fieldName, Qt::CaseInsensitive) == 0)
            return column < values.size() ? values.at(column) : QString();
    }
    return {};
}

} // namespace selvana
