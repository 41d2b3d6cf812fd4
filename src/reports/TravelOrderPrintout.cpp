#include "reports/TravelOrderPrintout.h"

#include "base/TextForms.h"
#include "expenses/ExpenseKind.h"
#include "forms/Form.h"
#include "storage/GridTable.h"

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

using printout::Column;
using printout::font;
using printout::lineHeight;

constexpr qreal kWidth = 170; // A4 less 20 mm on either side
constexpr qreal kCellPadding = 0.6;
constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;

// Moves a caption down so that its baseline meets that of a larger value beside it.
constexpr qreal baselineDrop(qreal captionPoints, qreal valuePoints)
{
    return (valuePoints - captionPoints) * 0.3193; // Arial's ascent in mm per point
}

// --- the order section ---

// A caption (8 pt) and its value (10 pt) written on a rule line.
struct OrderLine {
    qreal top;
    qreal captionLeft;
    const char16_t* caption;
    qreal valueLeft;
    qreal valueRight;
    const char16_t* value;
};

constexpr OrderLine kOrderLines[] = {
    {50, 0, u"Ime i prezime:", 20, kWidth, u"pp_ime"},
    {58.5, 0, u"Radno mjesto:", 20, kWidth, u"pp_rdn_mjs"},
    {67, 0, u"Datum putovanja:", 24, 55, u"pp_dtm_ptv"},
    {67, 57, u"Mjesto putovanja:", 81, kWidth, u"pp_mjs_ptv"},
    {110, 0, u"Moguće trajanje putovanja (dana):", 45, kWidth, u"pp_mgc_trj"},
    {118.5, 0, u"Odobrena akontacija troškova ovoga putovanja (HRK):", 70, kWidth, u"pp_akn"},
    {127, 0, u"Slovima (HRK):", 21, kWidth, u"pp_akt_slv"},
    {135.5, 0, u"Prijevozno sredstvo u odlasku:", 40, kWidth, u"pp_prj_srd_odl"},
    {144, 0, u"Prijevozno sredstvo u dolasku:", 40, kWidth, u"pp_prj_srd_dol"},
};

constexpr qreal kReasonTop = 75.5;
constexpr qreal kReasonLeft = kWidth - 142;
constexpr qreal kReasonHeight = 31;
constexpr qreal kDeadlineTop = 152.5;
constexpr qreal kDeadlineBox = 81; // the 14 mm box after the caption
constexpr qreal kChargedTop = 163;
constexpr qreal kStampTop = 220;

QString field(const char16_t* name)
{
    return u'{' + QString::fromUtf16(name) + u'}';
}

void addRuledValue(ReportBand& band, qreal top, qreal left, qreal right, const QString& text,
                   Qt::Alignment alignment = kLeft)
{
    band.items.append(ReportItem::textBox({left, top, right - left, lineHeight(10)}, text, font(10),
                                          alignment | Qt::AlignTop, true));
    printout::addLine(band, left, right, top + lineHeight(10) + 0.3);
}

void addCaption(ReportBand& band, qreal top, qreal left, qreal width, const QString& caption)
{
    band.items.append(
        ReportItem::textBox({left, top + baselineDrop(8, 10), width, lineHeight(8)}, caption, font(8)));
}

