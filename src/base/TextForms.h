#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace selvana::TextForms {

// Rounds half away from zero on the decimal value a user would see, so that
// 2,675 gives 2,68 even though the binary double is slightly below it.
double roundTo(double value, int decimals);

// "1.234,50" (grouped) or "1234,50" (plain); decimals may be 0.
QString formatNumber(double value, int decimals, bool grouping = true);
QString formatAmount(double value);   // "1.234,50"
QString formatShortest(double value); // shortest decimal, "1234,5"

// Removes every ".", reads "," as the decimal point, the empty text is 0.
// Anything else throws AppError "'%s' is not a valid floating point value".
double parseNumber(const QString& text);
// As parseNumber, but throws "Cell does not contain a float value" (grid cells).
double parseCell(const QString& text);
// Decimal integer; throws "'%s' is not a valid integer value".
int parseInteger(const QString& text);
// Same without throwing; ok tells whether the text was a number.
double tryParseNumber(const QString& text, bool* ok);

QString formatDate(const QDate& date); // "dd.MM.yyyy", empty for an invalid date
QDate parseDate(const QString& text);  // invalid date for an empty or malformed text
QString formatTime(const QTime& time); // "hh:mm"
QTime parseTime(const QString& text);

QString floatMessage(const QString& text);
// The largest amount a field takes or a sheet adds up to: beyond it, cents are no longer exact
// in the sums.
inline constexpr double kMaxAmount = 1e12;
QString tooLargeMessage();
QString integerMessage(const QString& text);

} // namespace selvana::TextForms
