#include "expenses/AmountInWords.h"

#include <QtTest>

#include <limits>

using namespace Qt::Literals::StringLiterals;
using selvana::AmountInWords;

class TstAmountInWords : public QObject {
    Q_OBJECT

private slots:
    void documentedResults_data();
    void documentedResults();
    void agreement_data();
    void agreement();
    void limitsAndRounding_data();
    void limitsAndRounding();

private:
    static void addColumns();
    static void check();
};

void TstAmountInWords::addColumns()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("expected");
}

void TstAmountInWords::check()
{
    QFETCH(double, amount);
    QFETCH(QString, currency);
    QFETCH(QString, expected);
    QCOMPARE(AmountInWords(amount, currency), expected);
}

// The published kuna/euro pairs and the neutral examples, letter for letter.
void TstAmountInWords::documentedResults_data()
{
    addColumns();
    struct Row {
        const char* tag;
        double amount;
        QString kn;
        QString eur;
    };
    const Row rows[] = {
        {"0", 0, u"nulakunainulalipa"_s, u"nulaeurainulacenti"_s},
        {"0,01", 0.01, u"nulakunaijednalipa"_s, u"nulaeuraijedancent"_s},
        {"0,02", 0.02, u"nulakunaidvijelipe"_s, u"nulaeuraidvacenta"_s},
        {"0,12", 0.12, u"nulakunaidvanaestlipa"_s, u"nulaeuraidvanaestcenti"_s},
        {"0,21", 0.21, u"nulakunaidvadesetjednalipa"_s, u"nulaeuraidvadesetjedancent"_s},
        {"1", 1, u"jednakunainulalipa"_s, u"jedaneuroinulacenti"_s},
        {"2", 2, u"dvijekuneinulalipa"_s, u"dvaeurainulacenti"_s},
        {"5", 5, u"petkunainulalipa"_s, u"peteurainulacenti"_s},
        {"11", 11, u"jedanaestkunainulalipa"_s, u"jedanaesteurainulacenti"_s},
        {"21", 21, u"dvadesetjednakunainulalipa"_s, u"dvadesetjedaneuroinulacenti"_s},
        {"22", 22, u"dvadesetdvijekuneinulalipa"_s, u"dvadesetdvaeurainulacenti"_s},
        {"101", 101, u"stojednakunainulalipa"_s, u"stojedaneuroinulacenti"_s},
        {"112", 112, u"stodvanaestkunainulalipa"_s, u"stodvanaesteurainulacenti"_s},
        {"215,35", 215.35, u"dvjestopetnaestkunaitridesetpetlipa"_s,
         u"dvjestopetnaesteuraitridesetpetcenti"_s},
        {"1.000", 1000, u"tisućukunainulalipa"_s, u"tisućueurainulacenti"_s},
        {"1.500", 1500, u"tisućupetstokunainulalipa"_s, u"tisućupetstoeurainulacenti"_s},
        {"2.000", 2000, u"dvijetisućekunainulalipa"_s, u"dvijetisućeeurainulacenti"_s},
        {"5.000", 5000, u"pettisućakunainulalipa"_s, u"pettisućaeurainulacenti"_s},
        {"11.000", 11000, u"jedanaesttisućakunainulalipa"_s, u"jedanaesttisućaeurainulacenti"_s},
        {"21.000", 21000, u"dvadesetjednatisućakunainulalipa"_s, u"dvadesetjednatisućaeurainulacenti"_s},
        {"1.000.000", 1e6, u"milijunkunainulalipa"_s, u"milijuneurainulacenti"_s},
        {"2.000.000", 2e6, u"dvamilijunakunainulalipa"_s, u"dvamilijunaeurainulacenti"_s},
        {"21.000.000", 21e6, u"dvadesetjedanmilijunkunainulalipa"_s, u"dvadesetjedanmilijuneurainulacenti"_s},
        {"1.234.567,89", 1234567.89,
         u"milijundvjestotridesetčetiritisućepetstošezdesetsedamkunaiosamdesetdevetlipa"_s,
         u"milijundvjestotridesetčetiritisućepetstošezdesetsedameuraiosamdesetdevetcenti"_s},
        {"999.999.999,99", 999999999.99,
         u"devetstodevedesetdevetmilijunadevetstodevedesetdevettisućadevetstodevedesetdevet"
         u"kunaidevedesetdevetlipa"_s,
         u"devetstodevedesetdevetmilijunadevetstodevedesetdevettisućadevetstodevedesetdevet"
         u"euraidevedesetdevetcenti"_s},
    };
    for (const Row& row : rows) {
        QTest::addRow("%s kn", row.tag) << row.amount << u"kn"_s << row.kn;
        QTest::addRow("%s eur", row.tag) << row.amount << u"eur"_s << row.eur;
    }
    QTest::addRow("12 other") << 12.0 << u"usd"_s << u"dvanaestzareznulanula"_s;
    QTest::addRow("12,05 other") << 12.05 << u"usd"_s << u"dvanaestzareznulapet"_s;
    QTest::addRow("12,50 other") << 12.50 << u"usd"_s << u"dvanaestzarezpedeset"_s;
}

