#include "ExpenseBook.h"
#include "TestInput.h"
#include "expenses/AmountInWords.h"
#include "ui/main/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

using namespace selvana;
using namespace Qt::StringLiterals;

namespace {

using test::child;

void type(QWidget& window, const QString& field, const QString& text)
{
    auto* edit = child<QLineEdit>(window, field);
    QVERIFY2(edit->isVisible(), qPrintable(field));
    edit->setFocus();
    edit->selectAll();
    test::typeText(edit, text);
}

// A box across the page's width is ticked on its square, not in the empty middle.
void tick(QWidget& window, const QString& name)
{
    auto* box = child<QCheckBox>(window, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(box->isChecked());
}

} // namespace

class ExpensesUiTest : public QObject {
    Q_OBJECT
private slots:
    void advanceAndTransportInTheWindow();
};

void ExpensesUiTest::advanceAndTransportInTheWindow()
{
    test::ExpenseBook b;
    MainWindow window(*b.app);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* pages = child<QStackedWidget>(window, u"pc_selvana"_s);
    auto* payout = child<QLineEdit>(window, u"rc_16"_s);
    auto* refund = child<QLineEdit>(window, u"rc_17"_s);
    auto* costs = child<QLineEdit>(window, u"nl_23"_s);

    // An advance of 500 kuna, its currency chosen from the list.
    QTest::mouseClick(child<QPushButton>(window, u"bg_jahaci_2"_s), Qt::LeftButton);
    QCOMPARE(pages->currentWidget()->objectName(), u"ts_akontacije"_s);
    QVERIFY(child<QWidget>(window, u"pn_ukupno"_s)->isVisible());
    QVERIFY(!child<QWidget>(window, u"pn_akontacije_polja"_s)->isVisible());
    tick(window, u"cb_panel_akontacije"_s);
    QVERIFY(child<QWidget>(window, u"pn_akontacije_polja"_s)->isVisible());
    type(window, u"ed_tr_akontacija_1"_s, u"500"_s);
    auto* currencies = child<QComboBox>(window, u"cb_valute_1"_s);
    emit currencies->activated(currencies->findText(u"HRK"_s));
    QCOMPARE(child<QLineEdit>(window, u"ed_tr_akontacija_4"_s)->text(), u"500,00"_s);
    QTest::mouseClick(child<QPushButton>(window, u"fcShapeBtn3"_s), Qt::LeftButton);

    QCOMPARE(child<QTableView>(window, u"sg_tr_akontacija"_s)->model()->rowCount(), 1);
    QCOMPARE(child<QLineEdit>(window, u"nl_12"_s)->text(), u"500,00"_s);
    QCOMPARE(child<QLineEdit>(window, u"nl_13"_s)->text(), AmountInWords(500, u"kn"_s));
    QCOMPARE(costs->text(), QString());
    QCOMPARE(payout->text(), QString());
    QCOMPARE(refund->text(), u"500,00"_s);

    // Transport of 650,40 from the odometer: now the company pays the difference.
    QTest::mouseClick(child<QPushButton>(window, u"bg_jahaci_4"_s), Qt::LeftButton);
    QCOMPARE(pages->currentWidget()->objectName(), u"ts_prijevoz"_s);
    tick(window, u"cb_pn_prijevoz_polja"_s);
    type(window, u"ed_tr_prijevoz_8"_s, u"1"_s);
    type(window, u"ed_tr_prijevoz_11"_s, u"1.6"_s);
    type(window, u"ed_tr_prijevoz_3"_s, u"12000"_s);
    type(window, u"ed_tr_prijevoz_4"_s, u"12406,5"_s); // the integer field refuses the decimals
    QCOMPARE(child<QLineEdit>(window, u"ed_tr_prijevoz_4"_s)->text(), u"124065"_s);
    type(window, u"ed_tr_prijevoz_4"_s, u"12406"_s);
    QCOMPARE(child<QLineEdit>(window, u"ed_tr_prijevoz_5"_s)->text(), u"406,00"_s);
    QCOMPARE(child<QLineEdit>(window, u"ed_tr_prijevoz_6"_s)->text(), u"649,60"_s);
    type(window, u"ed_tr_prijevoz_6"_s, u"650,40"_s); // the ticket, typed over
    QTest::mouseClick(child<QPushButton>(window, u"fcShapeBtn15"_s), Qt::LeftButton);

    QVERIFY(b.tmp.dialogs.messages.isEmpty());
    QCOMPARE(child<QTableView>(window, u"sg_tr_prijevoz"_s)->model()->rowCount(), 1);
    QCOMPARE(child<QLineEdit>(window, u"nl_21"_s)->text(), u"650,40"_s);
    QCOMPARE(costs->text(), u"650,40"_s);
    QCOMPARE(payout->text(), u"150,40"_s);
    QCOMPARE(refund->text(), QString());

    // Deleting the advance leaves the full costs to pay.
    QTest::mouseClick(child<QPushButton>(window, u"bg_jahaci_2"_s), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(window, u"fcShapeBtn4"_s), Qt::LeftButton);
    QCOMPARE(child<QTableView>(window, u"sg_tr_akontacija"_s)->model()->rowCount(),
             1); // the empty record row
    QCOMPARE(payout->text(), u"650,40"_s);
    QCOMPARE(refund->text(), QString());
    QCOMPARE(b.w().text(u"lb_ukupno"), u"Primjer d.o.o.<putni nalog br. 1><2013><UKUPNO>"_s);
}

QTEST_MAIN(ExpensesUiTest)
#include "tst_expenses_ui.moc"
