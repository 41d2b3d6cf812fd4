#include "app/MainWindowModel.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace selvana {

void buildSubjectsView(MainWindowModel& model, QWidget* page)
{
    PageBuilder b(model, page);
    b.heading(model.get<Panel>(page->objectName()).caption());
    b.field(u"nl_1"_s);
    b.row({u"bt_otv_knj_nlg"_s});
    b.wide(u"cb_subjekti_panel_polja"_s);
    b.beginPanel(u"pn_subjekti_polja"_s);
    b.endPanel();
    b.stretch();
}

} // namespace selvana
