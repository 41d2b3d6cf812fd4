#include "expenses/ExpenseSheets.h"

#include "base/AppError.h"
#include "base/StorableText.h"
#include "base/TextForms.h"
#include "forms/Form.h"
#include "storage/TableFile.h"

using namespace Qt::StringLiterals;

namespace selvana {

ExpenseSheets::ExpenseSheets(Form& form) : m_form(form)
{
    for (const ExpenseKindSpec& kind : expenseKindSpecs())
        declare(kind);
}

void ExpenseSheets::declare(const ExpenseKindSpec& kind)
{
    auto& grid = m_form.add<GridControl>(kind.sheetName(), kind.columnCount(), 2, 1, 1);
    grid.setCaption(QString::fromUtf16(kind.sheetTitle));
    QSet<int> right;
    for (int c = 0; c < kind.columnCount(); ++c) {
        grid.table().setCell(c, 0, QString::fromUtf16(kind.columns[c].title));
        if (kind.columns[c].rightAligned)
            right.insert(c);
    }
    grid.setRightAligned(right);

    for (int n = 1; n <= kind.fieldCount(); ++n) {
        const SheetColumn& column = kind.field(n);
        Control* field = nullptr;
        if (column.format == CellFormat::Text) {
            auto& text = m_form.add<TextField>(kind.fieldName(n));
            text.setValidator(&ExpenseSheets::checkSheetText);
            field = &text;
        } else {
            auto& number = m_form.add<NumberField>(kind.fieldName(n), formatDecimals(column.format));
            number.setGrouping(column.format != CellFormat::Km);
            number.setZeroShownEmpty(true);
            if (column.format == CellFormat::Rate)
                number.setValue(1.0);
            field = &number;
        }
        field->setCaption(QString::fromUtf16(column.title));
    }
}

GridTable& ExpenseSheets::sheet(ExpenseKind kind)
{
    return m_form.table(expenseKindSpec(kind).sheetName());
}

bool ExpenseSheets::hasRecords(ExpenseKind kind)
{
    return hasRecords(sheet(kind));
}

bool ExpenseSheets::hasRecords(const GridTable& t)
{
    return t.rowCount() > 2 || !t.cell(0, 1).isEmpty();
}

void ExpenseSheets::ClearEntryFields(ExpenseKind kind)
{
    const ExpenseKindSpec& k = expenseKindSpec(kind);
    for (int n = 1; n <= k.fieldCount(); ++n) {
        Control& field = m_form.control(k.fieldName(n));
        if (auto* number = qobject_cast<NumberField*>(&field))
            number->setValue(0.0);
        else
            static_cast<TextField&>(field).setText(QString());
    }
}

void ExpenseSheets::clearAll()
{
    for (const ExpenseKindSpec& k : expenseKindSpecs())
        m_form.table(k.sheetName()).ResetRows(2);
    for (const ExpenseKindSpec& k : expenseKindSpecs())
        ClearEntryFields(kindOf(k));
}

ExpenseSheets::Row ExpenseSheets::readRow(ExpenseKind kind, const GridTable& sheet, int row)
{
    const ExpenseKindSpec& k = expenseKindSpec(kind);
    Row values;
    values.numbers.resize(k.columnCount(), 0.0);
    values.texts.resize(k.columnCount());
    for (int c = 1; c < k.columnCount(); ++c) {
        const QString cell = sheet.cell(c, row);
        if (k.columns[c].format == CellFormat::Text) {
            checkSheetText(cell);
            values.texts[c] = cell;
        } else {
            values.numbers[c] = TextForms::parseNumber(cell);
        }
    }
    return values;
}

void ExpenseSheets::showRow(ExpenseKind kind, const Row& row)
{
    const ExpenseKindSpec& k = expenseKindSpec(kind);
    for (int c = 1; c < k.columnCount(); ++c) {
        Control& field = m_form.control(k.fieldName(c));
        if (auto* number = qobject_cast<NumberField*>(&field))
            number->setValue(row.numbers[c]);
        else
            static_cast<TextField&>(field).setText(row.texts[c]);
    }
}

void ExpenseSheets::RowToFields(ExpenseKind kind, int row)
{
    showRow(kind, readRow(kind, sheet(kind), row));
}

QStringList ExpenseSheets::fieldTexts(ExpenseKind kind)
{
    const ExpenseKindSpec& k = expenseKindSpec(kind);
    QStringList cells;
    for (int c = 1; c < k.columnCount(); ++c) {
        const Control& field = m_form.control(k.fieldName(c));
        if (const auto* number = qobject_cast<const NumberField*>(&field)) {
            cells << formatCell(number->value(), k.columns[c].format);
        } else {
            const QString text = static_cast<const TextField&>(field).text();
            checkSheetText(text);
            cells << text;
        }
    }
    return cells;
}

void ExpenseSheets::FieldsToRow(ExpenseKind kind, int row)
{
    FieldsToRow(kind, sheet(kind), row);
}

void ExpenseSheets::FieldsToRow(ExpenseKind kind, GridTable& t, int row)
{
    const QStringList cells = fieldTexts(kind);
    GridTable::Batch batch(t);
    for (int c = 1; c <= cells.size(); ++c)
        t.setCell(c, row, cells[c - 1]);
    t.NumberRows(0);
}

void ExpenseSheets::checkSheetText(const QString& text)
{
    StorableText::check(text);
    // The table files hold Windows-1250 only; asked of our own codec, which is always there.
    for (const QChar ch : text)
        if (!fitsWindows1250(QStringView(&ch, 1)))
            throw AppError(
                u"Tekst sadrži znak koji se ne može spremiti: %1. Uklonite ga i pokušajte ponovno."_s.arg(
                    ch));
    if (text.contains(u'|') || text.contains(u'\\'))
        throw AppError(
            u"Znakovi | i \\ ne mogu se spremiti u tablicu troškova. Uklonite ih i pokušajte ponovno."_s);
}

} // namespace selvana
