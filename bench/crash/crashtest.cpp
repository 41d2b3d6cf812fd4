// Saves a large book over and over in a child process, kills the child at random moments
// and checks after each kill that the book opens as a pair of one version: "N kills, 0 torn".
//   crashtest [KILLS] [ORDERS]
#include "base/AppError.h"
#include "orders/BookFiles.h"
#include "storage/GridTable.h"
#include "storage/TableFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace selvana;
using namespace Qt::StringLiterals;

namespace {

constexpr int kOrderColumns = 19;
constexpr int kSettlementColumns = 21;

// Version v of the book: its row count and the first traveller change with every version,
// and both files carry the traveller, so a pair from two versions shows.
void makeVersion(int v, int orders, GridTable& nalozi, GridTable& obracun)
{
    const int rows = orders + v % 3;
    nalozi = GridTable(kOrderColumns, rows);
    obracun = GridTable(kSettlementColumns, rows);
    for (int r = 0; r < rows; ++r) {
        const QString number = QString::number(r + 1);
        const QString name = r == 0 ? u"Verzija "_s + QString::number(v) : u"Putnik "_s + number;
        nalozi.setCell(0, r, number);
        nalozi.setCell(4, r, name);
        for (int c = 5; c < kOrderColumns; ++c)
            nalozi.setCell(c, r, u"Zagreb - Rijeka - Split, službeni put "_s + number);
        obracun.setCell(0, r, number);
        obracun.setCell(1, r, name);
        obracun.setCell(7, r, u"6/3\\1|1.000,00|EUR|1,000000|1.000,00|x\\2|500,00|EUR|1,000000|500,00|y\\"_s);
    }
}

int child(const QString& folder, int orders)
{
    GridTable nalozi, obracun;
    for (int v = 1;; ++v) {
        makeVersion(v, orders, nalozi, obracun);
        SaveTableFiles(
            {{&nalozi, folder + u"/100_2013_nalozi.txt"_s}, {&obracun, folder + u"/100_2013_obracun.txt"_s}});
        std::printf("%d\n", v);
        std::fflush(stdout);
    }
}

// True when the book opens and both files are of one version.
bool bookIsWhole(const QString& folder, QString& why)
{
    GridTable nalozi(kOrderColumns, 1), obracun(kSettlementColumns, 1);
    try {
        loadBookFiles(folder + u"/100_2013_nalozi.txt"_s, folder + u"/100_2013_obracun.txt"_s, nalozi,
                      obracun, false);
    } catch (const AppError& error) {
        why = error.text();
        return false;
    }
    for (int r = 0; r < nalozi.rowCount(); ++r) {
        if (nalozi.cell(4, r) != obracun.cell(1, r)) {
            why = u"row %1: \"%2\" / \"%3\""_s.arg(r + 1).arg(nalozi.cell(4, r), obracun.cell(1, r));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == u"--child")
        return child(args.value(2), args.value(3).toInt());

    const int kills = args.size() > 1 ? args.at(1).toInt() : 1000;
    const int orders = args.size() > 2 ? args.at(2).toInt() : 9990;
    QTemporaryDir dir;
    const QString folder = dir.path();

    // How long one save takes, so the kills fall anywhere within a save.
    GridTable nalozi, obracun;
    makeVersion(0, orders, nalozi, obracun);
    QElapsedTimer timer;
    timer.start();
    SaveTableFiles(
        {{&nalozi, folder + u"/100_2013_nalozi.txt"_s}, {&obracun, folder + u"/100_2013_obracun.txt"_s}});
    const qint64 saveMs = std::max<qint64>(1, timer.elapsed());
    std::printf("book of %d orders, one save %lld ms\n", orders, static_cast<long long>(saveMs));

    int torn = 0;
    QRandomGenerator random(20261211);
    for (int k = 1; k <= kills; ++k) {
        QProcess process;
        process.start(app.applicationFilePath(), {u"--child"_s, folder, QString::number(orders)});
        if (!process.waitForStarted()) {
            std::fprintf(stderr, "the child did not start\n");
            return 2;
        }
        // Let it finish a save or two, then kill it anywhere in the next ones.
        process.waitForReadyRead(10'000);
        QThread::usleep(random.bounded(quint32(3 * saveMs * 1000)));
        process.kill();
        process.waitForFinished();
        QString why;
        if (!bookIsWhole(folder, why)) {
            ++torn;
            std::fprintf(stderr, "kill %d: torn book: %s\n", k, qPrintable(why));
        }
        if (k % 100 == 0)
            std::printf("%d kills ...\n", k);
        std::fflush(stdout);
    }
    std::printf("%d kills, %d torn\n", kills, torn);
    return torn == 0 ? 0 : 1;
}
