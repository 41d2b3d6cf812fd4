#pragma once

#include "expenses/ExpenseKind.h"

#include <QStringList>

#include <vector>

namespace selvana {

class Form;
class GridTable;

// The four expense sheets of the shown order and their entry fields.
class ExpenseSheets {
public:
    explicit ExpenseSheets(Form& form);

    GridTable& sheet(ExpenseKind kind);
    bool hasRecords(ExpenseKind kind);
    // R > 2 or cell (0,1) not empty.
    static bool hasRecords(const GridTable& sheet);

    // Every entry field of the kind emptied: numbers (rates too) to 0, texts to "".
    void ClearEntryFields(ExpenseKind kind);
    // The four sheets emptied and their entry fields cleared, in the kinds' order.
    void clearAll();

    // One record as the entry fields take it: the number columns parsed, the texts checked.
    struct Row {
        std::vector<double> numbers; // by column; 0 for text columns
        QStringList texts;           // by column; empty for number columns
    };
    // Throws the conversion message for a number cell that is no number, before anything changes.
    static Row readRow(ExpenseKind kind, const GridTable& sheet, int row);
    // Entry field k = column k, in column order, so the change rules run as they would for typing.
    void showRow(ExpenseKind kind, const Row& row);
    // Entry field k = cell (k, r) for every column k >= 1. A bad cell changes no field.
    void RowToFields(ExpenseKind kind, int row);

    // The cells of a record from the entry fields, in the columns' formats (a zero is "0,00",
    // never empty). Throws for a text the sheet cannot hold, so nothing broken is ever stored.
    QStringList fieldTexts(ExpenseKind kind);
    // Cell (k, r) = entry field k for k >= 1, then the running numbers in column 0.
    void FieldsToRow(ExpenseKind kind, int row);
    void FieldsToRow(ExpenseKind kind, GridTable& sheet, int row);

    // Refuses texts that would break a packed sheet (and the table file holding it).
    static void checkSheetText(const QString& text);

private:
    void declare(const ExpenseKindSpec& kind);

    Form& m_form;
};

} // namespace selvana
