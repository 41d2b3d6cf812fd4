#include "base/TextForms.h"

#include "base/AppError.h"

#include <QByteArray>
#include <QLocale>
#include <cmath>

using namespace Qt::StringLiterals;

namespace selvana::TextForms {

namespace {

double power10(int decimals)
{
    static constexpr double table[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    return decimals >= 0 && decimals < 10 ? table[decimals] : std::pow(10.0, decimals);
}

// Groups the integer digits of "1234567,89" as "1.234.567,89".
QString groupThousands(const QString& plain)
{
    const qsizetype comma = plain.indexOf(u',');
    const qsizetype intEnd = comma < 0 ? plain.size() : comma;
    const qsizetype intStart = plain.startsWith(u'-') ? 1 : 0;
    QString out;
    out.reserve(plain.size() + plain.size() / 3);
    out += plain.left(intStart);
    for (qsizetype i = intStart; i < intEnd; ++i) {
        out += plain.at(i);
        const qsizetype left = intEnd - i - 1;
        if (left > 0 && left % 3 == 0)
            out += u'.';
    }
    out += plain.mid(intEnd);
    return out;
}

} // namespace

double roundTo(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const double p = power10(decimals);
    const double scaled = value * p;
    if (std::fabs(scaled) >= 1e15)
        return value; // beyond the digits a double carries: nothing to round
    // Re-reading the scaled value through 15 significant digits undoes the binary
    // error (267.49999999999997 -> 267.5) before rounding half away from zero.
    const double cleaned = QByteArray::number(scaled, 'g', 15).toDouble();
    const double rounded = std::round(cleaned) / p;
    return rounded == 0.0 ? 0.0 : rounded; // no "-0,00"
}

QString formatNumber(double value, int decimals, bool grouping)
{
    if (!std::isfinite(value))
        return QString();
    QString plain = QString::number(roundTo(value, decimals), 'f', decimals);
    plain.replace(u'.', u',');
    return grouping ? groupThousands(plain) : plain;
}

QString formatAmount(double value)
{
    return formatNumber(value, 2, true);
}

QString formatShortest(double value)
{
    if (!std::isfinite(value))
        return QString();
    QString text = QString::number(value == 0.0 ? 0.0 : value, 'f', QLocale::FloatingPointShortest);
    text.replace(u'.', u',');
    return text;
}

double tryParseNumber(const QString& text, bool* ok)
{
    QString plain = text.trimmed();
    plain.remove(u'.');
    if (plain.isEmpty()) {
        *ok = true;
        return 0.0;
    }
    // Only digits, one sign in front and one decimal comma: "1e5", "inf" and "nan" are no amounts.
    int commas = 0;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar ch = plain.at(i);
        if (ch == u',') {
            ++commas;
        } else if ((ch == u'-' || ch == u'+') && i == 0) {
        } else if (!(ch >= u'0' && ch <= u'9')) {
            *ok = false;
            return 0.0;
        }
    }
    plain.replace(u',', u'.');
    const double value = commas <= 1 ? plain.toDouble(ok) : 0.0;
    if (commas > 1 || !std::isfinite(value))
        *ok = false;
    return *ok ? value : 0.0;
}

double parseNumber(const QString& text)
{
    bool ok = false;
    const double value = tryParseNumber(text, &ok);
    if (!ok)
        throw AppError(floatMessage(text));
    return value;
}

QString tooLargeMessage()
{
    return u"Iznos je prevelik: najviše 999.999.999.999,99."_s;
}

double parseCell(const QString& text)
{
    bool ok = false;
    const double value = tryParseNumber(text, &ok);
    if (!ok)
        throw AppError(u"Cell does not contain a float value"_s);
    return value;
}

int parseInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw AppError(integerMessage(text));
    return value;
}

QString formatDate(const QDate& date)
{
    return date.isValid() ? date.toString(u"dd.MM.yyyy"_s) : QString();
}

QDate parseDate(const QString& text)
{
    QDate date = QDate::fromString(text.trimmed(), u"dd.MM.yyyy"_s);
    if (!date.isValid())
        date = QDate::fromString(text.trimmed(), u"d.M.yyyy"_s);
    return date;
}

QString formatTime(const QTime& time)
{
    return time.isValid() ? time.toString(u"hh:mm"_s) : QString();
}

QTime parseTime(const QString& text)
{
    QTime time = QTime::fromString(text.trimmed(), u"hh:mm"_s);
    if (!time.isValid())
        time = QTime::fromString(text.trimmed(), u"h:mm"_s);
    return time;
}

QString floatMessage(const QString& text)
{
    return u"'%1' is not a valid floating point value"_s.arg(text);
}

QString integerMessage(const QString& text)
{
    return u"'%1' is not a valid integer value"_s.arg(text);
}

} // namespace selvana::TextForms
