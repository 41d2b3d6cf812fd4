#include "reports/OrderListPrintout.h"

#include "base/TextForms.h"
#include "forms/Form.h"

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

using printout::Column;
using printout::font;
using printout::lineHeight;

constexpr qreal kLeft = 4.5;
constexpr qreal kWidth = 189.2;
constexpr qreal kRight = 193.7; // right edge of the last column

constexpr Column kColumns[] = {
    {u"Broj naloga", 4.5, 13.8, Qt::AlignRight, false, u"p_izv_0"},
    {u"Naziv djelatnika", 19.8, 49.5, Qt::AlignLeft, true, u"p_izv_1"},
    {u"Datum odlaska", 69.9, 16.9, Qt::AlignHCenter, false, u"p_izv_2"},
    {u"Datum povratka", 87.0, 16.9, Qt::AlignHCenter, false, u"p_izv_3"},
    {u"Mjesto putovanja", 105.3, 18.3, Qt::AlignLeft, true, u"p_izv_4"},
    {u"Trošak za dnevnice", 124.1, 16.9, Qt::AlignRight, false, u"p_izv_5"},
    {u"Trošak za prijevoz", 141.8, 16.9, Qt::AlignRight, false, u"p_izv_6"},
    {u"Ostali trošak", 159.5, 16.9, Qt::AlignRight, false, u"p_izv_7"},
    {u"Ukupni trošak", 177.8, 15.9, Qt::AlignRight, false, u"p_izv_8"},
};
constexpr qreal kRules[] = {19.1, 69.6, 86.8, 104.5, 123.8, 141.3, 159.0, 177.0};

// The summary's labels and the total fields whose shown texts they print.
constexpr std::pair<const char16_t*, const char16_t*> kTotals[] = {
    {u"Ukupni trošak za dnevnice:", u"ce_ukp_dnv"},
    {u"Ukupni trošak za prijevoz:", u"ce_ukp_prj"},
    {u"Ukupni ostali troškovi:", u"ce_ukp_ost"},
    {u"Sveukupni troškovi:", u"ce_ukp_svk"},
};

ReportBand titleBand()
{
    ReportBand band;
    printout::addLetterhead(band, kLeft, kWidth, Qt::AlignHCenter);
    band.items.append(ReportItem::textBox({kLeft, 38, kWidth, lineHeight(12)}, u"{pp_naslov}"_s,
                                          font(12, true), Qt::AlignHCenter, true));
    band.height = 38 + lineHeight(12) + 3;
    return band;
}

ReportBand headerBand()
{
    ReportBand band;
    band.height = 2 * lineHeight(8) + 1.2;
    printout::addLine(band, kLeft, kRight, 0);
    printout::addColumnHeads(band, kColumns, font(8, true), 0.6, 0.3, true);
    printout::addRules(band, kRules);
    printout::addLine(band, kLeft, kRight, band.height);
    return band;
}

ReportBand detailBand()
{
    ReportBand band;
    band.height = lineHeight(8) + 0.8;
    printout::addColumnFields(band, kColumns, font(8), 0.4, 0.3);
    printout::addRules(band, kRules);
    return band;
}

ReportBand summaryBand()
{
    ReportBand band;
    printout::addLine(band, kLeft, kRight, 0);
    qreal top = 2;
    for (const auto& [label, field] : kTotals) {
        band.items.append(
            ReportItem::textBox({kLeft, top, 48, lineHeight(8)}, QString::fromUtf16(label), font(8, true)));
        band.items.append(ReportItem::textBox({54.5, top, 24.6, lineHeight(8)},
                                              u"{pp_"_s + QString::fromUtf16(field) + u'}', font(8, true),
                                              Qt::AlignRight));
        top += lineHeight(8) + 0.8;
    }
    return band;
}

ReportBand footerBand()
{
    ReportBand band;
    band.height = lineHeight(8) + 1.5;
    band.items = {
        ReportItem::textBox({kLeft, 1, 14.3, lineHeight(8)}, u"{pp_datum}"_s, font(8, true), Qt::AlignRight),
        ReportItem::textBox({kLeft + 15, 1, 30, lineHeight(8)}, u"{page}/{pages}"_s, font(8, true)),
    };
    return band;
}

} // namespace

OrderListPrintout::OrderListPrintout() : m_records(u"p_izv_"_s, int(std::size(kColumns)), false)
{
    m_report.margins = {6, 6, 6, 6};
    ReportSection section;
    section.title = titleBand();
    section.pageHeader = headerBand();
    section.pageFooter = footerBand();
    ReportGroup records;
    records.data = &m_records;
    records.hideWhenEmpty = false;
    records.detail = detailBand();
    section.groups = {records};
    section.summary = summaryBand();
    m_report.sections = {section};
}

QString OrderListPrintout::title(const Form& form, Kind kind)
{
    QString month = form.text(u"cb_izv_mjeseci");
    if (month.startsWith(u'0'))
        month.remove(0, 1);
    const QString year = form.text(u"nl_1");
    const QString person = u" (djelatnik: "_s + form.text(u"ed_izv_putnik") + u')';
    switch (kind) {
    case Yearly: return u"Popis putnih naloga za "_s + year + u". godinu"_s;
    case YearlyForPerson: return u"Popis putnih naloga za "_s + year + u". godinu"_s + person;
    case Monthly: return u"Popis putnih naloga za "_s + month + u". mjesec "_s + year + u". godine"_s;
    case MonthlyForPerson:
        return u"Popis putnih naloga za "_s + month + u". mjesec "_s + year + u". godine"_s + person;
    }
    return {};
}

const Report& OrderListPrintout::produce(Form& form, Kind kind, const QDate& printDate)
{
    m_report.clearValues();
    printout::setLetterhead(m_report, form);
    m_report.documentTitle = title(form, kind);
    m_report.setValue(u"pp_naslov"_s, m_report.documentTitle);
    for (const auto& [label, field] : kTotals)
        m_report.setValue(u"pp_"_s + QString::fromUtf16(field), form.text(field));
    m_report.setValue(u"pp_datum"_s, TextForms::formatDate(printDate));
    m_records.attach(&form.table(u"sg_izvjestaji"));
    return m_report;
}

} // namespace selvana
