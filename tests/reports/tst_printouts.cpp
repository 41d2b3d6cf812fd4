#include "PrintFixture.h"
#include "TimeLimit.h"
#include "app/PrintCommand.h"
#include "base/TextForms.h"
#include "reports/ReportPainter.h"
#include "reports/TextMeasurer.h"
#include "storage/GridTable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace selvana;
using test::findText;
using test::pageOf;

namespace {

constexpr qreal kOrderMargin = 20;
constexpr qreal kListMargin = 6;
constexpr qreal kTolerance = 0.05;

// Texts of one band kind on a page, top to bottom.
QList<LaidOutItem> textsOf(const LaidOutPage& page, std::initializer_list<ReportBandKind> bands)
{
    QList<LaidOutItem> result;
    for (const LaidOutItem& item : page.items) {
        if (item.kind == ReportItemKind::Text &&
            std::find(bands.begin(), bands.end(), item.band) != bands.end())
            result.append(item);
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const LaidOutItem& a, const LaidOutItem& b) { return a.rect.top() < b.rect.top(); });
    return result;
}

const std::initializer_list<ReportBandKind> kBody = {ReportBandKind::Caption, ReportBandKind::ColumnHeads,
                                                     ReportBandKind::Detail, ReportBandKind::GroupSummary,
                                                     ReportBandKind::Summary};

// Detail texts of the column whose box starts at left (mm from the paper's edge), over all pages.
QStringList column(const QList<LaidOutPage>& pages, qreal left, int group = -1)
{
    QStringList result;
    for (const LaidOutPage& page : pages) {
        for (const LaidOutItem& item : textsOf(page, {ReportBandKind::Detail})) {
            if ((group < 0 || item.group == group) && qAbs(item.rect.left() - left) < kTolerance)
                result.append(item.text);
        }
    }
    return result;
}

