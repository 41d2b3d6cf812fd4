#pragma once

#include "reports/LaidOutPage.h"

#include <QList>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace selvana {

// Paints laid-out pages on a printer, the print preview or a PDF file.
class ReportPainter {
public:
    // The painter is active on a paged device whose page is described by
    // deviceLayout; pages after the first are started on that device.
    static void paint(QPainter& painter, const QList<LaidOutPage>& pages, const QPageLayout& deviceLayout);
    // Sets the device's paper size and orientation to the report's, then paints.
    // False when painting cannot start on the device.
    static bool print(QPagedPaintDevice& device, const QList<LaidOutPage>& pages);
    // Writes the whole file or nothing; throws AppError when it cannot be saved.
    static void writePdf(const QString& path, const QList<LaidOutPage>& pages, const QString& title = {});
};

} // namespace selvana
