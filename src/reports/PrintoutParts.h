#pragma once

#include "reports/Report.h"
#include "reports/ReportDataSource.h"

#include <QString>
#include <QStringList>

#include <span>

namespace selvana {

class Form;
class GridTable;

// What the program's printouts share: fonts, the subject's letterhead, ruled columns
// described as data, and the pipelines that feed table rows to the engine.
namespace printout {

ReportFont font(qreal pointSize, bool bold = false, bool underline = false);
// The height of one line of text in the font's size (Arial's line spacing).
constexpr qreal lineHeight(qreal pointSize)
{
    return pointSize * 0.4058;
}

// The five letterhead lines of the current subject, as the report values
// pp_ed_sb_naziv, pp_adresa, pp_kontakt, pp_internet and pp_ed_sb_oib.
void setLetterhead(Report& report, const Form& form);
// Those five lines one under the other from the band's top, name 16 pt bold and
// the others 10 pt; a line that wraps moves the ones below it down.
void addLetterhead(ReportBand& band, qreal left, qreal width, Qt::Alignment alignment);

// A number field as plain text: no grouping, no trailing zeros, empty for zero.
QString plainNumber(const Form& form, QStringView name);
// A multi-line field's lines, one per report line.
QString lines(const QString& text);

// One column of a printed table, in millimetres from the table's left edge.
struct Column {
    const char16_t* head;
    qreal left;
    qreal width;
    Qt::Alignment alignment;
    bool wraps;
    const char16_t* field; // the pipeline field that fills it
};

// The heads of the columns in boxes two lines high, wrapped where they do not fit
// and set in the middle of the box when they do; kept off the rules by padding.
// Centred heads, or each aligned as its column.
void addColumnHeads(ReportBand& band, std::span<const Column> columns, const ReportFont& font, qreal top,
                    qreal padding, bool centred);
// The fields of the columns, one line high: a column that wraps grows the row, any
// other prints smaller where its text is wider than the column.
void addColumnFields(ReportBand& band, std::span<const Column> columns, const ReportFont& font, qreal top,
                     qreal padding);
// Vertical rules at the given x positions over the band's height, growing with it.
void addRules(ReportBand& band, std::span<const qreal> xs);
// A horizontal line across [left, right] at y.
void addLine(ReportBand& band, qreal left, qreal right, qreal y);

// Rows 1..R-1 of a table with a title row, fed field by field: field k (named
// prefix + k, any letter case) of record i is cell (k, i); any other name is empty.
// A numbered pipeline prints field 0 as the running number and a full stop.
class GridPipeline : public ReportDataSource {
public:
    GridPipeline(const QString& prefix, int fieldCount, bool numbered);

    void attach(const GridTable* table) { m_table = table; }

    int rowCount() const override;
    QString value(int row, const QString& fieldName) const override;

private:
    int fieldIndex(const QString& fieldName) const;

    QString m_prefix; // upper case
    int m_fieldCount;
    bool m_numbered;
    const GridTable* m_table = nullptr;
};

} // namespace printout
} // namespace selvana
