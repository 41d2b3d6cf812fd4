#include "TempDataFolder.h"
#include "app/Application.h"
#include "app/InstanceLock.h"
#include "storage/Folders.h"
#include "storage/IniFile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTest>

#include <unistd.h>

using namespace selvana;
using namespace Qt::StringLiterals;

namespace {

// What holds the data root before the program starts.
enum class Holder { Nobody, LockFile, LiveLock, ReadOnlyFolder };

} // namespace

Q_DECLARE_METATYPE(Holder)

class AppTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartOnEmptyFolder();
    void settingsReadDefaultsAndSave();
    void iniKeepsOtherSectionsAndEncoding();
    void pageButtonsShowPagesAndTotals();
    void panelSwitches();
    void placeFromSettings();
    void secondCopyIsRefused();
    void onlyStaleLocksAreTakenOver_data();
    void onlyStaleLocksAreTakenOver();
    void dataRootResolution();
};

void AppTest::firstStartOnEmptyFolder()
{
    test::TempDataFolder tmp;
    tmp.clock.set(QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
    Application app(tmp.environment());
    QVERIFY(app.start());
    Form& w = app.main();

    QCOMPARE(w.caption(), u"Selvana"_s);
    QVERIFY(QDir(tmp.dataFolder()).exists());
    QVERIFY(QDir(tmp.root() + u"KVA_LOK"_s).exists());
    const QStringList enabled = {u"bg_jahaci_0"_s, u"bg_jahaci_7"_s, u"bg_jahaci_8"_s};
    for (int i = 0; i < 10; ++i) {
        const QString button = u"bg_jahaci_"_s + QString::number(i);
        QCOMPARE(w.isEnabled(button), enabled.contains(button));
    }
    QVERIFY(!w.isEnabled(u"bt_tab_radni"));
    QVERIFY(!w.isVisible(u"bt_tab_radni"));
    QCOMPARE(w.text(u"bg_jahaci_8"), u"Posta&vke"_s);
    QCOMPARE(w.text(u"ed_ps_mjesto"), u"Zagreb"_s);
    QCOMPARE(w.text(u"nl_1"), u"2026"_s);
    QCOMPARE(w.text(u"pc_selvana"), u"ts_subjekti"_s);
    QCOMPARE(w.text(u"pc_pst_stranice"), u"ts_pst_ostalo"_s);
    QVERIFY(!w.isVisible(u"pn_ukupno"));
    QVERIFY(w.isVisible(u"pn_subjekti_polja"));
    QCOMPARE(w.status(0), u"Info"_s);
    QCOMPARE(w.status(1), u"Odaberite subjekta / Odaberite godinu / Otvorite knjigu naloga"_s);
    QVERIFY(tmp.dialogs.messages.isEmpty());
}

void AppTest::settingsReadDefaultsAndSave()
{
    test::TempDataFolder tmp;
    tmp.write(u"KVA_PUT/RovarIrorov.ini"_s,
              "[Mjesto]\r\nNaziv=\r\n[Baza]\r\nLokacija=C:\\Dravik\\Baza.csv\r\n");
    Application app(tmp.environment());
    app.start();
    Form& w = app.main();
    QCOMPARE(w.text(u"ed_ps_mjesto"), u"Zagreb"_s);
    QCOMPARE(w.text(u"ed_pst_lokacija_baze"), u"C:\\Dravik\\Baza.csv"_s);

    w.setText(u"ed_ps_mjesto", u"Čakovec"_s);
    w.setText(u"ed_pst_lokacija_baze", u"/home/ured/Baza.csv"_s);
    w.click(u"bt_ps_spremi");
    QFile ini(tmp.dataFolder() + u"RovarIrorov.ini"_s);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll(), QByteArray("[Mjesto]\r\nNaziv=\xC8"
                                       "akovec\r\n[Baza]\r\nLokacija=/home/ured/Baza.csv\r\n"));

    // A place that the file cannot hold is refused at input.
    w.setText(u"ed_ps_mjesto", u"Zagreb\t2"_s);
    QCOMPARE(w.text(u"ed_ps_mjesto"), u"Čakovec"_s);
    QCOMPARE(tmp.dialogs.messages.size(), 1);
}

