#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QRandomGenerator;

namespace selvana::bench {

// A random amount in its cell form ("12.345,67") and a random date of 2013 ("05.03.2013").
QString amount(QRandomGenerator& rng);
QString date(QRandomGenerator& rng);

// A data folder below root with subject 100 and a book of n orders of 2013 in the stored
// text forms, each with one record on the advance, per-diem and transport sheets.
void generateBook(const QString& root, int n);

// Writes bytes to a file in one go: the floor any save of the same bytes can reach.
void writeRaw(const QString& path, const QByteArray& bytes);

// The median time of runs of an action, in milliseconds.
double medianMs(int runs, const std::function<void()>& run);

} // namespace selvana::bench
