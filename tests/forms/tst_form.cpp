#include "TestDoubles.h"
#include "base/AppError.h"
#include "base/StorableText.h"
#include "forms/Form.h"
#include "tst_forms.h"

#include <QTest>

using namespace selvana;
using namespace Qt::StringLiterals;

void FormTest::numberFieldKeepsShownValue()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    auto& amount = form.add<NumberField>(u"ce_iznos"_s, 2);
    int changes = 0;
    amount.onChange([&] { ++changes; });

    form.setValue(u"ce_iznos", 2.675);
    QCOMPARE(form.value(u"ce_iznos"), 2.68);
    QCOMPARE(form.text(u"ce_iznos"), u"2,68"_s);
    form.setValue(u"ce_iznos", 2.6800001); // same shown value: no change
    QCOMPARE(changes, 1);

    form.setText(u"ce_iznos", u"1.234,5"_s);
    QCOMPARE(form.value(u"ce_iznos"), 1234.5);
    form.setText(u"ce_iznos", u"abc"_s); // refused, value kept, one message
    QCOMPARE(form.value(u"ce_iznos"), 1234.5);
    QCOMPARE(dialogs.messages, QStringList{u"'abc' is not a valid floating point value"_s});

    amount.setZeroShownEmpty(true);
    form.setValue(u"ce_iznos", 0.001);
    QCOMPARE(form.text(u"ce_iznos"), QString());
}

void FormTest::changeRuleChainTerminates()
{
    // total = amount x rate, and a typed total recomputes amount: rounding stops the loop.
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    auto& amount = form.add<NumberField>(u"amount"_s, 2);
    auto& rate = form.add<NumberField>(u"rate"_s, 6);
    auto& total = form.add<NumberField>(u"total"_s, 2);
    int fired = 0;
    amount.onChange([&] {
        ++fired;
        total.setValue(amount.value() * rate.value());
    });
    rate.onChange([&] { total.setValue(amount.value() * rate.value()); });
    total.onChange([&] {
        ++fired;
        if (rate.value() != 0)
            amount.setValue(total.value() / rate.value());
    });

    form.setValue(u"rate", 7.534567);
    form.setValue(u"amount", 123.45);
    QCOMPARE(form.text(u"total"), u"930,14"_s);
    QVERIFY(fired < 10);
    QCOMPARE(form.value(u"amount"), 123.45);
}

void FormTest::errorHandlerShowsOneMessage()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    auto& inner = form.add<Button>(u"inner"_s);
    auto& outer = form.add<Button>(u"outer"_s);
    bool afterInner = false;
    inner.onClick([] { throw AppError(u"Cannot Create x"_s); });
    outer.onClick([&] {
        form.click(u"inner"); // a nested entry point: its error ends the outer action too
        afterInner = true;
    });

    form.click(u"outer");
    QCOMPARE(dialogs.messages, QStringList{u"Cannot Create x"_s});
    QVERIFY(!afterInner);

    outer.setEnabled(false);
    form.click(u"outer"); // a disabled button cannot be pressed
    QCOMPARE(dialogs.messages.size(), 1);
}

