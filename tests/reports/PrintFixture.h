#pragma once

#include "TempDataFolder.h"
#include "app/Application.h"
#include "expenses/ExpenseKind.h"
#include "reports/LaidOutPage.h"

#include <QList>
#include <QStringList>

#include <memory>

namespace selvana::test {

// One order as the book stores it: its row of sg_nalozi and its row of sg_obracun.
struct StoredOrder {
    StoredOrder(int number, const QString& name, const QString& departure, const QString& place);
    StoredOrder& order(int column, const QString& text);
    StoredOrder& settlement(int column, const QString& text);
    // Records of one expense sheet, without their running numbers, packed into their column.
    StoredOrder& sheet(ExpenseKind kind, const QList<QStringList>& records);

    QStringList orderRow;
    QStringList settlementRow;
};

// Subject 100 (without a fax number) and its book of 2013:
//  1 Ana Horvat   12.03.2013  only other costs (650,40), advance 500, report and attachments
//  2 Marko Kovač  05.04.2013  nothing but the names
//  3 Ana Horvat   20.03.2013  three records in each of the four sheets
//  4 ana horvat   15.03.2013  5 "Ana Horvat " 16.03.2013  6 Ana Horvat, no departure date
//  7 Marko Kovač  02.10.2013
QList<StoredOrder> sampleBook();
inline const QString kSubjectName = QStringLiteral("Primjer d.o.o.");
void writeSampleData(const QString& dataFolder, const QList<StoredOrder>& book = sampleBook(),
                     const QString& subjectName = kSubjectName);

// A started program on the sample data, subject 100 chosen and its book of 2013 open.
class PrintProgram {
public:
    explicit PrintProgram(bool openBook = true, const QString& subjectName = kSubjectName);

    MainWindowModel& w() { return app->main(); }
    // The pages "&Ispis" sends to the preview.
    QList<LaidOutPage> printOrder(int number);
    QList<LaidOutPage> printList();

    TempDataFolder tmp;
    std::unique_ptr<Application> app;
};

// A text item of the pages (all pages, or one), or null.
const LaidOutItem* findText(const QList<LaidOutPage>& pages, const QString& text, int page = -1);
int pageOf(const QList<LaidOutPage>& pages, const QString& text);

} // namespace selvana::test
