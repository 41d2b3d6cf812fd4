#include "ExpenseBook.h"
#include "base/AppError.h"
#include "expenses/AmountInWords.h"
#include "expenses/ExpenseSheets.h"
#include "expenses/SheetSums.h"
#include "storage/PackedTable.h"

#include <QDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace selvana;
using namespace Qt::StringLiterals;
using test::ExpenseBook;

namespace {

// An advance record of so much in kuna, as the sheet stores it.
QString advance(int number, const QString& amount)
{
    return u"%1|%2|HRK|1,000000|%2|\\"_s.arg(number).arg(amount);
}

QString packed(const QStringList& records, int cols = 6)
{
    return records.isEmpty() ? QString()
                             : u"%1/%2\\"_s.arg(cols).arg(records.size() + 1) + records.join(QString());
}

// The stored line of a settlement cell in the order-book file, or nothing.
QByteArray storedCell(const QByteArray& file, int col)
{
    const QByteArray start = QByteArray::number(col) + ",0,";
    for (const QByteArray& line : file.split('\n'))
        if (line.startsWith(start))
            return line.chopped(line.endsWith('\r') ? 1 : 0).mid(start.size());
    return {};
}

} // namespace

class SheetsTest : public QObject {
    Q_OBJECT
private slots:
    void columnSums_data();
    void columnSums();
    void settlement_data();
    void settlement();
    void advanceInWords_data();
    void advanceInWords();
    void entryChains_data();
    void entryChains();
    void choiceLists_data();
    void choiceLists();
    void typedValuesLearned_data();
    void typedValuesLearned();
    void records_data();
    void records();
    void transferPerDiems_data();
    void transferPerDiems();
    void refusedTexts_data();
    void refusedTexts();
    void cellThatIsNoNumber_data();
    void cellThatIsNoNumber();
    void amountsOutOfRange();
    void failedSaveKeepsTheChange();
};

void SheetsTest::columnSums_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<double>("sum");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty sheet") << QStringList{QString()} << 0.0 << QString();
    QTest::newRow("grouped thousands") << QStringList{u"1.234,56"_s, u"0,44"_s} << 1235.0 << QString();
    QTest::newRow("per diems, empty skipped")
        << QStringList{u"1,50"_s, QString(), u"2,00"_s} << 3.5 << QString();
    QTest::newRow("no number") << QStringList{u"1,00"_s, u"12,3x"_s} << 0.0
                               << u"'12,3x' is not a valid floating point value"_s;
    QTest::newRow("beyond a double") << QStringList{u"1" + QString(308, u'0'), u"9" + QString(308, u'0')}
                                     << 0.0
                                     << u"'9" + QString(308, u'0') +
                                            u"' is not a valid floating point value"_s;
}

void SheetsTest::columnSums()
{
    QFETCH(QStringList, cells);
    QFETCH(double, sum);
    QFETCH(QString, message);

    GridTable t(4, int(cells.size()) + 1, 1, 1);
    t.setCell(2, 0, u"Iznos"_s); // the title row never counts
    for (int r = 0; r < cells.size(); ++r)
        t.setCell(2, r + 1, cells[r]);
    try {
        QCOMPARE(TroskoviSuma(t, 2), sum);
        QVERIFY(message.isEmpty());
    } catch (const AppError& e) {
        QCOMPARE(e.text(), message);
    }
    // The same cells across one row.
    GridTable row(int(cells.size()) + 2, 2);
    for (int c = 0; c < cells.size(); ++c)
        row.setCell(c + 1, 1, cells[c]);
    try {
        QCOMPARE(TroskoviSumaOdDoRed(row, 1, int(cells.size()), 1), sum);
        QVERIFY(message.isEmpty());
    } catch (const AppError& e) {
        QCOMPARE(e.text(), message);
    }
    QCOMPARE(TroskoviSumaOdDoRed(row, 3, 2, 1), 0.0); // last column before the first
}

