// The built program run from the command line: both printouts written as PDF without a
// window, read back with pdftotext; refusals end with a message and status 1.

#include "PrintFixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace selvana;

namespace {

struct Run {
    int status = -1;
    QString errors;
};

// The program as a user starts it; without a display it needs no platform setting either.
Run runProgram(const QStringList& arguments, bool withoutDisplay = false)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (withoutDisplay) {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
    }
    // Qt warns on standard error when this is missing; the program's own messages are what counts.
    QTemporaryDir runtime;
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SELVANA_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(u"pdftotext"_s), {u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class PrintCliTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void writesBothPrintouts();
    void refuses_data();
    void refuses();
    void damagedBookPrintsNothing_data();
    void damagedBookPrintsNothing();

private:
    std::unique_ptr<test::TempDataFolder> m_tmp;
};

void PrintCliTest::init()
{
    m_tmp = std::make_unique<test::TempDataFolder>();
    m_tmp->write(u"KVA_PUT/.keep"_s, {});
    test::writeSampleData(m_tmp->dataFolder());
}

void PrintCliTest::writesBothPrintouts()
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString order = m_tmp->root() + u"nalog 1.pdf"_s;
    const Run first = runProgram(
        {u"--data-dir"_s, m_tmp->root(), u"--print-order"_s, u"100"_s, u"2013"_s, u"1"_s, u"--pdf"_s, order},
        true);
    QCOMPARE(first.errors, QString());
    QCOMPARE(first.status, 0);
    const QString orderText = pdfText(order);
    QCOMPARE(orderText.count(u'\f'), 2); // pages
    for (const QString& text :
         {u"Primjer d.o.o."_s, u"tel.: 01 2345 678; fax:"_s, u"1/2013"_s, u"NALOG ZA SLUŽBENO PUTOVANJE"_s,
          u"dipl. oec. Ana Horvat"_s, u"petstotinakuna"_s, u"OBRAČUN PUTNIH TROŠKOVA"_s,
          u"za putni nalog br. 1/2013"_s, u"Obračun ostalih troškova"_s, u"Parking"_s,
          u"Ukupni ostali troškovi"_s, u"Ostaje za isplatu"_s, u"150,40"_s,
          u"Mjesto obračuna: Zagreb, dana 24.01.2013. god."_s})
        QVERIFY2(orderText.contains(text), qPrintable(text));
    QVERIFY(!orderText.contains(u"Obračun dnevnica"_s));

    const QString list = m_tmp->root() + u"popis.pdf"_s;
    const Run second = runProgram({u"--data-dir"_s, m_tmp->root(), u"--print-report"_s, u"100"_s, u"2013"_s,
                                   u"3"_s, u"--month"_s, u"03"_s, u"--pdf"_s, list});
    QCOMPARE(second.errors, QString());
    QCOMPARE(second.status, 0);
    const QString listText = pdfText(list);
    for (const QString& text :
         {u"Primjer d.o.o."_s, u"OIB: 12345678901"_s, u"Popis putnih naloga za 3. mjesec 2013. godine"_s,
          u"Ana Horvat"_s, u"ana horvat"_s, u"Osijek"_s, u"Sveukupni troškovi:"_s, u"1/1"_s})
        QVERIFY2(listText.contains(text), qPrintable(text));
    QVERIFY(!listText.contains(u"Rijeka"_s)); // April
}

void PrintCliTest::refuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown order") << QStringList{u"--print-order"_s, u"100"_s, u"2013"_s, u"9"_s}
                                   << u"Nalog broj 9 ne postoji u knjizi naloga za 2013. godinu."_s;
    QTest::newRow("unknown kind") << QStringList{u"--print-report"_s, u"100"_s, u"2013"_s, u"0"_s}
                                  << u"Vrsta izvještaja mora biti 1, 2, 3 ili 4."_s;
    QTest::newRow("unwritable pdf") << QStringList{u"--print-order"_s, u"100"_s,
                                                   u"2013"_s,          u"1"_s,
                                                   u"--pdf"_s,         u"/nema/takve/mape/nalog.pdf"_s}
                                    << u"Ne mogu spremiti PDF datoteku /nema/takve/mape/nalog.pdf"_s;
    QTest::newRow("no such data folder")
        << QStringList{u"--data-dir"_s, u"/nema/takve/mape"_s, u"--print-order"_s, u"100"_s, u"2013"_s,
                       u"1"_s}
        << u"Mapa s podacima ne postoji: /nema/takve/mape/KVA_PUT/"_s;
}

void PrintCliTest::refuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QString pdf = m_tmp->root() + u"x.pdf"_s;
    if (!arguments.contains(u"--data-dir"_s))
        arguments << u"--data-dir"_s << m_tmp->root();
    if (!arguments.contains(u"--pdf"_s))
        arguments << u"--pdf"_s << pdf;
    const Run run = runProgram(arguments);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.errors.trimmed(), message);
    QVERIFY(!QFile::exists(pdf));
}

void PrintCliTest::damagedBookPrintsNothing_data()
{
    QTest::addColumn<QByteArray>("settlements");
    QTest::addColumn<QString>("message");

    QTest::newRow("settlements empty") << QByteArray() << u"File contains no data or corrupt file "_s;
    QTest::newRow("sheet unreadable") << QByteArray("7,0,x/y\\\r\n")
                                      << u"Nalog pod rednim brojem 1 nije moguće pročitati u cijelosti"_s;
}

// A printout from a book that cannot be read in full would print wrong sums: nothing is written.
void PrintCliTest::damagedBookPrintsNothing()
{
    QFETCH(QByteArray, settlements);
    QFETCH(QString, message);
    // An advances sheet of order 1 given as a line of its own: it overrides the stored one.
    const QString file = m_tmp->dataFolder() + u"100_2013_obracun.txt"_s;
    QFile stored(file);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray bytes = settlements.isEmpty() ? QByteArray() : stored.readAll() + settlements;
    stored.close();
    QFile::remove(file);
    m_tmp->write(u"KVA_PUT/100_2013_obracun.txt"_s, bytes);
    const QString pdf = m_tmp->root() + u"x.pdf"_s;
    const Run run = runProgram({u"--data-dir"_s, m_tmp->root(), u"--print-order"_s, u"100"_s, u"2013"_s, u"1"_s,
                                u"--pdf"_s, pdf});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.startsWith(message), qPrintable(run.errors));
    QVERIFY(!QFile::exists(pdf));
    // Printing reads only: the damaged file stays where it is.
    QVERIFY(QFile::exists(file));
    QVERIFY(!QFile::exists(file + u".ostecen"_s));
}

QTEST_GUILESS_MAIN(PrintCliTest)
#include "tst_printcli.moc"