bool onOneLine(const LaidOutItem* a, const LaidOutItem* b)
{
    return a && b && qAbs(a->rect.center().y() - b->rect.center().y()) < 1.5;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PrintoutsTest : public QObject {
    Q_OBJECT
private slots:
    void travelOrderFields();
    void orderWithoutRecordsAfterOneWithReport();
    void onlyOtherCostsMoveUp();
    void everyTableNumbersItsRows_data();
    void everyTableNumbersItsRows();
    void settlementLine_data();
    void settlementLine();
    void longContentFlowsOntoPages();
    void longSubjectName_data();
    void longSubjectName();

    void reportKinds_data();
    void reportKinds();
    void reportTableAndPrintedList();
    void checksRefuse_data();
    void checksRefuse();
    void noMatchingOrder();

    void printCommand_data();
    void printCommand();
};

// --- the travel order ---

void PrintoutsTest::travelOrderFields()
{
    test::PrintProgram p;
    const QByteArray ordersBefore = fileBytes(p.tmp.dataFolder() + u"100_2013_nalozi.txt"_s);
    const QByteArray settlementsBefore = fileBytes(p.tmp.dataFolder() + u"100_2013_obracun.txt"_s);
    const QList<LaidOutPage> pages = p.printOrder(1);
    QCOMPARE(p.w().status(1), u"Ispis gotov"_s);
    QCOMPARE(p.tmp.dialogs.previews.last().title, u"Putni nalog 1/2013"_s);
    QCOMPARE(pages.size(), 2);
    QVERIFY(p.tmp.dialogs.messages.isEmpty());

    // The order on page 1: the letterhead of a subject without fax, at the top left.
    const QStringList letterhead = {u"Primjer d.o.o."_s, u"Ilica 1; 10000 Zagreb"_s,
                                    u"tel.: 01 2345 678; fax: "_s, u"Internet: www.primjer.hr"_s,
                                    u"OIB: 12345678901"_s};
    qreal above = 0;
    for (const QString& line : letterhead) {
        const LaidOutItem* item = findText(pages, line, 1);
        QVERIFY2(item, qPrintable(line));
        QCOMPARE(item->rect.left(), kOrderMargin);
        QVERIFY(item->rect.top() >= above);
        above = item->rect.bottom() - kTolerance;
    }
    const LaidOutItem* number = findText(pages, u"1/2013"_s, 1);
    QVERIFY(number && (number->alignment & Qt::AlignRight));
    QCOMPARE(number->rect.right(), 210 - kOrderMargin);
    QVERIFY(findText(pages, u"Broj naloga i godina"_s, 1));
    QVERIFY(findText(pages, u"Mjesto izrade: Zagreb, dana 11.03.2013."_s, 1));
    QVERIFY(findText(pages, u"NALOG ZA SLUŽBENO PUTOVANJE"_s, 1));
    QVERIFY(findText(pages, u"Sastanak s dobavljačem\nObilazak gradilišta"_s, 1));

    // Captions with their values beside them, in the order's text forms.
    const std::pair<QString, QString> lines[] = {
        {u"Ime i prezime:"_s, u"dipl. oec. Ana Horvat"_s},
        {u"Radno mjesto:"_s, u"ekonomist"_s},
        {u"Datum putovanja:"_s, u"12.03.2013"_s},
        {u"Mjesto putovanja:"_s, u"Split"_s},
        {u"Moguće trajanje putovanja (dana):"_s, u"2,0"_s},
        {u"Odobrena akontacija troškova ovoga putovanja (HRK):"_s, u"500,00"_s},
        {u"Slovima (HRK):"_s, u"petstotinakuna"_s},
        {u"Prijevozno sredstvo u odlasku:"_s, u"osobni auto"_s},
        {u"Prijevozno sredstvo u dolasku:"_s, u"vlak"_s},
        {u"Pismeno izvješće i obračun ovoga putovanja podnijeti u roku od "_s, u"8"_s},
    };
    const LaidOutItem* previous = nullptr;
    for (const auto& [caption, value] : lines) {
        const LaidOutItem* c = findText(pages, caption, 1);
        const LaidOutItem* v = findText(pages, value, 1);
        QVERIFY2(c && v, qPrintable(caption));
        QVERIFY2(onOneLine(c, v) && v->rect.left() > c->rect.left(), qPrintable(caption));
        QVERIFY2(!previous || c->rect.top() >= previous->rect.top() - kTolerance, qPrintable(caption));
        previous = c;
    }
    QVERIFY(findText(pages, u"Troškovi ovoga putovanja idu na teret društva/ustanove Primjer d.o.o."_s, 1));
    const LaidOutItem* stamp = findText(pages, u"M.P."_s, 1);
    QVERIFY(stamp && qAbs(stamp->rect.top() - (kOrderMargin + 220)) < 1);
    QVERIFY(findText(pages, u"(naredbodavac)"_s, 1));

    // The settlement starts page 2, its header and footer from the order's fields.
    for (const QString& text :
         {u"OBRAČUN PUTNIH TROŠKOVA"_s, u"za putni nalog br. 1/2013"_s, u"13.03.2013"_s, u"08:00"_s,
          u"10:30"_s, u"26,5"_s, u"Mjesto obračuna: Zagreb, dana 24.01.2013. god."_s,
          u"(potpis odgovorne osobe)"_s, u"(blagajnik)"_s, u"(likvidator)"_s, u"(podnositelj računa)"_s,
          u"2"_s})
        QVERIFY2(findText(pages, text, 2), qPrintable(text));
    QVERIFY(onOneLine(findText(pages, u"Ukupan broj dnevnica na putu:"_s, 2), findText(pages, u"1"_s, 2)));
    QVERIFY(onOneLine(findText(pages, u"Mjesto putovanja:"_s, 2), findText(pages, u"Split"_s, 2)));
    QVERIFY(findText(pages, u"Obavljeno prema planu."_s, 2));
    QVERIFY(findText(pages, u"Račun za hotel"_s, 2));

    // Printing saves nothing and leaves the book as it was.
    QCOMPARE(fileBytes(p.tmp.dataFolder() + u"100_2013_nalozi.txt"_s), ordersBefore);
    QCOMPARE(fileBytes(p.tmp.dataFolder() + u"100_2013_obracun.txt"_s), settlementsBefore);
    QCOMPARE(p.w().text(u"nl_4"), u"Ana Horvat"_s);
}

// No tables; the report block is empty, nothing of the order printed before it remains.
void PrintoutsTest::orderWithoutRecordsAfterOneWithReport()
{
    test::PrintProgram p;
    QVERIFY(findText(p.printOrder(1), u"Obavljeno prema planu."_s));
    const QList<LaidOutPage> pages = p.printOrder(2);
    QCOMPARE(pages.size(), 2);

    const QList<LaidOutItem> body = textsOf(pages[1], kBody);
    QVERIFY(!body.isEmpty());
    QCOMPARE(body.first().text, u"Izvješće s putovanja:"_s);
    QVERIFY(body.first().font.bold && body.first().font.underline);
    QStringList texts;
    for (const LaidOutItem& item : body)
        texts.append(item.text);
    QCOMPARE(texts,
             (QStringList{u"Izvješće s putovanja:"_s, u"Popis priloga:"_s, u"Sveukupni troškovi"_s, u"0,00"_s,
                          u"Sveukupna akontacija"_s, u"0,00"_s, u"Ostaje za isplatu/povrat"_s, u"0,00"_s}));
    // Empty fields print as empty values.
    QVERIFY(findText(pages, u"Mjesto obračuna: , dana  god."_s, 2));
    QVERIFY(findText(pages, u"0,0"_s, 1));
    QVERIFY(findText(pages, u"0,00"_s, 1));
    QVERIFY(!findText(pages, u"Obavljeno prema planu."_s));
}

void PrintoutsTest::onlyOtherCostsMoveUp()
{
    test::PrintProgram p;
    const QList<LaidOutPage> all = p.printOrder(3);
    const LaidOutItem* first = findText(all, u"Obračun akontacije"_s, 2);
    QVERIFY(first);
    const qreal bodyTop = first->rect.top();

    const QList<LaidOutPage> pages = p.printOrder(1);
    const QList<LaidOutItem> body = textsOf(pages[1], kBody);
    QCOMPARE(body.first().text, u"Obračun ostalih troškova"_s);
    QCOMPARE(body.first().rect.top(), bodyTop);
    for (const QString& other :
         {u"Obračun akontacije"_s, u"Obračun dnevnica"_s, u"Obračun troškova prijevoza"_s})
        QVERIFY(!findText(pages, other));
    QCOMPARE(column(pages, kOrderMargin + 8.5 + 0.6), (QStringList{u"Hotel"_s, u"Parking"_s}));
}

void PrintoutsTest::everyTableNumbersItsRows_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("heads");
    QTest::addColumn<qreal>("knRight"); // right edge of "Iznos (kn)", from the table's left
    QTest::addColumn<QStringList>("kn");
    QTest::addColumn<QString>("totalCaption");
    QTest::addColumn<QString>("total");

    QTest::newRow("advances") << u"Obračun akontacije"_s
                              << QStringList{u"R. br."_s, u"Iznos"_s,      u"Valuta"_s,
                                             u"Tečaj"_s,  u"Iznos (kn)"_s, u"Napomena"_s}
                              << 92.6 << QStringList{u"1.000,00"_s, u"750,00"_s, u"1.250,00"_s}
                              << u"Ukupno akontacije"_s << u"3.000,00"_s;
    QTest::newRow("per diems") << u"Obračun dnevnica"_s
                               << QStringList{u"R. br."_s,     u"Zemlja"_s,  u"Dnevnica"_s, u"Br. dnevn."_s,
                                              u"Umanj. (%)"_s, u"Iznos"_s,   u"Valuta"_s,   u"Tečaj"_s,
                                              u"Iznos (kn)"_s, u"Napomena"_s}
                               << 134.7 << QStringList{u"340,00"_s, u"170,00"_s, u"510,00"_s}
                               << u"Ukupno dnevnice"_s << u"1.020,00"_s;
    QTest::newRow("transport") << u"Obračun troškova prijevoza"_s
                               << QStringList{u"R. br."_s,      u"Ruta"_s,        u"Prijevozno sredstvo"_s,
                                              u"Brojač - od"_s, u"Brojač - do"_s, u"km"_s,
                                              u"Iznos"_s,       u"Valuta"_s,      u"Tečaj"_s,
                                              u"Iznos (kn)"_s,  u"Napomena"_s}
                               << 140.2 << QStringList{u"560,00"_s, u"72,00"_s, u"602,50"_s}
                               << u"Ukupni troškovi prijevoza"_s << u"1.234,50"_s;
    QTest::newRow("other costs") << u"Obračun ostalih troškova"_s
                                 << QStringList{u"R. br."_s, u"Vrsta troška"_s, u"Iznos"_s,   u"Valuta"_s,
                                                u"Tečaj"_s,  u"Iznos (kn)"_s,   u"Napomena"_s}
                                 << 115.6 << QStringList{u"200,00"_s, u"60,00"_s, u"40,00"_s}
                                 << u"Ukupni ostali troškovi"_s << u"300,00"_s;
}