void SheetsTest::settlement_data()
{
    QTest::addColumn<QString>("advance");
    QTest::addColumn<QStringList>("costs"); // per diems, transport, other
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("payout");
    QTest::addColumn<QString>("refund");

    QTest::newRow("nothing") << QString() << QStringList{u""_s, u""_s, u""_s} << u""_s << u""_s << u""_s;
    QTest::newRow("costs exceed the advance")
        << u"500,00"_s << QStringList{u"170,00"_s, u"400,00"_s, u"80,40"_s} << u"650,40"_s << u"150,40"_s
        << u""_s;
    QTest::newRow("advance exceeds the costs")
        << u"1.000,00"_s << QStringList{u""_s, u"650,40"_s, u""_s} << u"650,40"_s << u""_s << u"349,60"_s;
    QTest::newRow("equal") << u"650,40"_s << QStringList{u"650,40"_s, u""_s, u""_s} << u"650,40"_s << u""_s
                           << u""_s;
    QTest::newRow("advance only") << u"300,00"_s << QStringList{u""_s, u""_s, u""_s} << u""_s << u""_s
                                  << u"300,00"_s;
}

void SheetsTest::settlement()
{
    QFETCH(QString, advance);
    QFETCH(QStringList, costs);
    QFETCH(QString, total);
    QFETCH(QString, payout);
    QFETCH(QString, refund);

    ExpenseBook b;
    const QStringList fields{u"nl_20"_s, u"nl_21"_s, u"nl_22"_s};
    // Costs first, then the advance, then the costs again in the other order: the result
    // must not depend on which changed last.
    for (int i = 0; i < 3; ++i)
        b.w().setText(fields[i], costs[i]);
    b.w().setText(u"nl_12", advance);
    const QStringList expected{u"nl_23="_s + total, u"rc_16="_s + payout, u"rc_17="_s + refund};
    QCOMPARE(b.mismatch(expected), QString());

    b.w().click(u"bg_nalozi_1fcShapeBtn3");
    b.start(); // shown again from the stored rows
    QCOMPARE(b.mismatch(expected), QString());
    QCOMPARE(b.w().text(u"nl_12"), advance);
    QVERIFY(b.tmp.dialogs.messages.isEmpty());
}

void SheetsTest::advanceInWords_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("advance");
    QTest::addColumn<QString>("words");

    QTest::newRow("HRK") << u"HRK"_s << u"750,00"_s << u"sedamstopedesetkunainulalipa"_s;
    QTest::newRow("EUR") << u"EUR"_s << u"750,00"_s << u"sedamstopedeseteurainulacenti"_s;
    QTest::newRow("other code") << u"USD"_s << u"750,00"_s << u"ručno"_s;
    QTest::newRow("no code") << QString() << u"750,00"_s << u"ručno"_s;
    QTest::newRow("lower case") << u"hrk"_s << u"750,00"_s << u"ručno"_s;
    QTest::newRow("advance back to 0") << u"HRK"_s << QString() << u"ručno"_s;
}

void SheetsTest::advanceInWords()
{
    QFETCH(QString, currency);
    QFETCH(QString, advance);
    QFETCH(QString, words);

    ExpenseBook b;
    auto& w = b.w();
    w.setText(u"nl_12", u"1,00"_s);
    w.setText(u"nl_13", u"ručno"_s);
    w.setText(u"ed_tr_akontacija_2", currency);
    w.setText(u"nl_12", advance);
    QCOMPARE(w.text(u"nl_13"), words);
}

