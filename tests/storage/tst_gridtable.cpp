#include "TableDump.h"

#include "base/AppError.h"
#include "storage/GridTable.h"
#include "storage/PackedTable.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace selvana;

class TestGridTable : public QObject {
    Q_OBJECT

private slots:
    void cellsAndSizes();
    void clearAndReset_data();
    void clearAndReset();
    void appendRowOnlyCountsAsData();
    void deleteRow_data();
    void deleteRow();
    void insertAndSwapRows();
    void findInColumn_data();
    void findInColumn();
    void maxInColumn_data();
    void maxInColumn();
    void numberRowsAndColumnTexts();
    void sortRowsNumeric();
    void sortRowsNumericRefusesText();
    void listenersHearEachChangeOnce();
    void copiesLeaveListenersBehind();
};

void TestGridTable::cellsAndSizes()
{
    GridTable t(2, 2);
    t.setCell(1, 1, u"b"_s);
    t.setCell(2, 0, u"outside"_s);
    t.setCell(0, -1, u"outside"_s);
    QCOMPARE(dumpTable(t), u"2x2;1,1=b"_s);
    QCOMPARE(t.cell(5, 5), QString());

    t.setColCount(3);
    t.setRowCount(3);
    t.setCell(2, 2, u"c"_s);
    QCOMPARE(dumpTable(t), u"3x3;1,1=b;2,2=c"_s);
    QCOMPARE(t.colWidth(2), GridTable::kDefaultColWidth);

    t.setColCount(2);
    t.setRowCount(2);
    QCOMPARE(dumpTable(t), u"2x2;1,1=b"_s);
    t.setRowCount(0);
    QCOMPARE(t.rowCount(), 1);
}

void TestGridTable::clearAndReset_data()
{
    QTest::addColumn<int>("headerRows");
    QTest::addColumn<int>("headerCols");
    QTest::addColumn<int>("resetTo"); // 0: ClearData only
    QTest::addColumn<QString>("expected");

    QTest::newRow("clear keeps the header row and column")
        << 1 << 1 << 0 << u"3x3;0,0=0.0;1,0=1.0;2,0=2.0;0,1=0.1;0,2=0.2"_s;
    QTest::newRow("reset a sheet to its empty record") << 1 << 1 << 2 << u"3x2;0,0=0.0;1,0=1.0;2,0=2.0"_s;
    QTest::newRow("reset a data table to one empty row") << 0 << 0 << 1 << u"3x1"_s;
}

void TestGridTable::clearAndReset()
{
    QFETCH(int, headerRows);
    QFETCH(int, headerCols);
    QFETCH(int, resetTo);
    QFETCH(QString, expected);

    GridTable t(3, 3, headerRows, headerCols);
    fillAddresses(t);
    t.SelectRow(2);
    if (resetTo == 0)
        t.ClearData();
    else
        t.ResetRows(resetTo);
    QCOMPARE(dumpTable(t), expected);
    QVERIFY(t.currentRow() < t.rowCount());
}

void TestGridTable::appendRowOnlyCountsAsData()
{
    GridTable t(3, 1);
    QVERIFY(!t.hasData());
    t.setCell(2, 0, u"not the first cell"_s);
    QVERIFY(!t.hasData());
    t.setCell(0, 0, u"1"_s);
    QVERIFY(t.hasData());

    t.ResetRows(1);
    t.AppendRow();
    QVERIFY(t.hasData());
    QCOMPARE(t.rowCount(), 2);
    QCOMPARE(t.currentRow(), 1);
}

void TestGridTable::deleteRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("expectedCurrent");
    QTest::addColumn<QStringList>("expectedColumn");

    QTest::newRow("current row, the next takes its index")
        << 4 << 1 << 1 << 1 << QStringList{u"0.0"_s, u"0.2"_s, u"0.3"_s};
    QTest::newRow("row above the current one, index kept")
        << 4 << 2 << 0 << 2 << QStringList{u"0.1"_s, u"0.2"_s, u"0.3"_s};
    QTest::newRow("the last row, which was current") << 3 << 2 << 2 << 1 << QStringList{u"0.0"_s, u"0.1"_s};
    QTest::newRow("the only row is emptied") << 1 << 0 << 0 << 0 << QStringList{QString()};
    QTest::newRow("outside the table") << 2 << 1 << 2 << 1 << QStringList{u"0.0"_s, u"0.1"_s};
}

