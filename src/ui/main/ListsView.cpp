#include "lists/LookupListsPage.h"
#include "mainwindow/MainWindowModel.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace selvana {

void buildListsView(MainWindowModel& model, QWidget* page)
{
    PageBuilder b(model, page);
    b.heading(model.get<Panel>(page->objectName()).caption());
    b.field(u"cb_tablice_odabir_1"_s);
    for (LookupListsPage::List list : LookupListsPage::chooserOrder()) {
        const LookupListsPage::PanelNames names = LookupListsPage::panelNames(list);
        b.beginPanel(names.panel);
        b.heading(model.get<Panel>(names.panel).caption());
        b.field(names.selection);
        for (const QString& field : names.fields)
            b.field(field);
        b.row(names.buttons);
        b.wide(names.table);
        b.endPanel();
    }
    b.stretch();
}

} // namespace selvana