void FormTest::unknownNameFailsLoudly()
{
    test::ScriptedDialogs dialogs;
    Form form(u"Tfr_x"_s, dialogs);
    form.add<TextField>(u"nl_4"_s);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.text(u"nl_44"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.click(u"nl_4"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.isChecked(u"nl_4"));
    try {
        form.text(u"nl_44");
    } catch (const std::invalid_argument& e) {
        QVERIFY(QString::fromUtf8(e.what()).contains(u"nl_44"_s));
    }
    QVERIFY(dialogs.messages.isEmpty());
}

void FormTest::choiceListSortsCroatianAndTakesFirstValue()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    auto& sorted = form.add<ChoiceList>(u"cb_sorted"_s, true);
    auto& plain = form.add<ChoiceList>(u"cb_plain"_s, false);
    const QStringList names = {u"Žuti"_s,   u"cvjetni"_s, u"Čakovec"_s, u"Split"_s,    u"šibenik"_s,
                               u"Zagreb"_s, u"Cres"_s,    u"Đakovo"_s,  u"Dubrovnik"_s};
    sorted.setTexts(names);
    plain.setTexts(names);
    QCOMPARE(form.items(u"cb_sorted"),
             (QStringList{u"Cres"_s, u"cvjetni"_s, u"Čakovec"_s, u"Dubrovnik"_s, u"Đakovo"_s, u"Split"_s,
                          u"šibenik"_s, u"Zagreb"_s, u"Žuti"_s}));
    QCOMPARE(form.items(u"cb_plain"), names);

    int chosen = 0;
    sorted.setEntries({{u"Primjer"_s, u"101"_s}, {u"Primjer"_s, u"102"_s}, {u"Alfa"_s, u"100"_s}});
    sorted.onChoose([&] { ++chosen; });
    form.choose(u"cb_sorted", u"Primjer"_s);
    QCOMPARE(form.itemValue(u"cb_sorted"), u"101"_s);
    QCOMPARE(chosen, 1);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.choose(u"cb_sorted", u"Beta"_s));
}

void FormTest::radioItemsAndButtonsByName()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    form.addRadioGroup(u"rg_izvjestaji"_s, {u"a"_s, u"b"_s, u"c"_s});
    QCOMPARE(form.value(u"rg_izvjestaji"), -1.0);
    form.click(u"rg_izvjestaji_2");
    QCOMPARE(form.value(u"rg_izvjestaji"), 2.0);
    QCOMPARE(form.text(u"rg_izvjestaji"), u"c"_s);
}

void FormTest::validatorRefusesAndKeepsText()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    auto& field = form.add<TextField>(u"ed_x"_s);
    field.setValidator([](const QString& t) {
        if (t.contains(u'|'))
            throw AppError(u"Znak | nije dopušten."_s);
    });
    form.setText(u"ed_x", u"dobro"_s);
    form.setText(u"ed_x", u"lo|še"_s);
    QCOMPARE(form.text(u"ed_x"), u"dobro"_s);
    QCOMPARE(dialogs.messages, QStringList{u"Znak | nije dopušten."_s});

    // What a table file cannot hold is refused at input; Croatian letters and € pass.
    auto& stored = form.add<TextField>(u"ed_y"_s);
    stored.setValidator([](const QString& t) { StorableText::check(t); });
    for (const QString& bad : {u"a\tb"_s, u"kvačica ✓"_s, u"中"_s, u"red\r\nred"_s}) {
        form.setText(u"ed_y", bad);
        QCOMPARE(form.text(u"ed_y"), QString());
    }
    QCOMPARE(dialogs.messages.size(), 5);
    form.setText(u"ed_y", u"Čćđšž ČĆĐŠŽ 100 €"_s);
    QCOMPARE(form.text(u"ed_y"), u"Čćđšž ČĆĐŠŽ 100 €"_s);
    QCOMPARE(dialogs.messages.size(), 5);
}

void FormTest::dateAndTimeRefusedInCroatian_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such day") << u"dt_datum"_s << u"31.02.2013"_s
                                 << u"'31.02.2013' nije ispravan datum."_s;
    QTest::newRow("not a date") << u"dt_datum"_s << u"sutra"_s << u"'sutra' nije ispravan datum."_s;
    QTest::newRow("no such hour") << u"dt_vrijeme"_s << u"24:00"_s << u"'24:00' nije ispravno vrijeme."_s;
    QTest::newRow("not a time") << u"dt_vrijeme"_s << u"9.30"_s << u"'9.30' nije ispravno vrijeme."_s;
}