void TestGridTable::deleteRow()
{
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(int, deleted);
    QFETCH(int, expectedCurrent);
    QFETCH(QStringList, expectedColumn);

    GridTable t(2, rows);
    fillAddresses(t);
    t.SelectRow(current);
    t.DeleteRow(deleted);
    QCOMPARE(t.ColumnTexts(0), expectedColumn);
    QCOMPARE(t.currentRow(), expectedCurrent);
}

void TestGridTable::insertAndSwapRows()
{
    GridTable t(2, 3);
    fillAddresses(t);
    t.SelectRow(1);
    t.InsertRow(1);
    QCOMPARE(t.ColumnTexts(1), (QStringList{u"1.0"_s, QString(), u"1.1"_s, u"1.2"_s}));
    t.InsertRow(t.rowCount()); // after the last row, as "insert after the current one" does
    t.InsertRow(-1);
    t.InsertRow(t.rowCount() + 1);
    QCOMPARE(t.rowCount(), 5);
    QCOMPARE(t.cell(0, 4), QString());

    t.SwapRows(0, 3);
    t.SwapRows(0, 9);
    QCOMPARE(t.ColumnTexts(0), (QStringList{u"0.2"_s, QString(), u"0.1"_s, u"0.0"_s, QString()}));
    QCOMPARE(t.ColumnTexts(1), (QStringList{u"1.2"_s, QString(), u"1.1"_s, u"1.0"_s, QString()}));
}

void TestGridTable::findInColumn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    // Column 1: "Naziv" (title), "ana", "Ana", "", "Ana"; the current row starts at 4.
    QTest::newRow("first of two equal cells") << u"Ana"_s << 2;
    QTest::newRow("case-sensitive") << u"ana"_s << 1;
    QTest::newRow("header row searched") << u"Naziv"_s << 0;
    QTest::newRow("whole cell only") << u"An"_s << -1;
    QTest::newRow("no case folding") << u"ANA"_s << -1;
    QTest::newRow("empty text never matches an empty cell") << QString() << -1;
}

void TestGridTable::findInColumn()
{
    QFETCH(QString, text);
    QFETCH(int, expected);

    GridTable t(2, 5, 1, 1);
    const QStringList column{u"Naziv"_s, u"ana"_s, u"Ana"_s, QString(), u"Ana"_s};
    for (int r = 0; r < column.size(); ++r)
        t.setCell(1, r, column.at(r));
    t.SelectRow(4);

    QCOMPARE(t.FindInColumn(1, text), expected);
    QCOMPARE(t.currentRow(), expected < 0 ? 4 : expected);
}

void TestGridTable::maxInColumn_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("r0");
    QTest::addColumn<int>("r1");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("error");

    const QString noFloat = u"Cell does not contain a float value"_s;
    QTest::newRow("display amounts") << QStringList{u"12"_s, u"1.234,50"_s, u"999,99"_s} << 0 << 2 << 1234.5
                                     << QString();
    QTest::newRow("empty cell counts as 0") << QStringList{u"-3"_s, QString()} << 0 << 1 << 0.0 << QString();
    QTest::newRow("all negative") << QStringList{u"-5"_s, u"-2"_s} << 0 << 1 << -2.0 << QString();
    QTest::newRow("only the given rows") << QStringList{u"7"_s, u"3"_s, u"9"_s} << 1 << 1 << 3.0 << QString();
    QTest::newRow("range past the end") << QStringList{u"4"_s} << 0 << 5 << 4.0 << QString();
    QTest::newRow("text fails") << QStringList{u"1"_s, u"abc"_s} << 0 << 1 << 0.0 << noFloat;
}

void TestGridTable::maxInColumn()
{
    QFETCH(QStringList, cells);
    QFETCH(int, r0);
    QFETCH(int, r1);
    QFETCH(double, expected);
    QFETCH(QString, error);

    GridTable t(1, int(cells.size()));
    for (int r = 0; r < cells.size(); ++r)
        t.setCell(0, r, cells.at(r));
    try {
        QCOMPARE(t.MaxInColumn(0, r0, r1), expected);
        QVERIFY2(error.isEmpty(), "expected an error");
    } catch (const AppError& e) {
        QCOMPARE(e.text(), error);
    }
}

