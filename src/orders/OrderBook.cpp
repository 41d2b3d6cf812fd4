#include "orders/OrderBook.h"

#include "base/AppError.h"
#include "base/TextForms.h"
#include "forms/Form.h"
#include "orders/BookFiles.h"
#include "orders/OrderPage.h"
#include "orders/OrderRecord.h"
#include "orders/SubjectsPage.h"
#include "storage/Folders.h"
#include "storage/TableFile.h"
#include "storage/TableFileSet.h"

#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

constexpr int kOrderColumns = OrderColumn::Count;
constexpr int kSettlementColumns = 21;
constexpr int kLargestNumber = 10000;
constexpr int kNumberingHeight = 92;
constexpr int kCorrectionHeight = 155;

QString wholeNumber(int n)
{
    return QString::number(n);
}

} // namespace

OrderBook::OrderBook(Form& main, OrderPage& page, SubjectsPage& subjects, const Folders& folders,
                     std::function<void(bool)> setBookPagesEnabled)
    : m_main(main), m_subjects(subjects), m_folders(folders),
      m_setBookPagesEnabled(std::move(setBookPagesEnabled)), m_page(page)
{
    declare();
}

void OrderBook::declare()
{
    m_main.add<GridControl>(u"sg_nalozi"_s, kOrderColumns, 1);
    m_main.add<GridControl>(u"sg_obracun"_s, kSettlementColumns, 1);
    m_main.add<Button>(u"bt_otv_knj_nlg"_s, u"Rovar irorov"_s).onClick([this] { open(); });

    m_main.get<NumberField>(u"nl_0").onChange([this] { onNumberChanged(); });
    m_main.add<Button>(u"Button4"_s, u"<"_s).onClick([this] {
        auto& n = m_main.get<NumberField>(u"nl_0");
        n.setValue(n.value() - 1);
    });
    m_main.add<Button>(u"Button3"_s, u">"_s).onClick([this] {
        auto& n = m_main.get<NumberField>(u"nl_0");
        n.setValue(n.value() + 1);
    });

    auto& numbers = m_main.add<ChoiceList>(u"cb_brojevi_naloga"_s, false);
    numbers.onChoose([this, &numbers] {
        moveTo(numbers.currentValue());
        numbers.setText(QString());
    });
    numbers.onLeave([&numbers] { numbers.setText(QString()); });

    auto& sorted = m_main.add<ChoiceList>(u"cb_nalozi_nadi"_s, true);
    sorted.setCaption(u"Lista naloga (odabrati)"_s);
    sorted.setHint(u"Lista abecedno sortiranih naloga (ime + datum + mjesto) "_s);
    sorted.onChoose([this, &sorted] {
        bool ok = false;
        const int n = sorted.currentValue().toInt(&ok);
        if (ok && n >= 0)
            moveTo(sorted.currentValue());
    });
    sorted.onEnter([this, &sorted] {
        if (sorted.count() == 0)
            rebuildLists();
    });

    const std::pair<const char16_t*, const char16_t*> actions[] = {
        {u"bt_nalog_dodaj_prazan", u"&Dodaj"},   {u"bt_nalog_dodaj_pun", u"Doda&j"},
        {u"bg_nalozi_1fcShapeBtn2", u"&Obriši"}, {u"bg_nalozi_1fcShapeBtn3", u"S&premi"},
        {u"bg_nalozi_1fcShapeBtn4", u"&Ispis"},
    };
    for (const auto& [name, caption] : actions)
        m_main.add<Button>(QString::fromUtf16(name), QString::fromUtf16(caption));
    m_main.get<Button>(u"bt_nalog_dodaj_prazan").onClick([this] { add(false); });
    m_main.get<Button>(u"bt_nalog_dodaj_pun").onClick([this] { add(true); });
    m_main.get<Button>(u"bg_nalozi_1fcShapeBtn2").onClick([this] { remove(); });
    m_main.get<Button>(u"bg_nalozi_1fcShapeBtn3").onClick([this] { SaveOrder(); });

    auto nav = [this](const QString& name, const QString& caption, const QString& hint, auto rowOf) {
        auto& b = m_main.add<Button>(name, caption);
        b.setHint(hint);
        b.onClick([this, rowOf] { goToRow(rowOf(orders())); });
    };
    nav(u"fcShapeBtn7"_s, u"|<"_s, u"Idi na prvi nalog"_s, [](GridTable&) { return 0; });
    nav(u"fcShapeBtn8"_s, u">|"_s, u"Idi na zadnji nalog"_s, [](GridTable& t) { return t.rowCount() - 1; });
    nav(u"fcShapeBtn9"_s, u"<<"_s, u"Idi na prethodni nalog"_s,
        [](GridTable& t) { return std::max(0, t.currentRow() - 1); });
    nav(u"fcShapeBtn10"_s, u">>"_s, u"Idi na sljedeći nalog"_s,
        [](GridTable& t) { return std::min(t.rowCount() - 1, t.currentRow() + 1); });

    auto& correction = m_main.add<CheckBox>(u"cb_korekcija"_s, u"Ispravak"_s);
    m_main.add<Panel>(u"pn_korekcija"_s).setVisible(false);
    correction.onChange([this, &correction] {
        m_main.get<Panel>(u"pn_brj_nlg")
            .setHeight(correction.isChecked() ? kCorrectionHeight : kNumberingHeight);
        m_main.get<Panel>(u"pn_korekcija").setVisible(correction.isChecked());
    });
    const std::pair<const char16_t*, const char16_t*> numberFields[] = {
        {u"ce_stari", u"Stari broj"}, {u"ce_novi", u"Novi broj"}, {u"ce_insert", u"Ubaci ovaj br."}};
    for (const auto& [name, caption] : numberFields) {
        auto& f = m_main.add<NumberField>(QString::fromUtf16(name), 0);
        f.setGrouping(false);
        f.setZeroShownEmpty(true);
        f.setCaption(QString::fromUtf16(caption));
    }
    m_main.add<Button>(u"bt_stari_u_novi"_s, u"OK"_s).onClick([this] { renumber(); });
    m_main.add<Button>(u"fcShapeBtn27"_s, u"Ubaci"_s).onClick([this] { insertNumber(); });
}