void AppTest::iniKeepsOtherSectionsAndEncoding()
{
    test::TempDataFolder tmp;
    const QString path = tmp.root() + u"x.ini"_s;
    tmp.write(u"x.ini"_s, "; napomena\r\n[Ostalo]\r\nA=1\r\n\r\n[Mjesto]\r\nNaziv=Split\r\n");
    QCOMPARE(IniFile::getString(path, u"mjesto"_s, u"naziv"_s, u"Zagreb"_s), u"Split"_s);
    QCOMPARE(IniFile::getString(path, u"Baza"_s, u"Lokacija"_s, QString()), QString());
    QVERIFY(IniFile::setString(path, u"Ostalo"_s, u"B"_s, u"2"_s));
    QVERIFY(IniFile::setString(path, u"Mjesto"_s, u"Naziv"_s, u"Đakovo"_s));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("; napomena\r\n[Ostalo]\r\nA=1\r\nB=2\r\n\r\n[Mjesto]\r\nNaziv=\xD0"
                                     "akovo\r\n"));
    // An unwritable place fails quietly and keeps the old file.
    QVERIFY(!IniFile::setString(tmp.root() + u"nema/x.ini"_s, u"A"_s, u"B"_s, u"C"_s));
}

void AppTest::pageButtonsShowPagesAndTotals()
{
    test::TempDataFolder tmp;
    Application app(tmp.environment());
    app.start();
    MainWindowModel& w = app.main();
    w.click(u"bg_jahaci_1"); // disabled until a book is open
    QCOMPARE(w.text(u"pc_selvana"), u"ts_subjekti"_s);

    w.setBookPagesEnabled(true);
    QVERIFY(!w.isEnabled(u"bt_tab_radni"));
    const QStringList pages = {u"ts_subjekti"_s, u"ts_nalog"_s,     u"ts_akontacije"_s, u"ts_racun"_s,
                               u"ts_prijevoz"_s, u"ts_ostali"_s,    u"ts_ukupno"_s,     u"ts_tablice_2"_s,
                               u"ts_postavke"_s, u"ts_izvjestaji"_s};
    for (int i = 0; i < pages.size(); ++i) {
        w.click(QString(u"bg_jahaci_"_s + QString::number(i)));
        QCOMPARE(w.text(u"pc_selvana"), pages[i]);
        QCOMPARE(w.isVisible(u"pn_ukupno"), i >= 1 && i <= 6);
    }
    w.click(u"bt_pst_arhiv");
    QCOMPARE(w.text(u"pc_pst_stranice"), u"ts_pst_arhiv"_s);
    w.click(u"fcButtonGroup12_0");
    QCOMPARE(w.text(u"pc_pst_stranice"), u"ts_pst_ostalo"_s);
}

void AppTest::panelSwitches()
{
    test::TempDataFolder tmp;
    Application app(tmp.environment());
    app.start();
    Form& w = app.main();
    const QStringList boxes = {u"cb_panel_akontacije"_s, u"cb_pn_dnevnice_polja"_s,
                               u"cb_pn_prijevoz_polja"_s};
    const QStringList panels = {u"pn_akontacije_polja"_s, u"pn_dnevnice_polja"_s, u"pn_prijevoz_polja"_s};
    for (int i = 0; i < boxes.size(); ++i) {
        QVERIFY(!w.isVisible(panels[i]));
        w.click(boxes[i]);
        QVERIFY(w.isVisible(panels[i]));
        w.click(boxes[i]);
        QVERIFY(!w.isVisible(panels[i]));
    }
    auto& other = app.main().get<Panel>(u"pn_ostali_polja");
    QCOMPARE(other.height(), 21);
    w.setChecked(u"cb_pn_ostali_polja", true);
    QCOMPARE(other.height(), 220);
    QVERIFY(other.isVisible());
    QCOMPARE(app.main().get<Panel>(u"pn_brj_nlg").height(), 92);
}

void AppTest::placeFromSettings()
{
    test::TempDataFolder tmp;
    Application app(tmp.environment());
    app.start();
    Form& w = app.main();
    w.setText(u"ed_ps_mjesto", u"Rijeka"_s);
    w.click(u"fcShapeBtn5");
    QCOMPARE(w.text(u"nl_2"), u"Rijeka"_s);
    QCOMPARE(w.hint(u"fcShapeBtn5"), u"Unesi iz postavki"_s);
}

void AppTest::secondCopyIsRefused()
{
    test::TempDataFolder tmp;
    InstanceLock first(tmp.root());
    QVERIFY(first.tryLock());
    InstanceLock second(tmp.root());
    QVERIFY(!second.tryLock());
    QCOMPARE(second.refusal(), u"Program je već pokrenut."_s);
}

