#include "lists/LookupListsPage.h"

#include "base/StorableText.h"
#include "forms/Form.h"
#include "forms/Windows.h"
#include "storage/Folders.h"

#include <QFile>

#include <array>
#include <iterator>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

enum class FieldKind {
    Text,
    Amount, // ",0.00"
    Rate,   // up to six decimals, no grouping, no trailing zeros
    Km,     // ",0"
};

struct ColumnDef {
    const char16_t* field = nullptr;
    const char16_t* label = nullptr;
    const char16_t* hint = nullptr;
    FieldKind kind = FieldKind::Text;
};

struct ListDef {
    const char16_t* key;   // how the automatic add names the list
    const char16_t* title; // the chooser's entry and the panel's caption
    const char16_t* table;
    const char16_t* file;
    std::array<ColumnDef, 3> columns;
    const char16_t* panel;
    const char16_t* selection;
    std::array<const char16_t*, 3> buttons; // add, delete, save
    std::array<const char16_t*, 5> choiceLists;
    bool fixedColumns; // exactly its columns whenever a record is written
    bool fixedOnLoad;  // ... and after loading

    constexpr int columnCount() const
    {
        int n = 0;
        while (n < int(columns.size()) && columns[n].field)
            ++n;
        return n;
    }
};

// In the order of LookupListsPage::List.
constexpr ListDef kLists[] = {
    {u"strFilePutnici",
     u"Putnici",
     u"sg_putnici",
     u"putnici.txt",
     {{{u"ed_putnici_0", u"Ime i prezime"},
       {u"ed_putnici_1", u"Zvanje", u"Npr. ing., prof., dr. i sl."},
       {u"ed_putnici_2", u"Zanimanje"}}},
     u"pn_putnici",
     u"cb_putnici_1",
     {u"fcShapeBtn1", u"fcShapeBtn23", u"fcShapeBtn32"},
     {u"cb_putnici", u"cb_putnici_1", u"cb_putnici_2"},
     false,
     false},
    {u"strFileZvanje",
     u"Zvanja",
     u"sg_zvanje",
     u"zvanje.txt",
     {{{u"ed_zvanje_0", u"Zvanje"}}},
     u"pn_zvanja",
     u"cb_zvanje",
     {u"fcShapeBtn33", u"fcShapeBtn34", u"fcShapeBtn35"},
     {u"cb_zvanje", u"cb_zvanje_1", u"cb_zvanje_2"},
     false,
     false},
    {u"strFileZanimanja",
     u"Zanimanja",
     u"sg_zanimanja",
     u"zanimanja.txt",
     {{{u"ed_zanimanja_0", u"Zanimanja"}}},
     u"pn_zanimanja",
     u"cb_zanimanja",
     {u"fcShapeBtn36", u"fcShapeBtn37", u"fcShapeBtn38"},
     {u"cb_zanimanja", u"cb_zanimanja_1", u"cb_zanimanja_2"},
     false,
     false},
    {u"strFileMjesta",
     u"Mjesta",
     u"sg_mjesta",
     u"mjesta.txt",
     {{{u"ed_mjesta_0", u"Mjesto"}}},
     u"pn_mjesta",
     u"cb_mjesta",
     {u"fcShapeBtn39", u"fcShapeBtn40", u"fcShapeBtn41"},
     {u"cb_mjesta", u"cb_mjesta_1"},
     false,
     false},
    {u"strFilePrijevoz",
     u"Prijevozna sredstva",
     u"sg_prijevoz",
     u"prijevoz.txt",
     {{{u"ed_prijevoz_0", u"Prijevozno sredstvo"},
       {u"ed_prijevoz_1", u"Trošak po 1 km", nullptr, FieldKind::Amount}}},
     u"pn_prijevozna_sredstva",
     u"cb_prijevoz",
     {u"fcShapeBtn42", u"fcShapeBtn43", u"fcShapeBtn44"},
     {u"cb_prijevoz", u"cb_prijevoz_1", u"cb_prijevoz_2", u"cb_prijevoz_3"},
     true,
     true},
    {u"strFileValuta",
     u"Valute",
     u"sg_valute",
     u"valute.txt",
     {{{u"ed_valuta_0", u"Valuta"}, {u"ce_tecaj_1", u"Tečaj", nullptr, FieldKind::Rate}}},
     u"pn_valute",
     u"cb_valute",
     {u"fcShapeBtn45", u"fcShapeBtn46", u"fcShapeBtn47"},
     {u"cb_valute", u"cb_valute_1", u"cb_valute_2", u"cb_valute_3", u"cb_valute_4"},
     false,
     false},
    {u"strFileVrste",
     u"Vrste troškova",
     u"sg_vrste",
     u"vrste.txt",
     {{{u"ed_vrsta_0", u"Vrsta"}}},
     u"pn_vrste_ostalih_troskova",
     u"cb_vrste",
     {u"fcShapeBtn48", u"fcShapeBtn49", u"fcShapeBtn50"},
     {u"cb_vrste", u"cb_vrste_1"},
     false,
     false},
    {u"strFileRute",
     u"Rute",
     u"sg_rute",
     u"rute.txt",
     {{{u"ed_ruta_0", u"Ruta"}, {u"ed_ruta_1", u"km", nullptr, FieldKind::Km}}},
     u"pn_rute",
     u"cb_rute",
     {u"fcShapeBtn51", u"fcShapeBtn52", u"fcShapeBtn53"},
     {u"cb_rute", u"cb_rute_1"},
     true,
     false},
    {u"strFileZemlje",
     u"Zemlje i dnevnice",
     u"sg_zemlje",
     u"zemlje.txt",
     {{{u"ed_zemlja_0", u"Zemlja"},
       {u"ce_zemlja_1", u"Dnevnica", nullptr, FieldKind::Amount},
       {u"ed_zemlja_2", u"Valuta"}}},
     u"pn_zemlje_dnevnice",
     u"cb_zemlje",
     {u"fcShapeBtn54", u"fcShapeBtn55", u"fcShapeBtn56"},
     {u"cb_zemlje", u"cb_zemlje_1"},
     false,
     false},
};
static_assert(std::size(kLists) == LookupListsPage::ListCount);