void SheetsTest::entryChains_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("checks");

    const QString a = u"ed_tr_akontacija_"_s;
    const QString d = u"ed_tr_dnevnice_"_s;
    const QString p = u"ed_tr_prijevoz_"_s;
    const QString o = u"ed_tr_ostali_"_s;
    QTest::newRow("advance at 7,5") << QStringList{a + u"1=100", a + u"3=7,5"}
                                    << QStringList{a + u"4=750,00"};
    QTest::newRow("advance at 7,534567")
        << QStringList{a + u"3=7,534567", a + u"1=123,45"} << QStringList{a + u"4=930,14"};
    QTest::newRow("amount rounds half away from zero")
        << QStringList{a + u"3=1", a + u"1=-2,675"} << QStringList{a + u"1=-2,68", a + u"4=-2,68"};

    const QStringList perDiem{d + u"7=1", d + u"2=100", d + u"3=1,5"};
    QTest::newRow("per diem unreduced") << perDiem << QStringList{d + u"5=150,00", d + u"8=150,00"};
    QTest::newRow("per diem less 80 %")
        << perDiem + QStringList{d + u"4=80"} << QStringList{d + u"5=30,00", d + u"8=30,00"};
    QTest::newRow("two per diems less 80 %")
        << QStringList{d + u"2=100", d + u"3=2", d + u"4=80"} << QStringList{d + u"5=40,00"};
    QTest::newRow("per diem at 7,5") << perDiem + QStringList{d + u"7=7,5"} << QStringList{d + u"8=1.125,00"};
    QTest::newRow("negative reduction ignored")
        << perDiem + QStringList{d + u"4=-10"} << QStringList{d + u"5=150,00"};
    QTest::newRow("reduction above 100")
        << perDiem + QStringList{d + u"4=150"} << QStringList{d + u"5=-75,00"};
    QTest::newRow("typed per-diem amount replaced")
        << perDiem + QStringList{d + u"5=999"} << QStringList{d + u"5=150,00", d + u"8=150,00"};

    const QStringList odometer{p + u"8=1", p + u"11=2", p + u"3=12.000", p + u"4=12350"};
    QTest::newRow("odometer") << odometer
                              << QStringList{p + u"3=12.000", p + u"5=350,00", p + u"6=700,00",
                                             p + u"9=700,00"};
    QTest::newRow("typed cost stays when the rate changes")
        << odometer + QStringList{p + u"6=500", p + u"8=2"}
        << QStringList{p + u"6=500,00", p + u"9=1.000,00"};
    QTest::newRow("typed cost replaced when km change")
        << odometer + QStringList{p + u"6=500", p + u"4=12400"}
        << QStringList{p + u"5=400,00", p + u"6=800,00"};
    QTest::newRow("typed cost replaced when the cost per km changes")
        << odometer + QStringList{p + u"6=500", p + u"11=3"}
        << QStringList{p + u"6=1.050,00", p + u"9=1.050,00"};
    QTest::newRow("typed km drive the cost") << QStringList{p + u"8=1", p + u"11=0,5", p + u"5=1234,5"}
                                             << QStringList{p + u"5=1234,50", p + u"6=617,25"};

    QTest::newRow("other cost at 7,5")
        << QStringList{o + u"2=100", o + u"4=7,5"} << QStringList{o + u"5=750,00"};
}

void SheetsTest::entryChains()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, checks);

    ExpenseBook b;
    b.type(steps);
    QVERIFY(b.tmp.dialogs.messages.isEmpty());
    QCOMPARE(b.mismatch(checks), QString());
}

