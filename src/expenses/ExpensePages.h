#pragma once

namespace selvana {

class ExpenseSheets;
class MainWindowModel;

// What the four expense pages do: sheet records, entry-field rules, totals and settlement.
class ExpensePages {
public:
    ExpensePages(MainWindowModel& main, ExpenseSheets& sheets);

private:
    MainWindowModel& m_main;
    ExpenseSheets& m_sheets;
};

} // namespace selvana
