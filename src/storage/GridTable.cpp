#include "storage/GridTable.h"

#include "base/TextForms.h"
#include "storage/TableFile.h"

#include <algorithm>
#include <utility>

namespace selvana {

GridTable::GridTable(int cols, int rows, int headerRows, int headerCols)
{
    m_cols = std::max(1, cols);
    m_rows = std::max(1, rows);
    m_headerRows = std::max(0, headerRows);
    m_headerCols = std::max(0, headerCols);
    m_currentRow = std::min(m_headerRows, m_rows - 1);
    m_cells.resize(qsizetype(m_cols) * m_rows);
    m_colWidths.fill(kDefaultColWidth, m_cols);
}

GridTable::GridTable(const GridTable& other) : detail::GridData(other) {}

GridTable& GridTable::operator=(const GridTable& other)
{
    if (this != &other) {
        detail::GridData::operator=(other);
        changed();
    }
    return *this;
}

void GridTable::setColCount(int cols)
{
    cols = std::max(1, cols);
    if (cols == m_cols)
        return;
    QList<QString> cells(qsizetype(cols) * m_rows);
    const int kept = std::min(cols, m_cols);
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < kept; ++c)
            cells[qsizetype(r) * cols + c] = std::move(m_cells[index(c, r)]);
    }
    m_cells = std::move(cells);
    m_colWidths.resize(cols, kDefaultColWidth);
    m_cols = cols;
    changed();
}

void GridTable::setRowCount(int rows)
{
    rows = std::max(1, rows);
    if (rows == m_rows)
        return;
    m_cells.resize(qsizetype(m_cols) * rows);
    m_rows = rows;
    clampCurrentRow();
    changed();
}

QString GridTable::cell(int c, int r) const
{
    return contains(c, r) ? m_cells.at(index(c, r)) : QString();
}

void GridTable::setCell(int c, int r, const QString& text)
{
    if (!contains(c, r))
        return;
    QString& target = m_cells[index(c, r)];
    if (target == text)
        return;
    target = text;
    changed();
}

QStringList GridTable::rowTexts(int r) const
{
    if (r < 0 || r >= m_rows)
        return {};
    return m_cells.mid(index(0, r), m_cols);
}

int GridTable::colWidth(int c) const
{
    return c >= 0 && c < m_cols ? m_colWidths.at(c) : 0;
}

void GridTable::setColWidth(int c, int width)
{
    if (c < 0 || c >= m_cols || m_colWidths.at(c) == width)
        return;
    m_colWidths[c] = width;
    changed();
}

bool GridTable::hasData() const
{
    return m_rows > 1 || !m_cells.at(0).isEmpty();
}

void GridTable::ClearData()
{
    bool any = false;
    for (int r = m_headerRows; r < m_rows; ++r) {
        for (int c = m_headerCols; c < m_cols; ++c) {
            QString& text = m_cells[index(c, r)];
            if (!text.isEmpty()) {
                text.clear();
                any = true;
            }
        }
    }
    if (any)
        changed();
}

void GridTable::ResetRows(int n)
{
    Batch batch(*this);
    ClearData();
    // The sheets' running number sits in a header column, which ClearData leaves alone.
    if (n == 2)
        setCell(0, 1, QString());
    setRowCount(n);
}

void GridTable::AppendRow()
{
    Batch batch(*this);
    setRowCount(m_rows + 1);
    SelectRow(m_rows - 1);
}

void GridTable::SelectRow(int r)
{
    if (r < 0 || r >= m_rows || r == m_currentRow)
        return;
    m_currentRow = r;
    changed();
}

void GridTable::InsertRow(int r)
{
    if (r < 0 || r > m_rows)
        return;
    m_cells.insert(index(0, r), m_cols, QString());
    ++m_rows;
    changed();
}

