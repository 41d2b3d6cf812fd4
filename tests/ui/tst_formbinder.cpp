#include "TestDoubles.h"
#include "base/AppError.h"
#include "forms/Form.h"
#include "ui/kit/FormBinder.h"
#include "ui/kit/NumberEdit.h"
#include "ui/kit/PageBuilder.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>

using namespace selvana;
using namespace Qt::StringLiterals;

// The views only show the model: every widget kind is checked both ways, model to widget and
// what the user does to the model.
class FormBinderTest : public QObject {
    Q_OBJECT
private slots:
    void widgetFitsTheControl_data();
    void widgetFitsTheControl();
    void textFieldsAndMemoLines();
    void numberEditWaitsForWholeNumbers();
    void pickersReachTheModel();
    void choiceLists();
    void checkBoxesButtonsAndRadioItems();
    void labelsPagesAndState();
    void gridShowsTheTableAndSelects();
    void focusLeavesAndEnters();
    void rowsLabelOnlyWhatHasNoCaptionOfItsOwn();
};

namespace {

// A form and a root widget whose children are made by the page builder and then bound.
struct Bench {
    test::ScriptedDialogs dialogs;
    Form form{u"f"_s, dialogs};
    QWidget root;
    FormBinder binder{form};

    template <class W> W* make(const QString& name)
    {
        auto* widget = qobject_cast<W*>(PageBuilder::createWidget(form, name, &root));
        if (!widget)
            qFatal("%s is no %s", qPrintable(name), W::staticMetaObject.className());
        return widget;
    }
};

} // namespace

void FormBinderTest::widgetFitsTheControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("widgetClass");
    QTest::newRow("text") << u"ed_text"_s << QByteArray("QLineEdit");
    QTest::newRow("memo") << u"ed_memo"_s << QByteArray("QPlainTextEdit");
    QTest::newRow("number") << u"ed_number"_s << QByteArray("selvana::NumberEdit");
    QTest::newRow("date") << u"dt_date"_s << QByteArray("QDateEdit");
    QTest::newRow("time") << u"dt_time"_s << QByteArray("QTimeEdit");
    QTest::newRow("choice") << u"cb_choice"_s << QByteArray("QComboBox");
    QTest::newRow("check") << u"ck_check"_s << QByteArray("QCheckBox");
    QTest::newRow("button") << u"bt_button"_s << QByteArray("QPushButton");
    QTest::newRow("label") << u"lb_label"_s << QByteArray("QLabel");
    QTest::newRow("grid") << u"sg_grid"_s << QByteArray("QTableView");
    QTest::newRow("radio") << u"rg_radio"_s << QByteArray("QGroupBox");
    QTest::newRow("panel") << u"pn_panel"_s << QByteArray("QWidget");
    QTest::newRow("pages") << u"pc_pages"_s << QByteArray("QWidget");
}

void FormBinderTest::widgetFitsTheControl()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, widgetClass);
    Bench b;
    b.form.add<TextField>(u"ed_text"_s);
    b.form.add<TextField>(u"ed_memo"_s).setMultiLine(true);
    b.form.add<NumberField>(u"ed_number"_s);
    b.form.add<DateField>(u"dt_date"_s);
    b.form.add<TimeField>(u"dt_time"_s);
    b.form.add<ChoiceList>(u"cb_choice"_s);
    b.form.add<CheckBox>(u"ck_check"_s);
    b.form.add<Button>(u"bt_button"_s);
    b.form.add<Label>(u"lb_label"_s);
    b.form.add<GridControl>(u"sg_grid"_s, 2, 2);
    b.form.addRadioGroup(u"rg_radio"_s, {u"a"_s, u"b"_s});
    b.form.add<Panel>(u"pn_panel"_s);
    b.form.add<PageControl>(u"pc_pages"_s);

    QWidget* widget = PageBuilder::createWidget(b.form, name, &b.root);
    QCOMPARE(QByteArray(widget->metaObject()->className()), widgetClass);
    QCOMPARE(widget->objectName(), name);
    b.binder.bind(&b.root); // every kind binds without a complaint
}

