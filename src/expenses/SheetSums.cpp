#include "expenses/SheetSums.h"

#include "base/AppError.h"
#include "base/TextForms.h"
#include "storage/GridTable.h"

#include <cmath>

namespace selvana {

namespace {

void add(double& sum, const QString& cell)
{
    if (cell.isEmpty())
        return;
    sum += TextForms::parseNumber(cell);
    if (!std::isfinite(sum))
        throw AppError(TextForms::floatMessage(cell));
}

} // namespace

double TroskoviSuma(const GridTable& table, int c)
{
    double sum = 0.0;
    for (int r = 1; r < table.rowCount(); ++r)
        add(sum, table.cell(c, r));
    return sum;
}

double TroskoviSumaOdDoRed(const GridTable& table, int c1, int c2, int r)
{
    double sum = 0.0;
    for (int c = c1; c <= c2; ++c)
        add(sum, table.cell(c, r));
    return sum;
}

} // namespace selvana