void PrintoutsTest::everyTableNumbersItsRows()
{
    QFETCH(QString, title);
    QFETCH(QStringList, heads);
    QFETCH(qreal, knRight);
    QFETCH(QStringList, kn);
    QFETCH(QString, totalCaption);
    QFETCH(QString, total);
    test::PrintProgram p;
    const QList<LaidOutPage> pages = p.printOrder(3);
    QCOMPARE(pages.size(), 2);
    const LaidOutItem* caption = findText(pages, title, 2);
    QVERIFY(caption);
    const int group = caption->group;

    QStringList printedHeads;
    for (const LaidOutItem& item : textsOf(pages[1], {ReportBandKind::ColumnHeads})) {
        if (item.group == group)
            printedHeads.append(item.text.split(u'\n').join(u' '));
    }
    QCOMPARE(printedHeads.size(), heads.size());
    for (const QString& head : heads)
        QVERIFY2(printedHeads.contains(head), qPrintable(head));

    QCOMPARE(column(pages, kOrderMargin + 0.6, group), (QStringList{u"1."_s, u"2."_s, u"3."_s}));
    QStringList amounts;
    for (const LaidOutItem& item : textsOf(pages[1], {ReportBandKind::Detail})) {
        if (item.group == group && qAbs(item.rect.right() - (kOrderMargin + knRight - 0.6)) < kTolerance)
            amounts.append(item.text);
    }
    QCOMPARE(amounts, kn);

    const LaidOutItem* totalLine = findText(pages, totalCaption, 2);
    QVERIFY(totalLine && totalLine->band == ReportBandKind::GroupSummary && totalLine->group == group);
    bool found = false;
    for (const LaidOutItem& item : textsOf(pages[1], {ReportBandKind::GroupSummary})) {
        if (item.group == group && item.text == total) {
            found =
                onOneLine(totalLine, &item) && qAbs(item.rect.right() - (kOrderMargin + knRight - 0.6)) < 0.1;
            QVERIFY(item.font.bold);
        }
    }
    QVERIFY(found);
}

void PrintoutsTest::settlementLine_data()
{
    QTest::addColumn<double>("costs");
    QTest::addColumn<double>("advance");
    QTest::addColumn<double>("payout");
    QTest::addColumn<double>("refund");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("amount");

    QTest::newRow("to pay out") << 650.40 << 500.0 << 150.40 << 0.0 << u"Ostaje za isplatu"_s << u"150,40"_s;
    QTest::newRow("to return") << 650.40 << 1000.0 << 0.0 << 349.60 << u"Ostaje za povrat"_s << u"349,60"_s;
    QTest::newRow("even") << 650.40 << 650.40 << 0.0 << 0.0 << u"Ostaje za isplatu/povrat"_s << u"0,00"_s;
}

