#include "TableDump.h"

#include "base/AppError.h"
#include "storage/GridTable.h"
#include "storage/PackedTable.h"
#include "storage/SplitText.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace selvana;

namespace {

// A sheet: title row, running-number column, two records.
GridTable travelSheet()
{
    GridTable sheet(6, 3, 1, 1);
    const QList<QStringList> rows{
        {u"Red. broj"_s, u"Datum"_s, u"Mjesto"_s, u"Iznos"_s, u"Valuta"_s, u"Tečaj"_s},
        {u"1"_s, u"01.03.2024"_s, u"Zagreb"_s, u"100,00"_s, u"HRK"_s, QString()},
        {u"2"_s, u"02.03.2024"_s, u"Čakovec"_s, u"1.234,50"_s, u"EUR"_s, u"7,534567"_s},
    };
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 6; ++c)
            sheet.setCell(c, r, rows[r][c]);
    }
    return sheet;
}

// A sheet with other titles and stale records, as an order shown before leaves it.
GridTable staleSheet(int cols, int rows)
{
    GridTable sheet(cols, rows, 1, 1);
    fillAddresses(sheet);
    return sheet;
}

} // namespace

class TestPackedTable : public QObject {
    Q_OBJECT

private slots:
    void pack();
    void packEmptyWhenFirstNumberEmpty();
    void packRefusesSeparators_data();
    void packRefusesSeparators();
    void packRefusesWhatUnpackRefuses();
    void roundTripKeepsTitles();
    void unpackEmptyTextChangesNothing();
    void unpack_data();
    void unpack();
    void unpackBadCounts_data();
    void unpackBadCounts();
    void splitText_data();
    void splitText();
};

void TestPackedTable::pack()
{
    QCOMPARE(PackTable(travelSheet()),
             u"6/3\\1|01.03.2024|Zagreb|100,00|HRK|\\2|02.03.2024|Čakovec|1.234,50|EUR|7,534567\\"_s);
}

void TestPackedTable::packEmptyWhenFirstNumberEmpty()
{
    GridTable sheet = travelSheet();
    sheet.setCell(0, 1, QString());
    QCOMPARE(PackTable(sheet), QString());
    QCOMPARE(PackTable(GridTable(6, 1, 1, 1)), QString());
}

void TestPackedTable::packRefusesSeparators_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("bar") << u"Zagreb | Split"_s;
    QTest::newRow("backslash") << u"C:\\putni"_s;
}

void TestPackedTable::packRefusesSeparators()
{
    QFETCH(QString, text);
    GridTable sheet = travelSheet();
    sheet.setCell(2, 2, text);
    QVERIFY(!fitsPackedCell(text));
    try {
        PackTable(sheet);
        QFAIL("packed a cell the format cannot carry");
    } catch (const AppError& e) {
        QCOMPARE(e.text(), u"Tekst \"%1\" ne smije sadržavati znakove \"|\" ni \"\\\"."_s.arg(text));
    }
}

// What PackTable writes, UnpackTable reads back: a sheet beyond the read limits is refused.
void TestPackedTable::packRefusesWhatUnpackRefuses()
{
    GridTable sheet(1000, 4001);
    sheet.setCell(0, 1, u"1"_s);
    try {
        PackTable(sheet);
        QFAIL("packed a sheet UnpackTable refuses");
    } catch (const AppError& e) {
        QCOMPARE(e.text(), u"Tablica troškova je prevelika za spremanje (1000 stupaca, 4001 redaka)."_s);
    }
    sheet.setRowCount(4000);
    GridTable back;
    UnpackTable(PackTable(sheet), back);
    QCOMPARE(back.rowCount(), 4000);
}

void TestPackedTable::roundTripKeepsTitles()
{
    const GridTable source = travelSheet();
    GridTable target = staleSheet(4, 5);
    UnpackTable(PackTable(source), target);

    QCOMPARE(target.colCount(), 6);
    QCOMPARE(target.rowCount(), 3);
    QCOMPARE(target.rowTexts(0), (QStringList{u"0.0"_s, u"1.0"_s, u"2.0"_s, u"3.0"_s, QString(), QString()}));
    for (int r = 1; r < 3; ++r)
        QCOMPARE(target.rowTexts(r), source.rowTexts(r));
}

