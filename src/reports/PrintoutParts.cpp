#include "reports/PrintoutParts.h"

#include "base/TextForms.h"
#include "forms/Form.h"
#include "storage/GridTable.h"

using namespace Qt::StringLiterals;

namespace selvana::printout {

namespace {

struct LetterheadLine {
    const char16_t* value;
    qreal pointSize;
    bool bold;
};

constexpr LetterheadLine kLetterhead[] = {
    {u"pp_ed_sb_naziv", 16, true}, {u"pp_adresa", 10, false},    {u"pp_kontakt", 10, false},
    {u"pp_internet", 10, false},   {u"pp_ed_sb_oib", 10, false},
};

} // namespace

ReportFont font(qreal pointSize, bool bold, bool underline)
{
    ReportFont result;
    result.pointSize = pointSize;
    result.bold = bold;
    result.underline = underline;
    return result;
}

void setLetterhead(Report& report, const Form& form)
{
    const auto field = [&form](QStringView name) { return form.text(name); };
    report.setValue(u"pp_ed_sb_naziv"_s, field(u"ed_sb_naziv"));
    report.setValue(u"pp_adresa"_s,
                    field(u"ed_sb_adresa") + u"; "_s + field(u"ed_sb_pbr") + u' ' + field(u"ed_sb_mjesto"));
    report.setValue(u"pp_kontakt"_s,
                    u"tel.: "_s + field(u"ed_sb_tel") + u"; "_s + u"fax: "_s + field(u"ed_sb_fax"));
    report.setValue(u"pp_internet"_s, u"Internet: "_s + field(u"ed_sb_internet"));
    report.setValue(u"pp_ed_sb_oib"_s, u"OIB: "_s + field(u"ed_sb_oib"));
}

void addLetterhead(ReportBand& band, qreal left, qreal width, Qt::Alignment alignment)
{
    qreal top = 0;
    for (const LetterheadLine& line : kLetterhead) {
        const ReportFont lineFont = font(line.pointSize, line.bold);
        // One line of the font high; the engine grows it when the text wraps.
        const qreal height = lineHeight(line.pointSize);
        band.items.append(ReportItem::textBox({left, top, width, height},
                                              u'{' + QString::fromUtf16(line.value) + u'}', lineFont,
                                              alignment | Qt::AlignTop, true));
        top += height;
    }
}

QString plainNumber(const Form& form, QStringView name)
{
    const double value = form.value(name);
    return value == 0.0 ? QString() : TextForms::formatShortest(value);
}

QString lines(const QString& text)
{
    QString result = text;
    result.replace(u"\r\n"_s, u"\n"_s);
    result.replace(u'\r', u'\n');
    return result;
}

void addColumnHeads(ReportBand& band, std::span<const Column> columns, const ReportFont& font, qreal top,
                    qreal padding, bool centred)
{
    for (const Column& column : columns) {
        const Qt::Alignment horizontal = centred ? Qt::AlignHCenter : column.alignment;
        band.items.append(ReportItem::textBox(
            {column.left + padding, top, column.width - 2 * padding, 2 * lineHeight(font.pointSize)},
            QString::fromUtf16(column.head), font, horizontal | Qt::AlignVCenter, true));
    }
}

void addColumnFields(ReportBand& band, std::span<const Column> columns, const ReportFont& font, qreal top,
                     qreal padding)
{
    for (const Column& column : columns) {
        ReportItem item = ReportItem::textBox(
            {column.left + padding, top, column.width - 2 * padding, lineHeight(font.pointSize)},
            u'{' + QString::fromUtf16(column.field) + u'}', font, column.alignment | Qt::AlignTop,
            column.wraps);
        item.shrinkToFit = !column.wraps;
        band.items.append(item);
    }
}

void addRules(ReportBand& band, std::span<const qreal> xs)
{
    for (const qreal x : xs)
        band.items.append(ReportItem::columnRule(x, band.height));
}

void addLine(ReportBand& band, qreal left, qreal right, qreal y)
{
    band.items.append(ReportItem::line({left, y}, {right, y}));
}

GridPipeline::GridPipeline(const QString& prefix, int fieldCount, bool numbered)
    : m_prefix(prefix.toUpper()), m_fieldCount(fieldCount), m_numbered(numbered)
{}

int GridPipeline::rowCount() const
{
    return m_table ? std::max(0, m_table->rowCount() - 1) : 0;
}

int GridPipeline::fieldIndex(const QString& fieldName) const
{
    const QString name = fieldName.toUpper();
    if (!name.startsWith(m_prefix))
        return -1;
    const QString number = name.mid(m_prefix.size());
    bool ok = false;
    const int k = number.toInt(&ok);
    // "P_AKN_01" or "P_AKN_+1" are other names, not field 1.
    return ok && k >= 0 && k < m_fieldCount && QString::number(k) == number ? k : -1;
}

QString GridPipeline::value(int row, const QString& fieldName) const
{
    const int k = fieldIndex(fieldName);
    if (!m_table || k < 0)
        return {};
    const QString cell = m_table->cell(k, row + 1);
    if (k == 0 && m_numbered)
        return cell.isEmpty() ? QString() : cell + u'.';
    return cell;
}

} // namespace selvana::printout
