// Times saving and loading a large settlement-sized table beside a raw write and read of the
// same bytes, so the figures say what the format itself costs on this machine.

#include "BookGenerator.h"
#include "storage/GridTable.h"
#include "storage/TableFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;
using namespace selvana;
using bench::amount;
using bench::date;

namespace {

constexpr int kRows = 10000;
constexpr int kCols = 21;
constexpr int kRuns = 9;

GridTable settlementBook()
{
    const QStringList names{u"Ivana Horvat"_s, u"Marko Kovačević"_s, u"Ana Babić"_s,   u"Željko Marić"_s,
                            u"Đurđa Jurić"_s,  u"Luka Novak"_s,      u"Petra Šimić"_s, u"Josip Vuković"_s};
    const QStringList places{u"Zagreb"_s, u"Split"_s,   u"Čakovec"_s, u"Osijek"_s,
                             u"Rijeka"_s, u"Šibenik"_s, u"Požega"_s,  u"Beč, Austrija"_s};
    const QStringList purposes{u"Sastanak s dobavljačem"_s, u"Seminar o zaštiti na radu"_s,
                               u"Preuzimanje opreme"_s, u"Sajam; predstavljanje proizvoda"_s};
    QRandomGenerator rng(20240301);
    const auto pick = [&rng](const QStringList& list) { return list.at(rng.bounded(int(list.size()))); };

    GridTable book(kCols, kRows);
    GridTable::Batch batch(book);
    for (int r = 0; r < kRows; ++r) {
        book.setCell(0, r, QString::number(r + 1));
        book.setCell(1, r, pick(names));
        book.setCell(2, r, pick(places));
        book.setCell(3, r, date(rng));
        book.setCell(4, r, date(rng));
        book.setCell(5, r, pick(purposes));
        book.setCell(6, r, amount(rng));
        // Packed expense sheets, as the settlement table holds them.
        book.setCell(7, r, u"6/2\\1|"_s + date(rng) + u'|' + amount(rng) + u"|HRK|1|\\"_s);
        book.setCell(9, r,
                     u"10/2\\1|Hrvatska|"_s + amount(rng) + u"|1|0|"_s + amount(rng) + u"|EUR|7,534567|"_s +
                         amount(rng) + u"|\\"_s);
        for (int c = 10; c < kCols; ++c) {
            if (c % 3 != 0)
                book.setCell(c, r, amount(rng));
        }
    }
    return book;
}

// prepare runs untimed before each run, as the program empties a table before loading it.
double medianMs(const std::function<void()>& run, const std::function<void()>& prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString tablePath = dir.filePath(u"obracun.txt"_s);
    const QString rawPath = dir.filePath(u"raw.txt"_s);

    const GridTable book = settlementBook();
    const QByteArray bytes = encodeTableFile(book);

    const double save = medianMs([&] { book.SaveToTableFile(tablePath); });
    const double rawWrite = medianMs([&] {
        QFile file(rawPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("raw write failed");
    });

    GridTable loaded(kCols, 1);
    const double load = medianMs([&] { loaded.LoadFromTableFile(tablePath); }, [&] { loaded.ResetRows(1); });
    const bool same = encodeTableFile(loaded) == bytes;
    const double rawRead = medianMs([&] {
        QFile file(rawPath);
        if (!file.open(QIODevice::ReadOnly) || file.readAll().size() != bytes.size())
            qFatal("raw read failed");
    });
    if (!same)
        qFatal("the loaded table differs from the saved one");

    std::printf("table file %dx%d: %.1f MB\n", kCols, kRows, double(bytes.size()) / 1e6);
    std::printf("table-file save %dx%d: %.1f ms (raw write %.1f ms)\n", kRows, kCols, save, rawWrite);
    std::printf("table-file load %dx%d: %.1f ms (raw read %.1f ms)\n", kRows, kCols, load, rawRead);
    return 0;
}
