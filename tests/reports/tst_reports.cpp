#include "TimeLimit.h"
#include "base/AppError.h"
#include "reports/ReportDataSource.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPainter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace selvana;

namespace {

constexpr qreal margin = 10;
constexpr qreal paperHeight = 297;
constexpr qreal footerHeight = 5;
constexpr qreal footerTop = paperHeight - margin - footerHeight;
constexpr qreal headerHeight = 6;
constexpr qreal nameWidth = 60;
constexpr qreal tolerance = 0.01;

ReportFont font(qreal size, bool bold = false)
{
    ReportFont result;
    result.pointSize = size;
    result.bold = bold;
    return result;
}

TableDataSource people(int rows)
{
    TableDataSource data({u"broj"_s, u"ime"_s}, {});
    for (int i = 1; i <= rows; ++i)
        data.addRow({QString::number(i) + u'.', u"Djelatnik %1"_s.arg(i)});
    return data;
}

// A sub-table: caption, column heads, a number and a wrapping name per row, a total.
ReportGroup table(const QString& caption, const ReportDataSource* data)
{
    ReportGroup group;
    group.data = data;
    group.caption.items = {ReportItem::textBox({0, 0, 100, 6}, caption, font(10, true))};
    group.columnHeads.items = {
        ReportItem::textBox({0, 0, 15, 5}, u"Broj"_s, font(8, true), Qt::AlignRight),
        ReportItem::textBox({20, 0, nameWidth, 5}, u"Ime"_s, font(8, true)),
        ReportItem::line({0, 5}, {190, 5}),
    };
    group.detail.height = 5;
    group.detail.items = {
        ReportItem::textBox({0, 0, 15, 5}, u"{broj}"_s, font(8), Qt::AlignRight),
        ReportItem::textBox({20, 0, nameWidth, 5}, u"{ime}"_s, font(8), Qt::AlignLeft | Qt::AlignTop, true),
        ReportItem::columnRule(18, 5),
    };
    group.summary.items = {ReportItem::textBox({0, 0, 100, 5}, caption + u" ukupno"_s, font(8, true))};
    return group;
}

Report listReport(const QList<ReportGroup>& groups)
{
    Report report;
    report.margins = {margin, margin, margin, margin};
    ReportSection section;
    section.title.items = {ReportItem::textBox({0, 0, 190, 12}, u"{naslov}"_s, font(16, true),
                                               Qt::AlignHCenter | Qt::AlignVCenter)};
    section.pageHeader.items = {ReportItem::textBox({0, 0, 190, 5}, u"Zaglavlje stranice"_s, font(8)),
                                ReportItem::line({0, headerHeight}, {190, headerHeight})};
    section.pageFooter.items = {
        ReportItem::textBox({0, 0, 190, footerHeight}, u"{page}/{pages}"_s, font(8), Qt::AlignRight)};
    section.groups = groups;
    section.summary.items = {ReportItem::textBox({0, 0, 190, 5}, u"Kraj izvještaja"_s, font(8, true))};
    report.sections = {section};
    report.setValue(u"naslov"_s, u"Popis putnih naloga"_s);
    return report;
}

QList<LaidOutItem> itemsOf(const LaidOutPage& page, ReportBandKind band)
{
    QList<LaidOutItem> result;
    for (const LaidOutItem& item : page.items) {
        if (item.band == band)
            result.append(item);
    }
    return result;
}

const LaidOutItem* findText(const LaidOutPage& page, const QString& text)
{
    for (const LaidOutItem& item : page.items) {
        if (item.kind == ReportItemKind::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

// Detail texts of one column (by left edge) over all pages, in order.
QStringList column(const QList<LaidOutPage>& pages, qreal left)
{
    QStringList result;
    for (const LaidOutPage& page : pages) {
        for (const LaidOutItem& item : itemsOf(page, ReportBandKind::Detail)) {
            if (item.kind == ReportItemKind::Text && qAbs(item.rect.left() - (margin + left)) < tolerance)
                result.append(item.text);
        }
    }
    return result;
}

// Measures independently of the engine, at the PDF's resolution, in millimetres.
class PrintMetrics {
public:
    explicit PrintMetrics(const ReportFont& reportFont) : m_device(1, 1, QImage::Format_Mono)
    {
        m_device.setDotsPerMeterX(qRound(1200 / 0.0254));
        m_device.setDotsPerMeterY(qRound(1200 / 0.0254));
        QFont qfont(u"Liberation Sans"_s);
        qfont.setPointSizeF(reportFont.pointSize);
        qfont.setBold(reportFont.bold);
        qfont.setHintingPreference(QFont::PreferNoHinting);
        m_metrics.emplace(qfont, &m_device);
    }
    qreal width(const QString& text) const { return m_metrics->horizontalAdvance(text) * 25.4 / 1200; }

private:
    QImage m_device;
    std::optional<QFontMetricsF> m_metrics;
};

qreal textWidthMm(const ReportFont& reportFont, const QString& text)
{
    return PrintMetrics(reportFont).width(text);
}

QString longText(int words)
{
    QStringList result;
    for (int i = 1; i <= words; ++i)
        result.append(u"riječ%1"_s.arg(i));
    return result.join(u' ');
}

// Where pdftotext finds a word on the first page, in points from the top-left corner.
QPointF wordPosition(const QString& pdftotext, const QString& pdf, const QString& word)
{
    QProcess process;
    process.start(pdftotext, {u"-bbox"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, pdf, u"-"_s});
    if (!process.waitForFinished(30000))
        return {};
    const QRegularExpression pattern(u"xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>"_s + word + u"<"_s);
    const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QPointF();
}

// A disk that is full beyond `bytes`: every file this process writes stops there. Writes past
// the limit fail with EFBIG instead of killing the process with SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class WriteFailure { ReadOnlyFolder, WhilePainting, AtTheEnd };

} // namespace

Q_DECLARE_METATYPE(WriteFailure)

class TestReports : public QObject {
    Q_OBJECT

private slots:
    void bandsOnEveryPage();
    void pageNumbers_data();
    void pageNumbers();
    void fieldTexts_data();
    void fieldTexts();
    void wrappedRowGrows();
    void grownTextPushesItemsBelow();
    void textThatDoesNotFit_data();
    void textThatDoesNotFit();
    void shrinkToFit_data();
    void shrinkToFit();
    void leftOutGroupLetsNextMoveUp_data();
    void leftOutGroupLetsNextMoveUp();
    void longTableRepeatsColumnHeads();
    void captionStaysWithFirstRow();
    void tallRowSplitsAcrossPages();
    void longTextTakesLinearTime_data();
    void longTextTakesLinearTime();
    void writesPdf();
    void printerPlacesLikePdf();
    void unwritablePathThrows_data();
    void unwritablePathThrows();
    void failedWriteKeepsOldPdf_data();
    void failedWriteKeepsOldPdf();

private:
    ReportEngine m_engine;
};

void TestReports::bandsOnEveryPage()
{
    const TableDataSource data = people(120);
    const QList<LaidOutPage> pages = m_engine.layout(listReport({table(u"Nalozi"_s, &data)}));
    QVERIFY(pages.size() >= 3);

    for (const LaidOutPage& page : pages) {
        const bool first = page.number == 1;
        QCOMPARE(findText(page, u"Popis putnih naloga"_s) != nullptr, first);
        const LaidOutItem* header = findText(page, u"Zaglavlje stranice"_s);
        QVERIFY(header);
        QCOMPARE(header->rect.top() > margin + tolerance, first); // below the title on page 1 only
        const QList<LaidOutItem> footer = itemsOf(page, ReportBandKind::PageFooter);
        QCOMPARE(footer.size(), 1);
        QCOMPARE(footer.first().rect.top(), footerTop);

        // Nothing of the body reaches into the header or the footer.
        for (const LaidOutItem& item : page.items) {
            if (item.band == ReportBandKind::PageFooter || item.band == ReportBandKind::PageHeader ||
                item.band == ReportBandKind::Title)
                continue;
            QVERIFY2(item.rect.top() >= header->rect.top() + headerHeight - tolerance, qPrintable(item.text));
            QVERIFY2(item.rect.bottom() <= footerTop + tolerance, qPrintable(item.text));
        }
    }
    QCOMPARE(column(pages, 0).size(), 120);
    QVERIFY(findText(pages.last(), u"Kraj izvještaja"_s));
}

void TestReports::pageNumbers_data()
{
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("expected"); // %1 page, %2 count

    QTest::newRow("n/m") << u"{page}/{pages}"_s << u"%1/%2"_s;
    QTest::newRow("words, any letter case") << u"Stranica {PAGE} od {Pages}"_s << u"Stranica %1 od %2"_s;
    QTest::newRow("page only") << u"- {page} -"_s << u"- %1 -"_s;
}

void TestReports::pageNumbers()
{
    QFETCH(QString, footer);
    QFETCH(QString, expected);
    const TableDataSource data = people(150);
    Report report = listReport({table(u"Nalozi"_s, &data)});
    report.sections[0].pageFooter.items[0].text = footer;

    const QList<LaidOutPage> pages = m_engine.layout(report);
    QVERIFY(pages.size() >= 3);
    for (const LaidOutPage& page : pages) {
        const QList<LaidOutItem> footerItems = itemsOf(page, ReportBandKind::PageFooter);
        QCOMPARE(footerItems.size(), 1);
        QCOMPARE(footerItems.first().text, QString(expected)
                                               .replace(u"%1"_s, QString::number(page.number))
                                               .replace(u"%2"_s, QString::number(pages.size())));
    }
}

void TestReports::fieldTexts_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("literal") << u"Ukupno"_s << u"Ukupno"_s;
    QTest::newRow("field") << u"{ime}"_s << u"Ana Horvat"_s;
    QTest::newRow("name in another case") << u"{IME}"_s << u"Ana Horvat"_s;
    QTest::newRow("literal and fields")
        << u"Iznos: {iznos} kn ({Ime})"_s << u"Iznos: 1.500,00 kn (Ana Horvat)"_s;
    QTest::newRow("unknown field is empty") << u"[{nema}]"_s << u"[]"_s;
    QTest::newRow("doubled braces") << u"{{ime}}"_s << u"{ime}"_s;
    QTest::newRow("lone brace") << u"a { b"_s << u"a { b"_s;
}

// The same text in a detail row (from the data source) and in the title (report values).
void TestReports::fieldTexts()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    const TableDataSource data({u"IME"_s, u"Iznos"_s}, {{u"Ana Horvat"_s, u"1.500,00"_s}});
    ReportGroup group;
    group.data = &data;
    group.detail.items = {ReportItem::textBox({0, 0, 150, 5}, source, font(8))};
    Report report;
    ReportSection section;
    section.title.items = {ReportItem::textBox({0, 0, 150, 5}, source, font(8))};
    section.groups = {group};
    report.sections = {section};
    report.setValue(u"Ime"_s, u"Ana Horvat"_s);
    report.setValue(u"IZNOS"_s, u"1.500,00"_s);

    const QList<LaidOutPage> pages = m_engine.layout(report);
    QCOMPARE(pages.size(), 1);
    const QList<LaidOutItem> title = itemsOf(pages.first(), ReportBandKind::Title);
    const QList<LaidOutItem> detail = itemsOf(pages.first(), ReportBandKind::Detail);
    QCOMPARE(title.size(), 1);
    QCOMPARE(detail.size(), 1);
    QCOMPARE(title.first().text, expected);
    QCOMPARE(detail.first().text, expected);
}

void TestReports::wrappedRowGrows()
{
    const QString longName =
        u"Ivana Marija Kovačević-Horvat, dipl. ing. građevinarstva, voditeljica odjela"_s;
    TableDataSource data({u"broj"_s, u"ime"_s},
                         {{u"1."_s, u"Ana"_s}, {u"2."_s, longName}, {u"3."_s, u"Ivo"_s}});
    const QList<LaidOutPage> pages = m_engine.layout(listReport({table(u"Nalozi"_s, &data)}));
    QCOMPARE(pages.size(), 1);
    const LaidOutPage& page = pages.first();

    const LaidOutItem* number = findText(page, u"2."_s);
    const LaidOutItem* next = findText(page, u"3."_s);
    QVERIFY(number && next);
    const QList<LaidOutItem> names = itemsOf(page, ReportBandKind::Detail);
    const auto wrapped = std::find_if(
        names.begin(), names.end(), [](const LaidOutItem& item) { return item.text.startsWith(u"Ivana"_s); });
    QVERIFY(wrapped != names.end());
    const QStringList lines = wrapped->lines();
    QVERIFY(lines.size() >= 2);
    QCOMPARE(lines.join(u' '), longName);
    for (const QString& line : lines)
        QVERIFY2(textWidthMm(font(8), line) <= nameWidth + tolerance, qPrintable(line));

    // The row grew to hold every line and the next row starts below them.
    QCOMPARE(wrapped->rect.top(), number->rect.top());
    QVERIFY(wrapped->rect.height() >= lines.size() * wrapped->lineHeight - tolerance);
    QVERIFY(next->rect.top() >= wrapped->rect.bottom() - tolerance);
    // The column rule of the row grew with it.
    const auto rule = std::find_if(names.begin(), names.end(), [&](const LaidOutItem& item) {
        return item.kind == ReportItemKind::Line && qAbs(item.rect.top() - number->rect.top()) < tolerance;
    });
    QVERIFY(rule != names.end());
    QCOMPARE(rule->rect.bottom(), next->rect.top());
}

void TestReports::grownTextPushesItemsBelow()
{
    // A letterhead: the name wraps, the lines under it move down, the caption beside it stays.
    ReportSection section;
    section.title.height = 30;
    section.title.items = {
        ReportItem::textBox({0, 0, 40, 6}, u"{naziv}"_s, font(16, true), Qt::AlignLeft | Qt::AlignTop, true),
        ReportItem::textBox({0, 6, 100, 5}, u"Adresa 1"_s, font(10)),
        ReportItem::textBox({0, 11, 100, 5}, u"OIB: 123"_s, font(10)),
        ReportItem::textBox({120, 0, 50, 4}, u"Broj naloga i godina"_s, font(8), Qt::AlignRight),
        ReportItem::textBox({0, 26, 170, 4}, u"Ispod"_s, font(10)),
    };
    Report report;
    report.margins = {margin, margin, margin, margin};
    report.sections = {section};
    report.setValue(u"naziv"_s, u"Poduzeće s vrlo dugim imenom d.o.o."_s);

    const LaidOutPage page = m_engine.layout(report).first();
    const LaidOutItem& name = page.items.first();
    QVERIFY(name.text.startsWith(u"Poduzeće"_s));
    QVERIFY(name.lines().size() >= 2);
    const qreal growth = name.rect.height() - 6;
    QVERIFY(growth > 1);
    QCOMPARE(findText(page, u"Adresa 1"_s)->rect.top(), name.rect.bottom());
    QCOMPARE(findText(page, u"OIB: 123"_s)->rect.top(), margin + 11 + growth);
    QCOMPARE(findText(page, u"Broj naloga i godina"_s)->rect.top(), margin);
    QCOMPARE(findText(page, u"Ispod"_s)->rect.top(), margin + 26 + growth);
}

void TestReports::textThatDoesNotFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("overflow");

