#pragma once

#include "reports/LaidOutPage.h"
#include "reports/Report.h"

#include <QList>

#include <memory>

namespace selvana {

class TextMeasurer;

// Lays a report out into pages of placed items. Nothing is painted here, so
// what a printout contains can be checked page by page. Keep one engine to
// reuse its text measurements between layouts.
class ReportEngine {
public:
    ReportEngine();
    ~ReportEngine();
    ReportEngine(const ReportEngine&) = delete;
    ReportEngine& operator=(const ReportEngine&) = delete;

    QList<LaidOutPage> layout(const Report& report);

private:
    std::unique_ptr<TextMeasurer> m_measurer;
};

} // namespace selvana
