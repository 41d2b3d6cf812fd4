#include "reports/ReportsPage.h"

#include "base/AppError.h"
#include "base/StorableText.h"
#include "expenses/SheetSums.h"
#include "forms/Clock.h"
#include "forms/Form.h"
#include "orders/OrderRecord.h"
#include "reports/ReportEngine.h"
#include "reports/TravelOrderPrintout.h"
#include "storage/GridTable.h"

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

const QString kKinds = u"rg_izvjestaji"_s;
const QString kPerson = u"ed_izv_putnik"_s;
const QString kPersonList = u"cb_putnici_2"_s;
const QString kMonths = u"cb_izv_mjeseci"_s;
const QString kTable = u"sg_izvjestaji"_s;

// The report table: its titles, and where each column comes from in the order row
// (sg_nalozi) or the settlement row (sg_obracun) of the same index.
struct ReportColumn {
    const char16_t* title;
    bool fromSettlement;
    int column;
};

constexpr ReportColumn kColumns[] = {
    {u"Broj naloga", false, 0},      {u"Osoba", false, 4},           {u"Datum odlaska", false, 7},
    {u"Datum povratka", true, 4},    {u"Mjesto odlaska", false, 8},  {u"Dnevnice", true, 10},
    {u"Trošak prijevoza", true, 12}, {u"Ostali troškovi", true, 14}, {u"Ukupni troškovi", true, 15},
};
constexpr int kColumnCount = int(std::size(kColumns));

// The total fields and the report-table columns they sum.
constexpr std::pair<const char16_t*, int> kTotals[] = {
    {u"ce_ukp_dnv", 5}, {u"ce_ukp_prj", 6}, {u"ce_ukp_ost", 7}, {u"ce_ukp_svk", 8}};

constexpr const char16_t* kTotalCaptions[] = {u"Ukupno dnevnice", u"Ukupno trošak prijevoza",
                                              u"Ukupno ostali troškovi", u"Sveukupni troškovi"};

bool byPerson(OrderListPrintout::Kind kind)
{
    return kind == OrderListPrintout::YearlyForPerson || kind == OrderListPrintout::MonthlyForPerson;
}

bool byMonth(OrderListPrintout::Kind kind)
{
    return kind == OrderListPrintout::Monthly || kind == OrderListPrintout::MonthlyForPerson;
}

} // namespace

ReportsPage::ReportsPage(Form& main, Clock& clock)
    : m_main(main), m_clock(clock), m_travelOrder(std::make_unique<TravelOrderPrintout>()),
      m_orderList(std::make_unique<OrderListPrintout>())
{
    declare();
}

ReportsPage::~ReportsPage() = default;

void ReportsPage::declare()
{
    auto& kinds = m_main.addRadioGroup(
        kKinds, {u"&1. Godišnji izvještaj"_s, u"&2. Godišnji izvještaj za odabranog djelatnika"_s,
                 u"&3. Mjesečni izvještaj"_s, u"&4. Mjesečni izvještaj za odabranog djelatnika"_s});
    kinds.setCaption(u"Vrste ispisa"_s);
    kinds.onChange([this] { kindChosen(); });

    auto& person = m_main.add<TextField>(kPerson);
    person.setCaption(u"Ime i prezime djelatnika"_s);
    person.setValidator([](const QString& text) { StorableText::check(text); });

    auto& months = m_main.add<ChoiceList>(kMonths, false);
    months.setCaption(u"Mjesec"_s);
    QStringList monthItems;
    for (int m = 1; m <= 12; ++m)
        monthItems << QString::number(m).rightJustified(2, u'0');
    months.setTexts(monthItems);

    m_main.add<Button>(u"bt_izvjestaji"_s, u"&Napravi"_s).onClick([this] { build(); });
    auto& print = m_main.add<Button>(u"fcShapeBtn28"_s, u"&Ispis"_s);
    print.setHint(u"Ispis izvještaja"_s);
    print.onClick([this] { printOrderList(); });

    auto& grid = m_main.add<GridControl>(kTable, kColumnCount, 2, 1, 1);
    grid.setRightAligned({0, 5, 6, 7, 8});
    GridTable& table = grid.table();
    table.setMultiLine(true);
    for (int c = 0; c < kColumnCount; ++c)
        table.setCell(c, 0, QString::fromUtf16(kColumns[c].title));

    for (int i = 0; i < int(std::size(kTotals)); ++i) {
        auto& total = m_main.add<NumberField>(QString::fromUtf16(kTotals[i].first), 2);
        total.setCaption(QString::fromUtf16(kTotalCaptions[i]));
        total.setReadOnly(true);
    }
}