GridTable& OrderBook::orders()
{
    return m_main.table(u"sg_nalozi");
}
GridTable& OrderBook::settlements()
{
    return m_main.table(u"sg_obracun");
}

QString OrderBook::bookFile(const QString& folder, const QString& subject, const QString& year,
                            QStringView ending)
{
    return folder + subject + u'_' + year + ending;
}

QString OrderBook::ordersFile() const
{
    return bookFile(m_folders.dataFolder(), m_subject, m_year, u"_nalozi.txt");
}

QString OrderBook::settlementsFile() const
{
    return bookFile(m_folders.dataFolder(), m_subject, m_year, u"_obracun.txt");
}

int OrderBook::largestNumber() const
{
    return m_largest;
}

void OrderBook::recountLargest()
{
    // Kept rather than recomputed: stepping through a large book must not reread every number.
    const GridTable& t = m_main.get<GridControl>(u"sg_nalozi").table();
    m_largest = int(t.MaxInColumn(OrderColumn::Number, 0, t.rowCount() - 1));
}

bool OrderBook::hasNumber(const QString& number) const
{
    const GridTable& t = m_main.get<GridControl>(u"sg_nalozi").table();
    for (int r = 0; r < t.rowCount(); ++r)
        if (t.cell(OrderColumn::Number, r) == number)
            return true;
    return false;
}

void OrderBook::info()
{
    m_main.setStatus(0, m_main.text(u"ed_sb_naziv") + u" - Zadnji broj naloga: "_s +
                            wholeNumber(largestNumber()) + u" - "_s + m_main.text(u"nl_1") + u". godine"_s);
}

