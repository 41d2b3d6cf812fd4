#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace selvana {

namespace detail {
// The table's contents, kept apart from its listeners so copies carry only the data.
struct GridData {
    int m_cols = 1;
    int m_rows = 1;
    int m_headerRows = 0;
    int m_headerCols = 0;
    int m_currentRow = 0;
    bool m_multiLine = false;
    QList<QString> m_cells; // row-major, m_cols * m_rows
    QList<int> m_colWidths;
};
} // namespace detail

// A rectangle of text cells (at least 1 x 1) with header rows and columns, column widths,
// a current row and a multi-line flag. Numbers, dates and amounts are stored as display texts.
//
// Listeners are called after every operation that changes cells, sizes, widths or the current
// row; a bulk operation (load, unpack, ResetRows, a Batch) calls them once at its end.
// Copies carry the data but not the listeners; assigning to an observed table notifies it.
class GridTable : private detail::GridData {
public:
    static constexpr int kDefaultColWidth = 64;
    // The largest table a file or a packed text may describe: a hostile count must not
    // make us allocate without bound.
    static constexpr int kMaxStoredCols = 1000;
    static constexpr int kMaxStoredRows = 100000;
    static constexpr qint64 kMaxStoredCells = 4'000'000;
    static bool fitsStoredLimits(qint64 cols, qint64 rows)
    {
        return cols >= 1 && rows >= 1 && cols <= kMaxStoredCols && rows <= kMaxStoredRows &&
               cols * rows <= kMaxStoredCells;
    }

    GridTable(int cols = 1, int rows = 1, int headerRows = 0, int headerCols = 0);
    GridTable(const GridTable& other);
    GridTable& operator=(const GridTable& other);
    ~GridTable() = default;

    int colCount() const { return m_cols; }
    int rowCount() const { return m_rows; }
    void setColCount(int cols);
    void setRowCount(int rows);
    int headerRows() const { return m_headerRows; }
    int headerCols() const { return m_headerCols; }

    // Reading outside the table gives the empty text; writing there has no effect.
    QString cell(int c, int r) const;
    void setCell(int c, int r, const QString& text);
    QStringList rowTexts(int r) const;

    int currentRow() const { return m_currentRow; }
    bool multiLine() const { return m_multiLine; }
    void setMultiLine(bool on) { m_multiLine = on; }
    int colWidth(int c) const;
    void setColWidth(int c, int width);

    // R > 1 or cell (0,0) not empty (data tables).
    bool hasData() const;

    void ClearData();
    void ResetRows(int n);
    void AppendRow();
    void SelectRow(int r);
    void InsertRow(int r); // r == rowCount() appends without changing the current row
    void DeleteRow(int r); // the only row of a table is emptied instead
    void SwapRows(int i, int j);
    int FindInColumn(int c, const QString& text);
    double MaxInColumn(int c, int r0, int r1) const; // throws AppError
    QStringList ColumnTexts(int c) const;
    void NumberRows(int c);
    // Stable ascending sort of the rows below the header by the number in column col.
    // Throws AppError before changing anything when a cell is no number.
    void SortRowsNumeric(int col);

    void SaveToTableFile(const QString& path) const; // throws AppError
    void LoadFromTableFile(const QString& path);     // throws AppError

    using Listener = std::function<void()>;
    int addListener(Listener listener);
    void removeListener(int id);
    // Bumped on every change; lets observers and callers tell whether anything happened.
    quint64 revision() const { return m_revision; }

    // Defers listener calls until the outermost batch ends, then calls them once if anything
    // changed.
    class Batch {
    public:
        explicit Batch(GridTable& table);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        GridTable& m_table;
    };

private:
    qsizetype index(int c, int r) const { return qsizetype(r) * m_cols + c; }
    bool contains(int c, int r) const { return c >= 0 && c < m_cols && r >= 0 && r < m_rows; }
    void clampCurrentRow();
    void changed();
    void notify();

    struct Entry {
        int id;
        Listener listener;
    };
    std::vector<Entry> m_listeners;
    int m_nextListenerId = 1;
    int m_batchDepth = 0;
    bool m_pendingNotify = false;
    quint64 m_revision = 0;
};

} // namespace selvana