void SheetsTest::choiceLists_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("checks");

    QTest::newRow("advance currency")
        << QStringList{u"ed_tr_akontacija_1=100"_s} << u"cb_valute_1"_s << u"EUR"_s
        << QStringList{u"ed_tr_akontacija_2=EUR"_s, u"ed_tr_akontacija_3=7,534567"_s,
                       u"ed_tr_akontacija_4=753,46"_s};
    QTest::newRow("per-diem currency")
        << QStringList() << u"cb_valute_2"_s << u"USD"_s
        << QStringList{u"ed_tr_dnevnice_6=USD"_s, u"ed_tr_dnevnice_7=5,500000"_s};
    QTest::newRow("transport currency")
        << QStringList() << u"cb_valute_3"_s << u"HRK"_s
        << QStringList{u"ed_tr_prijevoz_7=HRK"_s, u"ed_tr_prijevoz_8=1,000000"_s};
    QTest::newRow("other-cost currency")
        << QStringList{u"ed_tr_ostali_2=10"_s} << u"cb_valute_4"_s << u"EUR"_s
        << QStringList{u"ed_tr_ostali_3=EUR"_s, u"ed_tr_ostali_5=75,35"_s};
    QTest::newRow("country with its currency's rate")
        << QStringList{u"ed_tr_dnevnice_3=1"_s} << u"cb_zemlje_1"_s << u"Austrija"_s
        << QStringList{u"ed_tr_dnevnice_1=Austrija"_s, u"ed_tr_dnevnice_2=100,00"_s,
                       u"ed_tr_dnevnice_6=EUR"_s, u"ed_tr_dnevnice_7=7,534567"_s,
                       u"ed_tr_dnevnice_8=753,46"_s};
    QTest::newRow("country whose currency is not listed")
        << QStringList{u"ed_tr_dnevnice_7=2"_s} << u"cb_zemlje_1"_s << u"Srbija"_s
        << QStringList{u"ed_tr_dnevnice_6=RSD"_s, u"ed_tr_dnevnice_7=2,000000"_s};
    QTest::newRow("route") << QStringList{u"ed_tr_prijevoz_11=2"_s} << u"cb_rute_1"_s << u"Zagreb-Split"_s
                           << QStringList{u"ed_tr_prijevoz_1=Zagreb-Split"_s, u"ed_tr_prijevoz_5=410,00"_s,
                                          u"ed_tr_prijevoz_6=820,00"_s};
    QTest::newRow("means of transport: name and cost per km")
        << QStringList{u"ed_tr_prijevoz_5=100"_s} << u"cb_prijevoz_3"_s << u"osobni auto"_s
        << QStringList{u"ed_tr_prijevoz_2=osobni auto"_s, u"ed_tr_prijevoz_11=2,00"_s,
                       u"ed_tr_prijevoz_6=200,00"_s};
    QTest::newRow("kind of cost") << QStringList() << u"cb_vrste_1"_s << u"Cestarina"_s
                                  << QStringList{u"ed_tr_ostali_1=Cestarina"_s};
}

void SheetsTest::choiceLists()
{
    QFETCH(QStringList, before);
    QFETCH(QString, choice);
    QFETCH(QString, item);
    QFETCH(QStringList, checks);

    ExpenseBook b;
    b.type(before);
    const int listRow = b.w().table(u"sg_valute").currentRow();
    b.w().choose(choice, item);
    QVERIFY(b.tmp.dialogs.messages.isEmpty());
    QCOMPARE(b.mismatch(checks), QString());
    // The lists' own page keeps its current record.
    QCOMPARE(b.w().table(u"sg_valute").currentRow(), listRow);
}

void SheetsTest::typedValuesLearned_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("learned");

    QTest::newRow("advance currency") << u"ed_tr_akontacija_2"_s << u"cb_valute_4"_s << true;
    QTest::newRow("per-diem currency") << u"ed_tr_dnevnice_6"_s << u"cb_valute_1"_s << true;
    QTest::newRow("transport currency") << u"ed_tr_prijevoz_7"_s << u"cb_valute_2"_s << true;
    QTest::newRow("other-cost currency") << u"ed_tr_ostali_3"_s << u"cb_valute_3"_s << true;
    QTest::newRow("country") << u"ed_tr_dnevnice_1"_s << u"cb_zemlje_1"_s << true;
    QTest::newRow("route") << u"ed_tr_prijevoz_1"_s << u"cb_rute_1"_s << true;
    QTest::newRow("kind of cost") << u"ed_tr_ostali_1"_s << u"cb_vrste_1"_s << true;
    QTest::newRow("means of transport is not") << u"ed_tr_prijevoz_2"_s << u"cb_prijevoz_3"_s << false;
}

