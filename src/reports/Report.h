#pragma once

#include <QHash>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace selvana {

class ReportDataSource;

// All lengths of a report are millimetres; font sizes are points.
struct ReportFont {
    QString family = QStringLiteral("Arial");
    qreal pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};
size_t qHash(const ReportFont& font, size_t seed = 0);

enum class ReportItemKind { Text, Line, Rect };

// One thing drawn in a band, placed relative to the band's top-left corner.
// Text may mix literal text with {field} references; {page} and {pages} are the
// page number and the page count; "{{" and "}}" stand for the braces themselves.
struct ReportItem {
    ReportItemKind kind = ReportItemKind::Text;
    QRectF rect; // a line runs from rect.topLeft() to rect.bottomRight()
    QString text;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    // A one-line text wider than its box is printed smaller until it fits (down to
    // a legible size): amounts and dates in narrow columns stay off their neighbours.
    bool shrinkToFit = false;
    // Keeps the distance of the bottom edge to the band's bottom when the band
    // grows: column rules and frames of a row whose text wraps.
    bool stretch = false;
    qreal penWidth = 0.2;

    static ReportItem textBox(const QRectF& rect, const QString& text, const ReportFont& font = {},
                              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wordWrap = false);
    static ReportItem line(const QPointF& from, const QPointF& to, qreal penWidth = 0.2);
    // A vertical rule over the band's full height that grows with the band.
    static ReportItem columnRule(qreal x, qreal height, qreal penWidth = 0.2);
    static ReportItem frame(const QRectF& rect, qreal penWidth = 0.2);
};

// The band's height is at least the lowest item's bottom; wrapped text grows
// it, and items below a grown text move down with it.
struct ReportBand {
    qreal height = 0;
    QList<ReportItem> items;

    bool isEmpty() const { return height <= 0 && items.isEmpty(); }
};

// A sub-table. Without a data source the detail band prints once, so a group
// is also the way to stack a plain block in the body.
struct ReportGroup {
    ReportBand caption;
    ReportBand columnHeads; // repeated at the top of every further page of the group
    ReportBand detail;      // fields come from the data source's current row
    ReportBand summary;
    const ReportDataSource* data = nullptr;
    bool visible = true;
    bool hideWhenEmpty = true; // a data source without rows leaves the group out

    bool isLeftOut() const;
};

// A run of pages with its own header and footer; each section starts a page.
struct ReportSection {
    ReportBand title; // first page of the section only, above the page header
    ReportBand pageHeader;
    ReportBand pageFooter;
    QList<ReportGroup> groups;
    ReportBand summary; // once, after the last group
};

struct Report {
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{20, 20, 20, 20};
    QString documentTitle;
    QList<ReportSection> sections;

    // Fields outside detail rows; names compare case-insensitively.
    void setValue(const QString& name, const QString& text);
    QString value(const QString& name) const;
    void clearValues() { m_values.clear(); }

    QSizeF paperSize() const;
    qreal contentWidth() const;
    QPageLayout pageLayout() const;

private:
    QHash<QString, QString> m_values;
};

} // namespace selvana
