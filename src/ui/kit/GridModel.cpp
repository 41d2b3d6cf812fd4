#include "ui/kit/GridModel.h"

#include "forms/GridControl.h"

namespace selvana {

GridModel::GridModel(GridControl& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid)
{
    connect(&grid, &Control::valueChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_grid.table().rowCount() - m_grid.table().headerRows();
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid.table().colCount();
}

int GridModel::tableRow(int viewRow) const
{
    return viewRow + m_grid.table().headerRows();
}
int GridModel::viewRow(int tableRow) const
{
    return tableRow - m_grid.table().headerRows();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_grid.table().cell(index.column(), tableRow(index.row()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(
            (m_grid.isRightAligned(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_grid.table().headerRows() > 0 ? m_grid.table().cell(section, 0) : QVariant();
    return section + 1;
}

} // namespace selvana
