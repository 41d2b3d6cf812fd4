#include "reports/ReportEngine.h"

#include "reports/ReportDataSource.h"
#include "reports/TextMeasurer.h"
#include "reports/TextTemplate.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace selvana {

namespace {

// Stand-ins for {page} and {pages} until the page count is known.
constexpr QChar pageMarker(0xE000);
constexpr QChar pagesMarker(0xE001);
constexpr qreal epsilon = 0.001;
// Text shrunk to fit its box goes no smaller than this; beyond it, it overflows.
constexpr qreal kSmallestShrunkSize = 5.5;
// The part of Arial's line height above the baseline.
constexpr qreal kAscentShare = 0.79;

// An item of a laid-out band. The pieces page breaks cut a text into share its whole string,
// each showing a range of its lines, and get a string of their own only when placed: copying
// what was left of a long text at every break took time growing with the square of its length.
struct BandItem {
    LaidOutItem item;
    qsizetype lineCount = 0;                            // of the text shown
    qsizetype firstLine = 0;                            // of item.text
    std::shared_ptr<const QList<qsizetype>> lineStarts; // in item.text, once it is cut

    // The same item with lines [from, from + count) of what it shows.
    BandItem lines(qsizetype from, qsizetype count) const;
    QString text() const { return lineStarts ? item.text.mid(textStart(), textLength()) : item.text; }
    qsizetype textStart() const { return lineStarts && lineCount > 0 ? lineStarts->at(firstLine) : 0; }
    qsizetype textLength() const;
};

BandItem BandItem::lines(qsizetype from, qsizetype count) const
{
    BandItem result = *this;
    if (!result.lineStarts) {
        auto starts = std::make_shared<QList<qsizetype>>(QList<qsizetype>{0});
        for (qsizetype i = item.text.indexOf(QLatin1Char('\n')); i >= 0;
             i = item.text.indexOf(QLatin1Char('\n'), i + 1))
            starts->append(i + 1);
        result.lineStarts = std::move(starts);
    }
    result.firstLine = firstLine + from;
    result.lineCount = count;
    return result;
}

qsizetype BandItem::textLength() const
{
    if (!lineStarts)
        return item.text.size();
    if (lineCount <= 0)
        return 0;
    const qsizetype next = firstLine + lineCount;
    const qsizetype end = next < lineStarts->size() ? lineStarts->at(next) - 1 : item.text.size();
    return end - textStart();
}

// A band laid out from y = 0 with x relative to the left margin.
struct BandLayout {
    qreal height = 0;
    QList<BandItem> items;
};

// A band with its texts parsed once for all the rows it prints.
struct CompiledBand {
    const ReportBand* band = nullptr;
    ReportBandKind kind = ReportBandKind::Detail;
    int group = -1;
    qreal height = 0;
    QList<TextTemplate> templates; // one per item
    QList<qsizetype> order;        // items from the top down

