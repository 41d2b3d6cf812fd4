#include "TempDataFolder.h"
#include "app/Application.h"
#include "orders/SubjectsPage.h"
#include "storage/GridTable.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace selvana;
using namespace Qt::StringLiterals;

namespace {

const QString kConfirmDelete =
    u"Brisanje subjekata|Ako želite obrisati odabranog subjekta, pritisnite \"OK\"."_s;
const QString kConfirmRecords =
    u"Brisanje evidencije|Za odabranog subjekta već je rađena evidencija. Brisanjem subjekta obrisat će se i "
    u"ta "
    u"evidencija. Ako i dalje želite obrisati odabranog subjekta, pritisnite \"OK\"."_s;

const QStringList kFields = {u"ed_sb_naziv"_s, u"ed_sb_adresa"_s, u"ed_sb_mjesto"_s, u"ed_sb_oib"_s,
                             u"ed_sb_pbr"_s,   u"ed_sb_tel"_s,    u"ed_sb_fax"_s,    u"ed_sb_internet"_s};

// A started program on a temporary data folder.
struct Run {
    explicit Run(test::TempDataFolder& tmp) : app(std::make_unique<Application>(tmp.environment()))
    {
        app->start();
    }
    MainWindowModel& w() { return app->main(); }
    GridTable& subjects() { return w().table(u"sg_subjekti"); }
    std::unique_ptr<Application> app;
};

// subjekti.txt with the given numbers; each name is "S" + number.
void writeSubjects(const test::TempDataFolder& tmp, const QStringList& numbers)
{
    QDir().mkpath(tmp.dataFolder());
    GridTable t(9, int(numbers.size()));
    for (int r = 0; r < numbers.size(); ++r) {
        t.setCell(0, r, numbers[r]);
        t.setCell(1, r, u"S"_s + numbers[r]);
    }
    t.SaveToTableFile(tmp.dataFolder() + u"subjekti.txt"_s);
}

GridTable readSubjects(const test::TempDataFolder& tmp)
{
    GridTable t(9, 1);
    t.LoadFromTableFile(tmp.dataFolder() + u"subjekti.txt"_s);
    return t;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void addSubject(Form& w, const QString& name)
{
    w.setText(u"ed_sb_naziv", name);
    w.click(u"fcShapeBtn24");
}

QStringList fieldTexts(const Form& w)
{
    QStringList texts;
    for (const QString& f : kFields)
        texts.push_back(w.text(f));
    return texts;
}

} // namespace

class SubjectsTest : public QObject {
    Q_OBJECT
private slots:
    void numbering_data();
    void numbering();
    void addRefusals_data();
    void addRefusals();
    void saveStoresTheFields();
    void saveFailureKeepsTableAndList();
    void deleteConfirmations_data();
    void deleteConfirmations();
    void deletingTheOnlySubject();
    void startChoosesFirstSubject();
    void dravikBase_data();
    void dravikBase();
    void yearAndSubjectCloseTheBook();
    void fieldsRefuseWhatCannotBeStored();
};

void SubjectsTest::numbering_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QStringList>("after"); // column 0 after deleting and adding one

    QTest::newRow("first") << QStringList() << QString() << QStringList{u"100"_s};
    QTest::newRow("second") << QStringList{u"100"_s} << QString() << QStringList{u"100"_s, u"101"_s};
    QTest::newRow("gap stays") << QStringList{u"100"_s, u"101"_s, u"102"_s} << u"101"_s
                               << QStringList{u"100"_s, u"102"_s, u"103"_s};
    QTest::newRow("largest reused") << QStringList{u"100"_s, u"101"_s, u"102"_s} << u"102"_s
                                    << QStringList{u"100"_s, u"101"_s, u"102"_s};
}