    QTest::newRow("fits") << u"1.500,00"_s << false << 1 << false;
    QTest::newRow("line breaks kept") << u"prvi\ndrugi"_s << false << 2 << false;
    QTest::newRow("too wide, wrapped anyway") << u"Prijevozno sredstvo u odlasku"_s << false << 2 << true;
    QTest::newRow("too wide, word wrap") << u"Prijevozno sredstvo u odlasku"_s << true << 2 << false;
    QTest::newRow("one long word is broken") << u"Prijevoznosredstvouodlasku"_s << true << 2 << false;
    QTest::newRow("a number is never cut") << u"1.234.567.890.123,00"_s << false << 1 << true;
}

// Never clipped: a text wider than its box takes more lines and the box grows.
void TestReports::textThatDoesNotFit()
{
    QFETCH(QString, text);
    QFETCH(bool, wordWrap);
    QFETCH(int, lines);
    QFETCH(bool, overflow);
    ReportSection section;
    section.title.items = {
        ReportItem::textBox({0, 0, 30, 4}, text, font(10), Qt::AlignLeft | Qt::AlignTop, wordWrap),
        ReportItem::textBox({0, 4, 30, 4}, u"ispod"_s, font(10)),
    };
    Report report;
    report.sections = {section};

    const LaidOutPage page = m_engine.layout(report).first();
    const LaidOutItem& item = page.items.first();
    QCOMPARE(item.lines().size(), lines);
    QCOMPARE(bool(item.flags & LaidOutItem::Overflow), overflow);
    QCOMPARE(QString(item.text).remove(u'\n').remove(u' '), QString(text).remove(u'\n').remove(u' '));
    for (const QString& line : item.lines())
        QVERIFY2(textWidthMm(font(10), line) <= item.rect.width() + tolerance, qPrintable(line));
    QVERIFY(findText(page, u"ispod"_s)->rect.top() >= item.rect.top() + lines * item.lineHeight - tolerance);
}

