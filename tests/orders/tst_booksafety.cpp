#include "OpenBook.h"
#include "TestFiles.h"
#include "mainwindow/MainWindowModel.h"
#include "orders/OrderBook.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace selvana {

using test::readFile;

namespace {

// Three orders: 1 holds a TAB in its traveller (typing refuses it, a stored one is fine),
// 2 has an advances sheet whose counts are no numbers, 3 is plain.
constexpr char kOrders[] = "19,3\r\n0,0,1\r\n4,0,Ana\tMaric\r\n0,1,2\r\n4,1,Ivo\r\n0,2,3\r\n4,2,Eva\r\n";
constexpr char kSettlements[] = "21,3\r\n0,0,1\r\n19,0,x\r\n0,1,2\r\n7,1,x/y\\\r\n0,2,3\r\n19,2,Rijeka\r\n";

} // namespace

class BookSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void outOfStepBookIsNotOpened_data();
    void outOfStepBookIsNotOpened();
    void damagedOrderIsShownWithoutItsDamage();
    void failedDeleteKeepsTheOrder();
    void interruptedSaveIsFinishedOnOpen();
    void lineJointsAreRefusedAtInput();
};

void BookSafetyTest::outOfStepBookIsNotOpened_data()
{
    QTest::addColumn<QByteArray>("orders"); // "<none>": no file
    QTest::addColumn<QByteArray>("settlements");
    QTest::addColumn<QString>("reason");

    const QByteArray two = "19,2\r\n0,0,1\r\n4,0,Ana\r\n0,1,2\r\n";
    QTest::newRow("row counts differ") << two << QByteArray("21,1\r\n0,0,1\r\n") << u"redaka"_s;
    QTest::newRow("numbers differ") << two << QByteArray("21,2\r\n0,0,1\r\n0,1,3\r\n") << u"retku 2"_s;
    QTest::newRow("settlements missing") << two << QByteArray("<none>") << u"nedostaje"_s;
    QTest::newRow("orders missing") << QByteArray("<none>") << QByteArray("21,1\r\n0,0,1\r\n")
                                    << u"nedostaje"_s;
    QTest::newRow("settlements empty") << two << QByteArray() << u"corrupt file"_s;
}

// A pair that does not describe the same orders is never opened, so nothing saves over it.
void BookSafetyTest::outOfStepBookIsNotOpened()
{
    QFETCH(QByteArray, orders);
    QFETCH(QByteArray, settlements);
    QFETCH(QString, reason);

    test::OpenBook b;
    if (orders != "<none>")
        b.tmp.write(u"KVA_PUT/100_2013_nalozi.txt"_s, orders);
    if (settlements != "<none>")
        b.tmp.write(u"KVA_PUT/100_2013_obracun.txt"_s, settlements);
    b.start();
    auto& w = b.w();
    QCOMPARE(b.tmp.dialogs.messages.size(), 1);
    const QString message = b.tmp.dialogs.messages.first();
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY2(message.contains(u"100_2013_"_s), qPrintable(message));
    QVERIFY(!w.orderBook().isOpen());
    QVERIFY(!w.isEnabled(u"bg_jahaci_1"));

    for (const auto* button :
         {u"bt_nalog_dodaj_prazan", u"bg_nalozi_1fcShapeBtn3", u"bg_nalozi_1fcShapeBtn2"})
        w.click(QStringView(button));
    QCOMPARE(b.tmp.dialogs.messages.size(), 4);
    QCOMPARE(b.tmp.dialogs.messages.last(), u"Knjiga naloga nije otvorena."_s);
    QCOMPARE(readFile(b.file(u"nalozi"_s)), orders);
    QCOMPARE(readFile(b.file(u"obracun"_s)), settlements);
}

void BookSafetyTest::damagedOrderIsShownWithoutItsDamage()
{
    test::OpenBook b;
    b.tmp.write(u"KVA_PUT/100_2013_nalozi.txt"_s, kOrders);
    b.tmp.write(u"KVA_PUT/100_2013_obracun.txt"_s, kSettlements);
    b.start();
    auto& w = b.w();
    QCOMPARE(b.tmp.dialogs.messages, QStringList());
    QCOMPARE(w.text(u"nl_4"), u"Ana\tMaric"_s);

    w.click(u"Button3"); // ">"
    QCOMPARE(b.tmp.dialogs.messages.size(), 1);
    QVERIFY(b.tmp.dialogs.messages.last().startsWith(u"Nalog pod rednim brojem 2 nije moguće pročitati"_s));
    QCOMPARE(w.text(u"nl_4"), u"Ivo"_s);
    QCOMPARE(w.text(u"rc_19"), QString()); // nothing of order 1 stays on the page
    w.setText(u"nl_5", u"ing."_s);
    w.click(u"bg_nalozi_1fcShapeBtn3");
    QCOMPARE(b.tmp.dialogs.messages.size(), 2);
    QVERIFY(b.tmp.dialogs.messages.last().contains(u"ne sprema"_s));
    QCOMPARE(readFile(b.file(u"nalozi"_s)), QByteArray(kOrders));
    QCOMPARE(readFile(b.file(u"obracun"_s)), QByteArray(kSettlements));

    // Moving on still works after the damaged order.
    w.click(u"Button3");
    QCOMPARE(w.text(u"nl_0"), u"3"_s);
    QCOMPARE(w.text(u"rc_19"), u"Rijeka"_s);
    w.setText(u"nl_5", u"dipl. oec."_s);
    w.click(u"bg_nalozi_1fcShapeBtn3");
    QCOMPARE(b.tmp.dialogs.messages.size(), 2);
    QVERIFY(readFile(b.file(u"obracun"_s)).contains("0,1,2\r\n7,1,x/y\\\r\n"));
    w.click(u"fcShapeBtn7"); // "|<"
    QCOMPARE(w.text(u"nl_4"), u"Ana\tMaric"_s);
    QCOMPARE(w.text(u"rc_19"), u"x"_s);
}

