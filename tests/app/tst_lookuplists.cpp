#include "OpenBook.h"
#include "TempDataFolder.h"
#include "app/Application.h"
#include "lists/LookupListsPage.h"
#include "storage/GridTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

using namespace selvana;
using namespace Qt::StringLiterals;

namespace {

using List = LookupListsPage::List;

const QString kEmptyKey = u"Polje prve kolone ne smije biti prazno"_s;
const QString kDuplicate = u"Ovaj zapis već postoji, ne smije biti duplih."_s;
const QString kDeleteQuestion = u"Brisanje zapisa|Ako želite obrisati odabrani zapis, pritisnite \"OK\"."_s;

// The order page's fields, when the order page is not part of the window yet.
void ensureOrderFields(Form& w)
{
    for (const QString& name : {u"nl_4"_s, u"nl_5"_s, u"nl_6"_s, u"nl_8"_s, u"nl_14"_s, u"nl_15"_s})
        if (!w.has(name))
            w.add<TextField>(name);
}

// The entry fields of a list, key first.
QStringList entryFields(List list)
{
    QStringList fields = LookupListsPage::panelNames(list).fields;
    fields.removeAll(u"cb_zemlje_xls"_s);
    return fields;
}

QStringList row(const GridTable& t, int r, int cols)
{
    QStringList texts;
    for (int c = 0; c < cols; ++c)
        texts << t.cell(c, r);
    return texts;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Started {
    explicit Started(test::TempDataFolder& tmp) : app(tmp.environment())
    {
        app.start();
        ensureOrderFields(app.main());
    }
    MainWindowModel& w() { return app.main(); }
    LookupListsPage& lists() { return app.main().lookups(); }
    Application app;
};

} // namespace

class LookupListsTest : public QObject {
    Q_OBJECT
private slots:
    void addSaveSelect_data();
    void addSaveSelect();
    void storedBytes();
    void deleteRecords();
    void emptyKeySelectsBlankRow();
    void autoAdd();
    void startUpLoadsAndChooserSwitchesPanels();
    void corruptFileKeepsOtherLists();
    void damagedTableIsSetAside_data();
    void damagedTableIsSetAside();
    void choicesOnOrderPage();
    void countriesWorkbook();
};

void LookupListsTest::addSaveSelect_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("choiceLists");

    auto add = [](const char* tag, List list, const QString& file, const QStringList& typed,
                  const QStringList& stored, const QStringList& choices) {
        QTest::newRow(tag) << int(list) << file << typed << stored << choices;
    };
    add("putnici", LookupListsPage::Putnici, u"putnici.txt"_s,
        {u"Ana Horvat"_s, u"dipl. ing."_s, u"inženjer"_s}, {u"Ana Horvat"_s, u"dipl. ing."_s, u"inženjer"_s},
        {u"cb_putnici"_s, u"cb_putnici_1"_s, u"cb_putnici_2"_s});
    add("zvanje", LookupListsPage::Zvanje, u"zvanje.txt"_s, {u"Prof."_s}, {u"Prof."_s},
        {u"cb_zvanje"_s, u"cb_zvanje_1"_s, u"cb_zvanje_2"_s});
    add("zanimanja", LookupListsPage::Zanimanja, u"zanimanja.txt"_s, {u"Ekonomist"_s}, {u"Ekonomist"_s},
        {u"cb_zanimanja"_s, u"cb_zanimanja_1"_s, u"cb_zanimanja_2"_s});
    add("mjesta", LookupListsPage::Mjesta, u"mjesta.txt"_s, {u"Čakovec"_s}, {u"Čakovec"_s},
        {u"cb_mjesta"_s, u"cb_mjesta_1"_s});
    add("prijevoz", LookupListsPage::Prijevoz, u"prijevoz.txt"_s, {u"Osobni auto"_s, u"1234,5"_s},
        {u"Osobni auto"_s, u"1.234,50"_s},
        {u"cb_prijevoz"_s, u"cb_prijevoz_1"_s, u"cb_prijevoz_2"_s, u"cb_prijevoz_3"_s});
    add("valute", LookupListsPage::Valute, u"valute.txt"_s, {u"EUR"_s, u"1.234,5678901"_s},
        {u"EUR"_s, u"1234,56789"_s},
        {u"cb_valute"_s, u"cb_valute_1"_s, u"cb_valute_2"_s, u"cb_valute_3"_s, u"cb_valute_4"_s});
    add("vrste", LookupListsPage::Vrste, u"vrste.txt"_s, {u"Parking"_s}, {u"Parking"_s},
        {u"cb_vrste"_s, u"cb_vrste_1"_s});
    add("rute", LookupListsPage::Rute, u"rute.txt"_s, {u"Zagreb - Split"_s, u"1410,4"_s},
        {u"Zagreb - Split"_s, u"1.410"_s}, {u"cb_rute"_s, u"cb_rute_1"_s});
    add("zemlje", LookupListsPage::Zemlje, u"zemlje.txt"_s, {u"Austrija"_s, u"70"_s, u"EUR"_s},
        {u"Austrija"_s, u"70,00"_s, u"EUR"_s}, {u"cb_zemlje"_s, u"cb_zemlje_1"_s});
}