void TestReports::shrinkToFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<bool>("shrunk");
    QTest::addColumn<bool>("overflow");

    QTest::newRow("fits at full size") << u"1.500,00"_s << 30.0 << false << false;
    QTest::newRow("printed smaller") << u"1.234.567,89"_s << 14.0 << true << false;
    QTest::newRow("too wide at the smallest size") << u"1.234.567.890.123,00"_s << 10.0 << true << true;
}

// A one-line amount in a narrow column: smaller rather than over its neighbours.
void TestReports::shrinkToFit()
{
    QFETCH(QString, text);
    QFETCH(qreal, width);
    QFETCH(bool, shrunk);
    QFETCH(bool, overflow);
    ReportItem amount = ReportItem::textBox({40, 0, width, 5}, text, font(10), Qt::AlignRight);
    amount.shrinkToFit = true;
    ReportSection section;
    section.title.items = {amount, ReportItem::textBox({0, 5, 30, 5}, u"ispod"_s, font(10))};
    Report report;
    report.margins = {margin, margin, margin, margin};
    report.sections = {section};

    const LaidOutPage page = m_engine.layout(report).first();
    const LaidOutItem& item = page.items.first();
    QCOMPARE(item.text, text);
    QCOMPARE(item.font.pointSize < 10, shrunk);
    QCOMPARE(bool(item.flags & LaidOutItem::Overflow), overflow);
    if (!overflow) {
        QVERIFY(textWidthMm(item.font, text) <= width + tolerance);
        QVERIFY(item.rect.right() <= margin + 40 + width + tolerance);
    }
    QVERIFY(item.rect.bottom() <= margin + 5 + tolerance);
    QCOMPARE(findText(page, u"ispod"_s)->rect.top(), margin + 5);
}