void GridTable::DeleteRow(int r)
{
    if (r < 0 || r >= m_rows)
        return;
    if (m_rows == 1) {
        // A table never has fewer than one row: the last record leaves the empty table.
        Batch batch(*this);
        for (int c = 0; c < m_cols; ++c)
            setCell(c, 0, QString());
        return;
    }
    m_cells.remove(index(0, r), m_cols);
    --m_rows;
    clampCurrentRow();
    changed();
}

void GridTable::SwapRows(int i, int j)
{
    if (i == j || i < 0 || j < 0 || i >= m_rows || j >= m_rows)
        return;
    auto first = m_cells.begin() + index(0, i);
    std::swap_ranges(first, first + m_cols, m_cells.begin() + index(0, j));
    changed();
}

int GridTable::FindInColumn(int c, const QString& text)
{
    if (text.isEmpty() || c < 0 || c >= m_cols)
        return -1;
    for (int r = 0; r < m_rows; ++r) {
        if (m_cells.at(index(c, r)) == text) {
            SelectRow(r);
            return r;
        }
    }
    return -1;
}

double GridTable::MaxInColumn(int c, int r0, int r1) const
{
    r0 = std::max(r0, 0);
    r1 = std::min(r1, m_rows - 1);
    if (r0 > r1)
        return 0;
    double best = TextForms::parseCell(cell(c, r0));
    for (int r = r0 + 1; r <= r1; ++r)
        best = std::max(best, TextForms::parseCell(cell(c, r)));
    return best;
}

QStringList GridTable::ColumnTexts(int c) const
{
    QStringList texts;
    texts.reserve(m_rows);
    for (int r = 0; r < m_rows; ++r)
        texts.append(cell(c, r));
    return texts;
}

void GridTable::NumberRows(int c)
{
    Batch batch(*this);
    for (int r = m_headerRows; r < m_rows; ++r)
        setCell(c, r, QString::number(r - m_headerRows + 1));
}

void GridTable::SortRowsNumeric(int col)
{
    if (col < 0 || col >= m_cols || m_headerRows >= m_rows)
        return;
    std::vector<std::pair<double, int>> keys;
    keys.reserve(m_rows - m_headerRows);
    for (int r = m_headerRows; r < m_rows; ++r)
        keys.emplace_back(TextForms::parseCell(m_cells.at(index(col, r))), r);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    bool moved = false;
    QList<QString> cells = m_cells.mid(0, index(0, m_headerRows));
    cells.reserve(m_cells.size());
    for (int i = 0; i < int(keys.size()); ++i) {
        const int from = keys[i].second;
        moved = moved || from != m_headerRows + i;
        cells.append(m_cells.mid(index(0, from), m_cols));
    }
    if (!moved)
        return;
    m_cells = std::move(cells);
    changed();
}

void GridTable::SaveToTableFile(const QString& path) const
{
    SaveTableFiles({{this, path}});
}

void GridTable::LoadFromTableFile(const QString& path)
{
    loadTableFile(*this, path);
}

int GridTable::addListener(Listener listener)
{
    const int id = m_nextListenerId++;
    m_listeners.push_back({id, std::move(listener)});
    return id;
}

void GridTable::removeListener(int id)
{
    std::erase_if(m_listeners, [id](const Entry& e) { return e.id == id; });
}

void GridTable::clampCurrentRow()
{
    m_currentRow = std::clamp(m_currentRow, 0, m_rows - 1);
}

void GridTable::changed()
{
    ++m_revision;
    if (m_batchDepth > 0) {
        m_pendingNotify = true;
        return;
    }
    notify();
}

void GridTable::notify()
{
    // A listener may add or remove listeners while being called.
    const auto listeners = m_listeners;
    for (const Entry& e : listeners)
        e.listener();
}

GridTable::Batch::Batch(GridTable& table) : m_table(table)
{
    ++m_table.m_batchDepth;
}

GridTable::Batch::~Batch()
{
    if (--m_table.m_batchDepth > 0 || !m_table.m_pendingNotify)
        return;
    m_table.m_pendingNotify = false;
    m_table.notify();
}

} // namespace selvana
