#include "expenses/ExpensePages.h"

#include "base/AppError.h"
#include "base/TextForms.h"
#include "expenses/EntryRules.h"
#include "expenses/ExpenseSheets.h"
#include "expenses/SheetSums.h"
#include "expenses/Totals.h"
#include "forms/Form.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

constexpr int kPerDiemCountColumn = 3;
const QString kPerDiemCount = u"rc_8"_s;

const QString kSheetHint = u"U tablicu se ne mogu direktno unositi podaci.\r\n"
                           u"::::::::::::::::::::\r\n"
                           u"1. Otvorite polja za unos (kvačica ispod tablice)\r\n"
                           u"2. Upišite podatke u polja\r\n"
                           u"3. Dodaj - dodaje novi zapis (red)\r\n"
                           u"    Obriši - briše odabrani zapis (red)\r\n"
                           u"    Spremi - sprema promjenu"_s;

} // namespace

ExpensePages::ExpensePages(Form& main, ExpenseSheets& sheets, LookupListsPage& lookups,
                           std::function<void()> saveOrder, std::function<void()> showPerDiemsPage)
    : m_main(main), m_saveOrder(saveOrder), m_showPerDiemsPage(std::move(showPerDiemsPage)), m_sheets(sheets),
      m_rules(std::make_unique<EntryRules>(main, lookups)),
      m_totals(std::make_unique<Totals>(main, saveOrder))
{
    for (const ExpenseKindSpec& kind : expenseKindSpecs())
        declare(kind);

    auto& transfer = main.add<Button>(u"fcShapeBtn2"_s, u"Pren&esi"_s);
    transfer.setHint(u"Prenesi Broj dnevnica i Iznos dnevnice u polja za unos dnevnica (Dnevnice)"_s);
    transfer.onClick([this] { transferPerDiems(); });
}

ExpensePages::~ExpensePages() = default;

void ExpensePages::declare(const ExpenseKindSpec& kind)
{
    const ExpenseKind which = kindOf(kind);
    auto& grid = m_main.get<GridControl>(kind.sheetName());
    if (kind.explainedSheet)
        grid.setHint(kSheetHint);
    grid.onSelectCell([this, which](int, int row) { SelectSheetRecord(which, row); });

    const auto& [add, remove, save] = kind.buttons;
    m_main.add<Button>(QString::fromUtf16(add), u"&Dodaj"_s).onClick([this, which] {
        AddSheetRecord(which);
    });
    m_main.add<Button>(QString::fromUtf16(remove), u"&Obriši"_s).onClick([this, which] {
        DeleteSheetRecord(which);
    });
    m_main.add<Button>(QString::fromUtf16(save), u"S&premi"_s).onClick([this, which] {
        SaveSheetRecord(which);
    });
}

int ExpensePages::currentRecordRow(ExpenseKind kind)
{
    // Row 0 holds the titles: never a record to write over or delete.
    return std::max(1, m_sheets.sheet(kind).currentRow());
}

ExpensePages::Sums ExpensePages::sums(ExpenseKind which, const GridTable& rows, bool countPerDiems)
{
    Sums s;
    s.total = TroskoviSuma(rows, expenseKindSpec(which).summedColumn);
    if (!(std::abs(s.total) < TextForms::kMaxAmount))
        throw AppError(TextForms::tooLargeMessage());
    if (countPerDiems) {
        const GridTable& perDiems =
            which == ExpenseKind::Dnevnice ? rows : m_sheets.sheet(ExpenseKind::Dnevnice);
        s.perDiemCount = TroskoviSuma(perDiems, kPerDiemCountColumn);
        s.counted = true;
    }
    return s;
}

void ExpensePages::showSums(ExpenseKind which, const Sums& s)
{
    m_main.get<NumberField>(QString::fromUtf16(expenseKindSpec(which).totalField)).setValue(s.total);
    if (s.counted)
        m_main.get<NumberField>(kPerDiemCount).setValue(s.perDiemCount);
}

void ExpensePages::recomputeTotals(ExpenseKind which)
{
    showSums(which, sums(which, m_sheets.sheet(which), which == ExpenseKind::Dnevnice));
}

