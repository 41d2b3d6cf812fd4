#include "storage/PackedTable.h"

#include "base/AppError.h"
#include "base/TextForms.h"
#include "storage/GridTable.h"
#include "storage/SplitText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

constexpr QChar kRowEnd = u'\\';
constexpr QChar kCellSeparator = u'|';

// Decimal digits only: the counts we write never carry signs or blanks.
int parseCount(const QString& text)
{
    const bool digits =
        !text.isEmpty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
    if (!digits)
        throw AppError(TextForms::integerMessage(text));
    return text.toInt();
}

} // namespace

bool fitsPackedCell(QStringView text)
{
    return !text.contains(kRowEnd) && !text.contains(kCellSeparator);
}

QString PackTable(const GridTable& table)
{
    if (table.cell(0, 1).isEmpty())
        return {};
    // Never write what UnpackTable would refuse to read back.
    if (!GridTable::fitsStoredLimits(table.colCount(), table.rowCount()))
        throw AppError(
            u"Tablica troškova je prevelika za spremanje (%1 stupaca, %2 redaka)."_s.arg(table.colCount())
                .arg(table.rowCount()));
    QString packed = QString::number(table.colCount()) + u'/' + QString::number(table.rowCount()) + kRowEnd;
    for (int r = 1; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c) {
            const QString text = table.cell(c, r);
            if (!fitsPackedCell(text))
                throw AppError(u"Tekst \"%1\" ne smije sadržavati znakove \"|\" ni \"\\\"."_s.arg(text));
            if (c > 0)
                packed += kCellSeparator;
            packed += text;
        }
        packed += kRowEnd;
    }
    return packed;
}

void UnpackTable(const QString& text, GridTable& table)
{
    if (text.isEmpty())
        return;
    const QStringList pieces = SplitText(text, QString(kRowEnd));
    const QStringList counts = SplitText(pieces.first(), u"/"_s);
    const QString colsText = counts.first();
    const QString rowsText = counts.value(1);
    const int cols = parseCount(colsText);
    const int rows = parseCount(rowsText);
    if (cols < 1 || cols > GridTable::kMaxStoredCols)
        throw AppError(TextForms::integerMessage(colsText));
    // A written sheet holds its title row and at least one record.
    if (rows < 2 || !GridTable::fitsStoredLimits(cols, rows))
        throw AppError(TextForms::integerMessage(rowsText));

    GridTable::Batch batch(table);
    table.ResetRows(2);
    table.setColCount(cols);
    table.setRowCount(rows);
    // Pieces past the last row (the empty one after the final "\" included) address no row.
    const int lastRow = std::min<qsizetype>(pieces.size(), rows) - 1;
    for (int r = 1; r <= lastRow; ++r) {
        const QStringList cells = SplitText(pieces.at(r), QString(kCellSeparator));
        const int lastCol = std::min<qsizetype>(cells.size(), cols) - 1;
        for (int c = 0; c <= lastCol; ++c)
            table.setCell(c, r, cells.at(c));
    }
}

} // namespace selvana