void TestReports::leftOutGroupLetsNextMoveUp_data()
{
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("hideWhenEmpty");
    QTest::addColumn<bool>("printed");

    QTest::newRow("hidden") << false << 3 << true << false;
    QTest::newRow("no records") << true << 0 << true << false;
    QTest::newRow("no records, kept") << true << 0 << false << true;
    QTest::newRow("with records") << true << 3 << true << true;
}

void TestReports::leftOutGroupLetsNextMoveUp()
{
    QFETCH(bool, visible);
    QFETCH(int, rows);
    QFETCH(bool, hideWhenEmpty);
    QFETCH(bool, printed);
    const TableDataSource first = people(rows);
    const TableDataSource second = people(2);
    ReportGroup advances = table(u"Obračun akontacije"_s, &first);
    advances.visible = visible;
    advances.hideWhenEmpty = hideWhenEmpty;

    const LaidOutPage alone = m_engine.layout(listReport({table(u"Ostali troškovi"_s, &second)})).first();
    const LaidOutPage page =
        m_engine.layout(listReport({advances, table(u"Ostali troškovi"_s, &second)})).first();

    QCOMPARE(findText(page, u"Obračun akontacije"_s) != nullptr, printed);
    const qreal top = findText(page, u"Ostali troškovi"_s)->rect.top();
    const qreal topAlone = findText(alone, u"Ostali troškovi"_s)->rect.top();
    if (printed)
        QVERIFY(top > topAlone);
    else
        QCOMPARE(top, topAlone);
}