ReportBand orderBlock()
{
    ReportBand band;
    printout::addLetterhead(band, 0, 112, kLeft);
    band.items.append(ReportItem::textBox({115, 0, kWidth - 115, lineHeight(8)}, u"Broj naloga i godina"_s,
                                          font(8), kRight));
    band.items.append(ReportItem::textBox({115, lineHeight(8), kWidth - 115, lineHeight(16)},
                                          u"{pp_br_naloga}"_s, font(16), kRight));
    band.items.append(
        ReportItem::textBox({0, 27, kWidth, lineHeight(11)}, u"{pp_mjesto_datum}"_s, font(11), kLeft, true));
    band.items.append(ReportItem::textBox({0, 38, kWidth, lineHeight(14)}, u"NALOG ZA SLUŽBENO PUTOVANJE"_s,
                                          font(14, true), kCentre));

    for (const OrderLine& line : kOrderLines) {
        addCaption(band, line.top, line.captionLeft, line.valueLeft - line.captionLeft - 0.5,
                   QString::fromUtf16(line.caption));
        addRuledValue(band, line.top, line.valueLeft, line.valueRight, field(line.value));
    }

    // The tasks: a block of its own height beside the caption, growing when longer.
    addCaption(band, kReasonTop, 0, kReasonLeft - 0.5, u"Razlog putovanja:"_s);
    band.items.append(ReportItem::textBox({kReasonLeft, kReasonTop, kWidth - kReasonLeft, kReasonHeight},
                                          u"{pp_rzl_ptv}"_s, font(10), kLeft, true));
    printout::addLine(band, kReasonLeft, kWidth, kReasonTop + kReasonHeight + 0.3);

    addCaption(band, kDeadlineTop, 0, kDeadlineBox - 0.5,
               u"Pismeno izvješće i obračun ovoga putovanja podnijeti u roku od "_s);
    addRuledValue(band, kDeadlineTop, kDeadlineBox, kDeadlineBox + 14, u"{pp_rok_psm_izv}"_s, kCentre);
    addCaption(band, kDeadlineTop, kDeadlineBox + 15, 40, u"dana nakon puta."_s);

    band.items.append(ReportItem::textBox({0, kChargedTop, kWidth, lineHeight(11)}, u"{pp_trs_trt}"_s,
                                          font(11), kLeft, true));

    band.items.append(
        ReportItem::textBox({0, kStampTop, kWidth, lineHeight(11)}, u"M.P."_s, font(11), kCentre));
    printout::addLine(band, 115, kWidth, kStampTop + 12);
    band.items.append(ReportItem::textBox({115, kStampTop + 12.3, kWidth - 115, lineHeight(8)},
                                          u"(naredbodavac)"_s, font(8), kCentre));
    return band;
}

// --- the settlement section ---

// Date, time and count lines of the settlement header: caption 8 pt, value 11 pt.
struct HeaderText {
    qreal top;
    qreal left;
    qreal width;
    const char16_t* text;
    bool value;
};

constexpr qreal kHeaderRow = 14.5;
constexpr qreal kHeaderStep = 5;

constexpr HeaderText kHeaderTexts[] = {
    {kHeaderRow, 0, 30.5, u"Datum polaska na put:", false},
    {kHeaderRow, 31, 25, u"{pp_dtm_pol}", true},
    {kHeaderRow, 57, 3, u"u", false},
    {kHeaderRow, 61, 20, u"{pp_vrm_pol}", true},
    {kHeaderRow + kHeaderStep, 0, 30.5, u"Datum povratka s puta:", false},
    {kHeaderRow + kHeaderStep, 31, 25, u"{pp_dtm_pov}", true},
    {kHeaderRow + kHeaderStep, 57, 3, u"u", false},
    {kHeaderRow + kHeaderStep, 61, 20, u"{pp_vrm_pov}", true},
    {kHeaderRow + 2 * kHeaderStep, 0, 32.5, u"Ukupan broj sati na putu:", false},
    {kHeaderRow + 2 * kHeaderStep, 33, 16, u"{pp_sati}", true},
    {kHeaderRow + 2 * kHeaderStep, 50, 39.5, u"Ukupan broj dnevnica na putu:", false},
    {kHeaderRow + 2 * kHeaderStep, 90, 20, u"{pp_dnevnice}", true},
    {kHeaderRow, 113, 23.5, u"Mjesto putovanja:", false},
};
constexpr qreal kPlaceLeft = kWidth - 33;

