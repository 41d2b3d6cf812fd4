#pragma once

#include "reports/LaidOutPage.h"
#include "reports/OrderListPrintout.h"

#include <QList>
#include <QString>

#include <memory>

namespace selvana {

class Clock;
class Form;
class ReportEngine;
class TravelOrderPrintout;

// The "Izvještaji" page: lists of the book's orders, and the printing of the shown order.
class ReportsPage {
public:
    ReportsPage(Form& form, Clock& clock);
    ~ReportsPage();

    // Start-up: the report kinds, the first one chosen.
    void setUp();

    // rg_izvjestaji's item as a kind.
    OrderListPrintout::Kind kind() const;

    // The first check that both buttons fail, as its message; empty when all pass.
    QString inputProblem() const;
    // "&Napravi": the orders of the chosen kind into sg_izvjestaji, then its totals.
    void build();
    // The list as printed; throws the check messages, or when nothing was built.
    QList<LaidOutPage> orderListPages();
    QString orderListTitle() const;
    // "&Ispis" of the page: the list in the preview.
    void printOrderList();

    // The shown order as printed, from the fields and sheets as they stand.
    QList<LaidOutPage> travelOrderPages();
    QString travelOrderTitle() const;
    // "&Ispis" of the order page: the order in the preview.
    void printTravelOrder();

private:
    void declare();
    void kindChosen();
    void fillTable();
    void computeTotals();
    ReportEngine& engine();

    Form& m_main;
    Clock& m_clock;
    std::unique_ptr<ReportEngine> m_engine; // made at the first printout: it measures with real fonts
    std::unique_ptr<TravelOrderPrintout> m_travelOrder;
    std::unique_ptr<OrderListPrintout> m_orderList;
};

} // namespace selvana
