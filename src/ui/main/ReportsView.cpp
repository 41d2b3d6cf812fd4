#include "mainwindow/MainWindowModel.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace selvana {

void buildReportsView(MainWindowModel& model, QWidget* page)
{
    PageBuilder b(model, page);
    b.heading(model.get<Panel>(page->objectName()).caption());

    // The four kinds in two columns: yearly beside monthly.
    QWidget* kinds = b.wide(u"rg_izvjestaji"_s);
    const QList<QRadioButton*> items = kinds->findChildren<QRadioButton*>();
    delete kinds->layout();
    auto* grid = new QGridLayout(kinds);
    for (qsizetype i = 0; i < items.size(); ++i)
        grid->addWidget(items[i], int(i % 2), int(i / 2));

    b.fieldWith(u"ed_izv_putnik"_s, {u"cb_putnici_2"_s});
    b.field(u"cb_izv_mjeseci"_s);
    b.row({u"bt_izvjestaji"_s, u"fcShapeBtn28"_s});
    b.wide(u"sg_izvjestaji"_s)->setMinimumHeight(320);
    const QList<QWidget*> totals =
        b.row({u"ce_ukp_dnv"_s, u"ce_ukp_prj"_s, u"ce_ukp_ost"_s, u"ce_ukp_svk"_s});
    for (QWidget* total : totals) {
        QFont font = total->font();
        font.setBold(true);
        total->setFont(font);
        total->setMaximumWidth(140);
    }
    b.stretch();
}

} // namespace selvana