// From the fields as they stand: the shown order need not be saved first.
void PrintoutsTest::settlementLine()
{
    QFETCH(double, costs);
    QFETCH(double, advance);
    QFETCH(double, payout);
    QFETCH(double, refund);
    QFETCH(QString, caption);
    QFETCH(QString, amount);
    test::PrintProgram p;
    p.w().setValue(u"nl_0", 2);
    p.w().setValue(u"nl_23", costs);
    p.w().setValue(u"nl_12", advance);
    p.w().setValue(u"rc_16", payout);
    p.w().setValue(u"rc_17", refund);
    const QList<LaidOutPage> pages = p.printOrder(2);

    const std::pair<QString, QString> lines[] = {
        {u"Sveukupni troškovi"_s, u"650,40"_s},
        {u"Sveukupna akontacija"_s, TextForms::formatAmount(advance)},
        {caption, amount},
    };
    for (const auto& [label, value] : lines) {
        const LaidOutItem* l = findText(pages, label, 2);
        QVERIFY2(l && l->band == ReportBandKind::Summary && l->font.bold, qPrintable(label));
        QCOMPARE(l->rect.left(), kOrderMargin);
        const QList<LaidOutItem> summary = textsOf(pages[1], {ReportBandKind::Summary});
        const auto v = std::find_if(summary.begin(), summary.end(), [&](const LaidOutItem& item) {
            return item.text == value && onOneLine(l, &item);
        });
        QVERIFY2(v != summary.end(), qPrintable(label));
        QVERIFY(qAbs(v->rect.right() - (kOrderMargin + 68)) < 0.5);
    }
}

// A long sheet, long texts and amounts too wide for their columns: further pages with the
// header, footer and column heads repeated, nothing clipped or printed over anything else.
void PrintoutsTest::longContentFlowsOntoPages()
{
    test::PrintProgram p;
    MainWindowModel& w = p.w();
    w.setValue(u"nl_0", 2);
    QStringList tasks;
    for (int i = 1; i <= 60; ++i)
        tasks << u"Zadatak %1: obići gradilište i sastaviti zapisnik o stanju radova"_s.arg(i);
    w.setText(u"nl_9", tasks.join(u"\r\n"_s));
    w.setText(u"nl_18", QString(tasks.join(u' ')));
    GridTable& sheet = w.table(u"sg_tr_ostali");
    sheet.ResetRows(2);
    for (int r = 1; r <= 200; ++r) {
        if (r > 1)
            sheet.AppendRow();
        const QStringList cells = {
            QString::number(r), u"Trošak broj %1 s dužim opisom koji se lomi u dva retka"_s.arg(r),
            u"123.456,78"_s,    u"HRK"_s,
            u"1,000000"_s,      u"123.456,78"_s,
            u"napomena"_s};
        for (int c = 0; c < cells.size(); ++c)
            sheet.setCell(c, r, cells[c]);
    }
    const QList<LaidOutPage> pages = p.printOrder(2);

    // The order itself runs over two pages, the settlement over several more.
    const int settlementStart = pageOf(pages, u"OBRAČUN PUTNIH TROŠKOVA"_s);
    QCOMPARE(settlementStart, 3);
    QVERIFY(pages.size() >= settlementStart + 3);
    QVERIFY(findText(pages, u"M.P."_s, 2));
    QCOMPARE(column(pages, kOrderMargin + 0.6).size(), 200);
    QStringList numbers;
    for (int r = 1; r <= 200; ++r)
        numbers << QString::number(r) + u'.';
    QCOMPARE(column(pages, kOrderMargin + 0.6), numbers);
    const int tableGroup = findText(pages, u"Obračun ostalih troškova"_s)->group;

    for (const LaidOutPage& page : pages) {
        const bool settlement = page.number >= settlementStart;
        QCOMPARE(findText({page}, u"OBRAČUN PUTNIH TROŠKOVA"_s) != nullptr, settlement);
        QCOMPARE(findText({page}, u"(podnositelj računa)"_s) != nullptr, settlement);
        const QList<LaidOutItem> body = textsOf(page, kBody);
        const bool tableGoesOn = std::any_of(body.begin(), body.end(), [&](const LaidOutItem& item) {
            return item.band == ReportBandKind::Detail && item.group == tableGroup;
        });
        if (page.number > settlementStart && tableGoesOn) // its heads again, first under the page header
            QCOMPARE(body.first().band, ReportBandKind::ColumnHeads);
        // No text clipped, none over another.
        const QList<LaidOutItem> texts =
            textsOf(page, {ReportBandKind::PageHeader, ReportBandKind::PageFooter, ReportBandKind::Caption,
                           ReportBandKind::ColumnHeads, ReportBandKind::Detail, ReportBandKind::GroupSummary,
                           ReportBandKind::Summary});
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QVERIFY2(!(texts[i].flags & LaidOutItem::Overflow), qPrintable(texts[i].text));
            QVERIFY(texts[i].rect.bottom() <= 297 - kOrderMargin + kTolerance);
            for (qsizetype j = i + 1; j < texts.size(); ++j)
                QVERIFY2(!texts[i].rect.adjusted(0.05, 0.05, -0.05, -0.05).intersects(texts[j].rect),
                         qPrintable(texts[i].text + u" / "_s + texts[j].text));
        }
    }
    // The first and the last task are printed, on different pages.
    const auto pageWith = [&pages](const QString& text) {
        for (const LaidOutPage& page : pages) {
            for (const LaidOutItem& item : page.items) {
                if (item.band == ReportBandKind::Detail && item.text.contains(text))
                    return page.number;
            }
        }
        return 0;
    };
    QCOMPARE(pageWith(tasks.first()), 1);
    QCOMPARE(pageWith(tasks.last()), 2);
}

void PrintoutsTest::longSubjectName_data()
{
    QTest::addColumn<QString>("name");

    constexpr qsizetype size = 250'000;
    QString words;
    for (int i = 1; words.size() < size; ++i)
        words += u"Društvo%1 "_s.arg(i);
    words.truncate(size);
    while (words.endsWith(u' '))
        words.chop(1);
    QString word = words;
    word.remove(u' ');

    QTest::newRow("words") << words;
    QTest::newRow("one word") << word;
}