void TestGridTable::numberRowsAndColumnTexts()
{
    GridTable sheet(3, 4, 1, 1);
    sheet.setCell(0, 0, u"Red. broj"_s);
    sheet.setCell(0, 2, u"stari"_s);
    sheet.NumberRows(0);
    QCOMPARE(sheet.ColumnTexts(0), (QStringList{u"Red. broj"_s, u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(sheet.ColumnTexts(2), QStringList(4, QString()));
}

void TestGridTable::sortRowsNumeric()
{
    GridTable t(2, 6, 1);
    const QStringList keys{u"Iznos"_s, u"10,00"_s, u"2"_s, QString(), u"2,00"_s, u"-1"_s};
    for (int r = 0; r < keys.size(); ++r) {
        t.setCell(0, r, keys.at(r));
        t.setCell(1, r, QString::number(r));
    }
    t.SortRowsNumeric(0);
    // Header in place; "2" and "2,00" keep their order; the empty cell sorts as 0.
    QCOMPARE(t.ColumnTexts(1), (QStringList{u"0"_s, u"5"_s, u"3"_s, u"2"_s, u"4"_s, u"1"_s}));
}

void TestGridTable::sortRowsNumericRefusesText()
{
    GridTable t(2, 3);
    fillAddresses(t);
    t.setCell(0, 0, u"3"_s);
    t.setCell(0, 1, u"1"_s);
    t.setCell(0, 2, u"x"_s);
    const QString before = dumpTable(t);
    QVERIFY_THROWS_EXCEPTION(AppError, t.SortRowsNumeric(0));
    QCOMPARE(dumpTable(t), before);
}

void TestGridTable::listenersHearEachChangeOnce()
{
    GridTable t(3, 2);
    int calls = 0;
    const int id = t.addListener([&calls] { ++calls; });
    const auto callsFor = [&](auto&& operation) {
        calls = 0;
        operation();
        return calls;
    };

    QCOMPARE(callsFor([&] { t.setCell(0, 0, u"a"_s); }), 1);
    QCOMPARE(callsFor([&] { t.setCell(0, 0, u"a"_s); }), 0);
    QCOMPARE(callsFor([&] { t.setCell(9, 9, u"a"_s); }), 0);
    QCOMPARE(callsFor([&] { t.SelectRow(1); }), 1);
    QCOMPARE(callsFor([&] { t.AppendRow(); }), 1);
    QCOMPARE(callsFor([&] { t.ResetRows(1); }), 1);
    QCOMPARE(callsFor([&] { UnpackTable(u"3/3\\a|b|c\\d|e|f\\"_s, t); }), 1);
    QCOMPARE(callsFor([&] {
                 GridTable::Batch outer(t);
                 GridTable::Batch inner(t);
                 t.setCell(0, 0, u"x"_s);
                 t.setCell(1, 0, u"y"_s);
             }),
             1);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"t.txt"_s);
    t.SaveToTableFile(path);
    QCOMPARE(callsFor([&] { t.SaveToTableFile(path); }), 0);
    t.ResetRows(1);
    QCOMPARE(callsFor([&] { t.LoadFromTableFile(path); }), 1);

    const quint64 revision = t.revision();
    t.removeListener(id);
    QCOMPARE(callsFor([&] { t.setCell(0, 0, u"z"_s); }), 0);
    QVERIFY(t.revision() > revision);
}

void TestGridTable::copiesLeaveListenersBehind()
{
    GridTable observed(2, 2);
    int calls = 0;
    observed.addListener([&calls] { ++calls; });
    observed.setCell(0, 0, u"a"_s);

    GridTable copy = observed;
    copy.setCell(1, 1, u"b"_s);
    QCOMPARE(calls, 1);
    QCOMPARE(observed.cell(1, 1), QString());

    observed = copy;
    QCOMPARE(calls, 2);
    QCOMPARE(dumpTable(observed), u"2x2;0,0=a;1,1=b"_s);
}

int runGridTableTests(int argc, char** argv)
{
    TestGridTable test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gridtable.moc"