constexpr LookupListsPage::List kChooserOrder[] = {
    LookupListsPage::Putnici,   LookupListsPage::Mjesta, LookupListsPage::Prijevoz,
    LookupListsPage::Rute,      LookupListsPage::Valute, LookupListsPage::Vrste,
    LookupListsPage::Zanimanja, LookupListsPage::Zemlje, LookupListsPage::Zvanje,
};
static_assert(std::size(kChooserOrder) == LookupListsPage::ListCount);

struct DistancesEntry {
    const char16_t* text;
    int page; // of the distances window
};
constexpr DistancesEntry kDistancesEntries[] = {
    {u"Izračun broja dnevnica", 2}, {u"Izračun udaljenosti", 0}, {u"Cestarina i gorivo", 1}};

// Choice lists beside other fields: choosing copies the text into the field.
struct CopyChoice {
    const char16_t* choice;
    const char16_t* target;
};
constexpr CopyChoice kCopyChoices[] = {
    {u"cb_zvanje_1", u"nl_5"},
    {u"cb_zanimanja_1", u"nl_6"},
    {u"cb_mjesta_1", u"nl_8"},
    {u"cb_prijevoz_1", u"nl_14"},
    {u"cb_prijevoz_2", u"nl_15"},
    {u"cb_zvanje_2", u"ed_putnici_1"},
    {u"cb_zanimanja_2", u"ed_putnici_2"},
    {u"cb_putnici_2", u"ed_izv_putnik"},
};
// The reports page declares it; until it exists the choice has nowhere to go.
constexpr const char16_t* kOptionalTarget = u"ed_izv_putnik";