void SubjectsTest::numbering()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, deleted);
    QFETCH(QStringList, after);

    test::TempDataFolder tmp;
    if (!existing.isEmpty())
        writeSubjects(tmp, existing);
    Run run(tmp);
    MainWindowModel& w = run.w();
    if (!deleted.isEmpty()) {
        w.choose(u"cb_subjekti", u"S"_s + deleted);
        w.click(u"fcShapeBtn25");
        QCOMPARE(tmp.dialogs.confirmations, QStringList{kConfirmDelete}); // no files: one question
    }
    addSubject(w, u"Novi"_s);

    QVERIFY(tmp.dialogs.messages.isEmpty());
    QCOMPARE(run.subjects().ColumnTexts(0), after);
    QCOMPARE(readSubjects(tmp).ColumnTexts(0), after);
    QCOMPARE(run.subjects().currentRow(), int(after.size()) - 1);
    QCOMPARE(w.text(u"cb_subjekti"), u"Novi"_s);
    QCOMPARE(w.itemValue(u"cb_subjekti"), after.last());
    QCOMPARE(w.items(u"cb_subjekti").size(), after.size());
    QCOMPARE(w.caption(), u"Rovar irorov <Novi>"_s);
    QCOMPARE(w.status(1), u"Dodajem - kraj."_s);
}

void SubjectsTest::addRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: the name is taken
    QTest::addColumn<int>("currentRow");

    QTest::newRow("empty") << QString() << u"Polje \"Naziv\" ne smije biti prazno"_s << 0;
    QTest::newRow("duplicate") << u"S101"_s << u"Ovaj \"Naziv\"  već postoji, ne smije biti duplih."_s << 1;
    QTest::newRow("other case") << u"s101"_s << QString() << 3;
}

void SubjectsTest::addRefusals()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(int, currentRow);

    test::TempDataFolder tmp;
    writeSubjects(tmp, {u"100"_s, u"101"_s, u"102"_s});
    const QByteArray before = fileBytes(tmp.dataFolder() + u"subjekti.txt"_s);
    Run run(tmp);
    MainWindowModel& w = run.w();
    w.setText(u"ed_sb_naziv", name);
    w.click(u"fcShapeBtn24");

    QCOMPARE(run.subjects().currentRow(), currentRow);
    if (message.isEmpty()) {
        QVERIFY(tmp.dialogs.messages.isEmpty());
        QCOMPARE(readSubjects(tmp).cell(1, 3), name);
        return;
    }
    QCOMPARE(tmp.dialogs.messages, QStringList{message});
    QCOMPARE(run.subjects().rowCount(), 3);
    QCOMPARE(fileBytes(tmp.dataFolder() + u"subjekti.txt"_s), before);
    QCOMPARE(w.items(u"cb_subjekti"), (QStringList{u"S100"_s, u"S101"_s, u"S102"_s}));
    QCOMPARE(w.text(u"cb_subjekti"), u"S100"_s);
    QCOMPARE(w.status(1), u"Dodajem ..."_s);
}

void SubjectsTest::saveStoresTheFields()
{
    test::TempDataFolder tmp;
    writeSubjects(tmp, {u"100"_s, u"101"_s});
    Run run(tmp);
    MainWindowModel& w = run.w();
    w.choose(u"cb_subjekti", u"S101"_s);
    const QStringList typed = {u"Šumarija Đurđevac"_s, u"Trg 1"_s,          u"Đurđevac"_s,
                               u"12345678901"_s,       u"48350"_s,          u"048 811 111"_s,
                               u"048 811 112"_s,       u"www.sumarija.hr"_s};
    for (int i = 0; i < kFields.size(); ++i)
        w.setText(kFields[i], typed[i]);
    w.click(u"fcShapeBtn26");

    QVERIFY(tmp.dialogs.messages.isEmpty());
    const GridTable stored = readSubjects(tmp);
    QCOMPARE(stored.rowCount(), 2);
    QCOMPARE(stored.rowTexts(1), QStringList{u"101"_s} + typed);
    QCOMPARE(stored.cell(1, 0), u"S100"_s);
    QCOMPARE(w.items(u"cb_subjekti"), (QStringList{u"S100"_s, typed[0]}));
    QCOMPARE(w.text(u"cb_subjekti"), typed[0]);
    QCOMPARE(run.subjects().currentRow(), 1);
    QCOMPARE(w.caption(), u"Rovar irorov <Šumarija Đurđevac>"_s);
    QCOMPARE(w.status(1), u"Spremam završio."_s);

    // Saving without any subject stores the fields as subject 100, unchecked.
    test::TempDataFolder empty;
    Run first(empty);
    first.w().setText(u"ed_sb_mjesto", u"Pula"_s);
    first.w().click(u"fcShapeBtn26");
    QCOMPARE(readSubjects(empty).rowTexts(0),
             (QStringList{u"100"_s, QString(), QString(), u"Pula"_s, QString(), QString(), QString(),
                          QString(), QString()}));
    QCOMPARE(first.w().itemValue(u"cb_subjekti"), u"100"_s);
}