void SheetsTest::typedValuesLearned()
{
    QFETCH(QString, field);
    QFETCH(QString, choice);
    QFETCH(bool, learned);

    ExpenseBook b;
    auto& w = b.w();
    const QStringList before = w.items(choice);
    w.setText(field, u"CHF"_s);
    w.leave(field);
    QCOMPARE(w.items(choice).contains(u"CHF"_s), learned);
    w.leave(field); // known now: not added twice
    QCOMPARE(w.items(choice).size(), before.size() + (learned ? 1 : 0));
    w.setText(field, QString());
    w.leave(field);
    QCOMPARE(w.items(choice).size(), before.size() + (learned ? 1 : 0));
}

void SheetsTest::records_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QStringList>("messages");

    const QString missing = u"Nije zadan iznos troška."_s;
    QTest::newRow("empty: delete does nothing")
        << QStringList{u"delete"_s} << QString() << QStringList{u"nl_12="_s} << QStringList();
    QTest::newRow("empty: add writes record 1")
        << QStringList{u"add:100"_s} << packed({advance(1, u"100,00"_s)})
        << QStringList{u"nl_12=100,00"_s, u"rc_17=100,00"_s, u"ed_tr_akontacija_1=100,00"_s} << QStringList();
    QTest::newRow("empty: add without an amount")
        << QStringList{u"add:0"_s} << QString() << QStringList{u"nl_12="_s} << QStringList{missing};
    QTest::newRow("empty: save writes record 1 even without an amount")
        << QStringList{u"save"_s} << packed({advance(1, u"0,00"_s)}) << QStringList{u"nl_12="_s}
        << QStringList();
    QTest::newRow("one record: add gives two") << QStringList{u"add:100"_s, u"add:250"_s}
                                               << packed({advance(1, u"100,00"_s), advance(2, u"250,00"_s)})
                                               << QStringList{u"nl_12=350,00"_s} << QStringList();
    QTest::newRow("one record: a second add without an amount")
        << QStringList{u"add:100"_s, u"add:0"_s} << packed({advance(1, u"100,00"_s)})
        << QStringList{u"nl_12=100,00"_s} << QStringList{missing};
    QTest::newRow("one record: delete empties sheet, total and fields")
        << QStringList{u"nl_21=650,40"_s, u"add:100"_s, u"delete"_s} << QString()
        << QStringList{u"nl_12="_s,
                       u"rc_16=650,40"_s,
                       u"rc_17="_s,
                       u"ed_tr_akontacija_1="_s,
                       u"ed_tr_akontacija_2="_s,
                       u"ed_tr_akontacija_3="_s}
        << QStringList();
    QTest::newRow("three: delete 2 renumbers and shows the new 2")
        << QStringList{u"add:100"_s, u"add:200"_s, u"add:300"_s, u"select:2"_s, u"delete"_s}
        << packed({advance(1, u"100,00"_s), advance(2, u"300,00"_s)})
        << QStringList{u"nl_12=400,00"_s, u"ed_tr_akontacija_1=300,00"_s} << QStringList();
    QTest::newRow("three: delete the last shows the new last")
        << QStringList{u"add:100"_s, u"add:200"_s, u"add:300"_s, u"delete"_s}
        << packed({advance(1, u"100,00"_s), advance(2, u"200,00"_s)})
        << QStringList{u"nl_12=300,00"_s, u"ed_tr_akontacija_1=200,00"_s} << QStringList();
    QTest::newRow("three: save over the selected")
        << QStringList{u"add:100"_s, u"add:200"_s, u"add:300"_s, u"select:1"_s, u"edit:150"_s, u"save"_s}
        << packed({advance(1, u"150,00"_s), advance(2, u"200,00"_s), advance(3, u"300,00"_s)})
        << QStringList{u"nl_12=650,00"_s} << QStringList();
    QTest::newRow("click on the record copied last keeps edits")
        << QStringList{u"add:100"_s, u"add:200"_s, u"select:1"_s, u"edit:150"_s, u"select:1"_s}
        << packed({advance(1, u"100,00"_s), advance(2, u"200,00"_s)})
        << QStringList{u"ed_tr_akontacija_1=150,00"_s, u"ed_tr_akontacija_4=150,00"_s} << QStringList();
    QTest::newRow("click on another record copies it")
        << QStringList{u"add:100"_s, u"add:200"_s, u"select:1"_s, u"edit:150"_s, u"select:2"_s}
        << packed({advance(1, u"100,00"_s), advance(2, u"200,00"_s)})
        << QStringList{u"ed_tr_akontacija_1=200,00"_s} << QStringList();
    QTest::newRow("click on the titles does nothing")
        << QStringList{u"add:100"_s, u"edit:150"_s, u"select:0"_s, u"save"_s}
        << packed({advance(1, u"150,00"_s)}) << QStringList{u"nl_12=150,00"_s} << QStringList();
}