constexpr int kShownPanelHeight = 300;
const QString kChoiceHint = u"Lista za automatsko popunjavanje podataka"_s;
const QString kChooserText = u"Popis tablica koje se koriste pri automatskom popunjavanju naloga"_s;
const QString kCountriesWorkbook = u"zemljeXls.txt"_s;
constexpr int kCountriesColumns = 3;

QString str(const char16_t* text)
{
    return QString::fromUtf16(text);
}

const ListDef& def(LookupListsPage::List list)
{
    return kLists[list];
}

void validateSingleLine(const QString& text)
{
    StorableText::check(text);
}

} // namespace

LookupListsPage::LookupListsPage(Form& main, const Folders& folders, bool readOnly, Windows& windows)
    : m_main(main), m_folders(folders), m_readOnly(readOnly), m_windows(windows)
{
    m_lists.reserve(ListCount);
    for (int i = 0; i < ListCount; ++i)
        declareList(List(i));
    declareChooser();
    declareNalogChoices();

    auto& workbook = main.add<GridControl>(u"sg_zemlje_xls"_s, kCountriesColumns, 1);
    workbook.setVisible(false);
    auto& countries = main.add<ChoiceList>(u"cb_zemlje_xls"_s);
    countries.setEditable(false);
    countries.setHint(kChoiceHint);
    countries.onChoose([this] { chooseWorkbookCountry(); });
}

void LookupListsPage::declareList(List list)
{
    const ListDef& d = def(list);
    auto& grid = m_main.add<GridControl>(str(d.table), d.columnCount(), 1);
    m_lists.emplace_back(grid.table(), m_folders.dataFolder() + str(d.file), d.columnCount(), d.fixedColumns);
    // A row picked in the table is the record the fields show, so "Spremi" writes that one.
    grid.onSelectCell([this, list](int, int row) { showRecord(list, row); });

    m_main.add<Panel>(str(d.panel), str(d.title));
    for (int c = 0; c < d.columnCount(); ++c) {
        const ColumnDef& col = d.columns[c];
        Control* field = nullptr;
        switch (col.kind) {
        case FieldKind::Text: {
            auto& text = m_main.add<TextField>(str(col.field));
            text.setValidator(validateSingleLine);
            field = &text;
            break;
        }
        case FieldKind::Amount: field = &m_main.add<NumberField>(str(col.field), 2); break;
        case FieldKind::Rate: {
            auto& rate = m_main.add<NumberField>(str(col.field), 6);
            rate.setGrouping(false);
            rate.setDropTrailingZeros(true);
            field = &rate;
            break;
        }
        case FieldKind::Km: field = &m_main.add<NumberField>(str(col.field), 0); break;
        }
        field->setCaption(str(col.label));
        if (col.hint)
            field->setHint(str(col.hint));
    }

    const QString captions[] = {u"&Dodaj"_s, u"&Obriši"_s, u"S&premi"_s};
    const std::function<void()> actions[] = {[this, list] { add(list); }, [this, list] { remove(list); },
                                             [this, list] { save(list); }};
    for (int i = 0; i < 3; ++i)
        m_main.add<Button>(str(d.buttons[i]), captions[i]).onClick(actions[i]);

    for (const char16_t* name : d.choiceLists) {
        if (!name)
            break;
        auto& choice = m_main.add<ChoiceList>(str(name));
        choice.setEditable(false);
        choice.setHint(kChoiceHint);
    }
    auto& selection = m_main.get<ChoiceList>(str(d.selection));
    selection.onChoose([this, list, &selection] { select(list, selection.text()); });
    refillChoiceLists(list);
}

