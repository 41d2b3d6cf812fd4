#include "orders/SubjectsPage.h"

#include "base/AppError.h"
#include "base/StorableText.h"
#include "forms/Form.h"
#include "forms/Windows.h"
#include "storage/Folders.h"
#include "storage/TableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

const QString kTableFile = u"subjekti.txt"_s;
const QString kFirstNumber = u"100"_s;
constexpr int kOibLength = 11;
constexpr int kFirstYear = 2010;
constexpr int kLastYear = 3000;

struct FieldDef {
    const char16_t* name;
    const char16_t* caption;
};

// In the order of table columns 1 to 8.
constexpr FieldDef kFields[] = {
    {u"ed_sb_naziv", u"Naziv"},   {u"ed_sb_adresa", u"Adresa (ulica i kućni broj)"},
    {u"ed_sb_mjesto", u"Mjesto"}, {u"ed_sb_oib", u"OIB"},
    {u"ed_sb_pbr", u"PBR"},       {u"ed_sb_tel", u"tel."},
    {u"ed_sb_fax", u"fax"},       {u"ed_sb_internet", u"Internet"},
};
constexpr int kFieldCount = int(std::size(kFields));
static_assert(kFieldCount == SubjectsPage::kColumns - 1);

QString fieldName(int i)
{
    return QString::fromUtf16(kFields[i].name);
}

// Columns of the Dravik base.
enum BaseColumn {
    BaseName = 1,
    BaseStreet = 3,
    BaseHouseNumber = 4,
    BasePostCode = 5,
    BasePlace = 6,
    BaseOib = 21,
    BaseWeb = 24
};

// Runs a change of the table; when it fails (a save that cannot be written) the table goes
// back to what it was, so it still matches its file and the choice list.
template <class Change> void keepTableOnError(GridTable& table, Change change)
{
    const GridTable before = table;
    try {
        change();
    } catch (const AppError&) {
        table = before;
        throw;
    }
}

} // namespace

SubjectsPage::SubjectsPage(Form& main, const Folders& folders, bool readOnly, Windows& windows,
                           std::function<void(bool)> setBookPagesEnabled)
    : m_main(main), m_folders(folders), m_readOnly(readOnly),
      m_setBookPagesEnabled(std::move(setBookPagesEnabled))
{
    main.add<GridControl>(u"sg_subjekti"_s, kColumns, 1);

    auto& list = main.add<ChoiceList>(u"cb_subjekti"_s, false);
    list.setCaption(u"Subjekt"_s);
    list.setEditable(false);
    list.onChoose([this] { subjectChosen(); });

    auto& year = main.get<NumberField>(u"nl_1");
    year.setRange(kFirstYear, kLastYear);
    year.onChange([this] { m_setBookPagesEnabled(false); });

    main.add<Button>(u"bt_loko"_s, u"Loko-vožnje"_s).onClick([&windows] {
        windows.open(Windows::Window::Loko, 0);
    });

    main.add<Button>(u"fcShapeBtn24"_s, u"&Dodaj"_s).onClick([this] { add(); });
    auto& del = main.add<Button>(u"fcShapeBtn25"_s, u"&Obriši"_s);
    del.setHint(u"Pažnja: brisanjem subjekta brišu se i svi njegovi evidentirani nalozi i loko-vožnje."_s);
    del.onClick([this] { remove(); });
    main.add<Button>(u"fcShapeBtn26"_s, u"S&premi"_s).onClick([this] { save(); });

    declareEntryFields();

    auto& base = main.add<ChoiceList>(u"cb_baza"_s);
    base.setCaption(u"Popuni iz Baza.csv"_s);
    base.setText(u"Odabrati ..."_s);
    base.onChoose([this] { baseChosen(); });
    main.add<GridControl>(u"sg_baza"_s, 1, 1).setVisible(false);
}

void SubjectsPage::declareEntryFields()
{
    for (const FieldDef& def : kFields) {
        auto& field = m_main.add<TextField>(QString::fromUtf16(def.name));
        field.setCaption(QString::fromUtf16(def.caption));
        field.setValidator([](const QString& text) { StorableText::check(text); });
    }
    // The OIB has 11 digits: longer input is cut as it is typed.
    auto& oib = m_main.get<TextField>(u"ed_sb_oib");
    oib.onChange([&oib] {
        if (oib.text().size() > kOibLength)
            oib.setText(oib.text().left(kOibLength));
    });
}

