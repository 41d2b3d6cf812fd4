#include "expenses/ExpensePages.h"

#include "app/MainWindowModel.h"
#include "expenses/ExpenseSheets.h"

namespace selvana {

ExpensePages::ExpensePages(MainWindowModel& main, ExpenseSheets& sheets) : m_main(main), m_sheets(sheets) {}

} // namespace selvana
