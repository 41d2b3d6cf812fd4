#include "mainwindow/MainWindowModel.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace selvana {

void buildSubjectsView(MainWindowModel& model, QWidget* page)
{
    PageBuilder b(model, page);
    b.heading(model.get<Panel>(page->objectName()).caption());
    b.field(u"cb_subjekti"_s);
    b.field(u"nl_1"_s);
    b.row({u"bt_otv_knj_nlg"_s, u"bt_loko"_s});

    b.wide(u"cb_subjekti_panel_polja"_s);
    b.beginPanel(u"pn_subjekti_polja"_s);
    b.row({u"fcShapeBtn24"_s, u"fcShapeBtn25"_s, u"fcShapeBtn26"_s});
    b.field(u"cb_baza"_s);
    for (const QString& name : {u"ed_sb_naziv"_s, u"ed_sb_adresa"_s, u"ed_sb_mjesto"_s, u"ed_sb_oib"_s,
                                u"ed_sb_pbr"_s, u"ed_sb_tel"_s, u"ed_sb_fax"_s, u"ed_sb_internet"_s})
        b.field(name);
    b.endPanel();
    b.stretch();
}

} // namespace selvana
