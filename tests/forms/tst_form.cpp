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
