#include "app/LookupListsPage.h"

#include "app/MainWindowModel.h"

namespace selvana {

LookupListsPage::LookupListsPage(MainWindowModel& main) : m_main(main) {}

void LookupListsPage::load() {}
void LookupListsPage::hidePanels() {}
void LookupListsPage::autoAdd(List, const QString&) {}

} // namespace selvana