void ExpensePages::commit(ExpenseKind which, const GridTable& rows, bool countPerDiems,
                          const std::function<void()>& showFields)
{
    const Sums s = sums(which, rows, countPerDiems);
    GridTable& sheet = m_sheets.sheet(which);
    if (&rows != &sheet)
        sheet = rows;
    showSums(which, s);
    // The fields follow before the save, so a failed save leaves the window consistent.
    if (showFields)
        showFields();
    m_saveOrder();
}

void ExpensePages::AddSheetRecord(ExpenseKind which)
{
    const ExpenseKindSpec& kind = expenseKindSpec(which);
    const bool perDiems = which == ExpenseKind::Dnevnice;
    const GridTable& sheet = m_sheets.sheet(which);
    if (m_main.get<NumberField>(kind.fieldName(kind.requiredField)).value() == 0.0) {
        m_main.dialogs().message(u"Nije zadan iznos troška."_s);
        commit(which, sheet, perDiems, {});
        return;
    }
    GridTable rows = sheet;
    if (ExpenseSheets::hasRecords(rows))
        rows.AppendRow();
    m_sheets.FieldsToRow(which, rows, rows.rowCount() - 1);
    commit(which, rows, perDiems, {});
}

void ExpensePages::SaveSheetRecord(ExpenseKind which)
{
    GridTable rows = m_sheets.sheet(which);
    m_sheets.FieldsToRow(which, rows, currentRecordRow(which));
    commit(which, rows, which == ExpenseKind::Dnevnice, {});
}

void ExpensePages::DeleteSheetRecord(ExpenseKind which)
{
    const GridTable& sheet = m_sheets.sheet(which);
    if (!ExpenseSheets::hasRecords(sheet))
        return;
    GridTable rows = sheet;
    if (rows.rowCount() == 2) {
        rows.ClearData();
        rows.setCell(0, 1, QString());
        commit(which, rows, true, [this, which] { m_sheets.ClearEntryFields(which); });
        return;
    }
    rows.DeleteRow(currentRecordRow(which));
    rows.NumberRows(0);
    const int shown = std::max(1, rows.currentRow());
    const ExpenseSheets::Row record = ExpenseSheets::readRow(which, rows, shown);
    commit(which, rows, true, [this, which, record] { m_sheets.showRow(which, record); });
}

void ExpensePages::SelectSheetRecord(ExpenseKind which, int row)
{
    const GridTable& sheet = m_sheets.sheet(which);
    if (row < 1 || row >= sheet.rowCount())
        return;
    const QString cell = sheet.cell(0, row);
    if (cell.isEmpty())
        return;
    const double number = TextForms::parseNumber(cell);
    double& remembered = m_selected[static_cast<int>(which)];
    if (number == remembered)
        return;
    m_sheets.RowToFields(which, row);
    remembered = number;
}

void ExpensePages::transferPerDiems()
{
    const ExpenseKindSpec& kind = expenseKindSpec(ExpenseKind::Dnevnice);
    auto field = [&](int n) -> NumberField& { return m_main.get<NumberField>(kind.fieldName(n)); };
    const double perDiem = m_main.value(u"nl_11");
    m_main.get<TextField>(kind.fieldName(1)).setText(u"Hrvatska"_s);
    field(2).setValue(perDiem);
    field(3).setValue(m_main.value(u"ce_br_dnevnica"));
    field(5).setValue(perDiem * field(3).value());
    m_main.get<TextField>(kind.fieldName(6)).setText(u"HRK"_s);
    field(7).setValue(1.0);
    field(8).setValue(field(5).value() * field(7).value());

    const auto showPage = [this] {
        m_main.get<CheckBox>(u"cb_pn_dnevnice_polja").setChecked(true);
        m_showPerDiemsPage();
    };
    try {
        AddSheetRecord(ExpenseKind::Dnevnice);
    } catch (const AppError&) {
        showPage(); // the record is on the sheet even when the book could not be written
        throw;
    }
    showPage();
}

} // namespace selvana