// A deletion that cannot be written leaves the order in the window and in the files.
void BookSafetyTest::failedDeleteKeepsTheOrder()
{
    test::OpenBook b;
    b.start();
    auto& w = b.w();
    w.click(u"bt_nalog_dodaj_prazan");
    w.setText(u"nl_4", u"Ana"_s);
    w.click(u"bg_nalozi_1fcShapeBtn3");
    const QByteArray orders = readFile(b.file(u"nalozi"_s));
    // Where the change's mark goes stands a folder: the change cannot be committed.
    QVERIFY(QDir().mkpath(b.file(u"nalozi"_s) + u".potvrda"_s));
    w.click(u"bg_nalozi_1fcShapeBtn2");
    QCOMPARE(b.tmp.dialogs.messages, QStringList{u"Cannot Create "_s + b.file(u"nalozi"_s)});
    QCOMPARE(w.table(u"sg_nalozi").cell(4, 0), u"Ana"_s);
    QCOMPARE(readFile(b.file(u"nalozi"_s)), orders);
    QVERIFY(QFile::exists(b.file(u"obracun"_s)));
    QCOMPARE(QDir(b.tmp.dataFolder()).entryList({u"*.novi"_s}, QDir::Files), QStringList());
}

// A save cut off after its mark is finished at the next opening; one cut off before it is
// dropped. Either way the two files describe the same orders.
void BookSafetyTest::interruptedSaveIsFinishedOnOpen()
{
    test::OpenBook b;
    b.tmp.write(u"KVA_PUT/100_2013_nalozi.txt"_s, "19,1\r\n0,0,1\r\n4,0,Ana\r\n");
    b.tmp.write(u"KVA_PUT/100_2013_obracun.txt"_s, "21,1\r\n0,0,1\r\n");
    // The new orders file is already in place, the new settlements file still beside its target.
    const QByteArray newSettlements = "21,2\r\n0,0,1\r\n0,1,2\r\n";
    const QByteArray newOrders = "19,2\r\n0,0,1\r\n4,0,Ana\r\n0,1,2\r\n4,1,Ivo\r\n";
    b.tmp.write(u"KVA_PUT/100_2013_nalozi.txt"_s, newOrders);
    b.tmp.write(u"KVA_PUT/100_2013_obracun.txt.novi"_s, newSettlements);
    b.tmp.write(u"KVA_PUT/100_2013_nalozi.txt.potvrda"_s,
                "selvana-potvrda 1\r\nW " + QByteArray::number(newOrders.size()) +
                    " 100_2013_nalozi.txt\r\nW " + QByteArray::number(newSettlements.size()) +
                    " 100_2013_obracun.txt\r\n");
    b.start();
    QCOMPARE(b.tmp.dialogs.messages, QStringList());
    QCOMPARE(b.w().table(u"sg_obracun").ColumnTexts(0), (QStringList{u"1"_s, u"2"_s}));
    QCOMPARE(readFile(b.file(u"obracun"_s)), newSettlements);
    QCOMPARE(QDir(b.tmp.dataFolder()).entryList({u"100_2013_*"_s}, QDir::Files),
             (QStringList{u"100_2013_nalozi.txt"_s, u"100_2013_obracun.txt"_s}));

    // Without its mark a new file never counts.
    b.tmp.write(u"KVA_PUT/100_2013_obracun.txt.novi"_s, "21,1\r\n0,0,9\r\n");
    b.start();
    QCOMPARE(b.tmp.dialogs.messages, QStringList());
    QCOMPARE(readFile(b.file(u"obracun"_s)), newSettlements);
    QVERIFY(!QFile::exists(b.file(u"obracun"_s) + u".novi"_s));
}

void BookSafetyTest::lineJointsAreRefusedAtInput()
{
    test::OpenBook b;
    b.start();
    auto& w = b.w();
    w.click(u"bt_nalog_dodaj_prazan");
    for (const QString& text : {u"\\\\server\\dijeljeno"_s, u"C:\\mapa\\\r\nsljedeći red"_s}) {
        w.setText(u"nl_9", text);
        QCOMPARE(w.text(u"nl_9"), QString());
    }
    QCOMPARE(b.tmp.dialogs.messages.size(), 2);
    QCOMPARE(b.tmp.dialogs.messages.first(),
             u"Redak teksta ne smije sadržavati \"\\\\\" niti završavati znakom \"\\\"."_s);
    w.setText(u"nl_9", u"C:\\mapa\\datoteka\r\n\\drugi red"_s);
    w.click(u"bg_nalozi_1fcShapeBtn3");
    b.start();
    QCOMPARE(b.w().text(u"nl_9"), u"C:\\mapa\\datoteka\r\n\\drugi red"_s);
}

} // namespace selvana

QTEST_GUILESS_MAIN(selvana::BookSafetyTest)
#include "tst_booksafety.moc"