void FormBinderTest::textFieldsAndMemoLines()
{
    Bench b;
    auto& field = b.form.add<TextField>(u"ed_a"_s);
    field.setValidator([](const QString& t) {
        if (t.contains(u'|'))
            throw AppError(u"Znak | nije dopušten."_s);
    });
    auto& locked = b.form.add<TextField>(u"ed_locked"_s);
    locked.setReadOnly(true);
    auto& memo = b.form.add<TextField>(u"ed_m"_s);
    memo.setMultiLine(true);
    memo.setText(u"a\r\nb"_s);
    auto* edit = b.make<QLineEdit>(u"ed_a"_s);
    auto* lockedEdit = b.make<QLineEdit>(u"ed_locked"_s);
    auto* memoEdit = b.make<QPlainTextEdit>(u"ed_m"_s);
    b.binder.bind(&b.root);

    QVERIFY(lockedEdit->isReadOnly());
    QVERIFY(!edit->isReadOnly());
    field.setText(u"x"_s);
    QCOMPARE(edit->text(), u"x"_s);
    QTest::keyClicks(edit, u"y"_s);
    QCOMPARE(field.text(), u"xy"_s);
    QTest::keyClicks(edit, u"|"_s); // refused: the widget shows the model's text again
    QCOMPARE(edit->text(), u"xy"_s);
    QCOMPARE(b.dialogs.messages, QStringList{u"Znak | nije dopušten."_s});

    // The widget's lines end in "\n", the model's in CR LF.
    QCOMPARE(memoEdit->toPlainText(), u"a\nb"_s);
    memoEdit->setPlainText(u"c\nd"_s);
    QCOMPARE(memo.text(), u"c\r\nd"_s);
    memo.setText(u"e\r\nf"_s);
    QCOMPARE(memoEdit->toPlainText(), u"e\nf"_s);
}

void FormBinderTest::numberEditWaitsForWholeNumbers()
{
    Bench b;
    auto& field = b.form.add<NumberField>(u"ed_n"_s, 1);
    auto& locked = b.form.add<NumberField>(u"ed_locked"_s, 2);
    locked.setReadOnly(true);
    auto* edit = b.make<NumberEdit>(u"ed_n"_s);
    auto* lockedEdit = b.make<NumberEdit>(u"ed_locked"_s);
    b.binder.bind(&b.root);

    QCOMPARE(edit->decimals(), 1);
    QVERIFY(lockedEdit->isReadOnly());
    QCOMPARE(edit->text(), u"0,0"_s);
    edit->clear();
    QTest::keyClicks(edit, u"-"_s); // half typed: waits
    QCOMPARE(field.value(), 0.0);
    QCOMPARE(edit->text(), u"-"_s);
    QTest::keyClicks(edit, u"5"_s); // whole: reaches the model, the typing is left alone
    QCOMPARE(field.value(), -5.0);
    QCOMPARE(edit->text(), u"-5"_s);
    emit edit->editingFinished();
    QCOMPARE(edit->text(), u"-5,0"_s);
    field.setValue(1234.56);
    QCOMPARE(edit->text(), u"1.234,6"_s);
}

void FormBinderTest::pickersReachTheModel()
{
    Bench b;
    auto& date = b.form.add<DateField>(u"dt_d"_s);
    auto& pick = b.form.add<DateField>(u"dt_pick"_s);
    pick.setAlwaysNotify(true);
    pick.setDate(QDate(2013, 5, 14));
    int picks = 0;
    pick.onChange([&] { ++picks; });
    auto& time = b.form.add<TimeField>(u"dt_t"_s);
    auto* dateEdit = b.make<QDateEdit>(u"dt_d"_s);
    auto* pickEdit = b.make<QDateEdit>(u"dt_pick"_s);
    auto* timeEdit = b.make<QTimeEdit>(u"dt_t"_s);
    b.binder.bind(&b.root);

    QCOMPARE(dateEdit->displayFormat(), u"dd.MM.yyyy"_s);
    QCOMPARE(dateEdit->date(), dateEdit->minimumDate()); // no date: the empty picker
    dateEdit->setDate(QDate(2013, 3, 1));
    QCOMPARE(date.date(), QDate(2013, 3, 1));
    dateEdit->setDate(dateEdit->minimumDate());
    QVERIFY(!date.date().isValid());
    date.setDate(QDate(2014, 1, 2));
    QCOMPARE(dateEdit->date(), QDate(2014, 1, 2));

    // Picking the day a picker shows is a pick too.
    QVERIFY(pickEdit->calendarWidget());
    emit pickEdit->calendarWidget()->clicked(QDate(2013, 5, 14));
    QCOMPARE(picks, 1);

    QCOMPARE(timeEdit->displayFormat(), u"HH:mm"_s);
    timeEdit->setTime(QTime(9, 30));
    QCOMPARE(time.text(), u"09:30"_s);
    time.setTime(QTime(17, 5));
    QCOMPARE(timeEdit->time(), QTime(17, 5));
}

