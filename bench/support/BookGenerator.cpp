#include "BookGenerator.h"

#include "storage/GridTable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace selvana::bench {

QString amount(QRandomGenerator& rng)
{
    const int cents = int(rng.bounded(1, 500000));
    QString whole = QString::number(cents / 100);
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, u'.');
    return whole + u',' + QString::number(cents % 100).rightJustified(2, u'0');
}

QString date(QRandomGenerator& rng)
{
    return u"%1.%2.2013"_s.arg(rng.bounded(1, 29), 2, 10, QChar(u'0'))
        .arg(rng.bounded(1, 13), 2, 10, QChar(u'0'));
}

void generateBook(const QString& root, int n)
{
    const QString data = root + u"/KVA_PUT/"_s;
    QDir().mkpath(data);
    GridTable subjects(9, 1);
    subjects.setCell(0, 0, u"100"_s);
    subjects.setCell(1, 0, u"Primjer d.o.o."_s);
    subjects.setCell(2, 0, u"Ilica 1"_s);
    subjects.SaveToTableFile(data + u"subjekti.txt"_s);

    const QStringList names{u"Ivana Horvat"_s, u"Marko Kovačević"_s, u"Ana Babić"_s,   u"Željko Marić"_s,
                            u"Đurđa Jurić"_s,  u"Luka Novak"_s,      u"Petra Šimić"_s, u"Josip Vuković"_s};
    const QStringList places{u"Split"_s,  u"Čakovec"_s, u"Osijek"_s,
                             u"Rijeka"_s, u"Šibenik"_s, u"Beč, Austrija"_s};
    QRandomGenerator rng(2013);
    const auto pick = [&rng](const QStringList& list) { return list.at(rng.bounded(int(list.size()))); };
    GridTable orders(19, n);
    GridTable settlements(21, n);
    for (int r = 0; r < n; ++r) {
        const QString number = QString::number(r + 1);
        const QString name = pick(names);
        const QString departure = date(rng);
        const QStringList order = {number,
                                   u"2013"_s,
                                   u"Zagreb"_s,
                                   departure,
                                   name,
                                   u"dipl. ing."_s,
                                   u"inženjer"_s,
                                   departure,
                                   pick(places),
                                   u"Sastanak s dobavljačem\\\\Pregled"_s,
                                   u"1"_s,
                                   u"170"_s,
                                   u"1000"_s,
                                   u"tisućukuna"_s,
                                   u"osobni auto"_s,
                                   u"osobni auto"_s,
                                   u"8"_s,
                                   u"Račun"_s,
                                   u"Obavljeno."_s};
        for (int c = 0; c < 19; ++c)
            orders.setCell(c, r, order[c]);
        const QStringList settlement = {number,
                                        name,
                                        u"1"_s,
                                        departure,
                                        departure,
                                        u"08:00"_s,
                                        u"18:00"_s,
                                        u"6/2\\1|1.000,00|HRK|1,000000|1.000,00|\\"_s,
                                        u"1,00"_s,
                                        u"10/2\\1|Hrvatska|170,00|1,00|0,00|170,00|HRK|1,000000|170,00|\\"_s,
                                        u"170,00"_s,
                                        u"11/2\\1|Zagreb-Split|osobni auto|12.000|12.820|820,00|"_s +
                                            amount(rng) + u"|HRK|1,000000|0,00|\\"_s,
                                        amount(rng),
                                        QString(),
                                        QString(),
                                        amount(rng),
                                        QString(),
                                        amount(rng),
                                        departure + u'.',
                                        u"Zagreb"_s,
                                        u"10"_s};
        for (int c = 0; c < 21; ++c)
            settlements.setCell(c, r, settlement[c]);
    }
    orders.SaveToTableFile(data + u"100_2013_nalozi.txt"_s);
    settlements.SaveToTableFile(data + u"100_2013_obracun.txt"_s);
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

double medianMs(int runs, const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace selvana::bench