// Add refuses an empty key and a duplicate (selecting it, so Save updates it), takes a key
// differing only in case, writes the text forms, saves the file and refills every choice list.
void LookupListsTest::addSaveSelect()
{
    QFETCH(int, list);
    QFETCH(QString, file);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, choiceLists);

    test::TempDataFolder tmp;
    Started s(tmp);
    MainWindowModel& w = s.w();
    const List id = List(list);
    const LookupListsPage::PanelNames names = LookupListsPage::panelNames(id);
    const QStringList fields = entryFields(id);
    const int cols = int(fields.size());
    QCOMPARE(cols, typed.size());
    const QString addButton = names.buttons[0];
    const QString saveButton = names.buttons[2];
    QCOMPARE(w.text(addButton), u"&Dodaj"_s);
    QCOMPARE(w.text(names.buttons[1]), u"&Obriši"_s);
    QCOMPARE(w.text(saveButton), u"S&premi"_s);
    GridTable& table = w.table(names.table);
    const QString path = tmp.dataFolder() + file;

    w.click(addButton);
    QCOMPARE(tmp.dialogs.messages, QStringList{kEmptyKey});
    QVERIFY(!table.hasData());
    QVERIFY(!QFile::exists(path));

    for (int c = 0; c < cols; ++c)
        w.setText(fields[c], typed[c]);
    w.click(addButton);
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(row(table, 0, cols), stored);
    QCOMPARE(table.colCount(), cols);
    QVERIFY(QFile::exists(path));

    // A key differing only in case is another record, appended and current.
    const QString other = stored[0].toLower();
    w.setText(fields[0], other);
    w.click(addButton);
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.cell(0, 1), other);
    QCOMPARE(table.currentRow(), 1);
    for (const QString& choice : choiceLists)
        QCOMPARE(w.items(choice), (QStringList{stored[0], other})); // sorted without regard to case

    // The duplicate is refused but selected: Save then changes that record.
    w.setText(fields[0], stored[0]);
    w.setText(fields[cols - 1], cols == 1 ? stored[0] : u"9"_s);
    w.click(addButton);
    QCOMPARE(tmp.dialogs.messages.last(), kDuplicate);
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.currentRow(), 0);
    w.click(saveButton);
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.cell(cols - 1, 0), cols == 1 ? stored[0] : w.text(fields[cols - 1]));
    QCOMPARE(table.cell(0, 1), other);

    // Selecting shows the record and makes it current.
    w.choose(names.selection, other);
    QCOMPARE(table.currentRow(), 1);
    QCOMPARE(w.text(fields[0]), other);
    w.choose(names.selection, stored[0]);
    QCOMPARE(table.currentRow(), 0);
    for (int c = 1; c < cols; ++c)
        QCOMPARE(w.text(fields[c]), table.cell(c, 0));
    QCOMPARE(tmp.dialogs.messages.size(), 2);

    // All of it is in the file: the next start shows the same list.
    Started again(tmp);
    const GridTable& reloaded = again.w().table(names.table);
    QCOMPARE(reloaded.rowCount(), 2);
    QCOMPARE(row(reloaded, 0, cols), row(table, 0, cols));
    QCOMPARE(again.w().items(names.selection), (QStringList{stored[0], other}));
}