void ReportsPage::setUp()
{
    auto& kinds = m_main.get<RadioGroup>(kKinds);
    if (kinds.index() == 0)
        kindChosen();
    else
        kinds.setIndex(0);
}

OrderListPrintout::Kind ReportsPage::kind() const
{
    return OrderListPrintout::Kind(std::max(0, m_main.get<RadioGroup>(kKinds).index()) + 1);
}

void ReportsPage::kindChosen()
{
    m_main.table(kTable).ResetRows(2);
    const OrderListPrintout::Kind k = kind();
    auto& person = m_main.get<TextField>(kPerson);
    if (!byPerson(k))
        person.setText(QString());
    person.setEnabled(byPerson(k));
    m_main.get<ChoiceList>(kPersonList).setEnabled(byPerson(k));
    auto& months = m_main.get<ChoiceList>(kMonths);
    months.setCurrentIndex(byMonth(k) ? 0 : -1);
    months.setEnabled(byMonth(k));
}

QString ReportsPage::inputProblem() const
{
    if (m_main.text(u"ed_sb_naziv").isEmpty())
        return u"Nije odabran subjekt (društvo) i nisu otvoreni nalozi."_s;
    if (m_main.get<GridControl>(u"sg_nalozi").table().cell(0, 0).isEmpty())
        return u"Nisu otvoreni nalozi."_s;
    const OrderListPrintout::Kind k = kind();
    if (byPerson(k) && m_main.text(kPerson).isEmpty())
        return u"Nije upisano ime osobe."_s;
    if (byMonth(k) && m_main.get<ChoiceList>(kMonths).currentIndex() < 0)
        return u"Nije odabran mjesec."_s;
    return {};
}

void ReportsPage::build()
{
    const QString problem = inputProblem();
    if (problem.isEmpty())
        fillTable();
    else
        m_main.dialogs().message(problem);
    computeTotals();
}

void ReportsPage::fillTable()
{
    const GridTable& orders = m_main.get<GridControl>(u"sg_nalozi").table();
    const GridTable& settlements = m_main.get<GridControl>(u"sg_obracun").table();
    GridTable& report = m_main.table(kTable);
    const OrderListPrintout::Kind k = kind();
    const QString person = m_main.text(kPerson);
    const QString month = m_main.text(kMonths);

    GridTable::Batch batch(report);
    report.ResetRows(2);
    for (int i = 0; i < orders.rowCount(); ++i) {
        if (byPerson(k) && orders.cell(OrderColumn::Traveller, i) != person)
            continue;
        if (byMonth(k) && orders.cell(OrderColumn::DepartureDate, i).mid(3, 2) != month)
            continue;
        if (!report.cell(0, report.rowCount() - 1).isEmpty())
            report.AppendRow();
        const int row = report.rowCount() - 1;
        for (int c = 0; c < kColumnCount; ++c) {
            const GridTable& source = kColumns[c].fromSettlement ? settlements : orders;
            report.setCell(c, row, source.cell(kColumns[c].column, i));
        }
    }
}

void ReportsPage::computeTotals()
{
    const GridTable& report = m_main.get<GridControl>(kTable).table();
    for (const auto& [field, column] : kTotals)
        m_main.get<NumberField>(QString::fromUtf16(field)).setValue(TroskoviSuma(report, column));
}

ReportEngine& ReportsPage::engine()
{
    if (!m_engine)
        m_engine = std::make_unique<ReportEngine>();
    return *m_engine;
}

QList<LaidOutPage> ReportsPage::orderListPages()
{
    const QString problem = inputProblem();
    if (!problem.isEmpty())
        throw AppError(problem);
    if (m_main.get<GridControl>(kTable).table().cell(0, 1).isEmpty())
        throw AppError(u"Nije kreirana tablica s podacima za izvještaj (gumb \"Napravi\")."_s);
    return engine().layout(m_orderList->produce(m_main, kind(), m_clock.today()));
}

QString ReportsPage::orderListTitle() const
{
    return OrderListPrintout::title(m_main, kind());
}

void ReportsPage::printOrderList()
{
    const QList<LaidOutPage> pages = orderListPages();
    m_main.dialogs().preview(pages, orderListTitle());
}

QList<LaidOutPage> ReportsPage::travelOrderPages()
{
    return engine().layout(m_travelOrder->produce(m_main));
}

QString ReportsPage::travelOrderTitle() const
{
    return TravelOrderPrintout::title(m_main);
}

void ReportsPage::printTravelOrder()
{
    m_main.setStatus(1, u"Ispisujem"_s);
    const QList<LaidOutPage> pages = travelOrderPages();
    m_main.dialogs().preview(pages, travelOrderTitle());
    m_main.setStatus(1, u"Ispis gotov"_s);
}

} // namespace selvana
