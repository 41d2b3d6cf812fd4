#pragma once

#include <QString>

#include <array>
#include <span>

namespace selvana {

// How a sheet column is written: amount, rate, integer, kilometres, text, running number.
enum class CellFormat { Amount, Rate, Integer, Km, Text, Number };

struct SheetColumn {
    const char16_t* title;
    CellFormat format;
    bool rightAligned;
};

// What an expense kind is made of: its name builds the names of its sheet ("sg_tr_" + name)
// and entry fields ("ed_tr_" + name + "_" + n, n = the sheet column).
struct ExpenseKindSpec {
    const char16_t* name;
    const char16_t* pageCaption;
    const char16_t* sheetTitle;
    std::span<const SheetColumn> columns;
    std::span<const SheetColumn> extraFields; // entry fields beyond the columns (cost per km)
    int requiredField;                        // the amount "&Dodaj" requires
    int summedColumn;                         // summed into the total field
    const char16_t* totalField;
    int settlementColumn;                   // where the packed sheet lives in the settlement row
    std::array<const char16_t*, 3> buttons; // &Dodaj, &Obriši, S&premi
    bool explainedSheet;                    // its sheet's hint says how records are entered

    QString sheetName() const { return u"sg_tr_" + QString::fromUtf16(name); }
    QString fieldName(int n) const
    {
        return u"ed_tr_" + QString::fromUtf16(name) + u'_' + QString::number(n);
    }
    int columnCount() const { return int(columns.size()); }
    int fieldCount() const { return columnCount() - 1 + int(extraFields.size()); }
    // Entry field n (1..fieldCount()): its sheet column, or an extra field.
    const SheetColumn& field(int n) const
    {
        return n < columnCount() ? columns[n] : extraFields[n - columnCount()];
    }
};

// The four expense kinds, in their fixed order.
enum class ExpenseKind { Akontacija, Dnevnice, Prijevoz, Ostali };

// The specs of the four kinds, in the kinds' order.
std::span<const ExpenseKindSpec> expenseKindSpecs();
const ExpenseKindSpec& expenseKindSpec(ExpenseKind kind);
inline constexpr int kExpenseKindCount = 4;
ExpenseKind kindOf(const ExpenseKindSpec& kind);

// Decimals of a number format (-1 for text and the running number).
int formatDecimals(CellFormat format);
// The cell text of a value in a number format: "1.234,50", "7,534560", "12.345", "1234,50".
QString formatCell(double value, CellFormat format);

} // namespace selvana