// A quarter of a megabyte of subject name once took over a minute to print; the letterhead
// and the line of who pays now run over as many pages as they need, in a few seconds at most.
void PrintoutsTest::longSubjectName()
{
    QFETCH(QString, name);
    test::PrintProgram p(true, name);
    const QString pdf = p.tmp.root() + u"nalog.pdf"_s;

    QElapsedTimer timer;
    timer.start();
    const QList<LaidOutPage> pages = p.printOrder(1);
    ReportPainter::writePdf(pdf, pages, p.tmp.dialogs.previews.last().title);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < test::timeLimitMs(5000), qPrintable(u"%1 ms"_s.arg(elapsed)));
    QVERIFY(fileBytes(pdf).startsWith("%PDF"));

    // The name in the letterhead (16 pt bold) and in the line of who pays (11 pt at the left),
    // each line within its box.
    TextMeasurer measurer;
    QStringList letterhead;
    qsizetype letterheadLines = 0;
    LaidOutItem letterheadBox;
    QStringList charged;
    qreal height = 0; // of both
    qreal lineHeight = 0;
    int orderPages = 0;
    for (const LaidOutPage& page : pages) {
        if (page.section > 0)
            continue;
        orderPages = page.number;
        for (const LaidOutItem& item : textsOf(page, {ReportBandKind::Detail})) {
            QVERIFY(item.rect.bottom() <= 297 - kOrderMargin + kTolerance);
            if (item.font.pointSize == 16 && item.font.bold) {
                letterhead.append(item.text);
                letterheadLines += item.lines().size();
                letterheadBox = item;
            } else if (item.font.pointSize == 11 && qAbs(item.rect.left() - kOrderMargin) < kTolerance &&
                       item.text != u"M.P." && !item.text.startsWith(u"Mjesto izrade")) {
                charged.append(item.text);
            } else {
                continue;
            }
            height += item.lines().size() * item.lineHeight;
            lineHeight = std::max(lineHeight, item.lineHeight);
            for (const QString& line : item.lines())
                QVERIFY2(measurer.width(item.font, line) <= item.rect.width() + kTolerance, qPrintable(line));
        }
    }
    // No page left half empty: a break wastes less than a line, the other fields take a page.
    const qreal page = 297 - 2 * kOrderMargin;
    QVERIFY2(orderPages >= height / page && orderPages <= height / (page - lineHeight) + 2,
             qPrintable(u"%1 pages for %2 mm"_s.arg(orderPages).arg(height)));
    const auto bare = [](QString text) { return text.remove(u'\n').remove(u' '); };
    QCOMPARE(bare(letterhead.join(u'\n')), bare(name));
    if (name.contains(u' '))
        QCOMPARE(letterhead.join(u'\n').replace(u'\n', u' '), name);
    QVERIFY(charged.constFirst().startsWith(u"Troškovi ovoga putovanja idu na teret društva/ustanove"_s));
    QCOMPARE(bare(charged.join(u'\n')),
             bare(u"Troškovi ovoga putovanja idu na teret društva/ustanove "_s + name));
    // As many lines as the name's width asks for; it once went on one line, wider than Qt can add up.
    const QString sample = name.left(1000);
    QVERIFY(letterheadLines >= measurer.width(letterheadBox.font, sample) * (name.size() / sample.size()) /
                                   letterheadBox.rect.width());
    QCOMPARE(pageOf(pages, u"M.P."_s), orderPages);
    QCOMPARE(pageOf(pages, u"OBRAČUN PUTNIH TROŠKOVA"_s), orderPages + 1);
}

// --- order reports ---

void PrintoutsTest::reportKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QStringList>("orders");
    QTest::addColumn<QString>("title");

    QTest::newRow("1 yearly") << 1 << QString() << QString()
                              << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s}
                              << u"Popis putnih naloga za 2013. godinu"_s;
    // The name is compared exactly: not "ana horvat", not "Ana Horvat ".
    QTest::newRow("2 yearly, one person")
        << 2 << QString() << u"Ana Horvat"_s << QStringList{u"1"_s, u"3"_s, u"6"_s}
        << u"Popis putnih naloga za 2013. godinu (djelatnik: Ana Horvat)"_s;
    // An order without departure date is in no month.
    QTest::newRow("3 monthly") << 3 << u"03"_s << QString() << QStringList{u"1"_s, u"3"_s, u"4"_s, u"5"_s}
                               << u"Popis putnih naloga za 3. mjesec 2013. godine"_s;
    QTest::newRow("3 monthly, October") << 3 << u"10"_s << QString() << QStringList{u"7"_s}
                                        << u"Popis putnih naloga za 10. mjesec 2013. godine"_s;
    QTest::newRow("4 monthly, one person")
        << 4 << u"03"_s << u"Ana Horvat"_s << QStringList{u"1"_s, u"3"_s}
        << u"Popis putnih naloga za 3. mjesec 2013. godine (djelatnik: Ana Horvat)"_s;
}

