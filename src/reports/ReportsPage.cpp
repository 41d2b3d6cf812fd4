#include "reports/ReportsPage.h"

#include "app/MainWindowModel.h"

namespace selvana {

ReportsPage::ReportsPage(MainWindowModel& main) : m_main(main) {}

void ReportsPage::setUp() {}

} // namespace selvana