void FormTest::dateAndTimeRefusedInCroatian()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    form.add<DateField>(u"dt_datum"_s).setDate(QDate(2013, 5, 14));
    form.add<TimeField>(u"dt_vrijeme"_s).setTime(QTime(9, 30));
    const QString before = form.text(field);

    form.setText(field, typed);
    QCOMPARE(dialogs.messages, QStringList{message});
    QCOMPARE(form.text(field), before);
}

namespace {

// One control of every kind; the date and time start empty and at midnight.
void addEveryKind(Form& form)
{
    form.add<TextField>(u"ed_t"_s);
    form.add<NumberField>(u"ed_n"_s, 2);
    form.add<DateField>(u"dt_d"_s);
    form.add<TimeField>(u"dt_t"_s);
    form.add<ChoiceList>(u"cb_c"_s).setTexts({u"Split"_s, u"Zagreb"_s});
    form.add<CheckBox>(u"ck_c"_s, u"Ispis"_s);
    form.add<Button>(u"bt_b"_s, u"&Spremi"_s);
    form.add<Label>(u"lb_l"_s, u"Ukupno"_s);
    form.add<Panel>(u"pn_p"_s, u"Ploča"_s);
    auto& pages = form.add<PageControl>(u"pc_p"_s);
    pages.addPage(&form.add<Panel>(u"ts_1"_s));
    pages.addPage(&form.add<Panel>(u"ts_2"_s));
    form.addRadioGroup(u"rg_r"_s, {u"a"_s, u"b"_s});
    form.add<GridControl>(u"sg_g"_s, 2, 3);
}

} // namespace

void FormTest::typingByControlKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("takesText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("text") << u"ed_t"_s << u"Zagreb"_s << true << u"Zagreb"_s;
    QTest::newRow("number, formatted") << u"ed_n"_s << u"1234,5"_s << true << u"1.234,50"_s;
    QTest::newRow("date") << u"dt_d"_s << u"1.2.2013"_s << true << u"01.02.2013"_s;
    QTest::newRow("date cleared") << u"dt_d"_s << u" "_s << true << QString();
    QTest::newRow("time") << u"dt_t"_s << u"7:45"_s << true << u"07:45"_s;
    QTest::newRow("choice, any text") << u"cb_c"_s << u"Rijeka"_s << true << u"Rijeka"_s;
    QTest::newRow("label caption") << u"lb_l"_s << u"Sveukupno"_s << true << u"Sveukupno"_s;
    for (const char* name : {"ck_c", "bt_b", "rg_r", "sg_g"})
        QTest::newRow(name) << QString::fromLatin1(name) << u"x"_s << false << QString();
}

void FormTest::typingByControlKind()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(bool, takesText);
    QFETCH(QString, shown);
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    addEveryKind(form);
    form.get<DateField>(u"dt_d").setDate(QDate(2013, 5, 14));
    try {
        form.setText(name, typed);
        QVERIFY(takesText);
    } catch (const std::invalid_argument& e) {
        QVERIFY(!takesText);
        QCOMPARE(QString::fromUtf8(e.what()), name + u" has no text to set"_s);
        return;
    }
    QCOMPARE(form.text(name), shown);
    QVERIFY(dialogs.messages.isEmpty());
}

void FormTest::controlsShowTextOrCaption()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    addEveryKind(form);
    const Form& shown = form;

    QCOMPARE(shown.text(u"ck_c"), u"Ispis"_s);
    QCOMPARE(shown.text(u"bt_b"), u"&Spremi"_s);
    QCOMPARE(shown.text(u"pn_p"), u"Ploča"_s);
    QCOMPARE(shown.text(u"rg_r"), QString());
    QCOMPARE(shown.text(u"dt_d"), QString());
    QCOMPARE(shown.text(u"dt_t"), u"00:00"_s);
    form.setValue(u"rg_r", 1);
    QCOMPARE(shown.text(u"rg_r"), u"b"_s);
    form.get<PageControl>(u"pc_p").setIndex(1);
    QCOMPARE(shown.text(u"pc_p"), u"ts_2"_s);
    QCOMPARE(shown.value(u"pc_p"), 1.0);
    QCOMPARE(shown.table(u"sg_g").rowCount(), 3);

    // What a control does not have fails loudly, naming it.
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, shown.text(u"sg_g"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, shown.value(u"ed_t"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.setValue(u"pc_p", 0));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.click(u"lb_l"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, shown.table(u"ed_t"));

    form.click(u"ck_c");
    QVERIFY(form.isChecked(u"ck_c"));
    form.get<CheckBox>(u"ck_c").setEnabled(false);
    form.click(u"ck_c"); // a disabled box does not turn over
    QVERIFY(form.isChecked(u"ck_c"));
}