QString OrderBook::totalsCaption() const
{
    const GridTable& t = m_main.get<GridControl>(u"sg_nalozi").table();
    return m_subjects.currentName() + u"<putni nalog br. "_s + t.cell(OrderColumn::Number, t.currentRow()) +
           u"><"_s + m_main.text(u"nl_1") + u"><UKUPNO>"_s;
}

void OrderBook::updateTotalsCaption()
{
    m_main.get<Label>(u"lb_ukupno").setCaption(totalsCaption());
}

void OrderBook::clearPage()
{
    m_page.ClearOrderFields();
    m_page.ClearSettlement();
}

void OrderBook::open()
{
    if (m_subjects.isEmpty())
        throw AppError(u"Upisati subjekt!"_s);
    m_main.setStatus(1, u"Otvaram. Pričekajte ..."_s);
    const QString subject = m_subjects.currentNumber();
    if (!subject.isEmpty()) {
        close();
        const QString year = m_main.text(u"nl_1");
        const QString folder = m_folders.dataFolder();
        const bool loaded = loadBookFiles(bookFile(folder, subject, year, u"_nalozi.txt"),
                                          bookFile(folder, subject, year, u"_obracun.txt"), orders(),
                                          settlements(), m_readOnly);
        m_subject = subject;
        m_year = year;
        recountLargest();
        if (loaded) {
            goToRow(0);
            rebuildLists();
        }
        info();
        updateTotalsCaption();
    }
    m_setBookPagesEnabled(true);
    m_main.setStatus(1, u"Knjiga naloga otvorena."_s);
    throwIfShownOrderDamaged();
}

void OrderBook::close()
{
    // Until another book has been read in full, no book is open: nothing can be saved over
    // files that were not read.
    m_subject.clear();
    m_year.clear();
    m_largest = 0;
    m_setBookPagesEnabled(false);
    m_main.setStatus(1, u"Knjiga naloga nije otvorena."_s);
    orders().ResetRows(1);
    settlements().ResetRows(1);
    clearPage();
    m_main.get<ChoiceList>(u"cb_nalozi_nadi").setEntries({});
    m_main.get<ChoiceList>(u"cb_brojevi_naloga").setEntries({});
}

void OrderBook::showCurrent()
{
    const QScopedValueRollback showing(m_showing, true);
    m_page.ShowOrder();
}

bool OrderBook::shownOrderDamaged() const
{
    return m_page.isDamaged();
}

void OrderBook::throwIfShownOrderDamaged() const
{
    if (m_page.isDamaged())
        throw AppError(m_page.damageText());
}

void OrderBook::goToRow(int row)
{
    if (row < 0 || row >= orders().rowCount())
        return;
    orders().SelectRow(row);
    settlements().SelectRow(row);
    showCurrent();
    info();
    updateTotalsCaption();
}

void OrderBook::onNumberChanged()
{
    if (m_showing)
        return;
    auto& field = m_main.get<NumberField>(u"nl_0");
    const int limit = std::min(largestNumber() + 1, kLargestNumber);
    const double clamped = std::clamp(field.value(), 1.0, double(std::max(limit, 1)));
    if (clamped != field.value()) {
        field.setValue(clamped); // runs this rule again with the limited value
        return;
    }
    moveTo(wholeNumber(int(field.value())));
    emptyListTexts();
}

void OrderBook::moveTo(const QString& number)
{
    if (number.isEmpty())
        return;
    m_page.setTripResetSuppressed(true);
    const int largest = largestNumber();
    const int foundOrder = orders().FindInColumn(OrderColumn::Number, number);
    const int foundSettlement = settlements().FindInColumn(OrderColumn::Number, number);
    if (foundOrder >= 0 && foundSettlement >= 0) {
        showCurrent();
        info();
        updateTotalsCaption();
        throwIfShownOrderDamaged();
        return;
    }
    const int n = TextForms::parseInteger(number);
    if (n < largest + 1) {
        m_main.setStatus(0, u"Nalog pod rednim brojem "_s + number + u" ne postoji"_s);
        if (!m_adding)
            clearPage();
    } else if (n == largest + 1) {
        if (!m_adding)
            clearPage();
        info();
    } else {
        info();
    }
}