// --- start-up ---

void SubjectsPage::load()
{
    m_main.guard([this] {
        GridTable& t = table();
        t.ResetRows(1);
        if (QFileInfo::exists(tableFile())) {
            loadSavedTableFile(t, tableFile(), !m_readOnly);
            // A file written with fewer columns still gets every field.
            if (t.colCount() < kColumns)
                t.setColCount(kColumns);
        }
        fillChoiceList();
        if (!isEmpty())
            chooseEntry(0);
    });
}

void SubjectsPage::showFieldsWhenEmpty()
{
    m_main.get<CheckBox>(u"cb_subjekti_panel_polja").setChecked(isEmpty());
}

void SubjectsPage::loadBase()
{
    const QString path = m_main.text(u"ed_pst_lokacija_baze");
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    m_main.guard([this, &path] {
        GridTable& base = m_main.table(u"sg_baza");
        base.ResetRows(1);
        base.LoadFromTableFile(path);
        base.DeleteRow(0); // the title row
        QStringList names;
        if (base.hasData()) {
            for (const QString& name : base.ColumnTexts(BaseName))
                if (!name.isEmpty())
                    names.push_back(name);
        }
        m_main.get<ChoiceList>(u"cb_baza").setTexts(names);
    });
}

// --- the current subject ---

GridTable& SubjectsPage::table()
{
    return m_main.table(u"sg_subjekti");
}
QString SubjectsPage::tableFile() const
{
    return m_folders.dataFolder() + kTableFile;
}
bool SubjectsPage::isEmpty() const
{
    return !m_main.get<GridControl>(u"sg_subjekti").table().hasData();
}
ChoiceList& SubjectsPage::subjectList() const
{
    return m_main.get<ChoiceList>(u"cb_subjekti");
}

QString SubjectsPage::currentNumber() const
{
    const GridTable& t = m_main.get<GridControl>(u"sg_subjekti").table();
    return t.cell(0, t.currentRow());
}

QString SubjectsPage::currentName() const
{
    const GridTable& t = m_main.get<GridControl>(u"sg_subjekti").table();
    return t.cell(1, t.currentRow());
}

void SubjectsPage::fillChoiceList()
{
    const GridTable& t = table();
    QList<ChoiceList::Entry> entries;
    // The empty table has no subject, so no (empty) entry either.
    if (t.hasData()) {
        for (int r = 0; r < t.rowCount(); ++r)
            entries.push_back({t.cell(1, r), t.cell(0, r)});
    }
    subjectList().setEntries(std::move(entries));
}

void SubjectsPage::chooseEntry(int index)
{
    subjectList().setCurrentIndex(index);
    subjectChosen();
}

void SubjectsPage::subjectChosen()
{
    GridTable& t = table();
    const int row = t.FindInColumn(0, subjectList().currentValue());
    if (row >= 0) {
        QStringList texts;
        for (int c = 1; c < kColumns; ++c)
            texts.push_back(t.cell(c, row));
        setFields(texts);
        m_main.setCaption(u"Rovar irorov <"_s + t.cell(1, row) + u'>');
    }
    // Another subject means another book: it must be opened again.
    m_setBookPagesEnabled(false);
}

void SubjectsPage::setFields(const QStringList& texts)
{
    // Check all first, so a text the fields refuse leaves none of them changed.
    for (const QString& text : texts)
        StorableText::check(text);
    for (int i = 0; i < kFieldCount; ++i)
        m_main.get<TextField>(fieldName(i)).setText(texts.value(i));
}

// --- add, save, delete ---