void AppTest::onlyStaleLocksAreTakenOver_data()
{
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<QByteArray>("lockFile");
    QTest::addColumn<QString>("refusal"); // empty: the lock is taken; %1 stands for the folder

    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    // Above any system's PID limit, so no process has it.
    const QByteArray deadPid = "2000000000";
    const QString running = u"Program je već pokrenut."_s;
    const QString unwritable = u"Mapa s podacima nije dostupna za pisanje: %1"_s;

    QTest::newRow("no lock") << Holder::Nobody << QByteArray() << QString();
    QTest::newRow("empty file") << Holder::LockFile << QByteArray("") << QString();
    QTest::newRow("garbage") << Holder::LockFile << QByteArray("\x89PNG\r\n\x1a\n\0\0xyz", 13) << QString();
    QTest::newRow("dead process") << Holder::LockFile << QByteArray(deadPid + "\nselvana\n" + host + '\n')
                                  << QString();
    QTest::newRow("dead process, no host") << Holder::LockFile << QByteArray(deadPid + '\n') << QString();
    // A copy on another machine sharing the folder cannot be checked, so it counts as running.
    QTest::newRow("other machine") << Holder::LockFile << QByteArray(deadPid + "\nselvana\nnegdje-drugdje\n")
                                   << running;
    QTest::newRow("running copy") << Holder::LiveLock << QByteArray() << running;
    QTest::newRow("read-only folder") << Holder::ReadOnlyFolder << QByteArray() << unwritable;
    QTest::newRow("read-only folder, stale lock") << Holder::ReadOnlyFolder << QByteArray("") << unwritable;
}

void AppTest::onlyStaleLocksAreTakenOver()
{
    QFETCH(Holder, holder);
    QFETCH(QByteArray, lockFile);
    QFETCH(QString, refusal);
    if (holder == Holder::ReadOnlyFolder && geteuid() == 0)
        QSKIP("root writes into read-only folders");

    test::TempDataFolder tmp;
    const QString root = tmp.root() + u"podaci/"_s;
    const QString lockPath = root + u"selvana.lock"_s;
    QVERIFY(QDir().mkpath(root));
    if (!lockFile.isNull())
        tmp.write(u"podaci/selvana.lock"_s, lockFile);
    QLockFile running(lockPath);
    if (holder == Holder::LiveLock)
        QVERIFY(running.tryLock(0));
    const auto writable = QFile::permissions(root);
    if (holder == Holder::ReadOnlyFolder)
        QVERIFY(QFile::setPermissions(root, QFile::ReadOwner | QFile::ExeOwner));

    InstanceLock lock(root);
    const bool locked = lock.tryLock();
    QFile::setPermissions(root, writable);

    QCOMPARE(lock.refusal(), QString(refusal).replace(u"%1"_s, QDir(root).absolutePath()));
    QCOMPARE(locked, refusal.isEmpty());
    if (locked) {
        qint64 pid = 0;
        QString hostName;
        QString app;
        QVERIFY(QLockFile(lockPath).getLockInfo(&pid, &hostName, &app));
        QCOMPARE(pid, QCoreApplication::applicationPid());
    } else if (holder != Holder::ReadOnlyFolder) {
        QVERIFY(QFile::exists(lockPath)); // the other copy's lock stays
    }
}

void AppTest::dataRootResolution()
{
    test::TempDataFolder tmp;
    qunsetenv("SELVANA_HOME");
    QCOMPARE(Folders::resolveDataRoot(tmp.root() + u"a"_s, QString()), tmp.root() + u"a/"_s);
    qputenv("SELVANA_HOME", QFile::encodeName(tmp.root() + u"b"_s));
    QCOMPARE(Folders::resolveDataRoot(QString(), tmp.root()), tmp.root() + u"b/"_s);
    qunsetenv("SELVANA_HOME");
    QDir().mkpath(tmp.root() + u"KVA_PUT"_s);
    QCOMPARE(Folders::resolveDataRoot(QString(), tmp.root()), tmp.root()); // a portable copy
    QVERIFY(Folders::resolveDataRoot(QString(), tmp.root() + u"none"_s) != tmp.root() + u"none/"_s);
}

QTEST_GUILESS_MAIN(AppTest)
#include "tst_app.moc"
