#pragma once

#include "expenses/ExpenseKind.h"

namespace selvana {

class Form;
class GridTable;

// The four expense sheets of the shown order and their entry fields.
class ExpenseSheets {
public:
    explicit ExpenseSheets(Form& form);

    GridTable& sheet(Expense kind);
    bool hasRecords(Expense kind);

    // Every entry field of the kind emptied: numbers (rates too) to 0, texts to "".
    void ClearEntryFields(Expense kind);
    // The four sheets emptied and their entry fields cleared, in the kinds' order.
    void clearAll();
    // Entry field k = cell (k, r) for every column k >= 1; number cells are parsed.
    void RowToFields(Expense kind, int row);

    // Refuses texts that would break a packed sheet (and the table file holding it).
    static void checkSheetText(const QString& text);

private:
    void declare(const ExpenseKind& kind);

    Form& m_form;
};

} // namespace selvana