void LookupListsPage::declareChooser()
{
    auto& chooser = m_main.add<ChoiceList>(u"cb_tablice_odabir_1"_s, false);
    chooser.setEditable(false);
    chooser.setCaption(kChooserText);
    chooser.setHint(kChooserText);
    QStringList texts;
    for (List list : kChooserOrder)
        texts << str(def(list).title);
    for (const DistancesEntry& e : kDistancesEntries)
        texts << str(e.text);
    chooser.setTexts(texts);
    chooser.onChoose([this, &chooser] {
        const int index = chooser.currentIndex();
        if (index < 0)
            return;
        if (index < ListCount)
            showPanel(kChooserOrder[index]);
        else
            openDistancesWindow(kDistancesEntries[index - ListCount].page);
    });

    auto& distances = m_main.add<Button>(u"fcShapeBtn31"_s, u"Izračunaj udaljenost"_s);
    distances.setHint(u"Izračunaj udaljenost"_s);
    distances.onClick([this] { openDistancesWindow(0); });
}

void LookupListsPage::declareNalogChoices()
{
    // The order fields belong to the order page, which may be built after this part.
    auto& travellers = m_main.get<ChoiceList>(u"cb_putnici");
    travellers.onChoose([this, &travellers] {
        const QString name = travellers.text();
        m_main.get<TextField>(u"nl_4").setText(name);
        const LookupList& l = m_lists[Putnici];
        const int row = l.find(name);
        if (row >= 0) {
            m_main.get<TextField>(u"nl_5").setText(l.cell(1, row));
            m_main.get<TextField>(u"nl_6").setText(l.cell(2, row));
        }
    });
    for (const CopyChoice& rule : kCopyChoices) {
        auto& choice = m_main.get<ChoiceList>(str(rule.choice));
        const QString target = str(rule.target);
        choice.onChoose([this, &choice, target] {
            if (target == str(kOptionalTarget) && !m_main.has(target))
                return;
            m_main.get<TextField>(target).setText(choice.text());
        });
    }
}

LookupListsPage::List LookupListsPage::listByKey(const QString& key)
{
    for (int i = 0; i < ListCount; ++i) {
        if (key == str(kLists[i].key))
            return List(i);
    }
    return ListCount;
}

LookupListsPage::PanelNames LookupListsPage::panelNames(List list)
{
    const ListDef& d = def(list);
    PanelNames names{str(d.panel), str(d.selection), {}, {}, str(d.table)};
    if (list == Zemlje)
        names.fields << u"cb_zemlje_xls"_s;
    for (int c = 0; c < d.columnCount(); ++c)
        names.fields << str(d.columns[c].field);
    for (const char16_t* button : d.buttons)
        names.buttons << str(button);
    if (list == Rute)
        names.buttons << u"fcShapeBtn31"_s;
    return names;
}

QList<LookupListsPage::List> LookupListsPage::chooserOrder()
{
    return QList<List>(std::begin(kChooserOrder), std::end(kChooserOrder));
}

void LookupListsPage::load()
{
    for (int i = 0; i < ListCount; ++i) {
        const List list = List(i);
        // One unreadable file must not keep the other lists from loading.
        m_main.guard([&] {
            if (m_lists[i].load(!m_readOnly) && def(list).fixedOnLoad)
                m_lists[i].fitColumns();
        });
        refillChoiceLists(list);
    }
    loadCountriesWorkbook();
}

void LookupListsPage::loadCountriesWorkbook()
{
    GridTable& table = m_main.table(u"sg_zemlje_xls");
    const QString path = m_folders.tablesFolder() + kCountriesWorkbook;
    m_main.guard([&] {
        table.ResetRows(1);
        if (QFile::exists(path))
            table.LoadFromTableFile(path);
    });
    m_main.get<ChoiceList>(u"cb_zemlje_xls").setTexts(table.ColumnTexts(0));
}

