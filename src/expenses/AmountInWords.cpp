#include "expenses/AmountInWords.h"

#include <QStringView>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace selvana {

// Each table is indexed by the digit; an empty entry writes nothing.
static constexpr QStringView kUnitsMasculine[] = {u"",    u"jedan", u"dva",   u"tri",  u"četiri",
                                                  u"pet", u"šest",  u"sedam", u"osam", u"devet"};
static constexpr QStringView kUnitsFeminine[] = {u"",    u"jedna", u"dvije", u"tri",  u"četiri",
                                                 u"pet", u"šest",  u"sedam", u"osam", u"devet"};
static constexpr QStringView kTens[] = {u"",        u"",         u"dvadeset",   u"trideset",  u"četrdeset",
                                        u"pedeset", u"šezdeset", u"sedamdeset", u"osamdeset", u"devedeset"};
static constexpr QStringView kHundreds[] = {u"",       u"sto",   u"dvjesto",  u"tristo",  u"četrsto",
                                            u"petsto", u"šesto", u"sedamsto", u"osamsto", u"devetsto"};
// 10 to 19 by the units digit; the empty ones are the units word + "naest".
static constexpr QStringView kTeens[] = {u"deset", u"jedanaest", u"dvanaest", u"", u"četrnaest",
                                         u"",      u"šesnaest",  u"",         u"", u""};
static constexpr QStringView kTeenSuffix = u"naest";

static constexpr std::int64_t kPowersOfTen[] = {1LL,
                                                10LL,
                                                100LL,
                                                1'000LL,
                                                10'000LL,
                                                100'000LL,
                                                1'000'000LL,
                                                10'000'000LL,
                                                100'000'000LL,
                                                1'000'000'000LL,
                                                10'000'000'000LL,
                                                100'000'000'000LL,
                                                1'000'000'000'000LL,
                                                10'000'000'000'000LL,
                                                100'000'000'000'000LL,
                                                1'000'000'000'000'000LL,
                                                10'000'000'000'000'000LL,
                                                100'000'000'000'000'000LL};

// The largest whole part the three fixed groups can hold, in hundredths.
static constexpr std::int64_t kCentsLimit = 100'000'000'000LL;

// The amount as a user would read it: 15 significant digits,
// value = digits * 10^(exponent - 14).
struct DecimalText {
    std::int64_t digits = 0;
    int exponent = 0;
};

// x must be finite. Locale-independent, unlike printf once the application
// has set the user's locale.
static DecimalText toDecimalText(double x)
{
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::scientific, 14);
    DecimalText text;
    if (ec != std::errc())
        return text;
    // "d.dddddddddddddde+XX"
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            text.digits = text.digits * 10 + (*p - '0');
    }
    if (p == end)
        return text;
    ++p;
    const bool negative = (*p == '-');
    if (*p == '+' || *p == '-')
        ++p;
    std::from_chars(p, end, text.exponent);
    if (negative)
        text.exponent = -text.exponent;
    return text;
}

// Rounds half away from zero on the decimal digits, not on the binary double,
// so 0,29 stays 29 hundredths and 2,675 becomes 2,68. Needs -5 <= exponent <= 9.
static std::int64_t toCents(const DecimalText& text)
{
    const int shift = 12 - text.exponent;
    const std::int64_t divisor = kPowersOfTen[shift];
    std::int64_t cents = text.digits / divisor;
    if ((text.digits % divisor) * 2 >= divisor)
        ++cents;
    return cents;
}

// One group of three digits, 0..999; "nula" for 0.
static QString groupWords(int group, bool feminine)
{
    if (group == 0)
        return u"nula"_s;
    const int hundreds = group / 100;
    const int tens = group / 10 % 10;
    const int units = group % 10;

    QString words = kHundreds[hundreds].toString();
    if (tens == 1) {
        const QStringView teen = kTeens[units];
        if (teen.isEmpty()) {
            words += kUnitsMasculine[units];
            words += kTeenSuffix;
        } else {
            words += teen;
        }
    } else {
        words += kTens[tens];
        words += feminine ? kUnitsFeminine[units] : kUnitsMasculine[units];
    }
    return words;
}

static bool isBetween(int value, int low, int high)
{
    return value >= low && value <= high;
}

QString AmountInWords(double amount, const QString& currency)
{
    const QString wrongInput = u"pogrešan unos"_s;
    const QString outOfRange = u"unos izvan granica"_s;

    // Whatever would not print as plain digits and a comma is wrong input:
    // a sign, "nan", "inf", or an exponent (from 10^15 up, or below 0,00001).
    // -0 prints as 0 and is taken as zero.
    if (!std::isfinite(amount) || amount < 0)
        return wrongInput;
    const DecimalText text = toDecimalText(amount);
    if (amount > 0 && (text.exponent < -5 || text.exponent >= 15))
        return wrongInput;
    if (amount >= 1e9)
        return outOfRange;

    // Amounts from 999.999.999,995 round to a tenth whole digit.
    const std::int64_t cents = toCents(text);
    if (cents >= kCentsLimit)
        return outOfRange;

    const std::int64_t whole = cents / 100;
    const int millions = static_cast<int>(whole / 1'000'000);
    const int thousands = static_cast<int>(whole / 1'000 % 1'000);
    const int units = static_cast<int>(whole % 1'000);
    const int hundredths = static_cast<int>(cents % 100);

    const QString cur = currency.toLower();
    const bool kuna = (cur == u"kn");
    const bool euro = (cur == u"eur");

    QString words;
    if (millions == 1) {
        words += u"milijun";
    } else if (millions > 1) {
        words += groupWords(millions, false);
        words += u"milijun";
        if (millions % 10 != 1 || millions % 100 == 11)
            words += u'a';
    }

    if (thousands == 1) {
        words += u"tisuću";
    } else if (thousands > 1) {
        words += groupWords(thousands, true);
        words += u"tisuć";
        if (isBetween(thousands % 100, 11, 14))
            words += u'a';
        else if (isBetween(thousands % 10, 2, 4))
            words += u'e';
        else
            words += u'a';
    }

    if (units > 0)
        words += groupWords(units, kuna);
    if (whole == 0)
        words = u"nula"_s;

    if (euro) {
        if (units % 100 == 11)
            words += u"eurai";
        else if (units % 10 == 1)
            words += u"euroi";
        else
            words += u"eurai";
        words += groupWords(hundredths, false);
        if (isBetween(hundredths, 11, 14))
            words += u"centi";
        else if (hundredths % 10 == 1)
            words += u"cent";
        else if (isBetween(hundredths % 10, 2, 4))
            words += u"centa";
        else
            words += u"centi";
    } else if (kuna) {
        const bool teen = (units / 10 % 10 == 1);
        words += (!teen && isBetween(units % 10, 2, 4)) ? u"kunei" : u"kunai";
        words += groupWords(hundredths, true);
        const bool teenHundredths = (hundredths / 10 == 1);
        words += (!teenHundredths && isBetween(hundredths % 10, 2, 4)) ? u"lipe" : u"lipa";
    } else {
        // Read as a decimal number: 12,05 is "dvanaest zarez nula pet".
        words += u"zarez";
        if (hundredths < 10)
            words += u"nula";
        words += groupWords(hundredths, false);
    }
    return words;
}

} // namespace selvana
