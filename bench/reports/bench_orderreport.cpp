// The yearly order list of a 10,000-order book, the way the program makes it: "Napravi"
// fills the report table, the list is laid out into pages and written as PDF. Each step
// is timed and printed with pages per second. An argument names a file to keep the PDF in.

#include "BenchRun.h"
#include "BookGenerator.h"
#include "app/Application.h"
#include "reports/ReportPainter.h"
#include "reports/ReportsPage.h"
#include "storage/GridTable.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace selvana;
using bench::medianMs;

int main(int argc, char** argv)
{
    QGuiApplication qtApp(argc, argv);
    constexpr int kOrders = 10000;
    QTemporaryDir dir;
    bench::generateBook(dir.path(), kOrders);
    bench::BenchRun run(dir.path());
    Application& app = run.app;
    MainWindowModel& w = app.main();
    w.setValue(u"nl_1", 2013);
    w.click(u"bt_otv_knj_nlg");
    ReportsPage& reports = w.reports();

    const double build = medianMs(5, [&] { w.click(u"bt_izvjestaji"); });
    const int rows = w.table(u"sg_izvjestaji").rowCount() - 1;
    reports.orderListPages(); // measures every text once: the first layout of a run
    QList<LaidOutPage> pages;
    const double layout = medianMs(5, [&] { pages = reports.orderListPages(); });
    const QString pdf = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.path() + u"/popis.pdf"_s;
    const double write = medianMs(3, [&] { ReportPainter::writePdf(pdf, pages, reports.orderListTitle()); });

    const auto perSecond = [&pages](double ms) { return ms > 0 ? pages.size() * 1000.0 / ms : 0.0; };
    std::printf("yearly list of %d orders: %lld pages, %.1f MB PDF\n", rows, qint64(pages.size()),
                double(QFileInfo(pdf).size()) / 1e6);
    std::printf("build the table (\"Napravi\"): %.1f ms\n", build);
    std::printf("lay out: %.1f ms (%.0f pages/s)\n", layout, perSecond(layout));
    std::printf("write PDF: %.1f ms (%.0f pages/s)\n", write, perSecond(write));
    return 0;
}