void TestReports::longTableRepeatsColumnHeads()
{
    const TableDataSource data = people(150);
    const QList<LaidOutPage> pages = m_engine.layout(listReport({table(u"Nalozi"_s, &data)}));
    QVERIFY(pages.size() >= 2);

    QStringList expected;
    for (int i = 1; i <= 150; ++i)
        expected.append(QString::number(i) + u'.');
    QCOMPARE(column(pages, 0), expected);

    for (const LaidOutPage& page : pages) {
        QCOMPARE(findText(page, u"Nalozi"_s) != nullptr, page.number == 1);
        const LaidOutItem* heads = findText(page, u"Broj"_s);
        QVERIFY(heads);
        QCOMPARE(heads->band, ReportBandKind::ColumnHeads);
        if (page.number > 1)
            QCOMPARE(heads->rect.top(), margin + headerHeight);
        // Rows follow each other below the heads without overlapping.
        qreal bottom = heads->rect.top() + 5;
        for (const LaidOutItem& item : itemsOf(page, ReportBandKind::Detail)) {
            if (item.kind != ReportItemKind::Text || item.rect.left() > margin + 1)
                continue;
            QVERIFY2(item.rect.top() >= bottom - tolerance, qPrintable(item.text));
            bottom = item.rect.bottom();
        }
    }
}