void FormTest::pickersKeepWholeMinutesAndNotifyEveryPick()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    auto& time = form.add<TimeField>(u"dt_t"_s);
    auto& date = form.add<DateField>(u"dt_d"_s);
    auto& picker = form.add<DateField>(u"dt_pick"_s);
    picker.setAlwaysNotify(true);
    QStringList changes;
    for (Control* c : QList<Control*>{&time, &date, &picker})
        c->onChange([&changes, c] { changes << c->name(); });

    time.setTime(QTime(9, 30, 59));
    QCOMPARE(time.time(), QTime(9, 30));
    time.setTime(QTime(9, 30, 1)); // the same minute: no change
    time.setTime(QTime());         // no time is midnight
    QCOMPARE(time.time(), QTime(0, 0));

    date.setDate(QDate(2013, 5, 14));
    date.setDate(QDate(2013, 5, 14));
    date.setDate(QDate(2013, 2, 31)); // an invalid date is none
    QCOMPARE(date.date(), QDate());
    picker.setDate(QDate(2013, 5, 14));
    picker.setDate(QDate(2013, 5, 14)); // a picker's every pick counts

    QCOMPARE(changes, (QStringList{u"dt_t"_s, u"dt_t"_s, u"dt_d"_s, u"dt_d"_s, u"dt_pick"_s, u"dt_pick"_s}));
}

void FormTest::everyRegistrationAddsAHandler()
{
    test::ScriptedDialogs dialogs;
    Form form(u"f"_s, dialogs);
    auto& button = form.add<Button>(u"bt_b"_s);
    auto& list = form.add<ChoiceList>(u"cb_c"_s);
    list.setTexts({u"Split"_s});
    auto& grid = form.add<GridControl>(u"sg_g"_s, 2, 3);
    QStringList ran;
    for (const QString& n : {u"1"_s, u"2"_s}) {
        button.onClick([&ran, n] { ran << u"click "_s + n; });
        button.onLeave([&ran, n] { ran << u"leave "_s + n; });
        button.onEnter([&ran, n] { ran << u"enter "_s + n; });
        list.onChoose([&ran, n] { ran << u"choose "_s + n; });
        list.onChange([&ran, n] { ran << u"change "_s + n; });
        grid.onSelectCell([&ran, n](int col, int row) { ran << u"cell %1,%2 "_s.arg(col).arg(row) + n; });
    }
    // A handler registered while they run waits for the next event.
    button.onClick([&button, &ran] { button.onClick([&ran] { ran << u"late"_s; }); });

    form.enter(u"bt_b");
    form.click(u"bt_b");
    form.leave(u"bt_b");
    form.choose(u"cb_c", u"Split"_s);
    form.selectCell(u"sg_g", 1, 2);
    QCOMPARE(ran, (QStringList{u"enter 1"_s, u"enter 2"_s, u"click 1"_s, u"click 2"_s, u"leave 1"_s,
                               u"leave 2"_s, u"change 1"_s, u"change 2"_s, u"choose 1"_s, u"choose 2"_s,
                               u"cell 1,2 1"_s, u"cell 1,2 2"_s}));
    ran.clear();
    form.click(u"bt_b");
    QCOMPARE(ran, (QStringList{u"click 1"_s, u"click 2"_s, u"late"_s}));
}