void LookupListsTest::storedBytes()
{
    test::TempDataFolder tmp;
    Started s(tmp);
    MainWindowModel& w = s.w();
    w.setText(u"ed_putnici_0", u"Đuro Šimić"_s);
    w.setText(u"ed_putnici_2", u"ličilac, soboslikar"_s);
    w.click(u"fcShapeBtn1");
    w.setText(u"ed_putnici_0", u"Žana"_s);
    w.setText(u"ed_putnici_1", u"dr."_s);
    w.setText(u"ed_putnici_2", QString());
    w.click(u"fcShapeBtn1");
    QCOMPARE(readFile(tmp.dataFolder() + u"putnici.txt"_s),
             QByteArray("3,2\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\n"
                        "0,0,\xD0uro \x8Aimi\xE6\r\n2,0,li\xE8ilac, soboslikar\r\n"
                        "0,1,\x8E"
                        "ana\r\n1,1,dr.\r\n"));

    // Rates keep up to six decimals without trailing zeros or grouping, also in the field.
    w.setText(u"ed_valuta_0", u"USD"_s);
    w.setText(u"ce_tecaj_1", u"1.000,250000"_s);
    QCOMPARE(w.text(u"ce_tecaj_1"), u"1000,25"_s);
    w.click(u"fcShapeBtn45");
    QCOMPARE(readFile(tmp.dataFolder() + u"valute.txt"_s),
             QByteArray("2,1\r\ncw 0,64\r\ncw 1,64\r\n0,0,USD\r\n1,0,1000,25\r\n"));
}

// Cancel keeps everything; OK deletes the current record; the last record takes the file
// with it, empties the fields and choice texts, and the next start shows the list empty.
void LookupListsTest::deleteRecords()
{
    test::TempDataFolder tmp;
    tmp.write(u"KVA_PUT/prijevoz.txt"_s, "2,3\r\n0,0,Autobus\r\n1,0,1,00\r\n0,1,Vlak\r\n1,1,0,50\r\n"
                                         "0,2,Auto\r\n1,2,2,00\r\n");
    const QString path = tmp.dataFolder() + u"prijevoz.txt"_s;
    {
        Started s(tmp);
        MainWindowModel& w = s.w();
        GridTable& table = w.table(u"sg_prijevoz");
        w.choose(u"cb_prijevoz", u"Vlak"_s);
        QCOMPARE(w.text(u"ed_prijevoz_1"), u"0,50"_s);

        tmp.dialogs.answer(false);
        w.click(u"fcShapeBtn43");
        QCOMPARE(tmp.dialogs.confirmations, QStringList{kDeleteQuestion});
        QCOMPARE(table.rowCount(), 3);

        w.click(u"fcShapeBtn43");
        QCOMPARE(table.ColumnTexts(0), (QStringList{u"Autobus"_s, u"Auto"_s}));
        QCOMPARE(w.items(u"cb_prijevoz_1"), (QStringList{u"Auto"_s, u"Autobus"_s}));
        QVERIFY(!readFile(path).contains("Vlak"));

        w.choose(u"cb_prijevoz", u"Auto"_s);
        w.click(u"fcShapeBtn43");
        w.choose(u"cb_prijevoz_1", u"Autobus"_s);
        w.choose(u"cb_prijevoz", u"Autobus"_s);
        w.click(u"fcShapeBtn43");
        QVERIFY(!table.hasData());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(w.text(u"ed_prijevoz_0"), QString());
        QCOMPARE(w.value(u"ed_prijevoz_1"), 0.0);
        for (const QString& choice :
             {u"cb_prijevoz"_s, u"cb_prijevoz_1"_s, u"cb_prijevoz_2"_s, u"cb_prijevoz_3"_s}) {
            QCOMPARE(w.text(choice), QString());
            QCOMPARE(w.items(choice), QStringList{QString()});
        }
        QVERIFY(tmp.dialogs.messages.isEmpty());
    }
    Started next(tmp);
    QVERIFY(!next.w().table(u"sg_prijevoz").hasData());
}

