// Times the expense pages on a large book: adding one record (totals recomputed, the whole
// book saved) and showing an order with 20 records on each sheet, each beside the raw write
// of the same two files in the same run.

#include "BenchRun.h"
#include "BookGenerator.h"
#include "app/Application.h"
#include "expenses/ExpenseKind.h"
#include "storage/GridTable.h"
#include "storage/PackedTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using namespace selvana;
using bench::medianMs;

namespace {

// A sheet of records whose every column holds a value of its format.
QString fullSheet(const ExpenseKindSpec& kind, int records)
{
    GridTable sheet(kind.columnCount(), records + 1, 1, 1);
    for (int r = 1; r <= records; ++r)
        for (int c = 1; c < kind.columnCount(); ++c)
            sheet.setCell(c, r,
                          kind.columns[c].format == CellFormat::Text
                              ? u"Tekst %1"_s.arg(r)
                              : formatCell(r * 12.5, kind.columns[c].format));
    sheet.NumberRows(0);
    return PackTable(sheet);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qtApp(argc, argv);
    constexpr int kOrders = 9990;
    constexpr int kRecords = 20;
    QTemporaryDir dir;
    bench::generateBook(dir.path(), kOrders);
    const QString nalozi = dir.path() + u"/KVA_PUT/100_2013_nalozi.txt"_s;
    const QString obracun = dir.path() + u"/KVA_PUT/100_2013_obracun.txt"_s;

    // Order 5000 carries 20 records on every sheet.
    const int fullOrder = 5000;
    {
        GridTable settlements;
        settlements.LoadFromTableFile(obracun);
        for (const ExpenseKindSpec& kind : expenseKindSpecs())
            settlements.setCell(kind.settlementColumn, fullOrder - 1, fullSheet(kind, kRecords));
        settlements.SaveToTableFile(obracun);
    }

    bench::BenchRun run(dir.path());
    Application& app = run.app;
    MainWindowModel& w = app.main();
    w.setValue(u"nl_1", 2013);
    w.click(u"bt_otv_knj_nlg");

    QByteArray rawBytes;
    for (const QString& path : {nalozi, obracun}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("raw read failed");
        rawBytes += file.readAll();
    }
    const double rawWrite = medianMs(5, [&] { bench::writeRaw(dir.path() + u"/raw.txt"_s, rawBytes); });

    std::vector<double> shows;
    for (int i = 0; i < 21; ++i) {
        w.setValue(u"nl_0", fullOrder + 1);
        QElapsedTimer timer;
        timer.start();
        w.setValue(u"nl_0", fullOrder);
        shows.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(shows.begin(), shows.end());
    const double show = shows[shows.size() / 2];
    if (w.table(u"sg_tr_ostali").rowCount() != kRecords + 1)
        qFatal("the order with full sheets was not shown");

    w.setText(u"ed_tr_ostali_2", u"12,50"_s);
    w.setText(u"ed_tr_ostali_4", u"1"_s);
    const double add = medianMs(5, [&] { w.click(u"fcShapeBtn18"); });
    if (w.table(u"sg_tr_ostali").rowCount() != kRecords + 6)
        qFatal("the records were not added");

    std::printf("order book of %d orders (%.1f MB in two files), %d records per sheet\n", kOrders,
                double(rawBytes.size()) / 1e6, kRecords);
    std::printf("add expense record: %.1f ms (raw write of both files %.1f ms)\n", add, rawWrite);
    std::printf("show order with %d records per sheet: %.2f ms (raw write of both files %.1f ms)\n", kRecords,
                show, rawWrite);
    return 0;
}
