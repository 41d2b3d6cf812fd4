#include "forms/GridControl.h"

namespace selvana {

GridControl::GridControl(const QString& name, int cols, int rows, int headerRows, int headerCols,
                         QObject* parent)
    : Control(name, parent), m_table(cols, rows, headerRows, headerCols)
{
    m_table.addListener([this] { emit valueChanged(); });
}

void GridControl::selectCell(int col, int row)
{
    if (row < 0 || row >= m_table.rowCount() || col < 0 || col >= m_table.colCount())
        return;
    m_table.SelectRow(row);
    m_select(col, row);
}

} // namespace selvana
