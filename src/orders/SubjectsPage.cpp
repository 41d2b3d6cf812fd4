#include "orders/SubjectsPage.h"

#include "app/MainWindowModel.h"

using namespace Qt::StringLiterals;

namespace selvana {

SubjectsPage::SubjectsPage(MainWindowModel& main) : m_main(main)
{
    main.add<GridControl>(u"sg_subjekti"_s, 9, 1);
}

void SubjectsPage::load() {}
void SubjectsPage::showFieldsWhenEmpty()
{
    m_main.get<CheckBox>(u"cb_subjekti_panel_polja").setChecked(isEmpty());
}
void SubjectsPage::loadBase() {}

GridTable& SubjectsPage::table() { return m_main.table(u"sg_subjekti"); }
bool SubjectsPage::isEmpty() const { return !m_main.get<GridControl>(u"sg_subjekti").table().hasData(); }
QString SubjectsPage::currentNumber() const
{
    const GridTable& t = m_main.get<GridControl>(u"sg_subjekti").table();
    return t.cell(0, t.currentRow());
}
QString SubjectsPage::currentName() const
{
    const GridTable& t = m_main.get<GridControl>(u"sg_subjekti").table();
    return t.cell(1, t.currentRow());
}

} // namespace selvana
