#include "ErrorText.h"
#include "FailingDevice.h"
#include "TableDump.h"
#include "TestFiles.h"

#include "base/AppError.h"
#include "base/Windows1250.h"
#include "storage/GridTable.h"
#include "storage/TableFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <limits>

using namespace Qt::StringLiterals;
using namespace selvana;
using test::errorText;
using test::readFile;
using test::writeFile;

namespace {

// The table every read test starts from: reading must not empty it first.
GridTable startTable(bool multiLine = false)
{
    GridTable t(2, 2);
    t.setCell(1, 1, u"staro"_s);
    t.setMultiLine(multiLine);
    return t;
}

} // namespace

class TestTableFile : public QObject {
    Q_OBJECT

private slots:
    void codePageAgreesWithQt();
    void goldenBytes_data();
    void goldenBytes();
    void emptyDataTable();
    void cellRoundTrip_data();
    void cellRoundTrip();
    void readEdgeCases_data();
    void readEdgeCases();
    void countLine_data();
    void countLine();
    void cannotOpen();
    void saveIntoMissingFolder();
    void writeChecksEveryByteCount_data();
    void writeChecksEveryByteCount();
    void saveFailsLikeAFullDisk_data();
    void saveFailsLikeAFullDisk();

private:
    QTemporaryDir m_dir;
};

// Our byte table against the platform codec, over every byte and every BMP character.
void TestTableFile::codePageAgreesWithQt()
{
    QStringDecoder qtDecoder("windows-1250");
    if (!qtDecoder.isValid())
        QSKIP("this Qt has no windows-1250 codec");

    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString decoded = Windows1250::decode(all);
    QCOMPARE(decoded, QString(qtDecoder.decode(all)));
    QByteArray back;
    QVERIFY(Windows1250::appendEncoded(back, decoded));
    QCOMPARE(back, all);

    for (char32_t u = 0; u < 0x10000; ++u) {
        const QChar ch{char16_t(u)};
        if (ch.isSurrogate())
            continue; // Qt's encoder holds a lone half back for its partner; ours refuses it
        QStringEncoder qtEncoder("windows-1250");
        const QByteArray bytes = qtEncoder.encode(QStringView(&ch, 1));
        if (Windows1250::canEncode(QStringView(&ch, 1)) == qtEncoder.hasError())
            QFAIL(qPrintable(u"U+%1 disagrees"_s.arg(uint(u), 4, 16, QChar(u'0'))));
    }
}

void TestTableFile::goldenBytes_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<QString>("secondRow");

    QTest::newRow("multi-line off: first line only") << false << u"prvi"_s;
    QTest::newRow("multi-line on: the break survives") << true << u"prvi\r\ndrugi"_s;
}

void TestTableFile::goldenBytes()
{
    QFETCH(bool, multiLine);
    QFETCH(QString, secondRow);

    GridTable t(3, 3);
    t.setMultiLine(multiLine);
    t.setColWidth(1, 120);
    t.setColWidth(2, 7);
    t.setCell(0, 0, u"čćđšž"_s);
    t.setCell(1, 0, u"ČĆĐŠŽ"_s);
    t.setCell(2, 0, u"Ilica 1, Zagreb"_s);
    t.setCell(0, 1, u"prvi\r\ndrugi"_s);
    t.setCell(2, 2, u"x"_s);

    const QString path = m_dir.filePath(u"golden.txt"_s);
    t.SaveToTableFile(path);
    const QByteArray expected = "3,3\r\n"
                                "cw 0,64\r\n"
                                "cw 1,120\r\n"
                                "cw 2,7\r\n"
                                "0,0,\xe8\xe6\xf0\x9a\x9e\r\n"
                                "1,0,\xc8\xc6\xd0\x8a\x8e\r\n"
                                "2,0,Ilica 1, Zagreb\r\n"
                                "0,1,prvi\t\x08"
                                "drugi\r\n"
                                "2,2,x\r\n";
    QCOMPARE(readFile(path), expected);

    GridTable back(1, 1);
    back.setMultiLine(multiLine);
    back.LoadFromTableFile(path);
    QCOMPARE(dumpTable(back),
             u"3x3 w64,120,7;0,0=čćđšž;1,0=ČĆĐŠŽ;2,0=Ilica 1, Zagreb;0,1="_s + secondRow + u";2,2=x");
}

