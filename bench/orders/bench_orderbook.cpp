// Times the order book's everyday actions on a large book, each beside a raw read or write
// of the same files in the same run. "--generate DIR [N]" only writes a data folder with
// subject 100 and a book of N orders (default 10,000) for 2013, to open in the program.

#include "BenchRun.h"
#include "BookGenerator.h"
#include "app/Application.h"
#include "orders/OrderBook.h"
#include "storage/GridTable.h"
#include "storage/TableFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace selvana;
using bench::generateBook;
using bench::medianMs;

int main(int argc, char** argv)
{
    QCoreApplication qtApp(argc, argv);
    const QStringList args = qtApp.arguments();
    if (args.size() >= 3 && args[1] == u"--generate") {
        generateBook(args[2], args.size() >= 4 ? args[3].toInt() : 10000);
        return 0;
    }

    constexpr int kOrders = 9990; // order numbers stop at 10.000: leave room to add
    QTemporaryDir dir;
    generateBook(dir.path(), kOrders);
    bench::BenchRun run(dir.path());
    Application& app = run.app;
    MainWindowModel& w = app.main();
    w.setValue(u"nl_1", 2013);

    const double open = medianMs(5, [&] { w.click(u"bt_otv_knj_nlg"); });
    const QString nalozi = dir.path() + u"/KVA_PUT/100_2013_nalozi.txt"_s;
    const QString obracun = dir.path() + u"/KVA_PUT/100_2013_obracun.txt"_s;
    QByteArray rawBytes;
    const double rawRead = medianMs(5, [&] {
        rawBytes.clear();
        for (const QString& path : {nalozi, obracun}) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                qFatal("raw read failed");
            rawBytes += file.readAll();
        }
    });

    const double next = medianMs(50, [&] { w.click(u"fcShapeBtn10"); });
    const double add = medianMs(5, [&] { w.click(u"bt_nalog_dodaj_pun"); });
    const double lists = medianMs(5, [&] { app.main().orderBook().rebuildLists(); });
    const double save = medianMs(5, [&] {
        SaveTableFiles({{&w.table(u"sg_nalozi"), nalozi}, {&w.table(u"sg_obracun"), obracun}});
    });
    const double rawWrite = medianMs(5, [&] { bench::writeRaw(dir.path() + u"/raw.txt"_s, rawBytes); });

    std::printf("order book of %d orders (%.1f MB in two files)\n", kOrders, double(rawBytes.size()) / 1e6);
    std::printf("open book: %.1f ms (raw read of both files %.1f ms)\n", open, rawRead);
    std::printf("add order: %.1f ms (raw write of both files %.1f ms)\n", add, rawWrite);
    std::printf("  of which: both files saved %.1f ms, both order lists rebuilt %.1f ms\n", save, lists);
    std::printf("next order: %.2f ms\n", next);
    return 0;
}