    bool isEmpty() const { return !band || band->isEmpty(); }
};

qreal itemTop(const QRectF& rect)
{
    return std::min(rect.top(), rect.bottom());
}

qreal itemBottom(const QRectF& rect)
{
    return std::max(rect.top(), rect.bottom());
}

qreal textBlockTop(const LaidOutItem& item, qsizetype lineCount)
{
    const qreal free = item.rect.height() - lineCount * item.lineHeight;
    if (item.alignment & Qt::AlignBottom)
        return item.rect.top() + free;
    if (item.alignment & Qt::AlignVCenter)
        return item.rect.top() + free / 2;
    return item.rect.top();
}

Qt::Alignment topAligned(Qt::Alignment alignment)
{
    return (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
}

class LayoutRun {
public:
    LayoutRun(const Report& report, TextMeasurer& measurer) : m_report(report), m_measurer(measurer) {}

    QList<LaidOutPage> run()
    {
        for (qsizetype i = 0; i < m_report.sections.size(); ++i)
            layoutSection(int(i));
        resolvePageNumbers();
        return std::move(m_pages);
    }

private:
    CompiledBand compile(const ReportBand& band, ReportBandKind kind, int group) const;
    BandLayout layoutBand(const CompiledBand& compiled, const ReportDataSource* data = nullptr, int row = -1);
    void layoutSection(int index);
    void layoutGroup(const ReportGroup& group, int index);
    void openPage();
    void closePage();
    void newPage();
    void place(const BandLayout& band);
    void flow(BandLayout band);
    qreal remaining() const { return m_bottom - m_y; }
    qreal emptyPageRoom() const;
    static std::pair<BandLayout, BandLayout> split(const BandLayout& band, qreal at);
    void resolvePageNumbers();
    void widenToFit(LaidOutItem& item, const QStringList& lines, const ReportFont& font);
    ReportFont fittingFont(const ReportFont& font, const QString& text, qreal width);

    const Report& m_report;
    TextMeasurer& m_measurer;
    QList<LaidOutPage> m_pages;
    QList<std::pair<qsizetype, qsizetype>> m_pageNumberItems;

    int m_section = 0;
    CompiledBand m_title;
    CompiledBand m_header;
    CompiledBand m_footer;
    BandLayout m_pageFooter;
    const BandLayout* m_columnHeads = nullptr;
    bool m_firstPageOfSection = true;
    bool m_bodyUsed = false;
    qreal m_headerHeight = 0;
    qreal m_y = 0;
    qreal m_bottom = 0;
};

CompiledBand LayoutRun::compile(const ReportBand& band, ReportBandKind kind, int group) const
{
    CompiledBand compiled;
    compiled.band = &band;
    compiled.kind = kind;
    compiled.group = group;
    compiled.height = band.height;
    compiled.templates.reserve(band.items.size());
    for (qsizetype i = 0; i < band.items.size(); ++i) {
        const ReportItem& item = band.items.at(i);
        compiled.templates.append(TextTemplate(item.kind == ReportItemKind::Text ? item.text : QString()));
        compiled.order.append(i);
        compiled.height = std::max(compiled.height, itemBottom(item.rect));
    }
    std::stable_sort(compiled.order.begin(), compiled.order.end(), [&](qsizetype a, qsizetype b) {
        return itemTop(band.items.at(a).rect) < itemTop(band.items.at(b).rect);
    });
    return compiled;
}

BandLayout LayoutRun::layoutBand(const CompiledBand& compiled, const ReportDataSource* data, int row)
{
    BandLayout result;
    if (compiled.isEmpty())
        return result;
    const TextTemplate::FieldLookup lookup = [&](const QString& name) {
        return data ? data->value(row, name) : m_report.value(name);
    };

    // Items that grew or moved push down whatever starts below their bottom.
    struct Mover {
        qreal bottom;
        qreal delta;
    };
    QList<Mover> movers;
    qreal bandDelta = 0;
    struct Stretched {
        qsizetype index;
        qreal bottomGap;
    };
    QList<Stretched> stretched;

    for (const qsizetype index : compiled.order) {
        const ReportItem& item = compiled.band->items.at(index);
        const qreal top = itemTop(item.rect);
        const qreal bottom = itemBottom(item.rect);
        qreal shift = 0;
        for (const Mover& mover : movers) {
            if (mover.bottom <= top + epsilon)
                shift = std::max(shift, mover.delta);
        }

        LaidOutItem placed;
        placed.kind = item.kind;
        placed.rect = item.rect.translated(0, shift);
        placed.alignment = item.alignment;
        placed.penWidth = item.penWidth;
        placed.band = compiled.kind;
        placed.group = compiled.group;
        qreal growth = 0;
        qsizetype lineCount = 0;
        if (item.kind == ReportItemKind::Text) {
            const TextTemplate& text = compiled.templates.at(index);
            ReportFont font = item.font;
            QStringList lines;
            if (text.hasPageNumbers()) {
                placed.text = text.resolve(lookup, QString(pageMarker), QString(pagesMarker));
                lines = placed.lines();
                placed.flags |= LaidOutItem::PageNumber;
            } else {
                const QString resolved = text.resolve(lookup);
                if (item.shrinkToFit && !item.wordWrap)
                    font = fittingFont(item.font, resolved, item.rect.width());
                TextMeasurer::Lines broken =
                    m_measurer.breakLines(font, resolved, item.rect.width(), item.wordWrap);
                lines = std::move(broken.lines);
                placed.text = lines.size() == 1 ? lines.constFirst() : lines.join(QLatin1Char('\n'));
                if (broken.overflow) {
                    placed.flags |= LaidOutItem::Overflow;
                    widenToFit(placed, lines, font);
                }
            }
            lineCount = lines.size();
            if (!lines.isEmpty()) {
                placed.font = font;
                placed.lineHeight = m_measurer.lineHeight(font);
                if (item.wordWrap)
                    placed.flags |= LaidOutItem::WordWrap;
                growth = std::max<qreal>(0, lines.size() * placed.lineHeight - item.rect.height());
                placed.rect.setHeight(item.rect.height() + growth);
                if (!(font == item.font) && (item.alignment & Qt::AlignTop)) {
                    // Shrunk text keeps its baseline near that of the full size, inside its box.
                    placed.rect.setTop(placed.rect.top() +
                                       (m_measurer.lineHeight(item.font) - placed.lineHeight) * kAscentShare);
                }
            }
        }
        if (shift + growth > epsilon) {
            movers.append({bottom, shift + growth});
            bandDelta = std::max(bandDelta, shift + growth);
        }
        if (item.kind == ReportItemKind::Text && placed.text.isEmpty())
            continue;
        if (item.stretch)
            stretched.append({result.items.size(), compiled.height - bottom});
        result.items.append({std::move(placed), lineCount, 0, nullptr});
    }

    result.height = compiled.height + bandDelta;
    for (const Stretched& s : stretched) {
        QRectF& rect = result.items[s.index].item.rect;
        if (rect.height() >= 0)
            rect.setBottom(result.height - s.bottomGap);
        else
            rect.setTop(result.height - s.bottomGap);
    }
    return result;
}

// A word wider than its box sticks out on the side its alignment leaves open.
void LayoutRun::widenToFit(LaidOutItem& item, const QStringList& lines, const ReportFont& font)
{
    qreal widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, m_measurer.width(font, line));
    const qreal extra = widest - item.rect.width();
    if (extra <= 0)
        return;
    if (item.alignment & Qt::AlignRight)
        item.rect.setLeft(item.rect.left() - extra);
    else if (item.alignment & Qt::AlignHCenter)
        item.rect.adjust(-extra / 2, 0, extra / 2, 0);
    else
        item.rect.setRight(item.rect.right() + extra);
}

ReportFont LayoutRun::fittingFont(const ReportFont& font, const QString& text, qreal width)
{
    const qreal full = m_measurer.width(font, text);
    if (full <= width + epsilon || text.contains(QLatin1Char('\n')))
        return font;
    ReportFont smaller = font;
    // Widths grow nearly in proportion to the size; the loop takes care of the rest.
    smaller.pointSize = std::max(kSmallestShrunkSize, std::floor(font.pointSize * width / full * 10) / 10);
    while (smaller.pointSize - 0.1 >= kSmallestShrunkSize &&
           m_measurer.width(smaller, text) > width + epsilon)
        smaller.pointSize = std::round((smaller.pointSize - 0.1) * 10) / 10;
    return smaller;
}

void LayoutRun::layoutSection(int index)
{
    const ReportSection& section = m_report.sections.at(index);
    m_section = index;
    m_title = compile(section.title, ReportBandKind::Title, -1);
    m_header = compile(section.pageHeader, ReportBandKind::PageHeader, -1);
    m_footer = compile(section.pageFooter, ReportBandKind::PageFooter, -1);
    m_firstPageOfSection = true;
    m_columnHeads = nullptr;
    openPage();
    for (qsizetype i = 0; i < section.groups.size(); ++i)
        layoutGroup(section.groups.at(i), int(i));
    flow(layoutBand(compile(section.summary, ReportBandKind::Summary, -1)));
    closePage();
}

void LayoutRun::layoutGroup(const ReportGroup& group, int index)
{
    if (group.isLeftOut())
        return;
    const BandLayout caption = layoutBand(compile(group.caption, ReportBandKind::Caption, index));
    const BandLayout heads = layoutBand(compile(group.columnHeads, ReportBandKind::ColumnHeads, index));
    const CompiledBand detail = compile(group.detail, ReportBandKind::Detail, index);
    const BandLayout summary = layoutBand(compile(group.summary, ReportBandKind::GroupSummary, index));
    const int rows = detail.isEmpty() ? 0 : group.data ? group.data->rowCount() : 1;

    BandLayout row = rows > 0 ? layoutBand(detail, group.data, 0) : BandLayout();
    // The caption and column heads stay with the first row (or the summary).
    const qreal lead = caption.height + heads.height + (rows > 0 ? row.height : summary.height);
    if (m_bodyUsed && lead > remaining() + epsilon && lead <= emptyPageRoom() + epsilon)
        newPage();
    flow(caption);
    flow(heads);
    m_columnHeads = heads.items.isEmpty() && heads.height <= 0 ? nullptr : &heads;
    for (int r = 0; r < rows; ++r) {
        if (r > 0)
            row = layoutBand(detail, group.data, r);
        flow(std::move(row));
    }
    flow(summary);
    m_columnHeads = nullptr;
}

void LayoutRun::openPage()
{
    LaidOutPage page;
    page.number = int(m_pages.size()) + 1;
    page.section = m_section;
    page.layout = m_report.pageLayout();
    m_pages.append(std::move(page));

    m_y = m_report.margins.top();
    if (m_firstPageOfSection)
        place(layoutBand(m_title));
    m_firstPageOfSection = false;
    const qreal headerTop = m_y;
    place(layoutBand(m_header));
    m_headerHeight = m_y - headerTop;
    m_pageFooter = layoutBand(m_footer);
    m_bottom = m_report.paperSize().height() - m_report.margins.bottom() - m_pageFooter.height;
    if (m_columnHeads)
        place(*m_columnHeads);
    m_bodyUsed = false;
}

void LayoutRun::closePage()
{
    m_y = m_bottom;
    place(m_pageFooter);
}

void LayoutRun::newPage()
{
    closePage();
    openPage();
}

qreal LayoutRun::emptyPageRoom() const
{
    return m_report.paperSize().height() - m_report.margins.top() - m_report.margins.bottom() -
           m_headerHeight - m_pageFooter.height - (m_columnHeads ? m_columnHeads->height : 0);
}

void LayoutRun::place(const BandLayout& band)
{
    const qsizetype pageIndex = m_pages.size() - 1;
    QList<LaidOutItem>& items = m_pages.last().items;
    const qreal left = m_report.margins.left();
    for (const BandItem& part : band.items) {
        if (part.item.flags & LaidOutItem::PageNumber)
            m_pageNumberItems.append({pageIndex, items.size()});
        items.append(part.item);
        items.last().rect.translate(left, m_y);
        if (part.lineStarts)
            items.last().text = part.text();
    }
    m_y += band.height;
}

void LayoutRun::flow(BandLayout band)
{
    if (band.height <= 0 && band.items.isEmpty())
        return;
    for (;;) {
        if (band.height <= remaining() + epsilon)
            break;
        if (m_bodyUsed && band.height <= emptyPageRoom() + epsilon) {
            newPage();
            continue;
        }
        // Taller than a page: fill this one and carry the rest over.
        auto [first, rest] = split(band, remaining());
        if (first.height <= epsilon) {
            if (m_bodyUsed) {
                newPage();
                continue;
            }
            break; // not even one line fits an empty page
        }
        place(first);
        newPage();
        band = std::move(rest);
    }
    place(band);
    m_bodyUsed = true;
}

std::pair<BandLayout, BandLayout> LayoutRun::split(const BandLayout& band, qreal at)
{
    // Move the cut up until no line of text straddles it.
    auto linesAbove = [](const LaidOutItem& item, qsizetype count, qreal cut) {
        const qreal top = textBlockTop(item, count);
        return std::clamp<qsizetype>(qsizetype(std::floor((cut - top) / item.lineHeight + epsilon)), 0,
                                     count);
    };
    qreal cut = std::max<qreal>(at, 0);
    for (bool moved = true; moved;) {
        moved = false;
        for (const BandItem& part : band.items) {
            const LaidOutItem& item = part.item;
            if (item.kind != ReportItemKind::Text || item.rect.top() >= cut - epsilon ||
                item.rect.bottom() <= cut + epsilon)
                continue;
            const qsizetype count = part.lineCount;
            const qsizetype above = linesAbove(item, count, cut);
            if (above >= count)
                continue;
            const qreal boundary =
                above > 0 ? textBlockTop(item, count) + above * item.lineHeight : item.rect.top();
            if (boundary < cut - epsilon) {
                cut = boundary;
                moved = true;
            }
        }
    }

    BandLayout first;
    BandLayout rest;
    first.height = cut;
    rest.height = band.height - cut;
    if (cut <= epsilon)
        return {first, rest};
    for (const BandItem& part : band.items) {
        const LaidOutItem& item = part.item;
        const qreal top = itemTop(item.rect);
        const qreal bottom = itemBottom(item.rect);
        if (bottom <= cut + epsilon) {
            first.items.append(part);
            continue;
        }
        if (top >= cut - epsilon) {
            rest.items.append(part);
            rest.items.last().item.rect.translate(0, -cut);
            continue;
        }
        BandItem upper = part;
        BandItem lower = part;
        switch (item.kind) {
        case ReportItemKind::Text: {
            const qsizetype count = part.lineCount;
            const qsizetype above = linesAbove(item, count, cut);
            const qreal blockTop = textBlockTop(item, count);
            if (above >= count) {
                upper.item.rect.setBottom(cut);
                first.items.append(upper);
                continue;
            }
            const BandItem whole = part.lines(0, count); // finds the line starts once for both
            upper = whole.lines(0, above);
            lower = whole.lines(above, count - above);
            upper.item.alignment = topAligned(item.alignment);
            upper.item.rect = QRectF(item.rect.left(), blockTop, item.rect.width(), above * item.lineHeight);
            lower.item.alignment = upper.item.alignment;
            lower.item.rect = QRectF(item.rect.left(), blockTop + above * item.lineHeight - cut,
                                     item.rect.width(), (count - above) * item.lineHeight);
            break;
        }
        case ReportItemKind::Line: {
            const QLineF line(item.rect.topLeft(), item.rect.bottomRight());
            const qreal t = (cut - line.p1().y()) / (line.p2().y() - line.p1().y());
            const QPointF middle = line.pointAt(t);
            const bool down = line.p1().y() < line.p2().y();
            const QPointF upperEnd = down ? line.p1() : line.p2();
            const QPointF lowerEnd = down ? line.p2() : line.p1();
            upper.item.rect = QRectF(upperEnd, middle);
            lower.item.rect = QRectF(middle, lowerEnd).translated(0, -cut);
            break;
        }
        case ReportItemKind::Rect:
            upper.item.rect.setBottom(cut);
            lower.item.rect = QRectF(item.rect.left(), 0, item.rect.width(), item.rect.bottom() - cut);
            break;
        }
        lower.item.flags |= LaidOutItem::Continued;
        if (item.kind != ReportItemKind::Text || upper.textLength() > 0)
            first.items.append(upper);
        rest.items.append(lower);
    }
    return {first, rest};
}

void LayoutRun::resolvePageNumbers()
{
    const QString count = QString::number(m_pages.size());
    for (const auto& [pageIndex, itemIndex] : std::as_const(m_pageNumberItems)) {
        LaidOutPage& page = m_pages[pageIndex];
        QString& text = page.items[itemIndex].text;
        text.replace(pageMarker, QString::number(page.number));
        text.replace(pagesMarker, count);
    }
}

} // namespace

ReportEngine::ReportEngine() : m_measurer(std::make_unique<TextMeasurer>()) {}

ReportEngine::~ReportEngine() = default;

QList<LaidOutPage> ReportEngine::layout(const Report& report)
{
    return LayoutRun(report, *m_measurer).run();
}

} // namespace selvana