void TstAmountInWords::documentedResults()
{
    check();
}

// Gender and case endings that the published table does not reach.
void TstAmountInWords::agreement_data()
{
    addColumns();
    // tisuća after 11..14 (also 111..114), tisuće after 2..4 and 22..24.
    QTest::addRow("12.000") << 12000.0 << u"kn"_s << u"dvanaesttisućakunainulalipa"_s;
    QTest::addRow("13.000") << 13000.0 << u"kn"_s << u"trinaesttisućakunainulalipa"_s;
    QTest::addRow("14.000") << 14000.0 << u"kn"_s << u"četrnaesttisućakunainulalipa"_s;
    QTest::addRow("112.000") << 112000.0 << u"kn"_s << u"stodvanaesttisućakunainulalipa"_s;
    QTest::addRow("114.000") << 114000.0 << u"kn"_s << u"stočetrnaesttisućakunainulalipa"_s;
    QTest::addRow("3.000") << 3000.0 << u"kn"_s << u"tritisućekunainulalipa"_s;
    QTest::addRow("4.000") << 4000.0 << u"kn"_s << u"četiritisućekunainulalipa"_s;
    QTest::addRow("22.000") << 22000.0 << u"kn"_s << u"dvadesetdvijetisućekunainulalipa"_s;
    QTest::addRow("24.000") << 24000.0 << u"kn"_s << u"dvadesetčetiritisućekunainulalipa"_s;
    QTest::addRow("10.000") << 10000.0 << u"kn"_s << u"desettisućakunainulalipa"_s;
    QTest::addRow("101.000 eur") << 101000.0 << u"eur"_s << u"stojednatisućaeurainulacenti"_s;

    // milijun after 1, 21, 101; milijuna after 3, 111.
    QTest::addRow("3.000.000") << 3e6 << u"kn"_s << u"trimilijunakunainulalipa"_s;
    QTest::addRow("101.000.000") << 101e6 << u"kn"_s << u"stojedanmilijunkunainulalipa"_s;
    QTest::addRow("111.000.000") << 111e6 << u"kn"_s << u"stojedanaestmilijunakunainulalipa"_s;
    QTest::addRow("1.001.000") << 1001000.0 << u"kn"_s << u"milijuntisućukunainulalipa"_s;
    QTest::addRow("1.000.001") << 1000001.0 << u"kn"_s << u"milijunjednakunainulalipa"_s;
    QTest::addRow("1001") << 1001.0 << u"kn"_s << u"tisućujednakunainulalipa"_s;

    // kunai for 10..19 in the last two places, kunei for other endings 2..4.
    QTest::addRow("10 kn") << 10.0 << u"kn"_s << u"desetkunainulalipa"_s;
    QTest::addRow("12 kn") << 12.0 << u"kn"_s << u"dvanaestkunainulalipa"_s;
    QTest::addRow("114 kn") << 114.0 << u"kn"_s << u"stočetrnaestkunainulalipa"_s;
    QTest::addRow("23 kn") << 23.0 << u"kn"_s << u"dvadesettrikuneinulalipa"_s;
    QTest::addRow("104 kn") << 104.0 << u"kn"_s << u"stočetirikuneinulalipa"_s;

    // euroi after 1, 31, 1001 but not 111.
    QTest::addRow("31 eur") << 31.0 << u"eur"_s << u"tridesetjedaneuroinulacenti"_s;
    QTest::addRow("111 eur") << 111.0 << u"eur"_s << u"stojedanaesteurainulacenti"_s;
    QTest::addRow("1001 eur") << 1001.0 << u"eur"_s << u"tisućujedaneuroinulacenti"_s;

    // Hundredths.
    QTest::addRow("0,10 eur") << 0.10 << u"eur"_s << u"nulaeuraidesetcenti"_s;
    QTest::addRow("0,11 eur") << 0.11 << u"eur"_s << u"nulaeuraijedanaestcenti"_s;
    QTest::addRow("0,14 eur") << 0.14 << u"eur"_s << u"nulaeuraičetrnaestcenti"_s;
    QTest::addRow("0,22 eur") << 0.22 << u"eur"_s << u"nulaeuraidvadesetdvacenta"_s;
    QTest::addRow("0,31 eur") << 0.31 << u"eur"_s << u"nulaeuraitridesetjedancent"_s;
    QTest::addRow("0,05 eur") << 0.05 << u"eur"_s << u"nulaeuraipetcenti"_s;
    QTest::addRow("0,03 kn") << 0.03 << u"kn"_s << u"nulakunaitrilipe"_s;
    QTest::addRow("0,13 kn") << 0.13 << u"kn"_s << u"nulakunaitrinaestlipa"_s;
    QTest::addRow("0,24 kn") << 0.24 << u"kn"_s << u"nulakunaidvadesetčetirilipe"_s;

    // Irregular hundreds and every tens word in one amount.
    QTest::addRow("400") << 400.0 << u"kn"_s << u"četrstokunainulalipa"_s;
    QTest::addRow("600") << 600.0 << u"kn"_s << u"šestokunainulalipa"_s;
    QTest::addRow("876.543.210,76") << 876543210.76 << u"kn"_s
                                    << u"osamstosedamdesetšestmilijunapetstočetrdesettritisuće"
                                       u"dvjestodesetkunaisedamdesetšestlipa"_s;
    QTest::addRow("370,69") << 370.69 << u"eur"_s << u"tristosedamdeseteuraišezdesetdevetcenti"_s;

    // Neutral currencies count in the masculine; the currency is matched lower-cased.
    QTest::addRow("1 other") << 1.0 << u"USD"_s << u"jedanzareznulanula"_s;
    QTest::addRow("2,21 empty") << 2.21 << QString() << u"dvazarezdvadesetjedan"_s;
    QTest::addRow("2 KN") << 2.0 << u"KN"_s << u"dvijekuneinulalipa"_s;
    QTest::addRow("1 Eur") << 1.0 << u"Eur"_s << u"jedaneuroinulacenti"_s;
}

