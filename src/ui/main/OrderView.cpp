#include "mainwindow/MainWindowModel.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace selvana {

void buildOrderView(MainWindowModel& model, QWidget* page)
{
    PageBuilder b(model, page);
    b.heading(model.get<Panel>(page->objectName()).caption());
    b.beginPanel(u"pn_brj_nlg"_s);
    b.row({u"nl_0"_s, u"Button4"_s, u"Button3"_s, u"cb_brojevi_naloga"_s, u"cb_nalozi_nadi"_s});
    b.row({u"bt_nalog_dodaj_prazan"_s, u"bt_nalog_dodaj_pun"_s, u"bg_nalozi_1fcShapeBtn2"_s,
           u"bg_nalozi_1fcShapeBtn3"_s, u"bg_nalozi_1fcShapeBtn4"_s, u"fcShapeBtn7"_s, u"fcShapeBtn9"_s,
           u"fcShapeBtn10"_s, u"fcShapeBtn8"_s, u"cb_korekcija"_s});
    b.beginPanel(u"pn_korekcija"_s);
    b.row({u"ce_stari"_s, u"ce_novi"_s, u"bt_stari_u_novi"_s, u"ce_insert"_s, u"fcShapeBtn27"_s});
    b.endPanel();
    b.endPanel();

    b.fieldWith(u"nl_2"_s, {u"fcShapeBtn5"_s});
    b.field(u"nl_3"_s);
    b.fieldWith(u"nl_4"_s, {u"cb_putnici"_s});
    b.fieldWith(u"nl_5"_s, {u"cb_zvanje_1"_s});
    b.fieldWith(u"nl_6"_s, {u"cb_zanimanja_1"_s});
    b.fieldWith(u"nl_8"_s, {u"cb_mjesta_1"_s});
    b.fieldWith(u"nl_7"_s, {u"nl_8a"_s, u"rc_5"_s, u"rc_5a"_s, u"SpeedButton2"_s});
    b.fieldWith(u"rc_4"_s, {u"rc_4a"_s, u"rc_6"_s, u"rc_6a"_s, u"SpeedButton1"_s});
    b.fieldWith(u"nl_10"_s, {u"rc_20"_s, u"ce_br_dnevnica"_s, u"SpeedButton3"_s});
    b.fieldWith(u"nl_11"_s, {u"fcShapeBtn2"_s});
    b.field(u"nl_9"_s);
    b.fieldWith(u"nl_14"_s, {u"cb_prijevoz_1"_s});
    b.fieldWith(u"nl_15"_s, {u"cb_prijevoz_2"_s});
    b.stretch();
}

void buildReportFieldsView(MainWindowModel& model, QWidget* page)
{
    PageBuilder b(model, page);
    b.heading(model.get<Panel>(page->objectName()).caption());
    b.field(u"nl_16"_s);
    b.field(u"nl_18"_s);
    b.field(u"nl_17"_s);
    b.field(u"rc_2"_s);
    b.fieldWith(u"rc_18"_s, {u"rc_18a"_s});
    b.fieldWith(u"rc_19"_s, {u"fcShapeBtn6"_s});
    b.row({u"fcShapeBtn21"_s});
    b.stretch();
}

} // namespace selvana
