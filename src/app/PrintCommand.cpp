#include "app/PrintCommand.h"

#include "app/Application.h"
#include "base/AppError.h"
#include "orders/OrderBook.h"
#include "orders/OrderPage.h"
#include "orders/SubjectsPage.h"
#include "reports/ReportPainter.h"
#include "reports/ReportsPage.h"
#include "storage/GridTable.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

const QString kOrderUsage =
    u"Upotreba: selvana --data-dir MAPA --print-order SUBJEKT GODINA BROJ --pdf DATOTEKA"_s;
const QString kListUsage =
    u"Upotreba: selvana --data-dir MAPA --print-report SUBJEKT GODINA VRSTA [--month MM] [--person IME] --pdf DATOTEKA"_s;

void chooseSubject(MainWindowModel& w, const QString& number)
{
    const auto& entries = w.get<ChoiceList>(u"cb_subjekti").entries();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&number](const ChoiceList::Entry& e) { return e.value == number; });
    if (number.isEmpty() || found == entries.end())
        throw AppError(u"Subjekt "_s + number + u" ne postoji."_s);
    w.choose(u"cb_subjekti", found->text);
    if (w.subjects().currentNumber() != number)
        throw AppError(u"Subjekt "_s + number + u" ne postoji."_s);
}

// Every error already went to standard error; a printout made without the data it names
// would be wrong.
void requireNoErrors(const MainWindowModel& w)
{
    if (w.errorCount() > 0)
        throw AppError(u"Ispis nije napravljen zbog gornje pogreške."_s);
}

void openBook(MainWindowModel& w, const QString& subject, const QString& yearText)
{
    bool ok = false;
    const int year = yearText.toInt(&ok);
    if (ok)
        w.setValue(u"nl_1", year);
    // The year field keeps to its range; a year it does not take is not this one.
    if (!ok || w.text(u"nl_1") != QString::number(year))
        throw AppError(u"Godina "_s + yearText + u" nije ispravna."_s);
    w.click(u"bt_otv_knj_nlg");
    requireNoErrors(w);
    if (!w.orderBook().isOpen() || !w.table(u"sg_nalozi").hasData())
        throw AppError(u"Subjekt "_s + subject + u" nema knjigu naloga za "_s + yearText + u". godinu."_s);
}

void showOrder(MainWindowModel& w, const QString& numberText)
{
    const AppError missing(u"Nalog broj "_s + numberText + u" ne postoji u knjizi naloga za "_s +
                           w.text(u"nl_1") + u". godinu."_s);
    bool ok = false;
    const int number = numberText.toInt(&ok);
    if (!ok || number < 1)
        throw missing;
    w.setValue(u"nl_0", number);
    GridTable& orders = w.table(u"sg_nalozi");
    if (w.value(u"nl_0") != number || orders.cell(0, orders.currentRow()) != QString::number(number))
        throw missing;
    if (w.orderBook().shownOrderDamaged())
        throw AppError(w.orderPage().damageText());
}

void chooseReport(MainWindowModel& w, const PrintRequest& request)
{
    bool ok = false;
    const QString kindText = request.arguments.at(2);
    const int kind = kindText.toInt(&ok);
    if (!ok || kind < 1 || kind > 4)
        throw AppError(u"Vrsta izvještaja mora biti 1, 2, 3 ili 4."_s);
    w.click(QString(u"rg_izvjestaji_"_s + QString::number(kind - 1)));
    const bool monthly = kind >= 3;
    const bool forPerson = kind == 2 || kind == 4;

    if (!request.month.isEmpty()) {
        if (!monthly)
            throw AppError(u"Uz vrstu izvještaja "_s + kindText + u" ne zadaje se mjesec."_s);
        const int month = request.month.toInt(&ok);
        if (!ok || month < 1 || month > 12 || request.month.size() > 2)
            throw AppError(u"Mjesec mora biti od 01 do 12."_s);
        w.choose(u"cb_izv_mjeseci", QString::number(month).rightJustified(2, u'0'));
    } else if (monthly) {
        // The page starts a monthly report at January; here the month must be asked for.
        w.setText(u"cb_izv_mjeseci", QString());
    }
    if (!request.person.isEmpty()) {
        if (!forPerson)
            throw AppError(u"Uz vrstu izvještaja "_s + kindText + u" ne zadaje se djelatnik."_s);
        w.setText(u"ed_izv_putnik", request.person);
    }
}

void run(Application& app, const PrintRequest& request)
{
    const bool order = request.what == PrintRequest::Order;
    if (request.arguments.size() != 3)
        throw AppError(order ? kOrderUsage : kListUsage);
    if (request.pdf.isEmpty())
        throw AppError(u"Nije zadana PDF datoteka (--pdf DATOTEKA)."_s);
    // A mistyped folder must not be created as an empty data folder.
    if (!QFileInfo(app.folders().dataFolder()).isDir())
        throw AppError(u"Mapa s podacima ne postoji: "_s +
                       QDir::toNativeSeparators(app.folders().dataFolder()));
    if (!app.start())
        throw AppError(u"Program nije pokrenut."_s);

    MainWindowModel& w = app.main();
    requireNoErrors(w);
    const QString subject = request.arguments.at(0);
    chooseSubject(w, subject);
    openBook(w, subject, request.arguments.at(1));
    requireNoErrors(w);
    ReportsPage& reports = w.reports();
    if (order) {
        showOrder(w, request.arguments.at(2));
        ReportPainter::writePdf(request.pdf, reports.travelOrderPages(), reports.travelOrderTitle());
        return;
    }
    chooseReport(w, request);
    if (const QString problem = reports.inputProblem(); !problem.isEmpty())
        throw AppError(problem);
    reports.build();
    if (w.table(u"sg_izvjestaji").cell(0, 1).isEmpty())
        throw AppError(u"Nijedan nalog ne odgovara zadanom izvještaju."_s);
    ReportPainter::writePdf(request.pdf, reports.orderListPages(), reports.orderListTitle());
}

} // namespace

int runPrintCommand(Application& app, const PrintRequest& request)
{
    try {
        run(app, request);
        return 0;
    } catch (const AppError& error) {
        app.environment().dialogs->message(error.text());
        return 1;
    }
}

} // namespace selvana
