#include "OpenBook.h"
#include "app/Application.h"
#include "orders/OrderBook.h"
#include "orders/OrderPage.h"
#include "storage/GridTable.h"

#include <QFile>
#include <QTest>

using namespace selvana;
using namespace Qt::StringLiterals;

namespace {

// The open book with the helpers these tests share.
struct Book : test::OpenBook {
    Book() { start(); }

    QString numbers() { return w().table(u"sg_nalozi").ColumnTexts(0).join(u','); }
    QString settlementNumbers() { return w().table(u"sg_obracun").ColumnTexts(0).join(u','); }
    void addOrders(const QStringList& travellers)
    {
        for (const QString& t : travellers) {
            w().click(u"bt_nalog_dodaj_prazan");
            w().setText(u"nl_4", t);
            w().click(u"bg_nalozi_1fcShapeBtn3");
        }
    }
};

} // namespace

class OrderBookTest : public QObject {
    Q_OBJECT
private slots:
    void numberingAndMoving();
    void renumberAndInsert_data();
    void renumberAndInsert();
    void deleting();
    void missingNumberNeverOverwritesAnOrder();
    void saveInEmptyBookCreatesBothFiles();
    void roundTripOfEveryField();
    void sortedListFollowsCroatianOrder();
    void tripTiming_data();
    void tripTiming();
    void tripMessagesAndReset();
    void multiLineJoin_data();
    void multiLineJoin();
};

void OrderBookTest::numberingAndMoving()
{
    Book b;
    auto& w = b.w();
    QCOMPARE(w.status(1), u"Knjiga naloga otvorena."_s);
    QVERIFY(w.isEnabled(u"bg_jahaci_1"));
    b.addOrders({u"Ana"_s, u"Ivo"_s, u"Eva"_s, u"Marko"_s, u"Luka"_s});
    QCOMPARE(b.numbers(), u"1,2,3,4,5"_s);
    QCOMPARE(w.status(0), u"Primjer d.o.o. - Zadnji broj naloga: 5 - 2013. godine"_s);

    // Orders 1, 2, 5 after deleting 3 and 4: the next gets 6, 3 is a gap.
    for (const QString& n : {u"3"_s, u"4"_s}) {
        w.setValue(u"nl_0", n.toInt());
        w.click(u"bg_nalozi_1fcShapeBtn2");
    }
    QCOMPARE(b.numbers(), u"1,2,5"_s);
    w.click(u"bt_nalog_dodaj_prazan");
    QCOMPARE(w.text(u"nl_0"), u"6"_s);
    QCOMPARE(w.status(1), u"Dodavanje gotovo."_s);

    w.setValue(u"nl_0", 2);
    QCOMPARE(w.text(u"nl_4"), u"Ivo"_s);
    QCOMPARE(w.caption(), u"Rovar irorov <Primjer d.o.o.>"_s);
    QCOMPARE(w.text(u"lb_ukupno"), u"Primjer d.o.o.<putni nalog br. 2><2013><UKUPNO>"_s);
    w.setValue(u"nl_0", 3);
    QCOMPARE(w.status(0), u"Nalog pod rednim brojem 3 ne postoji"_s);
    QCOMPARE(w.text(u"nl_4"), QString());

    // ">" past the largest number stops at largest + 1 with an empty page.
    w.setValue(u"nl_0", 6);
    w.click(u"Button3");
    w.click(u"Button3");
    QCOMPARE(w.value(u"nl_0"), 7.0);
    QCOMPARE(w.text(u"nl_4"), QString());
    QCOMPARE(w.status(0), u"Primjer d.o.o. - Zadnji broj naloga: 6 - 2013. godine"_s);
    w.setValue(u"nl_0", -4);
    QCOMPARE(w.value(u"nl_0"), 1.0);
    QCOMPARE(w.text(u"nl_4"), u"Ana"_s);

    // Navigation buttons and the copy.
    w.click(u"fcShapeBtn8");
    QCOMPARE(w.text(u"nl_0"), u"6"_s);
    w.click(u"fcShapeBtn9");
    QCOMPARE(w.text(u"nl_4"), u"Luka"_s);
    w.click(u"fcShapeBtn7");
    w.click(u"fcShapeBtn9");
    QCOMPARE(w.text(u"nl_0"), u"1"_s);
    w.click(u"bt_nalog_dodaj_pun");
    QCOMPARE(w.text(u"nl_0"), u"7"_s);
    QCOMPARE(w.text(u"nl_4"), u"Ana"_s);
    QCOMPARE(w.status(1), u"Gotovo"_s);
    QCOMPARE(b.settlementNumbers(), b.numbers());
    QCOMPARE(w.items(u"cb_brojevi_naloga"), (QStringList{u"1"_s, u"2"_s, u"5"_s, u"6"_s, u"7"_s}));

    // Choosing in the number list moves there and empties its text.
    w.choose(u"cb_brojevi_naloga", u"5"_s);
    QCOMPARE(w.text(u"nl_4"), u"Luka"_s);
    QCOMPARE(w.text(u"cb_brojevi_naloga"), QString());
}

