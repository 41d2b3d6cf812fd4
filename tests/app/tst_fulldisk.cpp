// Every writer meets a disk that fills up half-way: the file size limit of this process
// (RLIMIT_FSIZE, with SIGXFSZ ignored) makes the system refuse the bytes past it, as a full
// disk does. The old file must survive whole and the failure must be reported.
#include "ErrorText.h"
#include "OpenBook.h"
#include "TestFiles.h"
#include "base/AppError.h"
#include "mainwindow/MainWindowModel.h"
#include "reports/ReportPainter.h"
#include "reports/ReportsPage.h"
#include "storage/GridTable.h"
#include "storage/IniFile.h"
#include "storage/TableFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace selvana {

using test::readFile;
using test::writeFile;

namespace {

// Files written while it lives cannot grow past `bytes`.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

GridTable largeTable(int cols)
{
    GridTable t(cols, 200);
    for (int r = 0; r < t.rowCount(); ++r)
        for (int c = 0; c < cols; ++c)
            t.setCell(c, r, u"Službeni put Zagreb - Split %1/%2"_s.arg(c).arg(r));
    return t;
}

// The error text of a writer, or "" when it reported success.
using Writer = std::function<QString(const QStringList& paths)>;

} // namespace

class FullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void writerKeepsTheOldFile_data();
    void writerKeepsTheOldFile();
};

void FullDiskTest::writerKeepsTheOldFile_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("error"); // %1: the first file's path

    const Writer table = [](const QStringList& paths) {
        return test::errorText([&] { largeTable(10).SaveToTableFile(paths.first()); });
    };
    const Writer book = [](const QStringList& paths) {
        const GridTable orders = largeTable(19), settlements = largeTable(21);
        return test::errorText([&] {
            SaveTableFiles({{&orders, paths.at(0)}, {&settlements, paths.at(1)}});
        });
    };
    const Writer settings = [](const QStringList& paths) {
        const bool saved = IniFile::setString(paths.first(), u"Postavke"_s, u"Mjesto"_s, QString(4000, u'Ž'));
        return saved ? QString() : u"false"_s;
    };
    const Writer pdf = [](const QStringList& paths) {
        test::OpenBook b;
        b.start();
        auto& w = b.w();
        w.click(u"bt_nalog_dodaj_prazan");
        w.setText(u"nl_4", u"Ana Horvat"_s);
        const QList<LaidOutPage> pages = w.reports().travelOrderPages();
        return test::errorText([&] { ReportPainter::writePdf(paths.first(), pages, u"Putni nalog"_s); });
    };

    QTest::newRow("table file") << QStringList{u"putnici.txt"_s} << table << u"Cannot Create %1"_s;
    QTest::newRow("book") << QStringList{u"100_2013_nalozi.txt"_s, u"100_2013_obracun.txt"_s} << book
                          << u"Cannot Create %1"_s;
    QTest::newRow("settings") << QStringList{u"RovarIrorov.ini"_s} << settings << u"false"_s;
    QTest::newRow("pdf") << QStringList{u"nalog.pdf"_s} << pdf << u"Ne mogu spremiti PDF datoteku %1"_s;
}

void FullDiskTest::writerKeepsTheOldFile()
{
    QFETCH(QStringList, files);
    QFETCH(Writer, writer);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QStringList paths;
    for (const QString& name : files) {
        paths << dir.filePath(name);
        writeFile(paths.last(), "[Postavke]\r\nstaro=1\r\n");
    }

    QString result;
    {
        const FileSizeLimit limit(2000);
        result = writer(paths);
    }
    QCOMPARE(result, error.arg(QDir::toNativeSeparators(paths.first())));
    for (const QString& path : paths)
        QCOMPARE(readFile(path), QByteArray("[Postavke]\r\nstaro=1\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), [&] {
        QStringList sorted = files;
        sorted.sort();
        return sorted;
    }());

    // With room on the disk the same writer succeeds.
    QCOMPARE(writer(paths), QString());
    QVERIFY(readFile(paths.first()).size() > 2000);
}

} // namespace selvana

Q_DECLARE_METATYPE(selvana::Writer)

QTEST_MAIN(selvana::FullDiskTest)
#include "tst_fulldisk.moc"