void TstAmountInWords::agreement()
{
    check();
}

void TstAmountInWords::limitsAndRounding_data()
{
    addColumns();
    const QString wrong = u"pogrešan unos"_s;
    const QString outOfRange = u"unos izvan granica"_s;
    constexpr double inf = std::numeric_limits<double>::infinity();

    QTest::addRow("1.000.000.000") << 1e9 << u"kn"_s << outOfRange;
    QTest::addRow("1.000.000.000 eur") << 1e9 << u"eur"_s << outOfRange;
    // Rounds to a ten-digit whole part.
    QTest::addRow("999.999.999,995") << 999999999.995 << u"kn"_s << outOfRange;
    QTest::addRow("below 10^15") << 999999999999999.0 << u"kn"_s << outOfRange;
    QTest::addRow("10^15") << 1e15 << u"kn"_s << wrong;
    QTest::addRow("1e300") << 1e300 << u"kn"_s << wrong;
    QTest::addRow("NaN") << std::numeric_limits<double>::quiet_NaN() << u"kn"_s << wrong;
    QTest::addRow("inf") << inf << u"eur"_s << wrong;
    QTest::addRow("-inf") << -inf << u"eur"_s << wrong;
    QTest::addRow("-1") << -1.0 << u"kn"_s << wrong;
    QTest::addRow("-0,001") << -0.001 << u"kn"_s << wrong;
    QTest::addRow("-0") << -0.0 << u"kn"_s << u"nulakunainulalipa"_s;
    // Tiny amounts print with an exponent below 0,00001.
    QTest::addRow("0,00001") << 0.00001 << u"kn"_s << u"nulakunainulalipa"_s;
    QTest::addRow("0,000001") << 0.000001 << u"kn"_s << wrong;

    // Rounding to hundredths comes first, half away from zero on the decimal value.
    QTest::addRow("0,999") << 0.999 << u"kn"_s << u"jednakunainulalipa"_s;
    QTest::addRow("0,995") << 0.995 << u"kn"_s << u"jednakunainulalipa"_s;
    QTest::addRow("0,994") << 0.994 << u"kn"_s << u"nulakunaidevedesetdevetlipa"_s;
    QTest::addRow("0,29") << 0.29 << u"kn"_s << u"nulakunaidvadesetdevetlipa"_s;
    QTest::addRow("1,005") << 1.005 << u"kn"_s << u"jednakunaijednalipa"_s;
    QTest::addRow("2,675") << 2.675 << u"kn"_s << u"dvijekuneišezdesetosamlipa"_s;
    QTest::addRow("999.999.999,994") << 999999999.994 << u"eur"_s
                                     << u"devetstodevedesetdevetmilijunadevetstodevedesetdevettisuća"
                                        u"devetstodevedesetdeveteuraidevedesetdevetcenti"_s;
}

void TstAmountInWords::limitsAndRounding()
{
    check();
}

QTEST_GUILESS_MAIN(TstAmountInWords)
#include "tst_amountinwords.moc"