void PrintoutsTest::reportKinds()
{
    QFETCH(int, kind);
    QFETCH(QString, month);
    QFETCH(QString, person);
    QFETCH(QStringList, orders);
    QFETCH(QString, title);
    test::PrintProgram p;
    MainWindowModel& w = p.w();
    w.click(QString(u"rg_izvjestaji_"_s + QString::number(kind - 1)));
    if (!month.isEmpty())
        w.choose(u"cb_izv_mjeseci", month);
    w.setText(u"ed_izv_putnik", person);
    w.click(u"bt_izvjestaji");
    QVERIFY(p.tmp.dialogs.messages.isEmpty());
    QStringList built = w.table(u"sg_izvjestaji").ColumnTexts(0);
    QCOMPARE(built.takeFirst(), u"Broj naloga"_s);
    QCOMPARE(built, orders);

    const QList<LaidOutPage> pages = p.printList();
    QCOMPARE(p.tmp.dialogs.previews.last().title, title);
    const LaidOutItem* printedTitle = findText(pages, title, 1);
    QVERIFY(printedTitle && printedTitle->band == ReportBandKind::Title && printedTitle->font.bold);
    QCOMPARE(column(pages, kListMargin + 4.5 + 0.3), orders);
}

// Kind 1: the columns from both rows of each order, the totals, and the printed list.
void PrintoutsTest::reportTableAndPrintedList()
{
    test::PrintProgram p;
    MainWindowModel& w = p.w();
    QCOMPARE(w.get<RadioGroup>(u"rg_izvjestaji").index(), 0);
    QVERIFY(!w.isEnabled(u"ed_izv_putnik") && !w.isEnabled(u"cb_putnici_2") &&
            !w.isEnabled(u"cb_izv_mjeseci"));
    w.click(u"bt_izvjestaji");
    const GridTable& table = w.table(u"sg_izvjestaji");
    QCOMPARE(table.rowTexts(0),
             (QStringList{u"Broj naloga"_s, u"Osoba"_s, u"Datum odlaska"_s, u"Datum povratka"_s,
                          u"Mjesto odlaska"_s, u"Dnevnice"_s, u"Trošak prijevoza"_s, u"Ostali troškovi"_s,
                          u"Ukupni troškovi"_s}));
    QCOMPARE(table.rowTexts(1), (QStringList{u"1"_s, u"Ana Horvat"_s, u"12.03.2013"_s, u"13.03.2013"_s,
                                             u"Split"_s, QString(), QString(), u"650,40"_s, u"650,40"_s}));
    QCOMPARE(table.rowTexts(3).mid(5),
             (QStringList{u"1.020,00"_s, u"1.234,50"_s, u"300,00"_s, u"2.554,50"_s}));
    QCOMPARE(w.text(u"ce_ukp_dnv"), u"1.020,00"_s);
    QCOMPARE(w.text(u"ce_ukp_prj"), u"1.314,50"_s); // order 7 adds 80,00; empty cells add nothing
    QCOMPARE(w.text(u"ce_ukp_ost"), u"950,40"_s);
    QCOMPARE(w.text(u"ce_ukp_svk"), u"3.204,90"_s);

    const QList<LaidOutPage> pages = p.printList();
    QCOMPARE(pages.size(), 1);
    const LaidOutPage& page = pages.first();
    // The letterhead centred over the table, the same lines as on the travel order.
    for (const QString& line :
         {u"Primjer d.o.o."_s, u"Ilica 1; 10000 Zagreb"_s, u"tel.: 01 2345 678; fax: "_s,
          u"Internet: www.primjer.hr"_s, u"OIB: 12345678901"_s}) {
        const LaidOutItem* item = findText(pages, line);
        QVERIFY2(item && (item->alignment & Qt::AlignHCenter), qPrintable(line));
        QCOMPARE(item->rect.left(), kListMargin + 4.5);
        QCOMPARE(item->rect.width(), 189.2);
    }
    // Printed titles over the columns, in every page's header.
    const std::pair<QString, qreal> heads[] = {
        {u"Broj naloga"_s, 4.5},          {u"Naziv djelatnika"_s, 19.8},  {u"Datum odlaska"_s, 69.9},
        {u"Datum povratka"_s, 87.0},      {u"Mjesto putovanja"_s, 105.3}, {u"Trošak za dnevnice"_s, 124.1},
        {u"Trošak za prijevoz"_s, 141.8}, {u"Ostali trošak"_s, 159.5},    {u"Ukupni trošak"_s, 177.8},
    };
    for (const auto& [head, left] : heads) {
        const auto found = std::find_if(page.items.begin(), page.items.end(), [&](const LaidOutItem& item) {
            return item.band == ReportBandKind::PageHeader && item.text.split(u'\n').join(u' ') == head;
        });
        QVERIFY2(found != page.items.end(), qPrintable(head));
        QCOMPARE(found->rect.left(), kListMargin + left + 0.3);
    }
    QCOMPARE(column(pages, kListMargin + 19.8 + 0.3).first(), u"Ana Horvat"_s);
    QCOMPARE(column(pages, kListMargin + 105.3 + 0.3).last(), u"Beč, Austrija"_s);
    const QList<qreal> rules = {19.1, 69.6, 86.8, 104.5, 123.8, 141.3, 159.0, 177.0};
    for (const qreal x : rules) {
        QVERIFY(std::any_of(page.items.begin(), page.items.end(), [&](const LaidOutItem& item) {
            return item.kind == ReportItemKind::Line && item.band == ReportBandKind::Detail &&
                   qAbs(item.rect.left() - (kListMargin + x)) < kTolerance && item.rect.height() > 0;
        }));
    }
    // The summary with the totals as the fields show them, the footer with date and n/m.
    const std::pair<QString, QString> totals[] = {{u"Ukupni trošak za dnevnice:"_s, u"1.020,00"_s},
                                                  {u"Ukupni trošak za prijevoz:"_s, u"1.314,50"_s},
                                                  {u"Ukupni ostali troškovi:"_s, u"950,40"_s},
                                                  {u"Sveukupni troškovi:"_s, u"3.204,90"_s}};
    for (const auto& [label, amount] : totals) {
        const LaidOutItem* l = findText(pages, label);
        QVERIFY2(l && l->band == ReportBandKind::Summary, qPrintable(label));
        const QList<LaidOutItem> summary = textsOf(page, {ReportBandKind::Summary});
        QVERIFY2(std::any_of(summary.begin(), summary.end(),
                             [&](const LaidOutItem& item) {
                                 return item.text == amount && onOneLine(l, &item) &&
                                        qAbs(item.rect.right() - (kListMargin + 54.5 + 24.6)) < kTolerance;
                             }),
                 qPrintable(label));
    }
    const QList<LaidOutItem> footer = textsOf(page, {ReportBandKind::PageFooter});
    QCOMPARE(footer.size(), 2);
    QCOMPARE(footer[0].text, u"14.05.2013"_s);
    QCOMPARE(footer[1].text, u"1/1"_s);
}