void SubjectsTest::saveFailureKeepsTableAndList()
{
    test::TempDataFolder tmp;
    writeSubjects(tmp, {u"100"_s, u"101"_s});
    Run run(tmp);
    MainWindowModel& w = run.w();
    // A folder in the file's place: the table file cannot be created.
    const QString file = tmp.dataFolder() + u"subjekti.txt"_s;
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir().mkpath(file));
    const QString cannot = u"Cannot Create "_s + file;

    addSubject(w, u"Novi"_s);
    QCOMPARE(tmp.dialogs.messages, QStringList{cannot});
    QCOMPARE(run.subjects().ColumnTexts(0), (QStringList{u"100"_s, u"101"_s}));
    QCOMPARE(run.subjects().currentRow(), 0);
    QCOMPARE(w.items(u"cb_subjekti"), (QStringList{u"S100"_s, u"S101"_s}));

    w.setText(u"ed_sb_naziv", u"Promijenjen"_s);
    w.click(u"fcShapeBtn26");
    QCOMPARE(tmp.dialogs.messages.size(), 2);
    QCOMPARE(tmp.dialogs.messages.last(), cannot);
    QCOMPARE(run.subjects().ColumnTexts(1), (QStringList{u"S100"_s, u"S101"_s}));
    QCOMPARE(w.text(u"ed_sb_naziv"), u"Promijenjen"_s); // kept for another try

    w.click(u"fcShapeBtn25");
    QCOMPARE(tmp.dialogs.messages.last(), cannot);
    QCOMPARE(run.subjects().ColumnTexts(0), (QStringList{u"100"_s, u"101"_s}));
    QCOMPARE(w.items(u"cb_subjekti"), (QStringList{u"S100"_s, u"S101"_s}));
}

void SubjectsTest::deleteConfirmations_data()
{
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("cancel first") << QList<bool>{false} << false;
    QTest::newRow("cancel second") << QList<bool>{true, false} << false;
    QTest::newRow("both OK") << QList<bool>{true, true} << true;
}

void SubjectsTest::deleteConfirmations()
{
    QFETCH(QList<bool>, answers);
    QFETCH(bool, deleted);

    test::TempDataFolder tmp;
    writeSubjects(tmp, {u"100"_s, u"1000"_s});
    const QStringList own = {u"KVA_PUT/100_2013_nalozi.txt"_s, u"KVA_PUT/100_2014_obracun.txt"_s,
                             u"KVA_LOK/100_2013_loko.txt"_s};
    const QStringList others = {u"KVA_PUT/1000_2013_nalozi.txt"_s, u"KVA_LOK/1000_2013_loko.txt"_s,
                                u"KVA_PUT/100-kopija.txt"_s, u"KVA_PUT/x100_2013_nalozi.txt"_s,
                                u"KVA_PUT/100_stari/bilješka.txt"_s};
    for (const QString& f : own + others)
        tmp.write(f, "x");
    const QByteArray before = fileBytes(tmp.dataFolder() + u"subjekti.txt"_s);

    Run run(tmp);
    MainWindowModel& w = run.w();
    QCOMPARE(w.itemValue(u"cb_subjekti"), u"100"_s);
    for (bool a : answers)
        tmp.dialogs.answer(a);
    w.click(u"fcShapeBtn25");

    const QStringList asked = QStringList{kConfirmDelete, kConfirmRecords}.mid(0, answers.size());
    QCOMPARE(tmp.dialogs.confirmations, asked);
    QVERIFY(tmp.dialogs.messages.isEmpty());
    for (const QString& f : own)
        QCOMPARE(QFile::exists(tmp.root() + f), !deleted);
    for (const QString& f : others)
        QVERIFY2(QFile::exists(tmp.root() + f), qPrintable(f));
    if (deleted) {
        QCOMPARE(readSubjects(tmp).ColumnTexts(0), QStringList{u"1000"_s});
        QCOMPARE(w.items(u"cb_subjekti"), QStringList{u"S1000"_s});
        QCOMPARE(w.text(u"cb_subjekti"), u"S1000"_s);
        QCOMPARE(w.text(u"ed_sb_naziv"), u"S1000"_s);
    } else {
        QCOMPARE(fileBytes(tmp.dataFolder() + u"subjekti.txt"_s), before);
        QCOMPARE(run.subjects().rowCount(), 2);
        QCOMPARE(w.text(u"cb_subjekti"), u"S100"_s);
    }
}