void FormBinderTest::choiceLists()
{
    Bench b;
    auto& open = b.form.add<ChoiceList>(u"cb_open"_s);
    open.setTexts({u"Zagreb"_s, u"Split"_s, u"Čakovec"_s});
    int chosen = 0;
    open.onChoose([&] { ++chosen; });
    auto& closed = b.form.add<ChoiceList>(u"cb_closed"_s, false);
    closed.setEditable(false);
    closed.setTexts({u"jedan"_s, u"dva"_s});
    auto* openCombo = b.make<QComboBox>(u"cb_open"_s);
    auto* closedCombo = b.make<QComboBox>(u"cb_closed"_s);
    b.binder.bind(&b.root);

    QVERIFY(openCombo->isEditable());
    QVERIFY(!closedCombo->isEditable());
    QCOMPARE(openCombo->count(), 3);
    QCOMPARE(openCombo->itemText(0), u"Čakovec"_s); // in the model's order
    emit openCombo->activated(1);
    QCOMPARE(open.text(), u"Split"_s);
    QCOMPARE(chosen, 1);
    openCombo->lineEdit()->clear();
    QTest::keyClicks(openCombo->lineEdit(), u"Ri"_s);
    QCOMPARE(open.text(), u"Ri"_s);
    QCOMPARE(chosen, 1); // typing is no choice
    open.setText(u"Zagreb"_s);
    QCOMPARE(openCombo->currentText(), u"Zagreb"_s);

    closed.setText(u"dva"_s);
    QCOMPARE(closedCombo->currentIndex(), 1);
    closed.setTexts({u"tri"_s});
    QCOMPARE(closedCombo->count(), 1);
    QCOMPARE(closedCombo->currentIndex(), -1);
}

void FormBinderTest::checkBoxesButtonsAndRadioItems()
{
    Bench b;
    auto& box = b.form.add<CheckBox>(u"ck_x"_s, u"Ispis"_s);
    auto& button = b.form.add<Button>(u"bt_x"_s, u"&Spremi"_s);
    int clicks = 0;
    button.onClick([&] { ++clicks; });
    auto& group = b.form.addRadioGroup(u"rg_x"_s, {u"a"_s, u"b"_s, u"c"_s});
    auto* check = b.make<QCheckBox>(u"ck_x"_s);
    auto* push = b.make<QPushButton>(u"bt_x"_s);
    b.make<QGroupBox>(u"rg_x"_s);
    b.binder.bind(&b.root);
    auto radio = [&](int i) { return b.root.findChild<QRadioButton*>(u"rg_x_"_s + QString::number(i)); };

    QCOMPARE(check->text(), u"Ispis"_s);
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(box.isChecked());
    box.setChecked(false);
    QVERIFY(!check->isChecked());

    QCOMPARE(push->text(), u"&Spremi"_s);
    QTest::mouseClick(push, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    button.setCaption(u"S&premi"_s);
    QCOMPARE(push->text(), u"S&premi"_s);
    button.setEnabled(false);
    QVERIFY(!push->isEnabled());

    QVERIFY(radio(2));
    radio(1)->click();
    QCOMPARE(group.index(), 1);
    QVERIFY(radio(1)->isChecked());
    group.setIndex(2);
    QVERIFY(radio(2)->isChecked());
    QVERIFY(!radio(1)->isChecked());
}

void FormBinderTest::labelsPagesAndState()
{
    Bench b;
    auto& label = b.form.add<Label>(u"lb_x"_s, u"Ukupno"_s);
    auto& field = b.form.add<TextField>(u"ed_x"_s);
    field.setCaption(u"Mjesto"_s);
    field.setHint(u"Mjesto putovanja"_s);
    auto& pages = b.form.add<PageControl>(u"pc_x"_s);
    auto& first = b.form.add<Panel>(u"ts_1"_s);
    auto& second = b.form.add<Panel>(u"ts_2"_s);
    pages.addPage(&first);
    pages.addPage(&second);
    auto& panel = b.form.add<Panel>(u"pn_x"_s);
    panel.setHeight(40);

    auto* shown = b.make<QLabel>(u"lb_x"_s);
    auto* edit = b.make<QLineEdit>(u"ed_x"_s);
    auto* caption = new QLabel(&b.root);
    caption->setProperty(FormBinder::captionProperty(), u"ed_x"_s);
    auto* stack = new QStackedWidget(&b.root);
    stack->setObjectName(u"pc_x"_s);
    for (const QString& name : {u"ts_1"_s, u"ts_2"_s}) {
        auto* page = new QWidget(stack);
        page->setObjectName(name);
        stack->addWidget(page);
    }
    auto* panelWidget = b.make<QWidget>(u"pn_x"_s);
    b.binder.bind(&b.root);
    b.root.show();

    QCOMPARE(shown->text(), u"Ukupno"_s);
    label.setCaption(u"Sveukupno"_s);
    QCOMPARE(shown->text(), u"Sveukupno"_s);
    QCOMPARE(caption->text(), u"Mjesto"_s);
    QCOMPARE(edit->toolTip(), u"Mjesto putovanja"_s);
    field.setVisible(false);
    QVERIFY(!edit->isVisible());
    QVERIFY(!caption->isVisible());
    field.setEnabled(false);
    QVERIFY(!edit->isEnabled());
    QCOMPARE(panelWidget->height(), 40);

    QCOMPARE(stack->currentIndex(), 0);
    pages.setIndex(1);
    QCOMPARE(stack->currentIndex(), 1);
    first.setVisible(false); // the stack shows the pages, not their visibility
    pages.setIndex(0);
    QVERIFY(stack->currentWidget()->isVisible());
}

void FormBinderTest::gridShowsTheTableAndSelects()
{
    Bench b;
    auto& grid = b.form.add<GridControl>(u"sg_x"_s, 2, 3, 1);
    b.form.add<GridControl>(u"sg_plain"_s, 1, 2);
    grid.table().setCell(0, 0, u"Naziv"_s);
    grid.table().setCell(0, 2, u"drugi"_s);
    QList<QPoint> selected;
    grid.onSelectCell([&](int col, int row) { selected.push_back({col, row}); });
    auto* view = b.make<QTableView>(u"sg_x"_s);
    auto* plainView = b.make<QTableView>(u"sg_plain"_s);
    b.binder.bind(&b.root);

    QVERIFY(!view->horizontalHeader()->isHidden());
    QVERIFY(plainView->horizontalHeader()->isHidden());
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(view->model()->rowCount(), 2); // the title row is the header
    QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), u"Naziv"_s);
    QCOMPARE(view->model()->index(1, 0).data().toString(), u"drugi"_s);

    emit view->clicked(view->model()->index(1, 1));
    QCOMPARE(selected, (QList<QPoint>{{1, 2}}));
    QCOMPARE(grid.table().currentRow(), 2);
    grid.table().SelectRow(1);
    QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 0);
    QCOMPARE(selected.size(), 1); // the program's own move selects nothing
}

