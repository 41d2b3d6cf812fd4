#include "base/AppError.h"
#include "base/TextForms.h"
#include "tst_forms.h"

#include <QTest>

using namespace selvana;
using namespace Qt::StringLiterals;

void TextFormsTest::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("grouping");
    QTest::addColumn<QString>("text");

    QTest::newRow("half up on binary below") << 2.675 << 2 << true << u"2,68"_s;
    QTest::newRow("1.005") << 1.005 << 2 << true << u"1,01"_s;
    QTest::newRow("negative half away") << -0.005 << 2 << true << u"-0,01"_s;
    QTest::newRow("tiny negative is zero") << -0.004 << 2 << true << u"0,00"_s;
    QTest::newRow("grouped") << 1234.5 << 2 << true << u"1.234,50"_s;
    QTest::newRow("millions") << -1234567.891 << 2 << true << u"-1.234.567,89"_s;
    QTest::newRow("km plain") << 1234.5 << 2 << false << u"1234,50"_s;
    QTest::newRow("integer") << 12345.0 << 0 << true << u"12.345"_s;
    QTest::newRow("integer half") << 2.5 << 0 << true << u"3"_s;
    QTest::newRow("rate") << 7.5345675 << 6 << true << u"7,534568"_s;
    QTest::newRow("hundred") << 100.0 << 2 << true << u"100,00"_s;
    QTest::newRow("thousand") << 1000.0 << 2 << true << u"1.000,00"_s;
    QTest::newRow("advance x rate") << 123.45 * 7.534567 << 2 << true << u"930,14"_s;
}

void TextFormsTest::formats()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(bool, grouping);
    QFETCH(QString, text);
    QCOMPARE(TextForms::formatNumber(value, decimals, grouping), text);
}

void TextFormsTest::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("ok");

    QTest::newRow("empty is zero") << QString() << 0.0 << true;
    QTest::newRow("grouped amount") << u"1.234,50"_s << 1234.5 << true;
    QTest::newRow("negative") << u"-0,5"_s << -0.5 << true;
    QTest::newRow("spaces") << u" 12 "_s << 12.0 << true;
    QTest::newRow("letters") << u"12a"_s << 0.0 << false;
    QTest::newRow("exponent") << u"1e5"_s << 0.0 << false;
    QTest::newRow("two commas") << u"1,2,3"_s << 0.0 << false;
    QTest::newRow("nan") << u"nan"_s << 0.0 << false;
    QTest::newRow("inner minus") << u"1-2"_s << 0.0 << false;
}

void TextFormsTest::parses()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, ok);
    try {
        QCOMPARE(TextForms::parseNumber(text), value);
        QVERIFY(ok);
    } catch (const AppError& e) {
        QVERIFY(!ok);
        QCOMPARE(e.text(), u"'%1' is not a valid floating point value"_s.arg(text));
    }
    try {
        TextForms::parseCell(text);
        QVERIFY(ok);
    } catch (const AppError& e) {
        QVERIFY(!ok);
        QCOMPARE(e.text(), u"Cell does not contain a float value"_s);
    }
}

void TextFormsTest::dates()
{
    QCOMPARE(TextForms::formatDate(QDate(2013, 3, 5)), u"05.03.2013"_s);
    QCOMPARE(TextForms::parseDate(u"05.03.2013"_s), QDate(2013, 3, 5));
    QVERIFY(!TextForms::parseDate(u"31.02.2013"_s).isValid());
    QCOMPARE(TextForms::formatTime(QTime(7, 5)), u"07:05"_s);
    QCOMPARE(TextForms::parseTime(u"23:59"_s), QTime(23, 59));
    QVERIFY(!TextForms::parseTime(u"24:00"_s).isValid());
}
