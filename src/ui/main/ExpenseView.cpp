#include "expenses/EntryRules.h"
#include "expenses/ExpenseKind.h"
#include "mainwindow/MainWindowModel.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QHeaderView>
#include <QLayout>
#include <QScrollArea>
#include <QTableView>
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

// The cost per kilometre sits on the line of the kilometres it multiplies.
constexpr int kKmField = 5;

} // namespace

void buildExpenseView(MainWindowModel& model, QWidget* page, int index)
{
    const ExpenseKindSpec& kind = expenseKindSpecs()[index];
    const ExpenseKind which = kindOf(kind);
    const ExpensePage& layout = kPages[index];
    PageBuilder b(model, page);
    b.heading(QString::fromUtf16(kind.sheetTitle));
    // Columns as wide as their titles and texts, so no title is cut.
    if (auto* sheet = qobject_cast<QTableView*>(b.wide(kind.sheetName())))
        sheet->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const char16_t* total : layout.totals)
        b.field(QString::fromUtf16(total));

    const QString box = QString::fromUtf16(layout.box);
    QStringList buttons;
    for (const char16_t* button : kind.buttons)
        buttons << QString::fromUtf16(button);
    const auto besides = [&](int n) {
        QStringList companions = EntryRules::choicesBeside(which, n);
        if (n == kKmField)
            for (int extra = kind.columnCount(); extra <= kind.fieldCount(); ++extra)
                companions << kind.fieldName(extra);
        return companions;
    };

    if (which != ExpenseKind::Ostali) {
        b.wide(box);
        b.beginPanel(QString::fromUtf16(layout.panel));
        for (int n = 1; n < kind.columnCount(); ++n)
            b.fieldWith(kind.fieldName(n), besides(n));
        b.row(buttons);
        b.endPanel();
        b.stretch();
        return;
    }

    // This panel folds to the height of its own box instead of vanishing: its contents sit
    // in a clipping area at their natural size, two fields to a line so that they fit.
    QWidget* panel = b.beginPanel(QString::fromUtf16(layout.panel));
    auto* clip = new QScrollArea(panel);
    clip->setFrameShape(QFrame::NoFrame);
    clip->setWidgetResizable(true);
    clip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    clip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* body = new QWidget;
    PageBuilder inner(model, body);
    body->layout()->setContentsMargins(0, 0, 0, 0);
    inner.wide(box);
    for (int n = 1; n < kind.columnCount(); n += 2) {
        QStringList line = QStringList{kind.fieldName(n)} + besides(n);
        if (n + 1 < kind.columnCount())
            line += QStringList{kind.fieldName(n + 1)} + besides(n + 1);
        inner.row(line);
    }
    inner.row(buttons);
    inner.stretch();
    clip->setWidget(body);
    panel->layout()->addWidget(clip);
    b.endPanel();
    b.stretch();
}

} // namespace selvana