void OrderBook::emptyListTexts()
{
    m_main.get<ChoiceList>(u"cb_brojevi_naloga").setText(QString());
    m_main.get<ChoiceList>(u"cb_nalozi_nadi").setText(QString());
}

void OrderBook::rebuildLists()
{
    const GridTable& t = orders();
    QList<ChoiceList::Entry> numbers;
    QList<ChoiceList::Entry> sorted;
    if (t.hasData()) {
        numbers.reserve(t.rowCount());
        sorted.reserve(t.rowCount());
        for (int r = 0; r < t.rowCount(); ++r) {
            const QString number = t.cell(OrderColumn::Number, r);
            numbers.push_back({number, number});
            sorted.push_back({t.cell(OrderColumn::Traveller, r) + u" - "_s +
                                  t.cell(OrderColumn::Destination, r) + u'-' +
                                  t.cell(OrderColumn::DepartureDate, r) + u" - br. nal. "_s + number,
                              number});
        }
    }
    m_main.get<ChoiceList>(u"cb_brojevi_naloga").setEntries(std::move(numbers));
    m_main.get<ChoiceList>(u"cb_nalozi_nadi").setEntries(std::move(sorted));
}

void OrderBook::saveFiles()
{
    SaveTableFiles({{&orders(), ordersFile()}, {&settlements(), settlementsFile()}});
}

void OrderBook::requireOpen() const
{
    if (!isOpen())
        throw AppError(u"Knjiga naloga nije otvorena."_s);
}

void OrderBook::add(bool copy)
{
    requireOpen();
    m_main.setStatus(1, u"Dodajem ..."_s);
    const int next = largestNumber() + 1;
    if (next > kLargestNumber || hasNumber(wholeNumber(next)))
        throw AppError(u"Ili nije zadan broj naloga ili je broj naloga dupli."_s);
    if (!copy)
        clearPage();

    auto& number = m_main.get<NumberField>(u"nl_0");
    const bool empty = !orders().hasData();
    {
        const QScopedValueRollback adding(m_adding, true);
        number.setValue(empty ? 1 : next);
    }
    // A copy is a new order: what could not be read of the original is not part of it.
    m_page.forgetDamage();
    orders().setColCount(kOrderColumns);
    settlements().setColCount(kSettlementColumns);
    if (empty) {
        orders().SelectRow(0);
        settlements().SelectRow(0);
    } else {
        orders().AppendRow();
        settlements().AppendRow();
    }
    writeShownOrder();
    m_main.setStatus(1, copy ? u"Gotovo"_s : u"Dodavanje gotovo."_s);
}

void OrderBook::writeShownOrder()
{
    m_page.WriteOrder();
    recountLargest();
    saveFiles();
    rebuildLists();
    emptyListTexts();
    info();
    updateTotalsCaption();
}

void OrderBook::SaveOrder()
{
    requireOpen();
    if (m_page.isDamaged())
        throw AppError(
            u"Nalog pod rednim brojem "_s + m_main.text(u"nl_0") +
            u" nije pročitan u cijelosti, pa se ne sprema: spremanjem bi se izgubili njegovi podaci."_s);
    m_main.setStatus(1, u"Spremam ..."_s);
    const QString shown = m_main.text(u"nl_0");
    // Saving over another order's row would lose that order: a number that is not in the
    // book is added with "Dodaj", not saved.
    if (orders().hasData() && orders().cell(OrderColumn::Number, orders().currentRow()) != shown)
        throw AppError(u"Nalog pod rednim brojem "_s + shown +
                       u" ne postoji. Novi nalog dodaje se gumbom \"Dodaj\"."_s);
    writeShownOrder();
    m_main.setStatus(1, u"Spremanje završeno!"_s);
}

