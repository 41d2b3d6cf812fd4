#pragma once

#include "reports/PrintoutParts.h"
#include "reports/Report.h"

#include <memory>
#include <vector>

namespace selvana {

class Form;

// rp_nalog: the shown order as the paper travel order, then on a new page its
// settlement with a table per expense sheet that has records. Read from the
// window's fields and sheets as they stand; it changes none of them.
class TravelOrderPrintout {
public:
    TravelOrderPrintout();
    TravelOrderPrintout(const TravelOrderPrintout&) = delete;
    TravelOrderPrintout& operator=(const TravelOrderPrintout&) = delete;

    // Empties every value of the last production, then fills them from the window.
    // The report reads the sheets while it is laid out, so lay it out before they change.
    const Report& produce(Form& form);

    // "Putni nalog 7/2013"
    static QString title(const Form& form);

private:
    Report m_report;
    std::vector<std::unique_ptr<printout::GridPipeline>> m_pipelines; // pl_akn, pl_dnv, pl_prj, pl_ost
};

} // namespace selvana