void SubjectsPage::add()
{
    m_main.setStatus(1, u"Dodajem ..."_s);
    const QString name = m_main.text(u"ed_sb_naziv");
    if (name.isEmpty()) {
        m_main.dialogs().message(u"Polje \"Naziv\" ne smije biti prazno"_s);
        return;
    }
    GridTable& t = table();
    if (t.FindInColumn(1, name) >= 0) { // the existing subject becomes current
        m_main.dialogs().message(u"Ovaj \"Naziv\"  već postoji, ne smije biti duplih."_s);
        return;
    }
    keepTableOnError(t, [&] {
        if (!t.hasData()) {
            t.setCell(0, 0, kFirstNumber);
        } else {
            // Read before appending: a number that is no number stops the add unchanged.
            const double largest = t.MaxInColumn(0, 0, t.rowCount() - 1);
            t.AppendRow();
            t.setCell(0, t.currentRow(), QString::number(qint64(std::floor(largest)) + 1));
        }
        saveCurrentRow();
    });
    m_main.setStatus(1, u"Dodajem - kraj."_s);
}

void SubjectsPage::save()
{
    keepTableOnError(table(), [this] { saveCurrentRow(); });
}

void SubjectsPage::saveCurrentRow()
{
    m_main.setStatus(1, u"Spremam ..."_s);
    GridTable& t = table();
    const int row = t.currentRow();
    {
        GridTable::Batch batch(t);
        if (t.cell(0, row).isEmpty())
            t.setCell(0, row, kFirstNumber);
        for (int i = 0; i < kFieldCount; ++i)
            t.setCell(i + 1, row, m_main.text(fieldName(i)));
    }
    t.SaveToTableFile(tableFile());

    const QString number = t.cell(0, row);
    fillChoiceList();
    const auto& entries = subjectList().entries();
    int index = -1;
    for (int i = 0; i < entries.size() && index < 0; ++i)
        if (entries[i].value == number)
            index = i;
    chooseEntry(index);
    m_main.setStatus(1, u"Spremam završio."_s);
}

QStringList SubjectsPage::subjectFiles(const QString& number) const
{
    QStringList files;
    // Without a number the prefix would be "_" alone and catch files of no subject.
    if (number.isEmpty())
        return files;
    const QString prefix = number + u'_';
    for (const QString& folder : {m_folders.dataFolder(), m_folders.lokoFolder()}) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
            if (name.startsWith(prefix, Qt::CaseSensitive))
                files.push_back(dir.filePath(name));
    }
    return files;
}

void SubjectsPage::remove()
{
    Dialogs& dialogs = m_main.dialogs();
    if (!dialogs.confirm(u"Brisanje subjekata"_s,
                         u"Ako želite obrisati odabranog subjekta, pritisnite \"OK\"."_s))
        return;
    const QStringList files = subjectFiles(currentNumber());
    if (!files.isEmpty() &&
        !dialogs.confirm(
            u"Brisanje evidencije"_s,
            u"Za odabranog subjekta već je rađena evidencija. Brisanjem subjekta obrisat će se i ta "
            u"evidencija. Ako i dalje želite obrisati odabranog subjekta, pritisnite \"OK\"."_s))
        return;
    for (const QString& file : files)
        if (QFileInfo::exists(file))
            QFile::remove(file);

    GridTable& t = table();
    if (t.rowCount() < 2) {
        t.ResetRows(1);
        QFile::remove(tableFile());
        subjectList().setText(QString());
        setFields({});
        // The deleted subject's name must not stay in the title.
        m_main.setCaption(u"Selvana"_s);
    } else {
        keepTableOnError(t, [&] {
            t.DeleteRow(t.currentRow());
            t.SaveToTableFile(tableFile());
        });
    }
    fillChoiceList();
    chooseEntry(0);
}

void SubjectsPage::baseChosen()
{
    GridTable& base = m_main.table(u"sg_baza");
    const int row = base.FindInColumn(BaseName, m_main.text(u"cb_baza"));
    if (row < 0)
        return;
    // One space between street and house number, none when either is missing.
    QStringList street{base.cell(BaseStreet, row), base.cell(BaseHouseNumber, row)};
    street.removeAll(QString());
    // Telephone and fax are not in the base: they stay as typed.
    setFields({base.cell(BaseName, row), street.join(u' '), base.cell(BasePlace, row),
               base.cell(BaseOib, row), base.cell(BasePostCode, row), m_main.text(u"ed_sb_tel"),
               m_main.text(u"ed_sb_fax"), base.cell(BaseWeb, row)});
}

} // namespace selvana
