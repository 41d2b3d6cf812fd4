#pragma once

#include "reports/PrintoutParts.h"
#include "reports/Report.h"

#include <QDate>

namespace selvana {

class Form;

// rp_izvjestaji: the report table sg_izvjestaji printed as "Popis putnih naloga"
// with the subject's letterhead, the totals below and the print date and "n/m"
// on every page.
class OrderListPrintout {
public:
    enum Kind { Yearly = 1, YearlyForPerson, Monthly, MonthlyForPerson };

    OrderListPrintout();
    OrderListPrintout(const OrderListPrintout&) = delete;
    OrderListPrintout& operator=(const OrderListPrintout&) = delete;

    // Empties the values of the last production and fills them from the window; the
    // records are read from the report table while the report is laid out.
    const Report& produce(Form& form, Kind kind, const QDate& printDate);

    // "Popis putnih naloga za 3. mjesec 2013. godine (djelatnik: Ana Horvat)"
    static QString title(const Form& form, Kind kind);

private:
    Report m_report;
    printout::GridPipeline m_records;
};

} // namespace selvana
