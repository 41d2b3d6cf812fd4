#include "app/MainWindowModel.h"
#include "expenses/ExpenseKind.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

struct ExpensePage {
    const char16_t* box;
    const char16_t* panel;
    std::initializer_list<const char16_t*> totals;
};

// The check box that opens each kind's entry panel, and the totals shown under its sheet.
const ExpensePage kPages[] = {
    {u"cb_panel_akontacije", u"pn_akontacije_polja", {u"nl_12", u"nl_13"}},
    {u"cb_pn_dnevnice_polja", u"pn_dnevnice_polja", {u"rc_8", u"nl_20"}},
    {u"cb_pn_prijevoz_polja", u"pn_prijevoz_polja", {u"nl_21"}},
    {u"cb_pn_ostali_polja", u"pn_ostali_polja", {u"nl_22"}},
};

} // namespace

void buildExpenseView(MainWindowModel& model, QWidget* page, int index)
{
    const ExpenseKind& kind = expenseKinds()[index];
    const ExpensePage& layout = kPages[index];
    PageBuilder b(model, page);
    b.heading(QString::fromUtf16(kind.sheetTitle));
    b.wide(kind.sheetName());
    for (const char16_t* total : layout.totals)
        b.field(QString::fromUtf16(total));

    const QString box = QString::fromUtf16(layout.box);
    const bool boxInsidePanel = index == int(Expense::Ostali); // it folds instead of vanishing
    if (!boxInsidePanel)
        b.wide(box);
    b.beginPanel(QString::fromUtf16(layout.panel));
    if (boxInsidePanel)
        b.wide(box);
    for (int n = 1; n <= kind.fieldCount(); ++n)
        b.field(kind.fieldName(n));
    QStringList buttons;
    for (const char16_t* button : kind.buttons)
        buttons << QString::fromUtf16(button);
    b.row(buttons);
    b.endPanel();
    b.stretch();
}

} // namespace selvana