// A record saved with an empty key is reached by choosing the empty entry; a row picked
// in the table is shown in the fields, so Save writes the record the user sees.
void LookupListsTest::emptyKeySelectsBlankRow()
{
    test::TempDataFolder tmp;
    tmp.write(u"KVA_PUT/mjesta.txt"_s, "1,3\r\n0,0,Split\r\n0,1,Osijek\r\n0,2,Pula\r\n");
    Started s(tmp);
    MainWindowModel& w = s.w();
    GridTable& table = w.table(u"sg_mjesta");
    w.choose(u"cb_mjesta", u"Osijek"_s);
    w.setText(u"ed_mjesta_0", QString());
    w.click(u"fcShapeBtn41");
    QCOMPARE(table.ColumnTexts(0), (QStringList{u"Split"_s, QString(), u"Pula"_s}));

    w.choose(u"cb_mjesta", u"Pula"_s);
    QCOMPARE(table.currentRow(), 2);
    w.choose(u"cb_mjesta", QString());
    QCOMPARE(table.currentRow(), 1);
    QCOMPARE(w.text(u"ed_mjesta_0"), QString());

    w.selectCell(u"sg_mjesta", 0, 0);
    QCOMPARE(w.text(u"ed_mjesta_0"), u"Split"_s);
    w.setText(u"ed_mjesta_0", u"Split 2"_s);
    w.click(u"fcShapeBtn41");
    QCOMPARE(table.ColumnTexts(0), (QStringList{u"Split 2"_s, QString(), u"Pula"_s}));
}

// A new key gets a record of its own once, in an appended row, without moving the current
// row; known and empty keys add nothing; another letter case is another key.
void LookupListsTest::autoAdd()
{
    test::TempDataFolder tmp;
    Started s(tmp);
    MainWindowModel& w = s.w();
    LookupListsPage& lists = s.lists();
    GridTable& table = w.table(u"sg_putnici");
    const QString path = tmp.dataFolder() + u"putnici.txt"_s;

    lists.autoAdd(LookupListsPage::Putnici, QString());
    QVERIFY(!table.hasData());
    QVERIFY(!QFile::exists(path));

    lists.autoAdd(LookupListsPage::Putnici, u"Ivo Ivić"_s);
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(row(table, 0, 3), (QStringList{u"Ivo Ivić"_s, QString(), QString()}));
    QVERIFY(QFile::exists(path));

    w.setText(u"ed_putnici_0", u"Ana"_s);
    w.click(u"fcShapeBtn1");
    w.choose(u"cb_putnici_1", u"Ivo Ivić"_s);
    QCOMPARE(table.currentRow(), 0);
    const QByteArray before = readFile(path);

    lists.autoAdd(LookupListsPage::Putnici, u"Ivo Ivić"_s);
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(readFile(path), before);

    lists.autoAdd(LookupListsPage::Putnici, u"IVO IVIĆ"_s);
    QCOMPARE(table.ColumnTexts(0), (QStringList{u"Ivo Ivić"_s, u"Ana"_s, u"IVO IVIĆ"_s}));
    QCOMPARE(table.currentRow(), 0);
    QVERIFY(readFile(path).contains("IVO IVI\xC6"));
    QCOMPARE(w.items(u"cb_putnici"), (QStringList{u"Ana"_s, u"Ivo Ivić"_s, u"IVO IVIĆ"_s}));

    // Every other list by its key, as the expense sheets name them.
    lists.autoAdd(LookupListsPage::listByKey(u"strFileValuta"_s), u"CHF"_s);
    QCOMPARE(w.items(u"cb_valute_4"), QStringList{u"CHF"_s});
    QCOMPARE(LookupListsPage::listByKey(u"strFileZemlje"_s), LookupListsPage::Zemlje);
    QCOMPARE(LookupListsPage::listByKey(u"nema"_s), LookupListsPage::ListCount);
    QVERIFY(tmp.dialogs.messages.isEmpty());
}