ReportBand settlementHeader()
{
    ReportBand band;
    band.height = kHeaderRow + 3 * kHeaderStep + 2;
    band.items.append(ReportItem::textBox({0, 0, kWidth, lineHeight(14)}, u"OBRAČUN PUTNIH TROŠKOVA"_s,
                                          font(14, true), kCentre));
    band.items.append(
        ReportItem::textBox({0, 6, kWidth, lineHeight(12)}, u"{pp_nlg_br}"_s, font(12), kCentre));
    printout::addLine(band, 0, kWidth, 12.5);
    for (const HeaderText& text : kHeaderTexts) {
        const qreal top = text.value ? text.top : text.top + baselineDrop(8, 11);
        band.items.append(ReportItem::textBox({text.left, top, text.width, lineHeight(text.value ? 11 : 8)},
                                              QString::fromUtf16(text.text), font(text.value ? 11 : 8)));
    }
    band.items.append(ReportItem::textBox({kPlaceLeft, kHeaderRow, kWidth - kPlaceLeft, lineHeight(11)},
                                          u"{pp_mjesto_put}"_s, font(11), kLeft, true));
    return band;
}

ReportBand settlementFooter()
{
    ReportBand band;
    band.items.append(
        ReportItem::textBox({0, 0, kWidth, lineHeight(8)}, u"{lb_dtm_mjs}"_s, font(8), kLeft, true));
    constexpr const char16_t* signatures[] = {u"(potpis odgovorne osobe)", u"(blagajnik)", u"(likvidator)",
                                              u"(podnositelj računa)"};
    constexpr qreal lineWidth = 38;
    constexpr qreal gap = (kWidth - 4 * lineWidth) / 3;
    constexpr qreal signatureTop = 11;
    for (int i = 0; i < 4; ++i) {
        const qreal left = i * (lineWidth + gap);
        printout::addLine(band, left, left + lineWidth, signatureTop);
        band.items.append(ReportItem::textBox({left, signatureTop + 0.3, lineWidth, lineHeight(6)},
                                              QString::fromUtf16(signatures[i]), font(6), kCentre));
    }
    band.items.append(ReportItem::textBox({0, 15.5, 30, lineHeight(10)}, u"{page}"_s, font(10)));
    return band;
}

// The four tables: columns by their left edge, each reaching to the next.
constexpr Column kAdvanceColumns[] = {
    {u"R. br.", 0, 0, kRight, false, u"p_akn_0"},        {u"Iznos", 8.7, 0, kRight, false, u"p_akn_1"},
    {u"Valuta", 29.6, 0, kCentre, false, u"p_akn_2"},    {u"Tečaj", 44.5, 0, kRight, false, u"p_akn_3"},
    {u"Iznos (kn)", 77.8, 0, kRight, false, u"p_akn_4"}, {u"Napomena", 92.6, 0, kLeft, true, u"p_akn_5"},
};
constexpr Column kPerDiemColumns[] = {
    {u"R. br.", 0, 0, kRight, false, u"p_dnv_0"},         {u"Zemlja", 8.2, 0, kLeft, true, u"p_dnv_1"},
    {u"Dnevnica", 29.1, 0, kRight, false, u"p_dnv_2"},    {u"Br. dnevn.", 45.0, 0, kRight, false, u"p_dnv_3"},
    {u"Umanj. (%)", 61.1, 0, kRight, false, u"p_dnv_4"},  {u"Iznos", 76.7, 0, kRight, false, u"p_dnv_5"},
    {u"Valuta", 88.9, 0, kCentre, false, u"p_dnv_6"},     {u"Tečaj", 102.9, 0, kRight, false, u"p_dnv_7"},
    {u"Iznos (kn)", 122.5, 0, kRight, false, u"p_dnv_8"}, {u"Napomena", 134.7, 0, kLeft, true, u"p_dnv_9"},
};
constexpr Column kTransportColumns[] = {
    {u"R. br.", 0, 0, kRight, false, u"pl_prj_0"},
    {u"Ruta", 8.7, 0, kLeft, true, u"pl_prj_1"},
    {u"Prijevozno sredstvo", 29.6, 0, kLeft, true, u"pl_prj_2"},
    {u"Brojač - od", 47.1, 0, kRight, false, u"pl_prj_3"},
    {u"Brojač - do", 59.0, 0, kRight, false, u"pl_prj_4"},
    {u"km", 71.2, 0, kRight, false, u"pl_prj_5"},
    {u"Iznos", 86.0, 0, kRight, false, u"pl_prj_6"},
    {u"Valuta", 97.1, 0, kCentre, false, u"pl_prj_7"},
    {u"Tečaj", 109.3, 0, kRight, false, u"pl_prj_8"},
    {u"Iznos (kn)", 128.6, 0, kRight, false, u"pl_prj_9"},
    {u"Napomena", 140.2, 0, kLeft, true, u"pl_prj_10"},
};
constexpr Column kOtherColumns[] = {
    {u"R. br.", 0, 0, kRight, false, u"p_ost_0"},     {u"Vrsta troška", 8.5, 0, kLeft, true, u"p_ost_1"},
    {u"Iznos", 53.7, 0, kRight, false, u"p_ost_2"},   {u"Valuta", 65.9, 0, kCentre, false, u"p_ost_3"},
    {u"Tečaj", 81.2, 0, kRight, false, u"p_ost_4"},   {u"Iznos (kn)", 102.7, 0, kRight, false, u"p_ost_5"},
    {u"Napomena", 115.6, 0, kLeft, true, u"p_ost_6"},
};

