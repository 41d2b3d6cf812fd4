// The seams between windows: requests to open the other windows, and what those windows read
// from and write into the main window through its narrow interfaces.
#include "OpenBook.h"
#include "distances/DistancesHost.h"
#include "expenses/ExpenseKind.h"
#include "loko/LokoHost.h"
#include "mainwindow/MainWindowModel.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace selvana {

class SeamsTest : public QObject {
    Q_OBJECT
private slots:
    void windowRequests();
    void distancesHostReadsAndWrites();
    void lokoHostReads();
};

void SeamsTest::windowRequests()
{
    test::OpenBook b;
    b.start();
    auto& w = b.w();
    w.click(u"bt_loko");
    w.click(u"fcShapeBtn31");
    const QStringList items = w.items(u"cb_tablice_odabir_1");
    for (int i : {9, 10, 11})
        w.choose(u"cb_tablice_odabir_1", items.at(i));
    QCOMPARE(b.tmp.windows.requests, (QStringList{u"Loko 0"_s, u"Udaljenosti 0"_s, u"Udaljenosti 2"_s,
                                                  u"Udaljenosti 0"_s, u"Udaljenosti 1"_s}));
}

void SeamsTest::distancesHostReadsAndWrites()
{
    test::OpenBook b;
    b.start();
    auto& w = b.w();
    DistancesHost& host = w;
    QVERIFY(host.isBookOpen());
    QCOMPARE(host.orderNumber(), u"1"_s); // the number a new order gets
    w.click(u"bt_nalog_dodaj_prazan");
    w.setText(u"nl_4", u"Ana Horvat"_s);
    w.setText(u"nl_8", u"Split"_s);
    QCOMPARE(host.traveller(), u"Ana Horvat"_s);
    QCOMPARE(host.destination(), u"Split"_s);
    QCOMPARE(host.subjectName(), u"Primjer d.o.o."_s);
    QCOMPARE(host.year(), 2013);

    // Entry fields are set as if typed: their rules run, a bad text is refused.
    const ExpenseKindSpec& transport = expenseKindSpec(ExpenseKind::Prijevoz);
    host.setEntryField(ExpenseKind::Prijevoz, 1, u"Zagreb - Split"_s);
    QCOMPARE(w.text(transport.fieldName(1)), u"Zagreb - Split"_s);
    host.setEntryField(ExpenseKind::Prijevoz, 6, u"412,5"_s);
    QCOMPARE(w.text(transport.fieldName(6)), u"412,50"_s);
    QVERIFY_THROWS_EXCEPTION(std::exception, host.setEntryField(ExpenseKind::Prijevoz, 6, u"dvanaest"_s));
    QCOMPARE(w.text(transport.fieldName(6)), u"412,50"_s);

    // A per-diem line lands in the sheet and in the book.
    host.addPerDiemLine({u"Hrvatska"_s, u"170"_s, u"2"_s, u"0"_s, u"340"_s, u"HRK"_s, u"1"_s, u"340"_s});
    QCOMPARE(b.tmp.dialogs.messages, QStringList());
    QCOMPARE(w.table(u"sg_tr_dnevnice").cell(1, 1), u"Hrvatska"_s);
    QCOMPARE(w.text(u"nl_20"), u"340,00"_s);
    b.start();
    QCOMPARE(b.w().text(u"nl_20"), u"340,00"_s);
}

void SeamsTest::lokoHostReads()
{
    test::OpenBook b;
    b.start();
    LokoHost& host = b.w();
    QCOMPARE(host.subjectNumber(), u"100"_s);
    QCOMPARE(host.subjectName(), u"Primjer d.o.o."_s);
    QCOMPARE(host.subjectRecord().mid(0, 2), (QStringList{u"100"_s, u"Primjer d.o.o."_s}));
    QCOMPARE(host.year(), 2013);
}

} // namespace selvana

QTEST_GUILESS_MAIN(selvana::SeamsTest)
#include "tst_seams.moc"
