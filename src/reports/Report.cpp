#include "reports/Report.h"

#include "reports/ReportDataSource.h"

#include <QHashFunctions>

namespace selvana {

size_t qHash(const ReportFont& font, size_t seed)
{
    return qHashMulti(seed, font.family, font.pointSize, font.bold, font.italic, font.underline);
}

ReportItem ReportItem::textBox(const QRectF& rect, const QString& text, const ReportFont& font,
                               Qt::Alignment alignment, bool wordWrap)
{
    ReportItem item;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.alignment = alignment;
    item.wordWrap = wordWrap;
    return item;
}

ReportItem ReportItem::line(const QPointF& from, const QPointF& to, qreal penWidth)
{
    ReportItem item;
    item.kind = ReportItemKind::Line;
    item.rect = QRectF(from, to);
    item.penWidth = penWidth;
    return item;
}

ReportItem ReportItem::columnRule(qreal x, qreal height, qreal penWidth)
{
    ReportItem item = line(QPointF(x, 0), QPointF(x, height), penWidth);
    item.stretch = true;
    return item;
}

ReportItem ReportItem::frame(const QRectF& rect, qreal penWidth)
{
    ReportItem item;
    item.kind = ReportItemKind::Rect;
    item.rect = rect;
    item.penWidth = penWidth;
    return item;
}

bool ReportGroup::isLeftOut() const
{
    return !visible || (data && hideWhenEmpty && data->rowCount() == 0);
}

void Report::setValue(const QString& name, const QString& text)
{
    m_values.insert(name.toCaseFolded(), text);
}

QString Report::value(const QString& name) const
{
    return m_values.value(name.toCaseFolded());
}

QSizeF Report::paperSize() const
{
    const QSizeF size = pageSize.size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

qreal Report::contentWidth() const
{
    return paperSize().width() - margins.left() - margins.right();
}

QPageLayout Report::pageLayout() const
{
    return QPageLayout(pageSize, orientation, margins, QPageLayout::Millimeter);
}

} // namespace selvana
