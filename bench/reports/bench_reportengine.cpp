// Lays out and writes a list of 10,000 orders, nine columns a row, and prints
// each time beside a baseline from the same run: measuring every cell once with
// bare QFontMetricsF, and writing the same texts straight to a QPdfWriter.
// An argument names a file to keep the written PDF in, to look at it.

#include "reports/ReportDataSource.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPainter.h"
#include "reports/TextMeasurer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace selvana;

namespace {

constexpr int rowCount = 10000;

struct Column {
    const char16_t* title;
    qreal left;
    qreal width;
    Qt::Alignment alignment;
    bool wrap;
};

constexpr Column columns[] = {
    {u"Broj naloga", 4.5, 13.8, Qt::AlignRight, false},
    {u"Naziv djelatnika", 19.8, 49.5, Qt::AlignLeft, true},
    {u"Datum odlaska", 69.9, 16.9, Qt::AlignHCenter, false},
    {u"Datum povratka", 87.0, 16.9, Qt::AlignHCenter, false},
    {u"Mjesto putovanja", 105.3, 18.3, Qt::AlignLeft, true},
    {u"Trošak za dnevnice", 124.1, 16.9, Qt::AlignRight, false},
    {u"Trošak za prijevoz", 141.8, 16.9, Qt::AlignRight, false},
    {u"Ostali trošak", 159.5, 16.9, Qt::AlignRight, false},
    {u"Ukupni trošak", 177.8, 15.9, Qt::AlignRight, false},
};
constexpr qreal rules[] = {19.1, 69.6, 86.8, 104.5, 123.8, 141.3, 159.0, 177.0};

ReportFont font(qreal size, bool bold = false)
{
    ReportFont result;
    result.pointSize = size;
    result.bold = bold;
    return result;
}

QString amount(int cents)
{
    return QString::number(cents / 100) + u',' + QStringLiteral("%1").arg(cents % 100, 2, 10, QChar(u'0'));
}

TableDataSource makeOrders()
{
    static const QStringList names = {u"Ana Horvat"_s, u"Ivan Kovačević"_s, u"Marija Babić-Novak"_s,
                                      u"Josip Marić"_s, u"Katarina Jurić, dipl. oec., voditeljica nabave"_s};
    static const QStringList places = {
        u"Zagreb"_s, u"Split"_s, u"Osijek"_s, u"Slavonski Brod"_s, u"Beograd - Novi Sad - Subotica"_s,
        u"Rijeka"_s};
    QStringList fields;
    for (int i = 0; i < 9; ++i)
        fields.append(u"p_izv_%1"_s.arg(i));
    TableDataSource data(fields, {});
    for (int i = 0; i < rowCount; ++i) {
        const int day = i % 28 + 1;
        const QString date = u"%1.%2.2013"_s.arg(day, 2, 10, QChar(u'0')).arg(i % 12 + 1, 2, 10, QChar(u'0'));
        const int perDiem = (i * 37) % 90000;
        const int transport = (i * 53) % 150000;
        const int other = i % 3 == 0 ? 0 : (i * 11) % 20000;
        data.addRow({QString::number(i + 1), names.at(i % names.size()), date, date,
                     places.at(i % places.size()), amount(perDiem), amount(transport),
                     other ? amount(other) : QString(), amount(perDiem + transport + other)});
    }
    return data;
}

Report makeReport(const ReportDataSource& data)
{
    Report report;
    report.margins = {6, 6, 6, 6};
    ReportSection section;
    section.title.height = 42;
    section.title.items = {
        ReportItem::textBox({4.5, 0, 189.2, 7}, u"{naziv}"_s, font(16, true), Qt::AlignHCenter, true),
        ReportItem::textBox({4.5, 7, 189.2, 5}, u"{adresa}"_s, font(10), Qt::AlignHCenter, true),
        ReportItem::textBox({4.5, 38, 189.2, 5}, u"{naslov}"_s, font(12, true), Qt::AlignHCenter),
    };
    ReportGroup table;
    table.data = &data;
    table.columnHeads.height = 8;
    table.detail.height = 5.4;
    table.columnHeads.items.append(ReportItem::line({4.5, 0}, {193.7, 0}));
    table.columnHeads.items.append(ReportItem::line({4.5, 8}, {193.7, 8}));
    for (const Column& column : columns) {
        table.columnHeads.items.append(ReportItem::textBox({column.left, 0.3, column.width, 7.5},
                                                           QString::fromUtf16(column.title), font(8, true),
                                                           Qt::AlignHCenter | Qt::AlignVCenter, true));
    }
    int index = 0;
    for (const Column& column : columns) {
        table.detail.items.append(ReportItem::textBox({column.left, 0.2, column.width, 3.6},
                                                      u"{p_izv_%1}"_s.arg(index++), font(8),
                                                      column.alignment | Qt::AlignTop, column.wrap));
    }
    for (const qreal x : rules) {
        table.columnHeads.items.append(ReportItem::columnRule(x, 8));
        table.detail.items.append(ReportItem::columnRule(x, 5.4));
    }
    table.detail.items.append(ReportItem::line({4.5, 5.4}, {193.7, 5.4}, 0.1));
    section.groups = {table};
    section.summary.height = 20;
    section.summary.items = {
        ReportItem::textBox({4.5, 2, 50, 4}, u"Sveukupni troškovi:"_s, font(8, true)),
        ReportItem::textBox({54.5, 2, 24.6, 4}, u"{ukupno}"_s, font(8, true), Qt::AlignRight)};
    section.pageFooter.height = 6;
    section.pageFooter.items = {
        ReportItem::textBox({4.5, 1, 14.3, 4}, u"{datum}"_s, font(8, true), Qt::AlignRight),
        ReportItem::textBox({20, 1, 30, 4}, u"{page}/{pages}"_s, font(8, true))};
    report.sections = {section};
    report.setValue(u"naziv"_s, u"Poduzeće za usluge d.o.o."_s);
    report.setValue(u"adresa"_s, u"Ilica 1; 10000 Zagreb"_s);
    report.setValue(u"naslov"_s, u"Popis putnih naloga za 2013. godinu"_s);
    report.setValue(u"ukupno"_s, u"123.456.789,00"_s);
    report.setValue(u"datum"_s, u"24.01.2013."_s);
    return report;
}

double measureBaseline(const ReportDataSource& data)
{
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    const QFontMetricsF metrics(TextMeasurer::qFont(font(8)), &device);
    QElapsedTimer timer;
    timer.start();
    qreal sum = 0;
    for (int row = 0; row < data.rowCount(); ++row) {
        for (int i = 0; i < 9; ++i)
            sum += metrics.horizontalAdvance(data.value(row, u"p_izv_%1"_s.arg(i)));
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    return sum > 0 ? ms : 0;
}

double pdfBaseline(const QList<LaidOutPage>& pages, const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    painter.setFont(TextMeasurer::qFont(font(8)));
    const qreal scale = writer.resolution() / 25.4;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        for (const LaidOutItem& item : pages.at(i).items) {
            if (item.kind == ReportItemKind::Text)
                painter.drawText(QPointF(item.rect.left() * scale, item.rect.bottom() * scale), item.text);
            else
                painter.drawLine(QLineF(item.rect.topLeft() * scale, item.rect.bottomRight() * scale));
        }
    }
    painter.end();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const TableDataSource data = makeOrders();
    const Report report = makeReport(data);

    ReportEngine engine;
    QElapsedTimer timer;
    timer.start();
    const QList<LaidOutPage> pages = engine.layout(report);
    const double layoutMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    engine.layout(report);
    const double relayoutMs = double(timer.nsecsElapsed()) / 1e6;
    qsizetype items = 0;
    for (const LaidOutPage& page : pages)
        items += page.items.size();

    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(u"bench.pdf"_s);
    timer.restart();
    ReportPainter::writePdf(path, pages, u"Popis putnih naloga"_s);
    const double pdfMs = double(timer.nsecsElapsed()) / 1e6;

    const double measureMs = measureBaseline(data);
    const double rawPdfMs = pdfBaseline(pages, dir.filePath(u"baseline.pdf"_s));

    std::printf("rows %d, pages %lld, placed items %lld\n", rowCount, qlonglong(pages.size()),
                qlonglong(items));
    std::printf("layout        %8.1f ms  (%.0f pages/s)   baseline: measure every cell once %8.1f ms\n",
                layoutMs, pages.size() / layoutMs * 1000, measureMs);
    std::printf("layout again  %8.1f ms  (warm text cache)\n", relayoutMs);
    std::printf("PDF           %8.1f ms  (%.0f pages/s, %.1f MB)   baseline: bare QPdfWriter %8.1f ms\n",
                pdfMs, pages.size() / pdfMs * 1000, QFileInfo(path).size() / 1e6, rawPdfMs);
    return 0;
}