void TestReports::captionStaysWithFirstRow()
{
    const TableDataSource data = people(3);
    const qreal room = footerTop - margin - 12 - headerHeight; // under title and header on page 1
    ReportGroup block;
    block.detail.height = room - 8; // leaves room for the caption, not for the heads and a row
    block.detail.items = {ReportItem::textBox({0, 0, 100, 5}, u"Blok"_s, font(10))};

    const QList<LaidOutPage> pages = m_engine.layout(listReport({block, table(u"Nalozi"_s, &data)}));
    QCOMPARE(pages.size(), 2);
    QVERIFY(findText(pages.at(0), u"Blok"_s));
    QVERIFY(!findText(pages.at(0), u"Nalozi"_s));
    QCOMPARE(findText(pages.at(1), u"Nalozi"_s)->rect.top(), margin + headerHeight);
    QCOMPARE(findText(pages.at(1), u"Broj"_s)->rect.top(), margin + headerHeight + 6);
}

void TestReports::tallRowSplitsAcrossPages()
{
    const QString text = longText(1500);
    TableDataSource data({u"broj"_s, u"ime"_s},
                         {{u"1."_s, u"Prvi"_s}, {u"2."_s, text}, {u"3."_s, u"Zadnji"_s}});
    const QList<LaidOutPage> pages = m_engine.layout(listReport({table(u"Nalozi"_s, &data)}));
    QVERIFY(pages.size() >= 3);

    QStringList pieces;
    for (const LaidOutPage& page : pages) {
        for (const LaidOutItem& item : itemsOf(page, ReportBandKind::Detail)) {
            if (item.kind != ReportItemKind::Text || !item.text.startsWith(u"riječ"_s))
                continue;
            pieces.append(item.text);
            QCOMPARE(bool(item.flags & LaidOutItem::Continued), page.number > 1);
            QVERIFY(item.rect.bottom() <= footerTop + tolerance);
            if (page.number > 1) {
                QCOMPARE(item.rect.top(), margin + headerHeight + 5); // under the repeated heads
                QVERIFY(findText(page, u"Broj"_s));
            }
        }
    }
    QCOMPARE(pieces.size(), pages.size());
    QCOMPARE(pieces.join(u'\n').replace(u'\n', u' '), text);

    const LaidOutPage& last = pages.last();
    const LaidOutItem* next = findText(last, u"3."_s);
    QVERIFY(next);
    const auto lastPiece = std::find_if(last.items.begin(), last.items.end(), [](const LaidOutItem& item) {
        return item.text.startsWith(u"riječ"_s);
    });
    QVERIFY(next->rect.top() >= lastPiece->rect.bottom() - tolerance);
}

void TestReports::longTextTakesLinearTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<qreal>("pointSize");

    constexpr qsizetype length = 250'000;
    QString words = longText(30'000);
    words.truncate(length);
    while (words.endsWith(u' '))
        words.chop(1);
    QString paragraphs = words;
    for (qsizetype i = 97; i < paragraphs.size(); i += 97)
        paragraphs[i] = u'\n';
    QString word;
    for (int i = 0; word.size() < length; ++i)
        word += u"Čakovec%1"_s.arg(i);
    word.truncate(length);

    QTest::newRow("words") << words << true << 8.0;
    QTest::newRow("words, not wrapped") << words << false << 8.0;
    QTest::newRow("short paragraphs") << paragraphs << true << 8.0;
    QTest::newRow("one word") << word << true << 8.0;
    // Wider than the 2^25 pixels Qt can add up in one go.
    QTest::newRow("words, very wide") << words << true << 20.0;
    QTest::newRow("one word, very wide") << QString(length, u'W') << true << 16.0;
}