void OrderBook::remove()
{
    requireOpen();
    m_main.setStatus(1, u"Brišem"_s);
    const QString shown = m_main.text(u"nl_0");
    const auto currentNumber = [](GridTable& t) { return t.cell(OrderColumn::Number, t.currentRow()); };
    // The rows to delete must be those of the order shown, not a neighbour left current
    // after a move to a number that does not exist.
    if (currentNumber(orders()) != currentNumber(settlements()) ||
        (orders().hasData() && currentNumber(orders()) != shown)) {
        orders().FindInColumn(OrderColumn::Number, shown);
        settlements().FindInColumn(OrderColumn::Number, shown);
        if (currentNumber(orders()) != currentNumber(settlements()))
            throw AppError(u"Greška 1000!"_s);
        if (currentNumber(orders()) != shown)
            throw AppError(u"Nalog pod rednim brojem "_s + shown + u" ne postoji"_s);
    }
    if (!m_main.dialogs().confirm(u"Brisanje zapisa"_s,
                                  u"Ako želite obrisati odabrani zapis, pritisnite \"OK\"."_s))
        return;

    // Both rows go in memory first; then the pair of files is written (or removed) as one
    // change. A failure puts the rows back, so the window shows what the files hold.
    const GridTable keptOrders = orders();
    const GridTable keptSettlements = settlements();
    try {
        const bool ordersEmptied = orders().rowCount() < 2;
        const bool settlementsEmptied = settlements().rowCount() < 2;
        ordersEmptied ? orders().ResetRows(1) : orders().DeleteRow(orders().currentRow());
        settlementsEmptied ? settlements().ResetRows(1) : settlements().DeleteRow(settlements().currentRow());
        SaveTableSet({{ordersEmptied ? nullptr : &orders(), ordersFile()},
                      {settlementsEmptied ? nullptr : &settlements(), settlementsFile()}});
    } catch (const AppError&) {
        orders() = keptOrders;
        settlements() = keptSettlements;
        throw;
    }
    recountLargest();
    if (orders().hasData() || settlements().hasData())
        showCurrent();
    rebuildLists();
    info();
    updateTotalsCaption();
    m_main.setStatus(1, u"Gotovo"_s);
    throwIfShownOrderDamaged();
}

void OrderBook::afterRowsChanged(const QString& number)
{
    orders().SortRowsNumeric(OrderColumn::Number);
    settlements().SortRowsNumeric(OrderColumn::Number);
    recountLargest();
    orders().FindInColumn(OrderColumn::Number, number);
    settlements().FindInColumn(OrderColumn::Number, number);
    {
        const QScopedValueRollback showing(m_showing, true);
        m_main.get<NumberField>(u"nl_0").setValue(TextForms::parseInteger(number));
    }
    moveTo(number);
    saveFiles();
    rebuildLists();
    emptyListTexts();
}

void OrderBook::renumber()
{
    requireOpen();
    const QString oldNumber = m_main.text(u"ce_stari");
    const QString newNumber = m_main.text(u"ce_novi");
    const int row = orders().FindInColumn(OrderColumn::Number, oldNumber);
    if (row < 0)
        throw AppError(u"Stari broj ne postoji."_s);
    if (newNumber.isEmpty())
        throw AppError(u"Nije upisan novi broj."_s);
    if (hasNumber(newNumber))
        throw AppError(u"Novi broj već postoji."_s);
    orders().setCell(OrderColumn::Number, row, newNumber);
    settlements().setCell(OrderColumn::Number, row, newNumber);
    afterRowsChanged(newNumber);
}

void OrderBook::insertNumber()
{
    requireOpen();
    const QString number = m_main.text(u"ce_insert");
    if (number.isEmpty())
        throw AppError(u"Nije upisan novi broj."_s);
    if (hasNumber(number))
        throw AppError(u"Novi broj već postoji."_s);
    const int at = orders().currentRow() + 1;
    orders().InsertRow(at);
    settlements().InsertRow(at);
    orders().setCell(OrderColumn::Number, at, number);
    settlements().setCell(OrderColumn::Number, at, number);
    afterRowsChanged(number);
}

} // namespace selvana