void LookupListsTest::startUpLoadsAndChooserSwitchesPanels()
{
    test::TempDataFolder tmp;
    tmp.write(u"KVA_PUT/zvanje.txt"_s, "1,3\r\n0,0,prof.\r\n0,1,Dr.\r\n0,2,ing.\r\n");
    // An older means-of-transport file with a third column is cut to two.
    tmp.write(u"KVA_PUT/prijevoz.txt"_s, "3,1\r\n0,0,Vlak\r\n1,0,0,50\r\n2,0,x\r\n");
    Started s(tmp);
    MainWindowModel& w = s.w();
    QCOMPARE(w.items(u"cb_zvanje_1"), (QStringList{u"Dr."_s, u"ing."_s, u"prof."_s}));
    QCOMPARE(w.table(u"sg_zvanje").ColumnTexts(0), (QStringList{u"prof."_s, u"Dr."_s, u"ing."_s}));
    QCOMPARE(w.table(u"sg_prijevoz").colCount(), 2);
    QCOMPARE(w.items(u"cb_mjesta"), QStringList{QString()});
    QVERIFY(tmp.dialogs.messages.isEmpty());

    const QStringList chooser = {u"Putnici"_s,
                                 u"Mjesta"_s,
                                 u"Prijevozna sredstva"_s,
                                 u"Rute"_s,
                                 u"Valute"_s,
                                 u"Vrste troškova"_s,
                                 u"Zanimanja"_s,
                                 u"Zemlje i dnevnice"_s,
                                 u"Zvanja"_s,
                                 u"Izračun broja dnevnica"_s,
                                 u"Izračun udaljenosti"_s,
                                 u"Cestarina i gorivo"_s};
    const QStringList panels = {u"pn_putnici"_s,   u"pn_mjesta"_s,          u"pn_prijevozna_sredstva"_s,
                                u"pn_rute"_s,      u"pn_valute"_s,          u"pn_vrste_ostalih_troskova"_s,
                                u"pn_zanimanja"_s, u"pn_zemlje_dnevnice"_s, u"pn_zvanja"_s};
    QCOMPARE(w.items(u"cb_tablice_odabir_1"), chooser);
    for (const QString& panel : panels)
        QCOMPARE(w.isVisible(panel), panel == u"pn_putnici"_s);

    for (int i = 0; i < panels.size(); ++i) {
        w.choose(u"cb_tablice_odabir_1", chooser[i]);
        for (int p = 0; p < panels.size(); ++p)
            QCOMPARE(w.isVisible(panels[p]), p == i);
        QCOMPARE(w.get<Panel>(panels[i]).height(), 300);
    }
    // The distances entries leave the panels as they are.
    for (int i = int(panels.size()); i < chooser.size(); ++i)
        w.choose(u"cb_tablice_odabir_1", chooser[i]);
    w.click(u"fcShapeBtn31");
    QVERIFY(w.isVisible(u"pn_zvanja"));
    QVERIFY(tmp.dialogs.messages.isEmpty());
}

void LookupListsTest::corruptFileKeepsOtherLists()
{
    test::TempDataFolder tmp;
    tmp.write(u"KVA_PUT/rute.txt"_s, "nije tablica\r\n");
    tmp.write(u"KVA_PUT/vrste.txt"_s, "1,1\r\n0,0,Parking\r\n");
    Started s(tmp);
    QCOMPARE(tmp.dialogs.messages.size(), 1);
    QVERIFY(tmp.dialogs.messages[0].startsWith(u"File contains no data or corrupt file "_s));
    QVERIFY(!s.w().table(u"sg_rute").hasData());
    QCOMPARE(s.w().items(u"cb_vrste_1"), QStringList{u"Parking"_s});
}

void LookupListsTest::damagedTableIsSetAside_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // empty: a FIFO, which must not block the start
    QTest::addColumn<QString>("error");

    const QByteArray negative = "-3,-5\r\n0,0,Ana\r\n0,1,Ivo\r\n0,2,Eva\r\n";
    QTest::newRow("travellers") << u"putnici.txt"_s << negative
                                << u"File contains no data or corrupt file "_s;
    QTest::newRow("subjects") << u"subjekti.txt"_s << negative << u"File contains no data or corrupt file "_s;
    QTest::newRow("travellers, a FIFO") << u"putnici.txt"_s << QByteArray() << u"Cannot open file "_s;
}

// A table that could not be read is moved aside before anything is saved in its place.
void LookupListsTest::damagedTableIsSetAside()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    test::OpenBook b;
    const QString path = b.tmp.dataFolder() + file;
    if (bytes.isEmpty()) {
        QVERIFY(QDir().mkpath(b.tmp.dataFolder()));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        b.tmp.write(u"KVA_PUT/"_s + file, bytes);
    }
    b.start();
    auto& w = b.w();
    QCOMPARE(b.tmp.dialogs.messages.size(), 1);
    QCOMPARE(b.tmp.dialogs.messages.first(), error + path + u"\nOštećena datoteka sačuvana je kao "_s + path +
                                                 u".ostecen; program nastavlja bez njezinih podataka."_s);
    w.click(u"bt_nalog_dodaj_prazan");
    w.setText(u"nl_4", u"Novi Putnik"_s);
    w.leave(u"nl_4");
    QVERIFY(QFileInfo(path).isFile()); // saved anew
    if (!bytes.isEmpty())
        QCOMPARE(readFile(path + u".ostecen"_s), bytes);
    else
        QVERIFY(QFileInfo::exists(path + u".ostecen"_s) && !QFileInfo(path + u".ostecen"_s).isFile());
}

