#pragma once

#include <QAbstractTableModel>

namespace selvana {

class GridControl;

// Read-only view of a model's grid; a title row becomes the column heads.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GridModel(GridControl& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Table row of a view row (the title row is not a view row).
    int tableRow(int viewRow) const;
    int viewRow(int tableRow) const;

private:
    GridControl& m_grid;
};

} // namespace selvana