void FormBinderTest::focusLeavesAndEnters()
{
    Bench b;
    QStringList events;
    auto& field = b.form.add<TextField>(u"ed_x"_s);
    field.onEnter([&] { events << u"enter"_s; });
    field.onLeave([&] { events << u"leave"_s; });
    auto* edit = b.make<QLineEdit>(u"ed_x"_s);
    b.binder.bind(&b.root);

    QFocusEvent in(QEvent::FocusIn);
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(edit, &in);
    QCoreApplication::sendEvent(edit, &out);
    QCOMPARE(events, (QStringList{u"enter"_s, u"leave"_s}));
}

void FormBinderTest::rowsLabelOnlyWhatHasNoCaptionOfItsOwn()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    form.add<NumberField>(u"ed_n"_s).setCaption(u"Iznos"_s);
    form.add<Button>(u"bt_b"_s, u"Spremi"_s);
    form.add<CheckBox>(u"ck_c"_s, u"Ispis"_s);
    form.add<Label>(u"lb_l"_s, u"Ukupno"_s);
    form.add<TextField>(u"ed_nocaption"_s);
    form.add<ChoiceList>(u"cb_c"_s).setCaption(u"Valuta"_s);
    QWidget page;
    PageBuilder builder(form, &page);
    auto captionsOf = [&page] {
        QStringList names;
        for (QLabel* label : page.findChildren<QLabel*>())
            if (label->property(FormBinder::captionProperty()).isValid())
                names << label->property(FormBinder::captionProperty()).toString();
        names.sort();
        return names;
    };

    const QList<QWidget*> row =
        builder.row({u"ed_n"_s, u"bt_b"_s, u"ck_c"_s, u"lb_l"_s, u"ed_nocaption"_s, u"no_such"_s});
    QCOMPARE(row.size(), 5);
    QCOMPARE(captionsOf(), QStringList{u"ed_n"_s});

    builder.fieldWith(u"ed_nocaption"_s, {u"cb_c"_s, u"bt_b"_s, u"no_such"_s});
    QCOMPARE(captionsOf(), (QStringList{u"cb_c"_s, u"ed_n"_s, u"ed_nocaption"_s}));
}

QTEST_MAIN(FormBinderTest)
#include "tst_formbinder.moc"