void TestPackedTable::unpackEmptyTextChangesNothing()
{
    GridTable target = staleSheet(3, 5);
    const QString before = dumpTable(target);
    const quint64 revision = target.revision();
    UnpackTable(QString(), target);
    QCOMPARE(dumpTable(target), before);
    QCOMPARE(target.revision(), revision);
}

void TestPackedTable::unpack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // The target is a stale 3x4 sheet; only its titles (row 0) may survive.
    QTest::newRow("two records") << u"3/3\\1|a|b\\2|c|d\\"_s
                                 << u"3x3;0,0=0.0;1,0=1.0;2,0=2.0;0,1=1;1,1=a;2,1=b;0,2=2;1,2=c;2,2=d"_s;
    QTest::newRow("parts past the counts are lost")
        << u"2/2\\1|a|b\\2|c\\"_s << u"2x2;0,0=0.0;1,0=1.0;0,1=1;1,1=a"_s;
    QTest::newRow("short rows, no final backslash")
        << u"4/4\\1|a\\2"_s << u"4x4;0,0=0.0;1,0=1.0;2,0=2.0;0,1=1;1,1=a;0,2=2"_s;
}

void TestPackedTable::unpack()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    GridTable target = staleSheet(3, 4);
    UnpackTable(text, target);
    QCOMPARE(dumpTable(target), expected);
}

void TestPackedTable::unpackBadCounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("offending");

    QTest::newRow("columns no number") << u"x/3\\1|a\\"_s << u"x"_s;
    QTest::newRow("rows no number") << u"6/y\\"_s << u"y"_s;
    QTest::newRow("no slash") << u"6\\1\\"_s << QString();
    QTest::newRow("negative") << u"-1/2\\"_s << u"-1"_s;
    QTest::newRow("no columns") << u"0/2\\"_s << u"0"_s;
    QTest::newRow("huge columns") << u"99999999/2\\"_s << u"99999999"_s;
    QTest::newRow("too many rows") << u"6/100001\\"_s << u"100001"_s;
    QTest::newRow("titles only") << u"6/1\\"_s << u"1"_s;
    QTest::newRow("binary") << u"\u0001\u00ff/\\"_s << u"\u0001\u00ff"_s;
}

void TestPackedTable::unpackBadCounts()
{
    QFETCH(QString, text);
    QFETCH(QString, offending);

    GridTable target = staleSheet(3, 4);
    const QString before = dumpTable(target);
    try {
        UnpackTable(text, target);
        QFAIL("unpacked bad counts");
    } catch (const AppError& e) {
        QCOMPARE(e.text(), u"'%1' is not a valid integer value"_s.arg(offending));
    }
    QCOMPARE(dumpTable(target), before);
}

void TestPackedTable::splitText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("empty text") << QString() << u"\\"_s << QStringList{QString()};
    QTest::newRow("letter and separator") << u"a\\"_s << u"\\"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("adjacent separators") << u"a||b"_s << u"|"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("no separator") << u"a/b"_s << u"|"_s << QStringList{u"a/b"_s};
    QTest::newRow("long separator") << u"HRK       7,5       x"_s << u"       "_s
                                    << QStringList{u"HRK"_s, u"7,5"_s, u"x"_s};
    QTest::newRow("overlapping separator") << u"aaab"_s << u"aa"_s << QStringList{QString(), u"ab"_s};
    QTest::newRow("case-sensitive") << u"aXbxc"_s << u"x"_s << QStringList{u"aXb"_s, u"c"_s};
    QTest::newRow("empty separator") << u"abc"_s << QString() << QStringList{u"abc"_s};
}

void TestPackedTable::splitText()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, pieces);
    QCOMPARE(SplitText(text, separator), pieces);
}

int runPackedTableTests(int argc, char** argv)
{
    TestPackedTable test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_packedtable.moc"
