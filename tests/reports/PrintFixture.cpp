#include "PrintFixture.h"

#include "storage/GridTable.h"
#include "storage/PackedTable.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace selvana::test {

StoredOrder::StoredOrder(int number, const QString& name, const QString& departure, const QString& place)
    : orderRow(19), settlementRow(21)
{
    const QString n = QString::number(number);
    orderRow[0] = n;
    orderRow[1] = u"2013"_s;
    orderRow[2] = u"Zagreb"_s;
    orderRow[3] = u"11.03.2013"_s;
    orderRow[4] = name;
    orderRow[7] = departure;
    orderRow[8] = place;
    settlementRow[0] = n;
    settlementRow[1] = name;
    settlementRow[3] = departure;
}

StoredOrder& StoredOrder::order(int column, const QString& text)
{
    orderRow[column] = text;
    return *this;
}

StoredOrder& StoredOrder::settlement(int column, const QString& text)
{
    settlementRow[column] = text;
    return *this;
}

StoredOrder& StoredOrder::sheet(ExpenseKind kind, const QList<QStringList>& records)
{
    const ExpenseKindSpec& k = expenseKindSpec(kind);
    GridTable table(k.columnCount(), int(records.size()) + 1, 1, 1);
    for (int r = 0; r < records.size(); ++r) {
        table.setCell(0, r + 1, QString::number(r + 1));
        for (int c = 1; c < k.columnCount(); ++c)
            table.setCell(c, r + 1, records[r].value(c - 1));
    }
    settlementRow[k.settlementColumn] = PackTable(table);
    return *this;
}

QList<StoredOrder> sampleBook()
{
    StoredOrder first(1, u"Ana Horvat"_s, u"12.03.2013"_s, u"Split"_s);
    first.order(5, u"dipl. oec."_s)
        .order(6, u"ekonomist"_s)
        .order(9, u"Sastanak s dobavljačem\\\\Obilazak gradilišta"_s)
        .order(10, u"2"_s)
        .order(12, u"500"_s)
        .order(13, u"petstotinakuna"_s)
        .order(14, u"osobni auto"_s)
        .order(15, u"vlak"_s)
        .order(16, u"8"_s)
        .order(17, u"Račun za hotel"_s)
        .order(18, u"Obavljeno prema planu."_s)
        .settlement(4, u"13.03.2013"_s)
        .settlement(5, u"08:00"_s)
        .settlement(6, u"10:30"_s)
        .settlement(8, u"1,00"_s)
        .sheet(ExpenseKind::Ostali,
               {{u"Hotel"_s, u"500,00"_s, u"HRK"_s, u"1,000000"_s, u"500,00"_s, QString()},
                {u"Parking"_s, u"150,40"_s, u"HRK"_s, u"1,000000"_s, u"150,40"_s, u"Centar"_s}})
        .settlement(14, u"650,40"_s)
        .settlement(15, u"650,40"_s)
        .settlement(16, u"150,40"_s)
        .settlement(18, u"24.01.2013."_s)
        .settlement(19, u"Zagreb"_s)
        .settlement(20, u"26,5"_s);

    StoredOrder third(3, u"Ana Horvat"_s, u"20.03.2013"_s, u"Osijek"_s);
    third.order(12, u"3000"_s)
        .sheet(ExpenseKind::Akontacija,
               {{u"1.000,00"_s, u"HRK"_s, u"1,000000"_s, u"1.000,00"_s, u"blagajna"_s},
                {u"100,00"_s, u"EUR"_s, u"7,500000"_s, u"750,00"_s, QString()},
                {u"1.250,00"_s, u"HRK"_s, u"1,000000"_s, u"1.250,00"_s, QString()}})
        .sheet(ExpenseKind::Dnevnice, {{u"Hrvatska"_s, u"170,00"_s, u"2,00"_s, u"0,00"_s, u"340,00"_s,
                                        u"HRK"_s, u"1,000000"_s, u"340,00"_s, QString()},
                                       {u"Hrvatska"_s, u"170,00"_s, u"1,00"_s, u"0,00"_s, u"170,00"_s,
                                        u"HRK"_s, u"1,000000"_s, u"170,00"_s, QString()},
                                       {u"Hrvatska"_s, u"170,00"_s, u"3,00"_s, u"0,00"_s, u"510,00"_s,
                                        u"HRK"_s, u"1,000000"_s, u"510,00"_s, u"vikend"_s}})
        .sheet(ExpenseKind::Prijevoz,
               {{u"Zagreb-Osijek"_s, u"osobni auto"_s, u"12.000"_s, u"12.280"_s, u"280,00"_s, u"560,00"_s,
                 u"HRK"_s, u"1,000000"_s, u"560,00"_s, QString()},
                {u"Osijek-Vukovar"_s, u"osobni auto"_s, u"12.280"_s, u"12.316"_s, u"36,00"_s, u"72,00"_s,
                 u"HRK"_s, u"1,000000"_s, u"72,00"_s, QString()},
                {u"Osijek-Zagreb"_s, u"osobni auto"_s, u"12.316"_s, u"12.616"_s, u"300,00"_s, u"602,50"_s,
                 u"HRK"_s, u"1,000000"_s, u"602,50"_s, u"cestarina"_s}})
        .sheet(ExpenseKind::Ostali,
               {{u"Hotel"_s, u"200,00"_s, u"HRK"_s, u"1,000000"_s, u"200,00"_s, QString()},
                {u"Parking"_s, u"60,00"_s, u"HRK"_s, u"1,000000"_s, u"60,00"_s, QString()},
                {u"Trajekt"_s, u"40,00"_s, u"HRK"_s, u"1,000000"_s, u"40,00"_s, QString()}})
        .settlement(10, u"1.020,00"_s)
        .settlement(12, u"1.234,50"_s)
        .settlement(14, u"300,00"_s)
        .settlement(15, u"2.554,50"_s)
        .settlement(17, u"445,50"_s);

    return {first,
            StoredOrder(2, u"Marko Kovač"_s, u"05.04.2013"_s, u"Rijeka"_s),
            third,
            StoredOrder(4, u"ana horvat"_s, u"15.03.2013"_s, u"Pula"_s),
            StoredOrder(5, u"Ana Horvat "_s, u"16.03.2013"_s, u"Zadar"_s),
            StoredOrder(6, u"Ana Horvat"_s, QString(), u"Karlovac"_s),
            StoredOrder(7, u"Marko Kovač"_s, u"02.10.2013"_s, u"Beč, Austrija"_s).settlement(12, u"80,00"_s)};
}