struct SheetTable {
    ExpenseKind sheet;
    const char16_t* pipeline; // the field names' prefix
    const char16_t* title;
    std::span<const Column> columns;
    int totalColumn; // "Iznos (kn)"
    const char16_t* totalCaption;
    const char16_t* totalField;
};

const SheetTable kTables[] = {
    {ExpenseKind::Akontacija, u"p_akn_", u"Obračun akontacije", kAdvanceColumns, 4, u"Ukupno akontacije",
     u"nl_12"},
    {ExpenseKind::Dnevnice, u"p_dnv_", u"Obračun dnevnica", kPerDiemColumns, 8, u"Ukupno dnevnice", u"nl_20"},
    {ExpenseKind::Prijevoz, u"pl_prj_", u"Obračun troškova prijevoza", kTransportColumns, 9,
     u"Ukupni troškovi prijevoza", u"nl_21"},
    {ExpenseKind::Ostali, u"p_ost_", u"Obračun ostalih troškova", kOtherColumns, 5, u"Ukupni ostali troškovi",
     u"nl_22"},
};

QString totalValue(const SheetTable& table)
{
    return u"pp_ukp_"_s + QString::fromUtf16(table.totalField);
}

ReportGroup sheetTable(const SheetTable& table, const ReportDataSource* data)
{
    QList<Column> columns(table.columns.begin(), table.columns.end());
    QList<qreal> rules;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        columns[i].width = (i + 1 < columns.size() ? columns[i + 1].left : kWidth) - columns[i].left;
        if (i > 0)
            rules.append(columns[i].left);
    }
    constexpr qreal rowHeight = lineHeight(8) + 0.9;
    constexpr qreal textTop = 0.45;

    ReportGroup group;
    group.data = data;
    group.caption.height = 8;
    group.caption.items.append(
        ReportItem::textBox({0, 3, kWidth, lineHeight(10)}, QString::fromUtf16(table.title), font(10, true)));

    group.columnHeads.height = 2 * lineHeight(8) + 1;
    printout::addLine(group.columnHeads, 0, kWidth, 0);
    const std::span<const Column> cells(columns.constData(), columns.size());
    const std::span<const qreal> between(rules.constData(), rules.size());
    printout::addColumnHeads(group.columnHeads, cells, font(8, true), 0.5, kCellPadding, false);
    printout::addRules(group.columnHeads, between);

    group.detail.height = rowHeight;
    printout::addLine(group.detail, 0, kWidth, 0);
    printout::addColumnFields(group.detail, cells, font(8), textTop, kCellPadding);
    printout::addRules(group.detail, between);

    // The total ends under its column; the total line has no cells, so a long total may reach left.
    const Column& total = columns.at(table.totalColumn);
    constexpr qreal totalWidth = 30;
    const qreal totalRight = total.left + total.width - kCellPadding;
    group.summary.height = rowHeight;
    printout::addLine(group.summary, 0, kWidth, 0);
    group.summary.items.append(ReportItem::textBox(
        {kCellPadding, textTop, totalRight - totalWidth - 2 * kCellPadding, lineHeight(8)},
        QString::fromUtf16(table.totalCaption), font(8, true)));
    group.summary.items.append(
        ReportItem::textBox({totalRight - totalWidth, textTop, totalWidth, lineHeight(8)},
                            u'{' + totalValue(table) + u'}', font(8, true), kRight));
    printout::addLine(group.summary, 0, kWidth, rowHeight);
    return group;
}