void PrintoutsTest::checksRefuse_data()
{
    QTest::addColumn<bool>("withSubject");
    QTest::addColumn<bool>("openBook");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("month"); // typed into the month list
    QTest::addColumn<QString>("message");

    QTest::newRow("no subject") << false << false << 1 << QString()
                                << u"Nije odabran subjekt (društvo) i nisu otvoreni nalozi."_s;
    QTest::newRow("no book open") << true << false << 1 << QString() << u"Nisu otvoreni nalozi."_s;
    QTest::newRow("no person") << true << true << 4 << u"03"_s << u"Nije upisano ime osobe."_s;
    QTest::newRow("no month") << true << true << 3 << QString() << u"Nije odabran mjesec."_s;
    QTest::newRow("typed month is no item") << true << true << 3 << u"3"_s << u"Nije odabran mjesec."_s;
}

// Both buttons check; "Napravi" then computes the totals over the table as it is.
void PrintoutsTest::checksRefuse()
{
    QFETCH(bool, withSubject);
    QFETCH(bool, openBook);
    QFETCH(int, kind);
    QFETCH(QString, month);
    QFETCH(QString, message);
    test::PrintProgram p(openBook);
    MainWindowModel& w = p.w();
    if (!withSubject)
        w.setText(u"ed_sb_naziv", QString());
    w.click(QString(u"rg_izvjestaji_"_s + QString::number(kind - 1)));
    w.setText(u"cb_izv_mjeseci", month);
    w.table(u"sg_izvjestaji").setCell(5, 1, u"12,50"_s);

    w.click(u"bt_izvjestaji");
    QCOMPARE(p.tmp.dialogs.messages, QStringList{message});
    QCOMPARE(w.text(u"ce_ukp_dnv"), u"12,50"_s);
    QVERIFY(p.printList().isEmpty());
    QCOMPARE(p.tmp.dialogs.messages, (QStringList{message, message}));
}

void PrintoutsTest::noMatchingOrder()
{
    test::PrintProgram p;
    MainWindowModel& w = p.w();
    w.click(u"bt_izvjestaji");
    QCOMPARE(w.text(u"ce_ukp_svk"), u"3.204,90"_s);
    QVERIFY(!p.printList().isEmpty());

    // Choosing a kind empties the table and sets its inputs.
    w.click(u"rg_izvjestaji_2");
    QCOMPARE(w.table(u"sg_izvjestaji").rowCount(), 2);
    QCOMPARE(w.table(u"sg_izvjestaji").cell(0, 1), QString());
    QVERIFY(!w.isEnabled(u"ed_izv_putnik") && !w.isEnabled(u"cb_putnici_2") &&
            w.isEnabled(u"cb_izv_mjeseci"));
    QCOMPARE(w.text(u"cb_izv_mjeseci"), u"01"_s);
    QVERIFY(p.printList().isEmpty());
    const QString refusal = u"Nije kreirana tablica s podacima za izvještaj (gumb \"Napravi\")."_s;
    QCOMPARE(p.tmp.dialogs.messages, QStringList{refusal});

    // No order of this person: only the titles and one empty row, totals of nothing.
    w.click(u"rg_izvjestaji_1");
    QVERIFY(w.isEnabled(u"ed_izv_putnik") && w.isEnabled(u"cb_putnici_2") && !w.isEnabled(u"cb_izv_mjeseci"));
    QCOMPARE(w.text(u"cb_izv_mjeseci"), QString());
    w.setText(u"ed_izv_putnik", u"Nitko Nikić"_s);
    w.click(u"bt_izvjestaji");
    QCOMPARE(w.table(u"sg_izvjestaji").rowCount(), 2);
    QCOMPARE(w.table(u"sg_izvjestaji").cell(0, 0), u"Broj naloga"_s);
    QCOMPARE(w.table(u"sg_izvjestaji").cell(0, 1), QString());
    QCOMPARE(w.text(u"ce_ukp_dnv"), u"0,00"_s);
    QCOMPARE(w.text(u"ce_ukp_svk"), u"0,00"_s);
    QVERIFY(p.printList().isEmpty());
    QCOMPARE(p.tmp.dialogs.messages, (QStringList{refusal, refusal}));

    w.click(u"rg_izvjestaji_0");
    QCOMPARE(w.text(u"ed_izv_putnik"), QString());
    QVERIFY(!w.isEnabled(u"ed_izv_putnik"));
}

// --- the command line, through the program's models ---