// Laying out a text took time growing with the square of its length: a quarter of a megabyte
// took minutes. Now it is proportional, and all of the text reaches the pages, line by line.
void TestReports::longTextTakesLinearTime()
{
    QFETCH(QString, text);
    QFETCH(bool, wordWrap);
    QFETCH(qreal, pointSize);
    ReportGroup group = table(u"Nalozi"_s, nullptr);
    ReportItem& name = group.detail.items[1];
    name.wordWrap = wordWrap;
    name.font = font(pointSize);
    TableDataSource data({u"broj"_s, u"ime"_s}, {{u"1."_s, text}, {u"2."_s, u"Zadnji"_s}});
    group.data = &data;
    ReportEngine engine; // nothing measured before

    QElapsedTimer timer;
    timer.start();
    const QList<LaidOutPage> pages = engine.layout(listReport({group}));
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < test::timeLimitMs(5000), qPrintable(u"%1 ms"_s.arg(elapsed)));

    QStringList pieces = column(pages, 20);
    QCOMPARE(pieces.takeLast(), u"Zadnji"_s);
    QCOMPARE(pieces.size(), pages.size()); // a piece on every page
    const QString joined = pieces.join(u'\n');
    QCOMPARE(QString(joined).remove(u'\n').remove(u' '), QString(text).remove(u'\n').remove(u' '));
    if (text.contains(u' ') && !text.contains(u'\n'))
        QCOMPARE(QString(joined).replace(u'\n', u' '), text);

    // As many lines as the text's width takes; each fits unless it is one word kept whole.
    const PrintMetrics metrics(name.font);
    const QStringList lines = joined.split(u'\n');
    const QString sample = text.left(1000);
    QVERIFY(lines.size() >= metrics.width(sample) * (text.size() / sample.size()) / nameWidth);
    for (const QString& line : lines) {
        QVERIFY2(metrics.width(line) <= nameWidth + tolerance || (!wordWrap && !line.contains(u' ')),
                 qPrintable(line));
    }
    // Every page but the last is full.
    for (qsizetype i = 0; i + 1 < pages.size(); ++i) {
        const LaidOutItem* piece = findText(pages.at(i), pieces.at(i));
        QVERIFY(piece->rect.bottom() > footerTop - piece->lineHeight);
    }
}

void TestReports::writesPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const TableDataSource data = people(150);
    Report report = listReport({table(u"Nalozi"_s, &data)});
    report.setValue(u"naslov"_s, u"Čakovec, Šibenik, Đakovo, Žminj, Ćićarija"_s);
    const QList<LaidOutPage> pages = m_engine.layout(report);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"izvjestaj.pdf"_s);

    ReportPainter::writePdf(path, pages, u"Popis"_s);

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"izvjestaj.pdf"_s});
    QProcess process;
    process.start(pdftotext, {u"-layout"_s, path, u"-"_s});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(text.count(u'\f'), pages.size());
    QVERIFY(text.contains(u"Čakovec, Šibenik, Đakovo, Žminj, Ćićarija"_s));
    QVERIFY(text.contains(u"Djelatnik 150"_s));
    QVERIFY(text.contains(u"Kraj izvještaja"_s));
    QVERIFY(text.contains(u"1/%1"_s.arg(pages.size())));
    QVERIFY(text.contains(u"%1/%1"_s.arg(pages.size())));
}