// "Izvješće s putovanja:" or "Popis priloga:" over the lines of a text.
ReportGroup textBlock(const QString& caption, const QString& value)
{
    ReportGroup group;
    group.detail.items = {
        ReportItem::textBox({0, 4, kWidth, lineHeight(8)}, caption, font(8, true, true)),
        ReportItem::textBox({0, 4 + lineHeight(8) + 0.3, kWidth, lineHeight(8)}, u'{' + value + u'}', font(8),
                            kLeft, true),
    };
    return group;
}

ReportBand closingBlock()
{
    ReportBand band;
    constexpr qreal amountRight = 68;
    const std::pair<const char16_t*, const char16_t*> lines[] = {
        {u"Sveukupni troškovi", u"{pp_svk_trs}"},
        {u"Sveukupna akontacija", u"{pp_svk_akn}"},
        {u"{pp_ostaje}", u"{pp_ostaje_iznos}"},
    };
    qreal top = 5;
    for (const auto& [caption, amount] : lines) {
        band.items.append(
            ReportItem::textBox({0, top, 40, lineHeight(8)}, QString::fromUtf16(caption), font(8, true)));
        band.items.append(ReportItem::textBox({amountRight - 26, top, 26, lineHeight(8)},
                                              QString::fromUtf16(amount), font(8, true), kRight));
        top += lineHeight(8) + 1;
    }
    return band;
}

QString amount(const Form& form, QStringView name)
{
    return TextForms::formatAmount(form.value(name));
}

} // namespace

TravelOrderPrintout::TravelOrderPrintout()
{
    m_report.margins = {20, 20, 20, 20};

    ReportSection order;
    ReportGroup block;
    block.detail = orderBlock();
    order.groups.append(block);

    ReportSection settlement;
    settlement.pageHeader = settlementHeader();
    settlement.pageFooter = settlementFooter();
    for (const SheetTable& table : kTables) {
        m_pipelines.push_back(std::make_unique<printout::GridPipeline>(QString::fromUtf16(table.pipeline),
                                                                       int(table.columns.size()), true));
        settlement.groups.append(sheetTable(table, m_pipelines.back().get()));
    }
    settlement.groups.append(textBlock(u"Izvješće s putovanja:"_s, u"mm_izv"_s));
    settlement.groups.append(textBlock(u"Popis priloga:"_s, u"mm_prl"_s));
    settlement.summary = closingBlock();

    m_report.sections = {order, settlement};
}

QString TravelOrderPrintout::title(const Form& form)
{
    return u"Putni nalog "_s + printout::plainNumber(form, u"nl_0") + u'/' +
           printout::plainNumber(form, u"nl_1");
}