void TestTableFile::emptyDataTable()
{
    GridTable t(4, 1);
    const QString path = m_dir.filePath(u"empty.txt"_s);
    t.SaveToTableFile(path);
    QCOMPARE(readFile(path), QByteArray("4,1\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\n"));

    GridTable back(4, 3);
    back.ResetRows(1);
    back.LoadFromTableFile(path);
    QCOMPARE(back.rowCount(), 1);
    QVERIFY(!back.hasData());
}

void TestTableFile::cellRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<QString>("back");    // what a load gives
    QTest::addColumn<QString>("refusal"); // the save's message instead

    const QString control = u"Tekst \"%1\" sadrži kontrolne znakove koji se ne mogu spremiti."_s;
    const QString codePage = u"Tekst \"%1\" sadrži znakove koji se ne mogu spremiti (Windows-1250)."_s;
    QTest::newRow("commas") << u"Ilica 1, 10000 Zagreb,"_s << false << u"Ilica 1, 10000 Zagreb,"_s
                            << QString();
    QTest::newRow("code page extras")
        << u"€ 12,50 – „Đurđa“"_s << false << u"€ 12,50 – „Đurđa“"_s << QString();
    QTest::newRow("CR LF, multi-line off") << u"a\r\nb"_s << false << u"a"_s << QString();
    QTest::newRow("CR LF, multi-line on") << u"a\r\nb\r\n"_s << true << u"a\r\nb\r\n"_s << QString();
    QTest::newRow("CR LF and a lone CR") << u"a\r\nb\rc"_s << true << u"a\r\nb\rc"_s << QString();
    QTest::newRow("lone CR without LF") << u"a\rb"_s << true << QString() << control.arg(u"a b"_s);
    QTest::newRow("lone LF must not end the line") << u"a\nb"_s << false << u"a\nb"_s << QString();
    QTest::newRow("TAB alone") << u"a\tb"_s << false << u"a\tb"_s << QString();
    QTest::newRow("TAB beside a break") << u"a\tb\r\nc"_s << true << QString() << control.arg(u"a b  c"_s);
    QTest::newRow("BS") << u"a\bb"_s << false << QString() << control.arg(u"a b"_s);
    QTest::newRow("CJK") << u"Putni nalog 漢字"_s << false << QString()
                         << codePage.arg(u"Putni nalog 漢字"_s);
    QTest::newRow("emoji") << u"😀"_s << false << QString() << codePage.arg(u"😀"_s);
    const QString halfPair = u"a"_s + QChar(char16_t(0xD83D));
    QTest::newRow("half a surrogate pair") << halfPair << false << QString() << codePage.arg(halfPair);
}

void TestTableFile::cellRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(bool, multiLine);
    QFETCH(QString, back);
    QFETCH(QString, refusal);

    const QString path = m_dir.filePath(u"cell.txt"_s);
    writeFile(path, "old");
    GridTable t(2, 2);
    t.setCell(0, 0, u"ok"_s);
    t.setCell(1, 1, text);
    const QString before = dumpTable(t);

    QCOMPARE(errorText([&] { t.SaveToTableFile(path); }), refusal);
    if (!refusal.isEmpty()) {
        QCOMPARE(readFile(path), QByteArray("old"));
        QCOMPARE(dumpTable(t), before);
        QVERIFY(!fitsTableFile(text));
        return;
    }
    QVERIFY(fitsTableFile(text));
    GridTable loaded(1, 1);
    loaded.setMultiLine(multiLine);
    loaded.LoadFromTableFile(path);
    QCOMPARE(loaded.cell(1, 1), back);
    QCOMPARE(loaded.cell(0, 0), u"ok"_s);
}

