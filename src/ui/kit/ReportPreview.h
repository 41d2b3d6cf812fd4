#pragma once

#include "reports/LaidOutPage.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace selvana {

// The print preview of a laid-out printout: from here the user prints it on a real
// printer, or saves it as a PDF file ("Spremi PDF"). Returns when it is closed.
// A file that cannot be saved is reported through showError.
void showReportPreview(const QList<LaidOutPage>& pages, const QString& title,
                       const std::function<void(const QString&)>& showError, QWidget* parent = nullptr);

} // namespace selvana
