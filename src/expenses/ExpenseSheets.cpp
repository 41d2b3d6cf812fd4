#include "expenses/ExpenseSheets.h"

#include "forms/AppError.h"
#include "forms/Form.h"
#include "forms/StorableText.h"
#include "forms/TextForms.h"

using namespace Qt::StringLiterals;

namespace selvana {

ExpenseSheets::ExpenseSheets(Form& form) : m_form(form)
{
    for (const ExpenseKind& kind : expenseKinds())
        declare(kind);
}

void ExpenseSheets::declare(const ExpenseKind& kind)
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

GridTable& ExpenseSheets::sheet(Expense kind) { return m_form.table(expenseKind(kind).sheetName()); }

bool ExpenseSheets::hasRecords(Expense kind)
{
    const GridTable& t = sheet(kind);
    return t.rowCount() > 2 || !t.cell(0, 1).isEmpty();
}

void ExpenseSheets::ClearEntryFields(Expense kind)
{
    const ExpenseKind& k = expenseKind(kind);
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
    for (const ExpenseKind& k : expenseKinds())
        m_form.table(k.sheetName()).ResetRows(2);
    for (int i = 0; i < int(expenseKinds().size()); ++i)
        ClearEntryFields(static_cast<Expense>(i));
}

void ExpenseSheets::RowToFields(Expense kind, int row)
{
    const ExpenseKind& k = expenseKind(kind);
    const GridTable& t = sheet(kind);
    for (int c = 1; c < k.columnCount(); ++c) {
        Control& field = m_form.control(k.fieldName(c));
        if (auto* number = qobject_cast<NumberField*>(&field))
            number->setValue(TextForms::parseNumber(t.cell(c, row)));
        else
            static_cast<TextField&>(field).setText(t.cell(c, row));
    }
}

void ExpenseSheets::checkSheetText(const QString& text)
{
    StorableText::check(text);
    if (text.contains(u'|') || text.contains(u'\\'))
        throw AppError(u"Znakovi | i \\ ne mogu se spremiti u tablicu troškova. Uklonite ih i pokušajte ponovno."_s);
}

} // namespace selvana