void TestTableFile::readEdgeCases_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<QString>("expected");

    // Every case starts from a 2x2 table whose cell (1,1) holds "staro".
    QTest::newRow("empty count line keeps the size")
        << QByteArray("\r\n0,0,a\r\n2,0,b\r\n") << false << u"2x2;0,0=a;1,1=staro"_s;
    QTest::newRow("growing keeps unnamed cells")
        << QByteArray("3,3\r\n2,2,c\r\n") << false << u"3x3;1,1=staro;2,2=c"_s;
    QTest::newRow("shrinking drops them") << QByteArray("1,1\r\n0,0,a\r\n") << false << u"1x1;0,0=a"_s;
    QTest::newRow("cells outside the counts skipped")
        << QByteArray("2,2\r\n2,0,x\r\n0,2,y\r\n1,0,ok\r\n") << false << u"2x2;1,0=ok;1,1=staro"_s;
    QTest::newRow("malformed lines skipped")
        << "2,2\r\nx,0,a\r\n0,y,b\r\n-1,0,c\r\n0\r\n0,0\r\n\r\n 0,0,d\r\n"
           "99999999999999,0,e\r\n\xff\xfe\x00\x01 garbage\r\n0,1,ok\r\n"_ba
        << false << u"2x2;0,1=ok;1,1=staro"_s;
    QTest::newRow("text keeps commas and TABs") << QByteArray("2,2\r\n0,0,a,b,,c\r\n1,0,x\ty\r\n0,1,\r\n")
                                                << false << u"2x2;0,0=a,b,,c;1,0=x\ty;1,1=staro"_s;
    QTest::newRow("lone CR and LF end lines too")
        << QByteArray("2,2\n0,0,a\r1,0,b\n") << false << u"2x2;0,0=a;1,0=b;1,1=staro"_s;
    QTest::newRow("BS restores breaks, multi-line off") << QByteArray("2,2\r\n0,0,a\tb\x08"
                                                                      "c\r\n1,0,d\x08"
                                                                      "e\r\n")
                                                        << false << u"2x2;0,0=a;1,0=d\ne;1,1=staro"_s;
    QTest::newRow("BS restores breaks, multi-line on") << QByteArray("2,2\r\n0,0,a\tb\x08"
                                                                     "c\r\n")
                                                       << true << u"2x2;0,0=a\rb\nc;1,1=staro"_s;
    QTest::newRow("width lines") << QByteArray("2,2\r\ncw 1,120\r\ncw 5,9\r\ncw x,9\r\ncw 0,-3\r\ncw0,9\r\n")
                                 << false << u"2x2 w64,120;1,1=staro"_s;
}

void TestTableFile::readEdgeCases()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, multiLine);
    QFETCH(QString, expected);

    const QString path = m_dir.filePath(u"edge.txt"_s);
    writeFile(path, bytes);
    GridTable t = startTable(multiLine);
    t.LoadFromTableFile(path);
    QCOMPARE(dumpTable(t), expected);
}

void TestTableFile::countLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("size"); // empty: the file is refused

    QTest::newRow("most columns") << QByteArray("1000,1\r\n") << u"1000x1"_s;
    QTest::newRow("most rows") << QByteArray("1,100000\r\n") << u"1x100000"_s;
    QTest::newRow("no columns") << QByteArray("0,5\r\n0,0,a\r\n") << QString();
    QTest::newRow("no rows") << QByteArray("5,0\r\n") << QString();
    QTest::newRow("no numbers") << QByteArray("x,y\r\n") << QString();
    QTest::newRow("no comma") << QByteArray("5\r\n") << QString();
    QTest::newRow("negative") << QByteArray("-1,3\r\n") << QString();
    QTest::newRow("trailing field") << QByteArray("3,2,1\r\n") << QString();
    QTest::newRow("huge") << QByteArray("99999999,99999999\r\n") << QString();
    QTest::newRow("too many columns") << QByteArray("1001,1\r\n") << QString();
    QTest::newRow("too many rows") << QByteArray("1,100001\r\n") << QString();
    QTest::newRow("too many cells") << QByteArray("1000,100000\r\n") << QString();
    QTest::newRow("no count line") << QByteArray("cw 0,64\r\n0,0,a\r\n") << QString();
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("binary") << "\x00\xff\xfe\x01,\x02\x80\x81"_ba << QString();
}

void TestTableFile::countLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, size);

    const QString path = m_dir.filePath(u"counts.txt"_s);
    writeFile(path, bytes);
    GridTable t = startTable();
    const QString before = dumpTable(t);
    const QString error = errorText([&] { t.LoadFromTableFile(path); });
    if (size.isEmpty()) {
        QCOMPARE(error, u"File contains no data or corrupt file "_s + path);
        QCOMPARE(dumpTable(t), before);
    } else {
        QCOMPARE(error, QString());
        QCOMPARE(QString::number(t.colCount()) + u'x' + QString::number(t.rowCount()), size);
    }
}