void writeSampleData(const QString& dataFolder, const QList<StoredOrder>& book, const QString& subjectName)
{
    GridTable subjects(9, 1);
    const QStringList subject = {u"100"_s,         subjectName,      u"Ilica 1"_s,
                                 u"Zagreb"_s,      u"12345678901"_s, u"10000"_s,
                                 u"01 2345 678"_s, QString(),        u"www.primjer.hr"_s};
    for (int c = 0; c < subject.size(); ++c)
        subjects.setCell(c, 0, subject[c]);
    GridTable orders(19, int(book.size()));
    GridTable settlements(21, int(book.size()));
    for (int r = 0; r < book.size(); ++r) {
        for (int c = 0; c < 19; ++c)
            orders.setCell(c, r, book[r].orderRow[c]);
        for (int c = 0; c < 21; ++c)
            settlements.setCell(c, r, book[r].settlementRow[c]);
    }
    subjects.SaveToTableFile(dataFolder + u"subjekti.txt"_s);
    orders.SaveToTableFile(dataFolder + u"100_2013_nalozi.txt"_s);
    settlements.SaveToTableFile(dataFolder + u"100_2013_obracun.txt"_s);
}

PrintProgram::PrintProgram(bool openBook, const QString& subjectName)
{
    tmp.write(u"KVA_PUT/.keep"_s, {});
    writeSampleData(tmp.dataFolder(), sampleBook(), subjectName);
    app = std::make_unique<Application>(tmp.environment());
    app->start();
    w().choose(u"cb_subjekti", subjectName);
    w().setValue(u"nl_1", 2013);
    if (openBook)
        w().click(u"bt_otv_knj_nlg");
}

QList<LaidOutPage> PrintProgram::printOrder(int number)
{
    w().setValue(u"nl_0", number);
    const qsizetype before = tmp.dialogs.previews.size();
    w().click(u"bg_nalozi_1fcShapeBtn4");
    if (tmp.dialogs.previews.size() != before + 1)
        return {};
    return tmp.dialogs.previews.last().pages;
}

QList<LaidOutPage> PrintProgram::printList()
{
    const qsizetype before = tmp.dialogs.previews.size();
    w().click(u"fcShapeBtn28");
    return tmp.dialogs.previews.size() == before + 1 ? tmp.dialogs.previews.last().pages
                                                     : QList<LaidOutPage>();
}

const LaidOutItem* findText(const QList<LaidOutPage>& pages, const QString& text, int page)
{
    for (const LaidOutPage& p : pages) {
        if (page >= 0 && p.number != page)
            continue;
        for (const LaidOutItem& item : p.items) {
            if (item.kind == ReportItemKind::Text && item.text == text)
                return &item;
        }
    }
    return nullptr;
}

int pageOf(const QList<LaidOutPage>& pages, const QString& text)
{
    for (const LaidOutPage& p : pages) {
        if (findText({p}, text))
            return p.number;
    }
    return 0;
}

} // namespace selvana::test
