#pragma once

#include "expenses/ExpenseKind.h"

#include <array>
#include <functional>
#include <memory>

namespace selvana {

class EntryRules;
class ExpenseSheets;
class GridTable;
class Form;
class LookupListsPage;
class Totals;

// What the four expense pages do: sheet records, entry-field rules, totals and settlement.
class ExpensePages {
public:
    // saveOrder writes the shown order to the book; showPerDiemsPage brings the per-diem page up.
    ExpensePages(Form& form, ExpenseSheets& sheets, LookupListsPage& lookups, std::function<void()> saveOrder,
                 std::function<void()> showPerDiemsPage);
    ~ExpensePages();

    // "&Dodaj": the entry fields as a new record (the amount field must not be 0).
    void AddSheetRecord(ExpenseKind kind);
    // "S&premi": the entry fields over the selected record (record 1 of an empty sheet).
    void SaveSheetRecord(ExpenseKind kind);
    // "&Obriši": the selected record, without confirmation.
    void DeleteSheetRecord(ExpenseKind kind);
    // A click on row r copies the record into the fields, unless it is the record copied last.
    void SelectSheetRecord(ExpenseKind kind, int row);
    // The running number of the record last copied by a click; 0 before any.
    double selectedNumber(ExpenseKind kind) const { return m_selected[static_cast<int>(kind)]; }

    // "Pren&esi": the order's domestic per diems as a per-diem record.
    void transferPerDiems();

    // The kind's total from its sheet (for per diems also their number, rc_8), without a
    // save: for records written into a sheet from outside.
    void recomputeTotals(ExpenseKind kind);

    EntryRules& entryRules() { return *m_rules; }
    Totals& totals() { return *m_totals; }

private:
    struct Sums {
        double total = 0.0;
        double perDiemCount = 0.0;
        bool counted = false;
    };

    void declare(const ExpenseKindSpec& kind);
    // Throws the conversion message for a cell that is no number, before any field changes.
    Sums sums(ExpenseKind kind, const GridTable& rows, bool countPerDiems);
    void showSums(ExpenseKind kind, const Sums& sums);
    // Makes a changed copy of a sheet current: every sum and the record to show are read
    // from the copy first, so a cell that is no number leaves sheet, totals and fields as
    // they were. Then the totals follow, the fields, and the whole order is saved.
    void commit(ExpenseKind kind, const GridTable& rows, bool countPerDiems,
                const std::function<void()>& showFields);
    int currentRecordRow(ExpenseKind kind);

    Form& m_main;
    std::function<void()> m_saveOrder;
    std::function<void()> m_showPerDiemsPage;
    ExpenseSheets& m_sheets;
    std::unique_ptr<EntryRules> m_rules;
    std::unique_ptr<Totals> m_totals;
    std::array<double, kExpenseKindCount> m_selected{};
};

} // namespace selvana