void LookupListsPage::chooseWorkbookCountry()
{
    const GridTable& table = m_main.table(u"sg_zemlje_xls");
    const QString name = m_main.get<ChoiceList>(u"cb_zemlje_xls").text();
    if (name.isEmpty())
        return;
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.cell(0, r) != name)
            continue;
        const ListDef& d = def(Zemlje);
        for (int c = 0; c < d.columnCount(); ++c)
            m_main.setText(str(d.columns[c].field), table.cell(c, r));
        return;
    }
}

void LookupListsPage::hidePanels()
{
    for (int i = 0; i < ListCount; ++i)
        m_main.get<Panel>(str(kLists[i].panel)).setVisible(i == Putnici);
}

void LookupListsPage::showPanel(List shown)
{
    for (List list : kChooserOrder) {
        auto& panel = m_main.get<Panel>(str(def(list).panel));
        if (list == shown)
            panel.setHeight(kShownPanelHeight);
        panel.setVisible(list == shown);
    }
}

void LookupListsPage::openDistancesWindow(int page)
{
    m_windows.open(Windows::Window::Udaljenosti, page);
}

void LookupListsPage::refillChoiceLists(List list)
{
    const QStringList keys = m_lists[list].keys();
    for (const char16_t* name : def(list).choiceLists) {
        if (!name)
            break;
        m_main.get<ChoiceList>(str(name)).setTexts(keys);
    }
}

QString LookupListsPage::key(List list) const
{
    return m_main.text(str(def(list).columns[0].field));
}

void LookupListsPage::writeRecord(List list)
{
    const ListDef& d = def(list);
    QStringList record;
    for (int c = 0; c < d.columnCount(); ++c)
        record << m_main.text(str(d.columns[c].field));
    m_lists[list].writeCurrent(record);
    refillChoiceLists(list);
}

void LookupListsPage::add(List list)
{
    LookupList& l = m_lists[list];
    const QString k = key(list);
    if (k.isEmpty()) {
        m_main.dialogs().message(u"Polje prve kolone ne smije biti prazno"_s);
        return;
    }
    const int row = l.find(k);
    if (row >= 0) {
        l.table().SelectRow(row);
        m_main.dialogs().message(u"Ovaj zapis već postoji, ne smije biti duplih."_s);
        return;
    }
    l.newRecordRow();
    writeRecord(list);
}

void LookupListsPage::save(List list)
{
    writeRecord(list);
}

void LookupListsPage::remove(List list)
{
    if (!m_main.dialogs().confirm(u"Brisanje zapisa"_s,
                                  u"Ako želite obrisati odabrani zapis, pritisnite \"OK\"."_s))
        return;
    if (m_lists[list].deleteCurrent()) {
        clearEntryFields(list);
        for (const char16_t* name : def(list).choiceLists) {
            if (!name)
                break;
            m_main.get<ChoiceList>(str(name)).setText(QString());
        }
    }
    refillChoiceLists(list);
}

void LookupListsPage::clearEntryFields(List list)
{
    const ListDef& d = def(list);
    for (int c = 0; c < d.columnCount(); ++c) {
        const QString field = str(d.columns[c].field);
        if (d.columns[c].kind == FieldKind::Text)
            m_main.setText(field, QString());
        else
            m_main.setValue(field, 0);
    }
}

void LookupListsPage::select(List list, const QString& key)
{
    LookupList& l = m_lists[list];
    const int row = key.isEmpty() ? l.findEmptyKey() : l.find(key);
    if (row < 0)
        return;
    l.table().SelectRow(row);
    showRecord(list, row);
}

void LookupListsPage::showRecord(List list, int row)
{
    const ListDef& d = def(list);
    for (int c = 0; c < d.columnCount(); ++c)
        m_main.setText(str(d.columns[c].field), m_lists[list].cell(c, row));
}

void LookupListsPage::autoAdd(List list, const QString& text)
{
    if (list < 0 || list >= ListCount)
        return;
    if (m_lists[list].autoAdd(text))
        refillChoiceLists(list);
}

} // namespace selvana
