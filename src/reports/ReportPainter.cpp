#include "reports/ReportPainter.h"

#include "base/AppError.h"
#include "reports/TextMeasurer.h"
#include "storage/SafeSave.h"

#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

class PagePainter {
public:
    PagePainter(QPainter& painter, const QPageLayout& deviceLayout)
        : m_painter(painter), m_origin(origin(deviceLayout, painter.device()->logicalDpiX())),
          m_scaleX(painter.device()->logicalDpiX() / 25.4), m_scaleY(painter.device()->logicalDpiY() / 25.4)
    {
        m_painter.setBrush(Qt::NoBrush);
    }

    void paint(const LaidOutItem& item)
    {
        switch (item.kind) {
        case ReportItemKind::Text: paintText(item); break;
        case ReportItemKind::Line:
            usePen(item.penWidth);
            m_painter.drawLine(QLineF(toDevice(item.rect.topLeft()), toDevice(item.rect.bottomRight())));
            break;
        case ReportItemKind::Rect:
            usePen(item.penWidth);
            m_painter.drawRect(toDevice(item.rect));
            break;
        }
    }

private:
    // Devices round margins to whole points before they place the origin;
    // taking it from the same pixel rect keeps items where the layout put them.
    static QPointF origin(const QPageLayout& layout, int dpi)
    {
        return QPointF(layout.paintRectPixels(dpi).topLeft()) * 25.4 / dpi;
    }

    QPointF toDevice(const QPointF& mm) const
    {
        return {(mm.x() - m_origin.x()) * m_scaleX, (mm.y() - m_origin.y()) * m_scaleY};
    }
    QRectF toDevice(const QRectF& mm) const
    {
        return {toDevice(mm.topLeft()), QSizeF(mm.width() * m_scaleX, mm.height() * m_scaleY)};
    }

    void usePen(qreal widthMm)
    {
        if (widthMm == m_penWidth)
            return;
        m_penWidth = widthMm;
        m_painter.setPen(QPen(Qt::black, widthMm * m_scaleX, Qt::SolidLine, Qt::FlatCap));
    }

    void paintText(const LaidOutItem& item)
    {
        if (!m_hasFont || !(item.font == m_font)) {
            m_font = item.font;
            m_hasFont = true;
            m_painter.setFont(TextMeasurer::qFont(item.font));
        }
        usePen(0);
        // Lines were broken at layout; drawing them one by one keeps the
        // breaks and the line height exactly as laid out.
        Qt::Alignment horizontal = item.alignment & Qt::AlignHorizontal_Mask;
        if (horizontal & Qt::AlignJustify)
            horizontal = Qt::AlignLeft;
        const int flags = int(horizontal) | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
        const QStringList lines = item.lines();
        const qreal free = item.rect.height() - lines.size() * item.lineHeight;
        qreal y = item.rect.top();
        if (item.alignment & Qt::AlignBottom)
            y += free;
        else if (item.alignment & Qt::AlignVCenter)
            y += free / 2;
        for (const QString& line : lines) {
            if (!line.isEmpty())
                m_painter.drawText(toDevice(QRectF(item.rect.left(), y, item.rect.width(), item.lineHeight)),
                                   flags, line);
            y += item.lineHeight;
        }
    }

    QPainter& m_painter;
    QPointF m_origin;
    qreal m_scaleX;
    qreal m_scaleY;
    qreal m_penWidth = -1;
    ReportFont m_font;
    bool m_hasFont = false;
};

QString saveError(const QString& path)
{
    return u"Ne mogu spremiti PDF datoteku "_s + QDir::toNativeSeparators(path);
}

} // namespace

void ReportPainter::paint(QPainter& painter, const QList<LaidOutPage>& pages, const QPageLayout& deviceLayout)
{
    TextMeasurer::installFontSubstitutes();
    auto* device = dynamic_cast<QPagedPaintDevice*>(painter.device());
    PagePainter pagePainter(painter, deviceLayout);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && device)
            device->newPage();
        for (const LaidOutItem& item : pages.at(i).items)
            pagePainter.paint(item);
    }
}

bool ReportPainter::print(QPagedPaintDevice& device, const QList<LaidOutPage>& pages)
{
    if (!pages.isEmpty()) {
        const QPageLayout& layout = pages.constFirst().layout;
        device.setPageSize(layout.pageSize());
        device.setPageOrientation(layout.orientation());
    }
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paint(painter, pages, device.pageLayout());
    return painter.end();
}

void ReportPainter::writePdf(const QString& path, const QList<LaidOutPage>& pages, const QString& title)
{
    SafeSave file(path);
    if (!file.open())
        throw AppError(saveError(path));
    {
        QPdfWriter writer(&file.device());
        writer.setCreator(u"Selvana"_s);
        writer.setTitle(title);
        QPageLayout layout = pages.isEmpty() ? QPageLayout() : pages.constFirst().layout;
        if (!layout.isValid())
            layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        // Items carry paper coordinates, so the PDF page has no margins of its own.
        layout.setMode(QPageLayout::FullPageMode);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancel();
            throw AppError(saveError(path));
        }
        paint(painter, pages, writer.pageLayout());
        if (!painter.end()) {
            file.cancel();
            throw AppError(saveError(path));
        }
    }
    // The PDF engine does not look at what its writes return; a write refused while painting
    // shows in commit(), which also checks the last flush and the size on disk.
    if (!file.commit())
        throw AppError(saveError(path));
}

} // namespace selvana