// A printer has margins of its own; items must still land where the report put them.
void TestReports::printerPlacesLikePdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const TableDataSource data = people(3);
    const QList<LaidOutPage> pages = m_engine.layout(listReport({table(u"Nalozi"_s, &data)}));
    QTemporaryDir dir;
    const QString written = dir.filePath(u"pisac.pdf"_s);
    const QString printed = dir.filePath(u"pisac-pisaca.pdf"_s);
    ReportPainter::writePdf(written, pages);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    printer.setPageMargins(QMarginsF(15, 25, 15, 25), QPageLayout::Millimeter);

    QVERIFY(ReportPainter::print(printer, pages));

    for (const QString& word : {u"Zaglavlje"_s, u"Djelatnik"_s, u"1/1"_s}) {
        const QPointF expected = wordPosition(pdftotext, written, word);
        const QPointF actual = wordPosition(pdftotext, printed, word);
        QVERIFY2(!expected.isNull(), qPrintable(word));
        QVERIFY2(qAbs(actual.x() - expected.x()) < 0.5 && qAbs(actual.y() - expected.y()) < 0.5,
                 qPrintable(u"%1: %2,%3 instead of %4,%5"_s.arg(word)
                                .arg(actual.x())
                                .arg(actual.y())
                                .arg(expected.x())
                                .arg(expected.y())));
    }
}

void TestReports::unwritablePathThrows_data()
{
    QTest::addColumn<QString>("relativePath");

    QTest::newRow("missing folder") << u"nema/izvjestaj.pdf"_s;
    QTest::newRow("below a file") << u"datoteka.txt/izvjestaj.pdf"_s;
    QTest::newRow("a folder") << u"mapa"_s;
}

void TestReports::unwritablePathThrows()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"datoteka.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir(dir.path()).mkdir(u"mapa"_s));
    const QStringList before =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const TableDataSource data = people(5);
    const QList<LaidOutPage> pages = m_engine.layout(listReport({table(u"Nalozi"_s, &data)}));
    const QString path = dir.filePath(relativePath);

    try {
        ReportPainter::writePdf(path, pages);
        QFAIL("no error");
    } catch (const AppError& error) {
        QCOMPARE(error.text(), u"Ne mogu spremiti PDF datoteku "_s + QDir::toNativeSeparators(path));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QVERIFY(QDir(dir.filePath(u"mapa"_s)).isEmpty());
}

void TestReports::failedWriteKeepsOldPdf_data()
{
    QTest::addColumn<WriteFailure>("failure");
    QTest::addColumn<bool>("oldFile");

    QTest::newRow("read-only folder") << WriteFailure::ReadOnlyFolder << false;
    QTest::newRow("read-only folder, old file") << WriteFailure::ReadOnlyFolder << true;
    QTest::newRow("disk full while painting") << WriteFailure::WhilePainting << false;
    QTest::newRow("disk full while painting, old file") << WriteFailure::WhilePainting << true;
    // Only the last flush fails: QSaveFile in Qt 6.4 reported that as saved.
    QTest::newRow("disk full at the end, old file") << WriteFailure::AtTheEnd << true;
}

// A PDF that could not be written whole is an error, and whatever was there before stays.
void TestReports::failedWriteKeepsOldPdf()
{
    QFETCH(WriteFailure, failure);
    QFETCH(bool, oldFile);
    if (failure == WriteFailure::ReadOnlyFolder && geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"izvjestaji"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/popis.pdf"_s;
    const TableDataSource few = people(3);
    if (oldFile)
        ReportPainter::writePdf(path, m_engine.layout(listReport({table(u"Stari"_s, &few)})));
    const QByteArray before = fileBytes(path);
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    const TableDataSource many = people(300);
    const QList<LaidOutPage> pages = m_engine.layout(listReport({table(u"Nalozi"_s, &many)}));
    const QString whole = dir.filePath(u"cijeli.pdf"_s);
    ReportPainter::writePdf(whole, pages);
    const qint64 size = QFileInfo(whole).size();
    QVERIFY(size > 20000);

    const auto writable = QFile::permissions(folder);
    if (failure == WriteFailure::ReadOnlyFolder)
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    QString error;
    {
        std::optional<FileSizeLimit> full;
        if (failure != WriteFailure::ReadOnlyFolder)
            full.emplace(failure == WriteFailure::AtTheEnd ? size - 1 : 4096);
        try {
            ReportPainter::writePdf(path, pages);
        } catch (const AppError& e) {
            error = e.text();
        }
    }
    QFile::setPermissions(folder, writable);

    QCOMPARE(error, u"Ne mogu spremiti PDF datoteku "_s + QDir::toNativeSeparators(path));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), entries);
    QCOMPARE(fileBytes(path), before);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