void LookupListsTest::choicesOnOrderPage()
{
    test::TempDataFolder tmp;
    tmp.write(u"KVA_PUT/putnici.txt"_s,
              "3,2\r\n0,0,Ana Horvat\r\n1,0,dr.\r\n2,0,lije\xE8nica\r\n0,1,Ivo\r\n");
    tmp.write(u"KVA_PUT/zvanje.txt"_s, "1,1\r\n0,0,mr.\r\n");
    tmp.write(u"KVA_PUT/zanimanja.txt"_s, "1,1\r\n0,0,pravnik\r\n");
    tmp.write(u"KVA_PUT/mjesta.txt"_s, "1,1\r\n0,0,Rijeka\r\n");
    tmp.write(u"KVA_PUT/prijevoz.txt"_s, "2,1\r\n0,0,Vlak\r\n");
    Started s(tmp);
    MainWindowModel& w = s.w();

    w.choose(u"cb_putnici", u"Ana Horvat"_s);
    QCOMPARE(w.text(u"nl_4"), u"Ana Horvat"_s);
    QCOMPARE(w.text(u"nl_5"), u"dr."_s);
    QCOMPARE(w.text(u"nl_6"), u"liječnica"_s);
    w.choose(u"cb_putnici", u"Ivo"_s);
    QCOMPARE(w.text(u"nl_4"), u"Ivo"_s);
    QCOMPARE(w.text(u"nl_5"), QString());
    // Looking a traveller up for the order leaves the list's own record where it was.
    QCOMPARE(w.table(u"sg_putnici").currentRow(), 0);

    const std::pair<QString, QString> copies[] = {
        {u"cb_zvanje_1"_s, u"nl_5"_s},           {u"cb_zanimanja_1"_s, u"nl_6"_s},
        {u"cb_mjesta_1"_s, u"nl_8"_s},           {u"cb_prijevoz_1"_s, u"nl_14"_s},
        {u"cb_prijevoz_2"_s, u"nl_15"_s},        {u"cb_zvanje_2"_s, u"ed_putnici_1"_s},
        {u"cb_zanimanja_2"_s, u"ed_putnici_2"_s}};
    for (const auto& [choice, target] : copies) {
        const QString entry = w.items(choice).constFirst();
        w.choose(choice, entry);
        QCOMPARE(w.text(target), entry);
    }
    // The report's person field is there only with the reports page.
    w.choose(u"cb_putnici_2", u"Ivo"_s);
    if (w.has(u"ed_izv_putnik"))
        QCOMPARE(w.text(u"ed_izv_putnik"), u"Ivo"_s);
    QVERIFY(tmp.dialogs.messages.isEmpty());
}

void LookupListsTest::countriesWorkbook()
{
    test::TempDataFolder tmp;
    const QByteArray workbook =
        "3,2\r\n0,0,\x8Avicarska\r\n1,0,1.100,00\r\n2,0,CHF\r\n0,1,Austrija\r\n1,1,70,00\r\n2,1,EUR\r\n";
    tmp.write(u"Tablice/zemljeXls.txt"_s, workbook);
    Started s(tmp);
    MainWindowModel& w = s.w();
    QCOMPARE(w.items(u"cb_zemlje_xls"), (QStringList{u"Austrija"_s, u"Švicarska"_s}));

    w.choose(u"cb_zemlje_xls", u"Švicarska"_s);
    QCOMPARE(w.text(u"ed_zemlja_0"), u"Švicarska"_s);
    QCOMPARE(w.value(u"ce_zemlja_1"), 1100.0);
    QCOMPARE(w.text(u"ed_zemlja_2"), u"CHF"_s);
    w.click(u"fcShapeBtn54");
    QCOMPARE(row(w.table(u"sg_zemlje"), 0, 3), (QStringList{u"Švicarska"_s, u"1.100,00"_s, u"CHF"_s}));
    QCOMPARE(readFile(tmp.tablesFolder() + u"zemljeXls.txt"_s), workbook); // read, never written

    test::TempDataFolder none;
    Started without(none);
    QVERIFY(!without.w().table(u"sg_zemlje_xls").hasData());
    QVERIFY(none.dialogs.messages.isEmpty());
}

QTEST_GUILESS_MAIN(LookupListsTest)
#include "tst_lookuplists.moc"
