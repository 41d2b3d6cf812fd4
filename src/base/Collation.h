#pragma once

#include <QList>
#include <QString>

namespace selvana::Collation {

// Croatian alphabetical order without regard to case (Č after C, Š after S, Ž last).
int compare(const QString& a, const QString& b);
// Stable order of the indices of texts, alphabetical as compare().
QList<int> sortedOrder(const QList<QString>& texts);

} // namespace selvana::Collation
