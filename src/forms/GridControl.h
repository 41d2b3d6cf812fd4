#pragma once

#include "forms/Control.h"
#include "storage/GridTable.h"

#include <QSet>

namespace selvana {

// A grid on a window: owns its table; the view shows it read-only.
class GridControl : public Control {
    Q_OBJECT
public:
    GridControl(const QString& name, int cols, int rows, int headerRows = 0, int headerCols = 0,
                QObject* parent = nullptr);

    GridTable& table() { return m_table; }
    const GridTable& table() const { return m_table; }

    void setRightAligned(const QSet<int>& columns) { m_rightAligned = columns; }
    bool isRightAligned(int column) const { return m_rightAligned.contains(column); }

    // The user selects a cell: the row becomes current, then the handler runs.
    void selectCell(int col, int row);
    void onSelectCell(std::function<void(int col, int row)> handler) { m_select.add(std::move(handler)); }

    // A grid shows a table, no text.
    QString text() const override { refuse("text"); }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

private:
    GridTable m_table;
    QSet<int> m_rightAligned;
    Handlers<int, int> m_select;
};

} // namespace selvana