void PrintoutsTest::printCommand_data()
{
    QTest::addColumn<int>("what");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("pdf");     // below the data root; "-" none
    QTest::addColumn<QString>("message"); // empty: written

    const int order = PrintRequest::Order;
    const int list = PrintRequest::OrderList;
    QTest::newRow("order") << order << QStringList{u"100"_s, u"2013"_s, u"3"_s} << QString() << QString()
                           << u"nalog.pdf"_s << QString();
    QTest::newRow("report") << list << QStringList{u"100"_s, u"2013"_s, u"4"_s} << u"3"_s << u"Ana Horvat"_s
                            << u"popis.pdf"_s << QString();
    QTest::newRow("unknown subject") << order << QStringList{u"101"_s, u"2013"_s, u"1"_s} << QString()
                                     << QString() << u"x.pdf"_s << u"Subjekt 101 ne postoji."_s;
    QTest::newRow("no book of the year")
        << order << QStringList{u"100"_s, u"2014"_s, u"1"_s} << QString() << QString() << u"x.pdf"_s
        << u"Subjekt 100 nema knjigu naloga za 2014. godinu."_s;
    QTest::newRow("year out of range") << list << QStringList{u"100"_s, u"13"_s, u"1"_s} << QString()
                                       << QString() << u"x.pdf"_s << u"Godina 13 nije ispravna."_s;
    QTest::newRow("number beyond the book")
        << order << QStringList{u"100"_s, u"2013"_s, u"9"_s} << QString() << QString() << u"x.pdf"_s
        << u"Nalog broj 9 ne postoji u knjizi naloga za 2013. godinu."_s;
    QTest::newRow("number no number")
        << order << QStringList{u"100"_s, u"2013"_s, u"prvi"_s} << QString() << QString() << u"x.pdf"_s
        << u"Nalog broj prvi ne postoji u knjizi naloga za 2013. godinu."_s;
    QTest::newRow("unknown kind") << list << QStringList{u"100"_s, u"2013"_s, u"5"_s} << QString()
                                  << QString() << u"x.pdf"_s
                                  << u"Vrsta izvještaja mora biti 1, 2, 3 ili 4."_s;
    QTest::newRow("month 13") << list << QStringList{u"100"_s, u"2013"_s, u"3"_s} << u"13"_s << QString()
                              << u"x.pdf"_s << u"Mjesec mora biti od 01 do 12."_s;
    QTest::newRow("monthly without month") << list << QStringList{u"100"_s, u"2013"_s, u"3"_s} << QString()
                                           << QString() << u"x.pdf"_s << u"Nije odabran mjesec."_s;
    QTest::newRow("month for a yearly report")
        << list << QStringList{u"100"_s, u"2013"_s, u"1"_s} << u"03"_s << QString() << u"x.pdf"_s
        << u"Uz vrstu izvještaja 1 ne zadaje se mjesec."_s;
    QTest::newRow("no order matches")
        << list << QStringList{u"100"_s, u"2013"_s, u"2"_s} << QString() << u"Nitko"_s << u"x.pdf"_s
        << u"Nijedan nalog ne odgovara zadanom izvještaju."_s;
    QTest::newRow("missing argument")
        << order << QStringList{u"100"_s, u"2013"_s} << QString() << QString() << u"x.pdf"_s
        << u"Upotreba: selvana --data-dir MAPA --print-order SUBJEKT GODINA BROJ "
           u"--pdf DATOTEKA"_s;
    QTest::newRow("no pdf") << order << QStringList{u"100"_s, u"2013"_s, u"1"_s} << QString() << QString()
                            << u"-"_s << u"Nije zadana PDF datoteka (--pdf DATOTEKA)."_s;
    QTest::newRow("unwritable pdf") << order << QStringList{u"100"_s, u"2013"_s, u"1"_s} << QString()
                                    << QString() << u"nema/mape/x.pdf"_s
                                    << u"Ne mogu spremiti PDF datoteku "_s;
}

void PrintoutsTest::printCommand()
{
    QFETCH(int, what);
    QFETCH(QStringList, arguments);
    QFETCH(QString, month);
    QFETCH(QString, person);
    QFETCH(QString, pdf);
    QFETCH(QString, message);
    test::TempDataFolder tmp;
    tmp.write(u"KVA_PUT/.keep"_s, {});
    test::writeSampleData(tmp.dataFolder());
    const QByteArray orders = fileBytes(tmp.dataFolder() + u"100_2013_nalozi.txt"_s);
    Application app(tmp.environment());
    PrintRequest request;
    request.what = PrintRequest::What(what);
    request.arguments = arguments;
    request.month = month;
    request.person = person;
    request.pdf = pdf == u"-" ? QString() : tmp.root() + pdf;

    const int status = runPrintCommand(app, request);
    if (message.isEmpty()) {
        QCOMPARE(tmp.dialogs.messages, QStringList());
        QCOMPARE(status, 0);
        QVERIFY(fileBytes(request.pdf).startsWith("%PDF"));
    } else {
        QCOMPARE(tmp.dialogs.messages.size(), 1);
        QVERIFY2(tmp.dialogs.messages.first().startsWith(message), qPrintable(tmp.dialogs.messages.first()));
        QCOMPARE(status, 1);
        QVERIFY(request.pdf.isEmpty() || !QFile::exists(request.pdf));
    }
    QCOMPARE(fileBytes(tmp.dataFolder() + u"100_2013_nalozi.txt"_s), orders);
}

QTEST_MAIN(PrintoutsTest)
#include "tst_printouts.moc"