void SubjectsTest::deletingTheOnlySubject()
{
    test::TempDataFolder tmp;
    writeSubjects(tmp, {u"100"_s});
    tmp.write(u"KVA_PUT/100_2013_nalozi.txt"_s, "x");
    {
        Run run(tmp);
        MainWindowModel& w = run.w();
        QVERIFY(!w.isVisible(u"pn_subjekti_polja"));
        w.setText(u"ed_sb_tel", u"01 111"_s);
        w.click(u"fcShapeBtn25");
        QCOMPARE(tmp.dialogs.confirmations, (QStringList{kConfirmDelete, kConfirmRecords}));
        QVERIFY(!QFile::exists(tmp.dataFolder() + u"subjekti.txt"_s));
        QVERIFY(!QFile::exists(tmp.dataFolder() + u"100_2013_nalozi.txt"_s));
        QVERIFY(run.app->main().subjects().isEmpty());
        QVERIFY(w.items(u"cb_subjekti").isEmpty());
        QCOMPARE(w.text(u"cb_subjekti"), QString());
        QCOMPARE(fieldTexts(w), QStringList(kFields.size(), QString()));
        QCOMPARE(w.caption(), u"Selvana"_s);
    }
    Run again(tmp);
    QVERIFY(again.w().isChecked(u"cb_subjekti_panel_polja"));
    QVERIFY(again.w().isVisible(u"pn_subjekti_polja"));
    addSubject(again.w(), u"Opet"_s);
    QCOMPARE(readSubjects(tmp).ColumnTexts(0), QStringList{u"100"_s});
}

void SubjectsTest::startChoosesFirstSubject()
{
    test::TempDataFolder tmp;
    QDir().mkpath(tmp.dataFolder());
    GridTable t(9, 2);
    t.setCell(0, 0, u"100"_s);
    t.setCell(1, 0, u"Žito d.d."_s);
    t.setCell(8, 0, u"www.zito.hr"_s);
    t.setCell(0, 1, u"101"_s);
    t.setCell(1, 1, u"Anić"_s);
    t.SaveToTableFile(tmp.dataFolder() + u"subjekti.txt"_s);

    Run run(tmp);
    MainWindowModel& w = run.w();
    QCOMPARE(w.items(u"cb_subjekti"), (QStringList{u"Žito d.d."_s, u"Anić"_s})); // table order
    QCOMPARE(w.text(u"cb_subjekti"), u"Žito d.d."_s);
    QCOMPARE(w.subjects().currentNumber(), u"100"_s);
    QCOMPARE(w.text(u"ed_sb_internet"), u"www.zito.hr"_s);
    QCOMPARE(w.caption(), u"Rovar irorov <Žito d.d.>"_s);
    QVERIFY(!w.isVisible(u"pn_subjekti_polja"));

    w.choose(u"cb_subjekti", u"Anić"_s);
    QCOMPARE(w.subjects().currentName(), u"Anić"_s);
    QCOMPARE(w.text(u"ed_sb_internet"), QString());
    QCOMPARE(w.caption(), u"Rovar irorov <Anić>"_s);
}

void SubjectsTest::dravikBase_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QStringList>("expected"); // the eight fields after choosing "Beta d.o.o."

    QTest::newRow("full base") << 25 << QStringList{u"Beta d.o.o."_s, u"Ilica 12a"_s,  u"Zagreb"_s,
                                                    u"98765432109"_s, u"10000"_s,      u"01 222"_s,
                                                    u"01 333"_s,      u"www.beta.hr"_s};
    QTest::newRow("short base") << 5 << QStringList{u"Beta d.o.o."_s, u"Ilica 12a"_s, QString(),   QString(),
                                                    QString(),        u"01 222"_s,    u"01 333"_s, QString()};
}