void SheetsTest::records()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, stored);
    QFETCH(QStringList, checks);
    QFETCH(QStringList, messages);

    ExpenseBook b;
    auto& w = b.w();
    b.type({u"ed_tr_akontacija_2=HRK"_s, u"ed_tr_akontacija_3=1"_s});
    for (const QString& action : actions) {
        const QString argument = action.section(u':', 1);
        if (action.startsWith(u"add:")) {
            w.setText(u"ed_tr_akontacija_1", argument);
            w.click(u"fcShapeBtn3");
        } else if (action.startsWith(u"edit:")) {
            w.setText(u"ed_tr_akontacija_1", argument);
        } else if (action.startsWith(u"select:")) {
            w.selectCell(u"sg_tr_akontacija", 1, argument.toInt());
        } else if (action == u"save") {
            w.click(u"fcShapeBtn11");
        } else if (action == u"delete") {
            w.click(u"fcShapeBtn4");
        } else {
            b.type({action});
        }
    }
    QCOMPARE(b.tmp.dialogs.messages, messages);
    QCOMPARE(b.mismatch(checks), QString());
    QCOMPARE(PackTable(w.table(u"sg_tr_akontacija")), stored);
    QCOMPARE(storedCell(b.bytes(b.file(u"obracun"_s)), 7), stored.toLatin1());
    const QString total = w.text(u"nl_12");

    b.start();
    QCOMPARE(PackTable(b.w().table(u"sg_tr_akontacija")), stored);
    QCOMPARE(b.w().text(u"nl_12"), total);
    QCOMPARE(b.w().table(u"sg_tr_akontacija").rowCount(), stored.isEmpty() ? 2 : int(stored.count(u'\\')));
}

void SheetsTest::transferPerDiems_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("checks");

    QTest::newRow("36 hours") << QStringList{u"rc_20=36"_s, u"nl_11=170"_s}
                              << u"10/2\\1|Hrvatska|170,00|2,00|0,00|340,00|HRK|1,000000|340,00|\\"_s
                              << QStringList{u"nl_20=340,00"_s, u"rc_8=2,00"_s, u"nl_23=340,00"_s,
                                             u"rc_16=340,00"_s};
    QTest::newRow("reduction and note kept, after a record")
        << QStringList{u"rc_20=8"_s,
                       u"nl_11=100"_s,
                       u"ed_tr_dnevnice_2=50"_s,
                       u"ed_tr_dnevnice_3=1"_s,
                       u"ed_tr_dnevnice_7=1"_s,
                       u"fcShapeBtn12"_s,
                       u"ed_tr_dnevnice_4=80"_s,
                       u"ed_tr_dnevnice_9=obrok"_s}
        << u"10/3\\1||50,00|1,00|0,00|50,00||1,000000|50,00|\\2|Hrvatska|100,00|0,50|80,00|10,00|HRK|1,000000|10,00|obrok\\"_s
        << QStringList{u"nl_20=60,00"_s, u"rc_8=1,50"_s};
}

