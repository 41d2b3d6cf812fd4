#include "TempDataFolder.h"
#include "TestInput.h"
#include "app/Application.h"
#include "storage/GridTable.h"
#include "ui/main/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace selvana;
using namespace Qt::StringLiterals;

namespace {

using test::child;

} // namespace

class SubjectsUiTest : public QObject {
    Q_OBJECT
private slots:
    void addAndSaveInTheWindow();
    void firstOrderInTheWindow();
};

void SubjectsUiTest::addAndSaveInTheWindow()
{
    test::TempDataFolder tmp;
    Application app(tmp.environment());
    MainWindow window(app);
    QVERIFY(app.start());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(child<QPushButton>(window, u"bg_jahaci_0"_s), Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>(window, u"pc_selvana"_s)->currentWidget()->objectName(), u"ts_subjekti"_s);
    auto* panel = child<QWidget>(window, u"pn_subjekti_polja"_s);
    if (!panel->isVisible())
        QTest::mouseClick(child<QCheckBox>(window, u"cb_subjekti_panel_polja"_s), Qt::LeftButton);
    QVERIFY(panel->isVisible());

    auto* name = child<QLineEdit>(window, u"ed_sb_naziv"_s);
    name->setFocus();
    test::typeText(name, u"Čistoća d.o.o."_s);
    auto* oib = child<QLineEdit>(window, u"ed_sb_oib"_s);
    oib->setFocus();
    test::typeText(oib, u"123456789012"_s);
    QCOMPARE(oib->text(), u"12345678901"_s);

    QTest::mouseClick(child<QPushButton>(window, u"fcShapeBtn24"_s), Qt::LeftButton);
    auto* subjects = child<QComboBox>(window, u"cb_subjekti"_s);
    QCOMPARE(subjects->currentText(), u"Čistoća d.o.o."_s);
    QCOMPARE(window.windowTitle(), u"Rovar irorov <Čistoća d.o.o.>"_s);

    name->setFocus();
    name->selectAll();
    test::typeText(name, u"Čistoća Zadar d.o.o."_s);
    QTest::mouseClick(child<QPushButton>(window, u"fcShapeBtn26"_s), Qt::LeftButton);
    QVERIFY(tmp.dialogs.messages.isEmpty());

    GridTable stored(9, 1);
    stored.LoadFromTableFile(tmp.dataFolder() + u"subjekti.txt"_s);
    QCOMPARE(stored.rowCount(), 1);
    QCOMPARE(stored.cell(0, 0), u"100"_s);
    QCOMPARE(stored.cell(1, 0), u"Čistoća Zadar d.o.o."_s);
    QCOMPARE(stored.cell(4, 0), u"12345678901"_s);
    QCOMPARE(subjects->count(), 1);
    QCOMPARE(subjects->currentText(), u"Čistoća Zadar d.o.o."_s);
}

void SubjectsUiTest::firstOrderInTheWindow()
{
    test::TempDataFolder tmp;
    tmp.clock.set(QDateTime(QDate(2013, 3, 1), QTime(9, 0)));
    Application app(tmp.environment());
    MainWindow window(app);
    QVERIFY(app.start());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* name = child<QLineEdit>(window, u"ed_sb_naziv"_s);
    name->setFocus();
    test::typeText(name, u"Primjer d.o.o."_s);
    QTest::mouseClick(child<QPushButton>(window, u"fcShapeBtn24"_s), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(window, u"bt_otv_knj_nlg"_s), Qt::LeftButton);
    auto* orderButton = child<QPushButton>(window, u"bg_jahaci_1"_s);
    QVERIFY(orderButton->isEnabled());
    QTest::mouseClick(orderButton, Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>(window, u"pc_selvana"_s)->currentWidget()->objectName(), u"ts_nalog"_s);
    QVERIFY(child<QWidget>(window, u"pn_ukupno"_s)->isVisible());

    QTest::mouseClick(child<QPushButton>(window, u"bt_nalog_dodaj_prazan"_s), Qt::LeftButton);
    auto* traveller = child<QLineEdit>(window, u"nl_4"_s);
    traveller->setFocus();
    test::typeText(traveller, u"Šime Đurić"_s);
    QTest::mouseClick(child<QPushButton>(window, u"bg_nalozi_1fcShapeBtn3"_s), Qt::LeftButton);

    QVERIFY(tmp.dialogs.messages.isEmpty());
    QCOMPARE(child<QLabel>(window, u"sb_0_1"_s)->text(), u"Spremanje završeno!"_s);
    QCOMPARE(child<QLabel>(window, u"sb_0_0"_s)->text(),
             u"Primjer d.o.o. - Zadnji broj naloga: 1 - 2013. godine"_s);
    GridTable orders(19, 1);
    orders.LoadFromTableFile(tmp.dataFolder() + u"100_2013_nalozi.txt"_s);
    QCOMPARE(orders.cell(0, 0), u"1"_s);
    QCOMPARE(orders.cell(4, 0), u"Šime Đurić"_s);
    // Leaving the name field taught the travellers' list the new name.
    QCOMPARE(app.main().items(u"cb_putnici"), QStringList{u"Šime Đurić"_s});
}

QTEST_MAIN(SubjectsUiTest)
#include "tst_subjects_ui.moc"