void TestTableFile::cannotOpen()
{
    GridTable t = startTable();
    for (const QString& path : {m_dir.filePath(u"nema.txt"_s), m_dir.path()}) {
        QCOMPARE(errorText([&] { t.LoadFromTableFile(path); }), u"Cannot open file "_s + path);
        QCOMPARE(dumpTable(t), u"2x2;1,1=staro"_s);
    }
}

void TestTableFile::saveIntoMissingFolder()
{
    GridTable t = startTable();
    const quint64 revision = t.revision();
    const QString path = m_dir.filePath(u"nema/subjekti.txt"_s);
    QCOMPARE(errorText([&] { t.SaveToTableFile(path); }), u"Cannot Create "_s + path);
    QCOMPARE(t.revision(), revision);
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QDir(m_dir.filePath(u"nema"_s)).exists());
}

void TestTableFile::writeChecksEveryByteCount_data()
{
    QTest::addColumn<int>("shortBy");
    QTest::addColumn<bool>("written");

    QTest::newRow("exact fit") << 0 << true;
    QTest::newRow("last byte refused") << 1 << false;
}

void TestTableFile::writeChecksEveryByteCount()
{
    QFETCH(int, shortBy);
    QFETCH(bool, written);

    GridTable t = startTable();
    const QByteArray bytes = encodeTableFile(t);
    FailingDevice disk(bytes.size() - shortBy);
    QCOMPARE(writeTableFile(t, disk), written);
    QCOMPARE(disk.data(), bytes.left(bytes.size() - shortBy));
}

void TestTableFile::saveFailsLikeAFullDisk_data()
{
    QTest::addColumn<int>("failing");  // which of the two files meets the full disk; -1: neither
    QTest::addColumn<int>("capacity"); // bytes it takes; -1: all but its last one

    QTest::newRow("first file, no room") << 0 << 0;
    QTest::newRow("first file, one byte") << 0 << 1;
    QTest::newRow("second file, all but the last byte") << 1 << -1;
    QTest::newRow("second file, no room") << 1 << 0;
    QTest::newRow("enough room") << -1 << 0;
}

void TestTableFile::saveFailsLikeAFullDisk()
{
    QFETCH(int, failing);
    QFETCH(int, capacity);

    QTemporaryDir dir;
    const QString nalozi = dir.filePath(u"1_2024_nalozi.txt"_s);
    const QString obracun = dir.filePath(u"1_2024_obracun.txt"_s);
    writeFile(nalozi, "old nalozi");
    writeFile(obracun, "old obracun");

    GridTable orders(19, 2);
    GridTable settlements(21, 2);
    fillAddresses(orders);
    fillAddresses(settlements);
    const QList<std::pair<const GridTable*, QString>> files{{&orders, nalozi}, {&settlements, obracun}};

    int opened = 0;
    const SaveFilter fullDisk = [&](QIODevice& saveFile) -> std::unique_ptr<QIODevice> {
        const int index = opened++;
        qint64 room = std::numeric_limits<qint64>::max();
        if (index == failing) {
            const qint64 size = encodeTableFile(*files.at(index).first).size();
            room = capacity < 0 ? size - 1 : capacity;
        }
        return std::make_unique<FailingDevice>(room, &saveFile);
    };
    const QString error = errorText([&] { SaveTableFiles(files, fullDisk); });

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporaries left
    if (failing < 0) {
        QCOMPARE(error, QString());
        QCOMPARE(readFile(nalozi), encodeTableFile(orders));
        QCOMPARE(readFile(obracun), encodeTableFile(settlements));
        return;
    }
    QCOMPARE(error, u"Cannot Create "_s + files.at(failing).second);
    QCOMPARE(readFile(nalozi), QByteArray("old nalozi"));
    QCOMPARE(readFile(obracun), QByteArray("old obracun"));
}

int runTableFileTests(int argc, char** argv)
{
    TestTableFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tablefile.moc"