void SubjectsTest::dravikBase()
{
    QFETCH(int, columns);
    QFETCH(QStringList, expected);

    test::TempDataFolder tmp;
    GridTable base(columns, 3);
    const QList<QStringList> rows = {
        {u"Rb"_s, u"Naziv"_s, u"x"_s, u"Ulica"_s, u"Broj"_s, u"PBR"_s, u"Mjesto"_s},
        {u"1"_s, u"Beta d.o.o."_s, u"x"_s, u"Ilica"_s, u"12a"_s, u"10000"_s, u"Zagreb"_s},
        {u"2"_s, u"Alfa d.d."_s, u"x"_s, u"Vukovarska"_s, u"3"_s, u"21000"_s, u"Split"_s},
    };
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            base.setCell(c, r, rows[r][c]);
    base.setCell(21, 1, u"98765432109"_s);
    base.setCell(24, 1, u"www.beta.hr"_s);
    QDir().mkpath(tmp.root() + u"Dravik"_s);
    const QString path = tmp.root() + u"Dravik/Baza.csv"_s;
    base.SaveToTableFile(path);
    tmp.write(u"KVA_PUT/RovarIrorov.ini"_s, "[Baza]\r\nLokacija=" + path.toLocal8Bit() + "\r\n");

    Run run(tmp);
    MainWindowModel& w = run.w();
    QCOMPARE(w.items(u"cb_baza"), (QStringList{u"Alfa d.d."_s, u"Beta d.o.o."_s}));
    QCOMPARE(w.text(u"cb_baza"), u"Odabrati ..."_s);
    QCOMPARE(w.control(u"cb_baza").caption(), u"Popuni iz Baza.csv"_s);
    w.setText(u"ed_sb_tel", u"01 222"_s);
    w.setText(u"ed_sb_fax", u"01 333"_s);
    w.choose(u"cb_baza", u"Beta d.o.o."_s);
    QCOMPARE(fieldTexts(w), expected);
    QVERIFY(w.subjects().isEmpty()); // stored only by "Dodaj"
    QVERIFY(tmp.dialogs.messages.isEmpty());
}

void SubjectsTest::yearAndSubjectCloseTheBook()
{
    test::TempDataFolder tmp;
    writeSubjects(tmp, {u"100"_s, u"101"_s});
    Run run(tmp);
    MainWindowModel& w = run.w();
    QCOMPARE(w.text(u"nl_1"), u"2013"_s);

    w.setBookPagesEnabled(true);
    w.setValue(u"nl_1", 2014);
    QVERIFY(!w.isEnabled(u"bg_jahaci_1"));
    QVERIFY(!w.isEnabled(u"bg_jahaci_9"));

    w.setBookPagesEnabled(true);
    w.choose(u"cb_subjekti", u"S101"_s);
    QVERIFY(!w.isEnabled(u"bg_jahaci_1"));

    // The year stays between 2010 and 3000.
    w.setText(u"nl_1", u"1999"_s);
    QCOMPARE(w.text(u"nl_1"), u"2010"_s);
    w.setValue(u"nl_1", 3001);
    QCOMPARE(w.value(u"nl_1"), 3000.0);
    QVERIFY(tmp.dialogs.messages.isEmpty());
}

void SubjectsTest::fieldsRefuseWhatCannotBeStored()
{
    test::TempDataFolder tmp;
    Run run(tmp);
    MainWindowModel& w = run.w();
    for (const QString& f : kFields) {
        w.setText(f, u"ok"_s);
        w.setText(f, u"a\tb"_s);
        QCOMPARE(w.text(f), u"ok"_s);
    }
    QCOMPARE(tmp.dialogs.messages.size(), kFields.size());
    w.setText(u"ed_sb_oib", u"123456789012345"_s);
    QCOMPARE(w.text(u"ed_sb_oib"), u"12345678901"_s);
}

QTEST_GUILESS_MAIN(SubjectsTest)
#include "tst_subjects.moc"