void OrderBookTest::renumberAndInsert_data()
{
    QTest::addColumn<QStringList>("book");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("oldNumber");
    QTest::addColumn<int>("newNumber");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("message");

    const QStringList book = {u"1"_s, u"2"_s, u"5"_s, u"6"_s};
    QTest::newRow("renumber 5 to 3") << book << u"renumber"_s << 5 << 3 << u"1,2,3,6"_s << QString();
    QTest::newRow("renumber missing")
        << book << u"renumber"_s << 4 << 3 << u"1,2,5,6"_s << u"Stari broj ne postoji."_s;
    QTest::newRow("renumber onto existing")
        << book << u"renumber"_s << 5 << 6 << u"1,2,5,6"_s << u"Novi broj već postoji."_s;
    const QStringList gap = {u"1"_s, u"2"_s, u"3"_s, u"6"_s};
    QTest::newRow("insert 4 after 3") << gap << u"insert"_s << 3 << 4 << u"1,2,3,4,6"_s << QString();
    QTest::newRow("insert existing") << gap << u"insert"_s << 3 << 6 << u"1,2,3,6"_s
                                     << u"Novi broj već postoji."_s;
}

void OrderBookTest::renumberAndInsert()
{
    QFETCH(QStringList, book);
    QFETCH(QString, action);
    QFETCH(int, oldNumber);
    QFETCH(int, newNumber);
    QFETCH(QString, rows);
    QFETCH(QString, message);

    Book b;
    auto& w = b.w();
    const int largest = book.last().toInt();
    for (int n = 1; n <= largest; ++n)
        b.addOrders({u"Putnik "_s + QString::number(n)});
    for (int n = largest; n >= 1; --n)
        if (!book.contains(QString::number(n))) {
            w.setValue(u"nl_0", n);
            w.click(u"bg_nalozi_1fcShapeBtn2");
        }
    QCOMPARE(b.numbers(), book.join(u','));

    if (action == u"renumber") {
        w.setValue(u"ce_stari", oldNumber);
        w.setValue(u"ce_novi", newNumber);
        w.click(u"bt_stari_u_novi");
    } else {
        w.setValue(u"nl_0", oldNumber);
        w.setValue(u"ce_insert", newNumber);
        w.click(u"fcShapeBtn27");
    }
    QCOMPARE(b.tmp.dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(b.numbers(), rows);
    QCOMPARE(b.settlementNumbers(), rows);
    if (message.isEmpty()) {
        QCOMPARE(w.value(u"nl_0"), double(newNumber));
        const QString traveller =
            action == u"renumber" ? u"Putnik "_s + QString::number(oldNumber) : QString();
        QCOMPARE(w.text(u"nl_4"), traveller);
        b.start(); // the sorted rows are on disk
        QCOMPARE(b.numbers(), rows);
    }
}

void OrderBookTest::deleting()
{
    Book b;
    auto& w = b.w();
    b.addOrders({u"Ana"_s, u"Ivo"_s, u"Eva"_s});
    w.setValue(u"nl_0", 2);
    b.tmp.dialogs.answer(false);
    w.click(u"bg_nalozi_1fcShapeBtn2");
    QCOMPARE(b.numbers(), u"1,2,3"_s);
    QCOMPARE(b.tmp.dialogs.confirmations.last(),
             u"Brisanje zapisa|Ako želite obrisati odabrani zapis, pritisnite \"OK\"."_s);

    w.click(u"bg_nalozi_1fcShapeBtn2");
    QCOMPARE(b.numbers(), u"1,3"_s);
    QCOMPARE(w.text(u"nl_4"), u"Eva"_s); // the row that followed
    w.click(u"bg_nalozi_1fcShapeBtn2");
    QCOMPARE(w.text(u"nl_4"), u"Ana"_s); // the last row was deleted: the new last one
    w.click(u"bg_nalozi_1fcShapeBtn2");
    QCOMPARE(w.text(u"nl_4"), u"Ana"_s); // the deleted order stays on the page
    QVERIFY(!QFile::exists(b.file(u"nalozi"_s)));
    QVERIFY(!QFile::exists(b.file(u"obracun"_s)));
    b.start();
    QVERIFY(!b.w().table(u"sg_nalozi").hasData());
    QCOMPARE(b.w().status(0), u"Primjer d.o.o. - Zadnji broj naloga: 0 - 2013. godine"_s);
}

void OrderBookTest::missingNumberNeverOverwritesAnOrder()
{
    Book b;
    auto& w = b.w();
    b.addOrders({u"Ana"_s, u"Ivo"_s});
    w.click(u"Button3"); // 3: one past the last, an empty page
    QCOMPARE(w.text(u"nl_4"), QString());
    w.setText(u"nl_4", u"Eva"_s);
    w.click(u"bg_nalozi_1fcShapeBtn3");
    w.click(u"bg_nalozi_1fcShapeBtn2");
    QCOMPARE(b.tmp.dialogs.messages,
             (QStringList{u"Nalog pod rednim brojem 3 ne postoji. Novi nalog dodaje se gumbom \"Dodaj\"."_s,
                          u"Nalog pod rednim brojem 3 ne postoji"_s}));
    QCOMPARE(b.numbers(), u"1,2"_s);
    w.setValue(u"nl_0", 2);
    QCOMPARE(w.text(u"nl_4"), u"Ivo"_s);
}

void OrderBookTest::saveInEmptyBookCreatesBothFiles()
{
    Book b;
    auto& w = b.w();
    w.setText(u"nl_4", u"Ana"_s);
    w.click(u"bg_nalozi_1fcShapeBtn3");
    QCOMPARE(w.status(1), u"Spremanje završeno!"_s);
    QCOMPARE(b.numbers(), u"1"_s);
    QVERIFY(QFile::exists(b.file(u"nalozi"_s)));
    QVERIFY(QFile::exists(b.file(u"obracun"_s)));
}

void OrderBookTest::roundTripOfEveryField()
{
    Book b;
    auto& w = b.w();
    w.click(u"bt_nalog_dodaj_prazan");
    const QList<std::pair<QString, QString>> texts = {
        {u"nl_2"_s, u"Zagreb"_s},        {u"nl_4"_s, u"Šime Đurić"_s},
        {u"nl_5"_s, u"dipl. ing."_s},    {u"nl_6"_s, u"inženjer"_s},
        {u"nl_8"_s, u"Beč, Austrija"_s}, {u"nl_13"_s, u"tristokuna"_s},
        {u"nl_14"_s, u"osobni auto"_s},  {u"nl_15"_s, u"vlak"_s},
        {u"rc_19"_s, u"Split"_s},        {u"nl_9"_s, u"Sastanak\r\nPregled"_s},
        {u"nl_17"_s, u"Račun 1"_s},      {u"nl_18"_s, u"Obavljeno."_s},
    };
    for (const auto& [name, text] : texts)
        w.setText(name, text);
    w.setDate(u"nl_3", QDate(2013, 3, 5));
    w.setDate(u"nl_8a", QDate(2013, 3, 6));
    w.setText(u"rc_5a", u"08:00"_s);
    w.setDate(u"rc_4a", QDate(2013, 3, 7));
    w.setText(u"rc_6a", u"10:30"_s);
    w.setDate(u"rc_18a", QDate(2013, 3, 8));
    w.click(u"SpeedButton3");
    const QList<std::pair<QString, double>> numbers = {
        {u"nl_11"_s, 170},     {u"nl_12"_s, 1234.5}, {u"nl_16"_s, 8},      {u"rc_2"_s, 1234},
        {u"rc_8"_s, 1.5},      {u"nl_20"_s, 255},    {u"nl_21"_s, 700},    {u"nl_22"_s, 50.25},
        {u"nl_23"_s, 1005.25}, {u"rc_16"_s, 0},      {u"rc_17"_s, 229.25},
    };
    for (const auto& [name, value] : numbers)
        w.setValue(name, value);
    w.click(u"bg_nalozi_1fcShapeBtn3");

    const QStringList orderRow = w.table(u"sg_nalozi").rowTexts(0);
    QCOMPARE(orderRow.mid(0, 4), (QStringList{u"1"_s, u"2013"_s, u"Zagreb"_s, u"05.03.2013"_s}));
    QCOMPARE(orderRow[9], u"Sastanak\\\\Pregled"_s);
    QCOMPARE(orderRow[12], u"1234,5"_s);
    const QStringList settlementRow = w.table(u"sg_obracun").rowTexts(0);
    QCOMPARE(settlementRow[2], u"1.234"_s);
    QCOMPARE(settlementRow[12], u"700,00"_s);
    QCOMPARE(settlementRow[16], QString()); // zero is an empty cell
    QCOMPARE(settlementRow[18], u"08.03.2013."_s);
    QCOMPARE(settlementRow[20], u"26,5"_s);

    b.start();
    auto& r = b.w();
    for (const auto& [name, text] : texts)
        QCOMPARE(r.text(name), text);
    for (const auto& [name, value] : numbers)
        QCOMPARE(r.value(name), value);
    QCOMPARE(r.date(u"nl_3"), QDate(2013, 3, 5));
    QCOMPARE(r.text(u"nl_7"), u"06.03.2013"_s);
    QCOMPARE(r.text(u"rc_4"), u"07.03.2013"_s);
    QCOMPARE(r.text(u"rc_5"), u"08:00"_s);
    QCOMPARE(r.text(u"rc_6"), u"10:30"_s);
    QCOMPARE(r.text(u"rc_18"), u"08.03.2013."_s);
    QCOMPARE(r.value(u"nl_10"), 1.0);
    QCOMPARE(r.value(u"rc_20"), 26.5);
    QCOMPARE(r.value(u"ce_br_dnevnica"), 1.0);
}

void OrderBookTest::sortedListFollowsCroatianOrder()
{
    Book b;
    auto& w = b.w();
    b.addOrders({u"Žarko"_s, u"Čedo"_s, u"Cvita"_s, u"šime"_s, u"Sanja"_s, u"zlatko"_s});
    QStringList names;
    for (const QString& entry : w.items(u"cb_nalozi_nadi"))
        names << entry.section(u" - "_s, 0, 0);
    QCOMPARE(names, (QStringList{u"Cvita"_s, u"Čedo"_s, u"Sanja"_s, u"šime"_s, u"zlatko"_s, u"Žarko"_s}));
    QCOMPARE(w.items(u"cb_nalozi_nadi").first(), u"Cvita - - - br. nal. 3"_s);
    w.choose(u"cb_nalozi_nadi", w.items(u"cb_nalozi_nadi").last());
    QCOMPARE(w.text(u"nl_0"), u"1"_s);
}

void OrderBookTest::tripTiming_data()
{
    QTest::addColumn<QDate>("departureDate");
    QTest::addColumn<QString>("departureTime");
    QTest::addColumn<QDate>("returnDate");
    QTest::addColumn<QString>("returnTime");
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("perDiems");

    const QDate d(2013, 3, 5);
    QTest::newRow("26,5 h") << d << u"08:00"_s << d.addDays(1) << u"10:30"_s << 26.5 << 1.0 << 1.0;
    QTest::newRow("12 h") << d << u"07:00"_s << d << u"19:00"_s << 12.0 << 0.0 << 1.0;
    QTest::newRow("7,5 h") << d << u"08:00"_s << d << u"15:30"_s << 7.5 << 0.0 << 0.5;
    QTest::newRow("6,5 h") << d << u"08:00"_s << d << u"14:30"_s << 6.5 << 0.0 << 0.0;
    QTest::newRow("32 h") << d << u"08:00"_s << d.addDays(1) << u"16:00"_s << 32.0 << 1.0 << 1.5;
    QTest::newRow("36 h") << d << u"08:00"_s << d.addDays(1) << u"20:00"_s << 36.0 << 1.0 << 2.0;
    QTest::newRow("over new year") << QDate(2012, 12, 31) << u"22:00"_s << QDate(2013, 1, 2) << u"06:15"_s
                                   << 32.25 << 2.0 << 1.5;
}

void OrderBookTest::tripTiming()
{
    QFETCH(QDate, departureDate);
    QFETCH(QString, departureTime);
    QFETCH(QDate, returnDate);
    QFETCH(QString, returnTime);
    QFETCH(double, hours);
    QFETCH(double, days);
    QFETCH(double, perDiems);

    Book b;
    auto& w = b.w();
    w.setDate(u"nl_8a", departureDate);
    w.setText(u"rc_5a", departureTime);
    w.setDate(u"rc_4a", returnDate);
    w.setText(u"rc_6a", returnTime);
    w.click(u"SpeedButton3");
    QVERIFY(b.tmp.dialogs.messages.isEmpty());
    QCOMPARE(w.value(u"rc_20"), hours);
    QCOMPARE(w.value(u"nl_10"), days);
    QCOMPARE(w.value(u"ce_br_dnevnica"), perDiems);
}

void OrderBookTest::tripMessagesAndReset()
{
    Book b;
    auto& w = b.w();
    w.click(u"SpeedButton3");
    QCOMPARE(b.tmp.dialogs.messages.last(), u"Datumi i vremena dolaska i polaska nisu upisani."_s);

    w.setDate(u"nl_8a", QDate(2013, 3, 6));
    w.setText(u"rc_5a", u"08:00"_s);
    w.setDate(u"rc_4a", QDate(2013, 3, 5));
    w.setText(u"rc_6a", u"09:00"_s);
    w.setValue(u"rc_20", 5);
    w.click(u"SpeedButton3");
    QCOMPARE(b.tmp.dialogs.messages.last(), u"Datum povratka je manji od datuma polaska."_s);
    QCOMPARE(w.value(u"rc_20"), 0.0);

    // Once the departure picker has had the focus, a changed time asks for a new computation.
    w.setDate(u"rc_4a", QDate(2013, 3, 7));
    w.click(u"SpeedButton3");
    QCOMPARE(w.value(u"nl_10"), 1.0);
    w.setText(u"rc_6a", u"11:00"_s);
    QCOMPARE(w.value(u"nl_10"), 1.0); // still suppressed after opening the book
    w.enter(u"nl_8a");
    w.setText(u"rc_6a", u"12:00"_s);
    QCOMPARE(w.value(u"nl_10"), 0.0);
    QCOMPARE(w.value(u"rc_20"), 0.0);

    w.click(u"SpeedButton2");
    QCOMPARE(w.text(u"nl_7"), QString());
    QCOMPARE(w.text(u"rc_5"), QString());
    w.click(u"SpeedButton1");
    QCOMPARE(w.text(u"rc_4"), QString());
    QCOMPARE(w.text(u"rc_6"), QString());
}

void OrderBookTest::multiLineJoin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("back");
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("two lines") << u"a\r\nb"_s << u"a\\\\b"_s << u"a\r\nb"_s;
    QTest::newRow("empty line dropped") << u"a\r\n\r\nb\r\n"_s << u"a\\\\b"_s << u"a\r\nb"_s;
    QTest::newRow("single backslash kept") << u"C:\\x"_s << u"C:\\x"_s << u"C:\\x"_s;
}

void OrderBookTest::multiLineJoin()
{
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QFETCH(QString, back);
    QCOMPARE(OrderPage::joinLines(text), cell);
    QCOMPARE(OrderPage::splitLines(cell), back);
}

QTEST_GUILESS_MAIN(OrderBookTest)
#include "tst_orderbook.moc"