void SheetsTest::transferPerDiems()
{
    QFETCH(QStringList, before);
    QFETCH(QString, stored);
    QFETCH(QStringList, checks);

    ExpenseBook b;
    auto& w = b.w();
    w.click(u"bg_jahaci_1");
    for (const QString& step : before)
        step.contains(u'=') ? b.type({step}) : w.click(step);
    QVERIFY(!w.isChecked(u"cb_pn_dnevnice_polja"));
    w.click(u"fcShapeBtn2");
    QCOMPARE(b.tmp.dialogs.messages.join(u'/'), QString());
    QCOMPARE(PackTable(w.table(u"sg_tr_dnevnice")), stored);
    QCOMPARE(storedCell(b.bytes(b.file(u"obracun"_s)), 9), stored.toUtf8());
    QCOMPARE(b.mismatch(checks), QString());
    QVERIFY(w.isChecked(u"cb_pn_dnevnice_polja"));
    QVERIFY(w.isVisible(u"pn_dnevnice_polja"));
    QCOMPARE(w.value(u"pc_selvana"), double(MainWindowModel::PerDiems));
    QVERIFY(w.isVisible(u"pn_ukupno"));
}

void SheetsTest::refusedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("vertical bar") << u"Taxi|Split"_s;
    QTest::newRow("backslash") << u"Taxi\\Split"_s;
    QTest::newRow("tab") << u"Taxi\tSplit"_s;
    QTest::newRow("outside Windows-1250") << u"Taxi ✓"_s;
}

void SheetsTest::refusedTexts()
{
    QFETCH(QString, text);

    ExpenseBook b;
    auto& w = b.w();
    b.type({u"ed_tr_ostali_1=Taxi"_s, u"ed_tr_ostali_2=12"_s, u"ed_tr_ostali_4=1"_s});
    w.setText(u"ed_tr_ostali_1", text);
    QCOMPARE(b.tmp.dialogs.messages.size(), 1);
    QCOMPARE(w.text(u"ed_tr_ostali_1"), u"Taxi"_s);

    // Should a text get past the field, the record refuses it: nothing is stored.
    w.get<TextField>(u"ed_tr_ostali_1").setValidator({});
    w.setText(u"ed_tr_ostali_1", text);
    const QByteArray file = b.bytes(b.file(u"obracun"_s));
    w.click(u"fcShapeBtn18");
    QCOMPARE(b.tmp.dialogs.messages.size(), 2);
    QCOMPARE(b.tmp.dialogs.messages.last(), b.tmp.dialogs.messages.first());
    QVERIFY(!ExpenseSheets::hasRecords(w.table(u"sg_tr_ostali")));
    QCOMPARE(w.text(u"nl_22"), QString());
    QCOMPARE(b.bytes(b.file(u"obracun"_s)), file);
}

void SheetsTest::cellThatIsNoNumber_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("add") << u"fcShapeBtn3"_s;
    QTest::newRow("save") << u"fcShapeBtn11"_s;
    QTest::newRow("delete") << u"fcShapeBtn4"_s;
    QTest::newRow("click") << u"select"_s;
}

void SheetsTest::cellThatIsNoNumber()
{
    QFETCH(QString, action);

    ExpenseBook b;
    auto& w = b.w();
    b.type({u"ed_tr_akontacija_2=HRK"_s, u"ed_tr_akontacija_3=1"_s, u"ed_tr_akontacija_1=100"_s});
    w.click(u"fcShapeBtn3");
    w.click(u"fcShapeBtn3");
    GridTable& sheet = w.table(u"sg_tr_akontacija");
    sheet.setCell(4, 2, u"12,3x"_s); // as brought in from outside
    sheet.SelectRow(1);
    b.type({u"ed_tr_akontacija_1=300"_s});
    const QString before = PackTable(sheet);
    const QByteArray file = b.bytes(b.file(u"obracun"_s));

    if (action == u"select")
        w.selectCell(u"sg_tr_akontacija", 1, 2);
    else
        w.click(action);
    QCOMPARE(b.tmp.dialogs.messages, QStringList{u"'12,3x' is not a valid floating point value"_s});
    QCOMPARE(PackTable(sheet), before);
    QCOMPARE(w.text(u"nl_12"), u"200,00"_s);
    QCOMPARE(w.text(u"ed_tr_akontacija_1"), u"300,00"_s);
    QCOMPARE(b.bytes(b.file(u"obracun"_s)), file);
}