const Report& TravelOrderPrintout::produce(Form& form)
{
    Report& r = m_report;
    r.clearValues();
    m_report.documentTitle = title(form);
    const auto text = [&form](QStringView name) { return form.text(name); };
    const QString number = printout::plainNumber(form, u"nl_0") + u'/' + printout::plainNumber(form, u"nl_1");

    printout::setLetterhead(r, form);
    r.setValue(u"pp_br_naloga"_s, number);
    const QDate made = form.date(u"nl_3");
    r.setValue(u"pp_mjesto_datum"_s,
               u"Mjesto izrade: "_s + text(u"nl_2") + u", dana "_s +
                   (made.isValid() ? made.toString(u"dd.MM.yyyy"_s) + u'.' : QString()));
    r.setValue(u"pp_ime"_s, text(u"nl_5") + u' ' + text(u"nl_4"));
    r.setValue(u"pp_rdn_mjs"_s, text(u"nl_6"));
    r.setValue(u"pp_dtm_ptv"_s, text(u"nl_7"));
    r.setValue(u"pp_mjs_ptv"_s, text(u"nl_8"));
    r.setValue(u"pp_rzl_ptv"_s, printout::lines(text(u"nl_9")));
    r.setValue(u"pp_mgc_trj"_s, TextForms::formatNumber(form.value(u"nl_10"), 1, true));
    r.setValue(u"pp_akn"_s, amount(form, u"nl_12"));
    r.setValue(u"pp_akt_slv"_s, text(u"nl_13"));
    r.setValue(u"pp_prj_srd_odl"_s, text(u"nl_14"));
    r.setValue(u"pp_prj_srd_dol"_s, text(u"nl_15"));
    r.setValue(u"pp_rok_psm_izv"_s, printout::plainNumber(form, u"nl_16"));
    r.setValue(u"pp_trs_trt"_s,
               u"Troškovi ovoga putovanja idu na teret društva/ustanove "_s + text(u"ed_sb_naziv"));

    r.setValue(u"pp_nlg_br"_s, u"za putni nalog br. "_s + number);
    r.setValue(u"pp_dtm_pol"_s, text(u"nl_7"));
    r.setValue(u"pp_vrm_pol"_s, text(u"rc_5"));
    r.setValue(u"pp_dtm_pov"_s, text(u"rc_4"));
    r.setValue(u"pp_vrm_pov"_s, text(u"rc_6"));
    r.setValue(u"pp_sati"_s, printout::plainNumber(form, u"rc_20"));
    r.setValue(u"pp_dnevnice"_s, printout::plainNumber(form, u"rc_8"));
    r.setValue(u"pp_mjesto_put"_s, text(u"nl_8"));
    r.setValue(u"mm_izv"_s, printout::lines(text(u"nl_18")));
    r.setValue(u"mm_prl"_s, printout::lines(text(u"nl_17")));
    r.setValue(u"lb_dtm_mjs"_s,
               u"Mjesto obračuna: "_s + text(u"rc_19") + u", dana "_s + text(u"rc_18") + u" god."_s);

    ReportSection& settlement = r.sections[1];
    for (qsizetype i = 0; i < std::ssize(kTables); ++i) {
        const SheetTable& table = kTables[i];
        const GridTable& sheet = form.table(expenseKindSpec(table.sheet).sheetName());
        m_pipelines[i]->attach(&sheet);
        settlement.groups[i].visible = !sheet.cell(0, 1).isEmpty();
        r.setValue(totalValue(table), amount(form, QString::fromUtf16(table.totalField)));
    }

    r.setValue(u"pp_svk_trs"_s, amount(form, u"nl_23"));
    r.setValue(u"pp_svk_akn"_s, amount(form, u"nl_12"));
    if (form.value(u"rc_16") > 0) {
        r.setValue(u"pp_ostaje"_s, u"Ostaje za isplatu"_s);
        r.setValue(u"pp_ostaje_iznos"_s, amount(form, u"rc_16"));
    } else if (form.value(u"rc_17") > 0) {
        r.setValue(u"pp_ostaje"_s, u"Ostaje za povrat"_s);
        r.setValue(u"pp_ostaje_iznos"_s, amount(form, u"rc_17"));
    } else {
        r.setValue(u"pp_ostaje"_s, u"Ostaje za isplatu/povrat"_s);
        r.setValue(u"pp_ostaje_iznos"_s, amount(form, u"rc_16"));
    }
    return r;
}

} // namespace selvana
