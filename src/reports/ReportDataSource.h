#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace selvana {

// Rows of a sub-table, read field by field as the engine lays them out.
// Field names compare case-insensitively; an unknown name gives the empty text.
class ReportDataSource {
public:
    virtual ~ReportDataSource() = default;
    virtual int rowCount() const = 0;
    virtual QString value(int row, const QString& fieldName) const = 0;
};

// Rows held in memory, one text per field.
class TableDataSource : public ReportDataSource {
public:
    TableDataSource() = default;
    TableDataSource(const QStringList& fieldNames, const QList<QStringList>& rows);

    void setFieldNames(const QStringList& fieldNames);
    void addRow(const QStringList& values);
    void clear();

    int rowCount() const override;
    QString value(int row, const QString& fieldName) const override;

private:
    QStringList m_fieldNames;
    QList<QStringList> m_rows;
};

} // namespace selvana