void SheetsTest::amountsOutOfRange()
{
    ExpenseBook b;
    auto& w = b.w();
    b.type({u"ed_tr_akontacija_2=HRK"_s, u"ed_tr_akontacija_3=1"_s});
    const QString tooLarge = u"Iznos je prevelik: najviše 999.999.999.999,99."_s;
    // Amounts whose cents the sums could no longer keep are refused as typed.
    for (const QString& text : {u"1000000000000"_s, u"-1.000.000.000.000,00"_s, u"1e300"_s}) {
        w.setText(u"ed_tr_akontacija_1", text);
        QCOMPARE(w.value(u"ed_tr_akontacija_1"), 0.0);
    }
    w.setValue(u"ed_tr_akontacija_1", 1e300);
    QCOMPARE(b.tmp.dialogs.messages.size(), 4);
    QCOMPARE(b.tmp.dialogs.messages.first(), tooLarge);
    QCOMPARE(b.tmp.dialogs.messages.at(2), u"'1e300' is not a valid floating point value"_s);
    QCOMPARE(b.tmp.dialogs.messages.last(), tooLarge);

    w.setValue(u"ed_tr_akontacija_1", 999999999999.99);
    w.click(u"fcShapeBtn3");
    QCOMPARE(b.tmp.dialogs.messages.size(), 4);
    QCOMPARE(w.text(u"nl_12"), u"999.999.999.999,99"_s);
    QVERIFY(std::isfinite(w.value(u"rc_17")));

    // A product or a second record beyond the limit ends the action; the sheet stays as it was.
    w.setValue(u"ed_tr_akontacija_3", 2);
    w.click(u"fcShapeBtn3");
    w.setValue(u"ed_tr_akontacija_3", 1);
    w.setValue(u"ed_tr_akontacija_1", 1);
    w.click(u"fcShapeBtn3");
    QCOMPARE(b.tmp.dialogs.messages.size(), 6);
    QCOMPARE(b.tmp.dialogs.messages.last(), tooLarge);
    QCOMPARE(w.table(u"sg_tr_akontacija").rowCount(), 2);
    QCOMPARE(w.text(u"nl_12"), u"999.999.999.999,99"_s);
    w.setValue(u"ed_tr_akontacija_1", std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(b.tmp.dialogs.messages.last(), u"'nan' is not a valid floating point value"_s);
}

void SheetsTest::failedSaveKeepsTheChange()
{
    ExpenseBook b;
    auto& w = b.w();
    b.type({u"ed_tr_ostali_2=40"_s, u"ed_tr_ostali_4=1"_s});
    // A folder in the file's place: the settlement file cannot be written.
    const QString path = b.file(u"obracun"_s);
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    w.click(u"fcShapeBtn18");
    QCOMPARE(b.tmp.dialogs.messages, QStringList{u"Cannot Create "_s + path});
    QCOMPARE(w.table(u"sg_tr_ostali").cell(5, 1), u"40,00"_s);
    QCOMPARE(w.text(u"nl_22"), u"40,00"_s);
    QCOMPARE(w.text(u"rc_16"), u"40,00"_s);

    QVERIFY(QDir(path).removeRecursively());
    w.click(u"fcShapeBtn18");
    QCOMPARE(b.tmp.dialogs.messages.size(), 1);
    QCOMPARE(storedCell(b.bytes(path), 13),
             packed({u"1||40,00||1,000000|40,00|\\"_s, u"2||40,00||1,000000|40,00|\\"_s}, 7).toLatin1());
    QCOMPARE(storedCell(b.bytes(path), 14), QByteArray("80,00"));
}

QTEST_MAIN(SheetsTest)
#include "tst_sheets.moc"
